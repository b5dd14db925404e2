#include "tests/support/ExcelScript.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace {
std::string Quoted(const std::string& argument)
{
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

HANDLE OutputFile(const std::string& path)
{
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

// Runs xlhost.exe with these arguments, in the work folder.
HostRun RunHostWith(const std::string& arguments)
{
    const std::string out = WorkPath("xlhost-out.txt");
    const std::string err = WorkPath("xlhost-err.txt");
    const std::string command = Quoted(STOCHAL_XLHOST) + " " + arguments;
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
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                       &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        run.exitCode = static_cast<int>(code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    std::istringstream text(ReadWorkFile("xlhost-out.txt"));
    for (std::string row; std::getline(text, row);) {
        if (!row.empty() && row.back() == '\r')
            row.pop_back();
        run.lines.push_back(row);
    }
    run.errors = ReadWorkFile("xlhost-err.txt");
    return run;
}

// Runs xlhost.exe on a script with the product DLL.
HostRun RunHost(const std::string& script)
{
    return RunHostWith("--script " + Quoted(script) + " --dll " + Quoted(STOCHAL_DLL));
}
} // namespace

HostRun ExcelScriptTest::RunCommandLine(bool excel4, const std::vector<std::string>& arguments)
{
    std::string line = std::string(excel4 ? "--excel4 " : "") + "--dll " + Quoted(STOCHAL_DLL);
    for (const std::string& argument : arguments)
        line += " " + Quoted(argument);
    HostRun run = RunHostWith(line);
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    return run;
}

// The folder CTest starts the program in, the program's own.
std::string WorkPath(const std::string& name)
{
    static const std::string folder = [] {
        char path[MAX_PATH] = "";
        GetCurrentDirectoryA(MAX_PATH, path);
        return std::string(path);
    }();
    return folder + "\\" + name;
}

void WriteWorkFile(const std::string& name, const std::string& text)
{
    std::ofstream(WorkPath(name), std::ios::binary) << text;
}

std::string ReadWorkFile(const std::string& name)
{
    std::ifstream file(WorkPath(name), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void ExcelScriptTest::SetUp()
{
    ClearSettings();
}

HostRun ExcelScriptTest::PlayFile(const std::string& path)
{
    HostRun run = RunHost(path);
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    return run;
}

HostRun ExcelScriptTest::Play(const std::string& name, const std::string& script)
{
    WriteWorkFile(name + ".script", script);
    return PlayFile(WorkPath(name + ".script"));
}

HostRun ExcelScriptTest::RunSteps(const std::string& name, const std::string& steps)
{
    return Play(name, "register\nconnect\n" + steps);
}

void ExcelScriptTest::ExpectOutput(const std::string& script, const std::string& expected, int exitCode)
{
    const HostRun run = RunHost(script);
    std::ifstream file(expected, std::ios::binary);
    std::string wanted, output;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        wanted += line + "\n";
    }
    for (const std::string& line : run.lines)
        output += line + "\n";
    EXPECT_EQ(run.exitCode, exitCode) << run.errors;
    EXPECT_EQ(output, wanted) << run.errors;
}
