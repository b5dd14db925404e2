#include "commands/distfill/SystemError.h"

#include <cwchar>

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
    MessageBoxW(owner, SystemErrorMessage(format, code).c_str(), L"Error", MB_OK | MB_ICONEXCLAMATION);
}

std::wstring ClipboardTooLargeMessage(std::uint64_t values, std::uint64_t bytes)
{
    constexpr std::uint64_t kMegabyte = 1024 * 1024;
    wchar_t text[256];
    std::swprintf(text, sizeof text / sizeof text[0],
                  L"Not enough memory to put %llu values on the clipboard: their text would take up to %llu MB. "
                  L"Choose fewer rows or columns, or write the values to a file.",
                  static_cast<unsigned long long>(values),
                  static_cast<unsigned long long>((bytes + kMegabyte - 1) / kMegabyte));
    return text;
}

void ShowClipboardTooLarge(HWND owner, std::uint64_t values, std::uint64_t bytes)
{
    MessageBoxW(owner, ClipboardTooLargeMessage(values, bytes).c_str(), L"Error", MB_OK | MB_ICONEXCLAMATION);
}
