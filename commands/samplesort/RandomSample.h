#pragma once
#include "win/excel/ExcelObjects.h"

// "S&ample...": rows of the selection drawn at random, with or without
// weights and repetition, put on the clipboard as tab-separated text.
void RunRandomSample(const CExcelApplication& application);
