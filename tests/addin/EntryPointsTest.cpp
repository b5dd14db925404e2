// Every kind of entry point that Excel, Office or a macro calls, linked
// into this program and made to meet every kind of exception through the
// guard's probe: none may leave, and each answers as its caller expects.
#include <gtest/gtest.h>

#include <windows.h>
#include <oaidl.h>
#include <olectl.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "addin/AddIn.h"
#include "addin/ButtonSink.h"
#include "automation/Generator.h"
#include "engine/InternalGenerator.h"
#include "tests/xlhost/TestBinding.h"
#include "tests/xlhost/TestExcel.h"
#include "win/EntryGuard.h"
#include "win/com/ComError.h"
#include "win/com/OfficeInterfaces.h"
#include "win/ui/Errors.h"
#include "worksheet/EntryPoints.h"
#include "xlw/XlfException.h"
#include "xlw/XlfExcel.h"

namespace {

enum class Kind { OutOfMemory, TooLong, OwnError, ExcelError, ParameterError, BridgeError, Unknown };
const Kind kKinds[] = {Kind::OutOfMemory, Kind::TooLong,     Kind::OwnError, Kind::ExcelError,
                       Kind::ParameterError, Kind::BridgeError, Kind::Unknown};
const char* const kKindNames[] = {"std::bad_alloc", "std::length_error", "COSError", "CComError",
                                  "argument_error", "XlfException", "an unknown type"};

struct Unknown {};

void Throw(Kind kind)
{
    switch (kind) {
    case Kind::OutOfMemory:
        throw std::bad_alloc();
    case Kind::TooLong:
        throw std::length_error("vector::_M_default_append");
    case Kind::OwnError:
        throw COSError(L"The file could not be written.", ERROR_ACCESS_DENIED);
    case Kind::ExcelError:
        throw CComError(0x800A03EC, L"Select a range.");
    case Kind::ParameterError:
        throw CInternalGenerator::argument_error("p has to lie in [0, 1].");
    case Kind::BridgeError:
        throw XlfExceptionUncalculated();
    case Kind::Unknown:
        throw Unknown();
    }
}

// The probe throws kind in the guarded body entered at'th (counting from
// 1) during the call.
struct Injection {
    Kind kind;
    int at;
    int entered;
} g_injection;

void Probe()
{
    if (++g_injection.entered == g_injection.at)
        Throw(g_injection.kind);
}

template <class Call>
auto Injected(Kind kind, int at, Call call) -> decltype(call())
{
    g_injection = {kind, at, 0};
    g_guardedBodyProbe = &Probe;
    struct Off {
        ~Off() { g_guardedBodyProbe = nullptr; }
    } off;
    return call();
}

// Texts of the message boxes this process shows while call runs, each
// closed with OK.
template <class Call>
std::vector<std::wstring> MessagesDuring(Call call)
{
    std::vector<std::wstring> texts;
    std::atomic<bool> done{false};
    std::thread closer([&] {
        while (!done) {
            HWND box = nullptr;
            EnumWindows(
                [](HWND window, LPARAM found) -> BOOL {
                    DWORD process = 0;
                    GetWindowThreadProcessId(window, &process);
                    wchar_t name[16] = {};
                    GetClassNameW(window, name, 16);
                    if (process == GetCurrentProcessId() && IsWindowVisible(window) && lstrcmpW(name, L"#32770") == 0) {
                        *reinterpret_cast<HWND*>(found) = window;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&box));
            if (box) {
                wchar_t text[512] = {};
                GetDlgItemTextW(box, 0xFFFF, text, 512);
                texts.push_back(text);
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                while (IsWindow(box))
                    Sleep(5);
            }
            Sleep(20);
        }
    });
    call();
    done = true;
    closer.join();
    return texts;
}

// A command bar button or ribbon control as Office hands it over: Tag and
// Id, both "StochalHelp".
class CFakeControl : public IDispatch {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        *out = (iid == IID_IUnknown || iid == IID_IDispatch) ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override
    {
        *ids = (lstrcmpiW(names[0], L"Tag") == 0 || lstrcmpiW(names[0], L"Id") == 0) ? 1 : DISPID_UNKNOWN;
        return *ids == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override
    {
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = SysAllocString(L"StochalHelp");
        return S_OK;
    }
};

// Excel's Application as far as a command's last words need it: the puts
// of Cursor and ScreenUpdating are written down; every other member is
// unknown, so connecting fails after taking the Application.
class CFakeApplication : public CFakeControl {
public:
    std::vector<std::string> puts;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        *out = (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_ExcelApplication) ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override
    {
        *ids = lstrcmpiW(names[0], L"Cursor") == 0 ? 1 : lstrcmpiW(names[0], L"ScreenUpdating") == 0 ? 2 : DISPID_UNKNOWN;
        return *ids == DISPID_UNKNOWN ? DISP_E_UNKNOWNNAME : S_OK;
    }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override
    {
        if (!(flags & DISPATCH_PROPERTYPUT) || params->cArgs != 1)
            return DISP_E_MEMBERNOTFOUND;
        VARIANT value;
        VariantInit(&value);
        VariantChangeType(&value, &params->rgvarg[0], 0, VT_I4);
        puts.push_back((member == 1 ? "Cursor=" : "ScreenUpdating=") + std::to_string(V_I4(&value)));
        return S_OK;
    }
};

HRESULT Click(IDispatch* sink, IDispatch* control)
{
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANT arguments[2];
    arguments[1].vt = VT_DISPATCH;
    arguments[1].pdispVal = control;
    arguments[0].vt = VT_BYREF | VT_BOOL;
    arguments[0].pboolVal = &cancel;
    DISPPARAMS params{arguments, nullptr, 2, 0};
    return sink->Invoke(kDispidClick, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr,
                        nullptr);
}

template <class T, class Interface>
Interface* Create(REFIID iid)
{
    Interface* object = nullptr;
    EXPECT_EQ(CreateComInstance<T>(nullptr, iid, reinterpret_cast<void**>(&object)), S_OK);
    return object;
}

// What a COM method answers: the carried code of Excel's error,
// E_OUTOFMEMORY for std::bad_alloc, E_FAIL for the rest.
HRESULT ComAnswer(Kind kind)
{
    return kind == Kind::OutOfMemory ? E_OUTOFMEMORY : kind == Kind::ExcelError ? 0x800A03EC : E_FAIL;
}

class EntryPoints : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CoInitialize(nullptr); }
    static void TearDownTestSuite() { CoUninitialize(); }
};

TEST_F(EntryPoints, ComMethodsAnswerTheFailuresHResult)
{
    CFakeControl control;
    IAddIn* addIn = Create<CAddIn, IAddIn>(IID_IAddIn);
    _IDTExtensibility2* extensibility = nullptr;
    addIn->QueryInterface(IID_IDTExtensibility2, reinterpret_cast<void**>(&extensibility));
    IRibbonExtensibility* ribbon = nullptr;
    addIn->QueryInterface(IID_IRibbonExtensibility, reinterpret_cast<void**>(&ribbon));
    IGenerator* generator = Create<CGenerator, IGenerator>(IID_IGenerator);
    IDispatch* sink = nullptr;
    ASSERT_EQ(HandOutNew(new CButtonSink(L"StochalHelp", [] {}), IID_IDispatch, reinterpret_cast<void**>(&sink)), S_OK);
    IClassFactory* factory = nullptr;
    ASSERT_EQ(DllGetClassObject(CLSID_Generator, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);

    for (Kind kind : kKinds) {
        const char* name = kKindNames[static_cast<int>(kind)];
        const HRESULT expected = ComAnswer(kind);
        SAFEARRAY* custom = nullptr;
        EXPECT_EQ(Injected(kind, 1, [&] { return Click(sink, &control); }), expected) << "sink, " << name;
        EXPECT_EQ(Injected(kind, 1, [&] { return addIn->RibbonAction(&control); }), expected) << name;
        IPictureDisp* picture = nullptr;
        EXPECT_EQ(Injected(kind, 1, [&] { return addIn->RibbonImage(&control, &picture); }), expected) << name;
        BSTR xml = nullptr;
        EXPECT_EQ(Injected(kind, 1, [&] { return ribbon->GetCustomUI(nullptr, &xml); }), expected) << name;
        EXPECT_EQ(Injected(kind, 1, [&] { return extensibility->OnConnection(nullptr, ext_cm_Startup, nullptr, &custom); }),
                  expected)
            << name;
        // Shutting down and unloading answer S_OK whatever happens.
        EXPECT_EQ(Injected(kind, 1, [&] { return extensibility->OnDisconnection(ext_dm_UserClosed, &custom); }), S_OK);
        EXPECT_EQ(Injected(kind, 1, [&] { return extensibility->OnBeginShutdown(&custom); }), S_OK);
        // The generator refuses a parameter error as a bad argument.
        const HRESULT generatorAnswer = kind == Kind::ParameterError ? E_INVALIDARG : expected;
        double value = -1;
        EXPECT_EQ(Injected(kind, 1, [&] { return generator->Next(&value); }), generatorAnswer) << name;
        EXPECT_EQ(value, -1) << "a failed draw wrote its result";
        EXPECT_EQ(Injected(kind, 1, [&] { return generator->Seed(1); }), expected) << name;
        IUnknown* made = nullptr;
        EXPECT_EQ(Injected(kind, 1, [&] { return factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&made)); }),
                  expected)
            << name;
        EXPECT_EQ(made, nullptr);
        IUnknown* other = nullptr;
        EXPECT_EQ(Injected(kind, 1, [&] { return DllGetClassObject(CLSID_CAddIn, IID_IClassFactory, reinterpret_cast<void**>(&other)); }),
                  expected)
            << name;
        EXPECT_EQ(Injected(kind, 1, [] { return DllRegisterServer(); }), expected) << name;
        EXPECT_EQ(Injected(kind, 1, [] { return DllUnregisterServer(); }), expected) << name;
    }
    factory->Release();
    sink->Release();
    generator->Release();
    ribbon->Release();
    extensibility->Release();
    addIn->Release();
}

