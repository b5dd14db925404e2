#include "cli/DistributionTable.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <tuple>
#include <utility>

#include "qdists/DistributionClasses.h"

namespace cli {

namespace {

using qdists::VDistribution;
using Args = std::vector<double>;

// An argument as the table's functions take it: whole arguments were parsed
// as 32-bit integers, so their casts are exact; an optional one may be
// missing from the end.
template <class T>
struct Argument;

template <>
struct Argument<double> {
    static double At(const Args& args, std::size_t i) { return args[i]; }
};

template <>
struct Argument<std::int32_t> {
    static std::int32_t At(const Args& args, std::size_t i) { return static_cast<std::int32_t>(args[i]); }
};

template <>
struct Argument<std::optional<double>> {
    static std::optional<double> At(const Args& args, std::size_t i)
    {
        return i < args.size() ? std::optional<double>(args[i]) : std::nullopt;
    }
};

template <class Body, class... Parameters, std::size_t... I>
auto CallIndexed(const Args& args, const Body& body, std::tuple<Parameters...>*, std::index_sequence<I...>)
{
    return body(Argument<Parameters>::At(args, I)...);
}

template <class Body, class Result, class... Parameters>
Result CallWith(const Args& args, const Body& body, Result (Body::*)(Parameters...) const)
{
    return CallIndexed(args, body, static_cast<std::tuple<Parameters...>*>(nullptr),
                       std::index_sequence_for<Parameters...>());
}

// Calls body with the arguments converted to its parameters' types.
template <class Body>
auto Unpacked(const Args& args, const Body& body)
{
    return CallWith(args, body, &Body::operator());
}

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

unsigned Count(std::initializer_list<bool> flags)
{
    return static_cast<unsigned>(std::count(flags.begin(), flags.end(), true));
}

} // namespace

#define STOCHAL_CLI_PARAMETER(kind, name, ...) STOCHAL_CLI_PARAMETER_##kind name
#define STOCHAL_CLI_PARAMETER_Whole std::int32_t
#define STOCHAL_CLI_PARAMETER_Real double
#define STOCHAL_CLI_PARAMETER_Optional std::optional<double>
#define STOCHAL_IS_WHOLE(kind, ...) STOCHAL_IS_WHOLE_##kind
#define STOCHAL_IS_WHOLE_Whole true
#define STOCHAL_IS_WHOLE_Real false
#define STOCHAL_IS_WHOLE_Optional false
#define STOCHAL_IS_OPTIONAL(kind, ...) STOCHAL_IS_OPTIONAL_##kind
#define STOCHAL_IS_OPTIONAL_Whole false
#define STOCHAL_IS_OPTIONAL_Real false
#define STOCHAL_IS_OPTIONAL_Optional true
#define STOCHAL_MISSING(name) !name
#define STOCHAL_VALUE(name) *name

const std::vector<DistributionForm>& AllDistributionForms()
{
    using G = CInternalGenerator;
    static const std::vector<DistributionForm> specs = {
#define STOCHAL_DISTRIBUTION(Name, Class, Display, Thumbnail, Kind, Worksheet, Entry, Summary, Topic, Arguments,   \
                             Construct, Initial, DispId, MethodHelp, HelpContext, Note)                          \
    {Lowered(#Name),                                                                                             \
     {STOCHAL_EACH(STOCHAL_NAME_TEXT, Arguments)},                                                               \
     {STOCHAL_EACH(STOCHAL_IS_WHOLE, Arguments)},                                                                \
     Count({STOCHAL_EACH(STOCHAL_IS_OPTIONAL, Arguments)}),                                                      \
     DrawKind::Kind,                                                                                             \
     [](const Args& a) {                                                                                         \
         return Unpacked(a, [](STOCHAL_EACH(STOCHAL_CLI_PARAMETER, Arguments)) -> std::unique_ptr<VDistribution> { \
             return std::make_unique<qdists::Class>(qdists::Make##Name(STOCHAL_EACH(STOCHAL_READ, Arguments)));  \
         });                                                                                                     \
     },                                                                                                          \
     [](G& g, const Args& a) {                                                                                   \
         return Unpacked(a, [&g](STOCHAL_EACH(STOCHAL_CLI_PARAMETER, Arguments)) {                               \
             return static_cast<double>(g.Next##Name(STOCHAL_EACH(STOCHAL_READ, Arguments)));                    \
         });                                                                                                     \
     },                                                                                                          \
     Note},
#include "qdists/Distributions.def"
#undef STOCHAL_DISTRIBUTION
    };
    return specs;
}

std::string ArgumentList(const DistributionForm& form)
{
    std::string text;
    for (std::size_t i = 0; i < form.arguments.size(); ++i) {
        const bool optional = i + form.optionalArguments >= form.arguments.size();
        text += std::string(i ? " " : "") + (optional ? "[" : "") + form.arguments[i] + (optional ? "]" : "");
    }
    return text;
}

const DistributionForm* FindDistribution(const std::string& name)
{
    const std::string lower = Lowered(name);
    for (const DistributionForm& form : AllDistributionForms()) {
        if (lower == form.name) {
            return &form;
        }
    }
    return nullptr;
}

} // namespace cli
