// The two entry points of XLCALL32.DLL under their C names, as the add-in
// looks them up.
#include <cstdarg>
#include <vector>

#include "tests/xlhost/TestExcel.h"

extern "C" __declspec(dllexport) int XLL_CALL Excel4v(int function, XLOPER* result, int count, XLOPER** arguments)
{
    return TestExcel4v(function, result, count, arguments);
}

extern "C" __declspec(dllexport) int Excel4(int function, XLOPER* result, int count, ...)
{
    std::vector<XLOPER*> arguments(count > 0 ? static_cast<std::size_t>(count) : 0);
    va_list list;
    va_start(list, count);
    for (auto& argument : arguments) {
        argument = va_arg(list, XLOPER*);
    }
    va_end(list);
    return TestExcel4v(function, result, count, arguments.data());
}
