#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

// The base of every object the test Excel hands out: a COM object with an
// interlocked count, dispatched by member name (GetIDsOfNames/Invoke), with
// every call counted per member and failures injectable by the script.
namespace xlhost {

constexpr HRESULT kExcelError = static_cast<HRESULT>(0x800A03EC);

// A member's failure; an empty description is filled in as Excel words it.
struct ComFailure {
    HRESULT hr;
    std::string description;
};

std::wstring Wide(const std::string& utf8);
std::string Utf8(const wchar_t* wide, int length = -1);

// The arguments of one call, in the caller's order (first argument first).
class Args {
public:
    Args(const DISPPARAMS& params, unsigned skip);
    std::size_t Count() const { return m_args.size(); }
    // Present and not an omitted optional argument.
    bool Has(std::size_t i) const;
    const VARIANT& At(std::size_t i) const;
    long Long(std::size_t i) const;
    double Double(std::size_t i) const;
    bool Bool(std::size_t i) const;
    std::string Text(std::size_t i) const;
    // Requires at least n arguments.
    void Need(std::size_t n) const;

private:
    std::vector<const VARIANT*> m_args;
};

// A value converted as VariantChangeType converts it; a type mismatch
// fails the call.
long LongOf(const VARIANT& value);
double DoubleOf(const VARIANT& value);
bool BoolOf(const VARIANT& value);
std::string TextOf(const VARIANT& value);

class HostObject;

// Results.
void SetLong(VARIANT& result, long value);
void SetDouble(VARIANT& result, double value);
void SetBool(VARIANT& result, bool value);
void SetText(VARIANT& result, const std::string& utf8);
// Hands a new object (count 1) over to the result; null gives Nothing.
void SetObject(VARIANT& result, HostObject* object);

class HostObject : public IDispatch {
public:
    using Getter = void (*)(HostObject&, const Args&, VARIANT&);
    using Putter = void (*)(HostObject&, const Args&, const VARIANT&);
    struct Member {
        const char* name;
        bool method;
        Getter get;
        Putter put;
    };

    explicit HostObject(const char* className);
    virtual ~HostObject();
    HostObject(const HostObject&) = delete;
    HostObject& operator=(const HostObject&) = delete;

    // Objects alive, and this one's count.
    static long Live();
    ULONG RefCount() const { return static_cast<ULONG>(m_count); }
    const char* ClassName() const { return m_class; }
    // The host object behind an IDispatch of the test Excel, or null.
    static HostObject* From(IUnknown* unknown);

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override;

protected:
    virtual const std::vector<Member>& Members() const = 0;
    // Further interface ids answered with this IDispatch.
    virtual bool Answers(REFIID) const { return false; }
    // Interfaces of other objects (already counted), or null.
    virtual IUnknown* OtherInterface(REFIID) { return nullptr; }
    // Checked before every call; a deleted control fails here.
    virtual void BeforeCall(const Member&) {}
    LCID CallLcid() const { return m_lcid; }

private:
    HRESULT Report(const ComFailure& failure, const Member& member, bool put, EXCEPINFO* exception);

    const char* m_class;
    volatile LONG m_count = 1;
    LCID m_lcid = 0;
};

template <class T, void (T::*F)(const Args&, VARIANT&)>
void Get(HostObject& object, const Args& args, VARIANT& result)
{
    (static_cast<T&>(object).*F)(args, result);
}

template <class T, void (T::*F)(const Args&, const VARIANT&)>
void Put(HostObject& object, const Args& args, const VARIANT& value)
{
    (static_cast<T&>(object).*F)(args, value);
}

} // namespace xlhost
