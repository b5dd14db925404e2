#include "commands/distfill/wizard/FilterEdit.h"

#include <vector>

#include "win/ui/ModalDialog.h"

bool CFilterEdit::Create(HWND parent, const RECT& rect, int id, HFONT font)
{
    m_window = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                               rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ResourceModule(), nullptr);
    if (m_window)
        SendMessageW(m_window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return m_window != nullptr;
}

std::wstring CFilterEdit::Text() const
{
    const int length = GetWindowTextLengthW(m_window);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(m_window, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<size_t>(copied));
}

void CFilterEdit::SetText(const std::wstring& text) const
{
    SetWindowTextW(m_window, text.c_str());
}

void CFilterEdit::LimitText(int characters) const
{
    SendMessageW(m_window, EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}
