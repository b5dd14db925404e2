#pragma once
#include <windows.h>
#include <oaidl.h>

#include <initializer_list>

#include "win/com/DispatchClass.h"
#include "win/com/Variant.h"

// A counted reference to an automation object of a known class, called
// late-bound by member name: each member's id is looked up once for the
// class, and every call carries kCallLocale. Arguments are given in their
// natural order; every failure raises CComError with the HRESULT and the
// object's description. An object whose class is not known yet (what
// Selection returns) can only be asked for interfaces and given its class.
class CDispatch {
public:
    CDispatch() = default;
    // Adds a reference of its own.
    CDispatch(IDispatch* object, CDispatchClass& type);
    explicit CDispatch(IDispatch* object) : CDispatch(object, nullptr) {}
    CDispatch(const CDispatch& other) : CDispatch(other.m_object, other.m_class) {}
    CDispatch(CDispatch&& other) noexcept : m_object(other.m_object), m_class(other.m_class)
    {
        other.m_object = nullptr;
    }
    CDispatch& operator=(CDispatch other) noexcept;
    ~CDispatch() { Reset(); }

    // The object held by a value, or an error if the value holds none.
    static CDispatch FromValue(const CVariant& value, CDispatchClass* type);

    IDispatch* Object() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }
    void Reset();
    // True if the object offers the interface iid.
    bool Supports(REFIID iid) const;
    // The same object, known to be of class type.
    CDispatch As(CDispatchClass& type) const { return CDispatch(m_object, &type); }

    CVariant Get(const wchar_t* member, std::initializer_list<CVariant> arguments = {}) const;
    // Get for a member that returns an object of class type.
    CDispatch GetChild(const wchar_t* member, CDispatchClass& type,
                       std::initializer_list<CVariant> arguments = {}) const;
    // Get for a member whose object's class is not known yet.
    CDispatch GetUntyped(const wchar_t* member) const;
    long GetLong(const wchar_t* member) const;
    void Put(const wchar_t* member, const CVariant& value, std::initializer_list<CVariant> arguments = {}) const;
    CVariant Call(const wchar_t* member, std::initializer_list<CVariant> arguments = {}) const;

private:
    CDispatch(IDispatch* object, CDispatchClass* type);
    CVariant Invoke(const wchar_t* member, WORD flags, std::initializer_list<CVariant> arguments,
                    const CVariant* value) const;

    IDispatch* m_object = nullptr;
    CDispatchClass* m_class = nullptr;
};
