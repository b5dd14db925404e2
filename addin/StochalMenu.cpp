// The "&Stochal" menu: its captions, tooltips and the command of each
// button.
#include "addin/AboutDialog.h"
#include "addin/HelpCommand.h"
#include "addin/MenuCommand.h"
#include "commands/Commands.h"
#include "win/com/ComError.h"

namespace {

// About and Help leave Excel as every command does, and say nothing of
// Excel's errors.
void RestoreQuietly(const CExcelApplication& application)
{
    try {
        application.RestoreInteraction();
    } catch (const CComError&) {
    }
}

void RunAbout(const CExcelApplication& application)
{
    CAboutDialog dialog;
    dialog.DoModal(application.MainWindow());
    RestoreQuietly(application);
}

void RunHelp(const CExcelApplication& application)
{
    ShowHelpIndex();
    RestoreQuietly(application);
}

} // namespace

extern const wchar_t kPopupCaption[] = L"&Stochal";
extern const wchar_t kPopupTooltip[] = L"Stochal Addin";

extern const CMenuEntry kMenu[kMenuButtons] = {
    {L"Stochal.FillSimple", L"&Fill Simple...", L"Generate random numbers.", false, &RunRandomFill},
    {L"Stochal.FillDistribution", L"Fill from &Distribution...",
     L"Generate random numbers from a probability distribution.", false, &RunDistributionFillCommand},
    {L"Stochal.Sample", L"S&ample...", L"Sample items.", false, &RunRandomSample},
    {L"Stochal.Sort", L"&Sort...", L"Random sort of the selection.", false, &RunRandomSort},
    {L"Stochal.About", L"&About...", L"About Stochal", true, &RunAbout},
    {L"Stochal.Help", L"&Help...", L"Documentation", false, &RunHelp},
};
