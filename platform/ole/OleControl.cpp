#include "platform/ole/OleControl.h"

#include <olectl.h>

#include "platform/gdi/DC.h"
#include "platform/gdi/PaintDC.h"
#include "platform/ole/BagPropExchange.h"
#include "platform/ole/OleEntry.h"
#include "platform/ole/OleObjectFactory.h"
#include "platform/ole/StreamPropExchange.h"

FX_IMPLEMENT_DYNAMIC(COleControl, CWnd)

namespace
{
// Loading with every value at its default: what resetting a control's state means.
class CResetPropExchange : public CPropExchange
{
public:
    CResetPropExchange() : CPropExchange(TRUE) {}
    BOOL ExchangeVersion(DWORD& dwVersionLoaded, DWORD dwVersionDefault) override
    {
        m_dwVersion = dwVersionLoaded = dwVersionDefault;
        return TRUE;
    }
    BOOL ExchangeBool(LPCSTR, BOOL& bValue, BOOL bDefault) override
    {
        bValue = bDefault;
        return TRUE;
    }
    BOOL ExchangeShort(LPCSTR, short& nValue, short nDefault) override
    {
        nValue = nDefault;
        return TRUE;
    }
    BOOL ExchangeLong(LPCSTR, long& lValue, long lDefault) override
    {
        lValue = lDefault;
        return TRUE;
    }
    BOOL ExchangeString(LPCSTR, CString& strValue, LPCSTR pszDefault) override
    {
        strValue = pszDefault != nullptr ? pszDefault : "";
        return TRUE;
    }
    BOOL ExchangeBlob(LPCSTR, HGLOBAL* phBlob) override
    {
        *phBlob = nullptr;
        return TRUE;
    }
};

const long cxExtentDefault = 5080; // HIMETRIC: two inches by one
const long cyExtentDefault = 2540;

template <class T> void ReleaseInterface(T*& p)
{
    if (p != nullptr) {
        p->Release();
        p = nullptr;
    }
}
} // namespace

// The one connection point: the container's IPropertyNotifySink sinks. Lives as long as the
// control and counts its references on it.
class COleControl::CNotifyPoint : public IConnectionPoint
{
public:
    explicit CNotifyPoint(COleControl* pControl) : m_pControl(pControl) {}
    virtual ~CNotifyPoint()
    {
        for (IPropertyNotifySink*& p : m_sinks) {
            ReleaseInterface(p);
        }
    }
    CNotifyPoint(const CNotifyPoint&) = delete;
    CNotifyPoint& operator=(const CNotifyPoint&) = delete;

    void Changed(DISPID dispid)
    {
        for (IPropertyNotifySink* p : m_sinks) {
            if (p != nullptr) {
                p->OnChanged(dispid);
            }
        }
    }

    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IConnectionPoint)) {
            *ppv = static_cast<IConnectionPoint*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return m_pControl->AddRef(); }
    STDMETHOD_(ULONG, Release)() override { return m_pControl->Release(); }
    STDMETHOD(GetConnectionInterface)(IID* pIID) override
    {
        if (pIID == nullptr) {
            return E_POINTER;
        }
        *pIID = IID_IPropertyNotifySink;
        return S_OK;
    }
    STDMETHOD(GetConnectionPointContainer)(IConnectionPointContainer** ppCPC) override
    {
        if (ppCPC == nullptr) {
            return E_POINTER;
        }
        *ppCPC = static_cast<IConnectionPointContainer*>(m_pControl);
        m_pControl->AddRef();
        return S_OK;
    }
    STDMETHOD(Advise)(IUnknown* pUnkSink, DWORD* pdwCookie) override
    {
        if (pUnkSink == nullptr || pdwCookie == nullptr) {
            return E_POINTER;
        }
        *pdwCookie = 0;
        for (DWORD i = 0; i < nMaxSinks; ++i) {
            if (m_sinks[i] == nullptr) {
                if (FAILED(pUnkSink->QueryInterface(IID_IPropertyNotifySink, reinterpret_cast<void**>(&m_sinks[i])))) {
                    m_sinks[i] = nullptr;
                    return CONNECT_E_CANNOTCONNECT;
                }
                *pdwCookie = i + 1;
                return S_OK;
            }
        }
        return CONNECT_E_ADVISELIMIT;
    }
    STDMETHOD(Unadvise)(DWORD dwCookie) override
    {
        if (dwCookie < 1 || dwCookie > nMaxSinks || m_sinks[dwCookie - 1] == nullptr) {
            return CONNECT_E_NOCONNECTION;
        }
        ReleaseInterface(m_sinks[dwCookie - 1]);
        return S_OK;
    }
    STDMETHOD(EnumConnections)(IEnumConnections** ppEnum) override
    {
        if (ppEnum != nullptr) {
            *ppEnum = nullptr;
        }
        return E_NOTIMPL;
    }

