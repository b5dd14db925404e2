#pragma once
#include <windows.h>

#include <string>

// The clipboard, opened for one command's output and closed again however
// the command ends.
class CClipboard {
public:
    explicit CClipboard(HWND owner);
    ~CClipboard();
    CClipboard(const CClipboard&) = delete;
    CClipboard& operator=(const CClipboard&) = delete;

    // Empties the clipboard and puts text on it twice: as CF_TEXT in the
    // ANSI code page, the form other programs have always read, and as
    // CF_UNICODETEXT, so characters outside that code page survive.
    // Raises COSError("Failed to set clipboard data.") on failure.
    void SetText(const std::wstring& text);
    // Adds bytes in a format registered by name (such as "XML Spreadsheet")
    // beside what is on the clipboard; a NUL byte follows them. Raises
    // COSError("Failed to set clipboard data.") on failure.
    void AddFormat(const wchar_t* formatName, const std::string& bytes);

private:
    bool m_open;
};
