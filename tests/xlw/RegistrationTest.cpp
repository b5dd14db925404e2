#include <stdexcept>
#include <string>
#include <vector>

#include "tests/xlw/BridgeFixture.h"
#include "xlw/XlfArgDesc.h"
#include "xlw/XlfFunctionDesc.h"

namespace {
XlfFunctionDesc Between()
{
    XlfFunctionDesc description("xllBETWEEN", "QBETWEEN", "Between two.", "Stochal", 1);
    description.SetArguments(XlfArgDesc("MIN", "Lowest.", 'J') + XlfArgDesc("MAX", "Highest.", 'J')
                             + XlfArgDesc("seed", "Optional."));
    description.SetHelpTopic("StochalHelp.chm!7702");
    return description;
}
} // namespace

using RegistrationTest = BridgeTest;

TEST_F(RegistrationTest, TypeAndArgumentTextsFollowTheArgumentList)
{
    const XlfFunctionDesc description = Between();
    EXPECT_EQ(description.TypeText(), "UJJU!"); // XLOPER12 values that may be references
    EXPECT_EQ(description.ArgumentText(), "MIN, MAX, seed");
    XlfFunctionDesc still("xllS", "QS", "", "Stochal", 0);
    still.SetArguments(XlfArgList(XlfArgDesc("x", "")));
    EXPECT_EQ(still.TypeText(), "UU");
    UseExcel4Only();
    EXPECT_EQ(description.TypeText(), "RJJR!");
    EXPECT_EQ(still.TypeText(), "RR");
    EXPECT_EQ(still.HelpTopicText("C:\\dir"), "");
}

TEST_F(RegistrationTest, ArgumentNamesOfNineteenCharactersDrawAWarning)
{
    const XlfArgDesc shortEnough(std::string(18, 'a'), "help");
    EXPECT_EQ(Diagnostics(), "");
    const XlfArgDesc tooLong(std::string(19, 'b'), "help", 'B');
    EXPECT_EQ(Diagnostics(), ".\\xlw\\XlfArgDesc(35): Argument name \"" + std::string(19, 'b')
                                 + "\" may be too long to fit the in the function wizard\n");
    EXPECT_EQ(tooLong.Type(), 'B');
    EXPECT_EQ(shortEnough.Type(), 'R');
}

TEST_F(RegistrationTest, RegisterSendsTheTextsInOrder)
{
    Excel().SetDllName("C:\\Addins\\Stochal.dll");
    Between().Register();
    ASSERT_EQ(Excel().Registrations().size(), 1u);
    const std::vector<std::string> expected = {
        "C:\\Addins\\Stochal.dll", "xllBETWEEN", "UJJU!",   "QBETWEEN",
        "MIN, MAX, seed",          "1",          "Stochal", "",
        "C:\\Stochal\\StochalHelp.chm!7702", // the module's own directory
        "Between two.",            "Lowest.",    "Highest.", "Optional.",
        ""}; // the Function Wizard cuts the last help text unless an empty one follows
    EXPECT_EQ(Excel().Registrations()[0], expected);
    EXPECT_EQ(Diagnostics(), "");
}

TEST_F(RegistrationTest, RefusedRegistrationIsReportedAndNotRaised)
{
    Excel().ForceCode(XlFunction::Register, xlret::Failed);
    EXPECT_NO_THROW(Between().Register());
    EXPECT_EQ(Diagnostics(), ".\\xlw\\XlfAbstractCmdDesc(61): Error 32 while registering QBETWEEN\n");
}

TEST_F(RegistrationTest, UnknownDllNameIsReportedAndRaised)
{
    Excel().ForceCode(XlFunction::GetName, xlret::Failed);
    EXPECT_EQ(XlfExcel::Instance().GetDllPath(), "");
    EXPECT_EQ(Diagnostics(), ".\\xlw\\XlfExcel(165): Could not get DLL name\n");
    try {
        Between().Register();
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Could not get library name");
    }
    EXPECT_TRUE(Excel().Registrations().empty());
}

TEST_F(RegistrationTest, DllPathIsReleasedAfterReading)
{
    EXPECT_EQ(XlfExcel::Instance().GetDllPath(), "C:\\Stochal\\Stochal.dll");
    EXPECT_EQ(Excel().Outstanding(), 0u);
    EXPECT_EQ(XlfExcel::Instance().GetDllDirectory(), "C:\\Stochal");
}