private:
    static constexpr DWORD nMaxSinks = 8;
    COleControl* m_pControl;
    IPropertyNotifySink* m_sinks[nMaxSinks] = {};
};

COleControl::COleControl()
    : m_nRef(1), m_pFactory(nullptr), m_hModule(nullptr), m_pClientSite(nullptr), m_pInPlaceSite(nullptr),
      m_pInPlaceFrame(nullptr), m_pInPlaceDoc(nullptr), m_pOleAdviseHolder(nullptr), m_pViewAdviseSink(nullptr),
      m_dwViewAdviseFlags(0), m_bInPlaceActive(FALSE), m_bUIActive(FALSE), m_bModified(FALSE),
      m_sizeExtent(cxExtentDefault, cyExtentDefault), m_pNotifyPoint(new CNotifyPoint(this))
{
}

COleControl::~COleControl()
{
    // The window goes first: its messages must not reach interfaces released below.
    if (m_hWnd != nullptr) {
        DestroyWindow();
    }
    delete m_pNotifyPoint;
    ReleaseInterface(m_pInPlaceFrame);
    ReleaseInterface(m_pInPlaceDoc);
    ReleaseInterface(m_pInPlaceSite);
    ReleaseInterface(m_pClientSite);
    ReleaseInterface(m_pOleAdviseHolder);
    ReleaseInterface(m_pViewAdviseSink);
    if (m_pFactory != nullptr) {
        m_pFactory->ObjectDestroyed();
    }
}

void COleControl::InitFromFactory(COleObjectFactory* pFactory)
{
    m_pFactory = pFactory;
    m_hModule = pFactory->GetModule();
    pFactory->ObjectCreated();
    OnResetState();
    m_bModified = FALSE;
}

IDispatch* COleControl::GetIDispatch(BOOL bAddRef)
{
    if (bAddRef) {
        AddRef();
    }
    return static_cast<IDispatch*>(this);
}

ULONG COleControl::ExternalAddRef()
{
    return AddRef();
}

ULONG COleControl::ExternalRelease()
{
    return Release();
}

void COleControl::SetModifiedFlag(BOOL bModified)
{
    m_bModified = bModified;
}

void COleControl::BoundPropertyChanged(DISPID dispid)
{
    m_pNotifyPoint->Changed(dispid);
}

void COleControl::InvalidateControl(LPCRECT lpRect)
{
    if (m_hWnd != nullptr) {
        InvalidateRect(lpRect, TRUE);
    }
    if (m_pViewAdviseSink != nullptr) {
        m_pViewAdviseSink->OnViewChange(DVASPECT_CONTENT, -1);
    }
}

void COleControl::OnDraw(CDC*, const CRect&, const CRect&)
{
}

void COleControl::OnDrawMetafile(CDC* pDC, const CRect& rcBounds)
{
    OnDraw(pDC, rcBounds, rcBounds);
}

void COleControl::ExchangeStockProps(CPropExchange* pPX)
{
    long cx = m_sizeExtent.cx;
    long cy = m_sizeExtent.cy;
    pPX->ExchangeLong("_ExtentX", cx, cxExtentDefault);
    pPX->ExchangeLong("_ExtentY", cy, cyExtentDefault);
    if (pPX->IsLoading()) {
        m_sizeExtent = CSize(cx > 0 ? cx : cxExtentDefault, cy > 0 ? cy : cyExtentDefault);
    }
}

void COleControl::DoPropExchange(CPropExchange* pPX)
{
    ExchangeStockProps(pPX);
}

