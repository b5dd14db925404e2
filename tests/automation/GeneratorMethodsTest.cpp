// The Generator methods called through the vtable, as an early-bound client
// calls them, against the engine library driven directly.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "engine/InternalGenerator.h"
#include "tests/automation/StochalDll.h"

namespace {

constexpr double kUntouched = 12345.0; // a result variable's value before a failing call

using ComCall = std::function<HRESULT(IGenerator&, double*)>;

// A method whose result has type T, seen as one with a double result; a null
// pointer is passed on as a null T*.
template <class T, class Call>
ComCall Widened(Call call)
{
    return [call](IGenerator& generator, double* out) -> HRESULT {
        if (!out)
            return call(generator, static_cast<T*>(nullptr));
        T value = static_cast<T>(*out);
        const HRESULT hr = call(generator, &value);
        *out = static_cast<double>(value);
        return hr;
    };
}

struct CDrawCase {
    const char* name;
    ComCall valid;   // parameters the distribution accepts
    ComCall invalid; // parameters its Validate refuses
    std::function<double(CInternalGenerator&)> engine; // the valid call on the engine
};

#define WITH_RESULT(...) (__VA_ARGS__, result)
#define DRAW_CASE(T, method, valid, invalid)                                                   \
    CDrawCase                                                                                  \
    {                                                                                          \
        #method, Widened<T>([](IGenerator& g, T* result) { return g.method WITH_RESULT valid; }), \
            Widened<T>([](IGenerator& g, T* result) { return g.method WITH_RESULT invalid; }),  \
            [](CInternalGenerator& e) { return static_cast<double>(e.method valid); }           \
    }

const std::vector<CDrawCase>& DrawCases()
{
    static const std::vector<CDrawCase> cases = {
        DRAW_CASE(LONG, NextBernoulli, (0.5), (1.5)),
        DRAW_CASE(LONG, NextBinomial, (10, 0.3), (10, -0.1)),
        DRAW_CASE(LONG, NextPoisson, (4.0), (-1.0)),
        DRAW_CASE(LONG, NextNegativeBinomial, (3, 0.4), (0, 0.4)),
        DRAW_CASE(LONG, NextGeometric, (0.25), (0.0)),
        DRAW_CASE(LONG, NextHypergeometric, (20, 10, 5), (20, 10, 171)),
        DRAW_CASE(double, NextNormal, (1.0, 2.0), (0.0, -1.0)),
        DRAW_CASE(double, NextUniform, (-2.0, 3.0), (3.0, -2.0)),
        DRAW_CASE(double, NextBeta, (2.0, 3.0), (0.0, 3.0)),
        DRAW_CASE(double, NextPareto, (3.0, 2.0), (3.0, -2.0)),
        DRAW_CASE(double, NextBurr, (2.0, 3.0, 1.5), (2.0, 3.0, 0.0)),
        DRAW_CASE(double, NextGamma, (2.5, 1.5), (2500.0, 1.5)),
        DRAW_CASE(double, NextWeibull, (1.5, 2.0), (-1.5, 2.0)),
        DRAW_CASE(double, NextExponential, (2.0), (-2.0)),
        DRAW_CASE(double, NextLognormal, (0.5, 0.25), (0.5, 0.0)),
    };
    return cases;
}

class GeneratorMethods : public ::testing::Test {
protected:
    ComPtr<IGenerator> generator = CStochalDll::Instance().CreateGenerator();
};

TEST_F(GeneratorMethods, NextRepeatsTheEngineSequenceAfterEachSeed)
{
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(S_OK, generator->Seed(1));
        double first = 0;
        ASSERT_EQ(S_OK, generator->Next(&first));
        EXPECT_EQ(0.9738211021758616, first);
        CInternalGenerator engine(1);
        engine.Next();
        for (int i = 0; i < 20; ++i) {
            double value = 0;
            ASSERT_EQ(S_OK, generator->Next(&value));
            EXPECT_EQ(engine.Next(), value) << "draw " << i + 1;
        }
    }
}

TEST_F(GeneratorMethods, SeedReadsItsArgumentAsUnsigned)
{
    const struct {
        LONG seed;
        std::uint32_t engineSeed;
    } cases[] = {{-1, 4294967295u}, {-2147483647 - 1, 2147483648u}, {2147483647, 2147483647u},
                 // Zero would leave the engine with no state; it seeds as the engine maps it.
                 {0, 0u}, {0, CMersenneTwister::kZeroSeedReplacement}};
    for (const auto& c : cases) {
        ASSERT_EQ(S_OK, generator->Seed(c.seed));
        CInternalGenerator engine(c.engineSeed);
        for (int i = 0; i < 5; ++i) {
            double value = 0;
            ASSERT_EQ(S_OK, generator->Next(&value));
            EXPECT_EQ(engine.Next(), value) << "seed " << c.seed;
        }
    }
}

