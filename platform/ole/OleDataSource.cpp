#include "platform/ole/OleDataSource.h"

#include <cstring>

#include "platform/base/Firewall.h"
#include "platform/ole/OleDropSource.h"

// After the windows headers: SHCreateStdEnumFmtEtc.
#include <shlobj.h>

COleDataSource::COleDataSource() : m_nRef(1)
{
}

COleDataSource::~COleDataSource()
{
    Empty();
}

void COleDataSource::Empty()
{
    for (CachedItem& item : m_items) {
        GlobalFree(item.hGlobal);
    }
    m_items.clear();
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal)
{
    for (CachedItem& item : m_items) {
        if (item.cfFormat == cfFormat) {
            GlobalFree(item.hGlobal);
            item.hGlobal = hGlobal;
            return;
        }
    }
    m_items.push_back({cfFormat, hGlobal});
}

BOOL COleDataSource::CacheText(LPCSTR pszText, int nLength)
{
    const SIZE_T cb = static_cast<SIZE_T>(nLength) + 1;
    HGLOBAL hText = GlobalAlloc(GMEM_MOVEABLE, cb);
    if (hText == nullptr) {
        return FALSE;
    }
    char* pText = static_cast<char*>(GlobalLock(hText));
    if (pText == nullptr) {
        GlobalFree(hText);
        return FALSE;
    }
    memcpy(pText, pszText, static_cast<size_t>(nLength));
    pText[nLength] = '\0';
    GlobalUnlock(hText);
    CacheGlobalData(CF_TEXT, hText);
    return TRUE;
}

DROPEFFECT COleDataSource::DoDragDrop(DROPEFFECT dwEffects, COleDropSource* pDropSource)
{
    COleDropSource plainSource;
    if (pDropSource == nullptr) {
        pDropSource = &plainSource;
    }
    DWORD dwEffect = DROPEFFECT_NONE;
    const HRESULT hr = ::DoDragDrop(this, pDropSource, dwEffects, &dwEffect);
    return hr == DRAGDROP_S_DROP ? dwEffect : DROPEFFECT_NONE;
}

const COleDataSource::CachedItem* COleDataSource::FindItem(const FORMATETC* pFormat) const
{
    if (pFormat == nullptr || (pFormat->tymed & TYMED_HGLOBAL) == 0 || pFormat->dwAspect != DVASPECT_CONTENT) {
        return nullptr;
    }
    for (const CachedItem& item : m_items) {
        if (item.cfFormat == pFormat->cfFormat) {
            return &item;
        }
    }
    return nullptr;
}

STDMETHODIMP COleDataSource::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr) {
        return E_POINTER;
    }
    *ppv = nullptr;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDataObject)) {
        return E_NOINTERFACE;
    }
    *ppv = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) COleDataSource::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_nRef));
}

STDMETHODIMP_(ULONG) COleDataSource::Release()
{
    const LONG n = InterlockedDecrement(&m_nRef);
    if (n == 0) {
        delete this;
    }
    return static_cast<ULONG>(n);
}

STDMETHODIMP COleDataSource::GetData(FORMATETC* pFormat, STGMEDIUM* pMedium)
{
    try {
        if (pMedium == nullptr) {
            return E_POINTER;
        }
        memset(pMedium, 0, sizeof(*pMedium));
        const CachedItem* pItem = FindItem(pFormat);
        if (pItem == nullptr) {
            return DV_E_FORMATETC;
        }
        // Every reader gets its own copy: a drop target may free it while we serve another.
        const SIZE_T cb = GlobalSize(pItem->hGlobal);
        HGLOBAL hCopy = GlobalAlloc(GMEM_MOVEABLE, cb);
        if (hCopy == nullptr) {
            return E_OUTOFMEMORY;
        }
        const void* pFrom = GlobalLock(pItem->hGlobal);
        void* pTo = GlobalLock(hCopy);
        if (pFrom != nullptr && pTo != nullptr) {
            memcpy(pTo, pFrom, cb);
        }
        if (pTo != nullptr) {
            GlobalUnlock(hCopy);
        }
        if (pFrom != nullptr) {
            GlobalUnlock(pItem->hGlobal);
        }
        if (pFrom == nullptr || pTo == nullptr) {
            GlobalFree(hCopy);
            return E_OUTOFMEMORY;
        }
        pMedium->tymed = TYMED_HGLOBAL;
        pMedium->hGlobal = hCopy;
        return S_OK;
    } catch (...) {
        FxReportException("COleDataSource::GetData");
        return E_FAIL;
    }
}

STDMETHODIMP COleDataSource::GetDataHere(FORMATETC* pFormat, STGMEDIUM* pMedium)
{
    if (pMedium == nullptr) {
        return E_POINTER;
    }
    const CachedItem* pItem = FindItem(pFormat);
    if (pItem == nullptr || pMedium->tymed != TYMED_HGLOBAL || pMedium->hGlobal == nullptr) {
        return DV_E_FORMATETC;
    }
    const SIZE_T cb = GlobalSize(pItem->hGlobal);
    if (GlobalSize(pMedium->hGlobal) < cb) {
        return STG_E_MEDIUMFULL;
    }
    const void* pFrom = GlobalLock(pItem->hGlobal);
    void* pTo = GlobalLock(pMedium->hGlobal);
    if (pFrom != nullptr && pTo != nullptr) {
        memcpy(pTo, pFrom, cb);
    }
    if (pTo != nullptr) {
        GlobalUnlock(pMedium->hGlobal);
    }
    if (pFrom != nullptr) {
        GlobalUnlock(pItem->hGlobal);
    }
    return pFrom != nullptr && pTo != nullptr ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP COleDataSource::QueryGetData(FORMATETC* pFormat)
{
    return FindItem(pFormat) != nullptr ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP COleDataSource::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pFormatOut)
{
    if (pFormatOut != nullptr) {
        pFormatOut->ptd = nullptr;
    }
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP COleDataSource::SetData(FORMATETC*, STGMEDIUM*, BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum)
{
    if (ppEnum == nullptr) {
        return E_POINTER;
    }
    *ppEnum = nullptr;
    if (dwDirection != DATADIR_GET) {
        return E_NOTIMPL;
    }
    try {
        std::vector<FORMATETC> formats;
        for (const CachedItem& item : m_items) {
            formats.push_back({item.cfFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
        }
        return SHCreateStdEnumFmtEtc(static_cast<UINT>(formats.size()), formats.data(), ppEnum);
    } catch (...) {
        FxReportException("COleDataSource::EnumFormatEtc");
        return E_OUTOFMEMORY;
    }
}

STDMETHODIMP COleDataSource::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::EnumDAdvise(IEnumSTATDATA**)
{
    return OLE_E_ADVISENOTSUPPORTED;
}
