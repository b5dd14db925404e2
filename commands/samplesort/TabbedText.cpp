#include "commands/samplesort/TabbedText.h"

#include <cwchar>

std::wstring TabbedTextTooLargeMessage(std::uint64_t cells, std::uint64_t length)
{
    constexpr std::uint64_t kMegabyte = 1024 * 1024;
    wchar_t text[256];
    std::swprintf(text, sizeof text / sizeof text[0],
                  L"Not enough memory to put %llu cells on the clipboard: their text would take %llu MB. "
                  L"Choose fewer rows or columns.",
                  static_cast<unsigned long long>(cells),
                  static_cast<unsigned long long>((length + kMegabyte - 1) / kMegabyte));
    return text;
}
