#pragma once
#include <windows.h>

#include <memory>

#include "commands/distfill/wizard/DistGrid.h"
#include "commands/distfill/wizard/GraphWindow.h"
#include "commands/distfill/wizard/ParamList.h"
#include "win/ui/ColoredStaticCtrl.h"
#include "win/ui/PropertySheet.h"

// Page 1, "Choose Distribution": the grid of pictures.
class CWtlChooserDistribution : public CWizardPage {
public:
    CWtlChooserDistribution();
    CWtlDistGrid& Grid() { return m_grid; }

protected:
    void OnInit() override;
    void OnSetActive() override;
    void OnDpiChanged() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    RECT GridRect() const;

    CWtlDistGrid m_grid;
};

// Page 2, "Configure Parameters": the name, the graph, the parameter
// fields and the red validation message of one distribution.
class CWtlChooserParameters : public CWizardPage {
public:
    CWtlChooserParameters();
    ~CWtlChooserParameters() override;
    void SetDistribution(qdists::VDistribution* distribution) { m_distribution = distribution; }

protected:
    void OnInit() override;
    void OnSetActive() override;
    void OnDpiChanged() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void FitToPage();
    void RebuildParameterList();
    void ReplaceGraph();
    void Refresh();

    qdists::VDistribution* m_distribution = nullptr;
    HWND m_name = nullptr;
    std::unique_ptr<CWtlParamList> m_parameters;
    CColoredStaticCtrl m_message;
    std::unique_ptr<CGraphWindow> m_graph;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    int m_shift = 0;
};
