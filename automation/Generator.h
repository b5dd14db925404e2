#pragma once
#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>

#include "Stochal_h.h"
#include "win/com/DualDispatch.h"

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
    STDMETHODIMP NextBernoulli(double p, LONG* var) override;
    STDMETHODIMP NextBinomial(LONG N, double p, LONG* result) override;
    STDMETHODIMP NextPoisson(double Lambda, LONG* result) override;
    STDMETHODIMP NextNegativeBinomial(LONG r, double q, LONG* result) override;
    STDMETHODIMP NextGeometric(double p, LONG* result) override;
    STDMETHODIMP NextHypergeometric(LONG M, LONG N, LONG S, LONG* result) override;
    STDMETHODIMP NextNormal(double Mean, double StdDev, double* result) override;
    STDMETHODIMP NextUniform(double Minimum, double Maximum, double* result) override;
    STDMETHODIMP NextTriangular(double Minimum, double Maximum, VARIANT Peak,
                                double* result) override;
    STDMETHODIMP NextBeta(double a, double b, double* result) override;
    STDMETHODIMP NextPareto(double alpha, double theta, double* result) override;
    STDMETHODIMP NextBurr(double alpha, double gamma, double theta, double* result) override;
    STDMETHODIMP NextGamma(double alpha, double theta, double* result) override;
    STDMETHODIMP NextWeibull(double tau, double theta, double* result) override;
    STDMETHODIMP NextExponential(double Mean, double* result) override;
    STDMETHODIMP NextLognormal(double inMu, double inSigma, double* result) override;

    // IProvideClassInfo
    STDMETHODIMP GetClassInfo(ITypeInfo** info) override;

    // ISupportErrorInfo
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override;

private:
    IUnknown* FindInterface(REFIID iid) override;
};
