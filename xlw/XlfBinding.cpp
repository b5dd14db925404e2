#include "xlw/XlfBinding.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>

#include "xlw/XlfText.h"

namespace {
// In UTF-8, so that a folder name outside the code page survives.
std::string ModuleFileName(void* module)
{
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameW(static_cast<HMODULE>(module), path, MAX_PATH);
    // A full buffer means the name was cut short (and may lack its zero).
    if (length == 0 || length >= MAX_PATH) {
        return std::string();
    }
    return Utf16ToUtf8(std::u16string(reinterpret_cast<const char16_t*>(path), length));
}

template <class Proc>
Proc LookUp(HMODULE library, const char* name, const char* failure)
{
    FARPROC address = GetProcAddress(library, name);
    if (address == nullptr) {
        throw std::runtime_error(failure);
    }
    return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(address));
}
template <class Proc>
Proc Optional(HMODULE module, const char* name)
{
    FARPROC address = GetProcAddress(module, name);
    return address == nullptr ? nullptr : reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(address));
}
} // namespace

XlfBinding BindToExcel()
{
    HMODULE library = LoadLibraryA("XLCALL32.DLL");
    if (library == nullptr) {
        throw std::runtime_error("Could not load library XLCALL32.DLL");
    }
    // The library stays loaded for the life of the process.
    XlfBinding binding;
    binding.excel4 = LookUp<Excel4Proc>(library, "Excel4", "Could not get address of Excel4 callback");
    binding.excel4v = LookUp<Excel4vProc>(library, "Excel4v", "Could not get address of Excel4v callback");
    binding.excel12v = Optional<Excel12vProc>(GetModuleHandleA(nullptr), "MdCallBack12");
    binding.xlCallVer = Optional<XlCallVerProc>(library, "XLCallVer");
    binding.moduleFileName = &ModuleFileName;
    return binding;
}

void* CurrentModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&CurrentModule), &module);
    return module;
}

#else

XlfBinding BindToExcel()
{
    throw std::runtime_error("Could not load library XLCALL32.DLL");
}

void* CurrentModule()
{
    return nullptr;
}

#endif

namespace {
XlfBinder g_binder = &BindToExcel;
}

void SetXlfBinder(XlfBinder binder)
{
    g_binder = binder;
}

XlfBinder CurrentXlfBinder()
{
    return g_binder;
}
