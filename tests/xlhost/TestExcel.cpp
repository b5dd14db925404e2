#include "tests/xlhost/TestExcel.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "xlw/XlfText.h"

TestExcel& TestExcel::Instance()
{
    static TestExcel instance;
    return instance;
}

void TestExcel::Reset()
{
    m_sheet.clear();
    m_caller = TestArea{};
    m_hasCaller = true;
    m_excel4Only = false;
    m_dllName = kDefaultDllName;
    m_forced.clear();
    m_registrations.clear();
    m_owned.clear();
    m_hostOwned.clear();
    m_coerceCalls = 0;
    m_freeCalls = 0;
    m_windowWord = 0;
}

namespace {
constexpr std::uint32_t kLastXloperRow = 0xFFFF;
constexpr std::uint32_t kLastXloperColumn = 0xFF;

bool FitsXloper(const TestArea& area)
{
    return area.row2 <= kLastXloperRow && area.column2 <= kLastXloperColumn;
}

XLREF ToXlref(const TestArea& area)
{
    return XLREF{static_cast<XlWord>(area.row1), static_cast<XlWord>(area.row2),
                 static_cast<std::uint8_t>(area.column1), static_cast<std::uint8_t>(area.column2)};
}
} // namespace

// An XLOPER text is in the ANSI code page: what it lacks becomes '?'.
char* TestExcel::OwnedText(const std::string& text, std::vector<std::unique_ptr<char[]>>& parts)
{
    return OwnedAnsi(Utf16ToAnsi(Utf8ToUtf16(text)), parts);
}

char* TestExcel::OwnedAnsi(const std::string& ansi, std::vector<std::unique_ptr<char[]>>& parts)
{
    const std::size_t length = ansi.size() > 255 ? 255 : ansi.size();
    char* counted = Allocate<char>(length + 2, parts);
    counted[0] = static_cast<char>(static_cast<unsigned char>(length));
    std::memcpy(counted + 1, ansi.data(), length);
    return counted;
}

XLOPER TestExcel::Reference(const XLREF& rectangle)
{
    return Reference(TestArea{rectangle.rwFirst, rectangle.rwLast, rectangle.colFirst, rectangle.colLast});
}

XLOPER TestExcel::Reference(const TestArea& area)
{
    if (!FitsXloper(area)) {
        throw std::runtime_error("no XLOPER holds a reference beyond row 65536 or column IV");
    }
    const XLREF rectangle = ToXlref(area);
    XLMREF* list = Allocate<XLMREF>(1, m_hostOwned);
    list->count = 1;
    list->reftbl[0] = rectangle;
    XLOPER value{};
    value.xltype = xltype::Ref;
    value.val.mref.lpmref = list;
    value.val.mref.idSheet = kSheetId;
    return value;
}

int TestExcel::Call(int function, XLOPER* result, int count, XLOPER** arguments)
{
    const auto forced = m_forced.find(function);
    if (forced != m_forced.end()) {
        return forced->second;
    }
    switch (static_cast<XlFunction>(function)) {
    case XlFunction::Register:
        return Register(count, arguments);
    case XlFunction::Caller:
        if (result == nullptr || count != 0) {
            return xlret::InvCount;
        }
        return Caller(*result);
    case XlFunction::GetName: {
        if (result == nullptr) {
            return xlret::Failed;
        }
        std::vector<std::unique_ptr<char[]>> parts;
        result->xltype = xltype::Str;
        result->val.str = OwnedText(m_dllName, parts);
        m_owned[result->val.str] = std::move(parts);
        return xlret::Success;
    }
    case XlFunction::GetHwnd:
        if (result == nullptr) {
            return xlret::Failed;
        }
        result->xltype = xltype::Int;
        result->val.w = static_cast<std::int16_t>(m_windowWord);
        return xlret::Success;
    case XlFunction::Abort:
        return Abort(result);
    case XlFunction::Coerce:
        ++m_coerceCalls;
        if (result == nullptr || count != 2 || arguments[1]->xltype != xltype::Int) {
            return xlret::InvXloper;
        }
        return Coerce(*arguments[0], static_cast<XlWord>(arguments[1]->val.w), *result);
    case XlFunction::Counta: {
        if (result == nullptr) {
            return xlret::Failed;
        }
        double total = 0.0;
        for (int i = 0; i < count; ++i) {
            const XLOPER& value = *arguments[i];
            if (value.xltype == xltype::SRef) {
                const XLREF& r = value.val.sref.ref;
                total += static_cast<double>(CountValues(TestArea{r.rwFirst, r.rwLast, r.colFirst, r.colLast}));
            } else if (value.xltype == xltype::Ref && value.val.mref.lpmref != nullptr) {
                for (XlWord a = 0; a < value.val.mref.lpmref->count; ++a) {
                    const XLREF& r = value.val.mref.lpmref->reftbl[a];
                    total += static_cast<double>(CountValues(TestArea{r.rwFirst, r.rwLast, r.colFirst, r.colLast}));
                }
            } else if (value.xltype != xltype::Nil && value.xltype != xltype::Missing) {
                total += 1.0;
            }
        }
        result->xltype = xltype::Num;
        result->val.num = total;
        return xlret::Success;
    }
    case XlFunction::Free:
        ++m_freeCalls;
        for (int i = 0; i < count; ++i) {
            const int code = Free(*arguments[i]);
            if (code != xlret::Success) {
                return code;
            }
        }
        return xlret::Success;
    default:
        return xlret::InvXlfn;
    }
}

