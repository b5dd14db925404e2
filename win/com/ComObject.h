#pragma once
#include <windows.h>
#include <unknwn.h>

#include <cstddef>
#include <new>

// Reference counting, aggregation and QueryInterface from a table, written
// once for every COM class of the DLL. A class derives from
// CComObject<Class, Interfaces...>, lists its interfaces in FindInterface
// with FindInTable, and is created by CreateComInstance<Class>.

// One row of a class's interface table: the IID and how to reach it.
template <class T>
struct CInterfaceEntry {
    const IID* iid;
    IUnknown* (*cast)(T* object);
};

template <class T, class Interface>
IUnknown* InterfaceOf(T* object)
{
    return static_cast<Interface*>(object);
}

template <class T, std::size_t N>
IUnknown* FindInTable(T* object, const CInterfaceEntry<T> (&table)[N], REFIID iid)
{
    for (const CInterfaceEntry<T>& entry : table) {
        if (InlineIsEqualGUID(*entry.iid, iid))
            return entry.cast(object);
    }
    return nullptr;
}

// The object's identity: the non-delegating IUnknown that owns the reference
// count. Alone it is also the controlling unknown; inside an aggregate the
// outer object holds it and every other interface delegates to the outer.
// Each live object keeps the module locked.
class CComObjectRoot {
public:
    CComObjectRoot(const CComObjectRoot&) = delete;
    CComObjectRoot& operator=(const CComObjectRoot&) = delete;

    HRESULT InnerQueryInterface(REFIID iid, void** out);
    ULONG InnerAddRef();
    ULONG InnerRelease();

protected:
    explicit CComObjectRoot(IUnknown* outer);
    virtual ~CComObjectRoot();

    // The interfaces other than IUnknown, or null for one not offered.
    virtual IUnknown* FindInterface(REFIID iid) = 0;
    IUnknown* Controlling() const { return m_controlling; }

private:
    class CInnerUnknown : public IUnknown {
    public:
        explicit CInnerUnknown(CComObjectRoot* owner) : m_owner(owner) {}
        STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
        STDMETHODIMP_(ULONG) AddRef() override;
        STDMETHODIMP_(ULONG) Release() override;

    private:
        CComObjectRoot* m_owner;
    };

    CInnerUnknown m_inner;
    IUnknown* m_controlling;
    volatile LONG m_references = 0;
};

// The IUnknown of every interface of the class, delegating to the
// controlling unknown.
template <class Derived, class... Interfaces>
class CComObject : public Interfaces..., public CComObjectRoot {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        return Controlling()->QueryInterface(iid, out);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return Controlling()->AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return Controlling()->Release(); }

protected:
    explicit CComObject(IUnknown* outer) : CComObjectRoot(outer) {}
};

// Hands out the interface iid of a newly made object (null when it could not
// be allocated); the object goes away again if it does not offer iid.
inline HRESULT HandOutNew(CComObjectRoot* object, REFIID iid, void** out)
{
    if (!object)
        return E_OUTOFMEMORY;
    object->InnerAddRef();
    const HRESULT hr = object->InnerQueryInterface(iid, out);
    object->InnerRelease();
    return hr;
}

// Creates a new object, aggregated in outer if outer is not null (an outer
// object may ask only for IUnknown), and hands out the interface iid.
template <class T>
HRESULT CreateComInstance(IUnknown* outer, REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (outer && !InlineIsEqualGUID(iid, IID_IUnknown))
        return CLASS_E_NOAGGREGATION;
    return HandOutNew(new (std::nothrow) T(outer), iid, out);
}
