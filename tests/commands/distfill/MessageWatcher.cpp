#include "tests/commands/distfill/MessageWatcher.h"

namespace {

constexpr int kMessageTextId = 0xFFFF;

struct CSearch {
    HWND found = nullptr;
};

BOOL CALLBACK FindBox(HWND window, LPARAM parameter)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (process == GetCurrentProcessId() && lstrcmpW(className, L"#32770") == 0 && IsWindowVisible(window)
        && GetDlgItem(window, kMessageTextId) && GetDlgItem(window, IDOK)) {
        reinterpret_cast<CSearch*>(parameter)->found = window;
        return FALSE;
    }
    return TRUE;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[4096] = {};
    GetWindowTextW(window, text, 4096);
    return text;
}

} // namespace

CMessageWatcher::CMessageWatcher()
{
    InitializeCriticalSection(&m_lock);
    m_stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_thread = CreateThread(nullptr, 0, &CMessageWatcher::Watch, this, 0, nullptr);
}

CMessageWatcher::~CMessageWatcher()
{
    SetEvent(m_stop);
    WaitForSingleObject(m_thread, INFINITE);
    CloseHandle(m_thread);
    CloseHandle(m_stop);
    DeleteCriticalSection(&m_lock);
}

std::vector<std::wstring> CMessageWatcher::Seen()
{
    EnterCriticalSection(&m_lock);
    std::vector<std::wstring> seen = m_seen;
    LeaveCriticalSection(&m_lock);
    return seen;
}

DWORD WINAPI CMessageWatcher::Watch(void* parameter)
{
    auto* watcher = static_cast<CMessageWatcher*>(parameter);
    while (WaitForSingleObject(watcher->m_stop, 20) == WAIT_TIMEOUT) {
        CSearch search;
        EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            continue;
        const std::wstring seen = TextOf(search.found) + L": " + TextOf(GetDlgItem(search.found, kMessageTextId));
        EnterCriticalSection(&watcher->m_lock);
        watcher->m_seen.push_back(seen);
        LeaveCriticalSection(&watcher->m_lock);
        SendMessageW(search.found, WM_COMMAND, IDOK, 0);
        // Until the box is gone, do not read it twice.
        while (IsWindow(search.found) && IsWindowVisible(search.found))
            Sleep(5);
    }
    return 0;
}
