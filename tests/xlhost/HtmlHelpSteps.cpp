// Windows' HTML Help, played by the test Excel so that a script sees which
// topic a dialog opens: `htmlhelp` registers this program as the server of
// the HTML Help control's class (the add-in finds HtmlHelpW there, at
// ordinal 15, as in hhctrl.ocx), and `helped` prints the calls since the
// last `helped` (waiting up to 2 s for the first).
#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/xlhost/ScriptRunner.h"

namespace xlhost {
namespace {
// A key pressed just before reaches the window through the system's input.
constexpr DWORD kHelpWaitMs = 2000;
// Through HKEY_CLASSES_ROOT, where the add-in reads it: wine does not lay
// HKCU\Software\Classes over it as Windows does.
const char kHtmlHelpServerKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";

// The server registered before the run, put back when the run ends.
class CRegisteredServer {
public:
    void Replace(const std::string& path)
    {
        if (!m_saved) {
            char previous[MAX_PATH] = {};
            DWORD size = sizeof previous;
            m_hadValue = RegGetValueA(HKEY_CLASSES_ROOT, kHtmlHelpServerKey, nullptr, RRF_RT_REG_SZ, nullptr, previous,
                                      &size) == ERROR_SUCCESS;
            m_previous = previous;
            m_saved = true;
        }
        Write(path);
    }
    ~CRegisteredServer()
    {
        if (!m_saved) {
            return;
        }
        if (m_hadValue) {
            Write(m_previous);
        } else {
            RegDeleteKeyValueA(HKEY_CLASSES_ROOT, kHtmlHelpServerKey, nullptr);
        }
    }

private:
    static void Write(const std::string& path)
    {
        if (RegSetKeyValueA(HKEY_CLASSES_ROOT, kHtmlHelpServerKey, nullptr, REG_SZ, path.c_str(),
                            static_cast<DWORD>(path.size() + 1)) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot register the HTML Help server");
        }
    }
    bool m_saved = false;
    bool m_hadValue = false;
    std::string m_previous;
};

std::vector<std::string>& Calls()
{
    static std::vector<std::string> calls;
    return calls;
}

StepResult HtmlHelpStep(ScriptRunner&, const std::vector<std::string>&)
{
    static CRegisteredServer server;
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    server.Replace(path);
    return StepResult::Done;
}

StepResult HelpedStep(ScriptRunner& runner, const std::vector<std::string>&)
{
    if (Calls().empty() && runner.WaitedMs() < kHelpWaitMs) {
        return StepResult::Wait;
    }
    for (const std::string& call : Calls()) {
        runner.Print(call);
    }
    if (Calls().empty()) {
        runner.Print("help\tnone");
    }
    Calls().clear();
    return StepResult::Done;
}
} // namespace

void AddHtmlHelpSteps(StepTable& table)
{
    table["htmlhelp"] = {&HtmlHelpStep, 1, 1, false};
    table["helped"] = {&HelpedStep, 1, 1, true};
}

} // namespace xlhost

// HtmlHelpW as hhctrl.ocx exports it: the file (with "::/topic") and the
// command; printed as `help<TAB>FILE::TOPIC<TAB>command<TAB>owner=...`, the
// file (in UTF-8) without its folder, the owner's window class.
extern "C" HWND WINAPI HostHtmlHelpW(HWND owner, LPCWSTR file, UINT command, DWORD_PTR)
{
    std::string name;
    if (file != nullptr) {
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, file, -1, nullptr, 0, nullptr, nullptr);
        if (bytes > 1) {
            name.resize(static_cast<std::size_t>(bytes - 1));
            WideCharToMultiByte(CP_UTF8, 0, file, -1, &name[0], bytes, nullptr, nullptr);
        }
    }
    const std::size_t folder = name.rfind('\\', name.find("::"));
    if (folder != std::string::npos) {
        name.erase(0, folder + 1);
    }
    char ownerClass[64] = "none";
    if (owner != nullptr) {
        GetClassNameA(owner, ownerClass, sizeof ownerClass);
    }
    xlhost::Calls().push_back("help\t" + name + "\t" + std::to_string(command) + "\towner=" + ownerClass);
    return nullptr;
}