void COleControl::OnResetState()
{
    CResetPropExchange px;
    DoPropExchange(&px);
}

const CLSID* COleControl::GetPropPageIDs(ULONG& nPages)
{
    nPages = 0;
    return nullptr;
}

void COleControl::OnPaint()
{
    CPaintDC dc(m_hWnd);
    CRect rcClient;
    GetClientRect(&rcClient);
    OnDraw(&dc, rcClient, CRect(dc.m_ps.rcPaint));
}

BOOL COleControl::OnEraseBkgnd(CDC*)
{
    // OnDraw paints the whole control.
    return TRUE;
}

void COleControl::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (!m_bUIActive && m_bInPlaceActive) {
        UIActivate();
    }
}

void COleControl::PostNcDestroy()
{
    // The COM references own the object, never its window.
}

// IUnknown

STDMETHODIMP COleControl::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr) {
        return E_POINTER;
    }
    *ppv = nullptr;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleObject)) {
        *ppv = static_cast<IOleObject*>(this);
    } else if (IsEqualIID(riid, IID_IDispatch)) {
        *ppv = static_cast<IDispatch*>(this);
    } else if (IsEqualIID(riid, IID_IOleWindow) || IsEqualIID(riid, IID_IOleInPlaceObject)) {
        *ppv = static_cast<IOleInPlaceObject*>(this);
    } else if (IsEqualIID(riid, IID_IOleInPlaceActiveObject)) {
        *ppv = static_cast<IOleInPlaceActiveObject*>(this);
    } else if (IsEqualIID(riid, IID_IViewObject) || IsEqualIID(riid, IID_IViewObject2)) {
        *ppv = static_cast<IViewObject2*>(this);
    } else if (IsEqualIID(riid, IID_IPersist) || IsEqualIID(riid, IID_IPersistStreamInit)) {
        *ppv = static_cast<IPersistStreamInit*>(this);
    } else if (IsEqualIID(riid, IID_IPersistStream)) {
        // IPersistStreamInit is IPersistStream plus InitNew, slot for slot.
        *ppv = static_cast<IPersistStreamInit*>(this);
    } else if (IsEqualIID(riid, IID_IPersistStorage)) {
        *ppv = static_cast<IPersistStorage*>(this);
    } else if (IsEqualIID(riid, IID_IPersistPropertyBag)) {
        *ppv = static_cast<IPersistPropertyBag*>(this);
    } else if (IsEqualIID(riid, IID_IOleControl)) {
        *ppv = static_cast<IOleControl*>(this);
    } else if (IsEqualIID(riid, IID_ISpecifyPropertyPages)) {
        *ppv = static_cast<ISpecifyPropertyPages*>(this);
    } else if (IsEqualIID(riid, IID_IConnectionPointContainer)) {
        *ppv = static_cast<IConnectionPointContainer*>(this);
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) COleControl::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_nRef));
}

STDMETHODIMP_(ULONG) COleControl::Release()
{
    LONG n = InterlockedDecrement(&m_nRef);
    if (n == 0) {
        CFxModuleStateSwitch state(m_hModule);
        delete this;
    }
    return static_cast<ULONG>(n);
}

// IDispatch

STDMETHODIMP COleControl::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo == nullptr) {
        return E_POINTER;
    }
    *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP COleControl::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo)
{
    if (ppTInfo != nullptr) {
        *ppTInfo = nullptr;
    }
    return DISP_E_BADINDEX;
}

STDMETHODIMP COleControl::GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID, DISPID* rgDispId)
{
    return DispGetIDsOfNames(rgszNames, cNames, rgDispId);
}

STDMETHODIMP COleControl::Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS* pDispParams,
                                 VARIANT* pVarResult, EXCEPINFO*, UINT* puArgErr)
{
    return FxOleEntry("COleControl::Invoke", m_hModule,
                      [&]() -> HRESULT { return DispInvoke(dispIdMember, wFlags, pDispParams, pVarResult, puArgErr); });
}

// IOleObject

STDMETHODIMP COleControl::SetClientSite(IOleClientSite* pClientSite)
{
    if (pClientSite != nullptr) {
        pClientSite->AddRef();
    }
    ReleaseInterface(m_pClientSite);
    m_pClientSite = pClientSite;
    return S_OK;
}

