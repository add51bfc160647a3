// The window a control sits in, in a dialog or a frame: it creates the control by class or program
// identifier, keeps it filling its client area, passes it the focus and keyboard, and calls it
// through its IDispatch. A dialog template places one with the window class FX_OLE_HOST_CLASS and
// the class identifier ("{...}") or program identifier as the control's text: the dialog then
// creates the control with its other children (see FxEnableControlContainer).
#pragma once

#include "platform/ole/OleDispatchDriver.h"
#include "platform/win/Wnd.h"

class COleControlSite;

#define FX_OLE_HOST_CLASS "VornFxOleHost"

// Registers FX_OLE_HOST_CLASS (once); call before creating a dialog that holds controls.
FX_API BOOL FxEnableControlContainer();

class FX_API COleControlWnd : public CWnd
{
    FX_DECLARE_DYNAMIC(COleControlWnd)

public:
    COleControlWnd();
    ~COleControlWnd() override;

    // A child window of pParentWnd at rect holding a new control of the class; FALSE (and no
    // window) when the control cannot be created or activated.
    BOOL CreateControl(REFCLSID clsid, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       UINT nID);
    BOOL CreateControl(LPCSTR pszProgID, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       UINT nID);
    // The host object of a control a dialog template placed; null for any other window.
    static COleControlWnd* FromHostHandle(HWND hWnd);

    COleControlSite* GetControlSite() const { return m_pSite; }
    IUnknown* GetControlUnknown() const;
    // Calls the control by dispid (see COleDispatchDriver::InvokeHelper).
    COleDispatchDriver& GetDispatchDriver() { return m_driver; }
    template <class R, class... A> HRESULT InvokeHelper(DISPID dispid, WORD wFlags, R* pResult, const A&... args)
    {
        return m_driver.InvokeHelper(dispid, wFlags, pResult, args...);
    }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void PostNcDestroy() override;

private:
    friend LRESULT CALLBACK FxOleHostProc(HWND, UINT, WPARAM, LPARAM);
    // Makes the control named by text ("{clsid}" or a program identifier) in this window.
    BOOL CreateNamedControl(LPCSTR pszName);
    BOOL CreateInWindow(REFCLSID clsid);

    COleControlSite* m_pSite;
    COleDispatchDriver m_driver;
    BOOL m_bAutoDelete;
    BOOL m_bCreatingFromCode;
};
