#include "win/excel/ExcelCApi.h"

#include <cstdint>
#include <exception>

#include "xlw/XlfExcel.h"

namespace {

struct CWindowSearch {
    std::uint16_t lowWord;
    HWND found;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<CWindowSearch*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (process == GetCurrentProcessId() && LOWORD(reinterpret_cast<UINT_PTR>(window)) == search->lowWord
        && lstrcmpW(className, L"XLMAIN") == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Excel4 answers xlGetHwnd with the low word of the handle only; the whole
// handle is that of this process's XLMAIN window with the same low word.
HWND WindowWithLowWord(std::uint16_t lowWord)
{
    CWindowSearch search{lowWord, nullptr};
    EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool CallExcel(XlFunction function, XLOPER12& result)
{
    try {
        return XlfExcel::Instance().CallExcel(function, &result, {}) == xlret::Success;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

HWND ExcelMainWindow()
{
    XLOPER12 result{};
    if (CallExcel(XlFunction::GetHwnd, result)) {
        HWND window = nullptr;
        if (result.xltype == xltype::Int)
            window = WindowWithLowWord(static_cast<std::uint16_t>(result.val.w));
        else if (result.xltype == xltype::Num)
            window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(result.val.num));
        if (window)
            return window;
    }
    return GetForegroundWindow();
}

bool ExcelAbortRequested()
{
    XLOPER12 result{};
    return CallExcel(XlFunction::Abort, result) && result.xltype == xltype::Bool && result.val.xbool != 0;
}
