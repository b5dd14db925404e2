#pragma once
#include <string>

// xlhost.exe --script FILE [--dll PATH]: plays Excel for the script, with
// a main window of class "XLMAIN" whose timer advances the script. The
// exit code: 0 when the whole script ran, 1 when it failed.
int RunScript(const std::string& scriptPath, const std::string& dllPath);
