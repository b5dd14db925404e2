#include "tests/xlhost/SheetModel.h"

#include <algorithm>
#include <cctype>

namespace xlhost {

const Cell* Sheet::Find(std::uint32_t row, std::uint32_t column) const
{
    const auto found = cells.find({row, column});
    return found == cells.end() ? nullptr : &found->second;
}

void Sheet::Put(std::uint32_t row, std::uint32_t column, const CellValue& value)
{
    Cell& cell = At(row, column);
    cell.value = value;
    cell.formula.clear();
}

std::string Upper(const std::string& text)
{
    std::string upper = text;
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper;
}

std::shared_ptr<Sheet> Workbook::FindSheet(const std::string& name) const
{
    for (const auto& sheet : sheets) {
        if (Upper(sheet->name) == Upper(name)) {
            return sheet;
        }
    }
    return nullptr;
}

std::shared_ptr<Sheet> Workbook::AddSheet(const std::string& name, std::size_t position)
{
    auto sheet = std::make_shared<Sheet>();
    sheet->name = name;
    sheets.insert(sheets.begin() + static_cast<std::ptrdiff_t>(position), sheet);
    active = position;
    return sheet;
}

std::string Workbook::NextSheetName() const
{
    for (std::size_t n = sheets.size() + 1;; ++n) {
        const std::string name = "Sheet" + std::to_string(n);
        if (!FindSheet(name)) {
            return name;
        }
    }
}

void Workbook::SetName(const std::string& name, const CellValue& value)
{
    const auto found = names.find(Upper(name));
    const std::string spelling = found == names.end() ? name : found->second.first;
    names[Upper(name)] = {spelling, value};
}

const CellValue* Workbook::FindName(const std::string& name) const
{
    const auto found = names.find(Upper(name));
    return found == names.end() ? nullptr : &found->second.second;
}

std::string ColumnLetters(std::uint32_t column)
{
    std::string letters;
    for (; column > 0; column = (column - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (column - 1) % 26));
    }
    return letters;
}

namespace {
// [$]letters, returning the column; at is advanced past what was read.
bool ReadColumn(const std::string& text, std::size_t& at, std::uint32_t& column)
{
    std::size_t i = at + (at < text.size() && text[at] == '$' ? 1 : 0);
    column = 0;
    std::size_t letters = 0;
    for (; i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])) && letters < 3; ++i, ++letters) {
        column = column * 26 + static_cast<std::uint32_t>(std::toupper(static_cast<unsigned char>(text[i])) - 'A' + 1);
    }
    if (letters == 0 || column > kColumns) {
        return false;
    }
    at = i;
    return true;
}

bool ReadRow(const std::string& text, std::size_t& at, std::uint32_t& row)
{
    std::size_t i = at + (at < text.size() && text[at] == '$' ? 1 : 0);
    std::uint64_t value = 0;
    std::size_t digits = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && digits < 8; ++i, ++digits) {
        value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
    }
    if (digits == 0 || value < 1 || value > kRows) {
        return false;
    }
    row = static_cast<std::uint32_t>(value);
    at = i;
    return true;
}

enum class EndKind { Cell, Column, Row };

bool ReadEnd(const std::string& text, std::size_t& at, std::uint32_t& row, std::uint32_t& column, EndKind& kind)
{
    std::size_t i = at;
    if (ReadColumn(text, i, column)) {
        kind = ReadRow(text, i, row) ? EndKind::Cell : EndKind::Column;
    } else if (ReadRow(text, i, row)) {
        kind = EndKind::Row;
    } else {
        return false;
    }
    at = i;
    return true;
}

// The sheet prefix of one area (without the "!"), or empty; false when the
// prefix is malformed.
bool SplitSheet(const std::string& text, std::string& sheet, std::string& rest)
{
    if (!text.empty() && text[0] == '\'') {
        std::size_t i = 1;
        sheet.clear();
        for (; i < text.size(); ++i) {
            if (text[i] == '\'') {
                if (i + 1 < text.size() && text[i + 1] == '\'') {
                    sheet += '\'';
                    ++i;
                    continue;
                }
                break;
            }
            sheet += text[i];
        }
        if (i + 1 >= text.size() || text[i + 1] != '!' || sheet.empty()) {
            return false;
        }
        rest = text.substr(i + 2);
        return true;
    }
    const std::size_t bang = text.find('!');
    sheet = bang == std::string::npos ? std::string() : text.substr(0, bang);
    rest = bang == std::string::npos ? text : text.substr(bang + 1);
    // Unquoted, a sheet name holds only letters, digits, "_" and ".".
    for (char c : sheet) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '.' && static_cast<unsigned char>(c) < 0x80) {
            return false;
        }
    }
    return bang == std::string::npos || !sheet.empty();
}

