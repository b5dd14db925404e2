#pragma once
#include <functional>
#include <string>

namespace chooser {

// Output methods: the control ids of the output page's radio buttons.
enum : unsigned { kMethodSelectionId = 1000, kMethodAddressId = 1001, kMethodClipboardId = 1002,
                  kMethodFileId = 1003, kMethodWorksheetId = 1004 };

// Control ids of the output page's fields, labels and browse button.
enum : int {
    kClipboardColumnsEdit = 1005, kClipboardRowsEdit = 1006, kCountEdit = 1007, kFileEdit = 1008,
    kBrowseButton = 1009, kAddressLabel = 1010, kCountLabel = 1011, kClipboardColumnsLabel = 1012,
    kClipboardRowsLabel = 1013, kFileLabel = 1014, kSheetRowsEdit = 1017, kSheetColumnsLabel = 1018,
    kSheetColumnsEdit = 1019, kSheetRowsLabel = 1020, kAddressEdit = 1021
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
