#include "xlw/XlfOper.h"

#include <cstring>
#include <stdexcept>

#include "xlw/XlfDiagnostics.h"
#include "xlw/XlfExcel.h"
#include "xlw/XlfText.h"

namespace {
XLOPER12* NewPoolOper()
{
    auto* value = static_cast<XLOPER12*>(XlfExcel::Instance().GetTempMemory(sizeof(XLOPER12)));
    if (value != nullptr) {
        value->xltype = xltype::Nil;
    }
    return value;
}
} // namespace

std::u16string CountedText(const XlChar* counted)
{
    if (counted == nullptr) {
        return std::u16string();
    }
    return std::u16string(counted + 1, counted[0]);
}

XlfOper::XlfOper() : m_value(NewPoolOper()) {}

XlfOper XlfOper::Error(XlWord code)
{
    static XLOPER12 shared;
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

XlfOper& XlfOper::SetInt(std::int32_t value)
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
    return SetText(Utf8ToUtf16(text));
}

XlfOper& XlfOper::SetText(const std::u16string& text)
{
    if (m_value == nullptr) {
        return *this;
    }
    std::size_t length = text.size();
    const std::size_t longest = XlfExcel::Instance().MaxTextLength();
    if (length > longest) {
        XlfDiagnostic(".\\xlw\\XlfOper(513): ", "String too long is truncated");
        length = longest;
    }
    auto* counted = static_cast<XlChar*>(XlfExcel::Instance().GetTempMemory((length + 2) * sizeof(XlChar)));
    if (counted == nullptr) {
        // The XLOPER12 keeps its old kind and value; only this wrapper lets go of it.
        m_value = nullptr;
        return *this;
    }
    counted[0] = static_cast<XlChar>(length);
    std::memcpy(counted + 1, text.data(), length * sizeof(XlChar));
    counted[length + 1] = u'\0';
    m_value->xltype = xltype::Str;
    m_value->val.str = counted;
    return *this;
}

XLOPER12* XlfOper::SetMulti(std::uint32_t rows, std::uint32_t columns)
{
    if (m_value == nullptr) {
        return nullptr;
    }
    const XlfExcel& excel = XlfExcel::Instance();
    if (rows == 0 || columns == 0 || rows > excel.MaxArrayRows() || columns > excel.MaxArrayColumns()) {
        throw std::length_error("array shape does not fit the array counts");
    }
    const std::size_t cells = static_cast<std::size_t>(rows) * columns;
    if (cells > static_cast<std::size_t>(-1) / sizeof(XLOPER12)) {
        m_value = nullptr;
        return nullptr;
    }
    auto* elements = static_cast<XLOPER12*>(XlfExcel::Instance().GetTempMemory(cells * sizeof(XLOPER12)));
    if (elements == nullptr) {
        m_value = nullptr;
        return nullptr;
    }
    for (std::size_t i = 0; i < cells; ++i) {
        elements[i].xltype = xltype::Nil;
    }
    m_value->xltype = xltype::Multi;
    m_value->val.array.lparray = elements;
    m_value->val.array.rows = static_cast<std::int32_t>(rows);
    m_value->val.array.columns = static_cast<std::int32_t>(columns);
    return elements;
}

void XlfOper::Release()
{
    if (m_value != nullptr) {
        ReleaseOper(*m_value);
    }
}

void ReleaseOper(XLOPER12& value)
{
    if ((value.xltype & xltype::FreeLater) == 0) {
        return;
    }
    value.xltype &= ~static_cast<std::uint32_t>(xltype::FreeLater);
    if (XlfExcel::Instance().CallExcel(XlFunction::Free, nullptr, {&value}) != xlret::Success) {
        XlfDiagnostic(".\\xlw\\XlfOper(117): ", "Call to xlFree failed");
    }
}
