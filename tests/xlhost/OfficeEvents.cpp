// The Click event source of command bar buttons: a connection point
// container torn off the button, and its one connection point.
#include <ocidl.h>
#include <olectl.h>

#include "tests/xlhost/OfficeBars.h"
#include "win/com/OfficeInterfaces.h"

namespace xlhost {
namespace {
volatile LONG g_livePoints = 0;

// The counting every event object shares.
template <class Interface>
class EventObject : public Interface {
public:
    EventObject() { InterlockedIncrement(&g_livePoints); }
    virtual ~EventObject() { InterlockedDecrement(&g_livePoints); }
    EventObject(const EventObject&) = delete;
    EventObject& operator=(const EventObject&) = delete;
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&m_count)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG count = InterlockedDecrement(&m_count);
        if (count == 0) {
            delete this;
        }
        return static_cast<ULONG>(count);
    }

private:
    volatile LONG m_count = 1;
};

class ButtonEventsPoint : public EventObject<IConnectionPoint> {
public:
    ButtonEventsPoint(std::shared_ptr<ControlNode> node, IConnectionPointContainer* container)
        : m_node(std::move(node)), m_container(container)
    {
        m_container->AddRef();
    }
    ~ButtonEventsPoint() override { m_container->Release(); }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IConnectionPoint) {
            return E_NOINTERFACE;
        }
        *out = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP GetConnectionInterface(IID* iid) override
    {
        if (iid == nullptr) {
            return E_POINTER;
        }
        *iid = DIID_CommandBarButtonEvents;
        return S_OK;
    }
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override
    {
        if (container == nullptr) {
            return E_POINTER;
        }
        *container = m_container;
        m_container->AddRef();
        return S_OK;
    }
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override
    {
        if (sink == nullptr || cookie == nullptr) {
            return E_POINTER;
        }
        *cookie = 0;
        if (m_node->deleted) {
            return E_UNEXPECTED;
        }
        // Office asks the sink for the event interface itself.
        IDispatch* events = nullptr;
        if (FAILED(sink->QueryInterface(DIID_CommandBarButtonEvents, reinterpret_cast<void**>(&events)))) {
            return CONNECT_E_CANNOTCONNECT;
        }
        *cookie = m_node->nextCookie++;
        m_node->sinks[*cookie] = events;
        return S_OK;
    }
    STDMETHODIMP Unadvise(DWORD cookie) override
    {
        const auto found = m_node->sinks.find(cookie);
        if (found == m_node->sinks.end()) {
            return CONNECT_E_NOCONNECTION;
        }
        IDispatch* events = found->second;
        m_node->sinks.erase(found);
        events->Release();
        return S_OK;
    }
    STDMETHODIMP EnumConnections(IEnumConnections** connections) override
    {
        if (connections != nullptr) {
            *connections = nullptr;
        }
        return E_NOTIMPL;
    }

private:
    std::shared_ptr<ControlNode> m_node;
    IConnectionPointContainer* m_container;
};

class ButtonEventsContainer : public EventObject<IConnectionPointContainer> {
public:
    ButtonEventsContainer(OfficeControl* owner) : m_owner(owner) { m_owner->AddRef(); }
    ~ButtonEventsContainer() override { m_owner->Release(); }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        if (out == nullptr) {
            return E_POINTER;
        }
        if (iid == IID_IConnectionPointContainer) {
            *out = static_cast<IConnectionPointContainer*>(this);
            AddRef();
            return S_OK;
        }
        return m_owner->QueryInterface(iid, out); // the button's own identity
    }
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override
    {
        if (points != nullptr) {
            *points = nullptr;
        }
        return E_NOTIMPL;
    }
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) override
    {
        if (point == nullptr) {
            return E_POINTER;
        }
        *point = nullptr;
        if (iid != DIID_CommandBarButtonEvents) {
            return CONNECT_E_NOCONNECTION;
        }
        *point = new ButtonEventsPoint(m_owner->Node(), this);
        return S_OK;
    }

private:
    OfficeControl* m_owner;
};
} // namespace

IUnknown* NewButtonEvents(OfficeControl* owner)
{
    return new ButtonEventsContainer(owner);
}

long LiveConnectionPoints()
{
    return g_livePoints;
}

namespace {
// Office routes a click to the sinks of every button that shares the
// clicked one's identity, its Id and Tag: hence the advice of the Office
// page "CommandBarControl.Tag property" to give each control a unique Tag
// "to avoid duplicate calls of the same class when triggered with events".
void CollectTwins(const std::shared_ptr<ControlNode>& node, const ControlNode& clicked, std::vector<IDispatch*>& sinks)
{
    if (node->type == msoControlButton && node->id == clicked.id && node->tag == clicked.tag) {
        for (const auto& sink : node->sinks) {
            sink.second->AddRef(); // a handler may unadvise while it runs
            sinks.push_back(sink.second);
        }
    }
    for (const auto& child : node->children) {
        CollectTwins(child, clicked, sinks);
    }
}
} // namespace

int ClickButton(const std::shared_ptr<ControlNode>& button)
{
    std::vector<IDispatch*> sinks;
    if (const std::shared_ptr<ControlNode>& tools = HostModel::Instance().tools) {
        CollectTwins(tools, *button, sinks);
    }
    OfficeControl* control = new OfficeControl(button);
    for (IDispatch* sink : sinks) {
        VARIANT_BOOL cancel = VARIANT_FALSE;
        VARIANT arguments[2];
        arguments[1].vt = VT_DISPATCH;
        arguments[1].pdispVal = control;
        arguments[0].vt = VT_BYREF | VT_BOOL;
        arguments[0].pboolVal = &cancel;
        DISPPARAMS params{arguments, nullptr, 2, 0};
        sink->Invoke(kDispidClick, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
        sink->Release();
    }
    control->Release();
    return static_cast<int>(sinks.size());
}

} // namespace xlhost
