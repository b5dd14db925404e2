#pragma once
#include "commands/fill/FillValues.h"
#include "uniform/MersenneTwister.h"
#include "win/excel/ExcelObjects.h"

// Writes a Random Fill into its target range, drawing from the engine
// column by column, top to bottom. A single area goes to Excel in blocks of
// whole columns, one Range.Value put a block; after each block it looks
// whether the user pressed Esc and stops if so. A range of several
// areas is written cell by cell and checked after each column. A failed
// call into Excel raises CComError; the blocks already written stay
// written. Returns false when stopped by Esc.
bool WriteFill(const CExcelRange& target, const CFillChoice& choice, CMersenneTwister& engine);
