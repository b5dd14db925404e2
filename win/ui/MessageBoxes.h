#pragma once
#include <windows.h>

#include <string>

#include "win/com/ComError.h"

// The message boxes the commands share: owned by Excel's main window (the
// owner given), caption "Error", an OK button.
void ShowError(HWND owner, const std::wstring& text);
// "<prefix> Error <HRESULT in hex> (<description>)."
void ShowComError(HWND owner, const std::wstring& prefix, const CComError& error);
std::wstring ComErrorText(const std::wstring& prefix, const CComError& error);
// What a command shows when an exception reached its entry point:
// "Unexpected error. " with CurrentFailure. Call it only inside a handler.
void ShowUnexpectedFailure(HWND owner);
