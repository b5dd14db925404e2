#pragma once
#include <string>
#include <vector>

#include "tests/xlhost/TestExcel.h"

// One value of a formula or a CSV cell as the host reads it, before Excel
// passes it on to the add-in in an XLOPER or an XLOPER12.
struct HostValue {
    XlWord kind = xltype::Missing; // Num, Str, Bool, Err, Missing, Nil or Ref
    double number = 0.0;
    bool flag = false;
    XlWord error = 0;
    std::string text; // UTF-8
    TestArea area;    // for Ref
};

// The host's reading of its command line: a CALL is a formula without "=",
// NAME(arg, ...), whose arguments are numbers, TRUE/FALSE, "text" (with ""
// for a quote), error names such as #VALUE!, references to the sheet
// anywhere on the grid (A1, A1:C20, A:B, 3:5, XFD1048576), or nothing (an
// omitted argument). NAN, INF and -INF stand for the doubles Excel itself
// never passes, so that tests can.
struct HostCall {
    std::string name;
    std::vector<HostValue> arguments;
};

// Raises std::runtime_error for what it cannot read.
HostCall ParseCall(const std::string& text);
// One value of a formula or a CSV cell; "" is an omitted argument
// (xltypeMissing) in a formula and an empty cell in a sheet.
HostValue ParseValue(const std::string& token, bool inFormula);
// "B2", "B2:C65536", "A:B", "3:5" (0-based rectangle); false when it is no
// reference.
bool ParseReference(const std::string& text, TestArea& area);
// Cells split at top-level commas, quotes respected.
std::vector<std::string> SplitTopLevel(const std::string& text);
// Loads a CSV file of any size into the test Excel's sheet, from A1.
void LoadSheet(const std::string& path);