STDMETHODIMP COleControl::GetClientSite(IOleClientSite** ppClientSite)
{
    if (ppClientSite == nullptr) {
        return E_POINTER;
    }
    *ppClientSite = m_pClientSite;
    if (m_pClientSite != nullptr) {
        m_pClientSite->AddRef();
    }
    return S_OK;
}

STDMETHODIMP COleControl::SetHostNames(LPCOLESTR, LPCOLESTR)
{
    return S_OK;
}

STDMETHODIMP COleControl::Close(DWORD)
{
    return FxOleEntry("COleControl::Close", m_hModule, [&]() -> HRESULT {
        InPlaceDeactivate();
        if (m_pOleAdviseHolder != nullptr) {
            m_pOleAdviseHolder->SendOnClose();
        }
        return S_OK;
    });
}

STDMETHODIMP COleControl::SetMoniker(DWORD, IMoniker*)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    if (ppmk != nullptr) {
        *ppmk = nullptr;
    }
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::InitFromData(IDataObject*, BOOL, DWORD)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::GetClipboardData(DWORD, IDataObject** ppDataObject)
{
    if (ppDataObject != nullptr) {
        *ppDataObject = nullptr;
    }
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::DoVerb(LONG iVerb, LPMSG, IOleClientSite* pActiveSite, LONG, HWND hwndParent,
                                 LPCRECT lprcPosRect)
{
    return FxOleEntry("COleControl::DoVerb", m_hModule, [&]() -> HRESULT {
        switch (iVerb) {
        case OLEIVERB_PRIMARY:
        case OLEIVERB_SHOW:
        case OLEIVERB_INPLACEACTIVATE:
        case OLEIVERB_UIACTIVATE:
            return InPlaceActivate(iVerb, pActiveSite, hwndParent, lprcPosRect);
        case OLEIVERB_HIDE:
            if (m_hWnd != nullptr) {
                ShowWindow(SW_HIDE);
            }
            return S_OK;
        case OLEIVERB_PROPERTIES: {
            ULONG nPages = 0;
            const CLSID* pPages = GetPropPageIDs(nPages);
            if (nPages == 0) {
                return E_NOTIMPL;
            }
            IUnknown* pUnk = static_cast<IOleObject*>(this);
            return OleCreatePropertyFrame(hwndParent, 0, 0, L"", 1, &pUnk, nPages, const_cast<CLSID*>(pPages),
                                          LOCALE_USER_DEFAULT, 0, nullptr);
        }
        default:
            return OLEOBJ_S_INVALIDVERB;
        }
    });
}

STDMETHODIMP COleControl::EnumVerbs(IEnumOLEVERB** ppEnumOleVerb)
{
    if (m_pFactory == nullptr) {
        return E_UNEXPECTED;
    }
    return OleRegEnumVerbs(m_pFactory->GetClassID(), ppEnumOleVerb);
}

STDMETHODIMP COleControl::Update()
{
    return S_OK;
}

STDMETHODIMP COleControl::IsUpToDate()
{
    return S_OK;
}

STDMETHODIMP COleControl::GetUserClassID(CLSID* pClsid)
{
    return GetClassID(pClsid);
}

STDMETHODIMP COleControl::GetUserType(DWORD dwFormOfType, LPOLESTR* pszUserType)
{
    if (m_pFactory == nullptr) {
        return E_UNEXPECTED;
    }
    return OleRegGetUserType(m_pFactory->GetClassID(), dwFormOfType, pszUserType);
}

STDMETHODIMP COleControl::SetExtent(DWORD dwDrawAspect, SIZEL* psizel)
{
    if (psizel == nullptr) {
        return E_POINTER;
    }
    if (dwDrawAspect != DVASPECT_CONTENT) {
        return DV_E_DVASPECT;
    }
    if (psizel->cx <= 0 || psizel->cy <= 0) {
        return E_INVALIDARG;
    }
    if (psizel->cx != m_sizeExtent.cx || psizel->cy != m_sizeExtent.cy) {
        m_sizeExtent = CSize(psizel->cx, psizel->cy);
        SetModifiedFlag();
    }
    return S_OK;
}

STDMETHODIMP COleControl::GetExtent(DWORD dwDrawAspect, SIZEL* psizel)
{
    if (psizel == nullptr) {
        return E_POINTER;
    }
    if (dwDrawAspect != DVASPECT_CONTENT) {
        return DV_E_DVASPECT;
    }
    psizel->cx = m_sizeExtent.cx;
    psizel->cy = m_sizeExtent.cy;
    return S_OK;
}

STDMETHODIMP COleControl::Advise(IAdviseSink* pAdvSink, DWORD* pdwConnection)
{
    if (m_pOleAdviseHolder == nullptr && FAILED(CreateOleAdviseHolder(&m_pOleAdviseHolder))) {
        return E_OUTOFMEMORY;
    }
    return m_pOleAdviseHolder->Advise(pAdvSink, pdwConnection);
}

STDMETHODIMP COleControl::Unadvise(DWORD dwConnection)
{
    if (m_pOleAdviseHolder == nullptr) {
        return OLE_E_NOCONNECTION;
    }
    return m_pOleAdviseHolder->Unadvise(dwConnection);
}

STDMETHODIMP COleControl::EnumAdvise(IEnumSTATDATA** ppenumAdvise)
{
    if (ppenumAdvise == nullptr) {
        return E_POINTER;
    }
    *ppenumAdvise = nullptr;
    return m_pOleAdviseHolder != nullptr ? m_pOleAdviseHolder->EnumAdvise(ppenumAdvise) : E_FAIL;
}

STDMETHODIMP COleControl::GetMiscStatus(DWORD, DWORD* pdwStatus)
{
    if (pdwStatus == nullptr) {
        return E_POINTER;
    }
    *pdwStatus = m_pFactory != nullptr ? m_pFactory->GetRegInfo().dwMiscStatus : 0;
    return S_OK;
}

STDMETHODIMP COleControl::SetColorScheme(LOGPALETTE*)
{
    return E_NOTIMPL;
}

// In-place activation

HRESULT COleControl::InPlaceActivate(LONG iVerb, IOleClientSite* pSite, HWND hwndParent, LPCRECT lprcPosRect)
{
    if (pSite == nullptr) {
        pSite = m_pClientSite;
    }
    if (!m_bInPlaceActive) {
        if (pSite == nullptr) {
            return E_UNEXPECTED;
        }
        IOleInPlaceSite* pInPlaceSite = nullptr;
        if (FAILED(pSite->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&pInPlaceSite)))) {
            return OLEOBJ_S_CANNOT_DOVERB_NOW;
        }
        if (pInPlaceSite->CanInPlaceActivate() != S_OK) {
            pInPlaceSite->Release();
            return E_FAIL;
        }
        m_pInPlaceSite = pInPlaceSite;
        m_pInPlaceSite->OnInPlaceActivate();
        m_bInPlaceActive = TRUE;

        HWND hwndSite = nullptr;
        m_pInPlaceSite->GetWindow(&hwndSite);
        if (hwndSite != nullptr) {
            hwndParent = hwndSite;
        }
        CRect rcPos(0, 0, 0, 0);
        CRect rcClip(0, 0, 0, 0);
        OLEINPLACEFRAMEINFO frameInfo = {};
        frameInfo.cb = sizeof(frameInfo);
        ReleaseInterface(m_pInPlaceFrame);
        ReleaseInterface(m_pInPlaceDoc);
        m_pInPlaceSite->GetWindowContext(&m_pInPlaceFrame, &m_pInPlaceDoc, &rcPos, &rcClip, &frameInfo);
        if (lprcPosRect != nullptr) {
            rcPos = CRect(lprcPosRect);
        }
        if (m_hWnd == nullptr && !CreateEx(0, nullptr, "", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP,
                                           rcPos.left, rcPos.top, rcPos.Width(), rcPos.Height(), hwndParent, nullptr)) {
            InPlaceDeactivate();
            return E_FAIL;
        }
        ShowWindow(SW_SHOWNA);
    }
    if (iVerb == OLEIVERB_UIACTIVATE || iVerb == OLEIVERB_PRIMARY) {
        return UIActivate();
    }
    return S_OK;
}