TEST_F(GeneratorMethods, SeedThroughOneInstanceReseedsAllAndTheSharedEngine)
{
    ComPtr<IGenerator> other = CStochalDll::Instance().CreateGenerator();
    ASSERT_EQ(S_OK, other->Seed(7));
    CInternalGenerator engine(7);
    double value = 0;
    ASSERT_EQ(S_OK, generator->Next(&value));
    EXPECT_EQ(engine.Next(), value);
    ASSERT_EQ(S_OK, other->Next(&value));
    EXPECT_EQ(engine.Next(), value);
}

TEST_F(GeneratorMethods, NextBetweenRefusesEmptyRangesAndGivesWholeNumbers)
{
    ASSERT_EQ(S_OK, generator->Seed(5));
    double value = kUntouched;
    EXPECT_EQ(E_INVALIDARG, generator->NextBetween(3, 3, &value));
    EXPECT_EQ(E_INVALIDARG, generator->NextBetween(4, 3, &value));
    EXPECT_EQ(kUntouched, value);
    CInternalGenerator engine(5);
    std::vector<int> seen(7, 0);
    for (int i = 0; i < 600; ++i) {
        ASSERT_EQ(S_OK, generator->NextBetween(1, 6, &value));
        ASSERT_EQ(static_cast<double>(engine.NextBetween(1, 6)), value);
        ASSERT_GE(value, 1.0);
        ASSERT_LE(value, 6.0);
        ++seen[static_cast<int>(value)];
    }
    for (int face = 1; face <= 6; ++face)
        EXPECT_GT(seen[face], 60) << face;
    ASSERT_EQ(S_OK, generator->NextBetween(-2147483647 - 1, 2147483647, &value));
    EXPECT_EQ(static_cast<double>(engine.NextBetween(-2147483647 - 1, 2147483647)), value);
}

TEST_F(GeneratorMethods, NullResultPointersAreRefused)
{
    EXPECT_EQ(E_INVALIDARG, generator->Next(nullptr));
    EXPECT_EQ(E_INVALIDARG, generator->NextBetween(1, 6, nullptr));
    CVariant peak(2.0);
    EXPECT_EQ(E_INVALIDARG, generator->NextTriangular(0, 10, peak.Get(), nullptr));
    for (const CDrawCase& c : DrawCases())
        EXPECT_EQ(E_INVALIDARG, c.valid(*generator.Get(), nullptr)) << c.name;
}

TEST_F(GeneratorMethods, RefusedParametersLeaveResultAndStreamsAlone)
{
    for (const CDrawCase& c : DrawCases()) {
        ASSERT_EQ(S_OK, generator->Seed(3));
        double value = kUntouched;
        EXPECT_EQ(E_INVALIDARG, c.invalid(*generator.Get(), &value)) << c.name;
        EXPECT_EQ(kUntouched, value) << c.name;
        CInternalGenerator engine(3);
        ASSERT_EQ(S_OK, c.valid(*generator.Get(), &value)) << c.name;
        EXPECT_EQ(c.engine(engine), value) << c.name;
    }
}

TEST_F(GeneratorMethods, TriangularPeakIsOptionalAndConverted)
{
    CVariant missing{CVariant::Missing{}};
    CVariant empty;
    CVariant five(5.0);
    CVariant fiveText(L"5");
    VARIANT byReference;
    VariantInit(&byReference);
    V_VT(&byReference) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&byReference) = missing.Ptr();
    for (VARIANT* peak : {missing.Ptr(), empty.Ptr(), five.Ptr(), fiveText.Ptr(), &byReference}) {
        ASSERT_EQ(S_OK, generator->Seed(11));
        CInternalGenerator engine(11);
        double value = 0;
        ASSERT_EQ(S_OK, generator->NextTriangular(0, 10, *peak, &value)) << V_VT(peak);
        EXPECT_EQ(engine.NextTriangular(0, 10, 5), value) << V_VT(peak);
    }
    V_VARIANTREF(&byReference) = five.Ptr();
    CVariant two(2.0);
    ASSERT_EQ(S_OK, generator->Seed(11));
    CInternalGenerator engine(11);
    double value = 0;
    ASSERT_EQ(S_OK, generator->NextTriangular(0, 10, two.Get(), &value));
    EXPECT_EQ(engine.NextTriangular(0, 10, 2), value);
    ASSERT_EQ(S_OK, generator->NextTriangular(0, 10, byReference, &value));
    EXPECT_EQ(engine.NextTriangular(0, 10, 5), value);

    CVariant text(L"abc");
    CVariant outside(11.0);
    for (VARIANT* peak : {text.Ptr(), outside.Ptr()}) {
        value = kUntouched;
        EXPECT_EQ(E_INVALIDARG, generator->NextTriangular(0, 10, *peak, &value));
        EXPECT_EQ(kUntouched, value);
    }
}

