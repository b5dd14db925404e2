#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "commands/distfill/GenerateProgressDialog.h"
#include "resources/ResourceIds.h"

namespace {

HWND FindProgressWindow()
{
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"#32770", L"Generating...")) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId())
            return window;
    }
    return nullptr;
}

std::wstring ItemText(HWND dialog, int id)
{
    wchar_t text[256] = {};
    GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

// The bar's position.
int BarPosition(HWND dialog)
{
    return static_cast<int>(SendDlgItemMessageW(dialog, IDC_GENERATING_BAR, PBM_GETPOS, 0, 0));
}

// Saves what the screen shows of a window as a 24-bit BMP, to look at.
void SaveShot(HWND window, const std::string& path)
{
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<size_t>(stride) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof header + pixels.size()), 0, 0,
                          sizeof(BITMAPFILEHEADER) + sizeof header};
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&header, sizeof header, 1, out);
        std::fwrite(pixels.data(), 1, pixels.size(), out);
        std::fclose(out);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST(ProgressDialog, ShowsTheTemplateOnItsOwnThreadAndAborts)
{
    CGenerateProgressDialog dialog;
    dialog.SetTotal(5000);
    ASSERT_TRUE(dialog.Start());
    HWND window = FindProgressWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window)) << "visible when Start returns";
    EXPECT_NE(GetWindowThreadProcessId(window, nullptr), GetCurrentThreadId());
    EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU, 0) << "no close box";
    EXPECT_EQ(ItemText(window, IDC_GENERATING_ABORT), L"Abort");
    EXPECT_EQ(SendDlgItemMessageW(window, IDC_GENERATING_BAR, PBM_GETRANGE, FALSE, 0), 5000);

    dialog.Update(1200);
    EXPECT_EQ(BarPosition(window), 1200);
    dialog.Update(2400);
    EXPECT_EQ(BarPosition(window), 1200) << "redrawn at most every 500 ms";
    Sleep(550);
    dialog.Update(2400);
    EXPECT_EQ(BarPosition(window), 2400);
    SaveShot(window, STOCHAL_SHOT_DIR "/progress.bmp");

    EXPECT_FALSE(dialog.IsAborted());
    SendMessageW(GetDlgItem(window, IDC_GENERATING_ABORT), BM_CLICK, 0, 0);
    EXPECT_TRUE(dialog.IsAborted());
    EXPECT_TRUE(IsWindow(window)) << "the window stays until stopped";
    dialog.Stop();
    EXPECT_FALSE(IsWindow(window));
}

TEST(ProgressDialog, DestroyingTheObjectEndsItsThreadFirst)
{
    HWND window = nullptr;
    {
        CGenerateProgressDialog dialog;
        dialog.SetTotal(0);
        ASSERT_TRUE(dialog.Start());
        window = FindProgressWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(SendDlgItemMessageW(window, IDC_GENERATING_BAR, PBM_GETRANGE, FALSE, 0), 100);
        dialog.Update(250);
        EXPECT_EQ(BarPosition(window), 50) << "the count modulo 100 without a total";
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(FindProgressWindow(), nullptr);
}

} // namespace
