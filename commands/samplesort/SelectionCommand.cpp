#include "commands/samplesort/SelectionCommand.h"

#include <new>
#include <optional>
#include <stdexcept>

#include "win/com/ComError.h"
#include "win/ui/MessageBoxes.h"

namespace {

const wchar_t kUnexpected[] = L"Unexpected error. ";
const wchar_t kConversionError[] = L"Conversion error.";

// False when the selection holds no more than one cell of the sheet's data
// and the command ended with the message.
bool RunGuarded(const CExcelApplication& application, const wchar_t* emptyMessage, SelectionWork work,
                HWND owner)
{
    try {
        // A whole column or sheet is mostly empty rows: the commands take the
        // part of the selection that holds the sheet's data, as Excel's Sort.
        const std::optional<CExcelRange> selection
            = application.UsedPart(CExcelRange::From(application.WindowSelection()));
        if (!selection || (selection->RowCount() < 2 && selection->ColumnCount() < 2)) {
            MessageBoxW(owner, emptyMessage, L"Empty selection", MB_OK);
            return false;
        }
        work(*selection, owner);
    } catch (const CComError& error) {
        ShowComError(owner, kUnexpected, error);
    } catch (const VErrorBase& error) {
        ShowError(owner, error.Message());
    } catch (const std::bad_alloc&) {
        ShowError(owner, L"Not enough memory for a selection this large.");
    } catch (const std::length_error&) {
        ShowError(owner, L"Not enough memory for a selection this large.");
    }
    return true;
}

} // namespace

void RunOnSelection(const CExcelApplication& application, const wchar_t* emptyMessage, SelectionWork work)
{
    const HWND owner = application.MainWindow();
    if (!RunGuarded(application, emptyMessage, work, owner))
        return;
    try {
        application.RestoreInteraction();
    } catch (const CComError& error) {
        ShowComError(owner, kUnexpected, error);
    }
}

std::wstring DisplayedText(const CExcelRange& cell)
{
    std::wstring text;
    return cell.Text().ToText(text) ? text : kConversionError;
}

std::wstring CellText(const CExcelRange& cell)
{
    try {
        return DisplayedText(cell);
    } catch (const CComError&) {
        return kConversionError;
    }
}
