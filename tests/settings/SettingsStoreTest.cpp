// The settings store on the real registry of the wine prefix, read back
// with the stock reg.exe.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "settings/SettingsStore.h"
#include "tests/automation/RegisteredServer.h"

namespace {

const char kRoot[] = "SOFTWARE\\Vextor\\Stochal";

void DeleteStoreKeys()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Vextor");
}

bool KeyExists(const char* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void SetRaw(const char* section, const char* name, DWORD type, const void* data, DWORD size)
{
    const std::string path = std::string(kRoot) + "\\" + section;
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, path.c_str(), name, type, data, size), ERROR_SUCCESS);
}

std::string RegQuery(const std::string& key)
{
    std::string output;
    RunProgram(L"reg.exe query \"HKCU\\" + std::wstring(key.begin(), key.end()) + L"\"", &output);
    return output;
}

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteStoreKeys(); }
    void TearDown() override { DeleteStoreKeys(); }
};

// Registry work under the loader lock can deadlock Excel's start: the
// product's store waits for the first command that asks for it.
TEST_F(SettingsStoreTest, LoadingTheDllOpensNoKey)
{
    HMODULE dll = LoadLibraryW(CRegisteredServer::DllPath().c_str());
    ASSERT_NE(dll, nullptr);
    EXPECT_FALSE(KeyExists(kRoot));
    FreeLibrary(dll);
}

TEST_F(SettingsStoreTest, CreatesItsKeysAndEmptySectionsAndGivesDefaults)
{
    CSettingsStore store;
    ASSERT_TRUE(store.IsOpen());
    EXPECT_TRUE(KeyExists(kRoot));
    EXPECT_EQ(store.ReadDword("Sample Dialog", "Count", 100), 100u);
    EXPECT_FALSE(store.ReadBool("Sample Dialog", "Unique", false));
    EXPECT_TRUE(store.ReadBool("Random Sort", "Group Rows", true));
    // Reading creates the section, empty.
    EXPECT_TRUE(KeyExists("SOFTWARE\\Vextor\\Stochal\\Sample Dialog"));
    EXPECT_EQ(RegQuery("SOFTWARE\\Vextor\\Stochal\\Sample Dialog").find("REG_"), std::string::npos);
}

TEST_F(SettingsStoreTest, WritesDwordsThatRegReadsBack)
{
    CSettingsStore store;
    store.WriteDword("Sample Dialog", "Count", 42);
    store.WriteBool("Sample Dialog", "Unique", true);
    store.WriteDword("Random Sort", "Output Mode", 220);
    EXPECT_EQ(store.ReadDword("Sample Dialog", "Count", 100), 42u);
    const std::string sample = RegQuery("SOFTWARE\\Vextor\\Stochal\\Sample Dialog");
    EXPECT_NE(sample.find("Count    REG_DWORD    0x2a"), std::string::npos) << sample;
    EXPECT_NE(sample.find("Unique    REG_DWORD    0x1"), std::string::npos) << sample;
    const std::string sort = RegQuery("SOFTWARE\\Vextor\\Stochal\\Random Sort");
    EXPECT_NE(sort.find("Output Mode    REG_DWORD    0xdc"), std::string::npos) << sort;
}

TEST_F(SettingsStoreTest, ValuesOfOtherTypesReadAsMissing)
{
    CSettingsStore store;
    SetRaw("Sample Dialog", "Count", REG_SZ, "7", 2);
    const BYTE bytes[] = {1, 0, 0, 0};
    SetRaw("Sample Dialog", "Weight", REG_BINARY, bytes, sizeof bytes);
    const BYTE eight[8] = {1};
    SetRaw("Sample Dialog", "Weight Column", REG_QWORD, eight, sizeof eight);
    EXPECT_EQ(store.ReadDword("Sample Dialog", "Count", 100), 100u);
    EXPECT_EQ(store.ReadDword("Sample Dialog", "Weight", 227), 227u);
    EXPECT_EQ(store.ReadDword("Sample Dialog", "Weight Column", 0), 0u);
    // A REG_DWORD shorter than four bytes is no number either.
    const BYTE two[2] = {5, 0};
    SetRaw("Sample Dialog", "Unique", REG_DWORD, two, sizeof two);
    EXPECT_EQ(store.ReadDword("Sample Dialog", "Unique", 9), 9u);
}

TEST_F(SettingsStoreTest, AnyNonZeroDwordIsTrueAndIsWrittenBackAsOne)
{
    CSettingsStore store;
    const DWORD two = 2;
    SetRaw("Random Sort", "Group Rows", REG_DWORD, &two, sizeof two);
    const bool groupRows = store.ReadBool("Random Sort", "Group Rows", false);
    EXPECT_TRUE(groupRows);
    store.WriteBool("Random Sort", "Group Rows", groupRows);
    EXPECT_EQ(store.ReadDword("Random Sort", "Group Rows", 9), 1u);
}

TEST_F(SettingsStoreTest, AMissingValueFallsBackAloneWhileItsNeighboursAreRead)
{
    CSettingsStore store;
    store.WriteDword("Sample Dialog", "Count", 5);
    EXPECT_EQ(store.ReadDword("Sample Dialog", "Count", 100), 5u);
    EXPECT_EQ(store.ReadDword("Sample Dialog", "Weight", 227), 227u);
}

TEST_F(SettingsStoreTest, WithoutSoftwareKeyTheStoreStaysClosedAndSilent)
{
    // Stand in for a HKEY_CURRENT_USER whose SOFTWARE key cannot be opened.
    HKEY stand = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "StochalTestEmptyUser", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &stand, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, stand), ERROR_SUCCESS);
    {
        CSettingsStore store;
        EXPECT_FALSE(store.IsOpen());
        store.WriteDword("Sample Dialog", "Count", 5);
        EXPECT_EQ(store.ReadDword("Sample Dialog", "Count", 100), 100u);
    }
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    DWORD subkeys = 1;
    RegQueryInfoKeyA(stand, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr);
    EXPECT_EQ(subkeys, 0u) << "the closed store created keys";
    RegCloseKey(stand);
    RegDeleteTreeA(HKEY_CURRENT_USER, "StochalTestEmptyUser");
    EXPECT_FALSE(KeyExists(kRoot));
}

} // namespace
