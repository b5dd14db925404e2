#include "commands/samplesort/TabbedText.h"

std::wstring TabbedLines(const std::vector<std::wstring>& texts, std::size_t columns)
{
    std::wstring result;
    if (columns == 0)
        return result; // no line can hold a text
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0 && i % columns != 0)
            result += L'\t';
        result += texts[i];
        if ((i + 1) % columns == 0 || i + 1 == texts.size())
            result += L'\n';
    }
    return result;
}
