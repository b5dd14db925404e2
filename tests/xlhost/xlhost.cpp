// xlhost.exe --script FILE [--dll PATH] plays Excel for the Office add-in,
// driven by the script (README.md beside this file).
#include <windows.h>

#include <iostream>
#include <stdexcept>
#include <string>

#include "tests/xlhost/ScriptHost.h"

namespace {
// --script FILE [--dll PATH] in either order; false for anything else.
bool ScriptArguments(int argc, char** argv, std::string& script, std::string& dll)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--script") {
            script = argv[i + 1];
        } else if (option == "--dll") {
            dll = argv[i + 1];
        } else {
            return false;
        }
    }
    return !script.empty() && argc % 2 == 1;
}
} // namespace

int main(int argc, char** argv)
{
    std::string dll = "Stochal.dll";
    std::string script;
    if (!ScriptArguments(argc, argv, script, dll)) {
        std::cerr << "usage: xlhost --script FILE [--dll PATH]\n";
        return 2;
    }
    try {
        char full[MAX_PATH] = {};
        GetFullPathNameA(dll.c_str(), MAX_PATH, full, nullptr);
        return RunScript(script, full);
    } catch (const std::exception& e) {
        std::cerr << "xlhost: " << e.what() << "\n";
        return 2;
    }
}
