// The test Excel's XLOPER12 interface, as Excel 2007 and later answer
// Excel12v: references on the whole grid, texts in UTF-16 of up to 32,767
// characters (Excel's documentation of the XLOPER12, "Data Types Used by
// Excel" and "xlCoerce").
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "tests/xlhost/TestExcel.h"
#include "xlw/XlfText.h"

namespace {
std::string TextOf(const XLOPER12& value)
{
    return value.val.str == nullptr ? std::string() : Utf16ToUtf8(std::u16string(value.val.str + 1, value.val.str[0]));
}

// A scalar XLOPER12 as a cell; references, arrays and the rest as none.
bool CellOf(const XLOPER12& value, TestCell& cell)
{
    cell.type = static_cast<XlWord>(value.xltype);
    switch (value.xltype) {
    case xltype::Num:
        cell.num = value.val.num;
        return true;
    case xltype::Int:
        cell.type = xltype::Num;
        cell.num = value.val.w;
        return true;
    case xltype::Bool:
        cell.flag = value.val.xbool != 0;
        return true;
    case xltype::Err:
        cell.err = static_cast<XlWord>(value.val.err);
        return true;
    case xltype::Str:
        cell.text = TextOf(value);
        return true;
    case xltype::Nil:
    case xltype::Missing:
        cell.type = xltype::Nil;
        return true;
    default:
        return false;
    }
}

bool ParseNumber(const std::string& text, double& value)
{
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size();
}

int ToNumber(const TestCell& cell, double& value)
{
    switch (cell.type) {
    case xltype::Num:
        value = cell.num;
        return xlret::Success;
    case xltype::Bool:
        value = cell.flag ? 1.0 : 0.0;
        return xlret::Success;
    case xltype::Nil:
        value = 0.0;
        return xlret::Success;
    case xltype::Str:
        return ParseNumber(cell.text, value) ? xlret::Success : xlret::Failed;
    default:
        return xlret::Failed;
    }
}

int ToBool(const TestCell& cell, bool& value)
{
    if (cell.type == xltype::Str
        && (strcasecmp(cell.text.c_str(), "TRUE") == 0 || strcasecmp(cell.text.c_str(), "FALSE") == 0)) {
        value = strcasecmp(cell.text.c_str(), "TRUE") == 0;
        return xlret::Success;
    }
    double number = 0.0;
    const int code = ToNumber(cell, number);
    value = number != 0.0;
    return code;
}

int ToText(const TestCell& cell, std::string& text)
{
    char buffer[32];
    switch (cell.type) {
    case xltype::Str:
        text = cell.text;
        return xlret::Success;
    case xltype::Num:
        std::snprintf(buffer, sizeof buffer, "%.15g", cell.num);
        text = buffer;
        return xlret::Success;
    case xltype::Bool:
        text = cell.flag ? "TRUE" : "FALSE";
        return xlret::Success;
    case xltype::Nil:
        text.clear();
        return xlret::Success;
    default:
        return xlret::Failed;
    }
}

TestArea AreaOf(const XLREF12& ref)
{
    return TestArea{static_cast<std::uint32_t>(ref.rwFirst), static_cast<std::uint32_t>(ref.rwLast),
                    static_cast<std::uint32_t>(ref.colFirst), static_cast<std::uint32_t>(ref.colLast)};
}

bool OnGrid(const XLREF12& ref)
{
    return ref.rwFirst >= 0 && ref.colFirst >= 0 && ref.rwFirst <= ref.rwLast && ref.colFirst <= ref.colLast
           && static_cast<std::uint32_t>(ref.rwLast) < kGridRows && static_cast<std::uint32_t>(ref.colLast) < kGridColumns;
}

XLREF12 ToXlref12(const TestArea& area)
{
    return XLREF12{static_cast<std::int32_t>(area.row1), static_cast<std::int32_t>(area.row2),
                   static_cast<std::int32_t>(area.column1), static_cast<std::int32_t>(area.column2)};
}
} // namespace

