#include "commands/Commands.h"

#include "commands/fill/FillWriter.h"
#include "commands/fill/RandomDialog.h"
#include "engine/InternalGenerator.h"
#include "win/com/ComError.h"
#include "win/com/OfficeInterfaces.h"
#include "win/ui/Errors.h"
#include "win/ui/MessageBoxes.h"

namespace {

// Runs the dialog and the fill; Excel is left with the wait cursor and
// screen updating off until the caller restores them.
void AskAndFill(const CExcelApplication& application, HWND owner)
{
    CRandomDialog dialog(application);
    const INT_PTR ended = dialog.DoModal(owner);
    if (ended == -1)
        throw COSError(L"The Random Fill dialog could not be shown.");
    if (ended != IDOK)
        return;
    application.SetCursor(xlWait);
    application.SetScreenUpdating(false);
    // Esc ends the fill early; the finished columns stay, as after a full fill.
    WriteFill(application.Range(dialog.OutputText()), dialog.Choice(), g_generator.MainStream());
}

// After a failure the first error is the one to report; a second one while
// restoring adds nothing the user can act on.
void RestoreQuietly(const CExcelApplication& application)
{
    try {
        application.RestoreInteraction();
    } catch (const CComError&) {
    }
}

} // namespace

void RunRandomFill(const CExcelApplication& application)
{
    const HWND owner = application.MainWindow();
    try {
        AskAndFill(application, owner);
        application.RestoreInteraction();
    } catch (const CComError& error) {
        // A fill cut short by Excel must not look finished: the cells written
        // so far stay, and the user is told why the rest are missing.
        RestoreQuietly(application);
        ShowComError(owner, L"Unexpected error. ", error);
    } catch (const VErrorBase& error) {
        RestoreQuietly(application);
        ShowError(owner, error.Message());
    }
}
