#pragma once
#include <windows.h>
#include <oaidl.h>

// The Office and Excel interfaces the add-in talks to, which neither the
// mingw nor the wine headers declare. Ids and slot orders are those of
// Office's and Excel's published type libraries. Everything of Excel's
// object model is called late-bound (by name through IDispatch); only the
// interfaces Office calls us through, and the ones we ask for by
// QueryInterface, need their ids here.

// Excel's _Application, Range, Window, _Workbook and _Worksheet: asked for
// by QueryInterface to tell what an IDispatch really is.
// {000208D5-0000-0000-C000-000000000046}
constexpr IID IID_ExcelApplication = {0x000208D5, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// {00020846-0000-0000-C000-000000000046}
constexpr IID IID_ExcelRange = {0x00020846, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Office command bars.
// {000C0308-0000-0000-C000-000000000046}
constexpr IID IID_CommandBarControl = {0x000C0308, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// {000C030A-0000-0000-C000-000000000046}
constexpr IID IID_CommandBarPopup = {0x000C030A, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// {000C030E-0000-0000-C000-000000000046}
constexpr IID IID_CommandBarButton = {0x000C030E, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// The button's event dispinterface. {000C0351-0000-0000-C000-000000000046}
constexpr IID DIID_CommandBarButtonEvents = {0x000C0351, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr DISPID kDispidClick = 1;

// Control types of CommandBarControls.Add and the Tools menu's control id.
constexpr long msoControlButton = 1;
constexpr long msoControlPopup = 10;
constexpr long kToolsMenuId = 30007;

// Application.Cursor shapes and the A1 reference style.
constexpr long xlWait = 2;
constexpr long xlDefault = -4143;
constexpr long xlA1 = 1;

// The COM add-in interface every Office host calls (AddInDesignerObjects).
// {B65AD801-ABAF-11D0-BB8B-00A0C90F2744}
constexpr IID IID_IDTExtensibility2 = {0xB65AD801, 0xABAF, 0x11D0, {0xBB, 0x8B, 0x00, 0xA0, 0xC9, 0x0F, 0x27, 0x44}};

enum ext_ConnectMode { ext_cm_AfterStartup = 0, ext_cm_Startup = 1, ext_cm_External = 2, ext_cm_CommandLine = 3 };
enum ext_DisconnectMode { ext_dm_HostShutdown = 0, ext_dm_UserClosed = 1 };

struct _IDTExtensibility2 : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* Application, ext_ConnectMode ConnectMode,
                                                   IDispatch* AddInInst, SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnDisconnection(ext_DisconnectMode RemoveMode, SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) = 0;
};

// The ribbon (Office 2007 and later): Office asks the add-in object for
// IRibbonExtensibility, reads its customUI document, and calls the
// document's callbacks by name through the add-in's IDispatch, passing an
// IRibbonControl whose Id names the clicked control.
// {000C0396-0000-0000-C000-000000000046}
constexpr IID IID_IRibbonExtensibility = {0x000C0396, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// {000C0395-0000-0000-C000-000000000046}
constexpr IID IID_IRibbonControl = {0x000C0395, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr DISPID kDispidGetCustomUI = 1;

struct IRibbonExtensibility : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR RibbonID, BSTR* RibbonXml) = 0;
};
