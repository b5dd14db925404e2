#pragma once
#include "win/excel/ExcelObjects.h"

// "&Fill Simple...": asks for the kind of numbers and the output range,
// then fills every cell of the range from the main stream. Shows Excel's
// errors itself; nothing reaches the caller.
void RunRandomFill(const CExcelApplication& application);
