#pragma once
#include <string>

#include "win/excel/ExcelObjects.h"

// Random Fill keeps its choices in Excel names of the workbook rather than
// the registry. Neither call reports a failure: an unreadable name gives
// the default, an unwritable one is left as it was.

// The value of the name as text (ExecuteExcel4Macro of the bare name), or
// `fallback` when it is not defined or not convertible to text.
std::wstring ReadNameValue(const CExcelApplication& application, const std::wstring& name,
                           const std::wstring& fallback);
// Defines the name as the text value with SET.NAME.
void WriteNameValue(const CExcelApplication& application, const std::wstring& name, const std::wstring& value);
