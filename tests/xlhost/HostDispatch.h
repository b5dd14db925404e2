#pragma once
#include <windows.h>

#include <string>

#include "tests/xlhost/HostFormula.h"

// Calls an entry point through its registered type text ("RJJR!"): each
// argument converted as Excel converts it for B (a double) and J (a 32-bit
// integer), or passed as an XLOPER for R. Arguments that Excel would refuse
// for B or J give the error value Excel shows, without a call; the result
// is then that error. Returns the result pointer (null for a null result).
const XLOPER* CallRegistered(void* entryPoint, const std::string& typeText, const HostCall& call,
                             XLOPER& refusal);

// Calls the function the XLL in MODULE registered under CALL's name, as
// Excel calls it from a formula. Raises std::runtime_error for a name that
// was never registered or an entry point the module does not export.
const XLOPER* CallWorksheetFunction(HMODULE module, const HostCall& call, XLOPER& refusal);
