#pragma once
#include <cstdint>
#include <string>

// The number of samples typed into the Random Sample dialog: decimal digits
// only (no sign, blank or decimal point), at least one, and a value that
// fits a signed 32-bit integer. False for anything else.
bool ParseSampleCount(const std::wstring& text, std::int32_t& count);
