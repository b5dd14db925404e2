#pragma once
#include <windows.h>

#include <array>
#include <vector>

#include "commands/distfill/wizard/FilterEdit.h"
#include "qdists/Distribution.h"
#include "win/ui/CustomWindow.h"

// The rows of parameter fields on the wizard's second page: for each
// parameter its symbol, a value field (ids 777 to 781) and its description,
// in columns of three rows. Every change of a field is stored in the
// distribution at once and reported to the parent (WMU_PARAM_EDITED).
class CWtlParamList : public CCustomWindow {
public:
    static constexpr int kFirstFieldId = 777;
    static constexpr size_t kMaxRows = 5;

    explicit CWtlParamList(qdists::VDistribution* distribution) : m_distribution(distribution) {}
    ~CWtlParamList() override;

    void Clear();
    // Appends a row for the next parameter of the distribution.
    void AddParameter(const qdists::ParameterInfo& info);

protected:
    const wchar_t* ClassName() const override { return L"Stochal.ParamList"; }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND CreateLabel(const wchar_t* text, int x, int y, int width);
    void OnFieldChanged(int id);

    std::vector<qdists::ParameterInfo> m_rows;
    std::vector<HWND> m_labels;
    std::array<CFilterEdit, kMaxRows> m_edits;
    qdists::VDistribution* m_distribution;
    HFONT m_font = DefaultGuiFont();
    bool m_filling = false;
};
