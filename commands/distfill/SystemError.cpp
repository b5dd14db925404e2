#include "commands/distfill/SystemError.h"

#include <cwchar>

#include "win/ui/ThemeScope.h"

namespace {

constexpr std::size_t kMessageLimit = 2048;

} // namespace

extern const wchar_t kCannotCreateFile[] = L"Could not create the file. Error %d (%ls).";
extern const wchar_t kCannotWriteFile[] = L"An error occured while writing to the file. Error %d (%ls).";
extern const wchar_t kCannotSetClipboard[] = L"Could not set clipboard data. Error %d: %ls";

std::wstring SystemErrorMessage(const wchar_t* format, DWORD code)
{
    wchar_t* system = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&system), 0,
                   nullptr);
    wchar_t text[kMessageLimit] = {};
    std::swprintf(text, kMessageLimit, format, static_cast<int>(code), system ? system : L"");
    text[kMessageLimit - 1] = L'\0'; // a system text too long for the limit is cut
    LocalFree(system);
    return text;
}

void ShowSystemError(HWND owner, const wchar_t* format, DWORD code)
{
    CThemeScope themed;
    MessageBoxW(owner, SystemErrorMessage(format, code).c_str(), L"Error", MB_OK | MB_ICONEXCLAMATION);
}