std::string Corner(std::uint32_t row, std::uint32_t column, bool rowAbsolute, bool columnAbsolute)
{
    return (columnAbsolute ? "$" : "") + ColumnLetters(column) + (rowAbsolute ? "$" : "") + std::to_string(row);
}
} // namespace

bool ParseArea(const std::string& text, Area& area)
{
    std::size_t at = 0;
    std::uint32_t row1 = 0, column1 = 0, row2 = 0, column2 = 0;
    EndKind first{}, second{};
    if (!ReadEnd(text, at, row1, column1, first)) {
        return false;
    }
    if (at == text.size()) {
        if (first != EndKind::Cell) {
            return false;
        }
        area = Area{row1, column1, row1, column1};
        return true;
    }
    if (text[at] != ':') {
        return false;
    }
    ++at;
    if (!ReadEnd(text, at, row2, column2, second) || at != text.size() || first != second) {
        return false;
    }
    if (first == EndKind::Column) {
        row1 = 1;
        row2 = kRows;
    } else if (first == EndKind::Row) {
        column1 = 1;
        column2 = kColumns;
    }
    area = Area{std::min(row1, row2), std::min(column1, column2), std::max(row1, row2), std::max(column1, column2)};
    return true;
}

bool ParseRangeText(const std::string& text, const Workbook& book, RangeRef& range)
{
    if (book.sheets.empty()) {
        return false;
    }
    RangeRef parsed;
    for (const std::string& part : SplitOutsideQuotes(text, '\'')) {
        std::string sheetName, rest;
        Area area;
        if (!SplitSheet(part, sheetName, rest) || !ParseArea(rest, area)) {
            return false;
        }
        const auto sheet = sheetName.empty() ? book.Active() : book.FindSheet(sheetName);
        if (!sheet || (parsed.sheet && parsed.sheet != sheet)) {
            return false;
        }
        parsed.sheet = sheet;
        parsed.areas.push_back(area);
    }
    range = parsed;
    return true;
}

std::string AddressText(const std::vector<Area>& areas, bool rowAbsolute, bool columnAbsolute)
{
    std::string text;
    for (const Area& area : areas) {
        if (!text.empty()) {
            text += ',';
        }
        const std::string rowMark = rowAbsolute ? "$" : "", columnMark = columnAbsolute ? "$" : "";
        if (area.column1 == 1 && area.column2 == kColumns) {
            text += rowMark + std::to_string(area.row1) + ":" + rowMark + std::to_string(area.row2);
        } else if (area.row1 == 1 && area.row2 == kRows) {
            text += columnMark + ColumnLetters(area.column1) + ":" + columnMark + ColumnLetters(area.column2);
        } else {
            text += Corner(area.row1, area.column1, rowAbsolute, columnAbsolute);
            if (area.Cells() > 1) {
                text += ":" + Corner(area.row2, area.column2, rowAbsolute, columnAbsolute);
            }
        }
    }
    return text;
}

std::string AddressTextR1C1(const std::vector<Area>& areas)
{
    std::string text;
    for (const Area& area : areas) {
        if (!text.empty()) {
            text += ',';
        }
        text += "R" + std::to_string(area.row1) + "C" + std::to_string(area.column1);
        if (area.Cells() > 1) {
            text += ":R" + std::to_string(area.row2) + "C" + std::to_string(area.column2);
        }
    }
    return text;
}

std::vector<std::string> SplitOutsideQuotes(const std::string& text, char quote)
{
    std::vector<std::string> parts(1);
    bool quoted = false;
    for (char c : text) {
        if (c == quote) {
            quoted = !quoted;
        }
        if (c == ',' && !quoted) {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

Area UsedArea(const Sheet& sheet)
{
    bool any = false;
    Area used;
    for (const auto& entry : sheet.cells) {
        const Cell& cell = entry.second;
        if (cell.value.kind == CellKind::Empty && cell.formula.empty()) {
            continue;
        }
        const std::uint32_t row = entry.first.first;
        const std::uint32_t column = entry.first.second;
        used = any ? Area{std::min(used.row1, row), std::min(used.column1, column), std::max(used.row2, row),
                          std::max(used.column2, column)}
                   : Area{row, column, row, column};
        any = true;
    }
    return used;
}

std::vector<Area> IntersectAreas(const std::vector<Area>& first, const std::vector<Area>& second)
{
    std::vector<Area> overlaps;
    for (const Area& a : first) {
        for (const Area& b : second) {
            const Area overlap{std::max(a.row1, b.row1), std::max(a.column1, b.column1), std::min(a.row2, b.row2),
                               std::min(a.column2, b.column2)};
            if (overlap.row1 <= overlap.row2 && overlap.column1 <= overlap.column2) {
                overlaps.push_back(overlap);
            }
        }
    }
    return overlaps;
}

} // namespace xlhost
