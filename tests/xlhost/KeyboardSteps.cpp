// Keys as a user presses them in a dialog: `alt LETTER`, the access key of
// a label; `f1`, help.
#include <windows.h>

#include <cctype>
#include <stdexcept>

#include "tests/xlhost/ScriptRunner.h"

namespace xlhost {
namespace {
// WM_SYSKEYDOWN, WM_SYSCHAR: "The context code. The value is 1 if the ALT
// key is held down while the key is pressed".
constexpr LPARAM kAltHeld = LPARAM{1} << 29;
constexpr LPARAM kReleased = LPARAM{3} << 30;

StepResult AltStep(ScriptRunner&, const std::vector<std::string>& words)
{
    if (words[1].size() != 1 || !std::isalnum(static_cast<unsigned char>(words[1][0]))) {
        throw std::runtime_error("alt takes one letter or digit");
    }
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(words[1][0])));
    const UINT key = static_cast<UINT>(std::toupper(static_cast<unsigned char>(letter)));
    HWND target = GetFocus();
    if (target == nullptr) {
        throw std::runtime_error("no control has the focus");
    }
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, 0)) << 16;
    // Posted, so the modal loop's dialog manager sees them as typed keys.
    PostMessageW(target, WM_SYSKEYDOWN, key, scan | kAltHeld | 1);
    PostMessageW(target, WM_SYSCHAR, static_cast<WPARAM>(letter), scan | kAltHeld | 1);
    PostMessageW(target, WM_SYSKEYUP, key, scan | kAltHeld | kReleased | 1);
    return StepResult::Done;
}
// F1 through the system's input, as a keyboard gives it: the system, not
// the message loop, turns it into WM_HELP for the focused window (WM_HELP:
// "Indicates that the user pressed the F1 key"); a posted WM_KEYDOWN would
// not.
StepResult HelpKeyStep(ScriptRunner&, const std::vector<std::string>&)
{
    INPUT keys[2] = {};
    for (INPUT& key : keys) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = VK_F1;
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    if (SendInput(2, keys, sizeof(INPUT)) != 2) {
        throw std::runtime_error("F1 was not taken as input");
    }
    return StepResult::Done;
}
} // namespace

void AddKeyboardSteps(StepTable& table)
{
    table["alt"] = {&AltStep, 2, 2, true};
    table["f1"] = {&HelpKeyStep, 1, 1, true};
}

} // namespace xlhost
