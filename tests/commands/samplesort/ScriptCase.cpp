#include "tests/commands/samplesort/ScriptCase.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace samplesort {
namespace {

const char kRoot[] = "Software\\Vextor\\Stochal";

std::string WorkPath(const std::string& name)
{
    return std::string(STOCHAL_HOST_WORK) + "/" + name;
}

} // namespace

void WriteWorkFile(const std::string& name, const std::string& text)
{
    std::ofstream file(WorkPath(name), std::ios::binary);
    file << text;
}

void ClearSettings()
{
    for (const char* section : {"Sample Dialog", "Random Sort"}) {
        const std::string path = std::string(kRoot) + "\\" + section;
        RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
    }
}

void SetSetting(const char* section, const char* name, unsigned long value)
{
    const std::string path = std::string(kRoot) + "\\" + section;
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD data = value;
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    RegCloseKey(key);
}

std::map<std::string, std::string> RegQuery(const std::string& section)
{
    const std::string command = "reg query \"HKCU\\" + std::string(kRoot) + "\\" + section + "\"";
    std::map<std::string, std::string> values;
    FILE* pipe = _popen(command.c_str(), "r");
    if (pipe == nullptr)
        return values;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        // "    Count    REG_DWORD    0x64"
        std::string line(buffer);
        const std::size_t type = line.find("REG_DWORD");
        if (type == std::string::npos)
            continue;
        std::string name = line.substr(0, type);
        name.erase(0, name.find_first_not_of(" \t"));
        name.erase(name.find_last_not_of(" \t") + 1);
        std::istringstream rest(line.substr(type + 9));
        rest >> values[name];
    }
    _pclose(pipe);
    return values;
}

HostRun RunSteps(const std::string& name, const std::string& steps)
{
    const std::string script = name + ".script";
    WriteWorkFile(script, "register\nconnect\n" + steps);
    HostRun run = RunHost({"--script", WorkPath(script)});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    return run;
}

std::vector<std::string> LinesAfter(const HostRun& run, const std::string& prefix)
{
    std::vector<std::string> found;
    for (const std::string& line : run.lines) {
        if (line.compare(0, prefix.size(), prefix) == 0)
            found.push_back(line.substr(prefix.size()));
    }
    return found;
}

std::vector<std::string> ClipboardTexts(const HostRun& run)
{
    std::vector<std::string> texts;
    for (std::size_t i = 1; i < run.lines.size(); ++i) {
        if (run.lines[i] == "unicode yes" || run.lines[i] == "unicode no")
            texts.push_back(run.lines[i - 1]);
    }
    return texts;
}

std::vector<unsigned> ReferenceOrder(const std::string& caseName)
{
    std::ifstream file(STOCHAL_SOURCE_DIR "/tests/commands/samplesort/data/orders.txt");
    for (std::string line; std::getline(file, line);) {
        std::istringstream words(line);
        std::string name;
        words >> name;
        if (name != caseName)
            continue;
        std::vector<unsigned> order;
        for (unsigned position; words >> position;)
            order.push_back(position);
        return order;
    }
    ADD_FAILURE() << "no reference for " << caseName;
    return {};
}

std::string EscapedLines(const std::vector<std::vector<std::string>>& rows)
{
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c)
            text += (c > 0 ? "\\t" : "") + row[c];
        text += "\\n";
    }
    return text + "\\0";
}

} // namespace samplesort
