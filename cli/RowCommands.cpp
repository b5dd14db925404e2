#include <sstream>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/RowFile.h"
#include "engine/Sampling.h"

namespace cli {

namespace {
const std::string& FileArgument(const Arguments& args)
{
    if (args.Positionals().size() != 1) {
        throw UsageError("expected one FILE argument (\"-\" for stdin; see --help)");
    }
    return args.Positionals()[0];
}

std::string Join(const RowFile& file, const ElementList& rows)
{
    std::ostringstream text;
    for (std::uint32_t row : rows) {
        text << file.Rows()[row] << '\n';
    }
    return text.str();
}
} // namespace

int RunSample(const std::vector<std::string>& words, std::ostream& out)
{
    const Arguments args(words, {"-n", "--seed", "--weights"}, {"--unique"});
    const std::string& path = FileArgument(args);
    const std::uint32_t count = args.Count();
    const bool unique = args.Has("--unique");
    const auto column = args.Value("--weights");
    CInternalGenerator generator = args.Generator();
    const RowFile file = RowFile::Read(path);
    const std::size_t rowCount = file.Rows().size();
    const WeightList weights = column ? file.Weights(ParseInt32(*column, "weight column")) : WeightList{};
    if (rowCount == 0 && count > 0) {
        throw UsageError("no rows to sample in " + path);
    }
    if (unique && weights.empty() && count > rowCount) {
        throw UsageError("cannot draw " + std::to_string(count) + " unique rows from " + std::to_string(rowCount));
    }
    ElementList elements;
    FillSequence(elements, static_cast<std::int64_t>(rowCount), 0);
    ElementList chosen;
    SampleByRule(elements, weights, unique, count, chosen, generator.DistributionStream());
    out << Join(file, chosen);
    return 0;
}

int RunShuffle(const std::vector<std::string>& words, std::ostream& out)
{
    const Arguments args(words, {"--seed"}, {});
    const std::string& path = FileArgument(args);
    if (args.Seeded()) {
        g_generator = args.Generator();
    }
    const RowFile file = RowFile::Read(path);
    ElementList order;
    FillSequence(order, static_cast<std::int64_t>(file.Rows().size()), 0);
    ShuffleRows(order.data(), order.data() + order.size());
    out << Join(file, order);
    return 0;
}

} // namespace cli
