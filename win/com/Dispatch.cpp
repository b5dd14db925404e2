#include "win/com/Dispatch.h"

#include <utility>
#include <vector>

#include "win/com/ComError.h"

CDispatch::CDispatch(IDispatch* object, CDispatchClass& type) : CDispatch(object, &type) {}

CDispatch::CDispatch(IDispatch* object, CDispatchClass* type) : m_object(object), m_class(type)
{
    if (m_object)
        m_object->AddRef();
}

CDispatch& CDispatch::operator=(CDispatch other) noexcept
{
    std::swap(m_object, other.m_object);
    std::swap(m_class, other.m_class);
    return *this;
}

void CDispatch::Reset()
{
    if (m_object)
        m_object->Release();
    m_object = nullptr;
}

CDispatch CDispatch::FromValue(const CVariant& value, CDispatchClass* type)
{
    IDispatch* object = value.Object();
    if (!object)
        throw CComError(E_NOINTERFACE, L"");
    return CDispatch(object, type);
}

bool CDispatch::Supports(REFIID iid) const
{
    IUnknown* found = nullptr;
    if (!m_object || FAILED(m_object->QueryInterface(iid, reinterpret_cast<void**>(&found))) || !found)
        return false;
    found->Release();
    return true;
}

CVariant CDispatch::Invoke(const wchar_t* member, WORD flags, std::initializer_list<CVariant> arguments,
                           const CVariant* value) const
{
    if (!m_object)
        throw CComError(E_POINTER, L"");
    if (!m_class)
        throw CComError(E_NOINTERFACE, L"");
    const DISPID id = m_class->MemberId(m_object, member);

    // DISPPARAMS lists the arguments last to first; a put's value comes first.
    std::vector<VARIANT> list;
    if (value)
        list.push_back(value->Get());
    for (auto it = arguments.end(); it != arguments.begin();)
        list.push_back((--it)->Get());
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{list.empty() ? nullptr : list.data(), value ? &putId : nullptr,
                      static_cast<UINT>(list.size()), value ? 1u : 0u};
    CVariant result;
    EXCEPINFO exception{};
    UINT argumentError = 0;
    CheckCom(m_object->Invoke(id, IID_NULL, kCallLocale, flags, &params, value ? nullptr : result.Put(),
                              &exception, &argumentError),
             &exception);
    return result;
}

CVariant CDispatch::Get(const wchar_t* member, std::initializer_list<CVariant> arguments) const
{
    return Invoke(member, DISPATCH_PROPERTYGET | DISPATCH_METHOD, arguments, nullptr);
}

CDispatch CDispatch::GetChild(const wchar_t* member, CDispatchClass& type,
                              std::initializer_list<CVariant> arguments) const
{
    return FromValue(Get(member, arguments), &type);
}

CDispatch CDispatch::GetUntyped(const wchar_t* member) const
{
    return FromValue(Get(member), nullptr);
}

long CDispatch::GetLong(const wchar_t* member) const
{
    long number = 0;
    if (!Get(member).ToLong(number))
        throw CComError(DISP_E_TYPEMISMATCH, L"");
    return number;
}

void CDispatch::Put(const wchar_t* member, const CVariant& value, std::initializer_list<CVariant> arguments) const
{
    Invoke(member, DISPATCH_PROPERTYPUT, arguments, &value);
}

CVariant CDispatch::Call(const wchar_t* member, std::initializer_list<CVariant> arguments) const
{
    return Invoke(member, DISPATCH_METHOD, arguments, nullptr);
}
