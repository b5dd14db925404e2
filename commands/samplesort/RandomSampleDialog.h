#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "win/excel/ExcelObjects.h"
#include "win/ui/ModalDialog.h"

// "Random Sample": how many rows of the selection to draw, whether each
// row may be drawn once only, and which column, if any, weighs the rows.
// The choices persist in the settings section "Sample Dialog".
class CRandomSample : public CModalDialog {
public:
    // Reads what the dialog shows of the selection (rows, column labels)
    // before it opens, so that no Excel call runs inside the dialog.
    explicit CRandomSample(const CExcelRange& selection);

    // Draws the sample chosen with OK and puts its rows on the clipboard;
    // Esc while the rows are read leaves the clipboard as it was.
    void Run(HWND owner) const;

    bool Unique() const { return m_unique; }
    std::int32_t Count() const { return m_count; }
    bool Weighted() const { return m_weighted; }
    std::int32_t WeightColumn() const { return m_weightColumn; }

protected:
    bool OnInit() override;
    void OnCommand(WORD id, WORD code) override;
    void OnOk() override;

private:
    void EnableColumnChoice() const;
    // The checks of OK in order; false after showing the first failure.
    bool ReadChoices();
    void SaveChoices() const;

    CExcelRange m_selection;
    long m_rows;
    long m_columns;
    std::vector<std::wstring> m_columnLabels;
    bool m_unique = false;
    std::int32_t m_count = 0;
    bool m_weighted = false;
    std::int32_t m_weightColumn = 0;
};

// One double per row of the selection from the weight column (0-based), or
// false after telling the user which cell holds no valid weight.
bool ReadWeights(HWND owner, const CExcelRange& selection, std::int32_t weightColumn, std::vector<double>& weights);
