#include "commands/distfill/wizard/OutputChoice.h"

#include <algorithm>
#include <initializer_list>

#include "commands/distfill/wizard/ChooserText.h"

namespace chooser {

namespace {
constexpr size_t kMaxFileChars = 261;

OutputVerdict Refuse(const wchar_t* message, int focusId)
{
    return OutputVerdict{false, message, focusId};
}

bool InRange(long long value, long long limit)
{
    return 1 <= value && value <= limit;
}

OutputVerdict CheckTable(const std::wstring& rowsText, int rowsId, const std::wstring& columnsText, int columnsId,
                         unsigned method, OutputSettings& settings)
{
    const long long rows = ReadNumberField(rowsText);
    if (!InRange(rows, kMaxRows))
        return Refuse(L"The number of rows needs to be between 1 and 32000", rowsId);
    const long long columns = ReadNumberField(columnsText);
    if (!InRange(columns, kMaxColumns))
        return Refuse(L"The number of columns needs to be between 1 and 256", columnsId);
    settings.method = method;
    settings.rows = static_cast<int>(rows);
    settings.columns = static_cast<int>(columns);
    return OutputVerdict{true, L"", 0};
}

bool IsDriveLetter(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

bool IsSlash(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

// A drive and its root ("C:\\...") or a network share ("\\\\server\\...");
// anything else depends on the current directory or drive.
bool IsFullPath(const std::wstring& name)
{
    if (name.size() >= 3 && IsDriveLetter(name[0]) && name[1] == L':' && IsSlash(name[2]))
        return true;
    return name.size() >= 3 && IsSlash(name[0]) && IsSlash(name[1]);
}

OutputVerdict CheckFile(const OutputFields& fields, const OutputChecks& checks, OutputSettings& settings)
{
    const std::wstring file = fields.file.substr(0, kMaxFileChars);
    if (file.empty())
        return Refuse(L"Please specify a file name.", kFileEdit);
    if (!IsFullPath(file))
        return Refuse(L"Please specify the full path of the file, such as C:\\Data\\values.txt.", kFileEdit);
    if (checks.isDirectory && checks.isDirectory(file))
        return Refuse(L"Cannot specify the name of a directory.", kFileEdit);
    const long long count = ReadNumberField(fields.count);
    if (!InRange(count, kMaxCount))
        return Refuse(L"The number of values needs to be between 1 and 1,000,000,000", kCountEdit);
    settings.method = kMethodFileId;
    settings.count = static_cast<int>(count);
    settings.text = file;
    return OutputVerdict{true, L"", 0};
}
} // namespace

OutputVerdict CheckOutput(const OutputFields& fields, const OutputChecks& checks, OutputSettings& settings)
{
    switch (fields.method) {
    case kMethodAddressId:
        if (checks.isValidAddress && !checks.isValidAddress(fields.address))
            return Refuse(L"This is not a valid range", kAddressEdit);
        settings.method = kMethodAddressId;
        settings.text = fields.address;
        return OutputVerdict{true, L"", 0};
    case kMethodClipboardId:
        return CheckTable(fields.clipboardRows, kClipboardRowsEdit, fields.clipboardColumns, kClipboardColumnsEdit,
                          kMethodClipboardId, settings);
    case kMethodFileId:
        return CheckFile(fields, checks, settings);
    case kMethodWorksheetId:
        return CheckTable(fields.sheetRows, kSheetRowsEdit, fields.sheetColumns, kSheetColumnsEdit,
                          kMethodWorksheetId, settings);
    default:
        settings.method = kMethodSelectionId;
        return OutputVerdict{true, L"", 0};
    }
}

bool IsControlOfMethod(int controlId, unsigned method)
{
    auto among = [controlId](std::initializer_list<int> ids) {
        return std::find(ids.begin(), ids.end(), controlId) != ids.end();
    };
    switch (method) {
    case kMethodAddressId: return among({kAddressLabel, kAddressEdit});
    case kMethodClipboardId:
        return among({kClipboardColumnsLabel, kClipboardRowsLabel, kClipboardColumnsEdit, kClipboardRowsEdit});
    case kMethodFileId: return among({kCountEdit, kFileLabel, kCountLabel, kFileEdit, kBrowseButton});
    case kMethodWorksheetId: return among({kSheetColumnsEdit, kSheetRowsEdit, kSheetColumnsLabel, kSheetRowsLabel});
    default: return false;
    }
}

} // namespace chooser