HRESULT COleControl::UIActivate()
{
    if (!m_bInPlaceActive) {
        return E_UNEXPECTED;
    }
    if (!m_bUIActive) {
        m_bUIActive = TRUE;
        m_pInPlaceSite->OnUIActivate();
        if (m_pInPlaceFrame != nullptr) {
            m_pInPlaceFrame->SetActiveObject(static_cast<IOleInPlaceActiveObject*>(this), nullptr);
        }
        if (m_pInPlaceDoc != nullptr) {
            m_pInPlaceDoc->SetActiveObject(static_cast<IOleInPlaceActiveObject*>(this), nullptr);
        }
    }
    if (m_hWnd != nullptr && ::GetFocus() != m_hWnd) {
        SetFocus();
    }
    return S_OK;
}

// IOleWindow, IOleInPlaceObject

STDMETHODIMP COleControl::GetWindow(HWND* phwnd)
{
    if (phwnd == nullptr) {
        return E_POINTER;
    }
    *phwnd = m_hWnd;
    return m_hWnd != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP COleControl::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::InPlaceDeactivate()
{
    return FxOleEntry("COleControl::InPlaceDeactivate", m_hModule, [&]() -> HRESULT {
        if (!m_bInPlaceActive) {
            return S_OK;
        }
        UIDeactivate();
        m_bInPlaceActive = FALSE;
        if (m_hWnd != nullptr) {
            DestroyWindow();
        }
        ReleaseInterface(m_pInPlaceFrame);
        ReleaseInterface(m_pInPlaceDoc);
        if (m_pInPlaceSite != nullptr) {
            m_pInPlaceSite->OnInPlaceDeactivate();
            ReleaseInterface(m_pInPlaceSite);
        }
        return S_OK;
    });
}

STDMETHODIMP COleControl::UIDeactivate()
{
    if (!m_bUIActive) {
        return S_OK;
    }
    m_bUIActive = FALSE;
    if (m_pInPlaceFrame != nullptr) {
        m_pInPlaceFrame->SetActiveObject(nullptr, nullptr);
    }
    if (m_pInPlaceDoc != nullptr) {
        m_pInPlaceDoc->SetActiveObject(nullptr, nullptr);
    }
    if (m_pInPlaceSite != nullptr) {
        m_pInPlaceSite->OnUIDeactivate(FALSE);
    }
    return S_OK;
}

STDMETHODIMP COleControl::SetObjectRects(LPCRECT lprcPosRect, LPCRECT)
{
    if (lprcPosRect == nullptr) {
        return E_POINTER;
    }
    return FxOleEntry("COleControl::SetObjectRects", m_hModule, [&]() -> HRESULT {
        if (m_hWnd != nullptr) {
            MoveWindow(lprcPosRect, TRUE);
        }
        return S_OK;
    });
}

STDMETHODIMP COleControl::ReactivateAndUndo()
{
    return E_NOTIMPL;
}

// IOleInPlaceActiveObject

STDMETHODIMP COleControl::TranslateAccelerator(LPMSG lpmsg)
{
    if (lpmsg == nullptr) {
        return E_POINTER;
    }
    return FxOleEntry("COleControl::TranslateAccelerator", m_hModule,
                      [&]() -> HRESULT { return PreTranslateMessage(lpmsg) ? S_OK : S_FALSE; });
}

STDMETHODIMP COleControl::OnFrameWindowActivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP COleControl::OnDocWindowActivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP COleControl::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL)
{
    return S_OK;
}

