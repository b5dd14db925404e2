#pragma once
#include <string>
#include <vector>

#include "qdists/ParameterInfo.h"

namespace chooser {

// A parameter value as its field shows it: "%d" of the value truncated
// toward zero for an integer parameter, "%g" otherwise, with the user's
// decimal separator for the point.
std::wstring FormatParameter(const qdists::ParameterInfo& info, double value, wchar_t decimal = L'.');

// A field's text as a parameter value: the leading integer (atoi) for an
// integer parameter, the leading number (atof) otherwise, where the user's
// decimal separator and a point both mark the fraction; text without a
// leading number counts as 0. Integers saturate at the int range.
double ParseParameter(const qdists::ParameterInfo& info, const std::wstring& text, wchar_t decimal = L'.');

// A number field of the output page read as atol reads it: blanks, an
// optional sign and the leading digits; anything else ends the number and
// an empty field is 0. At most 255 characters are read; the result
// saturates instead of overflowing.
long long ReadNumberField(const std::wstring& text);

// "%ld" of a stored count.
std::wstring FormatCount(long value);

// The index of the first name equal to text ignoring ASCII case, or -1.
int FindNameIgnoringCase(const std::vector<const char*>& names, const char* text);

// The characters that a narrow C conversion sees; others become '?'.
std::string AsciiOf(const std::wstring& text);

} // namespace chooser
