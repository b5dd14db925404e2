#include "win/com/StochalModule.h"

CStochalModule g_module;

CStochalModule::CStochalModule()
{
    m_failed = !InitializeCriticalSectionAndSpinCount(&m_section, 0);
}

CStochalModule::~CStochalModule()
{
    if (!m_failed)
        DeleteCriticalSection(&m_section);
}

void CStochalModule::Detach()
{
    m_typeLib.Reset();
}

std::wstring CStochalModule::ModulePath() const
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(m_instance, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        // Truncated: try again with room for a longer path.
        path.resize(path.size() * 2);
    }
}

HRESULT CStochalModule::LoadTypeLibrary()
{
    if (m_typeLib)
        return S_OK;
    const std::wstring path = ModulePath();
    if (path.empty())
        return HRESULT_FROM_WIN32(GetLastError());
    // The library is resource TYPELIB 1 of this DLL; loading registers nothing.
    return LoadTypeLibEx(path.c_str(), REGKIND_NONE, m_typeLib.Out());
}

HRESULT CStochalModule::GetTypeInfo(REFGUID guid, ITypeInfo** info)
{
    *info = nullptr;
    EnterCriticalSection(&m_section);
    HRESULT hr = LoadTypeLibrary();
    if (SUCCEEDED(hr))
        hr = m_typeLib->GetTypeInfoOfGuid(guid, info);
    LeaveCriticalSection(&m_section);
    return hr;
}
