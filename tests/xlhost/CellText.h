#pragma once
#include <string>
#include <vector>

#include "tests/xlhost/SheetModel.h"

// Cell values as texts: read from CSV fields, printed by the host's dumps
// and displayed through number formats as Range.Text shows them.
namespace xlhost {

// "#N/A" for 2042 and so on; "#ERR<n>" for numbers Excel has no name for.
std::string ErrorText(int error);
bool ErrorFromText(const std::string& text, int& error);

// A CSV field or a value word: "" is empty, numbers in plain decimal or
// exponent notation, TRUE/FALSE, error names; anything else is text. A
// leading apostrophe makes the rest a text, as typing it in Excel does.
CellValue ParseCellText(const std::string& field);

// What typing a text into a cell stores; Excel reads a text written through
// Range.Value the same way (Microsoft Support: "Stop automatically changing
// numbers to dates", "Format numbers as text"). A leading apostrophe keeps
// the rest as text; "=" starts a formula, whose value here is the rest's
// number, logical or error, else #NAME?; numbers ("00123", "3.50"),
// TRUE/FALSE in any case and error names become values; dates m-d or m/d
// (in currentYear), m-d-y or m/d/y and y-m-d become serial days.
struct TypedEntry {
    CellValue value;
    std::string formula;
    bool isDate = false;
};
TypedEntry ReadTyped(const std::string& text, int currentYear);

// The stored value: numbers as %.17g, TRUE/FALSE, error names, texts.
std::string ValueText(const CellValue& value);

// The formats the test Excel knows: General, 0.00, $#,##0.00, yyyy-mm-dd.
bool IsKnownFormat(const std::string& format);
// The text Excel displays for the value in that format.
std::string DisplayText(const CellValue& value, const std::string& format);

// One CSV line: fields split at commas, "quoted" fields with "" for a
// quote. Throws std::runtime_error for a quote left open.
std::vector<std::string> ParseCsvLine(const std::string& line);

} // namespace xlhost
