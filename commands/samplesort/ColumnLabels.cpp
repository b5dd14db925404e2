#include "commands/samplesort/ColumnLabels.h"

#include <algorithm>

std::wstring ColumnLetters(long column)
{
    // Bijective base 26: A = 1 … Z = 26, then AA = 27.
    std::wstring letters;
    for (long rest = column; rest > 0; rest = (rest - 1) / 26)
        letters.push_back(static_cast<wchar_t>(L'A' + (rest - 1) % 26));
    std::reverse(letters.begin(), letters.end());
    return letters;
}

std::wstring ColumnLabel(long column)
{
    return L"Column " + ColumnLetters(column);
}
