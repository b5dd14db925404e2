#pragma once
// Resource and control identifiers shared by the .rc files and the code.

// About box.
#define IDD_ABOUT 202
#define IDB_ABOUT 207
#define IDC_ABOUT_VERSION 208
#define IDC_ABOUT_PICTURE 209

// Progress window of the distribution fill.
#define IDD_GENERATING 240
#define IDC_GENERATING_BAR 1000
#define IDC_GENERATING_ABORT 1001

// Random Sample and Random Sort dialogs; the radio button ids are also the
// values their settings store.
#define IDD_RANDOM_SORT 206
#define IDD_RANDOM_SAMPLE 207
#define IDC_SAMPLE_UNIQUE 205
#define IDC_SORT_GROUP_ROWS 219
#define IDC_SORT_IN_PLACE 220
#define IDC_SORT_CLIPBOARD 221
#define IDC_SAMPLE_COLUMN 224
#define IDC_SAMPLE_COUNT 226
#define IDC_SAMPLE_EQUAL 227
#define IDC_SAMPLE_WEIGHTED 228

// Ribbon button pictures (32 x 32 for the large buttons, 16 x 16 for the
// small) at these ids, and at id + n * IDB_RIBBON_STEP_OFFSET the same
// picture for 125, 150 and 200 % (n = 1, 2, 3).
#define IDB_RIBBON_FILL_SIMPLE 310
#define IDB_RIBBON_FILL_DISTRIBUTION 311
#define IDB_RIBBON_SAMPLE 312
#define IDB_RIBBON_SORT 313
#define IDB_RIBBON_ABOUT 314
#define IDB_RIBBON_HELP 315
#define IDB_RIBBON_STEP_OFFSET 10

// Random Fill dialog.
#define IDD_RANDOM_FILL 9
#define IDC_FILL_BETWEEN01 201
#define IDC_FILL_BETWEEN 202
#define IDC_FILL_MIN 203
#define IDC_FILL_MAX 204
#define IDC_FILL_UNIQUE 205
#define IDC_FILL_OUTPUT 206

// Distribution chooser wizard: its three pages. The grid's pictures are
// numbered with the distributions in qdists/Distributions.def; the output
// page's controls are numbered 1000 to 1021.
#define IDD_CHOOSE_DISTRIBUTION 330
#define IDD_CONFIGURE_PARAMETERS 331
#define IDD_CHOOSE_METHOD 332
// The output page's five radio buttons: their ids are also the output
// methods the fill writes and the settings keep.
#define IDC_METHOD_SELECTION 1000
#define IDC_METHOD_ADDRESS 1001
#define IDC_METHOD_CLIPBOARD 1002
#define IDC_METHOD_FILE 1003
#define IDC_METHOD_WORKSHEET 1004
// The output page's fields, labels and browse button.
#define IDC_METHOD_CLIPBOARD_COLUMNS 1005
#define IDC_METHOD_CLIPBOARD_ROWS 1006
#define IDC_METHOD_COUNT 1007
#define IDC_METHOD_FILE_NAME 1008
#define IDC_METHOD_BROWSE 1009
#define IDC_METHOD_ADDRESS_LABEL 1010
#define IDC_METHOD_COUNT_LABEL 1011
#define IDC_METHOD_CLIPBOARD_COLUMNS_LABEL 1012
#define IDC_METHOD_CLIPBOARD_ROWS_LABEL 1013
#define IDC_METHOD_FILE_LABEL 1014
#define IDC_METHOD_SHEET_ROWS 1017
#define IDC_METHOD_SHEET_COLUMNS_LABEL 1018
#define IDC_METHOD_SHEET_COLUMNS 1019
#define IDC_METHOD_SHEET_ROWS_LABEL 1020
#define IDC_METHOD_ADDRESS_TEXT 1021
