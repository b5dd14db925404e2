#pragma once
#include <windows.h>

#include <string>

// The fill job's messages for failed Windows calls: a format with the
// error code (%d) and the system's text for it (%ls, as the system gives
// it), at most 2048 characters, in a message box with caption "Error".
std::wstring SystemErrorMessage(const wchar_t* format, DWORD code);
void ShowSystemError(HWND owner, const wchar_t* format, DWORD code);

// The three texts the file and clipboard outputs use.
extern const wchar_t kCannotCreateFile[];
extern const wchar_t kCannotWriteFile[];
extern const wchar_t kCannotSetClipboard[];
