// Steps that act on the thread's active window as a user would, while a
// command's dialog or message box runs its modal loop.
#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <cctype>
#include <cstdlib>
#include <stdexcept>

#include "tests/xlhost/HostModel.h"
#include "tests/xlhost/HostObject.h"
#include "tests/xlhost/ScreenShot.h"
#include "tests/xlhost/ScriptRunner.h"
#include "tests/xlhost/WindowSearch.h"

namespace xlhost {
namespace {
constexpr DWORD kWindowWaitMs = 10000;
constexpr DWORD kCommandWaitMs = 60000;
// The property sheet's own buttons, as comctl32 numbers them.
constexpr int kWizardBack = 0x3023;
constexpr int kWizardNext = 0x3024;
constexpr int kWizardFinish = 0x3025;

void Focus(HWND control)
{
    SendMessageW(GetParent(control), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

StepResult WindowStep(ScriptRunner& runner, const std::vector<std::string>& words)
{
    HWND active = nullptr;
    try {
        active = CurrentWindow();
    } catch (const std::runtime_error&) {
    }
    if (active != nullptr && WindowText(active) == words[1]) {
        return StepResult::Done;
    }
    if (runner.WaitedMs() > kWindowWaitMs) {
        throw std::runtime_error("no window \"" + words[1] + "\" within 10 s; up is \""
                                 + (active != nullptr ? WindowText(active) : std::string()) + "\"");
    }
    return StepResult::Wait;
}

StepResult SetStep(ScriptRunner&, const std::vector<std::string>& words)
{
    HWND control = UsableControl(words[1]);
    Focus(control);
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(words[2]).c_str()));
    return StepResult::Done;
}

StepResult TypeStep(ScriptRunner&, const std::vector<std::string>& words)
{
    HWND control = UsableControl(words[1]);
    Focus(control);
    SendMessageW(control, EM_SETSEL, static_cast<WPARAM>(-1), -1); // the caret to the end: typing appends
    const int length = GetWindowTextLengthW(control);
    SendMessageW(control, EM_SETSEL, static_cast<WPARAM>(length), length);
    for (wchar_t c : Wide(words[2])) {
        SendMessageW(control, WM_CHAR, c, 1);
    }
    return StepResult::Done;
}

StepResult PressStep(ScriptRunner&, const std::vector<std::string>& words)
{
    SendMessageW(UsableControl(words[1]), BM_CLICK, 0, 0);
    return StepResult::Done;
}

StepResult KeyStep(ScriptRunner&, const std::vector<std::string>& words)
{
    static const std::pair<const char*, UINT> keys[] = {
        {"Left", VK_LEFT}, {"Right", VK_RIGHT},   {"Up", VK_UP},       {"Down", VK_DOWN},  {"Home", VK_HOME},
        {"End", VK_END},   {"PageUp", VK_PRIOR}, {"PageDown", VK_NEXT}, {"Enter", VK_RETURN}, {"Esc", VK_ESCAPE},
        {"Tab", VK_TAB},   {"Space", VK_SPACE},
    };
    for (const auto& key : keys) {
        if (words[1] == key.first) {
            HWND target = GetFocus() != nullptr ? GetFocus() : CurrentWindow();
            const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key.second, 0)) << 16;
            // Posted, so the modal loop's dialog manager sees them as typed keys.
            PostMessageW(target, WM_KEYDOWN, key.second, scan | 1);
            PostMessageW(target, WM_KEYUP, key.second, scan | 1 | (LPARAM(3) << 30));
            return StepResult::Done;
        }
    }
    throw std::runtime_error("no key called " + words[1]);
}

StepResult ComboStep(ScriptRunner&, const std::vector<std::string>& words)
{
    HWND combo = UsableControl(words[1]);
    const int index = std::stoi(words[2]);
    if (SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0) == CB_ERR) {
        throw std::runtime_error("combo " + words[1] + " has no item " + words[2]);
    }
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    return StepResult::Done;
}

StepResult MouseStep(ScriptRunner&, const std::vector<std::string>& words)
{
    HWND control = UsableControl(words[1]);
    const LPARAM point = MAKELPARAM(std::stoi(words[3]), std::stoi(words[4]));
    if (words[2] == "down") {
        SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
    } else if (words[2] == "up") {
        SendMessageW(control, WM_LBUTTONUP, 0, point);
    } else if (words[2] == "double") {
        SendMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        SendMessageW(control, WM_LBUTTONUP, 0, point);
    } else {
        throw std::runtime_error("mouse takes down, up or double");
    }
    return StepResult::Done;
}

