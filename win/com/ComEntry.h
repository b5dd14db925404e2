#pragma once
#include <windows.h>

#include "win/EntryGuard.h"

// The HRESULT a COM method returns for the exception being handled: a COM
// error's own code, E_OUTOFMEMORY for std::bad_alloc, E_FAIL for anything
// else. Call it only inside a handler.
HRESULT CurrentFailureCode();

// A COM method's body, which returns an HRESULT, with every exception
// turned into its failure code.
template <class Body>
HRESULT ComEntry(Body&& body) noexcept
{
    return Guarded(body, &CurrentFailureCode, E_FAIL);
}