STDMETHODIMP COleControl::EnableModeless(BOOL)
{
    return S_OK;
}

// IViewObject2

STDMETHODIMP COleControl::Draw(DWORD dwDrawAspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC hdcDraw, LPCRECTL lprcBounds,
                               LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR)
{
    if (dwDrawAspect != DVASPECT_CONTENT) {
        return DV_E_DVASPECT;
    }
    if (hdcDraw == nullptr) {
        return E_INVALIDARG;
    }
    return FxOleEntry("COleControl::Draw", m_hModule, [&]() -> HRESULT {
        CRect rcBounds;
        if (lprcBounds != nullptr) {
            rcBounds = CRect(lprcBounds->left, lprcBounds->top, lprcBounds->right, lprcBounds->bottom);
        } else if (m_hWnd != nullptr) {
            GetClientRect(&rcBounds);
        } else {
            return E_INVALIDARG;
        }
        // The container's DC is borrowed: its state comes back as it was.
        CDC dc;
        dc.Attach(hdcDraw);
        const int nSaved = dc.SaveDC();
        const int nTechnology = dc.GetDeviceCaps(TECHNOLOGY);
        if (nTechnology == DT_METAFILE || dc.IsPrinting() || GetObjectType(hdcDraw) == OBJ_ENHMETADC) {
            OnDrawMetafile(&dc, rcBounds);
        } else {
            OnDraw(&dc, rcBounds, rcBounds);
        }
        dc.RestoreDC(nSaved);
        dc.Detach();
        return S_OK;
    });
}

