#include "xlw/XlfOper.h"

#include <cstring>
#include <stdexcept>

#include "xlw/XlfDiagnostics.h"
#include "xlw/XlfExcel.h"

namespace {
constexpr std::size_t kMaxTextLength = 255; // the count is one byte

XLOPER* NewPoolOper()
{
    auto* value = static_cast<XLOPER*>(XlfExcel::Instance().GetTempMemory(sizeof(XLOPER)));
    if (value != nullptr) {
        value->xltype = xltype::Nil;
    }
    return value;
}
} // namespace

std::string CountedText(const char* counted)
{
    if (counted == nullptr) {
        return std::string();
    }
    const auto length = static_cast<unsigned char>(counted[0]);
    return std::string(counted + 1, length);
}

XlfOper::XlfOper() : m_value(NewPoolOper()) {}

XlfOper XlfOper::Error(XlWord code)
{
    static XLOPER shared;
    shared.xltype = xltype::Err;
    shared.val.err = code;
    return XlfOper(&shared);
}

XlWord XlfOper::Type() const
{
    return m_value == nullptr ? 0 : static_cast<XlWord>(m_value->xltype & ~xltype::FreeLater);
}

XlfOper& XlfOper::SetNumber(double value)
{
    if (m_value != nullptr) {
        m_value->xltype = xltype::Num;
        m_value->val.num = value;
    }
    return *this;
}

XlfOper& XlfOper::SetInt(std::int16_t value)
{
    if (m_value != nullptr) {
        m_value->xltype = xltype::Int;
        m_value->val.w = value;
    }
    return *this;
}

XlfOper& XlfOper::SetBool(bool value)
{
    if (m_value != nullptr) {
        m_value->xltype = xltype::Bool;
        m_value->val.xbool = value ? 1 : 0;
    }
    return *this;
}

XlfOper& XlfOper::SetError(XlWord code)
{
    if (m_value != nullptr) {
        m_value->xltype = xltype::Err;
        m_value->val.err = code;
    }
    return *this;
}

XlfOper& XlfOper::SetText(const std::string& text)
{
    if (m_value == nullptr) {
        return *this;
    }
    std::size_t length = text.size();
    if (length > kMaxTextLength) {
        XlfDiagnostic(".\\xlw\\XlfOper(513): ", "String too long is truncated");
        length = kMaxTextLength;
    }
    auto* counted = static_cast<char*>(XlfExcel::Instance().GetTempMemory(length + 2));
    if (counted == nullptr) {
        // The XLOPER keeps its old kind and value; only this wrapper lets go of it.
        m_value = nullptr;
        return *this;
    }
    counted[0] = static_cast<char>(static_cast<unsigned char>(length));
    std::memcpy(counted + 1, text.data(), length);
    counted[length + 1] = '\0';
    m_value->xltype = xltype::Str;
    m_value->val.str = counted;
    return *this;
}

XLOPER* XlfOper::SetMulti(std::uint32_t rows, std::uint32_t columns)
{
    if (m_value == nullptr) {
        return nullptr;
    }
    if (rows == 0 || columns == 0 || rows > kMaxArrayCount || columns > kMaxArrayCount) {
        throw std::length_error("array shape does not fit an XLOPER");
    }
    const std::size_t cells = static_cast<std::size_t>(rows) * columns;
    if (cells > static_cast<std::size_t>(-1) / sizeof(XLOPER)) {
        m_value = nullptr;
        return nullptr;
    }
    auto* elements = static_cast<XLOPER*>(XlfExcel::Instance().GetTempMemory(cells * sizeof(XLOPER)));
    if (elements == nullptr) {
        m_value = nullptr;
        return nullptr;
    }
    for (std::size_t i = 0; i < cells; ++i) {
        elements[i].xltype = xltype::Nil;
    }
    m_value->xltype = xltype::Multi;
    m_value->val.array.lparray = elements;
    m_value->val.array.rows = static_cast<XlWord>(rows);
    m_value->val.array.columns = static_cast<XlWord>(columns);
    return elements;
}

void XlfOper::Release()
{
    if (m_value != nullptr) {
        ReleaseOper(*m_value);
    }
}

void ReleaseOper(XLOPER& value)
{
    if ((value.xltype & xltype::FreeLater) == 0) {
        return;
    }
    value.xltype = static_cast<XlWord>(value.xltype & ~xltype::FreeLater);
    if (XlfExcel::Instance().CallExcel(XlFunction::Free, nullptr, {&value}) != xlret::Success) {
        XlfDiagnostic(".\\xlw\\XlfOper(117): ", "Call to xlFree failed");
    }
}
