#pragma once
#include <string>

#include "xlw/XlCall.h"
#include "xlw/XlCall12.h"

// What the bridge needs from the platform: Excel's callback entry points
// and the file name of a loaded module. The product binds to XLCALL32.DLL
// and to the Excel process; native tests install an in-process stand-in.
struct XlfBinding {
    Excel4Proc excel4 = nullptr;
    Excel4vProc excel4v = nullptr;
    // Excel 2007 and later: MdCallBack12 of the Excel process, and
    // XLCallVer of XLCALL32.DLL; either is null in an older Excel.
    Excel12vProc excel12v = nullptr;
    XlCallVerProc xlCallVer = nullptr;
    // Full file name of the module, or "" when it cannot be had.
    std::string (*moduleFileName)(void* module) = nullptr;
};

using XlfBinder = XlfBinding (*)();

// Loads XLCALL32.DLL and looks up Excel4 and Excel4v (raising
// std::runtime_error when either step fails), then XLCallVer and the
// Excel process's MdCallBack12, which an Excel before 2007 lacks.
XlfBinding BindToExcel();

// The module handle of the DLL that holds this code.
void* CurrentModule();

// Replaces BindToExcel for the next binding (tests only; call before the
// first XlfExcel::Instance(), or rebind it).
void SetXlfBinder(XlfBinder binder);
XlfBinder CurrentXlfBinder();
