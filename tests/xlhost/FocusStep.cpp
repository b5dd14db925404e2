// `focus`: prints the id of the control that has the keyboard focus, as a
// user sees the caret after a dialog refused an entry.
#include <windows.h>

#include "tests/xlhost/ScriptRunner.h"

namespace xlhost {
namespace {
constexpr DWORD kBoxGoneWaitMs = 10000;

StepResult FocusStep(ScriptRunner& runner, const std::vector<std::string>&)
{
    // A message box still closing has the focus until its owner gets it back.
    if (FindMessageBox() != nullptr && runner.WaitedMs() < kBoxGoneWaitMs) {
        return StepResult::Wait;
    }
    HWND focus = GetFocus();
    runner.Print("focus\t" + (focus == nullptr ? std::string("none") : std::to_string(GetDlgCtrlID(focus))));
    return StepResult::Done;
}
} // namespace

void AddFocusSteps(StepTable& table)
{
    table["focus"] = {&FocusStep, 1, 1, true};
}

} // namespace xlhost
