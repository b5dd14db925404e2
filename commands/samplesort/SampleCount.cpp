#include "commands/samplesort/SampleCount.h"

#include <limits>

bool ParseSampleCount(const std::wstring& text, std::int32_t& count)
{
    if (text.empty())
        return false;
    constexpr std::int64_t kMost = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (wchar_t ch : text) {
        if (ch < L'0' || ch > L'9')
            return false;
        value = value * 10 + (ch - L'0');
        if (value > kMost) // stops before leading digits could overflow
            return false;
    }
    count = static_cast<std::int32_t>(value);
    return true;
}
