#pragma once
// The window and the controls the window steps act on.
#include <windows.h>

#include <string>

namespace xlhost {

// The window a user would be looking at: the active one, or the topmost
// enabled window of the thread besides Excel's. Throws when none is up.
HWND CurrentWindow();
// A control of the current window by id (decimal or 0x hex), or by window
// class for a control created without one (a word that does not start
// with a digit), pages of a property sheet included; a visible one first.
// Throws when there is none.
HWND Control(const std::string& word);
// The same, and it must be visible and enabled.
HWND UsableControl(const std::string& word);

} // namespace xlhost
