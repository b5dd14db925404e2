#pragma once
#include <windows.h>
#include <ocidl.h>

#include <string>

// The Stochal tab of the ribbon: one button for each command of the menu,
// the four commands large in one group, About and Help in a second.

// The customUI document (2006 schema) that the add-in hands to Office.
std::wstring RibbonXml();
// The menu position (0-based) of the ribbon button with this id; -1 for
// an id that is not ours.
int RibbonButtonIndex(const std::wstring& id);
// The button's picture for Office, with its alpha channel, drawn for the
// DPI of Excel's window: 32 × 32 for the large buttons and 16 × 16 for the
// others at 96 DPI, larger in proportion above. Raises CComError.
IPictureDisp* RibbonButtonPicture(int index, UINT dpi);
