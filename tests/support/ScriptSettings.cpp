// The add-in's settings in the registry of the test's wine prefix, set
// before a script and read after it as `reg query` shows them.
#include "tests/support/ExcelScript.h"

#include <windows.h>

#include <cstdio>
#include <sstream>

namespace {
std::string KeyPath(const std::string& section)
{
    const std::string root = "Software\\Vextor\\Stochal";
    return section.empty() ? root : root + "\\" + section;
}

HKEY CreateKey(const std::string& section)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath(section).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr)
        != ERROR_SUCCESS)
        ADD_FAILURE() << "cannot create " << KeyPath(section);
    return key;
}

std::string RegQuery(const std::string& section, const char* options)
{
    const std::string command = "reg query \"HKCU\\" + KeyPath(section) + "\"" + options + " 2>&1";
    std::string text;
    FILE* pipe = _popen(command.c_str(), "r");
    if (pipe == nullptr)
        return "(reg did not run)";
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        text += buffer;
    _pclose(pipe);
    return text;
}
} // namespace

void ClearSettings()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, KeyPath("").c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, KeyPath("").c_str());
}

void SetSetting(const std::string& section, const std::string& name, unsigned long value)
{
    HKEY key = CreateKey(section);
    const DWORD data = value;
    RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    RegCloseKey(key);
}

void SetSettingText(const std::string& section, const std::string& name, const std::string& text)
{
    HKEY key = CreateKey(section);
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

std::map<std::string, std::string> SettingNumbers(const std::string& section)
{
    std::map<std::string, std::string> values;
    std::istringstream lines(RegQuery(section, ""));
    for (std::string line; std::getline(lines, line);) {
        // "    Count    REG_DWORD    0x64"
        const std::size_t type = line.find("REG_DWORD");
        if (type == std::string::npos)
            continue;
        std::string name = line.substr(0, type);
        name.erase(0, name.find_first_not_of(" \t"));
        name.erase(name.find_last_not_of(" \t") + 1);
        std::istringstream rest(line.substr(type + 9));
        rest >> values[name];
    }
    return values;
}

std::string SettingsSnapshot(const std::string& section)
{
    return RegQuery(section, " /s");
}
