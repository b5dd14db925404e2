#include <cstring>

#include "xlw/XlfException.h"
#include "xlw/XlfExcel.h"
#include "xlw/XlfOper.h"
#include "xlw/XlfText.h"

int XlfOper::CoerceTo(XlWord type, XLOPER12& result) const
{
    if (m_value == nullptr) {
        return xlret::InvXloper;
    }
    XlfOper wanted;
    if (wanted.IsEmpty()) {
        return xlret::InvXloper;
    }
    wanted.SetInt(type);
    return XlfExcel::Instance().CallExcel(XlFunction::Coerce, &result, {m_value, wanted.Get()});
}

namespace {
// Coerces to the type; a success whose result has another kind is treated
// as a malformed value rather than read as the wrong union member.
int CoerceChecked(const XlfOper& value, XlWord type, XlfOwnedOper& result)
{
    const int code = value.CoerceTo(type, *result.Get());
    if (code == xlret::Success && result.Type() != type) {
        return xlret::InvXloper;
    }
    return code;
}

template <class T, class Reader>
T Raising(Reader reader)
{
    int code = xlret::Success;
    T value = reader(code);
    RaiseForCode(code);
    return value;
}

// The shape every reader shares: an empty or kindless value is malformed, a value of
// the wanted kind is read as it is, anything else is read from its
// coercion to that kind, which is released before the reader returns.
template <class T, class Extract>
T ReadAs(const XlfOper& value, XlWord wanted, int& code, T none, Extract extract)
{
    code = xlret::Success;
    if (value.Type() == 0) {
        code = xlret::InvXloper;
        return none;
    }
    if (value.Type() == wanted) {
        return extract(*value.Get(), code);
    }
    XlfOwnedOper result;
    code = CoerceChecked(value, wanted, result);
    return code == xlret::Success ? extract(result.Value(), code) : none;
}

const char* CopyToPool(const XlChar* counted, int& code)
{
    const std::string utf8 = Utf16ToUtf8(CountedText(counted));
    auto* text = static_cast<char*>(XlfExcel::Instance().GetTempMemory(utf8.size() + 1));
    if (text == nullptr) {
        code = xlret::InvXloper;
        return "";
    }
    std::memcpy(text, utf8.c_str(), utf8.size() + 1);
    return text;
}

// The first rectangle of a multiple reference; a reference without one,
// or with reversed ends, is malformed.
XlfRange FirstRectangle(const XLOPER12& reference, int& code)
{
    const XLMREF12* list = reference.val.mref.lpmref;
    if (list == nullptr || list->count == 0) {
        code = xlret::InvXloper;
        return XlfRange();
    }
    const XLREF12& ref = list->reftbl[0];
    if (ref.rwFirst < 0 || ref.colFirst < 0 || ref.rwLast < ref.rwFirst || ref.colLast < ref.colFirst) {
        code = xlret::InvXloper;
        return XlfRange();
    }
    XlfRange range;
    range.firstRow = static_cast<std::uint32_t>(ref.rwFirst);
    range.endRow = static_cast<std::uint32_t>(ref.rwLast) + 1;
    range.firstColumn = static_cast<std::uint32_t>(ref.colFirst);
    range.endColumn = static_cast<std::uint32_t>(ref.colLast) + 1;
    range.sheetId = reference.val.mref.idSheet;
    return range;
}
} // namespace

double XlfOper::ReadDouble(int& code) const
{
    if (Type() == xltype::Int) {
        code = xlret::Success;
        return m_value->val.w;
    }
    return ReadAs(*this, xltype::Num, code, 0.0, [](const XLOPER12& v, int&) { return v.val.num; });
}

bool XlfOper::ReadBool(int& code) const
{
    return ReadAs(*this, xltype::Bool, code, false, [](const XLOPER12& v, int&) { return v.val.xbool != 0; });
}

const char* XlfOper::ReadText(int& code) const
{
    return ReadAs(*this, xltype::Str, code, "",
                  [](const XLOPER12& v, int& c) { return CopyToPool(v.val.str, c); });
}

XlfRange XlfOper::ReadRange(int& code) const
{
    return ReadAs(*this, xltype::Ref, code, XlfRange(), FirstRectangle);
}

double XlfOper::ReadDouble() const
{
    return Raising<double>([this](int& code) { return ReadDouble(code); });
}

bool XlfOper::ReadBool() const
{
    return Raising<bool>([this](int& code) { return ReadBool(code); });
}

const char* XlfOper::ReadText() const
{
    return Raising<const char*>([this](int& code) { return ReadText(code); });
}

XlfRange XlfOper::ReadRange() const
{
    return Raising<XlfRange>([this](int& code) { return ReadRange(code); });
}
