#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/xlhost/HostFormula.h"

// What a worksheet function gave back, read as the host prints it: null,
// or rows x columns cells (one for a single value), row by row.
struct HostResult {
    bool null = false;
    std::uint32_t rows = 1;
    std::uint32_t columns = 1;
    std::vector<TestCell> cells;
};

// A cell of a result as the host prints it: numbers with 17 significant
// digits, TRUE/FALSE, error names, texts in UTF-8, empty cells empty.
std::string FormatCell(const TestCell& cell);

// Calls an entry point through its registered type text ("RJJR!" with
// XLOPERs, "UJJU!" with XLOPER12s): each argument converted as Excel
// converts it for B (a double) and J (a 32-bit integer), or passed as an
// XLOPER for R or an XLOPER12 for U. Arguments that Excel would refuse for
// B or J give the error value Excel shows, without a call; the result is
// then that error.
HostResult CallRegistered(void* entryPoint, const std::string& typeText, const HostCall& call);

// Calls the function the XLL in MODULE registered under CALL's name, as
// Excel calls it from a formula. Raises std::runtime_error for a name that
// was never registered or an entry point the module does not export.
HostResult CallWorksheetFunction(HMODULE module, const HostCall& call);
