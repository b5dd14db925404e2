#include "cli/CommandLine.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace cli {

Arguments::Arguments(const std::vector<std::string>& words, const std::set<std::string>& valued,
                     const std::set<std::string>& flags)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (valued.count(word)) {
            if (i + 1 == words.size()) {
                throw UsageError("option " + word + " needs a value");
            }
            m_options.emplace_back(word, words[++i]);
        } else if (flags.count(word) || word == "--help") {
            m_options.emplace_back(word, "");
        } else if (word.size() > 1 && word[0] == '-' && !std::isdigit(static_cast<unsigned char>(word[1])) &&
                   word[1] != '.') {
            throw UsageError("unknown option " + word);
        } else {
            m_positionals.push_back(word);
        }
    }
}

bool Arguments::Has(const std::string& option) const
{
    for (const auto& entry : m_options) {
        if (entry.first == option) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> Arguments::Value(const std::string& option) const
{
    std::optional<std::string> value;
    for (const auto& entry : m_options) {
        if (entry.first == option) {
            value = entry.second; // the last one given wins
        }
    }
    return value;
}

std::uint32_t Arguments::Count() const
{
    const auto text = Value("-n");
    if (!text) {
        return 1;
    }
    const double n = ParseDouble(*text, "count");
    if (n < 0 || n != std::floor(n) || n > std::numeric_limits<std::uint32_t>::max()) {
        throw UsageError("count must be a whole number from 0 to 4294967295: " + *text);
    }
    return static_cast<std::uint32_t>(n);
}

CInternalGenerator Arguments::Generator() const
{
    const auto seed = Value("--seed");
    return seed ? CInternalGenerator(ParseSeed(*seed)) : g_generator;
}

double ParseDouble(const std::string& text, const std::string& what)
{
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || errno == ERANGE) {
        throw UsageError("bad number for " + what + ": " + text);
    }
    return value;
}

namespace {
long long ParseWhole(const std::string& text, const std::string& what, long long lo, long long hi)
{
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || end != text.c_str() + text.size() || errno == ERANGE || value < lo || value > hi) {
        throw UsageError("bad " + what + " (a whole number from " + std::to_string(lo) + " to " +
                         std::to_string(hi) + "): " + text);
    }
    return value;
}
} // namespace

std::int32_t ParseInt32(const std::string& text, const std::string& what)
{
    return static_cast<std::int32_t>(ParseWhole(text, what, std::numeric_limits<std::int32_t>::min(),
                                                std::numeric_limits<std::int32_t>::max()));
}

std::uint32_t ParseSeed(const std::string& text)
{
    const long long value = ParseWhole(text, "seed", std::numeric_limits<std::int32_t>::min(),
                                       std::numeric_limits<std::uint32_t>::max());
    return static_cast<std::uint32_t>(value); // modulo 2^32: -1 is 4294967295
}

std::string FormatDouble(double value)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

} // namespace cli
