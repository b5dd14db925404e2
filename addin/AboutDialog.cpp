#include "addin/AboutDialog.h"

#include <cwchar>
#include <vector>

#include "resources/ResourceIds.h"

CAboutDialog::CAboutDialog() : CModalDialog(IDD_ABOUT, L"about.htm") {}

bool CAboutDialog::OnInit()
{
    SetItemText(IDC_ABOUT_VERSION, ProductVersionText(ResourceModule()));
    // Without it the control still shows the picture, stretched.
    m_picture.Show(Item(IDC_ABOUT_PICTURE), ResourceModule(), IDB_ABOUT);
    return true;
}

std::wstring ProductVersionText(HMODULE module)
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::wstring();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    if (size == 0)
        return std::wstring();
    std::vector<BYTE> block(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoSize = 0;
    if (!GetFileVersionInfoW(path, 0, size, block.data())
        || !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &infoSize) || !info
        || infoSize < sizeof(VS_FIXEDFILEINFO))
        return std::wstring();
    wchar_t text[64];
    std::swprintf(text, 64, L"%d.%d.%d.%d", HIWORD(info->dwProductVersionMS), LOWORD(info->dwProductVersionMS),
                  HIWORD(info->dwProductVersionLS), LOWORD(info->dwProductVersionLS));
    return text;
}
