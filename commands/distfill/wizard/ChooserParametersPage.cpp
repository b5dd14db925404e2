#include <string>

#include "commands/distfill/wizard/ChooserMessages.h"
#include "commands/distfill/wizard/ChooserPages.h"
#include "resources/ResourceIds.h"
#include "win/ui/WindowDpi.h"

namespace {
// At 96 DPI.
constexpr RECT kNameRect{0, 0, 200, 18};
constexpr RECT kGraphRect{0, 20, 488, 269};
constexpr RECT kParametersRect{0, 270, 488, 330};
constexpr RECT kMessageRect{0, 330, 488, 350};
constexpr COLORREF kMessageRed = RGB(255, 0, 0);
constexpr int kContentHeight = 350;

// The rectangle at dpi moved up by shift pixels, or with keepTop only its
// bottom.
RECT Raised(const RECT& rectAt96, UINT dpi, int shift, bool keepTop = false)
{
    RECT rect = ScaledRect(rectAt96, dpi);
    if (!keepTop)
        rect.top -= shift;
    rect.bottom -= shift;
    return rect;
}

std::wstring Widened(const char* text)
{
    const std::string narrow(text);
    return std::wstring(narrow.begin(), narrow.end());
}
} // namespace

CWtlChooserParameters::CWtlChooserParameters() : CWizardPage(IDD_CONFIGURE_PARAMETERS) {}

CWtlChooserParameters::~CWtlChooserParameters() = default;

void CWtlChooserParameters::OnInit()
{
    m_dpi = Dpi();
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    const RECT name = ScaledRect(kNameRect, m_dpi);
    m_name = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, name.left, name.top,
                             name.right - name.left, name.bottom - name.top, Handle(), nullptr, nullptr, nullptr);
    SendMessageW(m_name, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (m_distribution)
        SetWindowTextW(m_name, Widened(m_distribution->GetName()).c_str());
    m_message.Create(Handle(), ScaledRect(kMessageRect, m_dpi), font);
    m_message.SetColors(kMessageRed, CColoredStaticCtrl::kDefault);
}

void CWtlChooserParameters::OnSetActive()
{
    SendMessageW(Sheet(), WMU_PARAMS_PAGE_ACTIVE, 0, 0);
    if (!m_distribution)
        return;
    m_dpi = Dpi();
    FitToPage();
    RebuildParameterList();
    ReplaceGraph();
    Refresh();
}

void CWtlChooserParameters::OnDpiChanged()
{
    m_dpi = Dpi();
    PlaceWindow(m_name, ScaledRect(kNameRect, m_dpi));
    FitToPage();
    if (m_parameters) {
        PlaceWindow(m_parameters->Handle(), Raised(kParametersRect, m_dpi, m_shift));
        m_parameters->SetDpi(m_dpi);
    }
    if (m_graph) {
        PlaceWindow(m_graph->Handle(), Raised(kGraphRect, m_dpi, m_shift, true));
        m_graph->SetDpi(m_dpi);
    }
}

// Where the page's font is smaller than the one the layout was drawn for,
// the page is shorter than its content: the graph gives up the difference
// so that the fields and the message line stay in view.
void CWtlChooserParameters::FitToPage()
{
    RECT client;
    GetClientRect(Handle(), &client);
    const int content = ScaledPixels(kContentHeight, m_dpi);
    m_shift = client.bottom < content ? content - static_cast<int>(client.bottom) : 0;
    PlaceWindow(m_message.Handle(), Raised(kMessageRect, m_dpi, m_shift));
}

void CWtlChooserParameters::RebuildParameterList()
{
    m_parameters.reset(new CWtlParamList(m_distribution, m_dpi));
    m_parameters->Create(Handle(), Raised(kParametersRect, m_dpi, m_shift), L"Parameter List",
                         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
    for (unsigned i = 0; i < m_distribution->GetParameterCount(); ++i)
        m_parameters->AddParameter(m_distribution->GetParameterInfo(i));
    SetWindowTextW(m_name, Widened(m_distribution->GetName()).c_str());
}

void CWtlChooserParameters::ReplaceGraph()
{
    m_graph.reset();
    if (m_distribution->IsDiscrete())
        m_graph.reset(new CWtlGraphDiscrete(static_cast<const qdists::VDiscreteDistribution&>(*m_distribution)));
    else
        m_graph.reset(new CWtlGraphContinuous(static_cast<const qdists::VContinuousDistribution&>(*m_distribution)));
    m_graph->SetDpi(m_dpi);
    m_graph->Create(Handle(), Raised(kGraphRect, m_dpi, m_shift, true), L"", WS_CHILD | WS_VISIBLE | WS_BORDER);
}

void CWtlChooserParameters::Refresh()
{
    if (m_graph)
        m_graph->Recompute();
    std::string message;
    if (m_distribution->Validate(message))
        m_message.SetText(L"");
    else
        m_message.SetText(Widened(message.c_str()).c_str());
}

bool CWtlChooserParameters::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    switch (message) {
    case WMU_PARAM_EDITED:
        Refresh();
        SendMessageW(Sheet(), WMU_PARAMS_CHANGED, 0, 0);
        result = 0;
        return true;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) != m_message.Handle())
            return false;
        result = reinterpret_cast<INT_PTR>(m_message.OnCtlColor(reinterpret_cast<HDC>(wParam)));
        return true;
    case WM_DESTROY:
        m_graph.reset();
        m_parameters.reset();
        return true;
    default:
        return false;
    }
}
