#pragma once
#include <string>
#include <vector>

#include "tests/commands/samplesort/ScriptCase.h"

// What the Fill from Distribution scripts share: the wizard's registry
// settings, the known seeded draws and the pieces of the host's output.
namespace distfill {

using samplesort::RunSteps;
using samplesort::WriteWorkFile;

// Steps that click the menu item and wait for the wizard's first page.
std::string OpenWizard();

// Removes the "Distributions" settings with all their subkeys.
void ClearDistributionSettings();
// Writes a REG_SZ or REG_DWORD value under "Distributions" (subkey may be
// empty for the key itself).
void SetDistributionText(const std::string& subkey, const std::string& name, const std::string& value);
void SetDistributionNumber(const std::string& subkey, const std::string& name, unsigned long value);
// `reg query /s` of the "Distributions" key: every subkey and value.
std::string DistributionSnapshot();

// The engine's seeded draws as the command-line tool printed them once
// (tests/draws/data/known_draws.txt): name and arguments as written there.
std::vector<std::string> KnownDraws(const std::string& name, const std::string& arguments, unsigned seed,
                                    std::size_t count);

// A file in the work folder, whole, and its path for the wizard's file field.
std::string WorkPath(const std::string& name);
std::string ReadWorkFile(const std::string& name);

// The output split at each `dump state` (its "Cursor" line starts a part).
std::vector<std::vector<std::string>> Parts(const std::vector<std::string>& lines);
// "class<TAB>text<TAB>enabled=..<TAB>checked=..<TAB>visible=1" of the visible
// control with that id in one part of `controls` output.
std::string VisibleControl(const std::vector<std::string>& part, int id);
// Whether a visible control of the part shows exactly this text.
bool ShowsText(const std::vector<std::string>& part, const std::string& text);

// Pixels of pure red (255, 0, 0) in a 24-bit BMP written by `shot`.
long RedPixels(const std::string& bmpName);

} // namespace distfill
