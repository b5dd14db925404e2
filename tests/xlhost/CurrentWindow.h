#pragma once
#include <windows.h>

#include <string>

namespace xlhost {

// The window a user would be looking at: the active one, or the topmost
// enabled window of the thread besides Excel's.
HWND CurrentWindow();

// A control of the current window by id, or by window class for a control
// created without one (a word that does not start with a digit), pages of
// a property sheet included; a visible one first.
HWND Control(const std::string& word);

} // namespace xlhost
