#include "automation/Generator.h"

#include <cstdint>
#include <new>
#include <string>

#include "engine/InternalGenerator.h"
#include "win/com/ComEntry.h"
#include "win/com/StochalModule.h"
#include "qdists/DistTriangular.h"

namespace {

// A failure without a message of its own clears any error object left on
// the thread by an earlier call; so does every success.
HRESULT Fail(HRESULT hr)
{
    SetErrorInfo(0, nullptr);
    return hr;
}

HRESULT Succeed()
{
    SetErrorInfo(0, nullptr);
    return S_OK;
}

// A refused argument: E_INVALIDARG with an error object that says which
// parameter was wrong, so that a macro's Err.Description shows the
// message instead of only "Invalid procedure call or argument".
HRESULT Refuse(const std::string& message)
{
    ICreateErrorInfo* create = nullptr;
    if (FAILED(CreateErrorInfo(&create)))
        return Fail(E_INVALIDARG);
    std::wstring description(message.size(), L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, message.data(), static_cast<int>(message.size()),
                                           &description[0], static_cast<int>(description.size()));
    description.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    std::wstring source = L"Stochal.Generator";
    create->SetGUID(IID_IGenerator);
    create->SetSource(&source[0]);
    create->SetDescription(&description[0]);
    IErrorInfo* info = nullptr;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
        SetErrorInfo(0, info);
        info->Release();
    } else {
        SetErrorInfo(0, nullptr);
    }
    create->Release();
    return E_INVALIDARG;
}

// The exception being handled as the method's answer: a refused
// parameter with its message, anything else as every COM method answers.
HRESULT DrawFailure()
{
    try {
        throw;
    } catch (const CInternalGenerator::argument_error& error) {
        return Refuse(error.message);
    } catch (...) {
        return Fail(CurrentFailureCode());
    }
}

// The one translation of engine failures into HRESULTs: the result is
// written only when the draw succeeds.
template <class Result, class Draw>
HRESULT Store(Result* result, Draw draw)
{
    if (!result)
        return Fail(E_INVALIDARG);
    return Guarded(
        [result, &draw] {
            *result = static_cast<Result>(draw());
            return Succeed();
        },
        &DrawFailure, E_FAIL);
}

// An optional argument passed by reference stands for the VARIANT it
// refers to.
const VARIANT& Dereferenced(const VARIANT& value)
{
    if (V_VT(&value) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(&value))
        return *V_VARIANTREF(&value);
    return value;
}

bool IsOmitted(const VARIANT& value)
{
    return V_VT(&value) == VT_EMPTY || V_VT(&value) == VT_ERROR;
}

// A given optional argument must convert to a double; if it does not, the
// call is refused with a message that names it.
double NumberIn(const VARIANT& value, const char* name)
{
    VARIANT given = Dereferenced(value); // a shallow copy, only read
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeTypeEx(&converted, &given, 0, 0, VT_R8)))
        throw CInternalGenerator::argument_error(std::string("The ") + name + " has to be a number.");
    return V_R8(&converted);
}

} // namespace

IUnknown* CGenerator::FindInterface(REFIID iid)
{
    static const CInterfaceEntry<CGenerator> kInterfaces[] = {
        {&IID_IGenerator, &InterfaceOf<CGenerator, IGenerator>},
        {&IID_IDispatch, &InterfaceOf<CGenerator, IGenerator>},
        {&IID_IProvideClassInfo, &InterfaceOf<CGenerator, IProvideClassInfo>},
        {&IID_ISupportErrorInfo, &InterfaceOf<CGenerator, ISupportErrorInfo>},
    };
    return FindInTable(this, kInterfaces, iid);
}

// Every value is a seed, read as unsigned: -1 seeds with 4294967295. Seed 0
// is the engine's own business: it seeds with its replacement for zero.
STDMETHODIMP CGenerator::Seed(LONG inSeed)
{
    return ComEntry([inSeed] {
        g_generator = CInternalGenerator(static_cast<std::uint32_t>(inSeed));
        return Succeed();
    });
}

STDMETHODIMP CGenerator::Next(double* outValue)
{
    return Store(outValue, [] { return g_generator.Next(); });
}

STDMETHODIMP CGenerator::NextBetween(LONG Min, LONG Max, double* outValue)
{
    return Store(outValue, [=] {
        if (Max <= Min)
            throw CInternalGenerator::argument_error("Max has to be greater than Min.");
        return g_generator.NextBetween(Min, Max);
    });
}

#define STOCHAL_MISSING(name) IsOmitted(Dereferenced(name))
#define STOCHAL_VALUE(name) NumberIn(name, #name)
#define STOCHAL_DISTRIBUTION(Name, Class, Display, Thumbnail, Kind, Worksheet, Entry, Summary, Topic, Arguments, \
                             ...)                                                                              \
    STDMETHODIMP CGenerator::Next##Name(STOCHAL_EACH(STOCHAL_COM_PARAMETER, Arguments),                        \
                                        STOCHAL_COM_RESULT_##Kind* result)                                     \
    {                                                                                                          \
        return Store(result, [=] { return g_generator.Next##Name(STOCHAL_EACH(STOCHAL_READ, Arguments)); });   \
    }
#include "qdists/Distributions.def"
#undef STOCHAL_DISTRIBUTION

STDMETHODIMP CGenerator::GetClassInfo(ITypeInfo** info)
{
    if (!info)
        return E_POINTER;
    return g_module.GetTypeInfo(CLSID_Generator, info);
}

STDMETHODIMP CGenerator::InterfaceSupportsErrorInfo(REFIID iid)
{
    return InlineIsEqualGUID(iid, IID_IGenerator) ? S_OK : S_FALSE;
}