XlChar* TestExcel::OwnedText12(const std::string& text, std::vector<std::unique_ptr<char[]>>& parts)
{
    std::u16string wide = Utf8ToUtf16(text);
    if (wide.size() > kMaxText12Length) {
        wide.resize(kMaxText12Length);
    }
    XlChar* counted = Allocate<XlChar>(wide.size() + 2, parts);
    counted[0] = static_cast<XlChar>(wide.size());
    std::memcpy(counted + 1, wide.data(), wide.size() * sizeof(XlChar));
    return counted;
}

XLOPER12 TestExcel::Reference12(const TestArea& area)
{
    XLMREF12* list = Allocate<XLMREF12>(1, m_hostOwned);
    list->count = 1;
    list->reftbl[0] = ToXlref12(area);
    XLOPER12 value{};
    value.xltype = xltype::Ref;
    value.val.mref.lpmref = list;
    value.val.mref.idSheet = kSheetId;
    return value;
}

int TestExcel::Call12(int function, XLOPER12* result, int count, XLOPER12** arguments)
{
    const auto forced = m_forced.find(function);
    if (forced != m_forced.end()) {
        return forced->second;
    }
    switch (static_cast<XlFunction>(function)) {
    case XlFunction::Register:
        return Register12(count, arguments);
    case XlFunction::Caller:
        if (result == nullptr || count != 0) {
            return xlret::InvCount;
        }
        return Caller12(*result);
    case XlFunction::GetName: {
        if (result == nullptr) {
            return xlret::Failed;
        }
        std::vector<std::unique_ptr<char[]>> parts;
        result->xltype = xltype::Str;
        result->val.str = OwnedText12(m_dllName, parts);
        m_owned[result->val.str] = std::move(parts);
        return xlret::Success;
    }
    case XlFunction::GetHwnd:
        if (result == nullptr) {
            return xlret::Failed;
        }
        result->xltype = xltype::Int;
        result->val.w = m_windowWord;
        return xlret::Success;
    case XlFunction::Abort:
        if (result == nullptr) {
            return xlret::Failed;
        }
        result->xltype = xltype::Bool;
        result->val.xbool = 0; // Esc is a key press, which this Excel does not watch
        return xlret::Success;
    case XlFunction::Coerce:
        ++m_coerceCalls;
        if (result == nullptr || count != 2 || arguments[1]->xltype != xltype::Int) {
            return xlret::InvXloper;
        }
        return Coerce12(*arguments[0], static_cast<XlWord>(arguments[1]->val.w), *result);
    case XlFunction::Counta: {
        if (result == nullptr) {
            return xlret::Failed;
        }
        double total = 0.0;
        for (int i = 0; i < count; ++i) {
            const XLOPER12& value = *arguments[i];
            if (value.xltype == xltype::SRef) {
                total += static_cast<double>(CountValues(AreaOf(value.val.sref.ref)));
            } else if (value.xltype == xltype::Ref && value.val.mref.lpmref != nullptr) {
                for (XlWord a = 0; a < value.val.mref.lpmref->count; ++a) {
                    total += static_cast<double>(CountValues(AreaOf(value.val.mref.lpmref->reftbl[a])));
                }
            } else if (value.xltype != xltype::Nil && value.xltype != xltype::Missing) {
                total += 1.0;
            }
        }
        result->xltype = xltype::Num;
        result->val.num = total;
        return xlret::Success;
    }
    case XlFunction::Free: {
        ++m_freeCalls;
        for (int i = 0; i < count; ++i) {
            const XLOPER12& value = *arguments[i];
            const void* key = value.xltype == xltype::Str     ? static_cast<const void*>(value.val.str)
                              : value.xltype == xltype::Ref   ? static_cast<const void*>(value.val.mref.lpmref)
                              : value.xltype == xltype::Multi ? static_cast<const void*>(value.val.array.lparray)
                                                              : nullptr;
            if (key != nullptr && m_owned.erase(key) != 1) {
                return xlret::Failed; // freeing what Excel never handed out
            }
        }
        return xlret::Success;
    }
    default:
        return xlret::InvXlfn;
    }
}

