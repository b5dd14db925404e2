#pragma once
#include <windows.h>

// The DLL's own activation context, from its manifest (Common Controls 6),
// active on this thread while the scope lives: the windows, dialogs and
// message boxes made meanwhile get the themed controls whatever context the
// host runs in. Without the manifest the scope changes nothing.
class CThemeScope {
public:
    CThemeScope();
    ~CThemeScope();
    CThemeScope(const CThemeScope&) = delete;
    CThemeScope& operator=(const CThemeScope&) = delete;

private:
    ULONG_PTR m_cookie = 0;
    bool m_active = false;
};
