// Text built in the clipboard's wide block: both forms as Windows converts
// them, and a block the process cannot give refused before the clipboard
// loses what it holds.
#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <new>
#include <string>

#include "tests/support/ClipboardBytes.h"
#include "win/ui/Clipboard.h"

// This program's import slot for GlobalAlloc, through which the clipboard
// code linked into it calls.
extern "C" HGLOBAL(WINAPI* __imp_GlobalAlloc)(UINT, SIZE_T);

namespace {

// While it lives, the program's GlobalAlloc calls fail as GlobalAlloc does
// when the process has not the memory (its documentation: "If the function
// fails, the return value is NULL").
class CGlobalAllocFailure {
public:
    CGlobalAllocFailure() : m_real(__imp_GlobalAlloc) { Install(&Failing); }
    ~CGlobalAllocFailure() { Install(m_real); }
    CGlobalAllocFailure(const CGlobalAllocFailure&) = delete;
    CGlobalAllocFailure& operator=(const CGlobalAllocFailure&) = delete;

private:
    using Allocate = HGLOBAL(WINAPI*)(UINT, SIZE_T);

    static HGLOBAL WINAPI Failing(UINT, SIZE_T)
    {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    static void Install(Allocate allocate)
    {
        DWORD protection = 0;
        VirtualProtect(&__imp_GlobalAlloc, sizeof allocate, PAGE_READWRITE, &protection);
        __imp_GlobalAlloc = allocate;
        VirtualProtect(&__imp_GlobalAlloc, sizeof allocate, protection, &protection);
    }

    Allocate m_real;
};

class ClipboardWideText : public testing::Test {
protected:
    void SetUp() override
    {
        m_owner = CreateWindowW(L"STATIC", L"owner", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_owner, nullptr);
    }
    void TearDown() override { DestroyWindow(m_owner); }

    void Put(const std::wstring& characters)
    {
        CClipboardWideText text(characters.size());
        text.Append(characters.data(), characters.size());
        CClipboard(m_owner).SetText(text);
    }

    HWND m_owner = nullptr;
};

// CF_TEXT in the ANSI code page: Windows-1252's table (unicode.org,
// MAPPINGS/VENDORS/MICSFT/WINDOWS/CP1252.TXT) puts the euro sign at 0x80
// and e acute at 0xE9, and has no CJK character, which becomes '?'.
TEST_F(ClipboardWideText, BothFormsInTheirBlocks)
{
    if (GetACP() != 1252)
        GTEST_SKIP() << "the expected bytes are Windows-1252's";
    const std::wstring text = L"a\t\x20ac\x00e9\n\x6f22\n";
    Put(text);
    EXPECT_EQ(ClipboardBytes(CF_TEXT), std::string("a\t\x80\xe9\n?\n", 7) + '\0');
    const std::string wide = ClipboardBytes(CF_UNICODETEXT);
    ASSERT_EQ(wide.size(), (text.size() + 1) * sizeof(wchar_t));
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(wide.data()), text.size() + 1), text + L'\0');
}

TEST_F(ClipboardWideText, BlockTheProcessCannotGiveIsRefused)
{
    Put(L"before\n");
    const std::string before = ClipboardBytes(CF_TEXT);
    {
        const CGlobalAllocFailure failure;
        EXPECT_THROW(CClipboardWideText(8), std::bad_alloc) << "the wide block";
    }
    EXPECT_THROW(CClipboardWideText(INT_MAX), std::bad_alloc) << "more than the conversion counts";
    CClipboardWideText text(6);
    text.Append(L"after\n", 6);
    {
        const CGlobalAllocFailure failure;
        CClipboard clipboard(m_owner);
        EXPECT_THROW(clipboard.SetText(text), std::bad_alloc) << "the CF_TEXT block";
    }
    EXPECT_EQ(ClipboardBytes(CF_TEXT), before);
    EXPECT_EQ(ClipboardBytes(CF_UNICODETEXT).substr(0, 2), std::string("b\0", 2));
}

} // namespace
