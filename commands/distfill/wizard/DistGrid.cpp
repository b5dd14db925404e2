#include "commands/distfill/wizard/DistGrid.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "commands/distfill/wizard/ChooserMessages.h"
#include "commands/distfill/wizard/GridPicture.h"
#include "win/ui/WindowDpi.h"

using chooser::GridGeometry;

namespace {
// The selected picture: where the picture is white the highlight shows
// through, elsewhere the white brush: (D xor P) and S xor P.
constexpr DWORD kSelectedPictureOp = 0xB8074A;
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);
// The names: the default GUI font's face and size.
const wchar_t kNameFace[] = L"MS Shell Dlg";
constexpr int kNamePoints = 8;

RECT ToRect(const chooser::PixelRect& rect)
{
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}
} // namespace

CWtlDistGrid::~CWtlDistGrid()
{
    Destroy();
    for (const Cell& cell : m_cells) {
        if (cell.bitmap)
            DeleteObject(cell.bitmap);
    }
}

void CWtlDistGrid::AddDistribution(qdists::VDistribution* distribution)
{
    m_cells.push_back(Cell{distribution, LoadGridPicture(*distribution, m_dpi)});
}

void CWtlDistGrid::SetDpi(UINT dpi)
{
    if (dpi != m_dpi) {
        m_dpi = dpi;
        m_geometry = GridGeometry(static_cast<int>(dpi));
        for (Cell& cell : m_cells) {
            if (cell.bitmap)
                DeleteObject(cell.bitmap);
            cell.bitmap = LoadGridPicture(*cell.distribution, dpi);
        }
    }
    LoadFont();
    if (!Handle())
        return;
    UpdateScrollBars();
    ScrollIntoView(m_selected);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CWtlDistGrid::LoadFont()
{
    m_font = PointFont(kNameFace, kNamePoints, m_dpi);
}

void CWtlDistGrid::SelectDistribution(const qdists::VDistribution* distribution)
{
    InvalidateCell(m_selected);
    m_selected = -1;
    for (int i = 0; i < Count(); ++i) {
        if (m_cells[static_cast<size_t>(i)].distribution == distribution) {
            m_selected = i;
            break;
        }
    }
    if (!Handle())
        return;
    InvalidateCell(m_selected);
    ScrollIntoView(m_selected);
    ChangeSelection(m_selected);
}

LRESULT CWtlDistGrid::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        if (!m_font)
            LoadFont();
        UpdateScrollBars();
        ScrollIntoView(m_selected);
        return 0;
    case WM_SIZE:
        UpdateScrollBars();
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_WINDOW));
        return 1;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        m_focused = message == WM_SETFOCUS;
        InvalidateRect(Handle(), nullptr, TRUE);
        return 0;
    case WM_LBUTTONDOWN:
        return 0;
    case WM_LBUTTONUP:
        OnLeftButtonUp(lParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        SendMessageW(GetParent(Handle()), WMU_GRID_ACTIVATE, 0, 0);
        return 0;
    case WM_KEYDOWN:
        if (OnKey(wParam))
            return 0;
        break;
    case WM_VSCROLL:
        OnScroll(SB_VERT, LOWORD(wParam));
        return 0;
    case WM_HSCROLL:
        OnScroll(SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    default:
        break;
    }
    return Default(message, wParam, lParam);
}

void CWtlDistGrid::OnPaint()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(Handle(), &paint);
    POINT previousOrigin;
    SetViewportOrgEx(dc, -m_offsetX, -m_offsetY, &previousOrigin);
    const HDC pictures = CreateCompatibleDC(dc);
    {
        CSelectObject font(dc, m_font.Get());
        for (int i = 0; i < Count(); ++i)
            PaintCell(dc, pictures, i);
    }
    DeleteDC(pictures);
    SetViewportOrgEx(dc, previousOrigin.x, previousOrigin.y, nullptr);
    EndPaint(Handle(), &paint);
}

