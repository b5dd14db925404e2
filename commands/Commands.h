#pragma once
#include "win/excel/ExcelObjects.h"

// The commands of the add-in's menu and ribbon, one a folder of commands/.
// Each runs on Excel's Application and shows Excel's errors itself; nothing
// reaches the caller.

// "&Fill Simple...": asks for the kind of numbers and the output range,
// then fills every cell of the range from the main stream.
void RunRandomFill(const CExcelApplication& application);

// "Fill from &Distribution...": runs the wizard, then fills the chosen
// place with variates of the chosen distribution, and restores Excel's
// cursor and screen updating however it ends.
void RunDistributionFillCommand(const CExcelApplication& application);

// "S&ample...": rows of the selection drawn at random, with or without
// weights and repetition, put on the clipboard as tab-separated text.
void RunRandomSample(const CExcelApplication& application);

// "&Sort...": the selection's rows, or its cells one by one, put in random
// order, in place or as tab-separated text on the clipboard.
void RunRandomSort(const CExcelApplication& application);
