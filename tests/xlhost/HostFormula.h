#pragma once
#include <string>
#include <vector>

#include "tests/xlhost/TestExcel.h"

// The host's reading of its command line: a CALL is a formula without "=",
// NAME(arg, ...), whose arguments are numbers, TRUE/FALSE, "text" (with ""
// for a quote), error names such as #VALUE!, references to the sheet (A1 or
// A1:C20), or nothing (an omitted argument). NAN, INF and -INF stand for
// the doubles Excel itself never passes, so that tests can.
struct HostCall {
    std::string name;
    std::vector<XLOPER> arguments;
};

// Raises std::runtime_error for what it cannot read.
HostCall ParseCall(const std::string& text);
// One value of a formula or a CSV cell; "" is an omitted argument
// (xltypeMissing) in a formula and an empty cell in a sheet.
XLOPER ParseValue(const std::string& token, bool inFormula);
// "B2", "B2:C65536" (0-based rectangle); false when it is no reference.
bool ParseReference(const std::string& text, XLREF& rectangle);
// Cells split at top-level commas, quotes respected.
std::vector<std::string> SplitTopLevel(const std::string& text);
// Loads a CSV file into the test Excel's sheet, starting at A1.
void LoadSheet(const std::string& path);
