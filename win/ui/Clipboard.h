#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

// Text of ASCII characters written straight into the memory the clipboard
// takes, with room for its wide form reserved beside it from the start: a
// text too large for the process is refused before any of it is made, and
// each form is built once, where it is handed over.
class CClipboardText {
public:
    // Room for up to `capacity` characters in both forms; raises
    // std::bad_alloc when the process cannot give that much.
    explicit CClipboardText(std::size_t capacity);
    ~CClipboardText();
    CClipboardText(const CClipboardText&) = delete;
    CClipboardText& operator=(const CClipboardText&) = delete;

    // Appends characters, within the capacity.
    void Append(const char* text, std::size_t length);
    void Append(char character) { Append(&character, 1); }
    std::size_t Size() const { return m_size; }

private:
    friend class CClipboard;
    void Free();

    HGLOBAL m_narrow = nullptr;
    HGLOBAL m_wide = nullptr;
    char* m_text = nullptr; // the narrow form, locked while it is built
    std::size_t m_size = 0;
    std::size_t m_capacity;
};

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
    // CF_UNICODETEXT, so characters outside that code page survive. Each
    // form is made once, in the memory handed over. Raises
    // COSError("Failed to set clipboard data.") on failure.
    void SetText(const std::wstring& text);
    // The same for text built in clipboard memory: its CF_UNICODETEXT is
    // its characters widened, its CF_TEXT its bytes.
    void SetText(CClipboardText& text);

private:
    bool m_open;
};
