#include "commands/distfill/SpreadsheetXml.h"

namespace {
constexpr char kHeader[] =
    "<?xml version=\"1.0\"?>\n"
    "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\""
    " xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">"
    "<Worksheet ss:Name=\"Sheet1\"><Table>";
constexpr char kFooter[] = "</Table></Worksheet></Workbook>\n";
constexpr char kCellStart[] = "<Cell><Data ss:Type=\"Number\">";
constexpr char kCellEnd[] = "</Data></Cell>";
} // namespace

std::string SpreadsheetXml(std::string_view valueText)
{
    std::string xml = kHeader;
    std::size_t start = 0;
    while (start < valueText.size()) {
        const std::size_t lineEnd = valueText.find('\n', start);
        const std::size_t end = lineEnd == std::string_view::npos ? valueText.size() : lineEnd;
        xml += "<Row>";
        for (std::size_t cell = start; cell <= end;) {
            const std::size_t tab = valueText.find('\t', cell);
            const std::size_t cellEnd = tab == std::string_view::npos || tab > end ? end : tab;
            xml += kCellStart;
            xml.append(valueText.substr(cell, cellEnd - cell));
            xml += kCellEnd;
            cell = cellEnd + 1;
        }
        xml += "</Row>";
        start = end + 1;
    }
    return xml + kFooter;
}
