#include "addin/AddIn.h"

#include <exception>

#include "addin/Ribbon.h"
#include "win/com/ComEntry.h"
#include "win/com/ComError.h"
#include "win/com/StochalModule.h"
#include "win/excel/ObjectClasses.h"
#include "win/ui/CommandGate.h"
#include "win/ui/MessageBoxes.h"
#include "win/ui/WindowDpi.h"

namespace {

// The control of a collection by caption, or an empty reference.
CDispatch FindByCaption(const CDispatch& controls, const wchar_t* caption)
{
    try {
        return controls.GetChild(L"Item", object_class::CommandBarControl(), {CVariant::Text(caption)});
    } catch (const CComError&) {
        return CDispatch();
    }
}

// A new temporary control at the end of the collection.
CDispatch AddTemporary(const CDispatch& controls, long type)
{
    return controls.GetChild(L"Add", object_class::CommandBarControl(),
                             {CVariant::Long(type), CVariant::Missing(), CVariant::Missing(), CVariant::Missing(),
                              CVariant::Bool(true)});
}

void SetTexts(const CDispatch& control, const wchar_t* caption, const wchar_t* tooltip)
{
    control.Put(L"Caption", CVariant::Text(caption));
    control.Put(L"TooltipText", CVariant::Text(tooltip));
}

// The menu position of the ribbon control that called back.
int ClickedButton(IDispatch* control)
{
    std::wstring id;
    if (!control || !CDispatch(control, object_class::RibbonControl()).Get(L"Id").ToText(id))
        return -1;
    return RibbonButtonIndex(id);
}

// The interface iid of an object, of class type, or CComError(E_NOINTERFACE).
CDispatch AskFor(const CDispatch& object, REFIID iid, CDispatchClass& type)
{
    IDispatch* found = nullptr;
    if (!object || FAILED(object.Object()->QueryInterface(iid, reinterpret_cast<void**>(&found))) || !found)
        throw CComError(E_NOINTERFACE, L"");
    CDispatch result(found, type);
    found->Release();
    return result;
}

} // namespace

CAddIn::~CAddIn()
{
    Guarded([this] { RemoveMenu(); }, [] {});
}

IUnknown* CAddIn::FindInterface(REFIID iid)
{
    static const CInterfaceEntry<CAddIn> kInterfaces[] = {
        {&IID_IAddIn, &InterfaceOf<CAddIn, IAddIn>},
        {&IID_IDispatch, &InterfaceOf<CAddIn, IAddIn>},
        {&IID_IDTExtensibility2, &InterfaceOf<CAddIn, _IDTExtensibility2>},
        {&IID_IRibbonExtensibility, &InterfaceOf<CAddIn, IRibbonExtensibility>},
    };
    return FindInTable(this, kInterfaces, iid);
}

STDMETHODIMP CAddIn::OnConnection(IDispatch* Application, ext_ConnectMode, IDispatch*, SAFEARRAY**)
{
    return ComEntry([&] {
        m_application
            = CExcelApplication(AskFor(CDispatch(Application), IID_ExcelApplication, object_class::Application()));
        BuildMenu();
        RegisterAsXll();
        return S_OK;
    });
}

void CAddIn::BuildMenu()
{
    const CDispatch found = m_application.CommandBars().GetChild(
        L"FindControl", object_class::CommandBarControl(), {CVariant::Missing(), CVariant::Long(kToolsMenuId)});
    const CDispatch tools = AskFor(found, IID_CommandBarPopup, object_class::CommandBarPopup());
    const CDispatch toolsControls = tools.GetChild(L"Controls", object_class::CommandBarControls());
    if (const CDispatch leftover = FindByCaption(toolsControls, kPopupCaption)) {
        try {
            leftover.Call(L"Delete");
        } catch (const CComError&) {
            // A leftover that cannot be deleted stays; the new menu still goes in.
        }
    }
    m_popup
        = AskFor(AddTemporary(toolsControls, msoControlPopup), IID_CommandBarPopup, object_class::CommandBarPopup());
    SetTexts(m_popup, kPopupCaption, kPopupTooltip);
    const CDispatch popupControls = m_popup.GetChild(L"Controls", object_class::CommandBarControls());
    for (int i = 0; i < kMenuButtons; ++i) {
        m_buttons[i] = AskFor(AddTemporary(popupControls, msoControlButton), IID_CommandBarButton,
                              object_class::CommandBarButton());
        SetTexts(m_buttons[i], kMenu[i].caption, kMenu[i].tooltip);
        m_buttons[i].Put(L"Tag", CVariant::Text(kMenu[i].tag));
        if (kMenu[i].beginGroup)
            m_buttons[i].Put(L"BeginGroup", CVariant::Bool(true));
    }
    for (int i = 0; i < kMenuButtons; ++i)
        m_connections[i].Connect(m_buttons[i], kMenu[i].tag, [this, i] { RunCommand(i); });
}

