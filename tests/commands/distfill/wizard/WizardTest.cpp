// The chooser wizard as a user meets it, under wine: a second thread
// clicks, types and reads the windows while the wizard runs modally.
#include <gtest/gtest.h>

#include <windows.h>
#include <prsht.h>

#include <algorithm>
#include <string>
#include <vector>

#include "WizardDriver.h"
#include "commands/distfill/wizard/ChooserMessages.h"

namespace {
const wchar_t kTestKey[] = L"Software\\Vextor\\StochalWizardTest\\Distributions";

// A fresh "Distributions" key for each test.
class WizardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &m_key,
                                  nullptr),
                  ERROR_SUCCESS);
        m_settings = CSettingsKey::UserKey("Software\\Vextor\\StochalWizardTest\\Distributions");
    }
    void TearDown() override
    {
        m_settings = CSettingsKey();
        RegCloseKey(m_key);
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    }
    void SetText(const wchar_t* subkey, const wchar_t* name, const wchar_t* value)
    {
        RegSetKeyValueW(m_key, subkey, name, REG_SZ, value, static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
    }
    void SetDword(const wchar_t* subkey, const wchar_t* name, DWORD value)
    {
        RegSetKeyValueW(m_key, subkey, name, REG_DWORD, &value, sizeof value);
    }
    std::wstring Text(const wchar_t* subkey, const wchar_t* name)
    {
        wchar_t value[512] = {};
        DWORD size = sizeof value;
        if (RegGetValueW(m_key, subkey, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
            return L"<missing>";
        return value;
    }
    DWORD Dword(const wchar_t* subkey, const wchar_t* name)
    {
        DWORD value = 0;
        DWORD size = sizeof value;
        if (RegGetValueW(m_key, subkey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
            return 0xFFFFFFFF;
        return value;
    }
    bool SubkeyExists(const wchar_t* subkey)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(m_key, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }
    // Values anywhere under the key.
    DWORD ValueCount(HKEY key)
    {
        DWORD values = 0, subkeys = 0;
        RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                         nullptr, nullptr);
        for (DWORD i = 0; i < subkeys; ++i) {
            wchar_t name[256];
            DWORD length = 256;
            RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
            HKEY child = nullptr;
            RegOpenKeyExW(key, name, 0, KEY_READ, &child);
            values += ValueCount(child);
            RegCloseKey(child);
        }
        return values;
    }

    HKEY m_key = nullptr;
    CSettingsKey m_settings; // the same key, as the wizard takes it
};

constexpr int kGridRightOfCells = 458;
} // namespace

TEST_F(WizardTest, FirstRunSelectsBernoulliWithNextEnabledAndCancelWritesNothing)
{
    CWtlDistChooserWizard wizard;
    wizard.SetSelectionUsable(true);
    const INT_PTR result = CWizardDriver::Run(wizard, m_settings, [](CWizardDriver& user) {
        EXPECT_EQ(user.Caption(), L"Choose Distribution");
        EXPECT_TRUE(user.WaitFor([&] { return user.ButtonEnabled(CWizardDriver::kNext); }));
        EXPECT_FALSE(user.ButtonEnabled(CWizardDriver::kBack));
        ASSERT_NE(user.Wizard().Selected(), nullptr);
        EXPECT_STREQ(user.Wizard().Selected()->GetName(), "Bernoulli");
        EXPECT_EQ(user.Focus(), user.Grid());
        user.Shot("wizard-page1");
        user.Press(PSBTN_NEXT);
        user.Press(PSBTN_NEXT);
        // No saved settings: selected cells checked, every field empty.
        EXPECT_EQ(user.Caption(), L"Choose Output Method");
        EXPECT_TRUE(user.Checked(1000));
        EXPECT_TRUE(user.Enabled(1000));
        for (int id : {1005, 1006, 1007, 1008, 1017, 1019, 1021})
            EXPECT_EQ(user.TextOf(user.Item(id)), L"") << id;
        user.Cancel();
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ValueCount(m_key), 0u);
}

TEST_F(WizardTest, SavedSelectionIgnoresCase)
{
    SetText(nullptr, L"Selected", L"normal");
    CWtlDistChooserWizard wizard;
    CWizardDriver::Run(wizard, m_settings, [](CWizardDriver& user) {
        ASSERT_NE(user.Wizard().Selected(), nullptr);
        EXPECT_STREQ(user.Wizard().Selected()->GetName(), "Normal");
        user.Press(PSBTN_NEXT);
        EXPECT_EQ(user.Caption(), L"Configure Parameters");
        EXPECT_EQ(user.TextOf(user.ParameterField(0)), L"0");
        EXPECT_EQ(user.TextOf(user.ParameterField(1)), L"1");
        EXPECT_EQ(user.MessageLine(), L"");
        user.Shot("wizard-page2-normal");
    });
}

TEST_F(WizardTest, GridClicksAndArrowKeysChooseAndClearTheDistribution)
{
    CWtlDistChooserWizard wizard;
    CWizardDriver::Run(wizard, m_settings, [](CWizardDriver& user) {
        user.ClickGrid(kGridRightOfCells, 10);
        EXPECT_EQ(user.Wizard().Selected(), nullptr);
        EXPECT_TRUE(user.WaitFor([&] { return !user.ButtonEnabled(CWizardDriver::kNext); }));
        // A double click beside the cells does not move on.
        user.DoubleClickGrid(kGridRightOfCells, 10);
        EXPECT_EQ(user.Caption(), L"Choose Distribution");
        user.ClickGrid(120, 120); // cell 5
        ASSERT_NE(user.Wizard().Selected(), nullptr);
        EXPECT_STREQ(user.Wizard().Selected()->GetName(), "Gamma");
        EXPECT_TRUE(user.WaitFor([&] { return user.ButtonEnabled(CWizardDriver::kNext); }));
        user.Key(VK_DOWN);
        user.Key(VK_DOWN);
        EXPECT_STREQ(user.Wizard().Selected()->GetName(), "Triangular"); // cell 13
        user.Key(VK_DOWN);
        EXPECT_STREQ(user.Wizard().Selected()->GetName(), "Triangular");
        user.Key(VK_RIGHT);
        user.Key(VK_RIGHT);
        EXPECT_STREQ(user.Wizard().Selected()->GetName(), "Weibull"); // cell 15
        user.Key(VK_RIGHT);
        EXPECT_STREQ(user.Wizard().Selected()->GetName(), "Weibull");
        user.Key(VK_UP);
        EXPECT_STREQ(user.Wizard().Selected()->GetName(), "Pareto"); // cell 11
        user.Key(VK_HOME);
        user.DoubleClickGrid(10, 10); // cell 0 after scrolling home
        EXPECT_STREQ(user.Wizard().Selected()->GetName(), "Bernoulli");
        EXPECT_EQ(user.Caption(), L"Configure Parameters");
    });
}

TEST_F(WizardTest, EveryKeystrokeReachesTheDistributionAndInvalidParametersBlockNext)
{
    SetText(nullptr, L"Selected", L"Normal");
    CWtlDistChooserWizard wizard;
    CWizardDriver::Run(wizard, m_settings, [](CWizardDriver& user) {
        user.Press(PSBTN_NEXT);
        qdists::VDistribution* normal = user.Wizard().Selected();
        user.Type(user.ParameterField(0), L"1.");
        EXPECT_EQ(normal->GetParameter(0), 1.0);
        user.Type(user.ParameterField(0), L"-");
        EXPECT_EQ(normal->GetParameter(0), 0.0);
        user.Type(user.ParameterField(1), L"-2");
        EXPECT_EQ(user.MessageLine(), L"The value of sigma is invalid.");
        EXPECT_TRUE(user.WaitFor([&] { return !user.ButtonEnabled(CWizardDriver::kNext); }));
        EXPECT_TRUE(user.ButtonEnabled(CWizardDriver::kBack));
        user.Shot("wizard-page2-invalid");
        EXPECT_GT(user.RedPixels(), 50) << "the message is drawn in red";
        user.Type(user.ParameterField(1), L"2");
        EXPECT_EQ(user.MessageLine(), L"");
        EXPECT_EQ(user.RedPixels(), 0);
        EXPECT_TRUE(user.WaitFor([&] { return user.ButtonEnabled(CWizardDriver::kNext); }));

        user.Press(PSBTN_BACK);
        user.ClickGrid(240, 10); // cell 2, Binomial
        user.Press(PSBTN_NEXT);
        qdists::VDistribution* binomial = user.Wizard().Selected();
        EXPECT_STREQ(binomial->GetName(), "Binomial");
        EXPECT_EQ(user.TextOf(user.ParameterField(1)), L"10");
        user.Type(user.ParameterField(1), L"2.9");
        EXPECT_EQ(binomial->GetParameter(1), 2.0);
        user.Type(user.ParameterField(1), L"10");
        user.Shot("wizard-page2-binomial");
    });
}

TEST_F(WizardTest, OutputPageEnablesTheFieldsOfTheCheckedMethodOnly)
{
    CWtlDistChooserWizard wizard;
    wizard.SetSelectionUsable(true);
    CWizardDriver::Run(wizard, m_settings, [](CWizardDriver& user) {
        user.Press(PSBTN_NEXT);
        user.Press(PSBTN_NEXT);
        const std::vector<std::pair<int, std::vector<int>>> methods = {
            {1000, {}},
            {1001, {1010, 1021}},
            {1002, {1005, 1006, 1012, 1013}},
            {1003, {1007, 1008, 1009, 1011, 1014}},
            {1004, {1017, 1018, 1019, 1020}}};
        for (const auto& method : methods) {
            user.ClickRadio(method.first);
            EXPECT_TRUE(user.Checked(method.first));
            for (int id = 1005; id <= 1021; ++id) {
                if (id == 1015 || id == 1016)
                    continue;
                const bool own = std::find(method.second.begin(), method.second.end(), id) != method.second.end();
                EXPECT_EQ(user.Enabled(id), own) << "method " << method.first << " control " << id;
            }
        }
        EXPECT_TRUE(user.WaitFor([&] { return user.ButtonEnabled(CWizardDriver::kFinish); }));
        user.Shot("wizard-page3");
    });
}

TEST_F(WizardTest, FinishRefusesBadFieldsWithTheirMessageAndSelectsTheField)
{
    CWtlDistChooserWizard wizard;
    wizard.SetSelectionUsable(true);
    wizard.SetAddressValidator([](const std::wstring& address) { return address == L"A1:B2"; });
    const INT_PTR result = CWizardDriver::Run(wizard, m_settings, [](CWizardDriver& user) {
        user.Press(PSBTN_NEXT);
        user.Press(PSBTN_NEXT);
        auto refused = [&](const wchar_t* message, int focusId) {
            user.Press(PSBTN_FINISH);
            EXPECT_EQ(user.DismissMessageBox(), message);
            EXPECT_EQ(user.Caption(), L"Choose Output Method");
            EXPECT_EQ(GetDlgCtrlID(user.Focus()), focusId);
            EXPECT_TRUE(user.WholeTextSelected(user.Item(focusId)));
        };
        user.ClickRadio(1001);
        user.Type(user.Item(1021), L"nowhere");
        refused(L"This is not a valid range", 1021);
        user.ClickRadio(1002);
        user.Type(user.Item(1006), L"32001");
        user.Type(user.Item(1005), L"256");
        refused(L"The number of rows needs to be between 1 and 32000", 1006);
        user.Type(user.Item(1006), L"32000");
        user.Type(user.Item(1005), L"257");
        refused(L"The number of columns needs to be between 1 and 256", 1005);
        user.ClickRadio(1004);
        user.Type(user.Item(1017), L"0");
        refused(L"The number of rows needs to be between 1 and 32000", 1017);
        user.Type(user.Item(1017), L"3");
        refused(L"The number of columns needs to be between 1 and 256", 1019);
        user.ClickRadio(1003);
        refused(L"Please specify a file name.", 1008);
        user.Type(user.Item(1008), L"C:\\windows");
        refused(L"Cannot specify the name of a directory.", 1008);
        user.Type(user.Item(1008), L"C:\\stochal-new-file.txt");
        user.Type(user.Item(1007), L"1000000001");
        refused(L"The number of values needs to be between 1 and 1,000,000,000", 1007);
        // The count field takes ten characters at most.
        user.Type(user.Item(1007), L"12345678901");
        EXPECT_EQ(user.TextOf(user.Item(1007)), L"1234567890");
        user.ClickRadio(1002);
        user.Type(user.Item(1006), L"12abc");
        user.Type(user.Item(1005), L"256");
        user.Press(PSBTN_FINISH);
        EXPECT_TRUE(user.WaitFor([&] { return !IsWindow(user.Sheet()); }));
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(wizard.Method(), chooser::kMethodClipboardId);
    EXPECT_EQ(wizard.Rows(), 12);
    EXPECT_EQ(wizard.Columns(), 256);
}

TEST_F(WizardTest, WithoutUsableSelectionASavedSelectedCellsMethodBecomesAddress)
{
    SetDword(L"Method", L"Method", 1000);
    SetText(L"Method", L"String", L"Sheet1!C3");
    CWtlDistChooserWizard wizard;
    wizard.SetSelectionUsable(false);
    CWizardDriver::Run(wizard, m_settings, [](CWizardDriver& user) {
        user.Press(PSBTN_NEXT);
        user.Press(PSBTN_NEXT);
        EXPECT_FALSE(user.Enabled(1000));
        EXPECT_FALSE(user.Checked(1000));
        EXPECT_TRUE(user.Checked(1001));
        EXPECT_TRUE(user.Enabled(1021));
        EXPECT_EQ(user.TextOf(user.Item(1021)), L"Sheet1!C3");
    });
}

TEST_F(WizardTest, SaveWritesOnlyTheChosenDistributionAndTheOutputSettings)
{
    SetText(nullptr, L"Selected", L"Normal");
    SetDword(L"Method", L"Method", 1003);
    SetText(L"Method", L"String", L"C:\\old.txt");
    SetDword(L"Method", L"Count", 500);
    CWtlDistChooserWizard wizard;
    wizard.SetSelectionUsable(true);
    wizard.SetAddressValidator([](const std::wstring&) { return true; });
    const INT_PTR result = CWizardDriver::Run(wizard, m_settings, [](CWizardDriver& user) {
        user.Press(PSBTN_NEXT);
        user.Type(user.ParameterField(0), L"2.5"); // Normal's mu, then left behind
        user.Press(PSBTN_BACK);
        user.Key(VK_DOWN); // Normal (10) to Uniform (14)
        user.Press(PSBTN_NEXT);
        user.Type(user.ParameterField(1), L"3.25");
        user.Press(PSBTN_NEXT);
        EXPECT_TRUE(user.Checked(1003));
        EXPECT_EQ(user.TextOf(user.Item(1008)), L"C:\\old.txt");
        EXPECT_EQ(user.TextOf(user.Item(1007)), L"500");
        user.ClickRadio(1001);
        user.Type(user.Item(1021), L"A1:B2");
        user.Press(PSBTN_FINISH);
    });
    ASSERT_EQ(result, 1);
    wizard.Save(m_settings);
    EXPECT_EQ(Text(nullptr, L"Selected"), L"Uniform");
    EXPECT_EQ(Text(L"Uniform", L"min"), L"0");
    EXPECT_EQ(Text(L"Uniform", L"max"), L"3.25");
    EXPECT_FALSE(SubkeyExists(L"Normal"));
    EXPECT_EQ(Dword(L"Method", L"Method"), 1001u);
    EXPECT_EQ(Text(L"Method", L"String"), L"A1:B2");
    EXPECT_EQ(Dword(L"Method", L"Count"), 500u);
    EXPECT_EQ(Dword(L"Method", L"Rows"), 1u);
    EXPECT_EQ(Dword(L"Method", L"Columns"), 1u);

}

TEST_F(WizardTest, DiscreteGraphShowsBars)
{
    SetText(nullptr, L"Selected", L"Poisson");
    CWtlDistChooserWizard wizard;
    CWizardDriver::Run(wizard, m_settings, [](CWizardDriver& user) {
        user.Press(PSBTN_NEXT);
        EXPECT_EQ(user.TextOf(user.ParameterField(0)), L"1");
        user.Shot("wizard-page2-poisson");
        user.Type(user.ParameterField(0), L"1000");
        user.Shot("wizard-page2-poisson1000");
    });
}

TEST_F(WizardTest, SavedDistributionIsInViewAndTheWheelAddsUpPartNotches)
{
    SetText(nullptr, L"Selected", L"Poisson"); // cell 12, the fourth row
    CWtlDistChooserWizard wizard;
    CWizardDriver::Run(wizard, m_settings, [](CWizardDriver& user) {
        const HWND grid = user.Grid();
        RECT client;
        GetClientRect(grid, &client);
        const int top = GetScrollPos(grid, SB_VERT);
        const int cellTop = 3 * 115, cellBottom = cellTop + 115;
        EXPECT_LE(top, cellTop);
        EXPECT_GE(top + client.bottom, cellBottom) << "the whole Poisson cell shows";
        // A precision touchpad sends a third of a notch at a time
        // (WM_MOUSEWHEEL: "The wheel rotation will be a multiple of
        // WHEEL_DELTA ... or less for finer-resolution wheels").
        auto wheel = [&](int delta) {
            SendMessageW(grid, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
            return GetScrollPos(grid, SB_VERT);
        };
        EXPECT_EQ(wheel(WHEEL_DELTA / 3), top);
        EXPECT_EQ(wheel(WHEEL_DELTA / 3), top);
        EXPECT_EQ(wheel(WHEEL_DELTA / 3), std::max(0, top - 115));
        EXPECT_LT(GetScrollPos(grid, SB_VERT), top);
        user.Shot("wizard-page1-poisson");
    });
}

// Browse must leave Excel's current directory where it was (OPENFILENAME:
// "OFN_NOCHANGEDIR: Restores the current directory to its original value
// if the user changed the directory while searching for files").
TEST_F(WizardTest, BrowseTakesTheChosenFileAndLeavesTheCurrentDirectory)
{
    wchar_t before[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, before);
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring chosen = std::wstring(temp) + L"stochal-browse.txt";
    CWtlDistChooserWizard wizard;
    wizard.SetSelectionUsable(true);
    CWizardDriver::Run(wizard, m_settings, [&](CWizardDriver& user) {
        user.Press(PSBTN_NEXT);
        user.Press(PSBTN_NEXT);
        user.ClickRadio(1003);
        PostMessageW(user.Item(1009), BM_CLICK, 0, 0);
        const HWND save = user.WaitForDialog();
        ASSERT_NE(save, nullptr);
        // The user types a folder, which the dialog opens, then a name.
        const int fileName = 0x47C; // cmb13 of the explorer-style dialog
        for (const wchar_t* typed : {static_cast<const wchar_t*>(temp), L"stochal-browse.txt"}) {
            SendMessageW(GetDlgItem(save, fileName), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed));
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(save, WM_COMMAND, IDOK, 0, SMTO_BLOCK, 5000, &ignored);
        }
        EXPECT_TRUE(user.WaitFor([&] { return user.TextOf(user.Item(1008)) != L""; }));
        EXPECT_EQ(_wcsicmp(user.TextOf(user.Item(1008)).c_str(), chosen.c_str()), 0) << user.TextOf(user.Item(1008));
        if (IsWindow(save) && IsWindowVisible(save))
            PostMessageW(save, WM_COMMAND, IDCANCEL, 0);
    });
    wchar_t after[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, after);
    EXPECT_STREQ(after, before);
}

// Windows' Tab enters a group of radio buttons at a button that is enabled
// and has WS_TABSTOP (GetNextDlgTabItem: "the first control that has the
// WS_TABSTOP style", skipping disabled ones); wine is kinder and finds the
// group all the same, so the styles are what is checked. With "selected
// cells" disabled the checked button must carry the stop, and follow the
// check.
TEST_F(WizardTest, TabReachesTheCheckedOutputMethodWhenSelectedCellsIsDisabled)
{
    CWtlDistChooserWizard wizard;
    wizard.SetSelectionUsable(false);
    CWizardDriver::Run(wizard, m_settings, [](CWizardDriver& user) {
        user.Press(PSBTN_NEXT);
        user.Press(PSBTN_NEXT);
        auto tabStops = [&] {
            std::vector<int> stops;
            for (int id = 1000; id <= 1004; ++id) {
                if (user.Enabled(id) && (GetWindowLongPtrW(user.Item(id), GWL_STYLE) & WS_TABSTOP))
                    stops.push_back(id);
            }
            return stops;
        };
        ASSERT_TRUE(user.Checked(1001));
        EXPECT_EQ(tabStops(), std::vector<int>{1001});
        user.ClickRadio(1002);
        EXPECT_EQ(tabStops(), std::vector<int>{1002});
        for (int i = 0; i < 12 && GetDlgCtrlID(user.Focus()) != 1002; ++i)
            user.PostKey(VK_TAB);
        EXPECT_EQ(GetDlgCtrlID(user.Focus()), 1002);
    });
}
