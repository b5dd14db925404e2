#pragma once
#include "commands/fill/FillValues.h"
#include "uniform/MersenneTwister.h"
#include "win/excel/ExcelObjects.h"

// Writes a Random Fill into its target range, column by column, drawing
// from the engine in the order the cells are written. After each column it
// looks whether the user pressed Esc and stops if so. A failed call
// into Excel raises CComError; the columns already written stay written.
// Returns false when stopped by Esc.
bool WriteFill(const CExcelRange& target, const CFillChoice& choice, CMersenneTwister& engine);
