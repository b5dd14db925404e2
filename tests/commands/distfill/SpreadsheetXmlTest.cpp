// The values of the clipboard as an XML Spreadsheet document: one Row a
// line, one Number cell a value, the values' texts unchanged.
#include <gtest/gtest.h>

#include "commands/distfill/SpreadsheetXml.h"

namespace {
const std::string kHeader = "<?xml version=\"1.0\"?>\n"
                            "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\""
                            " xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">"
                            "<Worksheet ss:Name=\"Sheet1\"><Table>";
const std::string kFooter = "</Table></Worksheet></Workbook>\n";
} // namespace

TEST(SpreadsheetXml, EveryLineARowAndEveryValueANumberCell)
{
    EXPECT_EQ(SpreadsheetXml("0.5\t-2.5e-07\n3\t1e+300\n"),
              kHeader
                  + "<Row><Cell><Data ss:Type=\"Number\">0.5</Data></Cell>"
                    "<Cell><Data ss:Type=\"Number\">-2.5e-07</Data></Cell></Row>"
                    "<Row><Cell><Data ss:Type=\"Number\">3</Data></Cell>"
                    "<Cell><Data ss:Type=\"Number\">1e+300</Data></Cell></Row>"
                  + kFooter);
    EXPECT_EQ(SpreadsheetXml("7\n"), kHeader + "<Row><Cell><Data ss:Type=\"Number\">7</Data></Cell></Row>" + kFooter);
    EXPECT_EQ(SpreadsheetXml(""), kHeader + kFooter) << "no values, no rows";
}
