#include "addin/ObjectMap.h"

#include <iterator>

#include "automation/Generator.h"

namespace {

// "Apartment": instances are called only on the thread that created them,
// directly, without marshalling, which is what single-threaded clients such
// as Excel's macros and script hosts expect; the engine they share takes no
// locks, so no freer model may be offered.
const CClassEntry kClasses[] = {
    {&CLSID_Generator, &CreateComInstance<CGenerator>,
     {L"Stochal.Generator.1", L"Stochal.Generator", L"Generator Object", L"Apartment"}},
};

} // namespace

CObjectMap ObjectMap()
{
    return {std::begin(kClasses), std::end(kClasses)};
}

const CClassEntry* CObjectMap::Find(REFCLSID classId) const
{
    for (const CClassEntry& entry : *this) {
        if (InlineIsEqualGUID(*entry.classId, classId))
            return &entry;
    }
    return nullptr;
}
