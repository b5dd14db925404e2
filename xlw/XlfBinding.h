#pragma once
#include <string>

#include "xlw/XlCall.h"

// What the bridge needs from the platform: Excel's two callback entry
// points and the file name of a loaded module. The product binds to
// XLCALL32.DLL; native tests install an in-process stand-in instead.
struct XlfBinding {
    Excel4Proc excel4 = nullptr;
    Excel4vProc excel4v = nullptr;
    // Full file name of the module, or "" when it cannot be had.
    std::string (*moduleFileName)(void* module) = nullptr;
};

using XlfBinder = XlfBinding (*)();

// Loads XLCALL32.DLL and looks up Excel4 and Excel4v; raises
// std::runtime_error when either step fails.
XlfBinding BindToExcel();

// The module handle of the DLL that holds this code.
void* CurrentModule();

// Replaces BindToExcel for the next binding (tests only; call before the
// first XlfExcel::Instance()).
void SetXlfBinder(XlfBinder binder);
XlfBinder CurrentXlfBinder();
