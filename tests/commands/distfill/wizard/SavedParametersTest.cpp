// The wizard's saved parameters in the real registry of the wine prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "commands/distfill/wizard/SavedParameters.h"
#include "qdists/DistBernoulli.h"
#include "qdists/DistTriangular.h"

namespace {

// A scratch parent key under HKEY_CURRENT_USER, deleted with its subkeys.
class SavedParameters : public testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, kPath);
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &parent, nullptr),
                  ERROR_SUCCESS);
        settings = CSettingsKey::UserKey(kPath);
    }
    void TearDown() override
    {
        settings = CSettingsKey();
        RegCloseKey(parent);
        RegDeleteTreeA(HKEY_CURRENT_USER, kPath);
    }

    void Write(const char* subkey, const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(parent, subkey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(key);
    }
    void WriteString(const char* subkey, const char* name, const std::string& text)
    {
        Write(subkey, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }

    std::string ReadString(const char* subkey, const char* name, DWORD& type)
    {
        char buffer[64] = {};
        DWORD size = sizeof buffer;
        EXPECT_EQ(RegGetValueA(parent, subkey, name, RRF_RT_ANY | RRF_NOEXPAND, &type, buffer, &size), ERROR_SUCCESS);
        return std::string(buffer, size);
    }

    static constexpr const char* kPath = "Software\\Vextor\\StochalTests";
    HKEY parent = nullptr;
    CSettingsKey settings; // the same key, as the wizard takes it
};

} // namespace

TEST_F(SavedParameters, SavedValuesAreSixDigitStringsNamedBySymbol)
{
    SaveParameters(settings, qdists::CDistTriangular(0.123456789, 5, 2));
    DWORD type = REG_NONE;
    EXPECT_EQ(ReadString("Triangular", "min", type), std::string("0.123457", 9)); // with its terminating zero
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(ReadString("Triangular", "peak", type), std::string("2", 2));

    qdists::CDistTriangular loaded(0, 1, 0.5);
    LoadParameters(settings, loaded);
    EXPECT_EQ(loaded.GetParameter(0), 0.123457);
    EXPECT_EQ(loaded.GetParameter(1), 5.0);
    EXPECT_EQ(loaded.GetParameter(2), 2.0);
}

TEST_F(SavedParameters, UnusableValuesAreSkippedAndTheCurrentOnesStay)
{
    const DWORD number = 7;
    WriteString("Triangular", "min", "abc");
    Write("Triangular", "max", REG_DWORD, &number, sizeof number);
    // No terminating zero. The byte after the counted ones must not be zero
    // either, or the system counts the zero in, taking it for forgotten.
    Write("Triangular", "peak", REG_SZ, "3x", 1);
    qdists::CDistTriangular triangular(0, 1, 0.5);
    LoadParameters(settings, triangular);
    EXPECT_EQ(triangular.GetParameter(0), 0.0);
    EXPECT_EQ(triangular.GetParameter(1), 1.0);
    EXPECT_EQ(triangular.GetParameter(2), 0.5);

    WriteString("Bernoulli", "p", "2"); // out of bounds
    qdists::CDistBernoulli bernoulli(0.5);
    LoadParameters(settings, bernoulli);
    EXPECT_EQ(bernoulli.GetParameter(0), 0.5);

    WriteString("Bernoulli", "p", "0.25" + std::string(200, ' ')); // longer than the buffer
    LoadParameters(settings, bernoulli);
    EXPECT_EQ(bernoulli.GetParameter(0), 0.5);

    Write("Bernoulli", "p", REG_EXPAND_SZ, "0.25", 5);
    LoadParameters(settings, bernoulli);
    EXPECT_EQ(bernoulli.GetParameter(0), 0.25);
}

TEST_F(SavedParameters, LoadingWithoutASubkeyKeepsEverything)
{
    qdists::CDistTriangular triangular(0, 1, 0.5);
    LoadParameters(settings, triangular);
    EXPECT_EQ(triangular.GetParameter(2), 0.5);
    // Cross-parameter rules are not applied on loading.
    SaveParameters(settings, qdists::CDistTriangular(5, 1, 0.5));
    LoadParameters(settings, triangular);
    EXPECT_EQ(triangular.GetParameter(0), 5.0);
    EXPECT_FALSE(triangular.IsValid());
}
