#pragma once
// Resource and control identifiers shared by the .rc files and the code.

// About box.
#define IDD_ABOUT 202
#define IDB_ABOUT 207
#define IDC_ABOUT_VERSION 208