STDMETHODIMP COleControl::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** ppColorSet)
{
    if (ppColorSet != nullptr) {
        *ppColorSet = nullptr;
    }
    return S_FALSE;
}

STDMETHODIMP COleControl::Freeze(DWORD, LONG, void*, DWORD*)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::Unfreeze(DWORD)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::SetAdvise(DWORD, DWORD advf, IAdviseSink* pAdvSink)
{
    if (pAdvSink != nullptr) {
        pAdvSink->AddRef();
    }
    ReleaseInterface(m_pViewAdviseSink);
    m_pViewAdviseSink = pAdvSink;
    m_dwViewAdviseFlags = advf;
    return S_OK;
}

STDMETHODIMP COleControl::GetAdvise(DWORD* pAspects, DWORD* pAdvf, IAdviseSink** ppAdvSink)
{
    if (pAspects != nullptr) {
        *pAspects = DVASPECT_CONTENT;
    }
    if (pAdvf != nullptr) {
        *pAdvf = m_dwViewAdviseFlags;
    }
    if (ppAdvSink != nullptr) {
        *ppAdvSink = m_pViewAdviseSink;
        if (m_pViewAdviseSink != nullptr) {
            m_pViewAdviseSink->AddRef();
        }
    }
    return S_OK;
}

STDMETHODIMP COleControl::GetExtent(DWORD dwDrawAspect, LONG, DVTARGETDEVICE*, LPSIZEL lpsizel)
{
    return GetExtent(dwDrawAspect, lpsizel);
}

// Persistence

HRESULT COleControl::LoadFrom(CPropExchange* pPX)
{
    DoPropExchange(pPX);
    if (pPX->IsFailed()) {
        // A damaged medium leaves the control as new, never half loaded.
        OnResetState();
        SetModifiedFlag(FALSE);
        InvalidateControl();
        return E_FAIL;
    }
    SetModifiedFlag(FALSE);
    InvalidateControl();
    return S_OK;
}

HRESULT COleControl::SaveTo(CPropExchange* pPX, BOOL fClearDirty)
{
    DoPropExchange(pPX);
    if (pPX->IsFailed()) {
        return STG_E_CANTSAVE;
    }
    if (fClearDirty) {
        SetModifiedFlag(FALSE);
    }
    return S_OK;
}

STDMETHODIMP COleControl::GetClassID(CLSID* pClassID)
{
    if (pClassID == nullptr) {
        return E_POINTER;
    }
    if (m_pFactory == nullptr) {
        return E_UNEXPECTED;
    }
    *pClassID = m_pFactory->GetClassID();
    return S_OK;
}

STDMETHODIMP COleControl::IsDirty()
{
    return m_bModified ? S_OK : S_FALSE;
}

STDMETHODIMP COleControl::Load(LPSTREAM pStm)
{
    if (pStm == nullptr) {
        return E_POINTER;
    }
    return FxOleEntry("COleControl::Load(IStream)", m_hModule, [&]() -> HRESULT {
        CStreamPropExchange px(pStm, TRUE);
        return LoadFrom(&px);
    });
}

STDMETHODIMP COleControl::Save(LPSTREAM pStm, BOOL fClearDirty)
{
    if (pStm == nullptr) {
        return E_POINTER;
    }
    return FxOleEntry("COleControl::Save(IStream)", m_hModule, [&]() -> HRESULT {
        CStreamPropExchange px(pStm, FALSE);
        return SaveTo(&px, fClearDirty);
    });
}

