#pragma once
#include "win/excel/ExcelObjects.h"

// What a click on one of the add-in's buttons runs: a command on Excel's
// Application. Commands handle their own errors.
using MenuCommand = void (*)(const CExcelApplication& application);

// One button of the "&Stochal" menu, in menu order.
struct CMenuEntry {
    // Office raises a click on every button of the same Id and Tag; ours
    // are all custom buttons (Id 1), so each has a Tag of its own.
    const wchar_t* tag;
    const wchar_t* caption;
    const wchar_t* tooltip;
    bool beginGroup;
    MenuCommand command; // null: the button does nothing yet
};

constexpr int kMenuButtons = 6;
extern const CMenuEntry kMenu[kMenuButtons];
extern const wchar_t kPopupCaption[];
extern const wchar_t kPopupTooltip[];
