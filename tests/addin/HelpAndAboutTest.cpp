// The pieces of the add-in that need no Excel: the HTML Help loader and
// the version of the About box.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "addin/AboutDialog.h"
#include "win/ui/HtmlHelp.h"
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
// 14; looked for once, found or not.
TEST(HtmlHelpLoader, LoadsOnceFallingBackToHhctrlByNameAndTakesOrdinal14)
{
    const std::string system32 = "C:\\windows\\system32\\hhctrl.ocx";
    const struct {
        std::string registered;
        std::vector<std::string> loadable;
        bool exportPresent;
        bool found;
        Calls calls;
    } cases[] = {
        {system32, {system32}, true, true, {"registry", "load " + system32, "ordinal 14"}},
        {"", {"hhctrl.ocx"}, true, true, {"registry", "load hhctrl.ocx", "ordinal 14"}},
        {"D:\\gone\\hhctrl.ocx", {"hhctrl.ocx"}, true, true,
         {"registry", "load D:\\gone\\hhctrl.ocx", "load hhctrl.ocx", "ordinal 14"}},
        {"", {}, true, false, {"registry", "load hhctrl.ocx"}},
        {"", {"hhctrl.ocx"}, false, false, {"registry", "load hhctrl.ocx", "ordinal 14"}},
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
    const std::string directory(dllPath.begin(), dllPath.begin() + dllPath.find_last_of(L'\\') + 1);
    EXPECT_EQ(HelpTopicPath(dll, "index.htm"), directory + "StochalHelp.chm::/index.htm");
    FreeLibrary(dll);
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
