#include "commands/fill/IntegerText.h"

namespace {

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

} // namespace

bool IsInteger(const std::wstring& text)
{
    std::size_t i = (!text.empty() && text[0] == L'-') ? 1 : 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i]))
            return false;
    }
    return true;
}

bool ParseInt32(const std::wstring& text, std::int32_t& value)
{
    if (text.empty() || !IsInteger(text))
        return false;
    const bool negative = text[0] == L'-';
    // The magnitude may reach 2^31 for the most negative value; stop as soon
    // as it passes that, so leading zeros are fine and long texts cannot
    // overflow.
    constexpr std::int64_t kLargestMagnitude = 2147483648LL;
    std::int64_t magnitude = 0;
    for (std::size_t i = negative ? 1 : 0; i < text.size(); ++i) {
        magnitude = magnitude * 10 + (text[i] - L'0');
        if (magnitude > kLargestMagnitude)
            return false;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT32_MAX)
        return false;
    value = static_cast<std::int32_t>(signedValue);
    return true;
}
