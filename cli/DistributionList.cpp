// stochal list: the distributions with their arguments and parameters.
#include <iomanip>
#include <sstream>

#include "cli/CommandLine.h"
#include "cli/DistributionCommands.h"
#include "cli/DistributionTable.h"
#include "qdists/DistributionCatalog.h"

namespace cli {

namespace {

void ListOne(const DistributionForm& form, std::ostream& out)
{
    const auto distribution = qdists::CreateInitialDistribution(form.name);
    out << form.name << " (" << distribution->GetName() << "): " << ArgumentList(form);
    if (*form.note) {
        out << "   " << form.note;
    }
    out << '\n';
    for (unsigned i = 0; i < distribution->GetParameterCount(); ++i) {
        const qdists::ParameterInfo& info = distribution->GetParameterInfo(i);
        out << "  " << std::left << std::setw(7) << info.symbol << std::setw(25) << info.description << '['
            << FormatDouble(info.bounds.lower()) << ", " << FormatDouble(info.bounds.upper()) << ']'
            << (info.isInteger ? " whole" : "") << "  initial " << FormatDouble(distribution->GetParameter(i))
            << '\n';
    }
}

} // namespace

int RunList(const std::vector<std::string>& words, std::ostream& out)
{
    const Arguments args(words, {}, {});
    if (!args.Positionals().empty()) {
        throw UsageError("list takes no arguments");
    }
    std::ostringstream text;
    for (const DistributionForm& form : AllDistributionForms()) {
        ListOne(form, text);
    }
    out << text.str();
    return 0;
}

} // namespace cli