int TestExcel::Register12(int count, XLOPER12** arguments)
{
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) {
        const XLOPER12& value = *arguments[i];
        if (value.xltype != xltype::Str && value.xltype != xltype::Num) {
            return xlret::InvXloper;
        }
        texts.push_back(FormatValue(value));
    }
    m_registrations.push_back(texts);
    return count >= 10 ? xlret::Success : xlret::InvCount;
}

int TestExcel::Caller12(XLOPER12& result) const
{
    if (!m_hasCaller) {
        result.xltype = xltype::Err;
        result.val.err = xlerr::Ref;
        return xlret::Success;
    }
    result.xltype = xltype::SRef;
    result.val.sref.count = 1;
    result.val.sref.ref = ToXlref12(m_caller);
    return xlret::Success;
}

XLOPER12 TestExcel::CellValue12(std::uint32_t row, std::uint32_t column, std::vector<std::unique_ptr<char[]>>& parts)
{
    const TestCell* cell = FindCell(row, column);
    return Value12(cell != nullptr ? *cell : TestCell(), parts);
}

XLOPER12 TestExcel::Value12(const TestCell& cell, std::vector<std::unique_ptr<char[]>>& parts)
{
    XLOPER12 value{};
    value.xltype = cell.type;
    switch (cell.type) {
    case xltype::Num:
        value.val.num = cell.num;
        break;
    case xltype::Bool:
        value.val.xbool = cell.flag ? 1 : 0;
        break;
    case xltype::Err:
        value.val.err = cell.err;
        break;
    case xltype::Str:
        value.val.str = OwnedText12(cell.text, parts);
        break;
    default:
        value.xltype = xltype::Nil;
        break;
    }
    return value;
}

int TestExcel::CoerceScalar12(const TestCell& source, XlWord target, XLOPER12& result)
{
    int code = xlret::Failed;
    std::vector<std::unique_ptr<char[]>> parts;
    switch (target) {
    case xltype::Num: {
        double value = 0.0;
        code = ToNumber(source, value);
        result.xltype = xltype::Num;
        result.val.num = value;
        break;
    }
    case xltype::Bool: {
        bool value = false;
        code = ToBool(source, value);
        result.xltype = xltype::Bool;
        result.val.xbool = value ? 1 : 0;
        break;
    }
    case xltype::Str: {
        std::string text;
        code = ToText(source, text);
        if (code == xlret::Success) {
            result.xltype = xltype::Str;
            result.val.str = OwnedText12(text, parts);
            m_owned[result.val.str] = std::move(parts);
        }
        break;
    }
    case xltype::Multi: {
        XLOPER12* cell = Allocate<XLOPER12>(1, parts);
        *cell = Value12(source, parts);
        result.xltype = xltype::Multi;
        result.val.array.lparray = cell;
        result.val.array.rows = 1;
        result.val.array.columns = 1;
        m_owned[cell] = std::move(parts);
        code = xlret::Success;
        break;
    }
    default:
        break;
    }
    if (code != xlret::Success) {
        result.xltype = xltype::Nil;
    }
    return code;
}

