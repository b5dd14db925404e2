#pragma once
#include <string>

// How the Random Sample dialog names the sheet columns: "Column " and the
// letters Excel shows above the column (A to Z, AA to ZZ, AAA to XFD).

// The letters of a 1-based sheet column number; empty for numbers below 1.
std::wstring ColumnLetters(long column);
// "Column " followed by the letters.
std::wstring ColumnLabel(long column);
