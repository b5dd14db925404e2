#include "commands/distfill/wizard/ChooserMessages.h"
#include "commands/distfill/wizard/ChooserPages.h"
#include "resources/ResourceIds.h"

namespace {
constexpr RECT kGridRect{0, 0, 488, 350};
} // namespace

CWtlChooserDistribution::CWtlChooserDistribution() : CWizardPage(IDD_CHOOSE_DISTRIBUTION) {}

void CWtlChooserDistribution::OnInit()
{
    // A page shorter than the grid (a smaller dialog font) keeps the grid,
    // with its scroll bar, wholly in view.
    RECT client;
    GetClientRect(Handle(), &client);
    RECT grid = kGridRect;
    if (client.bottom > 0 && client.bottom < grid.bottom)
        grid.bottom = client.bottom;
    m_grid.Create(Handle(), grid, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_CLIPCHILDREN);
    SetFocus(m_grid.Handle());
}

void CWtlChooserDistribution::OnSetActive()
{
    SendMessageW(Sheet(), WMU_DIST_PAGE_ACTIVE, 0, 0);
}

bool CWtlChooserDistribution::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result)
{
    switch (message) {
    case WMU_GRID_SELCHANGE:
        SendMessageW(Sheet(), WMU_DIST_SELECTED, 0, lParam);
        result = 0;
        return true;
    case WMU_GRID_ACTIVATE:
        // Next is pressed only for a cell; a double click beside the
        // cells has just cleared the choice.
        if (m_grid.Selected() >= 0)
            PostMessageW(Sheet(), PSM_PRESSBUTTON, PSBTN_NEXT, 0);
        result = 0;
        return true;
    default:
        return false;
    }
}