int TestExcel::CoerceReference12(const TestArea& area, XlWord target, XLOPER12& result)
{
    if (target == xltype::Ref) {
        std::vector<std::unique_ptr<char[]>> parts;
        XLMREF12* list = Allocate<XLMREF12>(1, parts);
        list->count = 1;
        list->reftbl[0] = ToXlref12(area);
        result.xltype = xltype::Ref;
        result.val.mref.lpmref = list;
        result.val.mref.idSheet = kSheetId;
        m_owned[list] = std::move(parts);
        return xlret::Success;
    }
    if (target != xltype::Multi) {
        // A scalar from a reference: its top left cell.
        const TestCell* cell = FindCell(area.row1, area.column1);
        return CoerceScalar12(cell != nullptr ? *cell : TestCell(), target, result);
    }
    // Every cell of the reference, empty ones as xltypeNil: a whole column
    // is a million rows.
    const std::uint32_t rows = area.row2 - area.row1 + 1;
    const std::uint32_t columns = area.column2 - area.column1 + 1;
    std::vector<std::unique_ptr<char[]>> parts;
    XLOPER12* cells = Allocate<XLOPER12>(static_cast<std::size_t>(rows) * columns, parts);
    for (std::uint32_t r = 0; r < rows; ++r) {
        for (std::uint32_t c = 0; c < columns; ++c) {
            cells[static_cast<std::size_t>(r) * columns + c] = CellValue12(area.row1 + r, area.column1 + c, parts);
        }
    }
    result.xltype = xltype::Multi;
    result.val.array.lparray = cells;
    result.val.array.rows = static_cast<std::int32_t>(rows);
    result.val.array.columns = static_cast<std::int32_t>(columns);
    m_owned[cells] = std::move(parts);
    return xlret::Success;
}

int TestExcel::Coerce12(const XLOPER12& source, XlWord target, XLOPER12& result)
{
    switch (source.xltype) {
    case xltype::SRef:
        return OnGrid(source.val.sref.ref) ? CoerceReference12(AreaOf(source.val.sref.ref), target, result)
                                           : xlret::InvXloper;
    case xltype::Ref:
        if (source.val.mref.lpmref == nullptr || source.val.mref.lpmref->count == 0
            || !OnGrid(source.val.mref.lpmref->reftbl[0])) {
            return xlret::InvXloper;
        }
        return CoerceReference12(AreaOf(source.val.mref.lpmref->reftbl[0]), target, result);
    case xltype::Multi: {
        if (source.val.array.rows <= 0 || source.val.array.columns <= 0) {
            return xlret::Failed;
        }
        if (target != xltype::Multi) {
            TestCell first;
            return CellOf(source.val.array.lparray[0], first) ? CoerceScalar12(first, target, result) : xlret::Failed;
        }
        const std::size_t cells = static_cast<std::size_t>(source.val.array.rows) * source.val.array.columns;
        std::vector<std::unique_ptr<char[]>> parts;
        XLOPER12* copy = Allocate<XLOPER12>(cells, parts);
        for (std::size_t i = 0; i < cells; ++i) {
            copy[i] = source.val.array.lparray[i];
            if (copy[i].xltype == xltype::Str) {
                copy[i].val.str = OwnedText12(TextOf(copy[i]), parts);
            }
        }
        result = source;
        result.val.array.lparray = copy;
        m_owned[copy] = std::move(parts);
        return xlret::Success;
    }
    default: {
        TestCell cell;
        if (target == xltype::Ref || !CellOf(source, cell)) {
            return xlret::Failed;
        }
        return CoerceScalar12(cell, target, result);
    }
    }
}

std::string FormatValue(const XLOPER12& value)
{
    char number[32];
    switch (value.xltype & ~static_cast<std::uint32_t>(xltype::FreeLater)) {
    case xltype::Num:
        std::snprintf(number, sizeof number, "%.17g", value.val.num);
        return number;
    case xltype::Int:
        return std::to_string(value.val.w);
    case xltype::Bool:
        return value.val.xbool ? "TRUE" : "FALSE";
    case xltype::Err:
        return ErrorName(static_cast<XlWord>(value.val.err));
    case xltype::Str:
        return TextOf(value);
    case xltype::Nil:
    case xltype::Missing:
        return std::string();
    default:
        return "#KIND" + std::to_string(value.xltype);
    }
}