StepResult WizardStep(ScriptRunner&, const std::vector<std::string>& words)
{
    static const struct {
        const char* word;
        int button;
        int press;
    } actions[] = {{"back", kWizardBack, PSBTN_BACK},
                   {"next", kWizardNext, PSBTN_NEXT},
                   {"finish", kWizardFinish, PSBTN_FINISH},
                   {"cancel", IDCANCEL, PSBTN_CANCEL}};
    for (const auto& action : actions) {
        if (words[1] == action.word) {
            HWND sheet = CurrentWindow();
            HWND button = GetDlgItem(sheet, action.button);
            if (button == nullptr || !IsWindowVisible(button) || !IsWindowEnabled(button)) {
                throw std::runtime_error("the wizard's " + words[1] + " button is not there to press");
            }
            SendMessageW(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(action.press), 0);
            return StepResult::Done;
        }
    }
    throw std::runtime_error("wizard takes next, back, finish or cancel");
}

// With a file, the box is shot into it before its button is pressed.
StepResult MessageStep(ScriptRunner& runner, const std::vector<std::string>& words)
{
    HWND box = FindMessageBox();
    if (box == nullptr) {
        if (runner.WaitedMs() > kWindowWaitMs) {
            throw std::runtime_error("no message box within 10 s");
        }
        return StepResult::Wait;
    }
    HWND text = GetDlgItem(box, 0xFFFF);
    runner.Print("message\t" + WindowText(box) + "\t" + (text != nullptr ? WindowText(text) : std::string()));
    if (words.size() > 1) {
        SaveWindowBitmap(box, words[1]);
    }
    CloseMessageBox(box);
    return StepResult::Done;
}

// The window that owns the message box up, or else the current dialog.
StepResult OwnerStep(ScriptRunner& runner, const std::vector<std::string>&)
{
    HWND window = FindMessageBox();
    if (window == nullptr) {
        HWND active = GetActiveWindow();
        if (active == nullptr || active == HostModel::Instance().mainWindow) {
            if (runner.WaitedMs() > kWindowWaitMs) {
                throw std::runtime_error("no dialog or message box within 10 s");
            }
            return StepResult::Wait;
        }
        window = CurrentWindow();
    }
    HWND owner = GetWindow(window, GW_OWNER);
    char className[64] = {};
    if (owner != nullptr) {
        GetClassNameA(owner, className, sizeof className);
    }
    runner.Print(std::string("owner\t") + (owner != nullptr ? className : "(none)") + "\t"
                 + (owner != nullptr ? WindowText(owner) : std::string()));
    return StepResult::Done;
}

std::string Escaped(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        escaped += c == '\t' ? "\\t" : c == '\n' ? "\\n" : c == '\r' ? "\\r" : std::string(1, c);
    }
    return escaped;
}

BOOL CALLBACK PrintControl(HWND control, LPARAM target)
{
    auto& runner = *reinterpret_cast<ScriptRunner*>(target);
    char className[64] = {};
    GetClassNameA(control, className, sizeof className);
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    const bool checkable = std::string(className) == "Button" && style != BS_PUSHBUTTON && style != BS_DEFPUSHBUTTON
                        && style != BS_GROUPBOX && style != BS_OWNERDRAW;
    const bool checked = checkable && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const LONG_PTR staticKind = GetWindowLongPtrW(control, GWL_STYLE) & SS_TYPEMASK;
    const bool picture = std::string(className) == "Static" && (staticKind == SS_BITMAP || staticKind == SS_ICON);
    runner.Print(std::to_string(GetDlgCtrlID(control)) + "\t" + className + "\t"
                 + (picture ? std::string() : Escaped(WindowText(control)))
                 + "\tenabled=" + (IsWindowEnabled(control) ? "1" : "0") + "\tchecked=" + (checked ? "1" : "0")
                 + "\tvisible=" + (IsWindowVisible(control) ? "1" : "0"));
    return TRUE;
}

BOOL CALLBACK PrintRect(HWND control, LPARAM target)
{
    auto& runner = *reinterpret_cast<ScriptRunner*>(target);
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, CurrentWindow(), reinterpret_cast<POINT*>(&rect), 2);
    runner.Print(std::to_string(GetDlgCtrlID(control)) + "\t" + std::to_string(rect.left) + "\t"
                 + std::to_string(rect.top) + "\t" + std::to_string(rect.right - rect.left) + "\t"
                 + std::to_string(rect.bottom - rect.top));
    return TRUE;
}

// Where each control lies in the window's client pixels, so that sizes can
// be seen to follow the DPI.
StepResult RectsStep(ScriptRunner& runner, const std::vector<std::string>& words)
{
    if (words.size() == 2) {
        PrintRect(Control(words[1]), reinterpret_cast<LPARAM>(&runner));
    } else {
        EnumChildWindows(CurrentWindow(), &PrintRect, reinterpret_cast<LPARAM>(&runner));
    }
    return StepResult::Done;
}

