#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "tests/xlhost/TestExcel.h"

namespace {
bool ParseNumber(const std::string& text, double& value)
{
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size();
}

std::string TextOf(const XLOPER& value)
{
    return value.val.str == nullptr ? std::string()
                                    : std::string(value.val.str + 1, static_cast<unsigned char>(value.val.str[0]));
}

int ToNumber(const XLOPER& source, double& value)
{
    switch (source.xltype) {
    case xltype::Num:
        value = source.val.num;
        return xlret::Success;
    case xltype::Int:
        value = source.val.w;
        return xlret::Success;
    case xltype::Bool:
        value = source.val.xbool ? 1.0 : 0.0;
        return xlret::Success;
    case xltype::Nil:
        value = 0.0;
        return xlret::Success;
    case xltype::Str:
        return ParseNumber(TextOf(source), value) ? xlret::Success : xlret::Failed;
    default:
        return xlret::Failed;
    }
}

int ToBool(const XLOPER& source, bool& value)
{
    double number = 0.0;
    if (source.xltype == xltype::Str) {
        const std::string text = TextOf(source);
        if (strcasecmp(text.c_str(), "TRUE") == 0 || strcasecmp(text.c_str(), "FALSE") == 0) {
            value = strcasecmp(text.c_str(), "TRUE") == 0;
            return xlret::Success;
        }
    }
    const int code = ToNumber(source, number);
    value = number != 0.0;
    return code;
}

int ToText(const XLOPER& source, std::string& text)
{
    char buffer[32];
    switch (source.xltype) {
    case xltype::Str:
        text = TextOf(source);
        return xlret::Success;
    case xltype::Num:
        std::snprintf(buffer, sizeof buffer, "%.15g", source.val.num);
        text = buffer;
        return xlret::Success;
    case xltype::Int:
        text = std::to_string(source.val.w);
        return xlret::Success;
    case xltype::Bool:
        text = source.val.xbool ? "TRUE" : "FALSE";
        return xlret::Success;
    case xltype::Nil:
        text.clear();
        return xlret::Success;
    default:
        return xlret::Failed;
    }
}
} // namespace

XLOPER TestExcel::CellValue(std::uint32_t row, std::uint32_t column)
{
    XLOPER value{};
    value.xltype = xltype::Nil;
    const auto found = m_sheet.find({row, column});
    if (found == m_sheet.end()) {
        return value;
    }
    const TestCell& cell = found->second;
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
        value.val.str = OwnedText(cell.text, m_hostOwned);
        break;
    default:
        value.xltype = xltype::Nil;
        break;
    }
    return value;
}

int TestExcel::CoerceScalar(const XLOPER& source, XlWord target, XLOPER& result)
{
    int code = xlret::Failed;
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
            std::vector<std::unique_ptr<char[]>> parts;
            result.xltype = xltype::Str;
            result.val.str = OwnedAnsi(text, parts);
            m_owned[result.val.str] = std::move(parts);
        }
        break;
    }
    case xltype::Multi: {
        std::vector<std::unique_ptr<char[]>> parts;
        XLOPER* cell = Allocate<XLOPER>(1, parts);
        *cell = source;
        if (source.xltype == xltype::Str) {
            cell->val.str = OwnedAnsi(TextOf(source), parts);
        }
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

int TestExcel::CoerceReference(const TestArea& area, XlWord target, XLOPER& result)
{
    if (area.row2 > 0xFFFF || area.column2 > 0xFF) {
        return xlret::Failed; // no XLOPER reaches beyond the old grid
    }
    const XLREF rectangle{static_cast<XlWord>(area.row1), static_cast<XlWord>(area.row2),
                          static_cast<std::uint8_t>(area.column1), static_cast<std::uint8_t>(area.column2)};
    if (target == xltype::Ref) {
        std::vector<std::unique_ptr<char[]>> parts;
        XLMREF* list = Allocate<XLMREF>(1, parts);
        list->count = 1;
        list->reftbl[0] = rectangle;
        result.xltype = xltype::Ref;
        result.val.mref.lpmref = list;
        result.val.mref.idSheet = kSheetId;
        m_owned[list] = std::move(parts);
        return xlret::Success;
    }
    if (target != xltype::Multi) {
        // A scalar from a reference: its top left cell.
        return CoerceScalar(CellValue(rectangle.rwFirst, rectangle.colFirst), target, result);
    }
    const std::uint32_t rows = static_cast<std::uint32_t>(rectangle.rwLast) - rectangle.rwFirst + 1;
    const std::uint32_t columns = static_cast<std::uint32_t>(rectangle.colLast) - rectangle.colFirst + 1;
    if (rectangle.rwLast < rectangle.rwFirst || rectangle.colLast < rectangle.colFirst || rows > kMaxArrayCount) {
        return xlret::Failed;
    }
    std::vector<std::unique_ptr<char[]>> parts;
    XLOPER* cells = Allocate<XLOPER>(static_cast<std::size_t>(rows) * columns, parts);
    for (std::uint32_t r = 0; r < rows; ++r) {
        for (std::uint32_t c = 0; c < columns; ++c) {
            XLOPER value = CellValue(rectangle.rwFirst + r, rectangle.colFirst + c);
            if (value.xltype == xltype::Str) {
                value.val.str = OwnedAnsi(TextOf(value), parts);
            }
            cells[static_cast<std::size_t>(r) * columns + c] = value;
        }
    }
    result.xltype = xltype::Multi;
    result.val.array.lparray = cells;
    result.val.array.rows = static_cast<XlWord>(rows);
    result.val.array.columns = static_cast<XlWord>(columns);
    m_owned[cells] = std::move(parts);
    return xlret::Success;
}

int TestExcel::Coerce(const XLOPER& source, XlWord target, XLOPER& result)
{
    switch (source.xltype) {
    case xltype::SRef: {
        const XLREF& r = source.val.sref.ref;
        return CoerceReference(TestArea{r.rwFirst, r.rwLast, r.colFirst, r.colLast}, target, result);
    }
    case xltype::Ref: {
        if (source.val.mref.lpmref == nullptr || source.val.mref.lpmref->count == 0) {
            return xlret::InvXloper;
        }
        const XLREF& r = source.val.mref.lpmref->reftbl[0];
        return CoerceReference(TestArea{r.rwFirst, r.rwLast, r.colFirst, r.colLast}, target, result);
    }
    case xltype::Multi: {
        if (target != xltype::Multi) {
            return source.val.array.rows == 0 ? xlret::Failed : CoerceScalar(source.val.array.lparray[0], target, result);
        }
        const std::size_t cells = static_cast<std::size_t>(source.val.array.rows) * source.val.array.columns;
        std::vector<std::unique_ptr<char[]>> parts;
        XLOPER* copy = Allocate<XLOPER>(cells, parts);
        for (std::size_t i = 0; i < cells; ++i) {
            copy[i] = source.val.array.lparray[i];
            if (copy[i].xltype == xltype::Str) {
                copy[i].val.str = OwnedAnsi(TextOf(copy[i]), parts);
            }
        }
        result = source;
        result.val.array.lparray = copy;
        m_owned[copy] = std::move(parts);
        return xlret::Success;
    }
    default:
        return target == xltype::Ref ? xlret::Failed : CoerceScalar(source, target, result);
    }
}
