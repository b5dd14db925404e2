#pragma once
#include <map>
#include <string>
#include <vector>

#include "tests/xlhost/HostRunner.h"

// Running the test Excel on a script written by the test, with the product
// DLL registered, connected and its settings reset first.
namespace samplesort {

// Writes a file beside the scripts.
void WriteWorkFile(const std::string& name, const std::string& text);
// Removes the settings sections of both commands.
void ClearSettings();
void SetSetting(const char* section, const char* name, unsigned long value);
// `reg query` of a section of HKCU\Software\Vextor\Stochal: value name to
// its printed data ("0x64").
std::map<std::string, std::string> RegQuery(const std::string& section);

// Runs the steps after "register" and "connect"; fails the test when the
// host reports a failure.
HostRun RunSteps(const std::string& name, const std::string& steps);

// The lines that start with prefix, without it.
std::vector<std::string> LinesAfter(const HostRun& run, const std::string& prefix);
// Each `dump clipboard`: the CF_TEXT bytes as the host escapes them.
std::vector<std::string> ClipboardTexts(const HostRun& run);

// The reference positions of a seeded case (data/orders.txt).
std::vector<unsigned> ReferenceOrder(const std::string& caseName);

// Cells joined as the clipboard holds them: tabs, a line feed after each
// row, escaped like the host's dump, and the final NUL.
std::string EscapedLines(const std::vector<std::vector<std::string>>& rows);

} // namespace samplesort
