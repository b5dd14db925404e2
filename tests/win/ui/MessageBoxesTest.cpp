// The text of the message box for an Excel error.
#include <gtest/gtest.h>

#include <windows.h>

#include "win/ui/MessageBoxes.h"

TEST(ComErrorText, FormatsPrefixCodeAndDescription)
{
    EXPECT_EQ(ComErrorText(L"Unexpected error. ", CComError(0x800A03EC, L"Select a range.")),
              L"Unexpected error.  Error 800A03EC (Select a range.).");
    EXPECT_EQ(ComErrorText(L"Unexpected error. ", CComError(E_POINTER, L"")),
              L"Unexpected error.  Error 80004003 (Unknown error).");
}