// The error object on the thread after a call: its description and source,
// or "none" when there is none.
std::wstring ErrorObjectText()
{
    IErrorInfo* found = nullptr;
    if (GetErrorInfo(0, &found) != S_OK || !found)
        return L"none";
    BSTR description = nullptr;
    BSTR source = nullptr;
    GUID guid{};
    found->GetDescription(&description);
    found->GetSource(&source);
    found->GetGUID(&guid);
    std::wstring text = std::wstring(description ? description : L"") + L" | " + (source ? source : L"") +
                        (InlineIsEqualGUID(guid, IID_IGenerator) ? L" | IGenerator" : L" | ?");
    SysFreeString(description);
    SysFreeString(source);
    found->Release();
    return text;
}

// A refused parameter keeps E_INVALIDARG and leaves an error object naming
// the problem; a success clears it, so a later caller never reads a stale one.
TEST_F(GeneratorMethods, RefusalsExplainThemselvesAndSuccessesClear)
{
    double value = kUntouched;
    LONG count = 0;
    ASSERT_EQ(E_INVALIDARG, generator->NextNormal(0, -1, &value));
    EXPECT_EQ(L"The value of sigma is invalid. | Stochal.Generator | IGenerator", ErrorObjectText());
    ASSERT_EQ(E_INVALIDARG, generator->NextPoisson(2000, &count));
    EXPECT_EQ(L"lambda needs to be smaller than 1000 | Stochal.Generator | IGenerator", ErrorObjectText());
    ASSERT_EQ(E_INVALIDARG, generator->NextBetween(4, 3, &value));
    EXPECT_EQ(L"Max has to be greater than Min. | Stochal.Generator | IGenerator", ErrorObjectText());
    CVariant text(L"abc");
    ASSERT_EQ(E_INVALIDARG, generator->NextTriangular(0, 10, text.Get(), &value));
    EXPECT_EQ(L"The peak has to be a number. | Stochal.Generator | IGenerator", ErrorObjectText());
    EXPECT_EQ(kUntouched, value);

    ASSERT_EQ(E_INVALIDARG, generator->NextNormal(0, -1, &value));
    ASSERT_EQ(S_OK, generator->NextNormal(0, 1, &value));
    EXPECT_EQ(L"none", ErrorObjectText());
    ASSERT_EQ(E_INVALIDARG, generator->NextNormal(0, -1, &value));
    ASSERT_EQ(S_OK, generator->Seed(3));
    EXPECT_EQ(L"none", ErrorObjectText());
    ASSERT_EQ(E_INVALIDARG, generator->NextNormal(0, -1, &value));
    ASSERT_EQ(E_INVALIDARG, generator->NextNormal(0, 1, nullptr)); // no message of its own
    EXPECT_EQ(L"none", ErrorObjectText());
}

TEST_F(GeneratorMethods, NotANumberParametersAreRefused)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    double value = kUntouched;
    LONG count = 77;
    EXPECT_EQ(E_INVALIDARG, generator->NextNormal(nan, 1, &value));
    EXPECT_EQ(E_INVALIDARG, generator->NextNormal(0, nan, &value));
    EXPECT_EQ(E_INVALIDARG, generator->NextUniform(nan, 1, &value));
    EXPECT_EQ(E_INVALIDARG, generator->NextExponential(nan, &value));
    CVariant peak(nan);
    EXPECT_EQ(E_INVALIDARG, generator->NextTriangular(0, 10, peak.Get(), &value));
    EXPECT_EQ(kUntouched, value);
    EXPECT_EQ(E_INVALIDARG, generator->NextPoisson(nan, &count));
    EXPECT_EQ(E_INVALIDARG, generator->NextBernoulli(nan, &count));
    EXPECT_EQ(77, count);
}

} // namespace