void CAddIn::RegisterAsXll() const
{
    const std::wstring path = g_module.ModulePath();
    if (path.empty() || path.size() > MAX_PATH)
        return;
    try {
        m_application.RegisterXLL(path);
    } catch (const CComError&) {
        // Without the XLL the menu still works: the commands need no C API.
    }
}

void CAddIn::RunCommand(int index) const
{
    const CCommandGate gate;
    if (!gate.IsOpen())
        return;
    Guarded(
        [this, index] {
            if (kMenu[index].command)
                kMenu[index].command(m_application);
        },
        [this] {
            // Whatever stopped the command, Excel gets its cursor and
            // screen updating back, as after every command.
            try {
                m_application.RestoreInteraction();
            } catch (const CComError&) {
            }
            ShowUnexpectedFailure(m_application.MainWindow());
        });
}

void CAddIn::RemoveMenu()
{
    if (m_popup) {
        for (CButtonConnection& connection : m_connections)
            connection.Disconnect();
        try {
            m_popup.Call(L"Delete");
        } catch (const CComError&) {
            // Excel may be past removing controls; the popup is temporary anyway.
        }
    }
    m_popup.Reset();
    for (CDispatch& button : m_buttons)
        button.Reset();
    m_application = CExcelApplication();
}

// The user may unload the add-in in the COM Add-ins dialog, without a
// shutdown; its menu must not outlive it.
STDMETHODIMP CAddIn::OnDisconnection(ext_DisconnectMode, SAFEARRAY**)
{
    Guarded([this] { RemoveMenu(); }, [] {});
    return S_OK;
}

STDMETHODIMP CAddIn::OnAddInsUpdate(SAFEARRAY**)
{
    return S_OK;
}

STDMETHODIMP CAddIn::OnStartupComplete(SAFEARRAY**)
{
    return S_OK;
}

STDMETHODIMP CAddIn::OnBeginShutdown(SAFEARRAY**)
{
    Guarded([this] { RemoveMenu(); }, [] {});
    return S_OK;
}

STDMETHODIMP CAddIn::GetCustomUI(BSTR, BSTR* RibbonXml)
{
    if (!RibbonXml)
        return E_POINTER;
    *RibbonXml = nullptr;
    return ComEntry([RibbonXml] {
        const std::wstring xml = ::RibbonXml();
        *RibbonXml = SysAllocStringLen(xml.data(), static_cast<UINT>(xml.size()));
        return *RibbonXml ? S_OK : E_OUTOFMEMORY;
    });
}

STDMETHODIMP CAddIn::RibbonAction(IDispatch* control)
{
    return ComEntry([this, control] {
        const int index = ClickedButton(control);
        if (index < 0)
            return E_INVALIDARG;
        RunCommand(index);
        return S_OK;
    });
}

STDMETHODIMP CAddIn::RibbonImage(IDispatch* control, IPictureDisp** image)
{
    if (!image)
        return E_POINTER;
    *image = nullptr;
    return ComEntry([this, control, image] {
        const int index = ClickedButton(control);
        if (index < 0)
            return E_INVALIDARG;
        *image = RibbonButtonPicture(index, WindowDpi(m_application.MainWindow()));
        return S_OK;
    });
}
