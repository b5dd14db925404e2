#pragma once
#include <windows.h>

#include <string>

#include "win/com/OfficeInterfaces.h"

namespace xlhost {

// The test Excel as a ribbon-era Excel: after connecting an add-in it asks
// for IRibbonExtensibility, reads its customUI document with the system's
// XML parser and checks it as Excel would. Returns S_OK, or E_FAIL after
// printing a line "ribbon-error <reason>" (the connection then fails).
class ScriptRunner;
HRESULT LoadRibbon(ScriptRunner& runner, _IDTExtensibility2* addIn);
// Lets go of the add-in's ribbon, as Excel does at shutdown.
void ReleaseRibbon();
// `dump images`: each ribbon button's picture from its getImage callback,
// written beside the script as <button id>.bmp.
void DumpRibbonImages(ScriptRunner& runner);

} // namespace xlhost
