#pragma once
// The test Excel (xlhost.exe) with the product DLL, for every script test:
// it plays script steps in this program's work folder and prefix, and the
// readers below take apart what it printed and left behind.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

// What one run of the host printed.
struct HostRun {
    int exitCode = -1;
    std::vector<std::string> lines; // standard output, one entry a line
    std::string errors;             // standard error

    bool Has(const std::string& line) const;
    // Lines that start with prefix: how many, and what follows the prefix.
    std::size_t Count(const std::string& prefix) const;
    std::vector<std::string> After(const std::string& prefix) const;
    // Each `dump clipboard`: the CF_TEXT bytes as the host escapes them.
    std::vector<std::string> Clipboards() const;
};

// The cells of one output line.
std::vector<std::string> SplitTabs(const std::string& line);

// The output read front to back: each check takes the lines it expects, so
// a line out of place fails the test there.
class ScriptOutput {
public:
    explicit ScriptOutput(std::vector<std::string> lines) : m_lines(std::move(lines)) {}

    bool AtEnd() const { return m_next >= m_lines.size(); }
    // The next line, which must be there.
    std::string Take();
    void Expect(const std::string& line);
    // The next rows of a `dump cells`, split at the tabs.
    std::vector<std::vector<std::string>> TakeCells(std::size_t rows);
    // Lines up to and including the one that starts with prefix.
    std::vector<std::string> TakeThrough(const std::string& prefix);

private:
    std::vector<std::string> m_lines;
    std::size_t m_next = 0;
};

// Files of the work folder, where scripts and their `shot`s are written.
std::string WorkPath(const std::string& name);
void WriteWorkFile(const std::string& name, const std::string& text);
std::string ReadWorkFile(const std::string& name);

// Settings under HKCU\Software\Vextor\Stochal; section may name subkeys
// ("Distributions\\Method") or be empty for the key itself.
void ClearSettings();
void SetSetting(const std::string& section, const std::string& name, unsigned long value);
void SetSettingText(const std::string& section, const std::string& name, const std::string& text);
// DWORD values of a section, as `reg query` prints their data ("0x64").
std::map<std::string, std::string> SettingNumbers(const std::string& section);
// `reg query /s` of a section: every subkey and value.
std::string SettingsSnapshot(const std::string& section);

// `dump state` and `controls` output: the parts that each "Cursor" line
// starts, and in one part the visible control with that id as
// "class<TAB>text<TAB>enabled=..<TAB>checked=..<TAB>visible=1".
std::vector<std::vector<std::string>> Parts(const std::vector<std::string>& lines);
std::string VisibleControl(const std::vector<std::string>& part, int id);

// Each test starts with no settings; the wine prefix is this program's own.
class ExcelScriptTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Plays a script file as it is.
    static HostRun PlayFile(const std::string& path);
    // Plays a script written into the work folder as name.script.
    static HostRun Play(const std::string& name, const std::string& script);
    // Plays steps after "register" and "connect".
    static HostRun RunSteps(const std::string& name, const std::string& steps);
    // The command-line mode: xlhost.exe [--excel4] --dll DLL ARGUMENTS...
    // (each argument quoted), in the work folder.
    static HostRun RunCommandLine(bool excel4, const std::vector<std::string>& arguments);
    // The whole output and exit code of a script file against its expected file.
    static void ExpectOutput(const std::string& script, const std::string& expected, int exitCode = 0);
};