TEST_F(EntryPoints, WorksheetFunctionsAnswerAnErrorValueAndXlAutoOpenFailure)
{
    // Excel 2007 or later behind the C API, called into the XLL.
    UseTestExcel();
    XlfExcel::Instance().Rebind();
    const TestExcel::XllCall calling;
    XLOPER12 missing{};
    missing.xltype = xltype::Missing;
    for (Kind kind : kKinds) {
        const char* name = kKindNames[static_cast<int>(kind)];
        const auto* result = reinterpret_cast<const XLOPER12*>(
            Injected(kind, 1, [&] { return xllQRAND(reinterpret_cast<XlfValue*>(&missing)); }));
        if (kind == Kind::BridgeError) {
            // Excel calls again once the precedents are calculated.
            EXPECT_EQ(result, nullptr) << name;
        } else {
            ASSERT_NE(result, nullptr) << name;
            EXPECT_EQ(result->xltype & ~xltype::FreeLater, xltype::Err) << name;
            EXPECT_EQ(result->val.err, 15) << name; // #VALUE!
        }
        EXPECT_EQ(Injected(kind, 1, [] { return xlAutoOpen(); }), 0) << name;
    }
}

// A command reached by a click or a ribbon button gives Excel its cursor
// and screen updating back and shows the unexpected-error message, and the
// event counts as handled. Which message each kind of
// exception gives is the Windows layer's test; each box costs wine two
// seconds, so here one kind goes each way.
TEST_F(EntryPoints, CommandsShowTheUnexpectedErrorMessage)
{
    CFakeControl control;
    CFakeApplication application;
    CAddIn* addIn = nullptr;
    ASSERT_EQ(CreateComInstance<CAddIn>(nullptr, IID_IAddIn, reinterpret_cast<void**>(&addIn)), S_OK);
    SAFEARRAY* custom = nullptr;
    EXPECT_EQ(addIn->OnConnection(&application, ext_cm_Startup, nullptr, &custom), DISP_E_UNKNOWNNAME);
    IDispatch* sink = nullptr;
    ASSERT_EQ(HandOutNew(new CButtonSink(L"StochalHelp", [addIn] { addIn->RunCommand(5); }), IID_IDispatch,
                         reinterpret_cast<void**>(&sink)),
              S_OK);
    HRESULT clicked = E_FAIL, acted = E_FAIL;
    // The second guarded body entered is the command's, inside the event's.
    const std::vector<std::wstring> messages = MessagesDuring([&] {
        clicked = Injected(Kind::Unknown, 2, [&] { return Click(sink, &control); });
        acted = Injected(Kind::ExcelError, 2, [&] { return addIn->RibbonAction(&control); });
    });
    EXPECT_EQ(clicked, S_OK);
    EXPECT_EQ(acted, S_OK);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].rfind(L"Unexpected error.  Error 80004005 (", 0), 0u);
    EXPECT_EQ(messages[1], L"Unexpected error.  Error 800A03EC (Select a range.).");
    EXPECT_EQ(application.puts, (std::vector<std::string>{"Cursor=-4143", "ScreenUpdating=-1", "Cursor=-4143",
                                                           "ScreenUpdating=-1"}));
    sink->Release();
    static_cast<IAddIn*>(addIn)->Release();
}

} // namespace
