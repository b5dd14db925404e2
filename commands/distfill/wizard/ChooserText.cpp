#include "commands/distfill/wizard/ChooserText.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace chooser {

namespace {
constexpr size_t kMaxNumberFieldChars = 255;
constexpr long long kNumberLimit = 1000000000000000000LL;

int SaturatedInt(long value)
{
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}
} // namespace

std::string AsciiOf(const std::wstring& text)
{
    std::string ascii;
    ascii.reserve(text.size());
    for (wchar_t c : text)
        ascii += (c > 0 && c < 128) ? static_cast<char>(c) : '?';
    return ascii;
}

std::wstring FormatParameter(const qdists::ParameterInfo& info, double value, wchar_t decimal)
{
    char text[64];
    if (info.isInteger)
        std::snprintf(text, sizeof text, "%d", SaturatedInt(static_cast<long>(std::trunc(value))));
    else
        std::snprintf(text, sizeof text, "%g", value);
    std::wstring shown(text, text + std::char_traits<char>::length(text));
    std::replace(shown.begin(), shown.end(), L'.', decimal);
    return shown;
}

double ParseParameter(const qdists::ParameterInfo& info, const std::wstring& text, wchar_t decimal)
{
    std::wstring pointed = text;
    std::replace(pointed.begin(), pointed.end(), decimal, L'.');
    const std::string ascii = AsciiOf(pointed);
    if (info.isInteger)
        return static_cast<double>(SaturatedInt(std::strtol(ascii.c_str(), nullptr, 10)));
    return std::strtod(ascii.c_str(), nullptr);
}

long long ReadNumberField(const std::wstring& text)
{
    const std::string ascii = AsciiOf(text.substr(0, kMaxNumberFieldChars));
    size_t i = 0;
    while (i < ascii.size() && std::isspace(static_cast<unsigned char>(ascii[i])))
        ++i;
    bool negative = false;
    if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-'))
        negative = ascii[i++] == '-';
    long long value = 0;
    for (; i < ascii.size() && std::isdigit(static_cast<unsigned char>(ascii[i])); ++i) {
        if (value < kNumberLimit / 10)
            value = value * 10 + (ascii[i] - '0');
    }
    return negative ? -value : value;
}

std::wstring FormatCount(long value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%ld", value);
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

int FindNameIgnoringCase(const std::vector<const char*>& names, const char* text)
{
    for (size_t i = 0; i < names.size(); ++i) {
        const char* a = names[i];
        const char* b = text;
        while (*a && std::tolower(static_cast<unsigned char>(*a)) == std::tolower(static_cast<unsigned char>(*b))) {
            ++a;
            ++b;
        }
        if (*a == '\0' && *b == '\0')
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace chooser
