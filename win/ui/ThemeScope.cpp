#include "win/ui/ThemeScope.h"

#include "win/ui/ModalDialog.h"

namespace {
// The manifest a DLL keeps for its own activation context
// (ISOLATIONAWARE_MANIFEST_RESOURCE_ID).
constexpr WORD kManifestId = 2;

// Made once a process from the manifest of the module that holds the
// dialogs; INVALID_HANDLE_VALUE when there is none.
HANDLE ThemeContext()
{
    static const HANDLE context = [] {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(ResourceModule(), path, MAX_PATH);
        ACTCTXW description{};
        description.cbSize = sizeof description;
        description.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        description.hModule = ResourceModule();
        description.lpSource = path;
        description.lpResourceName = MAKEINTRESOURCEW(kManifestId);
        return CreateActCtxW(&description);
    }();
    return context;
}
} // namespace

CThemeScope::CThemeScope()
{
    const HANDLE context = ThemeContext();
    m_active = context != INVALID_HANDLE_VALUE && ActivateActCtx(context, &m_cookie);
}

CThemeScope::~CThemeScope()
{
    if (m_active)
        DeactivateActCtx(0, m_cookie);
}
