#pragma once
#include <windows.h>

#include <array>
#include <vector>

#include "commands/distfill/wizard/FilterEdit.h"
#include "qdists/Distribution.h"
#include "win/ui/CustomWindow.h"
#include "win/ui/GdiObject.h"

// The rows of parameter fields on the wizard's second page: for each
// parameter its symbol, a value field (ids 777 to 781) and its description,
// in columns of three rows, laid out at a DPI. Every change of a field is
// stored in the distribution at once and reported to the parent
// (WMU_PARAM_EDITED).
class CWtlParamList : public CCustomWindow {
public:
    static constexpr int kFirstFieldId = 777;
    static constexpr size_t kMaxRows = 5;

    CWtlParamList(qdists::VDistribution* distribution, UINT dpi);
    ~CWtlParamList() override;

    void Clear();
    // Appends a row for the next parameter of the distribution.
    void AddParameter(const qdists::ParameterInfo& info);
    // Lays the rows out again, with their font, for that DPI.
    void SetDpi(UINT dpi);

protected:
    const wchar_t* ClassName() const override { return L"Stochal.ParamList"; }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Where a row's symbol, field and description lie.
    struct RowRects {
        RECT symbol;
        RECT field;
        RECT description;
    };
    RowRects RowAt(size_t row) const;
    HWND CreateLabel(const wchar_t* text, const RECT& rect);
    void OnFieldChanged(int id);

    std::vector<qdists::ParameterInfo> m_rows;
    // Each row's symbol and description, in row order.
    std::vector<HWND> m_labels;
    std::array<CFilterEdit, kMaxRows> m_edits;
    qdists::VDistribution* m_distribution;
    UINT m_dpi;
    CGdiObject<HFONT> m_font;
    bool m_filling = false;
};
