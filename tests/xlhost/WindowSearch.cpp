#include "tests/xlhost/WindowSearch.h"

#include <cctype>
#include <stdexcept>

#include "tests/xlhost/HostModel.h"
#include "tests/xlhost/ScriptRunner.h"

namespace xlhost {
namespace {
BOOL CALLBACK FirstOtherWindow(HWND window, LPARAM found)
{
    if (window != HostModel::Instance().mainWindow && IsWindowVisible(window) && IsWindowEnabled(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

struct ControlSearch {
    int id;
    std::string className; // when not empty, wanted instead of the id
    HWND visible;
    HWND any;
};

bool Matches(HWND window, const ControlSearch& wanted)
{
    if (wanted.className.empty()) {
        return (GetDlgCtrlID(window) & 0xFFFF) == (wanted.id & 0xFFFF);
    }
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    return wanted.className == className;
}

BOOL CALLBACK MatchControl(HWND window, LPARAM search)
{
    auto& wanted = *reinterpret_cast<ControlSearch*>(search);
    if (Matches(window, wanted)) {
        if (wanted.any == nullptr) {
            wanted.any = window;
        }
        if (IsWindowVisible(window)) {
            wanted.visible = window;
            return FALSE;
        }
    }
    return TRUE;
}

int ControlId(const std::string& word)
{
    std::size_t used = 0;
    const int id = std::stoi(word, &used, 0);
    if (used != word.size()) {
        throw std::runtime_error("no control id: " + word);
    }
    return id;
}
} // namespace

HWND CurrentWindow()
{
    HWND active = GetActiveWindow();
    if (active != nullptr && active != HostModel::Instance().mainWindow && IsWindowVisible(active)) {
        return active;
    }
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FirstOtherWindow, reinterpret_cast<LPARAM>(&found));
    if (found == nullptr) {
        throw std::runtime_error("no window is up");
    }
    return found;
}

HWND Control(const std::string& word)
{
    const bool byClass = !word.empty() && !std::isdigit(static_cast<unsigned char>(word[0]));
    ControlSearch search{byClass ? 0 : ControlId(word), byClass ? word : std::string(), nullptr, nullptr};
    EnumChildWindows(CurrentWindow(), &MatchControl, reinterpret_cast<LPARAM>(&search));
    HWND control = search.visible != nullptr ? search.visible : search.any;
    if (control == nullptr) {
        throw std::runtime_error("no control " + word + " in \"" + WindowText(CurrentWindow()) + "\"");
    }
    return control;
}

HWND UsableControl(const std::string& word)
{
    HWND control = Control(word);
    if (!IsWindowVisible(control) || !IsWindowEnabled(control)) {
        throw std::runtime_error("control " + word + " is hidden or disabled");
    }
    return control;
}

} // namespace xlhost
