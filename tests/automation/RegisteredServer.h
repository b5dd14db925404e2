#pragma once
#include <windows.h>

#include <string>

// Runs a program of the wine installation and waits for it; the standard
// output is returned through output when it is not null.
DWORD RunProgram(const std::wstring& commandLine, std::string* output = nullptr);

// The product DLL registered with the stock regsvr32 for the lifetime of
// the object, unregistered again at the end.
class CRegisteredServer {
public:
    CRegisteredServer();
    ~CRegisteredServer();
    CRegisteredServer(const CRegisteredServer&) = delete;
    CRegisteredServer& operator=(const CRegisteredServer&) = delete;

    DWORD RegisterStatus() const { return m_registered; }
    DWORD Unregister();

    // The DLL's full path as Windows programs see it.
    static std::wstring DllPath();
    // A file of the source tree, by its path below the source root.
    static std::wstring SourcePath(const char* relative);

private:
    DWORD m_registered;
    bool m_unregistered = false;
};
