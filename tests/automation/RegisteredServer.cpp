#include "tests/automation/RegisteredServer.h"

#include <stdexcept>
#include <vector>

namespace {

std::wstring FullPath(const std::string& path)
{
    std::wstring wide(path.begin(), path.end());
    std::vector<wchar_t> full(MAX_PATH * 4);
    const DWORD length = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size())
        throw std::runtime_error("no full path for " + path);
    return std::wstring(full.data(), length);
}

class CHandle {
public:
    CHandle() = default;
    ~CHandle() { Close(); }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    HANDLE* Out() { return &m_handle; }
    HANDLE Get() const { return m_handle; }
    void Close()
    {
        if (m_handle)
            CloseHandle(m_handle);
        m_handle = nullptr;
    }

private:
    HANDLE m_handle = nullptr;
};

} // namespace

DWORD RunProgram(const std::wstring& commandLine, std::string* output)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    CHandle readEnd;
    CHandle writeEnd;
    if (output && !CreatePipe(readEnd.Out(), writeEnd.Out(), &inherit, 0))
        throw std::runtime_error("cannot create a pipe");
    if (output)
        SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (output) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = writeEnd.Get();
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    }
    PROCESS_INFORMATION process = {};
    std::wstring command = commandLine;
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        throw std::runtime_error("cannot start a program");
    writeEnd.Close();
    if (output) {
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(readEnd.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
            output->append(buffer, read);
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

std::wstring CRegisteredServer::DllPath()
{
    return FullPath(STOCHAL_DLL_PATH);
}

std::wstring CRegisteredServer::SourcePath(const char* relative)
{
    return FullPath(std::string(STOCHAL_SOURCE_DIR "/") + relative);
}

CRegisteredServer::CRegisteredServer()
    : m_registered(RunProgram(L"regsvr32.exe /s \"" + DllPath() + L"\""))
{
}

CRegisteredServer::~CRegisteredServer()
{
    if (!m_unregistered)
        Unregister();
}

DWORD CRegisteredServer::Unregister()
{
    m_unregistered = true;
    return RunProgram(L"regsvr32.exe /u /s \"" + DllPath() + L"\"");
}
