#include "commands/distfill/wizard/ParamList.h"

#include <string>

#include "commands/distfill/wizard/ChooserMessages.h"
#include "commands/distfill/wizard/ChooserText.h"
#include "win/ui/ModalDialog.h"
#include "win/ui/UserLocale.h"
#include "win/ui/WindowDpi.h"

namespace {
// The default GUI font's face and size.
const wchar_t kFontFace[] = L"MS Shell Dlg";
constexpr int kFontPoints = 8;
constexpr int kRowsPerColumn = 3;
// Lengths at 96 DPI.
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

CWtlParamList::CWtlParamList(qdists::VDistribution* distribution, UINT dpi)
    : m_distribution(distribution), m_dpi(dpi), m_font(PointFont(kFontFace, kFontPoints, dpi))
{
}

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

CWtlParamList::RowRects CWtlParamList::RowAt(size_t row) const
{
    const int x = kColumnWidth * static_cast<int>(row / kRowsPerColumn);
    const int y = kRowHeight * static_cast<int>(row % kRowsPerColumn);
    const int fieldLeft = x + kSymbolWidth;
    const int descriptionLeft = fieldLeft + kFieldWidth + kDescriptionGap;
    const int bottom = y + kControlHeight;
    return RowRects{ScaledRect(RECT{x, y, fieldLeft, bottom}, m_dpi),
                    ScaledRect(RECT{fieldLeft, y, fieldLeft + kFieldWidth, bottom}, m_dpi),
                    ScaledRect(RECT{descriptionLeft, y, descriptionLeft + kDescriptionWidth, bottom}, m_dpi)};
}

HWND CWtlParamList::CreateLabel(const wchar_t* text, const RECT& rect)
{
    // Centred in the row's height, level with the text of the field beside it.
    constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE;
    HWND label = CreateWindowExW(WS_EX_TRANSPARENT, L"STATIC", text, kStyle,
                                 rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, Handle(),
                                 nullptr, ResourceModule(), nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    m_labels.push_back(label);
    return label;
}

void CWtlParamList::AddParameter(const qdists::ParameterInfo& info)
{
    const size_t row = m_rows.size();
    if (row >= kMaxRows || !Handle())
        return;
    const RowRects rects = RowAt(row);
    CreateLabel(Widened(info.symbol).c_str(), rects.symbol);
    m_rows.push_back(info);
    CFilterEdit& edit = m_edits[row];
    // Showing the value is no edit: the value must not pass through its text.
    m_filling = true;
    if (edit.Create(Handle(), rects.field, kFirstFieldId + static_cast<int>(row), m_font.Get()))
        edit.SetText(chooser::FormatParameter(info, m_distribution->GetParameter(static_cast<unsigned>(row)),
                                              UserDecimalSeparator()));
    m_filling = false;
    CreateLabel(Widened(info.description).c_str(), rects.description);
}

void CWtlParamList::SetDpi(UINT dpi)
{
    m_dpi = dpi;
    CGdiObject<HFONT> font = PointFont(kFontFace, kFontPoints, dpi);
    const auto place = [&font](HWND window, const RECT& rect) {
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
        PlaceWindow(window, rect);
    };
    for (size_t row = 0; row < m_rows.size(); ++row) {
        const RowRects rects = RowAt(row);
        place(m_labels[2 * row], rects.symbol);
        place(m_edits[row].Handle(), rects.field);
        place(m_labels[2 * row + 1], rects.description);
    }
    // The old font goes only once no control uses it.
    m_font = std::move(font);
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
