#include "tests/xlhost/RunSettings.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace xlhost {
namespace {
const char kInternational[] = "Control Panel\\International";
const char kDesktop[] = "Control Panel\\Desktop";

// One value of the user's settings (REG_SZ or REG_DWORD), put back as it
// was when the run ends.
class CUserValue {
public:
    CUserValue(const char* key, const char* name, DWORD type, const std::string& bytes)
        : m_key(key), m_name(name)
    {
        char previous[64] = {};
        DWORD size = sizeof previous;
        m_had = RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_ANY, &m_previousType, previous, &size)
                == ERROR_SUCCESS;
        m_previous.assign(previous, m_had ? size : 0);
        Write(type, bytes);
    }
    ~CUserValue()
    {
        if (m_had) {
            Write(m_previousType, m_previous);
        } else {
            RegDeleteKeyValueA(HKEY_CURRENT_USER, m_key, m_name);
        }
    }
    CUserValue(const CUserValue&) = delete;
    CUserValue& operator=(const CUserValue&) = delete;

private:
    void Write(DWORD type, const std::string& bytes) const
    {
        if (RegSetKeyValueA(HKEY_CURRENT_USER, m_key, m_name, type, bytes.data(), static_cast<DWORD>(bytes.size()))
            != ERROR_SUCCESS) {
            throw std::runtime_error(std::string("cannot write the setting ") + m_name);
        }
    }
    const char* m_key;
    const char* m_name;
    bool m_had = false;
    DWORD m_previousType = REG_NONE;
    std::string m_previous;
};

std::string Text(const std::string& value)
{
    return std::string(value.c_str(), value.size() + 1); // with its NUL
}

std::string Dword(DWORD value)
{
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

std::string Quoted(const std::string& argument)
{
    return "\"" + argument + "\"";
}

int RunChild(const std::string& commandLine)
{
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string line = Quoted(program) + commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        throw std::runtime_error("cannot start the run with the separators");
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 2;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}
} // namespace

std::optional<int> RunWithUserSettings(int argc, char** argv)
{
    std::string decimal;
    std::string dpi;
    std::string others;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if ((option == "--decimal" || option == "--dpi") && i + 1 < argc) {
            (option == "--decimal" ? decimal : dpi) = argv[++i];
        } else {
            others += " " + Quoted(argv[i]);
        }
    }
    if (decimal.empty() && dpi.empty()) {
        return std::nullopt;
    }
    if (!decimal.empty() && decimal != "," && decimal != ".") {
        throw std::runtime_error("--decimal takes , or .");
    }
    const unsigned long pixels = dpi.empty() ? 0 : std::stoul(dpi);
    if (!dpi.empty() && (pixels < 96 || pixels > 480)) {
        throw std::runtime_error("--dpi takes 96 to 480");
    }
    std::fflush(stdout);
    std::optional<CUserValue> decimalValue, thousandValue, dpiValue;
    if (!decimal.empty()) {
        decimalValue.emplace(kInternational, "sDecimal", REG_SZ, Text(decimal));
        thousandValue.emplace(kInternational, "sThousand", REG_SZ, Text(decimal == "," ? "." : ","));
    }
    if (!dpi.empty()) {
        dpiValue.emplace(kDesktop, "LogPixels", REG_DWORD, Dword(static_cast<DWORD>(pixels)));
    }
    return RunChild(others);
}

} // namespace xlhost