STDMETHODIMP COleControl::GetSizeMax(ULARGE_INTEGER*)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::InitNew()
{
    return FxOleEntry("COleControl::InitNew", m_hModule, [&]() -> HRESULT {
        OnResetState();
        SetModifiedFlag(FALSE);
        return S_OK;
    });
}

STDMETHODIMP COleControl::InitNew(IStorage*)
{
    return InitNew();
}

STDMETHODIMP COleControl::Load(IStorage* pStg)
{
    if (pStg == nullptr) {
        return E_POINTER;
    }
    IStream* pStm = nullptr;
    HRESULT hr = pStg->OpenStream(L"Contents", nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &pStm);
    if (FAILED(hr)) {
        return hr;
    }
    hr = Load(pStm);
    pStm->Release();
    return hr;
}

STDMETHODIMP COleControl::Save(IStorage* pStgSave, BOOL)
{
    if (pStgSave == nullptr) {
        return E_POINTER;
    }
    IStream* pStm = nullptr;
    HRESULT hr = pStgSave->CreateStream(L"Contents", STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0, &pStm);
    if (FAILED(hr)) {
        return hr;
    }
    hr = Save(pStm, TRUE);
    pStm->Release();
    return hr;
}

STDMETHODIMP COleControl::SaveCompleted(IStorage*)
{
    return S_OK;
}

STDMETHODIMP COleControl::HandsOffStorage()
{
    return S_OK;
}

STDMETHODIMP COleControl::Load(IPropertyBag* pPropBag, IErrorLog* pErrorLog)
{
    if (pPropBag == nullptr) {
        return E_POINTER;
    }
    return FxOleEntry("COleControl::Load(IPropertyBag)", m_hModule, [&]() -> HRESULT {
        CBagPropExchange px(pPropBag, pErrorLog, TRUE);
        return LoadFrom(&px);
    });
}

STDMETHODIMP COleControl::Save(IPropertyBag* pPropBag, BOOL fClearDirty, BOOL)
{
    if (pPropBag == nullptr) {
        return E_POINTER;
    }
    return FxOleEntry("COleControl::Save(IPropertyBag)", m_hModule, [&]() -> HRESULT {
        CBagPropExchange px(pPropBag, nullptr, FALSE);
        return SaveTo(&px, fClearDirty);
    });
}

// IOleControl

STDMETHODIMP COleControl::GetControlInfo(CONTROLINFO*)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::OnMnemonic(MSG*)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::OnAmbientPropertyChange(DISPID)
{
    return S_OK;
}

STDMETHODIMP COleControl::FreezeEvents(BOOL)
{
    return S_OK;
}

// ISpecifyPropertyPages

STDMETHODIMP COleControl::GetPages(CAUUID* pPages)
{
    if (pPages == nullptr) {
        return E_POINTER;
    }
    return FxOleEntry("COleControl::GetPages", m_hModule, [&]() -> HRESULT {
        ULONG nPages = 0;
        const CLSID* pIDs = GetPropPageIDs(nPages);
        pPages->cElems = 0;
        pPages->pElems = nullptr;
        if (nPages == 0) {
            return S_OK;
        }
        pPages->pElems = static_cast<GUID*>(CoTaskMemAlloc(nPages * sizeof(GUID)));
        if (pPages->pElems == nullptr) {
            return E_OUTOFMEMORY;
        }
        for (ULONG i = 0; i < nPages; ++i) {
            pPages->pElems[i] = pIDs[i];
        }
        pPages->cElems = nPages;
        return S_OK;
    });
}

// IConnectionPointContainer

STDMETHODIMP COleControl::EnumConnectionPoints(IEnumConnectionPoints** ppEnum)
{
    if (ppEnum != nullptr) {
        *ppEnum = nullptr;
    }
    return E_NOTIMPL;
}

STDMETHODIMP COleControl::FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP)
{
    if (ppCP == nullptr) {
        return E_POINTER;
    }
    *ppCP = nullptr;
    if (!IsEqualIID(riid, IID_IPropertyNotifySink)) {
        return CONNECT_E_NOCONNECTION;
    }
    *ppCP = m_pNotifyPoint;
    m_pNotifyPoint->AddRef();
    return S_OK;
}
