#include "platform/ole/OleControlSite.h"

namespace
{
template <class T> void ReleaseInterface(T*& p)
{
    if (p != nullptr) {
        p->Release();
        p = nullptr;
    }
}

// Device pixels of the screen to HIMETRIC (0.01 mm), as controls keep their extent.
SIZEL PixelsToHimetric(int cx, int cy)
{
    HDC hdc = GetDC(nullptr);
    SIZEL size = {MulDiv(cx, 2540, GetDeviceCaps(hdc, LOGPIXELSX)), MulDiv(cy, 2540, GetDeviceCaps(hdc, LOGPIXELSY))};
    ReleaseDC(nullptr, hdc);
    return size;
}
} // namespace

COleControlSite::COleControlSite(HWND hWndHost)
    : m_nRef(1), m_hWndHost(hWndHost), m_pObject(nullptr), m_pInPlaceObject(nullptr), m_pActiveObject(nullptr),
      m_pDispatch(nullptr), m_dwNotifyCookie(0), m_bInPlaceActive(FALSE), m_nChanges(0),
      m_dispidLastChanged(DISPID_UNKNOWN)
{
}

COleControlSite::~COleControlSite()
{
    // The host destroyed the control first; only stray references can be left.
    ReleaseInterface(m_pActiveObject);
    ReleaseInterface(m_pInPlaceObject);
    ReleaseInterface(m_pDispatch);
    ReleaseInterface(m_pObject);
}

HRESULT COleControlSite::CreateControl(REFCLSID clsid, IStream* pPersist)
{
    DestroyControl();
    HRESULT hr =
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, reinterpret_cast<void**>(&m_pObject));
    if (FAILED(hr)) {
        m_pObject = nullptr;
        return hr;
    }
    DWORD dwMisc = 0;
    m_pObject->GetMiscStatus(DVASPECT_CONTENT, &dwMisc);
    const BOOL bSiteFirst = (dwMisc & OLEMISC_SETCLIENTSITEFIRST) != 0;
    if (bSiteFirst) {
        m_pObject->SetClientSite(this);
    }
    IPersistStreamInit* pPersistInit = nullptr;
    if (SUCCEEDED(m_pObject->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&pPersistInit)))) {
        hr = pPersist != nullptr ? pPersistInit->Load(pPersist) : pPersistInit->InitNew();
        pPersistInit->Release();
        if (FAILED(hr)) {
            DestroyControl();
            return hr;
        }
    }
    if (!bSiteFirst) {
        m_pObject->SetClientSite(this);
    }
    m_pObject->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&m_pDispatch));

    IConnectionPointContainer* pContainer = nullptr;
    if (SUCCEEDED(m_pObject->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&pContainer)))) {
        IConnectionPoint* pPoint = nullptr;
        if (SUCCEEDED(pContainer->FindConnectionPoint(IID_IPropertyNotifySink, &pPoint))) {
            pPoint->Advise(static_cast<IPropertyNotifySink*>(this), &m_dwNotifyCookie);
            pPoint->Release();
        }
        pContainer->Release();
    }

    RECT rc;
    GetClientRect(m_hWndHost, &rc);
    SIZEL size = PixelsToHimetric(rc.right - rc.left, rc.bottom - rc.top);
    if (size.cx > 0 && size.cy > 0) {
        m_pObject->SetExtent(DVASPECT_CONTENT, &size);
    }
    hr = m_pObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, m_hWndHost, &rc);
    if (FAILED(hr)) {
        DestroyControl();
        return hr;
    }
    return S_OK;
}

void COleControlSite::DestroyControl()
{
    if (m_pObject == nullptr) {
        return;
    }
    // Held across the teardown: the control releases its references to this site as it goes.
    AddRef();
    if (m_dwNotifyCookie != 0) {
        IConnectionPointContainer* pContainer = nullptr;
        if (SUCCEEDED(
                m_pObject->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&pContainer)))) {
            IConnectionPoint* pPoint = nullptr;
            if (SUCCEEDED(pContainer->FindConnectionPoint(IID_IPropertyNotifySink, &pPoint))) {
                pPoint->Unadvise(m_dwNotifyCookie);
                pPoint->Release();
            }
            pContainer->Release();
        }
        m_dwNotifyCookie = 0;
    }
    if (m_pInPlaceObject != nullptr) {
        m_pInPlaceObject->InPlaceDeactivate();
    }
    ReleaseInterface(m_pActiveObject);
    ReleaseInterface(m_pInPlaceObject);
    ReleaseInterface(m_pDispatch);
    m_pObject->Close(OLECLOSE_NOSAVE);
    m_pObject->SetClientSite(nullptr);
    ReleaseInterface(m_pObject);
    Release();
}

void COleControlSite::MoveControl()
{
    if (m_pInPlaceObject == nullptr || m_pObject == nullptr) {
        return;
    }
    RECT rc;
    GetClientRect(m_hWndHost, &rc);
    SIZEL size = PixelsToHimetric(rc.right - rc.left, rc.bottom - rc.top);
    if (size.cx > 0 && size.cy > 0) {
        m_pObject->SetExtent(DVASPECT_CONTENT, &size);
    }
    m_pInPlaceObject->SetObjectRects(&rc, &rc);
}

HRESULT COleControlSite::ActivateUI()
{
    if (m_pObject == nullptr) {
        return E_UNEXPECTED;
    }
    RECT rc;
    GetClientRect(m_hWndHost, &rc);
    return m_pObject->DoVerb(OLEIVERB_UIACTIVATE, nullptr, this, 0, m_hWndHost, &rc);
}

BOOL COleControlSite::TranslateControlAccelerator(MSG* pMsg)
{
    return m_pActiveObject != nullptr && m_pActiveObject->TranslateAccelerator(pMsg) == S_OK;
}

