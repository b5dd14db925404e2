#pragma once
#include "xlw/XlCall.h"
#include "xlw/XlCall12.h"

// The XLOPER path: values converted between the XLOPER Excel 4 speaks and
// the XLOPER12 of the rest of the bridge, as Excel itself converts them
// (its documentation of Excel4/Excel12: references and arrays beyond the
// XLOPER's 16-bit rows and 8-bit columns cannot be converted, and an
// integer beyond 16 bits becomes a number). Texts go between UTF-16 and
// the ANSI code page. Memory for the copies comes from the pool; false
// when the value cannot be converted or the pool has no memory.
bool ToXloper(const XLOPER12& from, XLOPER& to);
bool ToXloper12(const XLOPER& from, XLOPER12& to);

// Excel4v with XLOPER12 values: the arguments converted down, the result
// converted up into the pool and Excel's own freed at once.
int CallExcel4(Excel4vProc excel4v, int function, XLOPER12* result, int count, XLOPER12** arguments);
