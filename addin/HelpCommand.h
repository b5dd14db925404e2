#pragma once
#include <windows.h>

#include <string>

// HtmlHelpW, found once per process: the library registered for HTML
// Help's class, else "hhctrl.ocx", and its export with ordinal 15. A failure
// is remembered and never retried. The wide entry takes a path with any
// character a user name can hold, which the ANSI code page may not.
using HtmlHelpProc = HWND(WINAPI*)(HWND owner, LPCWSTR file, UINT command, DWORD_PTR data);

// How the loader reaches the system; replaced in tests to count the calls.
struct CHelpLoaderSystem {
    // The default value of the HTML Help class's InprocServer32 key, or "".
    std::string (*registeredLibrary)();
    HMODULE (*load)(const char* name);
    FARPROC (*lookUp)(HMODULE module, WORD ordinal);
};

class CHtmlHelpLoader {
public:
    explicit CHtmlHelpLoader(const CHelpLoaderSystem& system);
    // The function, loaded on the first call; null when it cannot be had.
    HtmlHelpProc Get();

private:
    CHelpLoaderSystem m_system;
    bool m_tried = false;
    HtmlHelpProc m_proc = nullptr;
};

CHelpLoaderSystem WindowsHelpLoader();

// "<directory of module>\StochalHelp.chm::/index.htm".
std::wstring HelpTopicPath(HMODULE module);
// Shows the help's index topic; does nothing, silently, without HTML Help.
void ShowHelpIndex();
