#include "tests/automation/StochalDll.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Every test thread is a single-threaded apartment, as Excel's is.
class CApartment : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_HRESULT_SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)); }
    void TearDown() override { CoUninitialize(); }
};

const auto* const g_apartment = ::testing::AddGlobalTestEnvironment(new CApartment);

template <class Function>
Function Export(HMODULE module, const char* name)
{
    FARPROC address = GetProcAddress(module, name);
    if (!address)
        throw std::runtime_error(std::string("missing export ") + name);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

} // namespace

CStochalDll& CStochalDll::Instance()
{
    static CStochalDll dll;
    return dll;
}

CStochalDll::CStochalDll() : m_module(LoadLibraryA(STOCHAL_DLL_PATH))
{
    if (!m_module)
        throw std::runtime_error("cannot load " STOCHAL_DLL_PATH);
    m_getClassObject = Export<decltype(m_getClassObject)>(m_module, "DllGetClassObject");
    m_canUnloadNow = Export<decltype(m_canUnloadNow)>(m_module, "DllCanUnloadNow");
}

HRESULT CStochalDll::GetClassObject(REFCLSID classId, REFIID iid, void** out) const
{
    return m_getClassObject(classId, iid, out);
}

HRESULT CStochalDll::CanUnloadNow() const
{
    return m_canUnloadNow();
}

ComPtr<IClassFactory> CStochalDll::Factory() const
{
    ComPtr<IClassFactory> factory;
    EXPECT_HRESULT_SUCCEEDED(GetClassObject(CLSID_Generator, IID_PPV_ARGS(&factory)));
    return factory;
}

ComPtr<IGenerator> CStochalDll::CreateGenerator() const
{
    ComPtr<IGenerator> generator;
    EXPECT_HRESULT_SUCCEEDED(Factory()->CreateInstance(nullptr, IID_PPV_ARGS(&generator)));
    return generator;
}

CVariant::CVariant(const wchar_t* text) : CVariant()
{
    V_VT(&m_value) = VT_BSTR;
    V_BSTR(&m_value) = SysAllocString(text);
}

CVariant::CVariant(Missing) : CVariant()
{
    V_VT(&m_value) = VT_ERROR;
    V_ERROR(&m_value) = DISP_E_PARAMNOTFOUND;
}

CDocumentation Documentation(ITypeInfo* info, MEMBERID member)
{
    BSTR name = nullptr;
    BSTR help = nullptr;
    CDocumentation documentation;
    EXPECT_EQ(S_OK, info->GetDocumentation(member, &name, &help, &documentation.context, nullptr));
    documentation.name = name ? name : L"";
    documentation.help = help ? help : L"";
    SysFreeString(name);
    SysFreeString(help);
    return documentation;
}
