#include <string>
#include <vector>

#include "tests/worksheet/WorksheetFixture.h"

using RegistrationTableTest = WorksheetTest;

namespace {
struct Expected {
    const char* name;
    const char* entryPoint;
    const char* typeText;   // XLOPER: R a value that may be a reference
    const char* typeText12; // XLOPER12: U for the same
    const char* argumentText;
    const char* topic;
};

const Expected kTable[] = {
    {"QRAND", "xllQRAND", "RR!", "UU!", "seed", "7701"},
    {"QRANDBETWEEN", "xllQRANDBETWEEN", "RJJR!", "UJJU!", "MIN, MAX, seed", "7702"},
    {"QBERNOULLI", "xllQBERNOULLI", "RB!", "UB!", "p", "7707"},
    {"QPOISSON", "xllQPOISSON", "RB!", "UB!", "lambda", "7709"},
    {"QBINOMIAL", "xllQBINOMIAL", "RJB!", "UJB!", "n, p", "7708"},
    {"QNEGATIVEBINOMIAL", "xllQNEGBIN", "RJB!", "UJB!", "n, p", "7710"},
    {"QGEOMETRIC", "xllQGEOMETRIC", "RB!", "UB!", "p", "7711"},
    {"QHYPERGEOMETRIC", "xllQHYPERGEOMETRIC", "RJJJ!", "UJJJ!", "n, m, s", "7717"},
    {"QNORMAL", "xllQNORMAL", "RBB!", "UBB!", "mean, stddev", "7720"},
    {"QLOGNORMAL", "xllQLOGNORMAL", "RBB!", "UBB!", "mu, sigma", "7738"},
    {"QUNIFORM", "xllQUNIFORM", "RBB!", "UBB!", "min, max", "7722"},
    {"QTRIANGULAR", "xllQTRIANGULAR", "RBBR!", "UBBU!", "min, max, peak", "7724"},
    {"QBETA", "xllQBETA", "RBB!", "UBB!", "A, B", "7726"},
    {"QPARETO", "xllQPARETO", "RBB!", "UBB!", "alpha, theta", "7728"},
    {"QBURR", "xllQBURR", "RBBB!", "UBBB!", "alpha, theta, gamma", "7730"},
    {"QGAMMA", "xllQGAMMA", "RBB!", "UBB!", "alpha, theta", "7732"},
    {"QWEIBULL", "xllQWEIBULL", "RBB!", "UBB!", "tau, theta", "7734"},
    {"QEXPONENTIAL", "xllQEXPONENTIAL", "RB!", "UB!", "mean", "7736"},
    {"QSAMPLE", "xllQSAMPLE", "RRRR!", "UUUU!", "data, weight, unique", "7739"},
};
} // namespace

TEST_F(RegistrationTableTest, AutoOpenRegistersTheNineteenInOrder)
{
    ASSERT_EQ(xlAutoOpen(), 1);
    const auto& registrations = Excel().Registrations();
    ASSERT_EQ(registrations.size(), 19u);
    for (std::size_t i = 0; i < registrations.size(); ++i) {
        const auto& texts = registrations[i];
        const Expected& row = kTable[i];
        const std::size_t arguments = std::string(row.typeText).size() - 2;
        ASSERT_EQ(texts.size(), 10 + arguments + 1) << row.name;
        EXPECT_EQ(texts[0], TestExcel::kDefaultDllName);
        EXPECT_EQ(texts[1], row.entryPoint);
        EXPECT_EQ(texts[2], row.typeText);
        EXPECT_EQ(texts[3], row.name);
        EXPECT_EQ(texts[4], row.argumentText);
        EXPECT_EQ(texts[5], "1");
        EXPECT_EQ(texts[6], "Stochal");
        EXPECT_EQ(texts[7], "");
        EXPECT_EQ(texts[8], std::string("C:\\Stochal\\StochalHelp.chm!") + row.topic);
        EXPECT_EQ(texts.back(), ""); // after the last argument's help text
    }
    EXPECT_EQ(Diagnostics(), "");
    EXPECT_EQ(Excel().Outstanding(), 0u);
    EXPECT_EQ(xlAutoClose(), 1);
}

TEST_F(RegistrationTableTest, WithXloper12EveryValueIsRegisteredAsU)
{
    UseExcel4Only(false);
    ASSERT_EQ(xlAutoOpen(), 1);
    const auto& registrations = Excel().Registrations();
    ASSERT_EQ(registrations.size(), 19u);
    for (std::size_t i = 0; i < registrations.size(); ++i) {
        EXPECT_EQ(registrations[i][2], kTable[i].typeText12);
        EXPECT_EQ(registrations[i][3], kTable[i].name);
        EXPECT_EQ(registrations[i].back(), "");
    }
    EXPECT_EQ(Excel().Outstanding(), 0u);
}

TEST_F(RegistrationTableTest, HelpTextsAreKeptExactlyWithTheirTrailingBlanks)
{
    ASSERT_EQ(xlAutoOpen(), 1);
    const auto& registrations = Excel().Registrations();
    ASSERT_EQ(registrations.size(), 19u);
    const std::vector<std::string> qrand = {
        "Generates a random number between 0 and 1 using the mersenne twister algorithm.",
        "Optional seed (whole number).", ""};
    EXPECT_EQ(std::vector<std::string>(registrations[0].begin() + 9, registrations[0].end()), qrand);
    EXPECT_EQ(registrations[16][registrations[16].size() - 2], "scale parameter ");
    const std::vector<std::string> qsample = {
        "Sample elements from an array.", "the array to sample from",
        "optional. The column that contains the weight of each element",
        "optional. Set to TRUE of each sample should be unique. Default is false. ", ""};
    EXPECT_EQ(std::vector<std::string>(registrations[18].begin() + 9, registrations[18].end()), qsample);
    EXPECT_EQ(registrations[11][11 + 1],
              "The most likely value. Optional, if missing, it defaults to halfway between the minimum and maximum.");
}

TEST_F(RegistrationTableTest, RefusedRegistrationsAreReportedAndTheRestFollow)
{
    Excel().ForceCode(XlFunction::Register, xlret::Failed);
    EXPECT_EQ(xlAutoOpen(), 1);
    const std::string diagnostics = Diagnostics();
    EXPECT_NE(diagnostics.find("Error 32 while registering QRAND\n"), std::string::npos);
    EXPECT_NE(diagnostics.find("Error 32 while registering QSAMPLE\n"), std::string::npos);
}

TEST_F(RegistrationTableTest, UnknownDllPathSkipsEachRegistrationWithoutRaising)
{
    Excel().ForceCode(XlFunction::GetName, xlret::Failed);
    EXPECT_EQ(xlAutoOpen(), 1);
    EXPECT_TRUE(Excel().Registrations().empty());
}
