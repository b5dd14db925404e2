#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The test Excel's workbook: sheets of cells, defined names and the
// reference texts Excel reads and writes. Portable, so its parsing and
// formatting are tested natively.
namespace xlhost {

constexpr std::uint32_t kRows = 1048576;
constexpr std::uint32_t kColumns = 16384;

enum class CellKind { Empty, Number, Text, Bool, Error };

// Excel's error values by number: 2000 #NULL!, 2007 #DIV/0!, 2015 #VALUE!,
// 2023 #REF!, 2029 #NAME?, 2036 #NUM!, 2042 #N/A.
struct CellValue {
    CellKind kind = CellKind::Empty;
    double number = 0.0; // the number, or 1/0 for a logical
    std::string text;    // UTF-8
    int error = 0;

    static CellValue Number(double number) { return {CellKind::Number, number, {}, 0}; }
    static CellValue Text(std::string text) { return {CellKind::Text, 0.0, std::move(text), 0}; }
    static CellValue Bool(bool flag) { return {CellKind::Bool, flag ? 1.0 : 0.0, {}, 0}; }
    static CellValue Error(int error) { return {CellKind::Error, 0.0, {}, error}; }
};

struct Cell {
    CellValue value;
    std::string format = "General";
    std::string formula; // the whole "=..." text of a formula cell
};

// A rectangle of cells, 1-based and inclusive.
struct Area {
    std::uint32_t row1 = 1, column1 = 1, row2 = 1, column2 = 1;
    std::uint32_t Rows() const { return row2 - row1 + 1; }
    std::uint32_t Columns() const { return column2 - column1 + 1; }
    std::uint64_t Cells() const { return std::uint64_t(Rows()) * Columns(); }
};

struct Sheet {
    std::string name;
    std::map<std::pair<std::uint32_t, std::uint32_t>, Cell> cells; // by (row, column)

    const Cell* Find(std::uint32_t row, std::uint32_t column) const;
    Cell& At(std::uint32_t row, std::uint32_t column) { return cells[{row, column}]; }
    // Stores a plain value, keeping the cell's format and dropping a formula.
    void Put(std::uint32_t row, std::uint32_t column, const CellValue& value);
};

struct Workbook {
    std::string name = "Book1";
    std::vector<std::shared_ptr<Sheet>> sheets;
    std::size_t active = 0;
    // Defined names by their upper-case spelling: (name as defined, value).
    std::map<std::string, std::pair<std::string, CellValue>> names;

    std::shared_ptr<Sheet> FindSheet(const std::string& name) const; // case-insensitive, as Excel
    std::shared_ptr<Sheet> Active() const { return sheets.at(active); }
    std::shared_ptr<Sheet> AddSheet(const std::string& name, std::size_t position);
    // "SheetN" with the least N above the sheet count that is not taken.
    std::string NextSheetName() const;
    void SetName(const std::string& name, const CellValue& value);
    const CellValue* FindName(const std::string& name) const;
};

struct RangeRef {
    std::shared_ptr<Sheet> sheet;
    std::vector<Area> areas;
};

// Worksheet.UsedRange: the smallest block holding every cell with a value
// or a formula; A1 on a sheet without one.
Area UsedArea(const Sheet& sheet);
// Application.Intersect of two references on one sheet: the overlap of each
// area of the first with each of the second, in that order; none when
// they do not meet.
std::vector<Area> IntersectAreas(const std::vector<Area>& first, const std::vector<Area>& second);

std::string Upper(const std::string& text);
std::string ColumnLetters(std::uint32_t column);
// One area without a sheet: A1, $A$1:$C$10, A:C, 3:5 (any case).
bool ParseArea(const std::string& text, Area& area);
// A reference as Excel's Range reads it: areas separated by commas, each
// optionally prefixed by Sheet! or 'Quoted ''Name''!'; all on one sheet;
// unprefixed areas are on the active sheet. False for text that is no
// reference or names a sheet that does not exist.
bool ParseRangeText(const std::string& text, const Workbook& book, RangeRef& range);
// Excel's A1 address of the areas, joined by ","; whole columns as $A:$C,
// whole rows as $1:$3.
std::string AddressText(const std::vector<Area>& areas, bool rowAbsolute, bool columnAbsolute);
// The R1C1 form of the same (absolute references only).
std::string AddressTextR1C1(const std::vector<Area>& areas);

// Splits text at commas that stand outside quote pairs (sheet names in
// references, texts in formulas).
std::vector<std::string> SplitOutsideQuotes(const std::string& text, char quote);

} // namespace xlhost
