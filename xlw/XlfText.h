#pragma once
#include <string>

// Texts as the two interfaces carry them: the XLOPER12 in UTF-16, the
// XLOPER in the system's ANSI code page; the program's own texts are UTF-8.
// A malformed sequence reads as U+FFFD; a character the code page lacks
// becomes '?', as Windows writes it.
std::u16string Utf8ToUtf16(const std::string& text);
std::string Utf16ToUtf8(const std::u16string& text);
std::string Utf16ToAnsi(const std::u16string& text);
std::u16string AnsiToUtf16(const std::string& text);
