#include "win/EntryGuard.h"
#include "worksheet/EntryPoints.h"
#include "worksheet/FunctionTable.h"
#include "xlw/XlfBinding.h"
#include "xlw/XlfExcel.h"

// No exception may leave for Excel. Without a binding nothing can be
// registered, so xlAutoOpen gives up and reports failure; a registration
// step that raises (Excel cannot tell the add-in's path) skips that
// function and the others are still tried.
int xlAutoOpen()
{
    return Guarded(
        [] {
            XlfExcel::Instance().SetDllInstance(CurrentModule());
            for (const WorksheetFunction& function : WorksheetFunctions()) {
                try {
                    Describe(function).Register();
                } catch (...) {
                    continue;
                }
            }
            return 1;
        },
        [] { return 0; }, 0);
}

int xlAutoClose()
{
    return 1;
}
