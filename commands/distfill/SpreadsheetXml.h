#pragma once
#include <string>
#include <string_view>

// The clipboard's values once more as an XML Spreadsheet document (the
// format Excel registers as "XML Spreadsheet"), every value a cell of type
// Number written with a point, so that an Excel of any language pastes
// numbers where the text would be read by its own decimal separator. Built
// from the value text (tab-separated "%1.20g" values, a line feed after
// each line), one row a line.
std::string SpreadsheetXml(std::string_view valueText);
