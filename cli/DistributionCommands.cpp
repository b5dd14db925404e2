#include "cli/DistributionCommands.h"

#include <iostream>
#include <sstream>

#include "cli/CommandLine.h"
#include "cli/DistributionMasses.h"
#include "cli/DistributionTable.h"
#include "qdists/ContinuousDistribution.h"

namespace cli {

namespace {

const DistributionForm& FormNamed(const std::vector<std::string>& positionals)
{
    if (positionals.empty()) {
        throw UsageError("no distribution given (see stochal list)");
    }
    const DistributionForm* form = FindDistribution(positionals[0]);
    if (!form) {
        throw UsageError("unknown distribution " + positionals[0] + " (see stochal list)");
    }
    return *form;
}

// The distribution's arguments from positionals[1 .. count], each parsed
// as its worksheet function reads it.
std::vector<double> ParseArguments(const DistributionForm& form, const std::vector<std::string>& positionals,
                                   std::size_t count)
{
    std::vector<double> values;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& text = positionals[i + 1];
        values.push_back(form.wholeArguments[i] ? ParseInt32(text, form.arguments[i])
                                                : ParseDouble(text, form.arguments[i]));
    }
    return values;
}

// Parameters that fail validation are refused like any other bad argument,
// with the message as the system words it.
void Validate(const qdists::VDistribution& distribution)
{
    std::string message;
    if (!distribution.Validate(message)) {
        throw UsageError(message);
    }
}

std::string FormatDraw(DrawKind kind, double value)
{
    if (kind == DrawKind::Logical) {
        return value != 0.0 ? "TRUE" : "FALSE";
    }
    return kind == DrawKind::Whole ? std::to_string(static_cast<long long>(value)) : FormatDouble(value);
}

enum class Function { Density, Cumulative, Quantile };

std::string Evaluate(const qdists::VDistribution& distribution, Function function, double x)
{
    if (function == Function::Quantile && !(x >= 0.0 && x <= 1.0)) {
        throw UsageError("a probability must lie in [0, 1]: " + FormatDouble(x));
    }
    if (distribution.IsDiscrete()) {
        const auto& discrete = static_cast<const qdists::VDiscreteDistribution&>(distribution);
        switch (function) {
        case Function::Density: return FormatDouble(DiscreteMass(discrete, x));
        case Function::Cumulative: return FormatDouble(DiscreteCumulative(discrete, x));
        case Function::Quantile: return std::to_string(DiscreteQuantile(discrete, x));
        }
    }
    const auto& continuous = static_cast<const qdists::VContinuousDistribution&>(distribution);
    switch (function) {
    case Function::Density: return FormatDouble(continuous.Density(x));
    case Function::Cumulative: return FormatDouble(continuous.Cumulative(x));
    case Function::Quantile: break;
    }
    return FormatDouble(continuous.Quantile(x));
}

// pdf, cdf and quantile: every argument of the distribution (the
// triangular's peak included, so that it cannot be taken for an X), then
// at least one X.
int RunFunction(const std::vector<std::string>& words, std::ostream& out, Function function)
{
    const Arguments args(words, {}, {});
    const std::vector<std::string>& positionals = args.Positionals();
    const DistributionForm& form = FormNamed(positionals);
    const std::size_t count = form.arguments.size();
    if (positionals.size() < count + 2) {
        throw UsageError(std::string(form.name) + " takes " + std::to_string(count) + " argument(s) (" +
                         ArgumentList(form) + ", all of them here) and then at least one X");
    }
    const auto distribution = form.make(ParseArguments(form, positionals, count));
    std::vector<double> xs;
    for (std::size_t i = count + 1; i < positionals.size(); ++i) {
        xs.push_back(ParseDouble(positionals[i], "X"));
    }
    Validate(*distribution);
    std::ostringstream text;
    for (double x : xs) {
        text << Evaluate(*distribution, function, x) << '\n';
    }
    out << text.str();
    return 0;
}

} // namespace

int RunDraw(const std::vector<std::string>& words, std::ostream& out)
{
    const Arguments args(words, {"-n", "--seed"}, {});
    const std::vector<std::string>& positionals = args.Positionals();
    const DistributionForm& form = FormNamed(positionals);
    const std::size_t given = positionals.size() - 1;
    const std::size_t most = form.arguments.size();
    if (given > most || given + form.optionalArguments < most) {
        throw UsageError(std::string(form.name) + " takes " + ArgumentList(form));
    }
    const std::vector<double> values = ParseArguments(form, positionals, given);
    const std::uint32_t count = args.Count();
    Validate(*form.make(values));
    CInternalGenerator generator = args.Generator();
    std::ostringstream text;
    for (std::uint32_t i = count; i > 0; --i) {
        text << FormatDraw(form.kind, form.draw(generator, values)) << '\n';
    }
    out << text.str();
    return 0;
}

int RunPdf(const std::vector<std::string>& words, std::ostream& out)
{
    return RunFunction(words, out, Function::Density);
}

int RunCdf(const std::vector<std::string>& words, std::ostream& out)
{
    return RunFunction(words, out, Function::Cumulative);
}

int RunQuantile(const std::vector<std::string>& words, std::ostream& out)
{
    return RunFunction(words, out, Function::Quantile);
}

} // namespace cli
