// Steps about the DPI a window is drawn at: `dpichange N`, the window
// moved to a monitor of N dots per inch, as Windows tells it; `font ID`,
// the height of a control's text.
#include <windows.h>

#include <map>
#include <stdexcept>
#include <vector>

#include "tests/xlhost/WindowSearch.h"
#include "tests/xlhost/ScriptRunner.h"

namespace xlhost {
namespace {
constexpr UINT kLowestDpi = 96;
constexpr UINT kHighestDpi = 480;

// The DPI each window was last moved to: wine has one DPI for every
// monitor, so its GetDpiForWindow does not follow.
std::map<HWND, UINT>& MovedDpis()
{
    static std::map<HWND, UINT> dpis;
    return dpis;
}

UINT DpiOf(HWND window)
{
    const auto moved = MovedDpis().find(window);
    if (moved != MovedDpis().end()) {
        return moved->second;
    }
    const UINT dpi = GetDpiForWindow(window);
    return dpi != 0 ? dpi : kLowestDpi;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

// What Windows does when a per-monitor v2 top-level window moves to a
// monitor of another DPI ("High DPI Desktop Application Development on
// Windows"; "WM_DPICHANGED", "WM_DPICHANGED_BEFOREPARENT" and
// "WM_DPICHANGED_AFTERPARENT" messages, learn.microsoft.com):
// WM_DPICHANGED_BEFOREPARENT to every window of its child tree, from the
// bottom up; WM_DPICHANGED to the window, the new DPI in both words of
// wParam and in lParam a suggested window rectangle, the present one scaled
// by the DPIs about its top-left corner; WM_DPICHANGED_AFTERPARENT to the
// child tree from the top down. The dialog manager's own rescaling of
// dialog templates, which wine does not do, is not played.
StepResult DpiChangeStep(ScriptRunner&, const std::vector<std::string>& words)
{
    const UINT dpi = static_cast<UINT>(std::stoul(words[1]));
    if (dpi < kLowestDpi || dpi > kHighestDpi) {
        throw std::runtime_error("dpichange takes 96 to 480");
    }
    HWND window = CurrentWindow();
    std::vector<HWND> tree; // parents before their children
    EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&tree));
    for (auto child = tree.rbegin(); child != tree.rend(); ++child) {
        SendMessageW(*child, WM_DPICHANGED_BEFOREPARENT, 0, 0);
    }
    RECT suggested;
    GetWindowRect(window, &suggested);
    const int oldDpi = static_cast<int>(DpiOf(window));
    suggested.right = suggested.left + MulDiv(suggested.right - suggested.left, static_cast<int>(dpi), oldDpi);
    suggested.bottom = suggested.top + MulDiv(suggested.bottom - suggested.top, static_cast<int>(dpi), oldDpi);
    MovedDpis()[window] = dpi;
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    for (HWND child : tree) {
        if (IsWindow(child)) {
            SendMessageW(child, WM_DPICHANGED_AFTERPARENT, 0, 0);
        }
    }
    return StepResult::Done;
}

// `font ID`: the height in pixels of a line of the control's text, its
// font's tmHeight (the font it answers WM_GETFONT with, else the system's).
StepResult FontStep(ScriptRunner& runner, const std::vector<std::string>& words)
{
    HWND control = Control(words[1]);
    HDC dc = GetDC(control);
    const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    if (previous != nullptr) {
        SelectObject(dc, previous);
    }
    ReleaseDC(control, dc);
    runner.Print("font\t" + words[1] + "\t" + std::to_string(metrics.tmHeight));
    return StepResult::Done;
}
} // namespace

void AddDpiSteps(StepTable& table)
{
    table["dpichange"] = {&DpiChangeStep, 2, 2, true};
    table["font"] = {&FontStep, 2, 2, true};
}

} // namespace xlhost
