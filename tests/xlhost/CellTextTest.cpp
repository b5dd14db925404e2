#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/xlhost/CellText.h"

namespace {
using xlhost::CellKind;
using xlhost::CellValue;

std::string Shown(double number, const char* format = "General")
{
    return xlhost::DisplayText(CellValue::Number(number), format);
}

TEST(CsvLine, SplitsQuotedAndEmptyFields)
{
    using Fields = std::vector<std::string>;
    EXPECT_EQ((Fields{"a", "", "c"}), xlhost::ParseCsvLine("a,,c"));
    EXPECT_EQ((Fields{"say \"hi\", then", "2"}), xlhost::ParseCsvLine("\"say \"\"hi\"\", then\",2"));
    EXPECT_EQ((Fields{"", ""}), xlhost::ParseCsvLine(","));
    EXPECT_EQ((Fields{""}), xlhost::ParseCsvLine(""));
    EXPECT_EQ((Fields{"x", ""}), xlhost::ParseCsvLine("\"x\","));
    EXPECT_THROW(xlhost::ParseCsvLine("\"open,1"), std::runtime_error);
    EXPECT_THROW(xlhost::ParseCsvLine("\"a\"b,1"), std::runtime_error);
}

TEST(CellField, ReadsNumbersLogicalsErrorsAndTexts)
{
    EXPECT_EQ(CellKind::Empty, xlhost::ParseCellText("").kind);
    EXPECT_EQ(-1250.0, xlhost::ParseCellText("-1.25e3").number);
    EXPECT_EQ(CellKind::Bool, xlhost::ParseCellText("TRUE").kind);
    EXPECT_EQ(2042, xlhost::ParseCellText("#N/A").error);
    EXPECT_EQ(2007, xlhost::ParseCellText("#DIV/0!").error);
    // Texts that strtod alone would take for numbers.
    for (const char* text : {"inf", "nan", "0x10", " 1", "1 ", "1,5", "true", "#n/a", "1e999"}) {
        const CellValue value = xlhost::ParseCellText(text);
        EXPECT_EQ(CellKind::Text, value.kind) << text;
        EXPECT_EQ(text, value.text);
    }
}

TEST(CellField, ApostropheMakesTheRestAText)
{
    for (const char* text : {"00123", "TRUE", "=x", "", "'quoted"}) {
        const CellValue value = xlhost::ParseCellText(std::string("'") + text);
        EXPECT_EQ(CellKind::Text, value.kind) << text;
        EXPECT_EQ(text, value.text);
    }
}

// Serial days as Excel numbers them: 2000-01-01 is 36526, 2024-01-01 45292.
TEST(TypedEntry, ReadsNumbersDatesFormulasAndLogicalsAsTyped)
{
    const auto typed = [](const char* text) { return xlhost::ReadTyped(text, 2026); };
    EXPECT_EQ(123.0, typed("00123").value.number);
    EXPECT_EQ(3.5, typed("3.50").value.number);
    EXPECT_EQ(CellKind::Bool, typed("true").value.kind);
    EXPECT_EQ(0.0, typed("False").value.number);
    EXPECT_EQ(2042, typed("#N/A").value.error);
    for (const char* date : {"2024-01-02", "1/2/2024", "1-2-24", "2024/1/2"}) {
        EXPECT_TRUE(typed(date).isDate) << date;
        EXPECT_EQ(45293.0, typed(date).value.number) << date;
    }
    EXPECT_EQ(36525.0, typed("12-31-99").value.number) << "a two-digit year from 30 is in the 1900s";
    EXPECT_EQ(45351.0, typed("2/29/2024").value.number);
    EXPECT_EQ(46024.0, typed("1-2").value.number) << "without a year, this year's";
    const xlhost::TypedEntry formula = typed("=x");
    EXPECT_EQ("=x", formula.formula);
    EXPECT_EQ(2029, formula.value.error) << "#NAME?";
    EXPECT_EQ(10.0, typed("=10").value.number);
    for (const char* text : {"'00123", "2-29", "13-1", "1-2-3-4", "abc", "=", "1-"}) {
        const xlhost::TypedEntry entry = typed(text);
        EXPECT_EQ(CellKind::Text, entry.value.kind) << text;
        EXPECT_FALSE(entry.isDate) << text;
        EXPECT_EQ("", entry.formula) << text;
    }
    EXPECT_EQ("00123", typed("'00123").value.text);
}

TEST(CellValueText, PrintsSeventeenDigitsAndNames)
{
    EXPECT_EQ("0.10000000000000001", xlhost::ValueText(CellValue::Number(0.1)));
    EXPECT_EQ("FALSE", xlhost::ValueText(CellValue::Bool(false)));
    EXPECT_EQ("#NAME?", xlhost::ValueText(CellValue::Error(2029)));
    EXPECT_EQ("", xlhost::ValueText(CellValue{}));
}

// Expected texts are those of Excel's General in a column wide enough for
// its eleven characters.
TEST(DisplayText, GeneralFitsElevenCharacters)
{
    EXPECT_EQ("0", Shown(0));
    EXPECT_EQ("42", Shown(42));
    EXPECT_EQ("0.1", Shown(0.1));
    EXPECT_EQ("-0.5", Shown(-0.5));
    EXPECT_EQ("0.333333333", Shown(1.0 / 3));
    EXPECT_EQ("1234.567891", Shown(1234.5678912));
    EXPECT_EQ("-1234.56789", Shown(-1234.5678912));
    EXPECT_EQ("12345678901", Shown(12345678901.0));
    EXPECT_EQ("1.23457E+11", Shown(123456789012.0));
    EXPECT_EQ("1E-10", Shown(1e-10));
    EXPECT_EQ("-1.5E+20", Shown(-1.5e20));
}

TEST(DisplayText, FixedCurrencyAndDateFormats)
{
    EXPECT_EQ("3.14", Shown(3.14159, "0.00"));
    EXPECT_EQ("-2.50", Shown(-2.5, "0.00"));
    EXPECT_EQ("$1,234,567.89", Shown(1234567.891, "$#,##0.00"));
    EXPECT_EQ("-$1,000.00", Shown(-1000, "$#,##0.00"));
    EXPECT_EQ("$0.00", Shown(-0.001, "$#,##0.00"));
    EXPECT_EQ("$999.00", Shown(999, "$#,##0.00"));
    // Serial dates from 1899-12-30: 45292 is 2024-01-01, 60 is 1900-02-29 in
    // Excel's leap-year quirk, which the 1899-12-30 origin shows as 02-28.
    EXPECT_EQ("2024-01-01", Shown(45292, "yyyy-mm-dd"));
    EXPECT_EQ("2000-02-29", Shown(36585.75, "yyyy-mm-dd"));
    EXPECT_EQ("1900-03-01", Shown(61, "yyyy-mm-dd"));
    EXPECT_EQ("########", Shown(-1, "yyyy-mm-dd"));
    EXPECT_EQ("TRUE", xlhost::DisplayText(CellValue::Bool(true), "0.00"));
    EXPECT_EQ("abc", xlhost::DisplayText(CellValue::Text("abc"), "$#,##0.00"));
    EXPECT_FALSE(xlhost::IsKnownFormat("0.000"));
}
} // namespace
