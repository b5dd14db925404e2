#pragma once
#include <windows.h>

// The decimal separator of the user's region setting, as Windows reports
// it for the user's locale (LOCALE_SDECIMAL); a point when it has none of
// one character.
wchar_t UserDecimalSeparator();