HWND COleControlSite::GetControlWindow() const
{
    HWND hWnd = nullptr;
    if (m_pInPlaceObject != nullptr) {
        m_pInPlaceObject->GetWindow(&hWnd);
    }
    return hWnd;
}

STDMETHODIMP COleControlSite::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr) {
        return E_POINTER;
    }
    *ppv = nullptr;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleClientSite)) {
        *ppv = static_cast<IOleClientSite*>(this);
    } else if (IsEqualIID(riid, IID_IOleWindow) || IsEqualIID(riid, IID_IOleInPlaceSite)) {
        *ppv = static_cast<IOleInPlaceSite*>(this);
    } else if (IsEqualIID(riid, IID_IOleInPlaceUIWindow) || IsEqualIID(riid, IID_IOleInPlaceFrame)) {
        *ppv = static_cast<IOleInPlaceFrame*>(this);
    } else if (IsEqualIID(riid, IID_IPropertyNotifySink)) {
        *ppv = static_cast<IPropertyNotifySink*>(this);
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) COleControlSite::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_nRef));
}

STDMETHODIMP_(ULONG) COleControlSite::Release()
{
    LONG n = InterlockedDecrement(&m_nRef);
    if (n == 0) {
        delete this;
    }
    return static_cast<ULONG>(n);
}

STDMETHODIMP COleControlSite::SaveObject()
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    if (ppmk != nullptr) {
        *ppmk = nullptr;
    }
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::GetContainer(IOleContainer** ppContainer)
{
    if (ppContainer != nullptr) {
        *ppContainer = nullptr;
    }
    return E_NOINTERFACE;
}

STDMETHODIMP COleControlSite::ShowObject()
{
    return S_OK;
}

STDMETHODIMP COleControlSite::OnShowWindow(BOOL)
{
    return S_OK;
}

STDMETHODIMP COleControlSite::RequestNewObjectLayout()
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::GetWindow(HWND* phwnd)
{
    if (phwnd == nullptr) {
        return E_POINTER;
    }
    *phwnd = m_hWndHost;
    return S_OK;
}

STDMETHODIMP COleControlSite::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::CanInPlaceActivate()
{
    return S_OK;
}

STDMETHODIMP COleControlSite::OnInPlaceActivate()
{
    m_bInPlaceActive = TRUE;
    if (m_pInPlaceObject == nullptr && m_pObject != nullptr) {
        m_pObject->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&m_pInPlaceObject));
    }
    return S_OK;
}

STDMETHODIMP COleControlSite::OnUIActivate()
{
    return S_OK;
}

STDMETHODIMP COleControlSite::GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                               LPRECT lprcPosRect, LPRECT lprcClipRect,
                                               LPOLEINPLACEFRAMEINFO lpFrameInfo)
{
    if (ppFrame == nullptr || ppDoc == nullptr || lprcPosRect == nullptr || lprcClipRect == nullptr) {
        return E_POINTER;
    }
    *ppFrame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *ppDoc = nullptr;
    GetClientRect(m_hWndHost, lprcPosRect);
    *lprcClipRect = *lprcPosRect;
    if (lpFrameInfo != nullptr) {
        lpFrameInfo->fMDIApp = FALSE;
        lpFrameInfo->hwndFrame = GetAncestor(m_hWndHost, GA_ROOT);
        lpFrameInfo->haccel = nullptr;
        lpFrameInfo->cAccelEntries = 0;
    }
    return S_OK;
}

STDMETHODIMP COleControlSite::Scroll(SIZE)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::OnUIDeactivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP COleControlSite::OnInPlaceDeactivate()
{
    m_bInPlaceActive = FALSE;
    ReleaseInterface(m_pInPlaceObject);
    return S_OK;
}

STDMETHODIMP COleControlSite::DiscardUndoState()
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::DeactivateAndUndo()
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::OnPosRectChange(LPCRECT lprcPosRect)
{
    if (m_pInPlaceObject != nullptr && lprcPosRect != nullptr) {
        m_pInPlaceObject->SetObjectRects(lprcPosRect, lprcPosRect);
    }
    return S_OK;
}

STDMETHODIMP COleControlSite::GetBorder(LPRECT)
{
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP COleControlSite::RequestBorderSpace(LPCBORDERWIDTHS)
{
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP COleControlSite::SetBorderSpace(LPCBORDERWIDTHS)
{
    return S_OK;
}

STDMETHODIMP COleControlSite::SetActiveObject(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR)
{
    if (pActiveObject != nullptr) {
        pActiveObject->AddRef();
    }
    ReleaseInterface(m_pActiveObject);
    m_pActiveObject = pActiveObject;
    return S_OK;
}

STDMETHODIMP COleControlSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS)
{
    return S_OK;
}

STDMETHODIMP COleControlSite::SetMenu(HMENU, HOLEMENU, HWND)
{
    return S_OK;
}

STDMETHODIMP COleControlSite::RemoveMenus(HMENU)
{
    return S_OK;
}

STDMETHODIMP COleControlSite::SetStatusText(LPCOLESTR)
{
    return S_OK;
}

STDMETHODIMP COleControlSite::EnableModeless(BOOL)
{
    return S_OK;
}

STDMETHODIMP COleControlSite::TranslateAccelerator(LPMSG, WORD)
{
    return S_FALSE;
}

STDMETHODIMP COleControlSite::OnChanged(DISPID dispID)
{
    ++m_nChanges;
    m_dispidLastChanged = dispID;
    return S_OK;
}

STDMETHODIMP COleControlSite::OnRequestEdit(DISPID)
{
    return S_OK;
}
