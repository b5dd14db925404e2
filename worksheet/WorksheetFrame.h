#pragma once
#include <cmath>
#include <new>

#include "win/EntryGuard.h"
#include "xlw/XlfException.h"
#include "xlw/XlfExcel.h"
#include "xlw/XlfOper.h"
#include "xlw/XlfRange.h"

// A worksheet function's answer to the exception being handled: the
// bridge's family gives a null result so that Excel calls again later; a
// parameter error, or anything else, #VALUE!.
inline XlfValue* WorksheetFailure()
{
    try {
        throw;
    } catch (const XlfException&) {
        return nullptr;
    } catch (...) {
        return XlfExcel::Instance().ErrorToExcel(xlerr::Value);
    }
}

// The one frame of every worksheet function: the pool is reset first
// (reclaiming earlier results), failures are answered by WorksheetFailure,
// and the result goes back to Excel on the path it called by.
template <class Body>
XlfValue* WorksheetFrame(Body body) noexcept
{
    return Guarded(
        [&body] {
            XlfExcel& excel = XlfExcel::Instance();
            excel.ResetTempMemory();
            const XlfOper result = body();
            if (result.IsEmpty()) {
                throw std::bad_alloc(); // the pool had no memory for the result
            }
            XlfValue* value = excel.ToExcel(result.Get());
            return value != nullptr ? value : excel.ErrorToExcel(xlerr::Value);
        },
        &WorksheetFailure, nullptr);
}

// An argument as Excel passed it, on either path. Empty (and read as
// exhausted memory) when the pool has no room for its conversion.
inline XlfOper Argument(XlfValue* argument)
{
    return XlfOper(XlfExcel::Instance().FromExcel(argument));
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

inline bool IsMissing(const XlfOper& argument)
{
    return argument.Type() == xltype::Missing;
}

// The range the function is entered in; one cell when there is none.
XlfRange CallerRange();
