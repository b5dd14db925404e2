#include <gtest/gtest.h>

#include "tests/xlhost/SheetModel.h"

namespace {
using xlhost::Area;
using xlhost::RangeRef;

xlhost::Workbook TwoSheets()
{
    xlhost::Workbook book;
    book.AddSheet("Sheet1", 0);
    book.AddSheet("My 'Data'", 1);
    book.active = 0;
    return book;
}

TEST(ReferenceText, ReadsCellsRangesAndWholeLines)
{
    Area area;
    ASSERT_TRUE(xlhost::ParseArea("A1", area));
    EXPECT_EQ(1u, area.row1);
    EXPECT_EQ(1u, area.column2);
    ASSERT_TRUE(xlhost::ParseArea("$c$10:$a$1", area)); // reversed corners and lower case, as Excel takes them
    EXPECT_EQ(1u, area.row1);
    EXPECT_EQ(1u, area.column1);
    EXPECT_EQ(10u, area.row2);
    EXPECT_EQ(3u, area.column2);
    ASSERT_TRUE(xlhost::ParseArea("XFD1048576", area));
    EXPECT_EQ(16384u, area.column1);
    EXPECT_EQ(1048576u, area.row1);
    ASSERT_TRUE(xlhost::ParseArea("B:D", area));
    EXPECT_EQ(1048576u, area.row2);
    ASSERT_TRUE(xlhost::ParseArea("$3:$5", area));
    EXPECT_EQ(16384u, area.column2);
    EXPECT_EQ(5u, area.row2);
}

TEST(ReferenceText, RefusesWhatIsNoReference)
{
    Area area;
    for (const char* text : {"", "A", "1", "A0", "XFE1", "A1048577", "A1:", "A1:B", "1:B", "Sheet1", "A1 ", " A1",
                             "A$", "$", "R1C1", "A1:B2:C3", "AAAA1"}) {
        EXPECT_FALSE(xlhost::ParseArea(text, area)) << text;
    }
}

TEST(ReferenceText, ResolvesSheetsAndAreas)
{
    const xlhost::Workbook book = TwoSheets();
    RangeRef range;
    ASSERT_TRUE(xlhost::ParseRangeText("'My ''Data'''!B2:D4,'my ''data'''!A1", book, range));
    EXPECT_EQ("My 'Data'", range.sheet->name);
    ASSERT_EQ(2u, range.areas.size());
    EXPECT_EQ(4u, range.areas[0].column2);
    ASSERT_TRUE(xlhost::ParseRangeText("sheet1!A1", book, range)); // sheet names ignore case
    EXPECT_EQ("Sheet1", range.sheet->name);
    EXPECT_FALSE(xlhost::ParseRangeText("Sheet3!A1", book, range));
    EXPECT_FALSE(xlhost::ParseRangeText("'My ''Data'''!A1,Sheet1!B2", book, range)); // areas on two sheets
    EXPECT_FALSE(xlhost::ParseRangeText("'My ''Data'''!A1,B2", book, range)); // B2 is on the active sheet
    EXPECT_FALSE(xlhost::ParseRangeText("My 'Data'!A1", book, range));
    EXPECT_FALSE(xlhost::ParseRangeText("A1,", book, range));
    EXPECT_FALSE(xlhost::ParseRangeText("!A1", book, range));
    EXPECT_FALSE(xlhost::ParseRangeText("A1", xlhost::Workbook{}, range)); // no sheet at all
}

TEST(AddressText, WritesExcelsAbsoluteAndRelativeForms)
{
    const std::vector<Area> areas = {Area{1, 1, 10, 3}, Area{5, 28, 5, 28}};
    EXPECT_EQ("$A$1:$C$10,$AB$5", xlhost::AddressText(areas, true, true));
    EXPECT_EQ("A$1:C$10,AB$5", xlhost::AddressText(areas, true, false));
    EXPECT_EQ("$A1:$C10,$AB5", xlhost::AddressText(areas, false, true));
    EXPECT_EQ("$B:$D", xlhost::AddressText({Area{1, 2, 1048576, 4}}, true, true));
    EXPECT_EQ("$3:$3", xlhost::AddressText({Area{3, 1, 3, 16384}}, true, true));
    EXPECT_EQ("$1:$1048576", xlhost::AddressText({Area{1, 1, 1048576, 16384}}, true, true));
    EXPECT_EQ("R1C1:R10C3,R5C28", xlhost::AddressTextR1C1(areas));
}

TEST(ColumnLetters, CountsInBijectiveBase26)
{
    EXPECT_EQ("A", xlhost::ColumnLetters(1));
    EXPECT_EQ("Z", xlhost::ColumnLetters(26));
    EXPECT_EQ("AA", xlhost::ColumnLetters(27));
    EXPECT_EQ("ZZ", xlhost::ColumnLetters(702));
    EXPECT_EQ("AAA", xlhost::ColumnLetters(703));
    EXPECT_EQ("XFD", xlhost::ColumnLetters(16384));
}

TEST(Workbook, NamesNewSheetsAndNamesCaseInsensitively)
{
    xlhost::Workbook book = TwoSheets();
    EXPECT_EQ("Sheet3", book.NextSheetName());
    book.AddSheet("Sheet3", 0);
    EXPECT_EQ("Sheet4", book.NextSheetName());
    book.SetName("StochalType", xlhost::CellValue::Text("01"));
    book.SetName("STOCHALTYPE", xlhost::CellValue::Text("RANGE"));
    ASSERT_EQ(1u, book.names.size());
    EXPECT_EQ("StochalType", book.names.begin()->second.first); // the first spelling stays
    ASSERT_NE(nullptr, book.FindName("stochaltype"));
    EXPECT_EQ("RANGE", book.FindName("stochaltype")->text);
}

TEST(Sheet, PuttingAValueDropsTheFormulaAndKeepsTheFormat)
{
    xlhost::Sheet sheet;
    xlhost::Cell& cell = sheet.At(2, 3);
    cell.formula = "=42";
    cell.format = "0.00";
    sheet.Put(2, 3, xlhost::CellValue::Number(7));
    EXPECT_EQ("", sheet.Find(2, 3)->formula);
    EXPECT_EQ("0.00", sheet.Find(2, 3)->format);
    EXPECT_EQ(nullptr, sheet.Find(3, 2));
}

TEST(Sheet, UsedAreaSpansCellsWithValuesOrFormulasOnly)
{
    xlhost::Sheet sheet;
    const auto expectUsed = [&sheet](std::uint32_t row1, std::uint32_t column1, std::uint32_t row2,
                                     std::uint32_t column2) {
        const Area used = xlhost::UsedArea(sheet);
        EXPECT_EQ(row1, used.row1);
        EXPECT_EQ(column1, used.column1);
        EXPECT_EQ(row2, used.row2);
        EXPECT_EQ(column2, used.column2);
    };
    expectUsed(1, 1, 1, 1); // an empty sheet's is A1
    sheet.At(9, 9).format = "0.00";
    sheet.Put(8, 8, xlhost::CellValue());
    expectUsed(1, 1, 1, 1); // a format or an emptied cell is no content
    sheet.Put(5, 3, xlhost::CellValue::Number(1));
    expectUsed(5, 3, 5, 3);
    sheet.At(2, 7).formula = "=QRAND()";
    sheet.Put(100, 2, xlhost::CellValue::Text("x"));
    expectUsed(2, 2, 100, 7);
}

TEST(Sheet, IntersectionKeepsEachOverlapOfTheAreas)
{
    const Area column{1, 1, xlhost::kRows, 1};
    const Area data{1, 1, 100, 3};
    std::vector<Area> both = xlhost::IntersectAreas({column}, {data});
    ASSERT_EQ(1u, both.size());
    EXPECT_EQ(100u, both[0].row2);
    EXPECT_EQ(1u, both[0].column2);
    EXPECT_TRUE(xlhost::IntersectAreas({Area{101, 1, 200, 1}}, {data}).empty());
    both = xlhost::IntersectAreas({Area{1, 1, 2, 2}, Area{50, 3, 150, 9}}, {data});
    ASSERT_EQ(2u, both.size());
    EXPECT_EQ(50u, both[1].row1);
    EXPECT_EQ(3u, both[1].column1);
    EXPECT_EQ(100u, both[1].row2);
    EXPECT_EQ(3u, both[1].column2);
}
} // namespace
