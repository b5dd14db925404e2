#include "xlw/XlfExcel4Path.h"

#include <cstring>
#include <limits>
#include <vector>

#include "xlw/XlfExcel.h"
#include "xlw/XlfText.h"

namespace {
constexpr std::size_t kMaxCountedBytes = 255;
constexpr std::int32_t kLastXloperRow = 0xFFFF;
constexpr std::int32_t kLastXloperColumn = 0xFF;

template <class T>
T* PoolArray(std::size_t count)
{
    return static_cast<T*>(XlfExcel::Instance().GetTempMemory(sizeof(T) * (count == 0 ? 1 : count)));
}

bool FitsXloper(const XLREF12& ref)
{
    return ref.rwFirst >= 0 && ref.rwLast <= kLastXloperRow && ref.colFirst >= 0 && ref.colLast <= kLastXloperColumn
           && ref.rwFirst <= ref.rwLast && ref.colFirst <= ref.colLast;
}

XLREF Down(const XLREF12& ref)
{
    return XLREF{static_cast<XlWord>(ref.rwFirst), static_cast<XlWord>(ref.rwLast),
                 static_cast<std::uint8_t>(ref.colFirst), static_cast<std::uint8_t>(ref.colLast)};
}

XLREF12 Up(const XLREF& ref)
{
    return XLREF12{ref.rwFirst, ref.rwLast, ref.colFirst, ref.colLast};
}

char* CountedAnsi(const XlChar* counted)
{
    const std::size_t units = counted == nullptr ? 0 : counted[0];
    std::string text = Utf16ToAnsi(std::u16string(counted == nullptr ? u"" : counted + 1, units));
    if (text.size() > kMaxCountedBytes) {
        text.resize(kMaxCountedBytes);
    }
    char* copy = PoolArray<char>(text.size() + 2);
    if (copy != nullptr) {
        copy[0] = static_cast<char>(static_cast<unsigned char>(text.size()));
        std::memcpy(copy + 1, text.data(), text.size());
        copy[text.size() + 1] = '\0';
    }
    return copy;
}

XlChar* CountedUtf16(const char* counted)
{
    const std::size_t bytes = counted == nullptr ? 0 : static_cast<unsigned char>(counted[0]);
    const std::u16string text = AnsiToUtf16(std::string(counted == nullptr ? "" : counted + 1, bytes));
    XlChar* copy = PoolArray<XlChar>(text.size() + 2);
    if (copy != nullptr) {
        copy[0] = static_cast<XlChar>(text.size());
        std::memcpy(copy + 1, text.data(), text.size() * sizeof(XlChar));
        copy[text.size() + 1] = u'\0';
    }
    return copy;
}

bool ScalarDown(const XLOPER12& from, XLOPER& to)
{
    switch (from.xltype) {
    case xltype::Num:
        to.val.num = from.val.num;
        return true;
    case xltype::Str:
        to.val.str = CountedAnsi(from.val.str);
        return to.val.str != nullptr;
    case xltype::Bool:
        to.val.xbool = from.val.xbool != 0 ? 1 : 0;
        return true;
    case xltype::Err:
        to.val.err = static_cast<XlWord>(from.val.err);
        return true;
    case xltype::Int:
        if (from.val.w < std::numeric_limits<std::int16_t>::min() || from.val.w > std::numeric_limits<std::int16_t>::max()) {
            to.xltype = xltype::Num;
            to.val.num = from.val.w;
        } else {
            to.val.w = static_cast<std::int16_t>(from.val.w);
        }
        return true;
    case xltype::Missing:
    case xltype::Nil:
        return true;
    default:
        return false;
    }
}

bool ScalarUp(const XLOPER& from, XLOPER12& to)
{
    switch (from.xltype) {
    case xltype::Num:
        to.val.num = from.val.num;
        return true;
    case xltype::Str:
        to.val.str = CountedUtf16(from.val.str);
        return to.val.str != nullptr;
    case xltype::Bool:
        to.val.xbool = from.val.xbool != 0 ? 1 : 0;
        return true;
    case xltype::Err:
        to.val.err = from.val.err;
        return true;
    case xltype::Int:
        to.val.w = from.val.w;
        return true;
    case xltype::Missing:
    case xltype::Nil:
        return true;
    default:
        return false;
    }
}
} // namespace

