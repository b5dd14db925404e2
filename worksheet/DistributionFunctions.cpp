#include "engine/InternalGenerator.h"
#include "qdists/DistTriangular.h"
#include "worksheet/EntryPoints.h"
#include "worksheet/WorksheetFrame.h"

// One variate of the shared distribution stream per call; a parameter that
// fails validation raises argument_error, which the frame shows as #VALUE!.

namespace {

XlfOper CellValue(bool value)
{
    return XlfOper().SetBool(value);
}

XlfOper CellValue(std::int32_t value)
{
    return Number(value);
}

XlfOper CellValue(double value)
{
    return Number(value);
}

} // namespace

#define STOCHAL_MISSING(name) IsMissing(Argument(name))
#define STOCHAL_VALUE(name) Argument(name).ReadDouble()
#define STOCHAL_DISTRIBUTION(Name, Class, Display, Thumbnail, Kind, Worksheet, Entry, Summary, Topic, Arguments, \
                             ...)                                                                              \
    XlfValue* Entry(STOCHAL_EACH(STOCHAL_ENTRY_PARAMETER, Arguments))                                          \
    {                                                                                                          \
        return WorksheetFrame(                                                                                 \
            [=] { return CellValue(g_generator.Next##Name(STOCHAL_EACH(STOCHAL_READ, Arguments))); });         \
    }
#include "qdists/Distributions.def"
#undef STOCHAL_DISTRIBUTION
