// Generator called late-bound through IDispatch, as script clients call it,
// and the type library that describes it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/InternalGenerator.h"
#include "tests/automation/StochalDll.h"

namespace {

struct CMember {
    const wchar_t* name;
    std::vector<const wchar_t*> parameters; // the [out, retval] one last
    const wchar_t* help;
    DWORD context;
};

// The methods in DISPID order, 1 to 19.
const CMember kMembers[] = {
    {L"Seed", {L"inSeed"}, L"method Seed", 7706},
    {L"Next", {L"outValue"}, L"Generate a number between 0 and 1", 7704},
    {L"NextBetween", {L"Min", L"Max", L"outValue"}, L"Generate an integer number between Min and Max", 7705},
    {L"NextBernoulli", {L"p", L"var"}, L"Generate a bernoulli random variate", 7712},
    {L"NextBinomial", {L"N", L"p", L"result"}, L"Generate a binomial random variate", 7713},
    {L"NextPoisson", {L"Lambda", L"result"}, L"Generate a poisson random variate", 7714},
    {L"NextNegativeBinomial", {L"r", L"q", L"result"}, L"Generate a negative binomial random variate", 7715},
    {L"NextGeometric", {L"p", L"result"}, L"Generate a geometric random variate", 7716},
    {L"NextHypergeometric", {L"M", L"N", L"S", L"result"}, L"Generate a hypergeometric random variate", 7718},
    {L"NextNormal", {L"Mean", L"StdDev", L"result"}, L"Generate a normal random variate", 7719},
    {L"NextUniform", {L"Minimum", L"Maximum", L"result"}, L"Generate a uniform random variable", 7721},
    {L"NextTriangular", {L"Minimum", L"Maximum", L"Peak", L"result"}, L"Generate a random variable from a triangle distribution", 7723},
    {L"NextBeta", {L"a", L"b", L"result"}, L"Generate a random variable from a beta distribution", 7725},
    {L"NextPareto", {L"alpha", L"theta", L"result"}, L"Generate a random variable from a pareto distribution", 7727},
    {L"NextBurr", {L"alpha", L"gamma", L"theta", L"result"}, L"Generate a random variable from a burr distribution", 7729},
    {L"NextGamma", {L"alpha", L"theta", L"result"}, L"Generate a random variable from a gamma distribution", 7731},
    {L"NextWeibull", {L"tau", L"theta", L"result"}, L"Generate a random variable from a weibull distribution", 7733},
    {L"NextExponential", {L"Mean", L"result"}, L"Generate a random variable from an exponential distribution", 7735},
    {L"NextLognormal", {L"inMu", L"inSigma", L"result"}, L"Generate a lognormal random variable", 7737},
};

enum : DISPID { kSeed = 1, kNext = 2, kNextBetween = 3, kNextBernoulli = 4, kNextHypergeometric = 9,
                kNextNormal = 10, kNextTriangular = 12 };

std::wstring Lowered(const wchar_t* text)
{
    std::wstring lowered(text);
    for (wchar_t& c : lowered)
        c = static_cast<wchar_t>(towlower(c));
    return lowered;
}

class GeneratorDispatch : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(S_OK, CStochalDll::Instance().CreateGenerator().As(&dispatch)); }

    // Invokes member as a method; args are in call order, reversed here as
    // DISPPARAMS lists them.
    HRESULT Call(DISPID member, std::vector<VARIANT> args, VARIANT* result = nullptr,
                 WORD flags = DISPATCH_METHOD)
    {
        std::vector<VARIANT> reversed(args.rbegin(), args.rend());
        DISPPARAMS params = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        exception = EXCEPINFO{};
        argumentError = 99;
        return dispatch->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result,
                                &exception, &argumentError);
    }

    static VARIANT Long(LONG value)
    {
        VARIANT v;
        V_VT(&v) = VT_I4;
        V_I4(&v) = value;
        return v;
    }
    static VARIANT Double(double value)
    {
        VARIANT v;
        V_VT(&v) = VT_R8;
        V_R8(&v) = value;
        return v;
    }
    static VARIANT Short(SHORT value)
    {
        VARIANT v;
        V_VT(&v) = VT_I2;
        V_I2(&v) = value;
        return v;
    }

    ComPtr<IDispatch> dispatch;
    EXCEPINFO exception{};
    UINT argumentError = 0;
};

