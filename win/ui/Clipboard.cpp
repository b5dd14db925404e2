#include "win/ui/Clipboard.h"

#include <cstring>

#include "win/ui/Errors.h"

namespace {

const wchar_t kSetFailed[] = L"Failed to set clipboard data.";

// A movable global block holding bytes; owned until handed to the clipboard.
class CGlobalBlock {
public:
    CGlobalBlock(const void* data, size_t bytes) : m_handle(GlobalAlloc(GMEM_MOVEABLE, bytes))
    {
        void* target = m_handle ? GlobalLock(m_handle) : nullptr;
        if (!target)
            throw COSError(kSetFailed);
        std::memcpy(target, data, bytes);
        GlobalUnlock(m_handle);
    }
    ~CGlobalBlock()
    {
        if (m_handle)
            GlobalFree(m_handle);
    }
    CGlobalBlock(const CGlobalBlock&) = delete;
    CGlobalBlock& operator=(const CGlobalBlock&) = delete;

    void HandTo(UINT format)
    {
        if (!SetClipboardData(format, m_handle))
            throw COSError(kSetFailed);
        m_handle = nullptr; // the clipboard owns it now
    }

private:
    HGLOBAL m_handle;
};

std::string AnsiText(const std::wstring& text)
{
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, &ansi[0], bytes, nullptr, nullptr);
    return ansi;
}

} // namespace

CClipboard::CClipboard(HWND owner) : m_open(OpenClipboard(owner) != FALSE) {}

CClipboard::~CClipboard()
{
    if (m_open)
        CloseClipboard();
}

void CClipboard::SetText(const std::wstring& text)
{
    const std::string ansi = AnsiText(text);
    CGlobalBlock narrow(ansi.c_str(), ansi.size() + 1);
    CGlobalBlock wide(text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    if (!m_open || !EmptyClipboard())
        throw COSError(kSetFailed);
    narrow.HandTo(CF_TEXT);
    wide.HandTo(CF_UNICODETEXT);
}

void CClipboard::AddFormat(const wchar_t* formatName, const std::string& bytes)
{
    const UINT format = RegisterClipboardFormatW(formatName);
    CGlobalBlock block(bytes.c_str(), bytes.size() + 1);
    if (!m_open || format == 0)
        throw COSError(kSetFailed);
    block.HandTo(format);
}
