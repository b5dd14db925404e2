#include "commands/distfill/DistributionFill.h"

#include "commands/Commands.h"

#include <boost/bind/bind.hpp>
#include <cwchar>
#include <new>

#include "commands/distfill/DistFillWrapper.h"
#include "commands/distfill/FillOutputs.h"
#include "commands/distfill/wizard/DistChooserWizard.h"
#include "engine/InternalGenerator.h"
#include "win/com/ComError.h"
#include "win/ui/Errors.h"

namespace {

// The product has no support address of its own; its Help, installed with
// it, is where a user turns.
const wchar_t kSupportContact[] = L"the support named in Stochal's Help (\"Help...\" on the Stochal menu)";

COutputChoice ChoiceOf(const CWtlDistChooserWizard& wizard)
{
    COutputChoice choice;
    choice.method = static_cast<COutputMethod>(wizard.Method());
    choice.columns = wizard.Columns();
    choice.rows = wizard.Rows();
    choice.count = wizard.Count();
    choice.text = wizard.Text();
    return choice;
}

void ShowUnexpectedError(HWND owner, HRESULT code)
{
    MessageBoxW(owner, UnexpectedErrorText(code).c_str(), L"Error", MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

std::wstring UnexpectedErrorText(HRESULT code)
{
    std::wstring description = SystemErrorText(static_cast<DWORD>(code));
    if (description.empty())
        description = L"Unknown error";
    wchar_t hex[16];
    std::swprintf(hex, 16, L"%lX", static_cast<unsigned long>(code));
    return std::wstring(L"An unexpected error occured, please contact ") + kSupportContact
           + L" with the following information. Error code: " + hex + L" (" + description + L").";
}

void RunDistributionFill(VGenerateWrapper& job, CUnitStream& stream, HWND owner)
{
    CWtlDistChooserWizard wizard;
    wizard.SetAddressValidator(boost::bind(&VGenerateWrapper::IsValidAddress, &job, boost::placeholders::_1));
    wizard.SetSelectionUsable(job.HasUsableSelection());
    const CSettingsKey key(job.OpenSettingsKey());
    wizard.Load(key);
    if (wizard.DoModal(owner) != 1)
        return;
    if (const qdists::VDistribution* distribution = wizard.Selected())
        ProduceOutput(job, *distribution, stream, owner, ChoiceOf(wizard));
    wizard.Save(key);
}

void RunDistributionFillCommand(const CExcelApplication& application)
{
    const HWND owner = application.MainWindow();
    try {
        CDistFillWrapper job(application);
        RunDistributionFill(job, g_generator.DistributionStream(), owner);
    } catch (const CComError& error) {
        ShowUnexpectedError(owner, error.Code());
    } catch (const std::bad_alloc&) {
        // A fill too large for memory (a huge clipboard text) ends like an
        // Excel error rather than taking Excel down.
        ShowUnexpectedError(owner, E_OUTOFMEMORY);
    }
    try {
        application.RestoreInteraction();
    } catch (const CComError&) {
    }
}
