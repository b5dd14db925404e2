#include "tests/xlhost/DecimalOption.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace xlhost {
namespace {
const char kInternational[] = "Control Panel\\International";

// One value of the region setting, put back as it was when the run ends.
class CRegionValue {
public:
    CRegionValue(const char* name, const std::string& value) : m_name(name)
    {
        char previous[16] = {};
        DWORD size = sizeof previous;
        m_had = RegGetValueA(HKEY_CURRENT_USER, kInternational, name, RRF_RT_REG_SZ, nullptr, previous, &size)
                == ERROR_SUCCESS;
        m_previous = previous;
        Write(value);
    }
    ~CRegionValue()
    {
        if (m_had) {
            Write(m_previous);
        } else {
            RegDeleteKeyValueA(HKEY_CURRENT_USER, kInternational, m_name);
        }
    }
    CRegionValue(const CRegionValue&) = delete;
    CRegionValue& operator=(const CRegionValue&) = delete;

private:
    void Write(const std::string& value) const
    {
        if (RegSetKeyValueA(HKEY_CURRENT_USER, kInternational, m_name, REG_SZ, value.c_str(),
                            static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS) {
            throw std::runtime_error(std::string("cannot write the region setting ") + m_name);
        }
    }
    const char* m_name;
    bool m_had = false;
    std::string m_previous;
};

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

std::optional<int> RunWithDecimalSeparator(int argc, char** argv)
{
    std::string decimal;
    std::string others;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--decimal" && i + 1 < argc) {
            decimal = argv[++i];
        } else {
            others += " " + Quoted(argv[i]);
        }
    }
    if (decimal.empty()) {
        return std::nullopt;
    }
    if (decimal != "," && decimal != ".") {
        throw std::runtime_error("--decimal takes , or .");
    }
    std::fflush(stdout);
    const CRegionValue decimalValue("sDecimal", decimal);
    const CRegionValue thousandValue("sThousand", decimal == "," ? "." : ",");
    return RunChild(others);
}

} // namespace xlhost
