#include "commands/distfill/ValueText.h"

#include <charconv>

namespace {

// "%1.20g": the general format with twenty significant digits. The width
// of one never pads, since no text is shorter.
constexpr int kSignificantDigits = 20;

} // namespace

std::size_t FormatValue(double value, char* buffer)
{
    // to_chars' general format with a precision is defined as printf's %.*g
    // and is exact, whatever C runtime the DLL ends up with.
    const auto result
        = std::to_chars(buffer, buffer + kValueTextSize - 1, value, std::chars_format::general, kSignificantDigits);
    *result.ptr = '\0';
    return static_cast<std::size_t>(result.ptr - buffer);
}

void CValueText::AddValue(double value)
{
    if (m_lineStarted)
        m_text.push_back('\t');
    char buffer[kValueTextSize];
    m_text.append(buffer, FormatValue(value, buffer));
    m_lineStarted = true;
}

void CValueText::EndLine()
{
    m_text.push_back('\n');
    m_lineStarted = false;
}