TEST_F(GeneratorDispatch, NamesMatchWithoutRegardToCase)
{
    UINT count = 0;
    ASSERT_EQ(S_OK, dispatch->GetTypeInfoCount(&count));
    EXPECT_EQ(1u, count);
    DISPID expected = 1;
    for (const CMember& member : kMembers) {
        const std::wstring lowered = Lowered(member.name);
        for (const wchar_t* spelling : {member.name, lowered.c_str()}) {
            LPOLESTR name = const_cast<LPOLESTR>(spelling);
            DISPID id = 0;
            ASSERT_EQ(S_OK, dispatch->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id));
            EXPECT_EQ(expected, id) << static_cast<const void*>(spelling);
        }
        ++expected;
    }
    LPOLESTR unknown = const_cast<LPOLESTR>(L"NextCauchy");
    DISPID id = 0;
    EXPECT_EQ(DISP_E_UNKNOWNNAME, dispatch->GetIDsOfNames(IID_NULL, &unknown, 1, LOCALE_USER_DEFAULT, &id));
    EXPECT_EQ(DISPID_UNKNOWN, id);
}

TEST_F(GeneratorDispatch, TypeLibraryDescribesEveryMethod)
{
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(S_OK, dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info));
    ComPtr<ITypeInfo> none;
    EXPECT_EQ(DISP_E_BADINDEX, dispatch->GetTypeInfo(1, LOCALE_USER_DEFAULT, &none));
    const CDocumentation documentation = Documentation(info.Get(), MEMBERID_NIL);
    EXPECT_EQ(L"IGenerator", documentation.name);
    EXPECT_EQ(L"IGenerator Interface", documentation.help);
    EXPECT_EQ(7703u, documentation.context);

    // The interface itself, behind its dispatch view, lists every parameter.
    HREFTYPE vtableView = 0;
    ASSERT_EQ(S_OK, info->GetRefTypeOfImplType(-1, &vtableView));
    ComPtr<ITypeInfo> vtableInfo;
    ASSERT_EQ(S_OK, info->GetRefTypeInfo(vtableView, &vtableInfo));
    DISPID id = 1;
    for (const CMember& member : kMembers) {
        SCOPED_TRACE(id);
        const CDocumentation documentation = Documentation(info.Get(), id);
        EXPECT_EQ(member.name, documentation.name);
        EXPECT_EQ(member.help, documentation.help);
        EXPECT_EQ(member.context, documentation.context);
        BSTR names[8] = {};
        UINT count = 0;
        ASSERT_EQ(S_OK, vtableInfo->GetNames(id, names, 8, &count));
        ASSERT_EQ(member.parameters.size() + 1, count);
        for (UINT i = 1; i < count; ++i)
            EXPECT_STREQ(member.parameters[i - 1], names[i]);
        for (UINT i = 0; i < count; ++i)
            SysFreeString(names[i]);
        ++id;
    }
}

TEST_F(GeneratorDispatch, LibraryCarriesItsIdentity)
{
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(S_OK, dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info));
    ComPtr<ITypeLib> library;
    UINT index = 0;
    ASSERT_EQ(S_OK, info->GetContainingTypeLib(&library, &index));
    TLIBATTR* attributes = nullptr;
    ASSERT_EQ(S_OK, library->GetLibAttr(&attributes));
    EXPECT_TRUE(IsEqualGUID(LIBID_Stochal, attributes->guid));
    EXPECT_EQ(1, attributes->wMajorVerNum);
    EXPECT_EQ(0, attributes->wMinorVerNum);
    EXPECT_EQ(0x409u, attributes->lcid);
    library->ReleaseTLibAttr(attributes);
    BSTR name = nullptr;
    BSTR help = nullptr;
    BSTR file = nullptr;
    ASSERT_EQ(S_OK, library->GetDocumentation(-1, &name, &help, nullptr, &file));
    EXPECT_STREQ(L"Stochal", name);
    EXPECT_STREQ(L"Stochal 1.0 Type Library", help);
    EXPECT_NE(nullptr, wcsstr(file, L"StochalHelp.chm"));
    SysFreeString(name);
    SysFreeString(help);
    SysFreeString(file);
}

