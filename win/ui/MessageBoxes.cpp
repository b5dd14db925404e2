#include "win/ui/MessageBoxes.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "win/ui/Errors.h"

std::wstring ComErrorText(const std::wstring& prefix, const CComError& error)
{
    const std::wstring description = error.Description().empty() ? L"Unknown error" : error.Description();
    std::vector<wchar_t> text(prefix.size() + description.size() + 64);
    std::swprintf(text.data(), text.size(), L"%ls Error %lX (%ls).", prefix.c_str(),
                  static_cast<unsigned long>(error.Code()), description.c_str());
    return text.data();
}

void ShowError(HWND owner, const std::wstring& text)
{
    MessageBoxW(owner, text.c_str(), L"Error", MB_OK | MB_ICONEXCLAMATION);
}

void ShowComError(HWND owner, const std::wstring& prefix, const CComError& error)
{
    ShowError(owner, ComErrorText(prefix, error));
}

void ShowUnexpectedFailure(HWND owner)
{
    ShowComError(owner, L"Unexpected error. ", CurrentFailure());
}
