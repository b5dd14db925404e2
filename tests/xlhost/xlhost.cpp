// xlhost.exe [--dll PATH] [--sheet FILE.csv] [--caller RxC|A1:B2] [--registrations] CALL...
// Loads the add-in as Excel does, runs xlAutoOpen, then evaluates each CALL
// in one process and prints its result: one line per row, cells separated
// by a tab, "#NULL-RESULT" for a null result.
// xlhost.exe --script FILE [--dll PATH] plays Excel for the Office add-in
// instead, driven by the script (README.md beside this file).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>

#include "tests/xlhost/HostDispatch.h"
#include "tests/xlhost/RunSettings.h"
#include "tests/xlhost/ScriptHost.h"

namespace {
XLREF ParseCaller(const std::string& text)
{
    XLREF rectangle{};
    unsigned rows = 0, columns = 0;
    char x = 0, rest = 0;
    if (std::sscanf(text.c_str(), "%u%c%u%c", &rows, &x, &columns, &rest) == 3 && x == 'x' && rows >= 1
        && rows <= kSheetRows && columns >= 1 && columns <= kSheetColumns) {
        return XLREF{0, static_cast<XlWord>(rows - 1), 0, static_cast<std::uint8_t>(columns - 1)};
    }
    if (!ParseReference(text, rectangle)) {
        throw std::runtime_error("cannot read caller " + text);
    }
    return rectangle;
}

void PrintResult(const XLOPER* result)
{
    if (result == nullptr) {
        std::cout << "#NULL-RESULT\n";
        return;
    }
    if (result->xltype != xltype::Multi) {
        std::cout << FormatValue(*result) << "\n";
        return;
    }
    const auto& array = result->val.array;
    for (XlWord r = 0; r < array.rows; ++r) {
        for (XlWord c = 0; c < array.columns; ++c) {
            std::cout << (c > 0 ? "\t" : "") << FormatValue(array.lparray[static_cast<std::size_t>(r) * array.columns + c]);
        }
        std::cout << "\n";
    }
}

// --script FILE [--dll PATH] in either order; false when not a script run.
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

int Run(int argc, char** argv)
{
    std::string dll = "Stochal.dll";
    std::string script;
    if (ScriptArguments(argc, argv, script, dll)) {
        char full[MAX_PATH] = {};
        GetFullPathNameA(dll.c_str(), MAX_PATH, full, nullptr);
        return RunScript(script, full);
    }
    int i = 1;
    for (; i + 1 < argc && std::string(argv[i]) == "--dll"; i += 2) {
        dll = argv[i + 1];
    }
    TestExcel& excel = TestExcel::Instance();
    char full[MAX_PATH] = {};
    GetFullPathNameA(dll.c_str(), MAX_PATH, full, nullptr);
    excel.SetDllName(full);
    HMODULE module = LoadLibraryA(dll.c_str());
    if (module == nullptr) {
        std::cerr << "xlhost: cannot load " << dll << "\n";
        return 2;
    }
    using AutoOpen = int(XLL_CALL*)();
    auto autoOpen = reinterpret_cast<AutoOpen>(reinterpret_cast<void (*)()>(GetProcAddress(module, "xlAutoOpen")));
    if (autoOpen == nullptr || autoOpen() != 1) {
        std::cerr << "xlhost: xlAutoOpen failed\n";
        return 2;
    }
    for (; i < argc; ++i) {
        const std::string argument = argv[i];
        if ((argument == "--sheet" || argument == "--caller") && i + 1 < argc) {
            if (argument == "--sheet") {
                LoadSheet(argv[++i]);
            } else {
                excel.SetCaller(ParseCaller(argv[++i]));
            }
        } else if (argument == "--registrations") {
            for (const auto& texts : excel.Registrations()) {
                for (std::size_t t = 0; t < texts.size(); ++t) {
                    std::cout << (t > 0 ? "\t" : "") << texts[t];
                }
                std::cout << "\n";
            }
        } else {
            XLOPER refusal{};
            PrintResult(CallWorksheetFunction(module, ParseCall(argument), refusal));
        }
    }
    if (excel.Outstanding() != 0) {
        std::cerr << "xlhost: " << excel.Outstanding() << " values from Excel were never freed\n";
    }
    std::cout.flush();
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    try {
        if (const std::optional<int> code = xlhost::RunWithUserSettings(argc, argv)) {
            return *code;
        }
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "xlhost: " << e.what() << "\n";
        return 2;
    }
}
