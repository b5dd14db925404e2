#include "win/com/ObjectMap.h"

#include <iterator>

#include "addin/AddIn.h"
#include "automation/Generator.h"

namespace {

// ThreadingModel "" (the main apartment): every instance lives on the one
// thread that first initialised COM, so calls into the lock-free shared
// engine never overlap; "Apartment" would let two single-threaded
// apartments draw from it at once.
const CClassEntry kClasses[] = {
    {&CLSID_CAddIn, &CreateComInstance<CAddIn>,
     {L"Stochal.AddIn.1", L"Stochal.AddIn", L"CAddIn Object", L"apartment"}},
    {&CLSID_Generator, &CreateComInstance<CGenerator>,
     {L"Stochal.Generator.1", L"Stochal.Generator", L"Generator Object", L""}},
};

} // namespace

CObjectMap ObjectMap()
{
    return {std::begin(kClasses), std::end(kClasses)};
}
