#pragma once
#include <cmath>
#include <new>

#include "engine/InternalGenerator.h"
#include "win/EntryGuard.h"
#include "xlw/XlfException.h"
#include "xlw/XlfExcel.h"
#include "xlw/XlfOper.h"
#include "xlw/XlfRange.h"

// A worksheet function's answer to the exception being handled: the
// bridge's family gives a null result so that Excel calls again later; a
// parameter error, or anything else, #VALUE!.
inline XLOPER* WorksheetFailure()
{
    try {
        throw;
    } catch (const XlfException&) {
        return nullptr;
    } catch (...) {
        return XlfOper::Error(xlerr::Value).Get();
    }
}

// The one frame of every worksheet function: the pool is reset first
// (reclaiming earlier results), and failures are answered by
// WorksheetFailure.
template <class Body>
XLOPER* WorksheetFrame(Body body) noexcept
{
    return Guarded(
        [&body] {
            XlfExcel::Instance().ResetTempMemory();
            const XlfOper result = body();
            if (result.IsEmpty()) {
                throw std::bad_alloc(); // the pool had no memory for the result
            }
            return result.Get();
        },
        &WorksheetFailure, nullptr);
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

// The range the function is entered in.
XlfRange CallerRange();
