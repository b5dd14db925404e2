// The step reference's own scripts: each one's whole output and exit code
// against the expected file beside it.
#include "tests/support/ExcelScript.h"

namespace {
std::string Script(const std::string& name)
{
    return STOCHAL_SOURCE_DIR "/tests/xlhost/scripts/" + name;
}

using HostScripts = ExcelScriptTest;

TEST_F(HostScripts, WorkbookStepsAndDumpsWithoutTheAddIn)
{
    ExpectOutput(Script("workbook.script"), Script("workbook.expected"));
}

TEST_F(HostScripts, TheAddInsLifeRegisteredStartedDrivenAndShutDown)
{
    ExpectOutput(Script("menu.script"), Script("menu.expected"));
}

TEST_F(HostScripts, FormulasOfTheRegisteredFunctionsCalculatedCellByCell)
{
    ExpectOutput(Script("formula.script"), Script("formula.expected"));
}

TEST_F(HostScripts, AMessageBoxTheScriptDoesNotExpectFailsTheRun)
{
    ExpectOutput(Script("stray.script"), Script("stray.expected"), 1);
}
} // namespace
