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
// family gives a null result so that Excel calls again later. The result
// goes back to Excel on the path it called by.
template <class Body>
XlfValue* WorksheetFrame(Body body) noexcept
{
    try {
        XlfExcel& excel = XlfExcel::Instance();
        excel.ResetTempMemory();
        const XlfOper result = body();
        if (result.IsEmpty()) {
            throw std::bad_alloc(); // the pool had no memory for the result
        }
        XlfValue* value = excel.ToExcel(result.Get());
        return value != nullptr ? value : excel.ErrorToExcel(xlerr::Value);
    } catch (const CInternalGenerator::argument_error&) {
        return XlfExcel::Instance().ErrorToExcel(xlerr::Value);
    } catch (const XlfException&) {
        return nullptr;
    } catch (...) {
        return XlfExcel::Instance().ErrorToExcel(xlerr::Value);
    }
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
