// Excel 2007 and later export their XLOPER12 callback from the Excel
// process itself, as MdCallBack12; the add-in looks it up in the process's
// main module. An Excel with Excel4 only (--excel4) has none: here it then
// answers xlretFailed, and XLCallVer reports 11 so that the add-in never
// asks.
#include "tests/xlhost/TestExcel.h"

extern "C" __declspec(dllexport) int XLL_CALL MdCallBack12(int function, int count, XLOPER12** arguments,
                                                           XLOPER12* result)
{
    return TestExcel12v(function, count, arguments, result);
}
