#pragma once
#include <windows.h>

#include "win/excel/ExcelObjects.h"

// One sort of the selection, as chosen in the dialog.
class CSortJob {
public:
    CSortJob(const CExcelRange& selection, bool groupRows, bool toClipboard, HWND owner);

    // Builds the permutation with the main stream and produces the output.
    // Esc stops it: in place the selection is left as it was, and so is
    // the clipboard.
    void Run() const;

private:
    void ToClipboard(const std::vector<std::uint32_t>& sources) const;

    CExcelRange m_selection;
    bool m_groupRows;
    bool m_toClipboard;
    HWND m_owner;
    long m_rows;
    long m_columns;
};
