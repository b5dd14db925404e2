#pragma once
#include <windows.h>
#include <oaidl.h>

#include "Stochal_h.h"
#include "addin/ButtonSink.h"
#include "addin/MenuCommand.h"
#include "win/com/DualDispatch.h"
#include "win/com/OfficeInterfaces.h"
#include "win/excel/ExcelObjects.h"

// The Office COM add-in: on connection it puts the "&Stochal" menu with its
// six buttons at the end of Excel's Tools menu and loads this DLL as an
// XLL; at shutdown, or when the user unloads it, it removes the menu and
// lets go of every Excel object.
// In an Excel with a ribbon it also shows a Stochal tab whose buttons run
// the same commands.
class CAddIn : public CDualObject<CAddIn, IAddIn, _IDTExtensibility2, IRibbonExtensibility> {
public:
    explicit CAddIn(IUnknown* outer) : CDualObject(outer) {}
    ~CAddIn() override;

    // _IDTExtensibility2
    STDMETHODIMP OnConnection(IDispatch* Application, ext_ConnectMode ConnectMode, IDispatch* AddInInst,
                              SAFEARRAY** custom) override;
    STDMETHODIMP OnDisconnection(ext_DisconnectMode RemoveMode, SAFEARRAY** custom) override;
    STDMETHODIMP OnAddInsUpdate(SAFEARRAY** custom) override;
    STDMETHODIMP OnStartupComplete(SAFEARRAY** custom) override;
    STDMETHODIMP OnBeginShutdown(SAFEARRAY** custom) override;

    // IRibbonExtensibility
    STDMETHODIMP GetCustomUI(BSTR RibbonID, BSTR* RibbonXml) override;

    // IAddIn: the ribbon's callbacks.
    STDMETHODIMP RibbonAction(IDispatch* control) override;
    STDMETHODIMP RibbonImage(IDispatch* control, IPictureDisp** image) override;

    const CExcelApplication& Application() const { return m_application; }
    // Runs the command of menu button index (0-based) on m_application,
    // unless a command runs already.
    void RunCommand(int index) const;

private:
    IUnknown* FindInterface(REFIID iid) override;
    void BuildMenu();
    void RemoveMenu();
    void RegisterAsXll() const;

    CExcelApplication m_application;
    CDispatch m_popup;
    CDispatch m_buttons[kMenuButtons];
    CButtonConnection m_connections[kMenuButtons];
};
