#pragma once
#include <windows.h>
#include <oaidl.h>

#include <initializer_list>

#include "win/com/Variant.h"

// A counted reference to an automation object, called late-bound by member
// name. Arguments are given in their natural order; every failure raises
// CComError with the HRESULT and the object's description.
class CDispatch {
public:
    CDispatch() = default;
    // Adds a reference of its own.
    explicit CDispatch(IDispatch* object);
    CDispatch(const CDispatch& other) : CDispatch(other.m_object) {}
    CDispatch(CDispatch&& other) noexcept : m_object(other.m_object) { other.m_object = nullptr; }
    CDispatch& operator=(CDispatch other) noexcept;
    ~CDispatch() { Reset(); }

    // The object held by a value, or an error if the value holds none.
    static CDispatch FromValue(const CVariant& value);

    IDispatch* Object() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }
    void Reset();
    // True if the object offers the interface iid.
    bool Supports(REFIID iid) const;

    CVariant Get(const wchar_t* member, std::initializer_list<CVariant> arguments = {},
                 LCID locale = LOCALE_USER_DEFAULT) const;
    CDispatch GetChild(const wchar_t* member, std::initializer_list<CVariant> arguments = {}) const;
    long GetLong(const wchar_t* member) const;
    void Put(const wchar_t* member, const CVariant& value, std::initializer_list<CVariant> arguments = {},
             LCID locale = LOCALE_USER_DEFAULT) const;
    CVariant Call(const wchar_t* member, std::initializer_list<CVariant> arguments = {}) const;

private:
    CVariant Invoke(const wchar_t* member, WORD flags, std::initializer_list<CVariant> arguments,
                    const CVariant* value, LCID locale) const;

    IDispatch* m_object = nullptr;
};
