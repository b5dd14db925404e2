// stochal list: the distributions with their arguments and parameters.
#include <algorithm>
#include <cctype>
#include <iomanip>
#include <sstream>

#include "cli/CommandLine.h"
#include "cli/DistributionCommands.h"
#include "cli/DistributionTable.h"
#include "qdists/DistributionCatalog.h"

namespace cli {

namespace {

// The catalog's object with the initial parameters, matched by name.
std::unique_ptr<qdists::VDistribution> InitialDistribution(const DistributionForm& form)
{
    for (unsigned i = 0; i < qdists::kDistributionCount; ++i) {
        auto distribution = qdists::CreateInitialDistribution(i);
        std::string name;
        for (const char* c = distribution->GetName(); *c; ++c) {
            if (*c != ' ') {
                name += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
            }
        }
        if (name == form.name) {
            return distribution;
        }
    }
    return nullptr;
}

void ListOne(const DistributionForm& form, std::ostream& out)
{
    const auto distribution = InitialDistribution(form);
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
