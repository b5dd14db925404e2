#include "win/ui/CommandGate.h"

namespace {

// Excel calls every command on its one user-interface thread.
bool g_commandRunning = false;

BOOL CALLBACK FindCommandWindow(HWND window, LPARAM found)
{
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window) || !IsWindowEnabled(window))
        return TRUE;
    const HWND owner = GetWindow(window, GW_OWNER);
    if ((owner && !IsWindowEnabled(owner)) || thread != GetCurrentThreadId()) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The running command's window in front of the user: the topmost visible,
// enabled window of this process that a modal loop keeps in front (its
// owner disabled), or that a second thread shows (a progress window).
HWND RunningCommandWindow()
{
    HWND found = nullptr;
    EnumWindows(&FindCommandWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace

CCommandGate::CCommandGate() : m_open(!g_commandRunning)
{
    if (m_open) {
        g_commandRunning = true;
    } else if (const HWND window = RunningCommandWindow()) {
        SetForegroundWindow(window);
    }
}

CCommandGate::~CCommandGate()
{
    if (m_open)
        g_commandRunning = false;
}
