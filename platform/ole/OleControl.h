// The base of an ActiveX control: one COM object that is an in-place active window, draws into a
// container's DC (screen, printer, metafile), persists its properties through DoPropExchange to a
// stream, storage or property bag, tells property changes to the container's notify sinks, and
// answers IDispatch from its dispatch map. Every COM method switches to the control's module.
#pragma once

#include "platform/base/Size.h"
#include "platform/ole/OleDispatchImpl.h"
#include "platform/win/Wnd.h"

// After the windows headers, which they need.
#include <ocidl.h>
#include <oleidl.h>

class COleObjectFactory;
class CPropExchange;

class FX_API COleControl : public CWnd,
                           public COleDispatchImpl,
                           public IDispatch,
                           public IOleObject,
                           public IOleInPlaceObject,
                           public IOleInPlaceActiveObject,
                           public IViewObject2,
                           public IPersistStreamInit,
                           public IPersistStorage,
                           public IPersistPropertyBag,
                           public IOleControl,
                           public ISpecifyPropertyPages,
                           public IConnectionPointContainer
{
    FX_DECLARE_DYNAMIC(COleControl)

public:
    COleControl();
    ~COleControl() override;

    // Makes a control of class T for a factory (COleObjectFactory's creation procedure).
    template <class T> static HRESULT CreateObject(COleObjectFactory* pFactory, REFIID riid, void** ppv)
    {
        T* p = new T;
        p->InitFromFactory(pFactory);
        HRESULT hr = p->QueryInterface(riid, ppv);
        p->Release();
        return hr;
    }

    // The control's IDispatch, with a reference added when asked.
    IDispatch* GetIDispatch(BOOL bAddRef);
    ULONG ExternalAddRef();
    ULONG ExternalRelease();

    BOOL IsModified() const { return m_bModified; }
    void SetModifiedFlag(BOOL bModified = TRUE);
    // Tells the container's property notify sinks that a property changed (DISPID_UNKNOWN: any).
    void BoundPropertyChanged(DISPID dispid);
    // Repaints the window when in-place active, and tells the container's view sink.
    void InvalidateControl(LPCRECT lpRect = nullptr);
    BOOL IsInPlaceActive() const { return m_bInPlaceActive; }
    // The control's size in HIMETRIC (0.01 mm), as persisted.
    CSize GetExtentHimetric() const { return m_sizeExtent; }

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    // IDispatch
    STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override;
    STDMETHOD(GetTypeInfo)(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    STDMETHOD(GetIDsOfNames)(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
    STDMETHOD(Invoke)
    (DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult,
     EXCEPINFO* pExcepInfo, UINT* puArgErr) override;
    // IOleObject
    STDMETHOD(SetClientSite)(IOleClientSite* pClientSite) override;
    STDMETHOD(GetClientSite)(IOleClientSite** ppClientSite) override;
    STDMETHOD(SetHostNames)(LPCOLESTR szContainerApp, LPCOLESTR szContainerObj) override;
    STDMETHOD(Close)(DWORD dwSaveOption) override;
    STDMETHOD(SetMoniker)(DWORD dwWhichMoniker, IMoniker* pmk) override;
    STDMETHOD(GetMoniker)(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) override;
    STDMETHOD(InitFromData)(IDataObject* pDataObject, BOOL fCreation, DWORD dwReserved) override;
    STDMETHOD(GetClipboardData)(DWORD dwReserved, IDataObject** ppDataObject) override;
    STDMETHOD(DoVerb)
    (LONG iVerb, LPMSG lpmsg, IOleClientSite* pActiveSite, LONG lindex, HWND hwndParent, LPCRECT lprcPosRect) override;
    STDMETHOD(EnumVerbs)(IEnumOLEVERB** ppEnumOleVerb) override;
    STDMETHOD(Update)() override;
    STDMETHOD(IsUpToDate)() override;
    STDMETHOD(GetUserClassID)(CLSID* pClsid) override;
    STDMETHOD(GetUserType)(DWORD dwFormOfType, LPOLESTR* pszUserType) override;
    STDMETHOD(SetExtent)(DWORD dwDrawAspect, SIZEL* psizel) override;
    STDMETHOD(GetExtent)(DWORD dwDrawAspect, SIZEL* psizel) override;
    STDMETHOD(Advise)(IAdviseSink* pAdvSink, DWORD* pdwConnection) override;
    STDMETHOD(Unadvise)(DWORD dwConnection) override;
    STDMETHOD(EnumAdvise)(IEnumSTATDATA** ppenumAdvise) override;
    STDMETHOD(GetMiscStatus)(DWORD dwAspect, DWORD* pdwStatus) override;
    STDMETHOD(SetColorScheme)(LOGPALETTE* pLogpal) override;
    // IOleWindow (of IOleInPlaceObject and IOleInPlaceActiveObject)
    STDMETHOD(GetWindow)(HWND* phwnd) override;
    STDMETHOD(ContextSensitiveHelp)(BOOL fEnterMode) override;
    // IOleInPlaceObject
    STDMETHOD(InPlaceDeactivate)() override;
    STDMETHOD(UIDeactivate)() override;
    STDMETHOD(SetObjectRects)(LPCRECT lprcPosRect, LPCRECT lprcClipRect) override;
    STDMETHOD(ReactivateAndUndo)() override;
    // IOleInPlaceActiveObject
    STDMETHOD(TranslateAccelerator)(LPMSG lpmsg) override;
    STDMETHOD(OnFrameWindowActivate)(BOOL fActivate) override;
    STDMETHOD(OnDocWindowActivate)(BOOL fActivate) override;
    STDMETHOD(ResizeBorder)(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow, BOOL fFrameWindow) override;
    STDMETHOD(EnableModeless)(BOOL fEnable) override;
    // IViewObject2
    STDMETHOD(Draw)
    (DWORD dwDrawAspect, LONG lindex, void* pvAspect, DVTARGETDEVICE* ptd, HDC hdcTargetDev, HDC hdcDraw,
     LPCRECTL lprcBounds, LPCRECTL lprcWBounds, BOOL(STDMETHODCALLTYPE* pfnContinue)(ULONG_PTR),
     ULONG_PTR dwContinue) override;
    STDMETHOD(GetColorSet)
    (DWORD dwDrawAspect, LONG lindex, void* pvAspect, DVTARGETDEVICE* ptd, HDC hicTargetDev,
     LOGPALETTE** ppColorSet) override;
    STDMETHOD(Freeze)(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DWORD* pdwFreeze) override;
    STDMETHOD(Unfreeze)(DWORD dwFreeze) override;
    STDMETHOD(SetAdvise)(DWORD aspects, DWORD advf, IAdviseSink* pAdvSink) override;
    STDMETHOD(GetAdvise)(DWORD* pAspects, DWORD* pAdvf, IAdviseSink** ppAdvSink) override;
    STDMETHOD(GetExtent)(DWORD dwDrawAspect, LONG lindex, DVTARGETDEVICE* ptd, LPSIZEL lpsizel) override;
    // IPersist, IPersistStreamInit, IPersistStorage, IPersistPropertyBag
    STDMETHOD(GetClassID)(CLSID* pClassID) override;
    STDMETHOD(IsDirty)() override;
    STDMETHOD(Load)(LPSTREAM pStm) override;
    STDMETHOD(Save)(LPSTREAM pStm, BOOL fClearDirty) override;
    STDMETHOD(GetSizeMax)(ULARGE_INTEGER* pCbSize) override;
    STDMETHOD(InitNew)() override;
    STDMETHOD(InitNew)(IStorage* pStg) override;
    STDMETHOD(Load)(IStorage* pStg) override;
    STDMETHOD(Save)(IStorage* pStgSave, BOOL fSameAsLoad) override;
    STDMETHOD(SaveCompleted)(IStorage* pStgNew) override;
    STDMETHOD(HandsOffStorage)() override;
    STDMETHOD(Load)(IPropertyBag* pPropBag, IErrorLog* pErrorLog) override;
    STDMETHOD(Save)(IPropertyBag* pPropBag, BOOL fClearDirty, BOOL fSaveAllProperties) override;
    // IOleControl
    STDMETHOD(GetControlInfo)(CONTROLINFO* pCI) override;
    STDMETHOD(OnMnemonic)(MSG* pMsg) override;
    STDMETHOD(OnAmbientPropertyChange)(DISPID dispID) override;
    STDMETHOD(FreezeEvents)(BOOL bFreeze) override;
    // ISpecifyPropertyPages
    STDMETHOD(GetPages)(CAUUID* pPages) override;
    // IConnectionPointContainer: the property notify point only
    STDMETHOD(EnumConnectionPoints)(IEnumConnectionPoints** ppEnum) override;
    STDMETHOD(FindConnectionPoint)(REFIID riid, IConnectionPoint** ppCP) override;

protected:
    // What a control gives: drawing into bounds (logical units of pDC), its properties, and its
    // property pages.
    virtual void OnDraw(CDC* pDC, const CRect& rcBounds, const CRect& rcInvalid);
    // Printing and metafiles draw here; the screen drawing by default.
    virtual void OnDrawMetafile(CDC* pDC, const CRect& rcBounds);
    // The base exchanges the stock properties (the extent); a derived control exchanges its version
    // first, then calls the base, then its own properties.
    virtual void DoPropExchange(CPropExchange* pPX);
    // Properties back to their defaults (DoPropExchange with every value at its default).
    virtual void OnResetState();
    // The class identifiers of the property pages, and their count.
    virtual const CLSID* GetPropPageIDs(ULONG& nPages);

    void ExchangeStockProps(CPropExchange* pPX);

    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    void PostNcDestroy() override;

private:
    friend class COleObjectFactory;
    class CNotifyPoint;

    void InitFromFactory(COleObjectFactory* pFactory);
    HRESULT InPlaceActivate(LONG iVerb, IOleClientSite* pSite, HWND hwndParent, LPCRECT lprcPosRect);
    HRESULT UIActivate();
    HRESULT LoadFrom(CPropExchange* pPX);
    HRESULT SaveTo(CPropExchange* pPX, BOOL fClearDirty);

    LONG m_nRef;
    COleObjectFactory* m_pFactory;
    HINSTANCE m_hModule;
    IOleClientSite* m_pClientSite;
    IOleInPlaceSite* m_pInPlaceSite;
    IOleInPlaceFrame* m_pInPlaceFrame;
    IOleInPlaceUIWindow* m_pInPlaceDoc;
    IOleAdviseHolder* m_pOleAdviseHolder;
    IAdviseSink* m_pViewAdviseSink;
    DWORD m_dwViewAdviseFlags;
    BOOL m_bInPlaceActive;
    BOOL m_bUIActive;
    BOOL m_bModified;
    CSize m_sizeExtent;
    CNotifyPoint* m_pNotifyPoint;
};
