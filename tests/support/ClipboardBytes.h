#pragma once
#include <windows.h>

#include <string>

// The clipboard's bytes in a format, all of its block (the terminating NUL
// included); empty when the format is not there.
inline std::string ClipboardBytes(UINT format)
{
    std::string bytes;
    if (!OpenClipboard(nullptr))
        return "(not opened)";
    if (HANDLE data = GetClipboardData(format)) {
        const char* text = static_cast<const char*>(GlobalLock(data));
        bytes.assign(text, GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes;
}
