#pragma once
#include <functional>
#include <string>

#include "resources/ResourceIds.h"

namespace chooser {

// Output methods: the control ids of the output page's radio buttons.
enum : unsigned { kMethodSelectionId = IDC_METHOD_SELECTION, kMethodAddressId = IDC_METHOD_ADDRESS,
                  kMethodClipboardId = IDC_METHOD_CLIPBOARD, kMethodFileId = IDC_METHOD_FILE,
                  kMethodWorksheetId = IDC_METHOD_WORKSHEET };

// Control ids of the output page's fields, labels and browse button.
enum : int {
    kClipboardColumnsEdit = IDC_METHOD_CLIPBOARD_COLUMNS, kClipboardRowsEdit = IDC_METHOD_CLIPBOARD_ROWS,
    kCountEdit = IDC_METHOD_COUNT, kFileEdit = IDC_METHOD_FILE_NAME, kBrowseButton = IDC_METHOD_BROWSE,
    kAddressLabel = IDC_METHOD_ADDRESS_LABEL, kCountLabel = IDC_METHOD_COUNT_LABEL,
    kClipboardColumnsLabel = IDC_METHOD_CLIPBOARD_COLUMNS_LABEL, kClipboardRowsLabel = IDC_METHOD_CLIPBOARD_ROWS_LABEL,
    kFileLabel = IDC_METHOD_FILE_LABEL, kSheetRowsEdit = IDC_METHOD_SHEET_ROWS,
    kSheetColumnsLabel = IDC_METHOD_SHEET_COLUMNS_LABEL, kSheetColumnsEdit = IDC_METHOD_SHEET_COLUMNS,
    kSheetRowsLabel = IDC_METHOD_SHEET_ROWS_LABEL, kAddressEdit = IDC_METHOD_ADDRESS_TEXT
};

constexpr long long kMaxRows = 32000;
constexpr long long kMaxColumns = 256;
constexpr long long kMaxCount = 1000000000;

// What the output page holds and the registry keeps.
struct OutputSettings {
    unsigned method = 0;
    int columns = 0;
    int rows = 0;
    int count = 0;
    std::wstring text;
};

// The texts of the output page's fields when Finish is pressed.
struct OutputFields {
    unsigned method = kMethodSelectionId;
    std::wstring address;
    std::wstring clipboardColumns, clipboardRows;
    std::wstring sheetColumns, sheetRows;
    std::wstring count, file;
};

// The verdict on Finish: accepted with the new settings, or a message and
// the field that needs the user's attention.
struct OutputVerdict {
    bool accepted = false;
    std::wstring message;
    int focusId = 0;
};

struct OutputChecks {
    std::function<bool(const std::wstring&)> isValidAddress; // empty: every address passes
    std::function<bool(const std::wstring&)> isDirectory;
};

// Checks the fields of the checked method; on success stores that method
// and its values in settings, leaving the fields of other methods alone.
OutputVerdict CheckOutput(const OutputFields& fields, const OutputChecks& checks, OutputSettings& settings);

// The enabled state of each edit, label and the browse button for a method.
bool IsControlOfMethod(int controlId, unsigned method);

} // namespace chooser
