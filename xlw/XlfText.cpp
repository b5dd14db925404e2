#include "xlw/XlfText.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {
constexpr char32_t kReplacement = 0xFFFD;

// The code point that starts at text[at], advancing at past it.
char32_t NextCodePoint(const std::string& text, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) {
        return lead;
    }
    int more = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 && lead < 0xE0 ? 1 : -1;
    if (more < 0) {
        return kReplacement;
    }
    char32_t point = lead & (0x3F >> more);
    for (; more > 0; --more) {
        if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) {
            return kReplacement;
        }
        point = (point << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    }
    const bool surrogate = point >= 0xD800 && point < 0xE000;
    return surrogate || point > 0x10FFFF ? kReplacement : point;
}

void AppendUtf8(std::string& text, char32_t point)
{
    if (point < 0x80) {
        text += static_cast<char>(point);
    } else if (point < 0x800) {
        text += static_cast<char>(0xC0 | (point >> 6));
        text += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        text += static_cast<char>(0xE0 | (point >> 12));
        text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (point >> 18));
        text += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (point & 0x3F));
    }
}
} // namespace

std::u16string Utf8ToUtf16(const std::string& text)
{
    std::u16string wide;
    wide.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const char32_t point = NextCodePoint(text, at);
        if (point >= 0x10000) {
            wide += static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10));
            wide += static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<char16_t>(point);
        }
    }
    return wide;
}

std::string Utf16ToUtf8(const std::u16string& text)
{
    std::string narrow;
    narrow.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char16_t unit = text[at];
        const bool high = unit >= 0xD800 && unit < 0xDC00;
        const bool pairs = high && at + 1 < text.size() && text[at + 1] >= 0xDC00 && text[at + 1] < 0xE000;
        if (pairs) {
            AppendUtf8(narrow, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[++at] - 0xDC00));
        } else if (unit >= 0xD800 && unit < 0xE000) {
            AppendUtf8(narrow, kReplacement); // a lone surrogate
        } else {
            AppendUtf8(narrow, unit);
        }
    }
    return narrow;
}

#ifdef _WIN32

std::string Utf16ToAnsi(const std::u16string& text)
{
    if (text.empty()) {
        return std::string();
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int units = static_cast<int>(text.size());
    // No best fit: a Greek alpha is no Latin a, it is lost.
    const int bytes = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, units, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) {
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, units, &narrow[0], bytes, nullptr, nullptr);
    }
    return narrow;
}

std::u16string AnsiToUtf16(const std::string& text)
{
    if (text.empty()) {
        return std::u16string();
    }
    const int bytes = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(units > 0 ? units : 0), u'\0');
    if (units > 0) {
        MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, reinterpret_cast<wchar_t*>(&wide[0]), units);
    }
    return wide;
}

#else

// Away from Windows the code page is Latin-1, so native tests see the same
// loss of characters beyond it.
std::string Utf16ToAnsi(const std::u16string& text)
{
    std::string narrow;
    narrow.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char16_t unit = text[at];
        if (unit >= 0xD800 && unit < 0xDC00 && at + 1 < text.size() && text[at + 1] >= 0xDC00 && text[at + 1] < 0xE000) {
            ++at; // one character, one question mark
        }
        narrow += unit < 0x100 ? static_cast<char>(unit) : '?';
    }
    return narrow;
}

std::u16string AnsiToUtf16(const std::string& text)
{
    std::u16string wide;
    wide.reserve(text.size());
    for (char c : text) {
        wide += static_cast<char16_t>(static_cast<unsigned char>(c));
    }
    return wide;
}

#endif
