#include "commands/distfill/wizard/ParamList.h"

#include <string>

#include "commands/distfill/wizard/ChooserMessages.h"
#include "commands/distfill/wizard/ChooserText.h"
#include "win/ui/ModalDialog.h"
#include "win/ui/UserLocale.h"

namespace {
constexpr int kRowsPerColumn = 3;
constexpr int kColumnWidth = 200;
constexpr int kRowHeight = 20;
constexpr int kSymbolWidth = 50;
constexpr int kFieldWidth = 80;
constexpr int kDescriptionGap = 10;
constexpr int kDescriptionWidth = 190;
constexpr int kControlHeight = 17;

std::wstring Widened(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}
} // namespace

CWtlParamList::~CWtlParamList()
{
    Destroy();
}

void CWtlParamList::Clear()
{
    for (HWND label : m_labels)
        DestroyWindow(label);
    m_labels.clear();
    for (CFilterEdit& edit : m_edits) {
        if (edit.Handle())
            DestroyWindow(edit.Handle());
        edit.Attach(nullptr);
    }
    m_rows.clear();
}

HWND CWtlParamList::CreateLabel(const wchar_t* text, int x, int y, int width)
{
    HWND label = CreateWindowExW(WS_EX_TRANSPARENT, L"STATIC", text, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, x,
                                 y, width, kControlHeight, Handle(), nullptr, ResourceModule(), nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    m_labels.push_back(label);
    return label;
}

void CWtlParamList::AddParameter(const qdists::ParameterInfo& info)
{
    const size_t row = m_rows.size();
    if (row >= kMaxRows || !Handle())
        return;
    const int x = kColumnWidth * static_cast<int>(row / kRowsPerColumn);
    const int y = kRowHeight * static_cast<int>(row % kRowsPerColumn);
    CreateLabel(Widened(info.symbol).c_str(), x, y, kSymbolWidth);
    const RECT field{x + kSymbolWidth, y, x + kSymbolWidth + kFieldWidth, y + kControlHeight};
    m_rows.push_back(info);
    CFilterEdit& edit = m_edits[row];
    // Showing the value is no edit: the value must not pass through its text.
    m_filling = true;
    if (edit.Create(Handle(), field, kFirstFieldId + static_cast<int>(row), m_font))
        edit.SetText(chooser::FormatParameter(info, m_distribution->GetParameter(static_cast<unsigned>(row)),
                                              UserDecimalSeparator()));
    m_filling = false;
    CreateLabel(Widened(info.description).c_str(), field.right + kDescriptionGap, y, kDescriptionWidth);
}

LRESULT CWtlParamList::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (HIWORD(wParam) == EN_CHANGE && id >= kFirstFieldId && id < kFirstFieldId + static_cast<int>(kMaxRows))
            OnFieldChanged(id);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_DESTROY:
        Clear();
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

void CWtlParamList::OnFieldChanged(int id)
{
    const size_t index = static_cast<size_t>(id - kFirstFieldId);
    if (m_filling || index >= m_rows.size())
        return;
    const double value = chooser::ParseParameter(m_rows[index], m_edits[index].Text(), UserDecimalSeparator());
    m_distribution->SetParameter(static_cast<unsigned>(index), value);
    SendMessageW(GetParent(Handle()), WMU_PARAM_EDITED, 0, 0);
}
