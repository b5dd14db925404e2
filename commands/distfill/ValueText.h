#pragma once
#include <cstddef>
#include <string>

// The text of drawn values as the clipboard and file outputs write it:
// "%1.20g" (up to twenty significant digits, the shorter of fixed and
// exponent form, no trailing zeros), one tab between the values of a line,
// a line feed after every line, the last one included.

// Room for the longest "%1.20g" text of a double, with its terminating NUL.
constexpr std::size_t kValueTextSize = 32;

// The longest text of a double: a sign, twenty digits, a point and an
// exponent of three digits with its sign ("-2.2250738585072013831e-308").
constexpr std::size_t kLongestValueText = 27;

// Writes the text of value into buffer (kValueTextSize bytes) and returns
// its length; the text is NUL-terminated.
std::size_t FormatValue(double value, char* buffer);

class CValueText {
public:
    // Appends a value; a tab goes before every value but a line's first.
    void AddValue(double value);
    // Ends the current line with a line feed.
    void EndLine();

    const std::string& Text() const { return m_text; }
    std::size_t Size() const { return m_text.size(); }
    // Empties the text, as after handing it on; a line begun stays begun.
    void Clear() { m_text.clear(); }

private:
    std::string m_text;
    bool m_lineStarted = false;
};
