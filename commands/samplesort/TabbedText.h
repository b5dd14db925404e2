#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The clipboard text of the Sample and Sort commands: texts in row-major
// order, `columns` to a line, separated by one tab; every line, the last
// one included, ends with a single line feed. No texts give an empty text.

// The length of that text: every text is followed by one tab or line feed.
template <class Texts>
std::uint64_t TabbedLength(const Texts& texts)
{
    std::uint64_t length = 0;
    for (const auto& text : texts)
        length += text.size() + 1;
    return length;
}

// Appends the text to `out` (`columns` at least 1), which takes
// Append(const wchar_t*, length) and Append(wchar_t).
template <class Texts, class Out>
void AppendTabbedLines(const Texts& texts, std::size_t columns, Out& out)
{
    const std::size_t count = texts.size();
    std::size_t index = 0;
    for (const auto& text : texts) {
        out.Append(text.data(), text.size());
        ++index;
        out.Append(index % columns == 0 || index == count ? L'\n' : L'\t');
    }
}

// The message refusing a text of `length` characters, made of `cells`
// cells, that the process has not the memory for; its size is told as the
// distribution fill tells it, a byte a character.
std::wstring TabbedTextTooLargeMessage(std::uint64_t cells, std::uint64_t length);
