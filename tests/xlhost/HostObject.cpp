#include "tests/xlhost/HostObject.h"

#include <stdexcept>

#include "tests/xlhost/CallBook.h"

namespace xlhost {
namespace {
// Asked for by the host itself, to find its own object behind an IDispatch.
constexpr IID IID_HostObject = {0x5c7c2e0a, 0x1b1f, 0x4c6e, {0x9e, 0x55, 0x7a, 0x0b, 0x7d, 0x1e, 0x3a, 0x01}};

volatile LONG g_live = 0;

bool IsMissing(const VARIANT& value)
{
    return value.vt == VT_ERROR && value.scode == DISP_E_PARAMNOTFOUND;
}

std::string DefaultDescription(const char* className, const HostObject::Member& member, bool put)
{
    if (member.method) {
        return std::string(member.name) + " method of " + className + " class failed";
    }
    return std::string("Unable to ") + (put ? "set" : "get") + " the " + member.name + " property of the " + className
         + " class";
}

void SetErrorInformation(const std::string& description)
{
    ICreateErrorInfo* create = nullptr;
    if (FAILED(CreateErrorInfo(&create))) {
        return;
    }
    std::wstring text = Wide(description);
    create->SetDescription(&text[0]);
    std::wstring source = L"Microsoft Excel";
    create->SetSource(&source[0]);
    IErrorInfo* info = nullptr;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
        SetErrorInfo(0, info);
        info->Release();
    }
    create->Release();
}
} // namespace

std::wstring Wide(const std::string& utf8)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], length);
    return wide;
}

std::string Utf8(const wchar_t* wide, int length)
{
    if (wide == nullptr) {
        return std::string();
    }
    if (length < 0) {
        length = static_cast<int>(wcslen(wide));
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, length, &utf8[0], size, nullptr, nullptr);
    return utf8;
}

Args::Args(const DISPPARAMS& params, unsigned skip)
{
    for (unsigned i = params.cArgs; i > skip; --i) {
        m_args.push_back(&params.rgvarg[i - 1]);
    }
}

bool Args::Has(std::size_t i) const
{
    return i < m_args.size() && !IsMissing(*m_args[i]);
}

const VARIANT& Args::At(std::size_t i) const
{
    if (!Has(i)) {
        throw ComFailure{DISP_E_PARAMNOTFOUND, "Argument not optional."};
    }
    return *m_args[i];
}

void Args::Need(std::size_t n) const
{
    for (std::size_t i = 0; i < n; ++i) {
        if (!Has(i)) {
            throw ComFailure{DISP_E_PARAMNOTFOUND, "Argument not optional."};
        }
    }
}

namespace {
VARIANT Converted(const VARIANT& value, VARTYPE type)
{
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&value), 0, type))) {
        throw ComFailure{DISP_E_TYPEMISMATCH, "Type mismatch."};
    }
    return converted;
}
} // namespace

long LongOf(const VARIANT& value)
{
    return Converted(value, VT_I4).lVal;
}

double DoubleOf(const VARIANT& value)
{
    return Converted(value, VT_R8).dblVal;
}

bool BoolOf(const VARIANT& value)
{
    return Converted(value, VT_BOOL).boolVal != VARIANT_FALSE;
}

std::string TextOf(const VARIANT& value)
{
    VARIANT text = Converted(value, VT_BSTR);
    std::string utf8 = Utf8(text.bstrVal, static_cast<int>(SysStringLen(text.bstrVal)));
    VariantClear(&text);
    return utf8;
}

long Args::Long(std::size_t i) const
{
    return LongOf(At(i));
}

double Args::Double(std::size_t i) const
{
    return DoubleOf(At(i));
}

bool Args::Bool(std::size_t i) const
{
    return BoolOf(At(i));
}

std::string Args::Text(std::size_t i) const
{
    return TextOf(At(i));
}

void SetLong(VARIANT& result, long value)
{
    result.vt = VT_I4;
    result.lVal = value;
}

void SetDouble(VARIANT& result, double value)
{
    result.vt = VT_R8;
    result.dblVal = value;
}

