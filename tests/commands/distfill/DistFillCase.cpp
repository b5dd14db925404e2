#include "tests/commands/distfill/DistFillCase.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace distfill {
namespace {

const char kKey[] = "Software\\Vextor\\Stochal\\Distributions";

HKEY CreateKey(const std::string& subkey)
{
    const std::string path = subkey.empty() ? kKey : std::string(kKey) + "\\" + subkey;
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        ADD_FAILURE() << "cannot create " << path;
    return key;
}

} // namespace

std::string OpenWizard()
{
    return "menu \"&Stochal/Fill from &Distribution...\"\nwindow \"Choose Distribution\"\n";
}

void ClearDistributionSettings()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
}

void SetDistributionText(const std::string& subkey, const std::string& name, const std::string& value)
{
    HKEY key = CreateKey(subkey);
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

void SetDistributionNumber(const std::string& subkey, const std::string& name, unsigned long value)
{
    HKEY key = CreateKey(subkey);
    const DWORD data = value;
    RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    RegCloseKey(key);
}

std::string DistributionSnapshot()
{
    const std::string command = std::string("reg query \"HKCU\\") + kKey + "\" /s 2>&1";
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

std::vector<std::string> KnownDraws(const std::string& name, const std::string& arguments, unsigned seed,
                                    std::size_t count)
{
    std::ifstream file(STOCHAL_SOURCE_DIR "/tests/draws/data/known_draws.txt");
    std::vector<std::string> draws;
    for (std::string line; std::getline(file, line) && draws.size() < count;) {
        std::istringstream words(line);
        std::string lineName, lineArguments, engine;
        unsigned lineSeed = 0;
        std::size_t index = 0;
        if (words >> lineName >> lineArguments >> lineSeed >> index >> engine && lineName == name
            && lineArguments == arguments && lineSeed == seed && index == draws.size())
            draws.push_back(engine);
    }
    EXPECT_EQ(draws.size(), count) << "known draws of " << name << " " << arguments;
    return draws;
}

std::string WorkPath(const std::string& name)
{
    return std::string(STOCHAL_HOST_WORK) + "/" + name;
}

std::string ReadWorkFile(const std::string& name)
{
    std::ifstream file(WorkPath(name), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::vector<std::string>> Parts(const std::vector<std::string>& lines)
{
    std::vector<std::vector<std::string>> parts(1);
    for (const std::string& line : lines) {
        if (line.rfind("Cursor\t", 0) == 0)
            parts.emplace_back();
        parts.back().push_back(line);
    }
    return parts;
}

std::string VisibleControl(const std::vector<std::string>& part, int id)
{
    const std::string prefix = std::to_string(id) + "\t";
    const std::string visible = "\tvisible=1";
    for (const std::string& line : part) {
        if (line.rfind(prefix, 0) == 0 && line.size() >= visible.size()
            && line.compare(line.size() - visible.size(), visible.size(), visible) == 0)
            return line.substr(prefix.size());
    }
    return "(missing)";
}

bool ShowsText(const std::vector<std::string>& part, const std::string& text)
{
    for (const std::string& line : part) {
        const std::vector<std::string> cells = SplitTabs(line);
        if (cells.size() == 6 && cells[2] == text && cells[5] == "visible=1")
            return true;
    }
    return false;
}

long RedPixels(const std::string& bmpName)
{
    const std::string bytes = ReadWorkFile(bmpName);
    if (bytes.size() < 54)
        return -1;
    std::uint32_t offset = 0;
    std::memcpy(&offset, bytes.data() + 10, sizeof offset);
    long red = 0;
    // Bottom-up rows of blue, green, red triples, each row padded to four bytes.
    std::int32_t width = 0;
    std::memcpy(&width, bytes.data() + 18, sizeof width);
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t(3);
    for (std::size_t row = offset; row + stride <= bytes.size(); row += stride) {
        for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
            const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data() + row + 3 * x);
            if (p[0] == 0 && p[1] == 0 && p[2] == 255)
                ++red;
        }
    }
    return red;
}

} // namespace distfill
