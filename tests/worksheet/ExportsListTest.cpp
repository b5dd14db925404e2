// worksheet/exports.def names xlAutoOpen, xlAutoClose and every registered
// entry point, in registration order: the module-definition file the
// linker needs cannot drift from the list of distributions.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "worksheet/FunctionTable.h"

TEST(ExportsList, TheModuleDefinitionNamesEveryRegisteredEntryPoint)
{
    std::ifstream in(std::string(STOCHAL_SOURCE_DIR) + "/worksheet/exports.def");
    std::vector<std::string> exported;
    for (std::string line; std::getline(in, line);) {
        exported.push_back(line);
    }
    std::vector<std::string> expected = {"xlAutoOpen", "xlAutoClose"};
    for (const WorksheetFunction& function : WorksheetFunctions()) {
        expected.push_back(function.entryPoint);
    }
    EXPECT_EQ(exported, expected);
}