bool ToXloper(const XLOPER12& from, XLOPER& to)
{
    to.xltype = static_cast<XlWord>(from.xltype & ~xltype::FreeLater);
    switch (to.xltype) {
    case xltype::SRef:
        if (!FitsXloper(from.val.sref.ref)) {
            return false;
        }
        to.val.sref.count = 1;
        to.val.sref.ref = Down(from.val.sref.ref);
        return true;
    case xltype::Ref: {
        const XLMREF12* list = from.val.mref.lpmref;
        const std::size_t count = list == nullptr ? 0 : list->count;
        auto* copy = static_cast<XLMREF*>(XlfExcel::Instance().GetTempMemory(sizeof(XLMREF) + count * sizeof(XLREF)));
        if (copy == nullptr) {
            return false;
        }
        copy->count = static_cast<XlWord>(count);
        for (std::size_t i = 0; i < count; ++i) {
            if (!FitsXloper(list->reftbl[i])) {
                return false;
            }
            copy->reftbl[i] = Down(list->reftbl[i]);
        }
        to.val.mref.lpmref = copy;
        to.val.mref.idSheet = static_cast<std::uint32_t>(from.val.mref.idSheet);
        return true;
    }
    case xltype::Multi: {
        const auto rows = from.val.array.rows;
        const auto columns = from.val.array.columns;
        if (rows < 1 || columns < 1 || rows > static_cast<std::int32_t>(kMaxArrayCount)
            || columns > static_cast<std::int32_t>(kMaxArrayCount)) {
            return false;
        }
        const std::size_t cells = static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns);
        XLOPER* elements = PoolArray<XLOPER>(cells);
        if (elements == nullptr) {
            return false;
        }
        for (std::size_t i = 0; i < cells; ++i) {
            if (!ToXloper(from.val.array.lparray[i], elements[i])) {
                return false;
            }
        }
        to.val.array.lparray = elements;
        to.val.array.rows = static_cast<XlWord>(rows);
        to.val.array.columns = static_cast<XlWord>(columns);
        return true;
    }
    default:
        return ScalarDown(from, to);
    }
}

bool ToXloper12(const XLOPER& from, XLOPER12& to)
{
    to.xltype = static_cast<XlWord>(from.xltype & ~xltype::FreeLater);
    switch (to.xltype) {
    case xltype::SRef:
        to.val.sref.count = 1;
        to.val.sref.ref = Up(from.val.sref.ref);
        return true;
    case xltype::Ref: {
        const XLMREF* list = from.val.mref.lpmref;
        const std::size_t count = list == nullptr ? 0 : list->count;
        auto* copy = static_cast<XLMREF12*>(XlfExcel::Instance().GetTempMemory(sizeof(XLMREF12) + count * sizeof(XLREF12)));
        if (copy == nullptr) {
            return false;
        }
        copy->count = static_cast<XlWord>(count);
        for (std::size_t i = 0; i < count; ++i) {
            copy->reftbl[i] = Up(list->reftbl[i]);
        }
        to.val.mref.lpmref = copy;
        to.val.mref.idSheet = from.val.mref.idSheet;
        return true;
    }
    case xltype::Multi: {
        const std::size_t cells = static_cast<std::size_t>(from.val.array.rows) * from.val.array.columns;
        XLOPER12* elements = PoolArray<XLOPER12>(cells);
        if (elements == nullptr) {
            return false;
        }
        for (std::size_t i = 0; i < cells; ++i) {
            if (!ToXloper12(from.val.array.lparray[i], elements[i])) {
                return false;
            }
        }
        to.val.array.lparray = elements;
        to.val.array.rows = from.val.array.rows;
        to.val.array.columns = from.val.array.columns;
        return true;
    }
    default:
        return ScalarUp(from, to);
    }
}

int CallExcel4(Excel4vProc excel4v, int function, XLOPER12* result, int count, XLOPER12** arguments)
{
    std::vector<XLOPER> values(static_cast<std::size_t>(count > 0 ? count : 0));
    std::vector<XLOPER*> pointers;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!ToXloper(*arguments[i], values[i])) {
            return xlret::Failed;
        }
        pointers.push_back(&values[i]);
    }
    XLOPER answer{};
    answer.xltype = xltype::Nil;
    const int code = excel4v(function, result != nullptr ? &answer : nullptr, count, pointers.data());
    if (result == nullptr || code != xlret::Success) {
        return code;
    }
    const bool converted = ToXloper12(answer, *result);
    if ((answer.xltype & xltype::ExcelOwned) != 0) {
        XLOPER* owned = &answer;
        excel4v(static_cast<int>(XlFunction::Free), nullptr, 1, &owned);
    }
    return converted ? code : xlret::InvXloper;
}
