// xlhost.exe [--excel4] [--dll PATH] [--sheet FILE.csv] [--caller RxC|A1:B2|none] [--registrations] CALL...
// Loads the add-in as Excel does, runs xlAutoOpen, then evaluates each CALL
// in one process and prints its result: one line per row, cells separated
// by a tab, texts in UTF-8, "#NULL-RESULT" for a null result.
// xlhost.exe [--excel4] --script FILE [--dll PATH] plays Excel for the
// Office add-in instead, driven by the script (README.md beside this file).
// --excel4 plays an Excel that offers only Excel4 (XLOPER values).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <stdexcept>
#include <string>

#include "tests/xlhost/HostDispatch.h"
#include "tests/xlhost/ScriptHost.h"

namespace {
TestArea ParseCaller(const std::string& text)
{
    TestArea area;
    unsigned rows = 0, columns = 0;
    char x = 0, rest = 0;
    if (std::sscanf(text.c_str(), "%u%c%u%c", &rows, &x, &columns, &rest) == 3 && x == 'x' && rows >= 1
        && rows <= kGridRows && columns >= 1 && columns <= kGridColumns) {
        return TestArea{0, rows - 1, 0, columns - 1};
    }
    if (!ParseReference(text, area)) {
        throw std::runtime_error("cannot read caller " + text);
    }
    return area;
}

void PrintResult(const HostResult& result)
{
    if (result.null) {
        std::cout << "#NULL-RESULT\n";
        return;
    }
    for (std::uint32_t r = 0; r < result.rows; ++r) {
        for (std::uint32_t c = 0; c < result.columns; ++c) {
            std::cout << (c > 0 ? "\t" : "") << FormatCell(result.cells[static_cast<std::size_t>(r) * result.columns + c]);
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
    // Before the add-in loads, as an Excel is what it is from the start.
    if (argc > 1 && std::string(argv[1]) == "--excel4") {
        TestExcel::Instance().PlayExcel4Only(true);
        argv[1] = argv[0];
        --argc;
        ++argv;
    }
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
    bool opened = false;
    if (autoOpen != nullptr) {
        const TestExcel::XllCall calling;
        opened = autoOpen() == 1;
    }
    if (!opened) {
        std::cerr << "xlhost: xlAutoOpen failed\n";
        return 2;
    }
    for (; i < argc; ++i) {
        const std::string argument = argv[i];
        if ((argument == "--sheet" || argument == "--caller") && i + 1 < argc) {
            if (argument == "--sheet") {
                LoadSheet(argv[++i]);
            } else if (std::string(argv[++i]) == "none") {
                excel.SetNoCaller();
            } else {
                excel.SetCaller(ParseCaller(argv[i]));
            }
        } else if (argument == "--registrations") {
            for (const auto& texts : excel.Registrations()) {
                for (std::size_t t = 0; t < texts.size(); ++t) {
                    std::cout << (t > 0 ? "\t" : "") << texts[t];
                }
                std::cout << "\n";
            }
        } else {
            PrintResult(CallWorksheetFunction(module, ParseCall(argument)));
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
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "xlhost: " << e.what() << "\n";
        return 2;
    }
}
