#include <string>

#include "tests/xlw/BridgeFixture.h"
#include "xlw/XlfExcel4Path.h"
#include "xlw/XlfOper.h"

// What Excel's documentation says of its own conversion from XLOPER12 to
// XLOPER ("Known Issues in Excel XLL Development", and Excel4/Excel12): an
// integer beyond 16 bits becomes a number, references and arrays beyond the
// XLOPER's rows and columns cannot be converted.
using Excel4PathTest = BridgeTest;

namespace {
XLOPER12 Integer(std::int32_t value)
{
    XLOPER12 oper{};
    oper.xltype = xltype::Int;
    oper.val.w = value;
    return oper;
}
} // namespace

TEST_F(Excel4PathTest, IntegersBeyondSixteenBitsBecomeNumbers)
{
    XLOPER down{};
    ASSERT_TRUE(ToXloper(Integer(-3), down));
    EXPECT_EQ(down.xltype, xltype::Int);
    EXPECT_EQ(down.val.w, -3);
    ASSERT_TRUE(ToXloper(Integer(70000), down));
    EXPECT_EQ(down.xltype, xltype::Num);
    EXPECT_EQ(down.val.num, 70000.0);
    XLOPER12 up{};
    ASSERT_TRUE(ToXloper12(down, up));
    EXPECT_EQ(up.xltype, xltype::Num);
}

TEST_F(Excel4PathTest, ReferencesAndArraysBeyondTheOldGridCannotBeConverted)
{
    XLOPER12 reference{};
    reference.xltype = xltype::SRef;
    reference.val.sref.count = 1;
    XLOPER down{};
    reference.val.sref.ref = XLREF12{0, 65535, 0, 255}; // A1:IV65536
    ASSERT_TRUE(ToXloper(reference, down));
    EXPECT_EQ(down.val.sref.ref.rwLast, 65535);
    EXPECT_EQ(down.val.sref.ref.colLast, 255);
    reference.val.sref.ref = XLREF12{0, 65536, 0, 0}; // A1:A65537
    EXPECT_FALSE(ToXloper(reference, down));
    reference.val.sref.ref = XLREF12{0, 0, 0, 256}; // A1:IW1
    EXPECT_FALSE(ToXloper(reference, down));

    XlfOper tall;
    ASSERT_NE(tall.SetMulti(65536, 1), nullptr);
    EXPECT_FALSE(ToXloper(*tall.Get(), down));
    // and so a call with such an argument never reaches Excel
    UseExcel4Only();
    XlfOwnedOper result;
    EXPECT_EQ(XlfExcel::Instance().CallExcel(XlFunction::Coerce, result.Get(), {&reference, &reference}),
              xlret::Failed);
    EXPECT_EQ(Excel().CoerceCalls(), 0);
}

TEST_F(Excel4PathTest, ResultsAreCopiedAndExcelsOwnFreedAtOnce)
{
    UseExcel4Only();
    XlfOper number;
    number.SetNumber(2.5);
    XlfOwnedOper text;
    ASSERT_EQ(number.CoerceTo(xltype::Str, *text.Get()), xlret::Success);
    EXPECT_EQ(text.Get()->xltype, xltype::Str); // a copy in the pool: nothing to free later
    EXPECT_EQ(CountedText(text.Value().val.str), u"2.5");
    EXPECT_EQ(Excel().FreeCalls(), 1);
    EXPECT_EQ(Excel().Outstanding(), 0u);
}
