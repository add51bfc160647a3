#include "platform/ole/OleDropTarget.h"

#include "platform/base/Firewall.h"
#include "platform/win/Wnd.h"

COleDropTarget::COleDropTarget() : m_nRef(0), m_pWnd(nullptr)
{
}

COleDropTarget::~COleDropTarget()
{
    Revoke();
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    Revoke();
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr) {
        return FALSE;
    }
    if (FAILED(::RegisterDragDrop(pWnd->m_hWnd, this))) {
        return FALSE;
    }
    m_pWnd = pWnd;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    m_dataObject.Release();
    if (m_pWnd != nullptr) {
        // The window may be gone already (WM_DESTROY passed): OLE dropped its registration then.
        if (m_pWnd->m_hWnd != nullptr) {
            ::RevokeDragDrop(m_pWnd->m_hWnd);
        }
        m_pWnd = nullptr;
    }
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

void COleDropTarget::OnDragLeave(CWnd*)
{
}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

DROPEFFECT COleDropTarget::OnDragScroll(CWnd*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

CPoint COleDropTarget::ClientPoint(POINTL pt) const
{
    POINT ptClient = {pt.x, pt.y};
    if (m_pWnd != nullptr && m_pWnd->m_hWnd != nullptr) {
        ::ScreenToClient(m_pWnd->m_hWnd, &ptClient);
    }
    return CPoint(ptClient.x, ptClient.y);
}

DROPEFFECT COleDropTarget::Answer(BOOL bEnter, DWORD grfKeyState, POINTL pt, DWORD dwAllowed)
{
    const CPoint point = ClientPoint(pt);
    const DROPEFFECT dwScroll = OnDragScroll(m_pWnd, grfKeyState, point);
    DROPEFFECT dwEffect = dwScroll;
    if ((dwScroll & DROPEFFECT_SCROLL) == 0) {
        dwEffect = bEnter ? OnDragEnter(m_pWnd, &m_dataObject, grfKeyState, point)
                          : OnDragOver(m_pWnd, &m_dataObject, grfKeyState, point);
    }
    return dwEffect & (dwAllowed | DROPEFFECT_SCROLL);
}

STDMETHODIMP COleDropTarget::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr) {
        return E_POINTER;
    }
    *ppv = nullptr;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDropTarget)) {
        return E_NOINTERFACE;
    }
    *ppv = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
}

// The window's object deletes the target: the count only tells whether OLE still holds it.
STDMETHODIMP_(ULONG) COleDropTarget::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_nRef));
}

STDMETHODIMP_(ULONG) COleDropTarget::Release()
{
    return static_cast<ULONG>(InterlockedDecrement(&m_nRef));
}

STDMETHODIMP COleDropTarget::DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    if (pdwEffect == nullptr) {
        return E_INVALIDARG;
    }
    try {
        m_dataObject.Release();
        if (pDataObj != nullptr) {
            pDataObj->AddRef();
            m_dataObject.Attach(pDataObj);
        }
        *pdwEffect = m_pWnd != nullptr ? Answer(TRUE, grfKeyState, pt, *pdwEffect) : DROPEFFECT_NONE;
        return S_OK;
    } catch (...) {
        FxReportException("COleDropTarget::DragEnter");
        *pdwEffect = DROPEFFECT_NONE;
        return E_FAIL;
    }
}

STDMETHODIMP COleDropTarget::DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    if (pdwEffect == nullptr) {
        return E_INVALIDARG;
    }
    try {
        *pdwEffect = m_pWnd != nullptr ? Answer(FALSE, grfKeyState, pt, *pdwEffect) : DROPEFFECT_NONE;
        return S_OK;
    } catch (...) {
        FxReportException("COleDropTarget::DragOver");
        *pdwEffect = DROPEFFECT_NONE;
        return E_FAIL;
    }
}

STDMETHODIMP COleDropTarget::DragLeave()
{
    try {
        if (m_pWnd != nullptr) {
            OnDragLeave(m_pWnd);
        }
        m_dataObject.Release();
        return S_OK;
    } catch (...) {
        FxReportException("COleDropTarget::DragLeave");
        m_dataObject.Release();
        return E_FAIL;
    }
}

STDMETHODIMP COleDropTarget::Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    if (pdwEffect == nullptr) {
        return E_INVALIDARG;
    }
    try {
        // OLE passes the data again: it is the one to read, whatever enter kept.
        m_dataObject.Release();
        if (pDataObj != nullptr) {
            pDataObj->AddRef();
            m_dataObject.Attach(pDataObj);
        }
        DROPEFFECT dwEffect = DROPEFFECT_NONE;
        if (m_pWnd != nullptr) {
            const CPoint point = ClientPoint(pt);
            dwEffect = OnDragOver(m_pWnd, &m_dataObject, grfKeyState, point) & *pdwEffect & ~DROPEFFECT_SCROLL;
            if (dwEffect == DROPEFFECT_NONE) {
                OnDragLeave(m_pWnd);
            } else if (!OnDrop(m_pWnd, &m_dataObject, dwEffect, point)) {
                dwEffect = DROPEFFECT_NONE;
            }
        }
        m_dataObject.Release();
        *pdwEffect = dwEffect;
        return S_OK;
    } catch (...) {
        FxReportException("COleDropTarget::Drop");
        m_dataObject.Release();
        *pdwEffect = DROPEFFECT_NONE;
        return E_FAIL;
    }
}
