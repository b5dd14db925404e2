#include "tests/xlhost/HostRunner.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace {
std::string Quoted(const std::string& argument)
{
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

HANDLE OutputFile(const std::string& path)
{
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}
} // namespace

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> cells(1);
    for (char c : line) {
        if (c == '\t') {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    return cells;
}

HostRun RunHost(const std::vector<std::string>& arguments)
{
    const std::string out = STOCHAL_HOST_WORK "/xlhost-out.txt";
    const std::string err = STOCHAL_HOST_WORK "/xlhost-err.txt";
    std::string command = Quoted(STOCHAL_XLHOST) + " --dll " + Quoted(STOCHAL_DLL);
    for (const std::string& argument : arguments) {
        command += " " + Quoted(argument);
    }
    HostRun run;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = OutputFile(out);
    startup.hStdError = OutputFile(err);
    PROCESS_INFORMATION process{};
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        run.exitCode = static_cast<int>(code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    std::istringstream text(ReadAll(out));
    for (std::string row; std::getline(text, row);) {
        if (!row.empty() && row.back() == '\r') {
            row.pop_back();
        }
        run.lines.push_back(row);
    }
    run.errors = ReadAll(err);
    return run;
}
