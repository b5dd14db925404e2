#pragma once
#include <windows.h>

// The two Excel C API calls the commands make. When the DLL was not loaded
// as an XLL (Excel refused RegisterXLL, or XLCALL32 is missing) the calls
// cannot reach Excel: the owner is then the foreground window, and a long
// fill cannot be stopped with Esc.

// Excel's main window: the owner of every dialog and message box.
HWND ExcelMainWindow();
// True when the user pressed Esc since the last poll.
bool ExcelAbortRequested();
