#pragma once
#include <string>
#include <vector>

#include "xlw/XlfArgDesc.h"
#include "xlw/XlfFunctionDesc.h"

// One registered worksheet function. The argument type letters come from
// the entry point's own parameter types, so the registration cannot drift
// from the signature.
struct WorksheetFunction {
    std::string entryPoint;
    std::string name;
    std::string help;
    int topic;
    std::vector<XlfArgDesc> arguments;
};

// The nineteen, in registration order.
const std::vector<WorksheetFunction>& WorksheetFunctions();

// The descriptor xlAutoOpen registers: category "Stochal", volatile, help
// topic "StochalHelp.chm!<topic>".
XlfFunctionDesc Describe(const WorksheetFunction& function);
