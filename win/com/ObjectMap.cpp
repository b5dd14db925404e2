#include "win/com/ObjectMap.h"

const CClassEntry* CObjectMap::Find(REFCLSID classId) const
{
    for (const CClassEntry& entry : *this) {
        if (InlineIsEqualGUID(*entry.classId, classId))
            return &entry;
    }
    return nullptr;
}
