#pragma once
#include <windows.h>

#include <string>

#include "win/com/ObjectMap.h"

// The keys of one class under HKEY_CLASSES_ROOT: both ProgIDs and
// CLSID\{class id}, naming the DLL at modulePath as its in-process server.
HRESULT RegisterClassKeys(const CClassEntry& entry, const std::wstring& modulePath);
// Removes those keys whole; keys already gone count as removed.
HRESULT UnregisterClassKeys(const CClassEntry& entry);

// The type library embedded in the DLL at modulePath, with the DLL's
// directory as its help directory.
HRESULT RegisterTypeLibrary(const std::wstring& modulePath);
HRESULT UnregisterTypeLibrary(const std::wstring& modulePath);
