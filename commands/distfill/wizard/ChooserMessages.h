#pragma once
#include <windows.h>

// Private messages between the chooser's controls, its pages and the
// wizard. wParam is 0 unless stated.
enum : UINT {
    WMU_GRID_ACTIVATE = 77000,      // grid to page 1: a cell was double-clicked
    WMU_GRID_SELCHANGE = 77001,     // grid to page 1: wParam cell index, lParam distribution or 0
    WMU_DIST_SELECTED = 77050,      // page 1 to wizard: lParam distribution or 0
    WMU_DIST_PAGE_ACTIVE = 77051,   // page 1 to wizard
    WMU_PARAMS_PAGE_ACTIVE = 77061, // page 2 to wizard
    WMU_PARAMS_CHANGED = 77062,     // page 2 to wizard
    WMU_METHOD_PAGE_ACTIVE = 77070, // page 3 to wizard
    WMU_PARAM_EDITED = 7684         // parameter list to page 2
};