void SetBool(VARIANT& result, bool value)
{
    result.vt = VT_BOOL;
    result.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

void SetText(VARIANT& result, const std::string& utf8)
{
    const std::wstring wide = Wide(utf8);
    result.vt = VT_BSTR;
    result.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

void SetObject(VARIANT& result, HostObject* object)
{
    result.vt = VT_DISPATCH;
    result.pdispVal = object;
}

HostObject::HostObject(const char* className) : m_class(className)
{
    InterlockedIncrement(&g_live);
}

HostObject::~HostObject()
{
    InterlockedDecrement(&g_live);
}

long HostObject::Live()
{
    return g_live;
}

HostObject* HostObject::From(IUnknown* unknown)
{
    HostObject* object = nullptr;
    if (unknown == nullptr || FAILED(unknown->QueryInterface(IID_HostObject, reinterpret_cast<void**>(&object)))) {
        return nullptr;
    }
    object->Release(); // the caller holds the interface it passed
    return object;
}

STDMETHODIMP HostObject::QueryInterface(REFIID iid, void** out)
{
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_HostObject || Answers(iid)) {
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    IUnknown* other = OtherInterface(iid);
    if (other != nullptr) {
        *out = other;
        return S_OK;
    }
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) HostObject::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_count));
}

STDMETHODIMP_(ULONG) HostObject::Release()
{
    const LONG count = InterlockedDecrement(&m_count);
    if (count == 0) {
        delete this;
    }
    return static_cast<ULONG>(count);
}

STDMETHODIMP HostObject::GetTypeInfoCount(UINT* count)
{
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

STDMETHODIMP HostObject::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info != nullptr) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}

STDMETHODIMP HostObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (names == nullptr || ids == nullptr || count == 0) {
        return E_INVALIDARG;
    }
    const std::vector<Member>& members = Members();
    HRESULT hr = S_OK;
    for (UINT n = 0; n < count; ++n) {
        ids[n] = DISPID_UNKNOWN;
        if (n > 0) {
            hr = DISP_E_UNKNOWNNAME; // no named arguments
            continue;
        }
        const std::wstring name = names[n] == nullptr ? std::wstring() : names[n];
        for (std::size_t m = 0; m < members.size(); ++m) {
            if (_wcsicmp(Wide(members[m].name).c_str(), name.c_str()) == 0) {
                ids[n] = static_cast<DISPID>(m + 1);
                CallBook::Instance().NoteLookup(std::string(m_class) + "." + members[m].name);
            }
        }
        if (ids[n] == DISPID_UNKNOWN) {
            hr = DISP_E_UNKNOWNNAME;
        }
    }
    return hr;
}

STDMETHODIMP HostObject::Invoke(DISPID id, REFIID, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                EXCEPINFO* exception, UINT* argumentError)
{
    (void)argumentError;
    const std::vector<Member>& members = Members();
    if (id < 1 || static_cast<std::size_t>(id) > members.size()) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (params == nullptr) {
        return E_INVALIDARG;
    }
    const Member& member = members[static_cast<std::size_t>(id - 1)];
    const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    if ((put && member.put == nullptr) || (!put && (member.get == nullptr || (flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)) == 0))) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (put ? (params->cArgs < 1 || params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            : params->cNamedArgs != 0) {
        return put ? DISP_E_PARAMNOTOPTIONAL : DISP_E_NONAMEDARGS;
    }
    m_lcid = lcid;
    VARIANT local;
    VariantInit(&local);
    VARIANT& answer = result != nullptr ? *result : local;
    VariantInit(&answer);
    try {
        const std::string key = std::string(m_class) + "." + member.name + (put ? "=" : "");
        CallBook::Instance().NoteLocale(key, lcid);
        if (CallBook::Instance().Enter(key)) {
            throw ComFailure{kExcelError, ""};
        }
        BeforeCall(member);
        if (put) {
            member.put(*this, Args(*params, 1), params->rgvarg[0]);
        } else {
            member.get(*this, Args(*params, 0), answer);
        }
    } catch (const ComFailure& failure) {
        VariantClear(&answer);
        return Report(failure, member, put, exception);
    } catch (const std::exception& error) {
        VariantClear(&answer);
        return Report(ComFailure{E_FAIL, error.what()}, member, put, exception);
    }
    VariantClear(&local);
    return S_OK;
}

HRESULT HostObject::Report(const ComFailure& failure, const Member& member, bool put, EXCEPINFO* exception)
{
    const std::string description =
        failure.description.empty() ? DefaultDescription(m_class, member, put) : failure.description;
    SetErrorInformation(description);
    if (exception == nullptr) {
        return failure.hr;
    }
    *exception = EXCEPINFO{};
    exception->bstrSource = SysAllocString(L"Microsoft Excel");
    exception->bstrDescription = SysAllocString(Wide(description).c_str());
    exception->scode = failure.hr;
    return DISP_E_EXCEPTION;
}

} // namespace xlhost
