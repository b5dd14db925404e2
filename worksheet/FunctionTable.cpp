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
constexpr char TypeLetter<XLOPER*>() { return 'R'; }

template <class... Params>
using EntryPoint = XLOPER* (XLL_CALL*)(Params...);

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
constexpr ArgText kQBernoulli[] = {{"p", "Probability of success"}};
constexpr ArgText kQPoisson[] = {{"lambda", "Mean of the distribution."}};
constexpr ArgText kQBinomial[] = {{"n", "Number of trials"}, {"p", "Probability of success in each trial"}};
constexpr ArgText kQNegBin[] = {{"n", "Number of successes."}, {"p", "Probability of success in each trial."}};
constexpr ArgText kQGeometric[] = {{"p", "Probability of success."}};
constexpr ArgText kQHypergeometric[] = {{"n", "number of 'bad' elements"},
                                        {"m", "number of 'good' elements"},
                                        {"s", "size of sample"}};
constexpr ArgText kQNormal[] = {{"mean", "mean."}, {"stddev", "standard deviation."}};
constexpr ArgText kQLognormal[] = {{"mu", "mu."}, {"sigma", "sigma."}};
constexpr ArgText kQUniform[] = {{"min", "Minimum."}, {"max", "Maximum."}};
constexpr ArgText kQTriangular[] = {
    {"min", "Minimum."},
    {"max", "Maximum."},
    {"peak", "The most likely value. Optional, if missing, it defaults to halfway between the minimum and maximum."}};
constexpr ArgText kQBeta[] = {{"A", "a."}, {"B", "b."}};
constexpr ArgText kQPareto[] = {{"alpha", "shape parameter"}, {"theta", "scale paremeter."}};
constexpr ArgText kQBurr[] = {{"alpha", "First parameter"}, {"theta", "second paramater"}, {"gamma", "third paramater"}};
constexpr ArgText kQGamma[] = {{"alpha", "First parameter"}, {"theta", "second paramater"}};
constexpr ArgText kQWeibull[] = {{"tau", "shape parameter"}, {"theta", "scale parameter "}};
constexpr ArgText kQExponential[] = {{"mean", "the mean of the distribution."}};
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
        Row(&xllQBERNOULLI, "xllQBERNOULLI", "QBERNOULLI", kQBernoulli,
            "Generates TRUE/FALSE based on a bernouilli distribution.", 7707),
        Row(&xllQPOISSON, "xllQPOISSON", "QPOISSON", kQPoisson,
            "Generates a random variate from a Poisson distribution with mean lambda.", 7709),
        Row(&xllQBINOMIAL, "xllQBINOMIAL", "QBINOMIAL", kQBinomial,
            "Generates a random variate from a Binomial distribution.", 7708),
        Row(&xllQNEGBIN, "xllQNEGBIN", "QNEGATIVEBINOMIAL", kQNegBin,
            "Generates a random variate from a negative binomial distribution.", 7710),
        Row(&xllQGEOMETRIC, "xllQGEOMETRIC", "QGEOMETRIC", kQGeometric,
            "Generates a random variate from a geometric distribution.", 7711),
        Row(&xllQHYPERGEOMETRIC, "xllQHYPERGEOMETRIC", "QHYPERGEOMETRIC", kQHypergeometric,
            "Generates a random variate from a hypergeometric distribution.", 7717),
        Row(&xllQNORMAL, "xllQNORMAL", "QNORMAL", kQNormal,
            "Generates a random variable from a normal distribution.", 7720),
        Row(&xllQLOGNORMAL, "xllQLOGNORMAL", "QLOGNORMAL", kQLognormal,
            "Generates a random variable from a lognormal distribution.", 7738),
        Row(&xllQUNIFORM, "xllQUNIFORM", "QUNIFORM", kQUniform,
            "Generates a random variable from a uniform distribution.", 7722),
        Row(&xllQTRIANGULAR, "xllQTRIANGULAR", "QTRIANGULAR", kQTriangular,
            "Generates a random variable from a triangle distribution.", 7724),
        Row(&xllQBETA, "xllQBETA", "QBETA", kQBeta,
            "Generates a random variable from a beta distribution.", 7726),
        Row(&xllQPARETO, "xllQPARETO", "QPARETO", kQPareto,
            "Generates a random variable from a pareto distribution.", 7728),
        Row(&xllQBURR, "xllQBURR", "QBURR", kQBurr,
            "Generates a random variable from a burr distribution.", 7730),
        Row(&xllQGAMMA, "xllQGAMMA", "QGAMMA", kQGamma,
            "Generates a random variable from a gamma distribution.", 7732),
        Row(&xllQWEIBULL, "xllQWEIBULL", "QWEIBULL", kQWeibull,
            "Generates a random variable from a weibull distribution.", 7734),
        Row(&xllQEXPONENTIAL, "xllQEXPONENTIAL", "QEXPONENTIAL", kQExponential,
            "Generates a random variable from an exponential distribution.", 7736),
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