TEST_F(GeneratorDispatch, CallsReturnTheRetvalAndConvertArguments)
{
    CVariant result;
    // A script passes small numbers as 16-bit integers; -1 still seeds with 2^32 - 1.
    ASSERT_EQ(S_OK, Call(kSeed, {Short(-1)}));
    ASSERT_EQ(S_OK, Call(kNext, {}, result.Ptr(), DISPATCH_METHOD | DISPATCH_PROPERTYGET));
    ASSERT_EQ(VT_R8, V_VT(result.Ptr()));
    CInternalGenerator engine(4294967295u);
    EXPECT_EQ(engine.Next(), V_R8(result.Ptr()));

    CVariant text(L"3");
    ASSERT_EQ(S_OK, Call(kNextBetween, {text.Get(), Double(6.0)}, result.Ptr()));
    ASSERT_EQ(VT_R8, V_VT(result.Ptr()));
    EXPECT_EQ(static_cast<double>(engine.NextBetween(3, 6)), V_R8(result.Ptr()));

    ASSERT_EQ(S_OK, Call(kNextBernoulli, {Double(1.0)}, result.Ptr()));
    ASSERT_EQ(VT_I4, V_VT(result.Ptr()));
    EXPECT_EQ(1, V_I4(result.Ptr()));
    engine.NextBernoulli(1.0);

    // M, N, S reach the distribution as bad, good and sample size.
    ASSERT_EQ(S_OK, Call(kNextHypergeometric, {Long(20), Long(10), Long(5)}, result.Ptr()));
    ASSERT_EQ(VT_I4, V_VT(result.Ptr()));
    EXPECT_EQ(engine.NextHypergeometric(20, 10, 5), V_I4(result.Ptr()));
}

TEST_F(GeneratorDispatch, OmittedOrReferencedPeakIsAccepted)
{
    CVariant missing{CVariant::Missing{}};
    CVariant five(5.0);
    VARIANT byReference;
    V_VT(&byReference) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&byReference) = five.Ptr();
    const std::vector<std::vector<VARIANT>> calls = {
        {Double(0), Double(10), missing.Get()},
        {Double(0), Double(10)},
        {Double(0), Double(10), byReference},
    };
    for (const std::vector<VARIANT>& args : calls) {
        ASSERT_EQ(S_OK, Call(kSeed, {Long(21)}));
        CInternalGenerator engine(21);
        CVariant result;
        ASSERT_EQ(S_OK, Call(kNextTriangular, args, result.Ptr())) << args.size();
        EXPECT_EQ(engine.NextTriangular(0, 10, 5), V_R8(result.Ptr())) << args.size();
    }
}

TEST_F(GeneratorDispatch, MethodFailuresArriveAsExceptionsWithTheirHresult)
{
    CVariant result;
    CVariant text(L"abc");
    EXPECT_EQ(DISP_E_EXCEPTION, Call(kNextNormal, {Double(0), Double(-1)}, result.Ptr()));
    EXPECT_EQ(E_INVALIDARG, exception.scode);
    EXPECT_EQ(DISP_E_EXCEPTION, Call(kNextBetween, {Long(3), Long(3)}, result.Ptr()));
    EXPECT_EQ(E_INVALIDARG, exception.scode);
    EXPECT_EQ(DISP_E_EXCEPTION, Call(kNextTriangular, {Double(0), Double(10), text.Get()}, result.Ptr()));
    EXPECT_EQ(E_INVALIDARG, exception.scode);
}

TEST_F(GeneratorDispatch, MalformedCallsGetTheStandardDispatchErrors)
{
    CVariant result;
    CVariant text(L"abc");
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, Call(kNextNormal, {Double(0)}, result.Ptr()));
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, Call(kNextNormal, {Double(0), Double(1), Double(2)}, result.Ptr()));
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, Call(kNextTriangular, {Double(0), Double(10), Double(5), Double(1)}, result.Ptr()));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, Call(20, {}, result.Ptr()));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, Call(0, {}, result.Ptr()));

    // The third argument in call order is the first in DISPPARAMS.
    EXPECT_EQ(DISP_E_TYPEMISMATCH, Call(kNextHypergeometric, {Long(20), Long(10), text.Get()}, result.Ptr()));
    EXPECT_EQ(0u, argumentError);
    EXPECT_EQ(DISP_E_TYPEMISMATCH, Call(kNextNormal, {text.Get(), Double(1)}, result.Ptr()));
    EXPECT_EQ(1u, argumentError);

    VARIANT arg = Long(1);
    DISPID named = 1;
    DISPPARAMS params = {&arg, &named, 1, 1};
    EXPECT_EQ(DISP_E_NONAMEDARGS, dispatch->Invoke(kSeed, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                                   &params, nullptr, nullptr, nullptr));
    EXPECT_EQ(DISP_E_UNKNOWNINTERFACE, dispatch->Invoke(kSeed, IID_IUnknown, LOCALE_USER_DEFAULT,
                                                        DISPATCH_METHOD, &params, nullptr, nullptr, nullptr));
}

} // namespace
