#pragma once
#include <windows.h>

#include "qdists/Distribution.h"

// The picture of a distribution's grid cell at a DPI, owned by the caller;
// null when it cannot be had. At 96 DPI it is the bitmap shipped in the
// module's resources. At any other DPI it is drawn afresh at that size, as
// the shipped ones were made, from the distribution's initial parameters:
// a shipped picture stretched would blur its one-pixel lines, and pictures
// shipped at twice the size would double the module's size and still blur
// at 150 %.
HBITMAP LoadGridPicture(const qdists::VDistribution& distribution, UINT dpi);
