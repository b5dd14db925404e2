#include <cmath>
#include <stdexcept>
#include <string>

#include "tests/xlw/BridgeFixture.h"
#include "xlw/XlfException.h"
#include "xlw/XlfOper.h"

namespace {
XLOPER12 Scalar(XlWord type)
{
    XLOPER12 value{};
    value.xltype = type;
    return value;
}

const char kTruncated[] = ".\\xlw\\XlfOper(513): String too long is truncated\n";
} // namespace

using OperTest = BridgeTest;

TEST_F(OperTest, NewValueIsNilFromThePool)
{
    XlfOper value;
    ASSERT_FALSE(value.IsEmpty());
    EXPECT_EQ(value.Type(), xltype::Nil);
}

TEST_F(OperTest, SetTextWritesCountCharactersAndZero)
{
    for (std::size_t length : {0u, 32767u, 32768u, 40000u}) {
        const std::string text(length, 'x');
        XlfOper value;
        value.SetText(text);
        ASSERT_EQ(value.Type(), xltype::Str);
        const XlChar* counted = value.Get()->val.str;
        const std::size_t kept = length > 32767 ? 32767 : length;
        EXPECT_EQ(counted[0], kept) << length;
        EXPECT_EQ(std::u16string(counted + 1, kept), std::u16string(kept, u'x'));
        EXPECT_EQ(counted[kept + 1], u'\0');
    }
    EXPECT_EQ(Diagnostics(), std::string(kTruncated) + kTruncated); // 32768 and 40000 only
}

TEST_F(OperTest, TextsKeepEveryCharacterAsUtf16)
{
    XlfOper value;
    value.SetText(u8"\u03b1\u03b2 \u6f22 \U0001F600"); // Greek, CJK, an emoji
    const XlChar* counted = value.Get()->val.str;
    EXPECT_EQ(std::u16string(counted + 1, counted[0]), u"\u03b1\u03b2 \u6f22 \U0001F600");
    EXPECT_STREQ(value.ReadText(), u8"\u03b1\u03b2 \u6f22 \U0001F600");
}

// An Excel with only Excel4 takes counted strings of 255 bytes at most.
TEST_F(OperTest, OnTheXloperPathTextsStopAt255)
{
    UseExcel4Only();
    for (std::size_t length : {255u, 256u, 300u}) {
        XlfOper value;
        value.SetText(std::string(length, 'x'));
        EXPECT_EQ(value.Get()->val.str[0], 255u > length ? length : 255u) << length;
    }
    EXPECT_EQ(Diagnostics(), std::string(kTruncated) + kTruncated); // 256 and 300 only
}

TEST_F(OperTest, SettersGiveTheirKinds)
{
    XlfOper value;
    EXPECT_EQ(value.SetNumber(2.5).Type(), xltype::Num);
    EXPECT_EQ(value.Get()->val.num, 2.5);
    EXPECT_EQ(value.SetInt(-3).Type(), xltype::Int);
    EXPECT_EQ(value.SetBool(true).Type(), xltype::Bool);
    EXPECT_EQ(value.Get()->val.xbool, 1);
    EXPECT_EQ(value.SetError(xlerr::NA).Type(), xltype::Err);
    EXPECT_EQ(value.Get()->val.err, xlerr::NA);
    const XlfOper error = XlfOper::Error(xlerr::Value);
    EXPECT_EQ(error.Get(), XlfOper::Error(xlerr::Value).Get()); // one shared value
    EXPECT_EQ(error.Get()->val.err, 15);
}

TEST_F(OperTest, SetMultiRefusesShapesBeyondTheArrayCounts)
{
    XlfOper value;
    EXPECT_THROW(value.SetMulti(1048577, 1), std::length_error);
    EXPECT_THROW(value.SetMulti(1, 16385), std::length_error);
    EXPECT_THROW(value.SetMulti(0, 3), std::length_error);
    XLOPER12* cells = value.SetMulti(1048576, 1);
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(value.Type(), xltype::Multi);
    EXPECT_EQ(value.Get()->val.array.rows, 1048576);
    EXPECT_EQ(value.Get()->val.array.columns, 1);
    EXPECT_EQ(cells[1048576 - 1].xltype, xltype::Nil);
    EXPECT_NE(value.SetMulti(1, 16384), nullptr);
    UseExcel4Only(); // the XLOPER counts rows and columns in 16 bits
    EXPECT_THROW(value.SetMulti(65536, 1), std::length_error);
    EXPECT_THROW(value.SetMulti(1, 65536), std::length_error);
    EXPECT_NE(value.SetMulti(65535, 2), nullptr);
}

