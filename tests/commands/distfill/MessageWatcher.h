#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Presses OK on every message box that appears in this process while it
// lives, from a thread of its own, and keeps their captions and texts.
class CMessageWatcher {
public:
    CMessageWatcher();
    ~CMessageWatcher();
    CMessageWatcher(const CMessageWatcher&) = delete;
    CMessageWatcher& operator=(const CMessageWatcher&) = delete;

    // The "caption: text" of each box closed so far.
    std::vector<std::wstring> Seen();

private:
    static DWORD WINAPI Watch(void* parameter);

    CRITICAL_SECTION m_lock;
    std::vector<std::wstring> m_seen;
    HANDLE m_stop;
    HANDLE m_thread;
};
