#include "WizardDriver.h"

#include <prsht.h>

#include <fstream>
#include <functional>
#include <thread>
#include <vector>

namespace {
constexpr int kPollMs = 20;
constexpr int kWaitMs = 2000;

struct ThreadWindow {
    DWORD thread;
    HWND except;
    HWND found;
};

BOOL CALLBACK FindDialogOfThread(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<ThreadWindow*>(lParam);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (window != search->except && IsWindowVisible(window) &&
        GetWindowThreadProcessId(window, nullptr) == search->thread && std::wstring(className) == L"#32770") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindChildOfClass(HWND parent, const wchar_t* wanted)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[64] = {};
        GetClassNameW(child, className, 64);
        if (std::wstring(className) == wanted)
            return child;
    }
    return nullptr;
}

BOOL CALLBACK CollectStaticText(HWND window, LPARAM lParam)
{
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (_wcsicmp(className, L"Static") == 0) {
        wchar_t text[512] = {};
        GetWindowTextW(window, text, 512);
        if (text[0])
            *reinterpret_cast<std::wstring*>(lParam) += text;
    }
    return TRUE;
}
} // namespace

INT_PTR CWizardDriver::Run(CWtlDistChooserWizard& wizard, const CSettingsKey& key, const Script& script)
{
    wizard.Load(key);
    CWizardDriver driver(wizard, GetCurrentThreadId());
    std::thread user([&driver, &script] {
        ThreadWindow search{driver.m_thread, nullptr, nullptr};
        driver.WaitFor([&search] {
            EnumWindows(&FindDialogOfThread, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        });
        driver.m_sheet = search.found;
        if (driver.m_sheet) {
            driver.Settle();
            script(driver);
            // Whatever the script left open ends here.
            if (IsWindow(driver.m_sheet))
                driver.Cancel();
        }
    });
    const INT_PTR result = wizard.DoModal(nullptr);
    user.join();
    return result;
}

void CWizardDriver::Settle() const
{
    for (int i = 0; i < 3; ++i) {
        Sleep(kPollMs);
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(m_sheet, WM_NULL, 0, 0, SMTO_BLOCK, kWaitMs, &ignored);
    }
}

bool CWizardDriver::WaitFor(const std::function<bool()>& condition) const
{
    for (int waited = 0; waited < kWaitMs; waited += kPollMs) {
        if (condition())
            return true;
        Sleep(kPollMs);
    }
    return condition();
}

HWND CWizardDriver::Page() const
{
    return reinterpret_cast<HWND>(SendMessageW(m_sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

std::wstring CWizardDriver::Caption() const
{
    return TextOf(m_sheet);
}

bool CWizardDriver::ButtonEnabled(int sheetButtonId) const
{
    HWND button = GetDlgItem(m_sheet, sheetButtonId);
    return button && IsWindowVisible(button) && IsWindowEnabled(button);
}

void CWizardDriver::Press(int psbtn) const
{
    PostMessageW(m_sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(psbtn), 0);
    Settle();
}

void CWizardDriver::Cancel() const
{
    PostMessageW(m_sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

HWND CWizardDriver::Grid() const
{
    return FindChildOfClass(Page(), L"Stochal.DistGrid");
}

void CWizardDriver::ClickGrid(int x, int y) const
{
    SendMessageW(Grid(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(Grid(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Settle();
}

void CWizardDriver::DoubleClickGrid(int x, int y) const
{
    ClickGrid(x, y);
    SendMessageW(Grid(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(Grid(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Settle();
}

void CWizardDriver::Key(WPARAM key) const
{
    SendMessageW(Grid(), WM_KEYDOWN, key, 0);
    Settle();
}

void CWizardDriver::PostKey(WPARAM key, bool alt) const
{
    constexpr LPARAM kAltDown = LPARAM{1} << 29; // WM_SYSKEYDOWN: the context code
    const HWND focus = Focus();
    PostMessageW(focus, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, alt ? kAltDown | 1 : 1);
    if (alt)
        PostMessageW(focus, WM_SYSCHAR, key | 0x20, kAltDown | 1);
    Settle();
}

void CWizardDriver::Type(HWND edit, const std::wstring& text) const
{
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_CLEAR, 0, 0);
    for (wchar_t c : text)
        SendMessageW(edit, WM_CHAR, c, 0);
    Settle();
}

std::wstring CWizardDriver::TextOf(HWND window) const
{
    wchar_t text[1024] = {};
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

HWND CWizardDriver::ParameterField(int row) const
{
    HWND list = FindChildOfClass(Page(), L"Stochal.ParamList");
    return list ? GetDlgItem(list, 777 + row) : nullptr;
}

std::wstring CWizardDriver::MessageLine() const
{
    // The line of 488 x 20 pixels at the page's left edge, wholly in view.
    RECT page;
    GetClientRect(Page(), &page);
    for (HWND child = GetWindow(Page(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, Page(), reinterpret_cast<POINT*>(&rect), 2);
        if (rect.left == 0 && rect.right == 488 && rect.bottom - rect.top == 20 && rect.bottom <= page.bottom)
            return TextOf(child);
    }
    return L"<no message line>";
}

// What a click on an automatic radio button does: it alone is checked, and
// the page hears of the click.
void CWizardDriver::ClickRadio(int id) const
{
    for (int other = 1000; other <= 1004; ++other)
        SendMessageW(Item(other), BM_SETCHECK, other == id ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(Page(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
    Settle();
}

HWND CWizardDriver::WaitForDialog() const
{
    ThreadWindow search{m_thread, m_sheet, nullptr};
    WaitFor([&search] {
        EnumWindows(&FindDialogOfThread, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    return search.found;
}

std::wstring CWizardDriver::DismissMessageBox() const
{
    ThreadWindow search{m_thread, m_sheet, WaitForDialog()};
    if (!search.found)
        return L"";
    std::wstring text;
    EnumChildWindows(search.found, &CollectStaticText, reinterpret_cast<LPARAM>(&text));
    PostMessageW(search.found, WM_COMMAND, IDOK, 0);
    WaitFor([&search] { return !IsWindow(search.found); });
    Settle();
    return text;
}

HWND CWizardDriver::Focus() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(m_thread, &info);
    return info.hwndFocus;
}

bool CWizardDriver::WholeTextSelected(HWND edit) const
{
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start == 0 && end == static_cast<DWORD>(GetWindowTextLengthW(edit));
}

void CWizardDriver::Capture(const std::function<void(const BITMAPINFOHEADER&, const unsigned char*)>& use) const
{
    Settle();
    RECT rect;
    GetWindowRect(m_sheet, &rect);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = rect.right - rect.left;
    info.bmiHeader.biHeight = rect.bottom - rect.top;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, info.bmiHeader.biWidth, info.bmiHeader.biHeight, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    use(info.bmiHeader, static_cast<const unsigned char*>(bits));
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

namespace {
// Bottom-up rows of blue, green, red triples, each padded to four bytes.
DWORD RowBytes(const BITMAPINFOHEADER& header)
{
    return (static_cast<DWORD>(header.biWidth) * 3 + 3) & ~3u;
}
} // namespace

void CWizardDriver::Shot(const std::string& name) const
{
    Capture([&](const BITMAPINFOHEADER& header, const unsigned char* bits) {
        const DWORD size = RowBytes(header) * static_cast<DWORD>(header.biHeight);
        BITMAPFILEHEADER file{};
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof file + sizeof header;
        file.bfSize = file.bfOffBits + size;
        std::ofstream out(std::string(STOCHAL_SHOT_DIR) + "/" + name + ".bmp", std::ios::binary);
        out.write(reinterpret_cast<const char*>(&file), sizeof file);
        out.write(reinterpret_cast<const char*>(&header), sizeof header);
        out.write(reinterpret_cast<const char*>(bits), static_cast<std::streamsize>(size));
    });
}

long CWizardDriver::RedPixels() const
{
    long red = 0;
    Capture([&](const BITMAPINFOHEADER& header, const unsigned char* bits) {
        for (LONG y = 0; y < header.biHeight; ++y) {
            const unsigned char* row = bits + RowBytes(header) * static_cast<DWORD>(y);
            for (LONG x = 0; x < header.biWidth; ++x)
                red += row[3 * x] == 0 && row[3 * x + 1] == 0 && row[3 * x + 2] == 255 ? 1 : 0;
        }
    });
    return red;
}
