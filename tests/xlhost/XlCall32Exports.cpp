// The entry points of XLCALL32.DLL under their C names, as the add-in
// looks them up. MdCallBack12 is the Excel process's own (xlhost.cpp).
#include <cstdarg>

#include "tests/xlhost/TestExcel.h"

extern "C" __declspec(dllexport) int XLL_CALL Excel4v(int function, XLOPER* result, int count, XLOPER** arguments)
{
    return TestExcel4v(function, result, count, arguments);
}

extern "C" __declspec(dllexport) int Excel4(int function, XLOPER* result, int count, ...)
{
    va_list list;
    va_start(list, count);
    const int code = TestExcel4List(function, result, count, list);
    va_end(list);
    return code;
}

extern "C" __declspec(dllexport) int XLL_CALL XLCallVer()
{
    return TestXlCallVer();
}
