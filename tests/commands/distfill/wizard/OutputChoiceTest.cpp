#include <gtest/gtest.h>

#include "commands/distfill/wizard/OutputChoice.h"

using namespace chooser;

namespace {
OutputChecks NoDirectories()
{
    OutputChecks checks;
    checks.isValidAddress = [](const std::wstring& address) { return address == L"A1:B2"; };
    checks.isDirectory = [](const std::wstring& name) { return name == L"C:\\windows"; };
    return checks;
}

OutputFields Clipboard(const std::wstring& rows, const std::wstring& columns)
{
    OutputFields fields;
    fields.method = kMethodClipboardId;
    fields.clipboardRows = rows;
    fields.clipboardColumns = columns;
    return fields;
}

OutputFields File(const std::wstring& name, const std::wstring& count)
{
    OutputFields fields;
    fields.method = kMethodFileId;
    fields.file = name;
    fields.count = count;
    return fields;
}

// A refusal keeps every stored setting.
void ExpectRefused(const OutputFields& fields, const wchar_t* message, int focusId)
{
    OutputSettings settings{kMethodAddressId, 3, 4, 5, L"kept"};
    const OutputVerdict verdict = CheckOutput(fields, NoDirectories(), settings);
    EXPECT_FALSE(verdict.accepted);
    EXPECT_EQ(verdict.message, message);
    EXPECT_EQ(verdict.focusId, focusId);
    EXPECT_EQ(settings.method, kMethodAddressId);
    EXPECT_EQ(settings.rows, 4);
    EXPECT_EQ(settings.text, L"kept");
}
} // namespace

TEST(OutputChoice, TableLimitsAreInclusiveAndRowsAreCheckedFirst)
{
    OutputSettings settings{kMethodSelectionId, 1, 1, 77, L"C:\\out.txt"};
    EXPECT_TRUE(CheckOutput(Clipboard(L"32000", L"256"), NoDirectories(), settings).accepted);
    EXPECT_EQ(settings.method, kMethodClipboardId);
    EXPECT_EQ(settings.rows, 32000);
    EXPECT_EQ(settings.columns, 256);
    EXPECT_EQ(settings.count, 77);           // other methods' values stay
    EXPECT_EQ(settings.text, L"C:\\out.txt");

    const wchar_t* rows = L"The number of rows needs to be between 1 and 32000";
    const wchar_t* columns = L"The number of columns needs to be between 1 and 256";
    ExpectRefused(Clipboard(L"32001", L"256"), rows, kClipboardRowsEdit);
    ExpectRefused(Clipboard(L"0", L"0"), rows, kClipboardRowsEdit);
    ExpectRefused(Clipboard(L"", L"1"), rows, kClipboardRowsEdit);
    ExpectRefused(Clipboard(L"1", L"257"), columns, kClipboardColumnsEdit);
    ExpectRefused(Clipboard(L"1", L"-1"), columns, kClipboardColumnsEdit);

    OutputFields sheet;
    sheet.method = kMethodWorksheetId;
    sheet.sheetRows = L"12abc";
    sheet.sheetColumns = L"3";
    EXPECT_TRUE(CheckOutput(sheet, NoDirectories(), settings).accepted);
    EXPECT_EQ(settings.method, kMethodWorksheetId);
    EXPECT_EQ(settings.rows, 12);
    EXPECT_EQ(settings.columns, 3);
    sheet.sheetRows = L"32001";
    ExpectRefused(sheet, rows, kSheetRowsEdit);
    sheet.sheetRows = L"5";
    sheet.sheetColumns = L"257";
    ExpectRefused(sheet, columns, kSheetColumnsEdit);
}

TEST(OutputChoice, FileNeedsANameThatIsNoDirectoryAndACountUpToOneBillion)
{
    ExpectRefused(File(L"", L"10"), L"Please specify a file name.", kFileEdit);
    ExpectRefused(File(L"C:\\windows", L"10"), L"Cannot specify the name of a directory.", kFileEdit);
    const wchar_t* count = L"The number of values needs to be between 1 and 1,000,000,000";
    ExpectRefused(File(L"C:\\new.txt", L"0"), count, kCountEdit);
    ExpectRefused(File(L"C:\\new.txt", L"1000000001"), count, kCountEdit);
    OutputSettings settings;
    EXPECT_TRUE(CheckOutput(File(L"C:\\new.txt", L"1000000000"), NoDirectories(), settings).accepted);
    EXPECT_EQ(settings.method, kMethodFileId);
    EXPECT_EQ(settings.count, 1000000000);
    EXPECT_EQ(settings.text, L"C:\\new.txt");
}

// A relative name would land wherever Excel's current directory happens to
// be; only names that say their folder pass.
TEST(OutputChoice, FileNameMustBeAFullPath)
{
    const wchar_t* full = L"Please specify the full path of the file, such as C:\\Data\\values.txt.";
    for (const wchar_t* relative : {L"values.txt", L"data\\values.txt", L"..\\values.txt", L"\\values.txt",
                                    L"C:values.txt", L"C:", L"1:\\values.txt"})
        ExpectRefused(File(relative, L"10"), full, kFileEdit);
    for (const wchar_t* absolute : {L"C:\\values.txt", L"d:/data/values.txt", L"\\\\server\\share\\values.txt"}) {
        OutputSettings settings;
        EXPECT_TRUE(CheckOutput(File(absolute, L"10"), NoDirectories(), settings).accepted) << absolute;
    }
}

TEST(OutputChoice, AddressGoesThroughTheValidator)
{
    OutputFields fields;
    fields.method = kMethodAddressId;
    fields.address = L"not a range";
    ExpectRefused(fields, L"This is not a valid range", kAddressEdit);
    fields.address = L"A1:B2";
    OutputSettings settings{kMethodFileId, 2, 2, 9, L"C:\\old.txt"};
    EXPECT_TRUE(CheckOutput(fields, NoDirectories(), settings).accepted);
    EXPECT_EQ(settings.method, kMethodAddressId);
    EXPECT_EQ(settings.text, L"A1:B2"); // the address replaces the file name
}

TEST(OutputChoice, SelectedCellsAlwaysPass)
{
    OutputFields fields;
    fields.method = kMethodSelectionId;
    OutputSettings settings;
    EXPECT_TRUE(CheckOutput(fields, NoDirectories(), settings).accepted);
    EXPECT_EQ(settings.method, kMethodSelectionId);
}

TEST(OutputChoice, EachMethodEnablesOnlyItsOwnControls)
{
    EXPECT_TRUE(IsControlOfMethod(kAddressEdit, kMethodAddressId));
    EXPECT_TRUE(IsControlOfMethod(kAddressLabel, kMethodAddressId));
    EXPECT_FALSE(IsControlOfMethod(kFileEdit, kMethodAddressId));
    EXPECT_TRUE(IsControlOfMethod(kBrowseButton, kMethodFileId));
    EXPECT_TRUE(IsControlOfMethod(kCountLabel, kMethodFileId));
    EXPECT_TRUE(IsControlOfMethod(kClipboardRowsLabel, kMethodClipboardId));
    EXPECT_FALSE(IsControlOfMethod(kSheetRowsEdit, kMethodClipboardId));
    EXPECT_TRUE(IsControlOfMethod(kSheetRowsLabel, kMethodWorksheetId));
    for (int id = 1005; id <= 1021; ++id)
        EXPECT_FALSE(IsControlOfMethod(id, kMethodSelectionId)) << id;
}
