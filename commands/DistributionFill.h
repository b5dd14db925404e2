#pragma once
#include <windows.h>

#include <string>

#include "commands/ExcelObjects.h"
#include "commands/GenerateWrapper.h"
#include "uniform/UnitStream.h"

// "Fill from &Distribution...": runs the wizard, then fills the chosen
// place with variates of the chosen distribution, and restores Excel's
// cursor and screen updating however it ends.
void RunDistributionFillCommand(const CExcelApplication& application);

// The driver: the wizard (owned by owner), its settings loaded from and,
// unless the user cancelled or Excel failed, saved back to the job's
// settings key, and the chosen output.
void RunDistributionFill(VGenerateWrapper& job, CUnitStream& stream, HWND owner);

// The text of the message for an Excel error that ended the command.
std::wstring UnexpectedErrorText(HRESULT code);
