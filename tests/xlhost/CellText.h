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
// exponent notation, TRUE/FALSE, error names; anything else is text.
CellValue ParseCellText(const std::string& field);

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
