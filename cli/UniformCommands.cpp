#include <sstream>

#include "cli/CommandLine.h"
#include "cli/Commands.h"

namespace cli {

namespace {
void ExpectPositionals(const Arguments& args, std::size_t count)
{
    if (args.Positionals().size() != count) {
        throw UsageError("expected " + std::to_string(count) + " argument(s), got " +
                         std::to_string(args.Positionals().size()) + " (see --help)");
    }
}
} // namespace

int RunRand(const std::vector<std::string>& words, std::ostream& out)
{
    const Arguments args(words, {"-n", "--seed"}, {});
    ExpectPositionals(args, 0);
    CInternalGenerator generator = args.Generator();
    std::ostringstream text;
    for (std::uint32_t i = args.Count(); i > 0; --i) {
        text << FormatDouble(generator.Next()) << '\n';
    }
    out << text.str();
    return 0;
}

int RunRandBetween(const std::vector<std::string>& words, std::ostream& out)
{
    const Arguments args(words, {"-n", "--seed"}, {});
    ExpectPositionals(args, 2);
    const std::int32_t min = ParseInt32(args.Positionals()[0], "MIN");
    const std::int32_t max = ParseInt32(args.Positionals()[1], "MAX");
    if (min >= max) {
        throw UsageError("MIN must be less than MAX");
    }
    CInternalGenerator generator = args.Generator();
    std::ostringstream text;
    for (std::uint32_t i = args.Count(); i > 0; --i) {
        text << generator.NextBetween(min, max) << '\n';
    }
    out << text.str();
    return 0;
}

} // namespace cli
