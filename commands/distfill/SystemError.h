#pragma once
#include <windows.h>

#include <cstdint>
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

// Refuses a clipboard output of `values` values, whose text could take up
// to `bytes` bytes, before any is drawn.
std::wstring ClipboardTooLargeMessage(std::uint64_t values, std::uint64_t bytes);
void ShowClipboardTooLarge(HWND owner, std::uint64_t values, std::uint64_t bytes);
