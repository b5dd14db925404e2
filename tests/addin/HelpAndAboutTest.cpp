// The pieces of the add-in that need no Excel: the HTML Help loader and
// the version of the About box.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "addin/AboutDialog.h"
#include "addin/HelpCommand.h"
#include "tests/automation/RegisteredServer.h"

namespace {

// A scripted system for the loader: what the registry names, which names
// load, and a log of every call.
struct CFakeSystem {
    static std::string registered;
    static std::vector<std::string> loadable;
    static bool exportPresent;
    static std::vector<std::string> calls;

    static std::string Registered()
    {
        calls.push_back("registry");
        return registered;
    }
    static HMODULE Load(const char* name)
    {
        calls.push_back(std::string("load ") + name);
        for (const std::string& candidate : loadable) {
            if (candidate == name)
                return reinterpret_cast<HMODULE>(0x1000);
        }
        return nullptr;
    }
    static FARPROC LookUp(HMODULE, WORD ordinal)
    {
        calls.push_back("ordinal " + std::to_string(ordinal));
        return exportPresent ? reinterpret_cast<FARPROC>(&CFakeSystem::Export) : nullptr;
    }
    static INT_PTR WINAPI Export() { return 0; }
    static CHelpLoaderSystem System() { return {&Registered, &Load, &LookUp}; }
    static void Reset(std::string path, std::vector<std::string> names, bool present)
    {
        registered = std::move(path);
        loadable = std::move(names);
        exportPresent = present;
        calls.clear();
    }
};
std::string CFakeSystem::registered;
std::vector<std::string> CFakeSystem::loadable;
bool CFakeSystem::exportPresent;
std::vector<std::string> CFakeSystem::calls;

using Calls = std::vector<std::string>;

// The library the registry names, else hhctrl.ocx by name, and its ordinal
// 15, HtmlHelpW; looked for once, found or not.
TEST(HtmlHelpLoader, LoadsOnceFallingBackToHhctrlByNameAndTakesOrdinal15)
{
    const std::string system32 = "C:\\windows\\system32\\hhctrl.ocx";
    const struct {
        std::string registered;
        std::vector<std::string> loadable;
        bool exportPresent;
        bool found;
        Calls calls;
    } cases[] = {
        {system32, {system32}, true, true, {"registry", "load " + system32, "ordinal 15"}},
        {"", {"hhctrl.ocx"}, true, true, {"registry", "load hhctrl.ocx", "ordinal 15"}},
        {"D:\\gone\\hhctrl.ocx", {"hhctrl.ocx"}, true, true,
         {"registry", "load D:\\gone\\hhctrl.ocx", "load hhctrl.ocx", "ordinal 15"}},
        {"", {}, true, false, {"registry", "load hhctrl.ocx"}},
        {"", {"hhctrl.ocx"}, false, false, {"registry", "load hhctrl.ocx", "ordinal 15"}},
    };
    for (const auto& c : cases) {
        CFakeSystem::Reset(c.registered, c.loadable, c.exportPresent);
        CHtmlHelpLoader loader(CFakeSystem::System());
        EXPECT_EQ(loader.Get() != nullptr, c.found) << c.registered;
        EXPECT_EQ(loader.Get() != nullptr, c.found) << c.registered;
        EXPECT_EQ(CFakeSystem::calls, c.calls) << c.registered;
    }
}

TEST(HtmlHelpLoader, TheRealSystemFindsWinesHtmlHelp)
{
    CHtmlHelpLoader loader(WindowsHelpLoader());
    EXPECT_NE(loader.Get(), nullptr);
}

TEST(HelpTopic, IsTheChmBesideTheModuleWithTheIndexTopic)
{
    HMODULE dll = LoadLibraryW(CRegisteredServer::DllPath().c_str());
    ASSERT_NE(dll, nullptr);
    const std::wstring dllPath = CRegisteredServer::DllPath();
    EXPECT_EQ(HelpTopicPath(dll), dllPath.substr(0, dllPath.find_last_of(L'\\') + 1) + L"StochalHelp.chm::/index.htm");
    FreeLibrary(dll);
}

// A user's folder may be named in letters the ANSI code page lacks
// (Greek under Windows-1252); the path must reach HTML Help whole.
TEST(HelpTopic, KeepsAFolderNameOutsideTheAnsiCodePage)
{
    const std::wstring folderName = L"\x0394\x03B7\x03BC\x03AE\x03C4\x03C1\x03B7\x03C2";
    BOOL lossy = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, folderName.c_str(), -1, nullptr, 0, nullptr, &lossy);
    if (!lossy)
        GTEST_SKIP() << "the ANSI code page holds these letters";
    wchar_t temp[MAX_PATH];
    ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
    const std::wstring folder = std::wstring(temp) + folderName + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring copy = folder + L"Stochal.dll";
    ASSERT_TRUE(CopyFileW(CRegisteredServer::DllPath().c_str(), copy.c_str(), FALSE));
    HMODULE dll = LoadLibraryW(copy.c_str());
    ASSERT_NE(dll, nullptr);
    EXPECT_EQ(HelpTopicPath(dll), folder + L"StochalHelp.chm::/index.htm");
    FreeLibrary(dll);
    DeleteFileW(copy.c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST(AboutVersion, ComesFromTheProductVersionOfTheResource)
{
    HMODULE dll = LoadLibraryW(CRegisteredServer::DllPath().c_str());
    ASSERT_NE(dll, nullptr);
    EXPECT_EQ(ProductVersionText(dll), L"1.0.0.0");
    FreeLibrary(dll);
    // This test program has no version resource.
    EXPECT_EQ(ProductVersionText(GetModuleHandleW(nullptr)), L"");
}

} // namespace
