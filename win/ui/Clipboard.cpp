#include "win/ui/Clipboard.h"

#include <climits>
#include <cstring>
#include <new>
#include <stdexcept>

#include "win/ui/Errors.h"

namespace {

const wchar_t kSetFailed[] = L"Failed to set clipboard data.";

// A movable global block, null when the process could not give it; owned
// until handed to the clipboard.
class CGlobalBlock {
public:
    explicit CGlobalBlock(size_t bytes) : m_handle(GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
    ~CGlobalBlock()
    {
        if (m_handle)
            GlobalFree(m_handle);
    }
    CGlobalBlock(const CGlobalBlock&) = delete;
    CGlobalBlock& operator=(const CGlobalBlock&) = delete;

    explicit operator bool() const { return m_handle != nullptr; }
    void* Lock() const
    {
        void* data = GlobalLock(m_handle);
        if (!data)
            throw COSError(kSetFailed);
        return data;
    }
    void Unlock() const { GlobalUnlock(m_handle); }
    void HandTo(UINT format)
    {
        if (!SetClipboardData(format, m_handle))
            throw COSError(kSetFailed);
        m_handle = nullptr; // the clipboard owns it now
    }

private:
    HGLOBAL m_handle;
};

// Hands a block a text was built in over, cut to the text's size: a
// reader takes the whole block.
void HandOver(HGLOBAL& handle, size_t bytes, UINT format)
{
    const HGLOBAL cut = GlobalReAlloc(handle, bytes, 0);
    if (!cut)
        throw COSError(kSetFailed);
    handle = cut;
    if (!SetClipboardData(format, handle))
        throw COSError(kSetFailed);
    handle = nullptr;
}

// A length the ANSI conversion can count in an int, the NUL included.
std::size_t ConvertibleLength(std::size_t length)
{
    if (length >= static_cast<std::size_t>(INT_MAX))
        throw std::bad_alloc();
    return length;
}

} // namespace

template <class Char>
CClipboardBlock<Char>::CClipboardBlock(std::size_t capacity) : m_capacity(capacity)
{
    if (capacity < static_cast<std::size_t>(-1) / sizeof(Char) - 1)
        m_block = GlobalAlloc(GMEM_MOVEABLE, (capacity + 1) * sizeof(Char));
    m_text = m_block ? static_cast<Char*>(GlobalLock(m_block)) : nullptr;
    if (!m_text) {
        if (m_block)
            GlobalFree(m_block);
        throw std::bad_alloc();
    }
}

template <class Char>
CClipboardBlock<Char>::~CClipboardBlock()
{
    if (m_text)
        GlobalUnlock(m_block);
    if (m_block)
        GlobalFree(m_block);
}

template <class Char>
void CClipboardBlock<Char>::Append(const Char* text, std::size_t length)
{
    if (length > m_capacity - m_size)
        throw std::length_error("clipboard text beyond its capacity");
    std::memcpy(m_text + m_size, text, length * sizeof(Char));
    m_size += length;
}

template class CClipboardBlock<char>;
template class CClipboardBlock<wchar_t>;

CClipboardText::CClipboardText(std::size_t capacity) : CClipboardBlock(capacity)
{
    // The wide form beside it, with its terminating NUL.
    if (capacity < static_cast<std::size_t>(-1) / sizeof(wchar_t) - 1)
        m_wide = GlobalAlloc(GMEM_MOVEABLE, (capacity + 1) * sizeof(wchar_t));
    if (!m_wide)
        throw std::bad_alloc();
}

CClipboardText::~CClipboardText()
{
    if (m_wide)
        GlobalFree(m_wide);
}

CClipboardWideText::CClipboardWideText(std::size_t length) : CClipboardBlock(ConvertibleLength(length)) {}

CClipboard::CClipboard(HWND owner) : m_open(OpenClipboard(owner) != FALSE) {}

CClipboard::~CClipboard()
{
    if (m_open)
        CloseClipboard();
}

void CClipboard::SetText(CClipboardWideText& text)
{
    text.m_text[text.m_size] = L'\0';
    const int length = static_cast<int>(text.m_size);
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text.m_text, length, nullptr, 0, nullptr, nullptr);
    CGlobalBlock narrow(static_cast<size_t>(bytes) + 1);
    if (!narrow)
        throw std::bad_alloc();
    char* ansi = static_cast<char*>(narrow.Lock());
    WideCharToMultiByte(CP_ACP, 0, text.m_text, length, ansi, bytes, nullptr, nullptr);
    ansi[bytes] = '\0';
    narrow.Unlock();
    GlobalUnlock(text.m_block);
    text.m_text = nullptr;
    if (!m_open || !EmptyClipboard())
        throw COSError(kSetFailed);
    narrow.HandTo(CF_TEXT);
    HandOver(text.m_block, (text.m_size + 1) * sizeof(wchar_t), CF_UNICODETEXT);
}

void CClipboard::SetText(CClipboardText& text)
{
    text.m_text[text.m_size] = '\0';
    auto* wide = static_cast<wchar_t*>(GlobalLock(text.m_wide));
    if (!wide)
        throw COSError(kSetFailed);
    for (std::size_t i = 0; i <= text.m_size; ++i)
        wide[i] = static_cast<unsigned char>(text.m_text[i]);
    GlobalUnlock(text.m_wide);
    GlobalUnlock(text.m_block);
    text.m_text = nullptr;
    if (!m_open || !EmptyClipboard())
        throw COSError(kSetFailed);
    HandOver(text.m_block, text.m_size + 1, CF_TEXT);
    HandOver(text.m_wide, (text.m_size + 1) * sizeof(wchar_t), CF_UNICODETEXT);
}

void CClipboard::AddFormat(const wchar_t* formatName, const std::string& bytes)
{
    const UINT format = RegisterClipboardFormatW(formatName);
    if (!m_open || format == 0)
        throw COSError(kSetFailed);
    CGlobalBlock block(bytes.size() + 1);
    if (!block)
        throw COSError(kSetFailed);
    std::memcpy(block.Lock(), bytes.c_str(), bytes.size() + 1);
    block.Unlock();
    block.HandTo(format);
}