int TestExcel::Register(int count, XLOPER** arguments)
{
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) {
        const XLOPER& value = *arguments[i];
        if (value.xltype != xltype::Str && value.xltype != xltype::Num) {
            return xlret::InvXloper;
        }
        texts.push_back(FormatValue(value));
    }
    m_registrations.push_back(texts);
    return count >= 10 ? xlret::Success : xlret::InvCount;
}

// What xlfCaller documents: a single cell or an array formula's cells as a
// reference; code called some other way (a macro) gets #REF!.
int TestExcel::Caller(XLOPER& result) const
{
    if (!m_hasCaller) {
        result.xltype = xltype::Err;
        result.val.err = xlerr::Ref;
        return xlret::Success;
    }
    // Excel4 cannot convert a caller beyond the XLOPER's grid.
    if (!FitsXloper(m_caller)) {
        return xlret::Failed;
    }
    result.xltype = xltype::SRef;
    result.val.sref.count = 1;
    result.val.sref.ref = ToXlref(m_caller);
    return xlret::Success;
}

const TestCell* TestExcel::FindCell(std::uint32_t row, std::uint32_t column) const
{
    const auto found = m_sheet.find({row, column});
    return found == m_sheet.end() || found->second.type == xltype::Nil ? nullptr : &found->second;
}

// Only the cells the sheet holds are visited, as Excel's own COUNTA does.
std::size_t TestExcel::CountValues(const TestArea& area) const
{
    std::size_t count = 0;
    for (auto cell = m_sheet.lower_bound({area.row1, 0}); cell != m_sheet.end() && cell->first.first <= area.row2;
         ++cell) {
        const std::uint32_t column = cell->first.second;
        if (column >= area.column1 && column <= area.column2 && cell->second.type != xltype::Nil) {
            ++count;
        }
    }
    return count;
}

int TestExcel::Abort(XLOPER* result)
{
    if (result == nullptr) {
        return xlret::Failed;
    }
    result->xltype = xltype::Bool;
    result->val.xbool = 0;
    return xlret::Success;
}

int TestExcel::Free(const XLOPER& value)
{
    const void* key = nullptr;
    switch (value.xltype) {
    case xltype::Str:
        key = value.val.str;
        break;
    case xltype::Ref:
        key = value.val.mref.lpmref;
        break;
    case xltype::Multi:
        key = value.val.array.lparray;
        break;
    default:
        return xlret::Success; // nothing of Excel's in it
    }
    // Freeing what Excel never handed out (or twice) is the caller's fault.
    return m_owned.erase(key) == 1 ? xlret::Success : xlret::Failed;
}

int XLL_CALL TestExcel4v(int function, XLOPER* result, int count, XLOPER** arguments)
{
    TestExcel& excel = TestExcel::Instance();
    return excel.InsideXll() ? excel.Call(function, result, count, arguments) : xlret::Failed;
}

int XLL_CALL TestExcel12v(int function, int count, XLOPER12** arguments, XLOPER12* result)
{
    TestExcel& excel = TestExcel::Instance();
    return excel.OffersXloper12() && excel.InsideXll() ? excel.Call12(function, result, count, arguments)
                                                       : xlret::Failed;
}

int XLL_CALL TestXlCallVer()
{
    return TestExcel::Instance().Version();
}

int TestExcel4List(int function, XLOPER* result, int count, std::va_list list)
{
    std::vector<XLOPER*> arguments(count > 0 ? static_cast<std::size_t>(count) : 0);
    for (auto& argument : arguments) {
        argument = va_arg(list, XLOPER*);
    }
    return TestExcel4v(function, result, count, arguments.data());
}

int TestExcel4(int function, XLOPER* result, int count, ...)
{
    va_list list;
    va_start(list, count);
    const int code = TestExcel4List(function, result, count, list);
    va_end(list);
    return code;
}

std::string ErrorName(XlWord code)
{
    switch (code) {
    case xlerr::Null:
        return "#NULL!";
    case xlerr::Div0:
        return "#DIV/0!";
    case xlerr::Value:
        return "#VALUE!";
    case xlerr::Ref:
        return "#REF!";
    case xlerr::Name:
        return "#NAME?";
    case xlerr::Num:
        return "#NUM!";
    case xlerr::NA:
        return "#N/A";
    default:
        return "#ERR" + std::to_string(code);
    }
}

std::string FormatValue(const XLOPER& value)
{
    char number[32];
    switch (value.xltype & ~xltype::FreeLater) {
    case xltype::Num:
        std::snprintf(number, sizeof number, "%.17g", value.val.num);
        return number;
    case xltype::Int:
        return std::to_string(value.val.w);
    case xltype::Bool:
        return value.val.xbool ? "TRUE" : "FALSE";
    case xltype::Err:
        return ErrorName(value.val.err);
    case xltype::Str:
        return value.val.str == nullptr
                   ? std::string()
                   : Utf16ToUtf8(AnsiToUtf16(std::string(value.val.str + 1, static_cast<unsigned char>(value.val.str[0]))));
    case xltype::Nil:
    case xltype::Missing:
        return std::string();
    default:
        return "#KIND" + std::to_string(value.xltype);
    }
}
