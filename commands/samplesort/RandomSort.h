#pragma once
#include <windows.h>

#include "win/excel/ExcelObjects.h"

// "&Sort...": the selection's rows, or its cells one by one, put in random
// order, in place or as tab-separated text on the clipboard.
void RunRandomSort(const CExcelApplication& application);

// One sort of the selection, as chosen in the dialog.
class CSortJob {
public:
    CSortJob(const CExcelRange& selection, bool groupRows, bool toClipboard, HWND owner);

    // Builds the permutation with the main stream and produces the output.
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
