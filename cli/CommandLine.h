#pragma once
#include <cstdint>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/InternalGenerator.h"

namespace cli {

// A mistake in how the tool was called: one line on stderr, exit code 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The words after the command name, split into options and positionals.
// Options that take a value are named in valued; flags in flags.
class Arguments {
public:
    Arguments(const std::vector<std::string>& words, const std::set<std::string>& valued,
              const std::set<std::string>& flags);

    bool Has(const std::string& option) const;
    std::optional<std::string> Value(const std::string& option) const;
    const std::vector<std::string>& Positionals() const { return m_positionals; }
    bool WantsHelp() const { return Has("--help"); }

    // -n N: a whole number of at least 0, 1 when not given.
    std::uint32_t Count() const;
    // --seed S builds the engine as CInternalGenerator(S); without it the clock seed.
    CInternalGenerator Generator() const;
    bool Seeded() const { return Has("--seed"); }

private:
    std::vector<std::string> m_positionals;
    std::vector<std::pair<std::string, std::string>> m_options;
};

double ParseDouble(const std::string& text, const std::string& what);
std::int32_t ParseInt32(const std::string& text, const std::string& what);
// A 32-bit value read as the automation Seed reads it: -2147483648 to
// 4294967295, negative values taken modulo 2^32.
std::uint32_t ParseSeed(const std::string& text);

// Numbers print with 17 significant digits, so they read back exactly.
std::string FormatDouble(double value);

} // namespace cli
