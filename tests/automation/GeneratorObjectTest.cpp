// The COM identity of Generator: class factory, interfaces, aggregation,
// class information, error-information support and the module lock.
#include <gtest/gtest.h>

#include <ocidl.h>

#include "tests/automation/StochalDll.h"

namespace {

const CStochalDll& Dll()
{
    return CStochalDll::Instance();
}

TEST(GeneratorObject, UnknownClassIsNotAvailable)
{
    void* factory = &factory;
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, Dll().GetClassObject(IID_IGenerator, IID_IClassFactory, &factory));
    EXPECT_EQ(nullptr, factory);
    EXPECT_EQ(E_POINTER, Dll().GetClassObject(CLSID_Generator, IID_IClassFactory, nullptr));
}

TEST(GeneratorObject, FactoryOffersOnlyItsInterfaces)
{
    void* out = &out;
    EXPECT_EQ(E_NOINTERFACE, Dll().GetClassObject(CLSID_Generator, IID_IDispatch, &out));
    EXPECT_EQ(nullptr, out);
    ComPtr<IUnknown> unknown;
    ASSERT_EQ(S_OK, Dll().GetClassObject(CLSID_Generator, IID_PPV_ARGS(&unknown)));
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(S_OK, unknown.As(&factory));
}

TEST(GeneratorObject, InterfacesShareOneIdentity)
{
    ComPtr<IGenerator> generator = Dll().CreateGenerator();
    ComPtr<IUnknown> identity;
    ASSERT_EQ(S_OK, generator.As(&identity));
    ComPtr<IDispatch> dispatch;
    ComPtr<IProvideClassInfo> classInfo;
    ComPtr<ISupportErrorInfo> errorInfo;
    ASSERT_EQ(S_OK, generator.As(&dispatch));
    ASSERT_EQ(S_OK, generator.As(&classInfo));
    ASSERT_EQ(S_OK, generator.As(&errorInfo));
    for (IUnknown* face : {static_cast<IUnknown*>(dispatch.Get()),
                           static_cast<IUnknown*>(classInfo.Get()),
                           static_cast<IUnknown*>(errorInfo.Get())}) {
        ComPtr<IUnknown> again;
        ASSERT_EQ(S_OK, face->QueryInterface(IID_PPV_ARGS(&again)));
        EXPECT_EQ(identity.Get(), again.Get());
    }
    EXPECT_EQ(static_cast<IUnknown*>(generator.Get()), static_cast<IUnknown*>(dispatch.Get()));
    ComPtr<IConnectionPointContainer> none;
    EXPECT_EQ(E_NOINTERFACE, generator.As(&none));
    EXPECT_EQ(nullptr, none.Get());
}

TEST(GeneratorObject, ErrorInfoIsSupportedForIGeneratorOnly)
{
    ComPtr<ISupportErrorInfo> errorInfo;
    ASSERT_EQ(S_OK, Dll().CreateGenerator().As(&errorInfo));
    EXPECT_EQ(S_OK, errorInfo->InterfaceSupportsErrorInfo(IID_IGenerator));
    EXPECT_EQ(S_FALSE, errorInfo->InterfaceSupportsErrorInfo(IID_IDispatch));
    EXPECT_EQ(S_FALSE, errorInfo->InterfaceSupportsErrorInfo(IID_IUnknown));
}

TEST(GeneratorObject, ClassInfoDescribesTheGeneratorCoclass)
{
    ComPtr<IProvideClassInfo> provider;
    ASSERT_EQ(S_OK, Dll().CreateGenerator().As(&provider));
    EXPECT_EQ(E_POINTER, provider->GetClassInfo(nullptr));
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(S_OK, provider->GetClassInfo(&info));
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(S_OK, info->GetTypeAttr(&attributes));
    EXPECT_EQ(TKIND_COCLASS, attributes->typekind);
    EXPECT_TRUE(IsEqualGUID(CLSID_Generator, attributes->guid));
    EXPECT_EQ(1, attributes->cImplTypes);
    info->ReleaseTypeAttr(attributes);
    const CDocumentation documentation = Documentation(info.Get(), MEMBERID_NIL);
    EXPECT_EQ(L"Generator", documentation.name);
    EXPECT_EQ(L"Generator Class", documentation.help);
    EXPECT_EQ(7703u, documentation.context);
}

// A minimal outer object: it owns the inner Generator's identity and hands
// out the inner interfaces, whose IUnknown calls must come back here.
class COuter : public IUnknown {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        ++queries;
        if (IsEqualGUID(iid, IID_IUnknown)) {
            *out = this;
            AddRef();
            return S_OK;
        }
        return inner->QueryInterface(iid, out);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override { return --references; }

    ComPtr<IUnknown> inner;
    ULONG references = 1;
    int queries = 0;
};

TEST(GeneratorObject, CanBeAggregated)
{
    ComPtr<IClassFactory> factory = Dll().Factory();
    COuter outer;
    void* refused = &refused;
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(&outer, IID_IGenerator, &refused));
    EXPECT_EQ(nullptr, refused);
    ASSERT_EQ(S_OK, factory->CreateInstance(&outer, IID_PPV_ARGS(&outer.inner)));
    IGenerator* generator = nullptr;
    ASSERT_EQ(S_OK, outer.inner->QueryInterface(IID_PPV_ARGS(&generator)));
    EXPECT_EQ(2u, outer.references); // the inner object counted on its controlling unknown
    IUnknown* identity = nullptr;
    ASSERT_EQ(S_OK, generator->QueryInterface(IID_PPV_ARGS(&identity)));
    EXPECT_EQ(static_cast<IUnknown*>(&outer), identity);
    EXPECT_EQ(1, outer.queries);
    identity->Release();
    double value = 0;
    EXPECT_EQ(S_OK, generator->Next(&value));
    generator->Release();
    EXPECT_EQ(1u, outer.references);
    outer.inner.Reset();
}

TEST(GeneratorObject, ModuleStaysLockedWhileAnythingLives)
{
    ASSERT_EQ(S_OK, Dll().CanUnloadNow());
    {
        ComPtr<IClassFactory> factory = Dll().Factory();
        EXPECT_EQ(S_FALSE, Dll().CanUnloadNow());
        ComPtr<IGenerator> generator;
        ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_PPV_ARGS(&generator)));
        ASSERT_EQ(S_OK, factory->LockServer(TRUE));
        factory.Reset();
        EXPECT_EQ(S_FALSE, Dll().CanUnloadNow());
        generator.Reset();
        EXPECT_EQ(S_FALSE, Dll().CanUnloadNow()); // still locked by LockServer
        ASSERT_EQ(S_OK, Dll().Factory()->LockServer(FALSE));
    }
    EXPECT_EQ(S_OK, Dll().CanUnloadNow());
}

} // namespace
