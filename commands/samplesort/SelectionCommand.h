#pragma once
#include <windows.h>

#include <string>

#include "win/excel/ExcelObjects.h"
#include "win/ui/Errors.h"

// The frame the Sample and Sort commands share: the selection as a range
// of at least two cells, the command's own work, every failure shown in a
// message box owned by Excel's window, and Excel's cursor and screen
// updating restored afterwards.

// An error of the command's own with a fixed text.
class CCommandError : public VErrorBase {
public:
    explicit CCommandError(std::wstring text) : m_text(std::move(text)) {}
    std::wstring Message() const override { return m_text; }

private:
    std::wstring m_text;
};

using SelectionWork = void (*)(const CExcelRange& selection, HWND owner);

// Runs work on the part of ActiveWindow.Selection inside its sheet's used
// range. A part of a single cell, or none, gets emptyMessage (caption
// "Empty selection") and ends the command at once, without the restore of
// cursor and screen updating.
void RunOnSelection(const CExcelApplication& application, const wchar_t* emptyMessage, SelectionWork work);

// A cell's displayed Text as a string; "Conversion error." when it does not
// convert. A failed read is Excel's error and goes on.
std::wstring DisplayedText(const CExcelRange& cell);
// The same, with a failed read also giving "Conversion error.".
std::wstring CellText(const CExcelRange& cell);
