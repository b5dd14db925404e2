#pragma once
#include <string>

// The Excel 4 macro text that defines a workbook name as a text value:
// SET.NAME("name","value"). Double quotes inside the value are doubled, as
// in any Excel string, so no value can end the string early and add macro
// code of its own.
std::wstring SetNameMacro(const std::wstring& name, const std::wstring& value);
