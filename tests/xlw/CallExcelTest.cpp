// Which answers of Excel the bridge marks as holding Excel's memory.
#include <gtest/gtest.h>

#include "tests/xlw/BridgeFixture.h"
#include "xlw/XlfOper.h"

using CallExcelTest = BridgeTest;

TEST_F(CallExcelTest, MarksOnlyAnswersThatHoldExcelsMemory)
{
    // xlGetHwnd answers a plain xltypeInt: nothing to hand back.
    Excel().SetMainWindowWord(0x1234);
    XLOPER12 window{};
    ASSERT_EQ(XlfExcel::Instance().CallExcel(XlFunction::GetHwnd, &window, {}), xlret::Success);
    EXPECT_EQ(window.xltype, xltype::Int);
    EXPECT_EQ(window.val.w, 0x1234);

    // xlGetName answers a text in Excel's memory: freed later.
    XLOPER12 name{};
    ASSERT_EQ(XlfExcel::Instance().CallExcel(XlFunction::GetName, &name, {}), xlret::Success);
    EXPECT_EQ(name.xltype, xltype::Str | xltype::FreeLater);
    XlfOper(&name).Release();
    EXPECT_EQ(Excel().Outstanding(), 0u);
}