void CWtlDistGrid::PaintCell(HDC dc, HDC pictures, int index) const
{
    const Cell& cell = m_cells[static_cast<size_t>(index)];
    const bool selected = index == m_selected;
    const RECT rect = ToRect(m_geometry.CellRect(index));
    CGdiObject<HBRUSH> white(CreateSolidBrush(kWhite));
    FillRect(dc, &rect, white.Get());
    const int frame = m_geometry.Frame();
    if (selected) {
        FillRect(dc, &rect, GetSysColorBrush(m_focused ? COLOR_HIGHLIGHT : COLOR_INACTIVECAPTION));
        CGdiObject<HBRUSH> navy(CreateSolidBrush(kNavy));
        FrameRectAt(dc, rect, navy.Get(), m_dpi);
    }
    if (cell.bitmap) {
        CSelectObject picture(pictures, cell.bitmap);
        CSelectObject brush(dc, white.Get());
        BitBlt(dc, rect.left + frame, rect.top + frame, m_geometry.PictureWidth(), m_geometry.PictureHeight(),
               pictures, 0, 0, selected ? kSelectedPictureOp : SRCAND);
    } else {
        CSelectObject hollow(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, rect.left, rect.top, rect.right, rect.top + m_geometry.PictureHeight());
    }
    RECT name{rect.left, rect.bottom - m_geometry.NameHeight(), rect.right, rect.bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, selected ? kWhite : RGB(0, 0, 0));
    DrawTextA(dc, cell.distribution->GetName(), -1, &name, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void CWtlDistGrid::OnLeftButtonUp(LPARAM lParam)
{
    if (GetFocus() != Handle())
        SetFocus(Handle());
    const int hit = m_geometry.HitTest(GET_X_LPARAM(lParam) + m_offsetX, GET_Y_LPARAM(lParam) + m_offsetY, Count());
    if (hit == m_selected)
        return;
    InvalidateCell(m_selected);
    m_selected = hit;
    InvalidateCell(m_selected);
    ChangeSelection(m_selected);
}

bool CWtlDistGrid::OnKey(WPARAM key)
{
    switch (key) {
    case VK_PRIOR: ScrollTo(m_offsetX, m_offsetY - m_geometry.PageHeight()); return true;
    case VK_NEXT: ScrollTo(m_offsetX, m_offsetY + m_geometry.PageHeight()); return true;
    case VK_HOME: ScrollTo(0, 0); return true;
    case VK_END: ScrollTo(m_offsetX, ContentHeight()); return true;
    default: break;
    }
    GridGeometry::Key move;
    switch (key) {
    case VK_LEFT: move = GridGeometry::Key::Left; break;
    case VK_RIGHT: move = GridGeometry::Key::Right; break;
    case VK_UP: move = GridGeometry::Key::Up; break;
    case VK_DOWN: move = GridGeometry::Key::Down; break;
    default: return false;
    }
    const int next = GridGeometry::Move(m_selected, move, Count());
    if (next == m_selected)
        return true;
    InvalidateCell(m_selected);
    m_selected = next;
    InvalidateCell(m_selected);
    EnsureVisible(m_selected, move == GridGeometry::Key::Right || move == GridGeometry::Key::Down);
    ChangeSelection(m_selected);
    return true;
}

void CWtlDistGrid::ChangeSelection(int index)
{
    qdists::VDistribution* distribution = index >= 0 ? m_cells[static_cast<size_t>(index)].distribution : nullptr;
    SendMessageW(GetParent(Handle()), WMU_GRID_SELCHANGE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(distribution));
}

void CWtlDistGrid::InvalidateCell(int index) const
{
    if (!Handle() || index < 0)
        return;
    RECT rect = ToRect(m_geometry.CellRect(index));
    OffsetRect(&rect, -m_offsetX, -m_offsetY);
    InvalidateRect(Handle(), &rect, TRUE);
}

// A cell that is not entirely in view brings the view one line nearer.
void CWtlDistGrid::EnsureVisible(int index, bool forward)
{
    RECT client;
    GetClientRect(Handle(), &client);
    const auto cell = m_geometry.CellRect(index);
    const bool inside = cell.left >= m_offsetX && cell.right <= m_offsetX + client.right && cell.top >= m_offsetY &&
                        cell.bottom <= m_offsetY + client.bottom;
    if (!inside)
        ScrollTo(m_offsetX, m_offsetY + (forward ? m_geometry.LineHeight() : -m_geometry.LineHeight()));
}

// The least scroll that shows the whole cell.
void CWtlDistGrid::ScrollIntoView(int index)
{
    if (index < 0)
        return;
    RECT client;
    GetClientRect(Handle(), &client);
    const auto cell = m_geometry.CellRect(index);
    int y = m_offsetY;
    if (cell.bottom > y + client.bottom)
        y = cell.bottom - client.bottom;
    if (cell.top < y)
        y = cell.top;
    ScrollTo(m_offsetX, y);
}

// Precision touchpads send fractions of a notch; they add up until a whole
// notch scrolls a line.
void CWtlDistGrid::OnWheel(int delta)
{
    m_wheelTotal += delta;
    const int notches = m_wheelTotal / WHEEL_DELTA;
    m_wheelTotal -= notches * WHEEL_DELTA;
    if (notches != 0)
        ScrollTo(m_offsetX, m_offsetY - notches * m_geometry.LineHeight());
}

int CWtlDistGrid::ContentHeight() const
{
    return m_geometry.ContentHeight(Count());
}

void CWtlDistGrid::UpdateScrollBars()
{
    RECT client;
    GetClientRect(Handle(), &client);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMax = ContentHeight() - 1;
    info.nPage = static_cast<UINT>(std::max<LONG>(client.bottom, 0));
    info.nPos = m_offsetY;
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = m_geometry.ContentWidth() - 1;
    info.nPage = static_cast<UINT>(std::max<LONG>(client.right, 0));
    info.nPos = m_offsetX;
    SetScrollInfo(Handle(), SB_HORZ, &info, TRUE);
    ScrollTo(m_offsetX, m_offsetY);
}

void CWtlDistGrid::ScrollTo(int x, int y)
{
    RECT client;
    GetClientRect(Handle(), &client);
    x = std::max(0, std::min(x, m_geometry.ContentWidth() - static_cast<int>(client.right)));
    y = std::max(0, std::min(y, ContentHeight() - static_cast<int>(client.bottom)));
    if (x == m_offsetX && y == m_offsetY)
        return;
    m_offsetX = x;
    m_offsetY = y;
    SetScrollPos(Handle(), SB_HORZ, x, TRUE);
    SetScrollPos(Handle(), SB_VERT, y, TRUE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CWtlDistGrid::OnScroll(int bar, WORD request)
{
    const bool vertical = bar == SB_VERT;
    const int line = vertical ? m_geometry.LineHeight() : m_geometry.LineWidth();
    const int page = vertical ? m_geometry.PageHeight() : m_geometry.PageWidth();
    int position = vertical ? m_offsetY : m_offsetX;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(Handle(), bar, &info);
    switch (request) {
    case SB_LINEUP: position -= line; break;
    case SB_LINEDOWN: position += line; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = vertical ? ContentHeight() : m_geometry.ContentWidth(); break;
    default: return;
    }
    if (vertical)
        ScrollTo(m_offsetX, position);
    else
        ScrollTo(position, m_offsetY);
}
