#pragma once
#include <cstdint>
#include <string>

// The whole numbers typed into the Random Fill dialog: an optional leading
// minus sign and decimal digits, nothing else.

// True for one optional leading '-' followed by digits only. No blank, no
// '+', no decimal point. A lone "-" passes (it reads as 0).
bool IsInteger(const std::wstring& text);

// The value of a text that passes IsInteger and is not empty, if it fits a
// signed 32-bit integer; false otherwise (too many digits included).
bool ParseInt32(const std::wstring& text, std::int32_t& value);