// The bitmap a picture control shows (STM_GETIMAGE), in its own pixels:
// with the control's size from `rects`, whether it is drawn at the size it
// is shown or stretched by the control.
StepResult PictureStep(ScriptRunner& runner, const std::vector<std::string>& words)
{
    const auto image = reinterpret_cast<HBITMAP>(SendMessageW(Control(words[1]), STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP size{};
    if (image == nullptr || GetObjectW(image, sizeof size, &size) == 0) {
        throw std::runtime_error("control " + words[1] + " shows no bitmap");
    }
    runner.Print("picture\t" + words[1] + "\t" + std::to_string(size.bmWidth) + "x" + std::to_string(size.bmHeight));
    return StepResult::Done;
}

StepResult ControlsStep(ScriptRunner& runner, const std::vector<std::string>&)
{
    EnumChildWindows(CurrentWindow(), &PrintControl, reinterpret_cast<LPARAM>(&runner));
    return StepResult::Done;
}

// The major version of the common controls serving the control's class:
// the module that holds its window procedure is the Common Controls
// assembly's comctl32, in the side-by-side folder named by the assembly
// ("..._microsoft.windows.common-controls_<token>_6.0.2600.2982_..."), or
// user32 with the classic controls, 5. Wine's comctl32 reports 5.81 through
// DllGetVersion in either folder, so the folder is what tells.
int ServingVersion(HWND control)
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(GetClassLongPtrW(control, GCLP_WNDPROC)), &module);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    std::string folder(path);
    for (char& c : folder) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const std::string assembly = "microsoft.windows.common-controls_";
    const std::size_t at = folder.find(assembly);
    if (at == std::string::npos) {
        return 5;
    }
    const std::size_t version = folder.find('_', at + assembly.size());
    return version == std::string::npos ? 0 : std::atoi(folder.c_str() + version + 1);
}

// CCM_GETVERSION: "the version number used by the control"; 6 where the
// creator's activation context asked for Common Controls 6. Wine's themed
// buttons and edits do not answer it (0): then the version of the
// controls that serve the class.
StepResult ControlVersionStep(ScriptRunner& runner, const std::vector<std::string>& words)
{
    HWND control = Control(words[1]);
    LRESULT version = SendMessageW(control, CCM_GETVERSION, 0, 0);
    if (version == 0) {
        version = ServingVersion(control);
    }
    runner.Print("ccversion\t" + words[1] + "\t" + std::to_string(version));
    return StepResult::Done;
}

StepResult ShotStep(ScriptRunner&, const std::vector<std::string>& words)
{
    SaveWindowBitmap(CurrentWindow(), words[1]);
    return StepResult::Done;
}

StepResult EndStep(ScriptRunner& runner, const std::vector<std::string>&)
{
    if (runner.CommandsRunning() == 0) {
        return StepResult::Done;
    }
    if (runner.WaitedMs() > kCommandWaitMs) {
        throw std::runtime_error("the command did not return within 60 s");
    }
    return StepResult::Wait;
}

StepResult WaitStep(ScriptRunner& runner, const std::vector<std::string>& words)
{
    return runner.WaitedMs() >= static_cast<DWORD>(std::stoul(words[1])) ? StepResult::Done : StepResult::Wait;
}
} // namespace

void AddWindowSteps(StepTable& table)
{
    table["window"] = {&WindowStep, 2, 2, true};
    table["set"] = {&SetStep, 3, 3, true};
    table["type"] = {&TypeStep, 3, 3, true};
    table["press"] = {&PressStep, 2, 2, true};
    table["key"] = {&KeyStep, 2, 2, true};
    table["combo"] = {&ComboStep, 3, 3, true};
    table["mouse"] = {&MouseStep, 5, 5, true};
    table["wizard"] = {&WizardStep, 2, 2, true};
    table["message"] = {&MessageStep, 1, 2, true};
    table["owner"] = {&OwnerStep, 1, 1, true};
    table["controls"] = {&ControlsStep, 1, 1, true};
    table["rects"] = {&RectsStep, 1, 2, true};
    table["picture"] = {&PictureStep, 2, 2, true};
    table["shot"] = {&ShotStep, 2, 2, true};
    table["ccversion"] = {&ControlVersionStep, 2, 2, true};
    table["end"] = {&EndStep, 1, 1, true};
    table["wait"] = {&WaitStep, 2, 2, true};
}

} // namespace xlhost
