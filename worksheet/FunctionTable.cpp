#include "worksheet/FunctionTable.h"

#include <cstddef>
#include <cstdint>

#include "worksheet/EntryPoints.h"

namespace {
struct ArgText {
    const char* name;
    const char* help;
};

template <class T>
constexpr char TypeLetter();
template <>
constexpr char TypeLetter<double>() { return 'B'; }
template <>
constexpr char TypeLetter<std::int32_t>() { return 'J'; }
template <>
constexpr char TypeLetter<XlfValue*>() { return 'R'; }

template <class... Params>
using EntryPoint = XlfValue* (XLL_CALL*)(Params...);

template <class... Params, std::size_t N>
WorksheetFunction Row(EntryPoint<Params...>, const char* entryPoint, const char* name,
                      const ArgText (&arguments)[N], const char* help, int topic)
{
    static_assert(sizeof...(Params) == N, "one argument text per parameter");
    constexpr char letters[] = {TypeLetter<Params>()...};
    WorksheetFunction function{entryPoint, name, help, topic, {}};
    for (std::size_t i = 0; i < N; ++i) {
        function.arguments.emplace_back(arguments[i].name, arguments[i].help, letters[i]);
    }
    return function;
}

constexpr ArgText kSeed = {"seed", "Optional seed (whole number)."};
constexpr ArgText kQRand[] = {kSeed};
constexpr ArgText kQRandBetween[] = {{"MIN", "Lowest value."}, {"MAX", "Highest value."}, kSeed};
// The distributions' argument texts, and below their rows, from the list.
#define STOCHAL_ARG_TEXT(kind, name, comName, help, ...) {#name, help}
#define STOCHAL_DISTRIBUTION(Name, Class, Display, Thumbnail, Kind, Worksheet, Entry, Summary, Topic, Arguments, \
                             ...)                                                                              \
    constexpr ArgText k##Worksheet[] = {STOCHAL_EACH(STOCHAL_ARG_TEXT, Arguments)};
#include "qdists/Distributions.def"
#undef STOCHAL_DISTRIBUTION
constexpr ArgText kQSample[] = {
    {"data", "the array to sample from"},
    {"weight", "optional. The column that contains the weight of each element"},
    {"unique", "optional. Set to TRUE of each sample should be unique. Default is false. "}};

std::vector<WorksheetFunction> BuildTable()
{
    return {
        Row(&xllQRAND, "xllQRAND", "QRAND", kQRand,
            "Generates a random number between 0 and 1 using the mersenne twister algorithm.", 7701),
        Row(&xllQRANDBETWEEN, "xllQRANDBETWEEN", "QRANDBETWEEN", kQRandBetween,
            "Generates a random number between MIN and MAX using the mersenne twister algorithm.", 7702),
#define STOCHAL_DISTRIBUTION(Name, Class, Display, Thumbnail, Kind, Worksheet, Entry, Summary, Topic, ...) \
    Row(&Entry, #Entry, #Worksheet, k##Worksheet, Summary, Topic),
#include "qdists/Distributions.def"
#undef STOCHAL_DISTRIBUTION
        Row(&xllQSAMPLE, "xllQSAMPLE", "QSAMPLE", kQSample, "Sample elements from an array.", 7739),
    };
}
} // namespace

const std::vector<WorksheetFunction>& WorksheetFunctions()
{
    static const std::vector<WorksheetFunction> table = BuildTable();
    return table;
}

XlfFunctionDesc Describe(const WorksheetFunction& function)
{
    constexpr int kVolatile = 1;
    XlfFunctionDesc description(function.entryPoint, function.name, function.help, "Stochal", kVolatile);
    XlfArgList arguments;
    for (const XlfArgDesc& argument : function.arguments) {
        arguments + argument;
    }
    description.SetArguments(arguments);
    description.SetHelpTopic("StochalHelp.chm!" + std::to_string(function.topic));
    return description;
}
