#include "platform/ole/OleDropSource.h"

#include "platform/base/Firewall.h"

COleDropSource::COleDropSource() : m_nRef(0)
{
}

COleDropSource::~COleDropSource() = default;

HRESULT COleDropSource::OnQueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed) {
        return DRAGDROP_S_CANCEL;
    }
    if ((dwKeyState & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
        return DRAGDROP_S_DROP;
    }
    return S_OK;
}

HRESULT COleDropSource::OnGiveFeedback(DWORD)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

STDMETHODIMP COleDropSource::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr) {
        return E_POINTER;
    }
    *ppv = nullptr;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDropSource)) {
        return E_NOINTERFACE;
    }
    *ppv = static_cast<IDropSource*>(this);
    AddRef();
    return S_OK;
}

// The owner deletes the object: the count only tells whether the drag loop still holds it.
STDMETHODIMP_(ULONG) COleDropSource::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_nRef));
}

STDMETHODIMP_(ULONG) COleDropSource::Release()
{
    return static_cast<ULONG>(InterlockedDecrement(&m_nRef));
}

STDMETHODIMP COleDropSource::QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState)
{
    // Ending the drag is the safe answer: going on could loop on the same failure.
    return FxCallbackEntry("COleDropSource::QueryContinueDrag", DRAGDROP_S_CANCEL,
                           [&]() -> HRESULT { return OnQueryContinueDrag(fEscapePressed, grfKeyState); });
}

STDMETHODIMP COleDropSource::GiveFeedback(DWORD dwEffect)
{
    return FxCallbackEntry("COleDropSource::GiveFeedback", DRAGDROP_S_USEDEFAULTCURSORS,
                           [&]() -> HRESULT { return OnGiveFeedback(dwEffect); });
}