TEST_F(OperTest, ReadDoubleOfNumbersNeedsNoExcel)
{
    XLOPER12 integer = Scalar(xltype::Int);
    integer.val.w = -3;
    EXPECT_EQ(XlfOper(&integer).ReadDouble(), -3.0);
    XLOPER12 number = Scalar(xltype::Num);
    number.val.num = 1e300;
    EXPECT_EQ(XlfOper(&number).ReadDouble(), 1e300);
    EXPECT_EQ(Excel().CoerceCalls(), 0);
}

TEST_F(OperTest, ReadersCoerceOtherKindsAndReleaseWhatExcelGave)
{
    XLOPER12 flag = Scalar(xltype::Bool);
    flag.val.xbool = 1;
    EXPECT_EQ(XlfOper(&flag).ReadDouble(), 1.0);
    XLOPER12 number = Scalar(xltype::Num);
    number.val.num = 2.5;
    EXPECT_TRUE(XlfOper(&number).ReadBool());
    EXPECT_STREQ(XlfOper(&number).ReadText(), "2.5");
    EXPECT_EQ(Excel().CoerceCalls(), 3);
    EXPECT_EQ(Excel().FreeCalls(), 1); // only the text held Excel's memory
    EXPECT_EQ(Excel().Outstanding(), 0u);
}

TEST_F(OperTest, ReadTextCopiesACountedString)
{
    XlfOper text;
    text.SetText("abc");
    EXPECT_STREQ(text.ReadText(), "abc");
    XlfOper empty;
    empty.SetText("");
    EXPECT_STREQ(empty.ReadText(), "");
}

TEST_F(OperTest, FailedCoercionReportsOrRaisesTheCode)
{
    XlfOper text;
    text.SetText("abc");
    int code = 0;
    text.ReadDouble(code);
    EXPECT_EQ(code, xlret::Failed);
    EXPECT_THROW(text.ReadDouble(), std::runtime_error);
    Excel().ForceCode(XlFunction::Coerce, xlret::Uncalced);
    EXPECT_THROW(text.ReadBool(), XlfExceptionUncalculated);
    EXPECT_EQ(Excel().Outstanding(), 0u);
}

TEST_F(OperTest, EmptyValueReadsAsInvalidOper)
{
    const XlfOper empty(nullptr);
    int code = 0;
    empty.ReadDouble(code);
    EXPECT_EQ(code, xlret::InvXloper);
    empty.ReadRange(code);
    EXPECT_EQ(code, xlret::InvXloper);
    EXPECT_THROW(empty.ReadText(), XlfException);
}

TEST_F(OperTest, ReadRangeKeepsEndsPastTheLastRowAndColumn)
{
    XLOPER12 caller = Scalar(xltype::SRef);
    caller.val.sref.count = 1;
    caller.val.sref.ref = XLREF12{1, 1048575, 1, 16383}; // B2:XFD1048576
    const XlfRange range = XlfOper(&caller).ReadRange();
    EXPECT_EQ(range.firstRow, 1u);
    EXPECT_EQ(range.endRow, 1048576u);
    EXPECT_EQ(range.Rows(), 1048575u);
    EXPECT_EQ(range.endColumn, 16384u);
    EXPECT_EQ(range.Columns(), 16383u);
    EXPECT_EQ(range.sheetId, TestExcel::kSheetId);
    EXPECT_EQ(Excel().Outstanding(), 0u); // the coerced reference was freed
}

TEST_F(OperTest, ReadRangeRefusesReferencesWithoutARectangle)
{
    XLMREF12 none{};
    XLOPER12 reference = Scalar(xltype::Ref);
    reference.val.mref.lpmref = &none;
    int code = 0;
    XlfOper(&reference).ReadRange(code);
    EXPECT_EQ(code, xlret::InvXloper);
    XLMREF12 reversed{1, {XLREF12{5, 2, 0, 0}}};
    reference.val.mref.lpmref = &reversed;
    XlfOper(&reference).ReadRange(code);
    EXPECT_EQ(code, xlret::InvXloper);
}

TEST_F(OperTest, ReleaseHandsBackOnceAndReportsAFailedFree)
{
    XLOPER12 number = Scalar(xltype::Num);
    number.val.num = 7;
    XLOPER12 text{};
    ASSERT_EQ(XlfOper(&number).CoerceTo(xltype::Str, text), xlret::Success);
    EXPECT_EQ(text.xltype, xltype::Str | xltype::FreeLater);
    XlfOper owned(&text);
    owned.Release();
    EXPECT_EQ(text.xltype, xltype::Str);
    owned.Release(); // the bit is gone: nothing more to give back
    EXPECT_EQ(Excel().FreeCalls(), 1);
    EXPECT_EQ(Diagnostics(), "");

    text.xltype = xltype::Str | xltype::FreeLater; // handed back already
    owned.Release();
    EXPECT_EQ(Diagnostics(), ".\\xlw\\XlfOper(117): Call to xlFree failed\n");
}
