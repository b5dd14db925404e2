#pragma once
#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>

#include "Stochal_h.h"
#include "win/com/DualDispatch.h"
#include "qdists/DistributionList.h"

// The distributions' methods take a left-out argument as a VARIANT and give
// whole numbers and truth values as LONG.
#define STOCHAL_COM_PARAMETER(kind, name, ...) STOCHAL_COM_PARAMETER_##kind name
#define STOCHAL_COM_PARAMETER_Whole LONG
#define STOCHAL_COM_PARAMETER_Real double
#define STOCHAL_COM_PARAMETER_Optional VARIANT
#define STOCHAL_COM_RESULT_Logical LONG
#define STOCHAL_COM_RESULT_Whole LONG
#define STOCHAL_COM_RESULT_Real double

// The automation class Generator: every instance draws from, and reseeds,
// the process-wide engine g_generator, so it has no state of its own. It can
// be aggregated.
class CGenerator
    : public CDualObject<CGenerator, IGenerator, IProvideClassInfo, ISupportErrorInfo> {
public:
    explicit CGenerator(IUnknown* outer) : CDualObject(outer) {}

    // IGenerator
    STDMETHODIMP Seed(LONG inSeed) override;
    STDMETHODIMP Next(double* outValue) override;
    STDMETHODIMP NextBetween(LONG Min, LONG Max, double* outValue) override;
#define STOCHAL_DISTRIBUTION(Name, Class, Display, Thumbnail, Kind, Worksheet, Entry, Summary, Topic, Arguments, \
                             ...)                                                                              \
    STDMETHODIMP Next##Name(STOCHAL_EACH(STOCHAL_COM_PARAMETER, Arguments), STOCHAL_COM_RESULT_##Kind* result) override;
#include "qdists/Distributions.def"
#undef STOCHAL_DISTRIBUTION

    // IProvideClassInfo
    STDMETHODIMP GetClassInfo(ITypeInfo** info) override;

    // ISupportErrorInfo
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override;

private:
    IUnknown* FindInterface(REFIID iid) override;
};
