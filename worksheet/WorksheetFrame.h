#pragma once
#include <cmath>
#include <new>

#include "engine/InternalGenerator.h"
#include "xlw/XlfException.h"
#include "xlw/XlfExcel.h"
#include "xlw/XlfOper.h"
#include "xlw/XlfRange.h"

// The one translation of failures for every worksheet function: the pool
// is reset first (reclaiming earlier results), a parameter error or any
// failure outside the bridge's family gives #VALUE!, and the bridge's
// family gives a null result so that Excel calls again later.
template <class Body>
XLOPER* WorksheetFrame(Body body) noexcept
{
    try {
        XlfExcel::Instance().ResetTempMemory();
        const XlfOper result = body();
        if (result.IsEmpty()) {
            throw std::bad_alloc(); // the pool had no memory for the result
        }
        return result.Get();
    } catch (const CInternalGenerator::argument_error&) {
        return XlfOper::Error(xlerr::Value).Get();
    } catch (const XlfException&) {
        return nullptr;
    } catch (...) {
        return XlfOper::Error(xlerr::Value).Get();
    }
}

inline XlfOper ValueError()
{
    return XlfOper::Error(xlerr::Value);
}

// A cell cannot hold an infinity or a NaN: a draw that overflowed (for
// instance a lognormal with a huge mu) shows as #NUM!.
inline XlfOper Number(double value)
{
    if (!std::isfinite(value)) {
        return XlfOper::Error(xlerr::Num);
    }
    return XlfOper().SetNumber(value);
}

inline bool IsMissing(const XLOPER* argument)
{
    return argument != nullptr && (argument->xltype & ~xltype::FreeLater) == xltype::Missing;
}

// The range the function is entered in; one cell when there is none.
XlfRange CallerRange();
