#pragma once
#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>

#include <functional>
#include <string>

#include "win/com/ComObject.h"
#include "win/com/Dispatch.h"

// The Click sink of one command bar button: answers Office's
// _CommandBarButtonEvents through IDispatch and runs its action on a Click
// whose Ctrl carries the button's Tag. Office raises the click on the
// sinks of every button with the clicked one's Id and Tag, so the Tag
// tells whose click it is.
class CButtonSink : public CComObject<CButtonSink, IDispatch> {
public:
    using Action = std::function<void()>;

    CButtonSink(std::wstring tag, Action action)
        : CComObject(nullptr), m_tag(std::move(tag)), m_action(std::move(action))
    {
    }

    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID reserved, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID member, REFIID reserved, LCID locale, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

private:
    IUnknown* FindInterface(REFIID iid) override;
    bool IsOwnButton(IDispatch* control) const;

    std::wstring m_tag;
    Action m_action;
};

// A sink connected to a button's event source until Disconnect.
class CButtonConnection {
public:
    CButtonConnection() = default;
    ~CButtonConnection() { Disconnect(); }
    CButtonConnection(const CButtonConnection&) = delete;
    CButtonConnection& operator=(const CButtonConnection&) = delete;

    // Raises CComError when the button offers no Click events.
    void Connect(const CDispatch& button, const std::wstring& tag, CButtonSink::Action action);
    void Disconnect();

private:
    IConnectionPoint* m_point = nullptr;
    DWORD m_cookie = 0;
};
