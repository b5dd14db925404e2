#include <cstdint>

#include "worksheet/EntryPoints.h"
#include "worksheet/SeedArgument.h"
#include "worksheet/WorksheetFrame.h"

namespace {
// One number in a single cell; over several cells, one draw per cell laid
// out row by row in the shape of the calling range.
template <class Draw>
XlfOper FillCaller(Draw draw)
{
    const XlfRange caller = CallerRange();
    const std::uint64_t cells = static_cast<std::uint64_t>(caller.Rows()) * caller.Columns();
    if (cells <= 1) {
        return Number(draw());
    }
    XlfOper result;
    // The shape is checked before any draw, so a refused array advances
    // no stream.
    XLOPER12* element = result.SetMulti(caller.Rows(), caller.Columns());
    if (element == nullptr) {
        return result;
    }
    for (std::uint64_t i = 0; i < cells; ++i) {
        XlfOper(element + i).SetNumber(draw());
    }
    return result;
}
} // namespace

XlfValue* xllQRAND(XlfValue* seed)
{
    return WorksheetFrame([seed] {
        SeededSource source(Argument(seed));
        if (source.Refused()) {
            return ValueError();
        }
        return FillCaller([&source] { return source.Generator().Next(); });
    });
}

XlfValue* xllQRANDBETWEEN(std::int32_t min, std::int32_t max, XlfValue* seed)
{
    return WorksheetFrame([min, max, seed] {
        if (min >= max) {
            return ValueError();
        }
        SeededSource source(Argument(seed));
        if (source.Refused()) {
            return ValueError();
        }
        return FillCaller([&source, min, max] { return static_cast<double>(source.Generator().NextBetween(min, max)); });
    });
}
