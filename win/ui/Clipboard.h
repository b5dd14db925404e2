#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

// Characters written straight into a movable global block, the memory the
// clipboard takes, locked while they are written: room for `capacity` of
// them and a NUL, had before the first is written.
template <class Char>
class CClipboardBlock {
public:
    // Raises std::bad_alloc when the process cannot give the block.
    explicit CClipboardBlock(std::size_t capacity);
    ~CClipboardBlock();
    CClipboardBlock(const CClipboardBlock&) = delete;
    CClipboardBlock& operator=(const CClipboardBlock&) = delete;

    // Appends characters, within the capacity.
    void Append(const Char* text, std::size_t length);
    void Append(Char character) { Append(&character, 1); }
    std::size_t Size() const { return m_size; }
    // The characters appended so far, until the text goes to the clipboard.
    std::basic_string_view<Char> View() const { return {m_text, m_size}; }

private:
    friend class CClipboard;

    HGLOBAL m_block = nullptr;
    Char* m_text = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity;
};

// Text of ASCII characters written straight into the memory the clipboard
// takes, with room for its wide form reserved beside it from the start: a
// text too large for the process is refused before any of it is made, and
// each form is built once, where it is handed over.
class CClipboardText : public CClipboardBlock<char> {
public:
    // Room for up to `capacity` characters in both forms; raises
    // std::bad_alloc when the process cannot give that much.
    explicit CClipboardText(std::size_t capacity);
    ~CClipboardText();

private:
    friend class CClipboard;

    HGLOBAL m_wide = nullptr;
};

// Text of any characters written straight into the memory the clipboard
// takes as CF_UNICODETEXT, sized for it exactly before the first character
// is written; its CF_TEXT form is made from that block once, as it goes to
// the clipboard.
class CClipboardWideText : public CClipboardBlock<wchar_t> {
public:
    // Room for `length` characters; raises std::bad_alloc when the process
    // cannot give that much, or the text is longer than the conversion to
    // the ANSI code page takes (2^31 - 2 characters).
    explicit CClipboardWideText(std::size_t length);
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
    // CF_UNICODETEXT, so characters outside that code page survive. The
    // CF_TEXT block is made from the wide one, converted by
    // WideCharToMultiByte; when the process cannot give it, std::bad_alloc
    // is raised before the clipboard is emptied. Raises
    // COSError("Failed to set clipboard data.") on other failures.
    void SetText(CClipboardWideText& text);
    // The same for text of ASCII characters: its CF_UNICODETEXT is its
    // characters widened, its CF_TEXT its bytes.
    void SetText(CClipboardText& text);
    // Adds bytes in a format registered by name (such as "XML Spreadsheet")
    // beside what is on the clipboard; a NUL byte follows them. Raises
    // COSError("Failed to set clipboard data.") on failure.
    void AddFormat(const wchar_t* formatName, const std::string& bytes);

private:
    bool m_open;
};
