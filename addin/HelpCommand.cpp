#include "addin/HelpCommand.h"

#include "win/com/InprocServer.h"
#include "win/ui/ModalDialog.h"

namespace {

constexpr WORD kHtmlHelpWOrdinal = 15;
constexpr UINT kDisplayTopic = 0; // HH_DISPLAY_TOPIC

// The HTML Help control's class, whose server exports HtmlHelpW.
std::string RegisteredHtmlHelpLibrary()
{
    return RegisteredInprocServer("{ADB880A6-D8FF-11CF-9377-00AA003B7A11}");
}

HMODULE LoadNamed(const char* name)
{
    return LoadLibraryA(name);
}

FARPROC LookUpOrdinal(HMODULE module, WORD ordinal)
{
    return GetProcAddress(module, MAKEINTRESOURCEA(ordinal));
}

} // namespace

CHelpLoaderSystem WindowsHelpLoader()
{
    return {&RegisteredHtmlHelpLibrary, &LoadNamed, &LookUpOrdinal};
}

CHtmlHelpLoader::CHtmlHelpLoader(const CHelpLoaderSystem& system) : m_system(system) {}

HtmlHelpProc CHtmlHelpLoader::Get()
{
    if (m_tried)
        return m_proc;
    m_tried = true;
    const std::string registered = m_system.registeredLibrary();
    HMODULE library = registered.empty() ? nullptr : m_system.load(registered.c_str());
    if (!library)
        library = m_system.load("hhctrl.ocx");
    if (library) {
        FARPROC address = m_system.lookUp(library, kHtmlHelpWOrdinal);
        m_proc = reinterpret_cast<HtmlHelpProc>(reinterpret_cast<void (*)()>(address));
    }
    return m_proc;
}

std::wstring HelpTopicPath(HMODULE module)
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    std::wstring directory(path, length < MAX_PATH ? length : 0);
    directory.erase(directory.find_last_of(L'\\') + 1);
    return directory + L"StochalHelp.chm::/index.htm";
}

void ShowHelpIndex()
{
    static CHtmlHelpLoader loader(WindowsHelpLoader());
    if (HtmlHelpProc htmlHelp = loader.Get())
        htmlHelp(GetDesktopWindow(), HelpTopicPath(ResourceModule()).c_str(), kDisplayTopic, 0);
}
