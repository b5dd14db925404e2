#pragma once
#include <windows.h>

#include <string>

#include "commands/distfill/GenerateWrapper.h"
#include "uniform/UnitStream.h"
#include "win/excel/ExcelObjects.h"

// The driver: the wizard (owned by owner), its settings loaded from and,
// unless the user cancelled or Excel failed, saved back to the job's
// settings key, and the chosen output.
void RunDistributionFill(VGenerateWrapper& job, CUnitStream& stream, HWND owner);

// The text of the message for an Excel error that ended the command.
std::wstring UnexpectedErrorText(HRESULT code);
