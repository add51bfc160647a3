// The container's side of one control: the client site, in-place site and frame it is activated
// in, and the sink of its property change notifications. Owned by the host window it sits in
// (COleControlWnd); COM references keep it alive until the control lets go.
#pragma once

#include "platform/base/FxExport.h"

// After the windows headers, which they need.
#include <ocidl.h>
#include <oleidl.h>

class FX_API COleControlSite : public IOleClientSite,
                               public IOleInPlaceSite,
                               public IOleInPlaceFrame,
                               public IPropertyNotifySink
{
public:
    // hWndHost: the window the control is placed in, filling its client area.
    explicit COleControlSite(HWND hWndHost);
    COleControlSite(const COleControlSite&) = delete;
    COleControlSite& operator=(const COleControlSite&) = delete;

    // Creates the control, initialises it (from pPersist when given, else new), places it in the
    // host and activates it in place. The COM error of the first step that fails.
    HRESULT CreateControl(REFCLSID clsid, IStream* pPersist = nullptr);
    // Deactivates, closes and releases the control; the site stays for the host to release.
    void DestroyControl();
    // Fits the control to the host's client area.
    void MoveControl();
    // Gives the focus to the control (UI activation).
    HRESULT ActivateUI();
    // Offers a keyboard message to the UI-active control first; TRUE when it took it.
    BOOL TranslateControlAccelerator(MSG* pMsg);

    IUnknown* GetControlUnknown() const { return m_pObject; }
    IDispatch* GetControlDispatch() const { return m_pDispatch; }
    HWND GetControlWindow() const;
    // Property change notifications received: count and the last dispid.
    int GetChangeCount() const { return m_nChanges; }
    DISPID GetLastChangedDispID() const { return m_dispidLastChanged; }

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    // IOleClientSite
    STDMETHOD(SaveObject)() override;
    STDMETHOD(GetMoniker)(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) override;
    STDMETHOD(GetContainer)(IOleContainer** ppContainer) override;
    STDMETHOD(ShowObject)() override;
    STDMETHOD(OnShowWindow)(BOOL fShow) override;
    STDMETHOD(RequestNewObjectLayout)() override;
    // IOleWindow (of the in-place site and the frame)
    STDMETHOD(GetWindow)(HWND* phwnd) override;
    STDMETHOD(ContextSensitiveHelp)(BOOL fEnterMode) override;
    // IOleInPlaceSite
    STDMETHOD(CanInPlaceActivate)() override;
    STDMETHOD(OnInPlaceActivate)() override;
    STDMETHOD(OnUIActivate)() override;
    STDMETHOD(GetWindowContext)
    (IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc, LPRECT lprcPosRect, LPRECT lprcClipRect,
     LPOLEINPLACEFRAMEINFO lpFrameInfo) override;
    STDMETHOD(Scroll)(SIZE scrollExtant) override;
    STDMETHOD(OnUIDeactivate)(BOOL fUndoable) override;
    STDMETHOD(OnInPlaceDeactivate)() override;
    STDMETHOD(DiscardUndoState)() override;
    STDMETHOD(DeactivateAndUndo)() override;
    STDMETHOD(OnPosRectChange)(LPCRECT lprcPosRect) override;
    // IOleInPlaceUIWindow, IOleInPlaceFrame
    STDMETHOD(GetBorder)(LPRECT lprectBorder) override;
    STDMETHOD(RequestBorderSpace)(LPCBORDERWIDTHS pborderwidths) override;
    STDMETHOD(SetBorderSpace)(LPCBORDERWIDTHS pborderwidths) override;
    STDMETHOD(SetActiveObject)(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR pszObjName) override;
    STDMETHOD(InsertMenus)(HMENU hmenuShared, LPOLEMENUGROUPWIDTHS lpMenuWidths) override;
    STDMETHOD(SetMenu)(HMENU hmenuShared, HOLEMENU holemenu, HWND hwndActiveObject) override;
    STDMETHOD(RemoveMenus)(HMENU hmenuShared) override;
    STDMETHOD(SetStatusText)(LPCOLESTR pszStatusText) override;
    STDMETHOD(EnableModeless)(BOOL fEnable) override;
    STDMETHOD(TranslateAccelerator)(LPMSG lpmsg, WORD wID) override;
    // IPropertyNotifySink
    STDMETHOD(OnChanged)(DISPID dispID) override;
    STDMETHOD(OnRequestEdit)(DISPID dispID) override;

private:
    virtual ~COleControlSite();

    LONG m_nRef;
    HWND m_hWndHost;
    IOleObject* m_pObject;
    IOleInPlaceObject* m_pInPlaceObject;
    IOleInPlaceActiveObject* m_pActiveObject;
    IDispatch* m_pDispatch;
    DWORD m_dwNotifyCookie;
    BOOL m_bInPlaceActive;
    int m_nChanges;
    DISPID m_dispidLastChanged;
};
