#include "platform/ole/OleDataObject.h"

#include <cstring>

namespace
{
FORMATETC GlobalFormat(CLIPFORMAT cfFormat)
{
    FORMATETC fe = {};
    fe.cfFormat = cfFormat;
    fe.dwAspect = DVASPECT_CONTENT;
    fe.lindex = -1;
    fe.tymed = TYMED_HGLOBAL;
    return fe;
}
} // namespace

COleDataObject::COleDataObject() : m_pDataObject(nullptr), m_bAutoRelease(TRUE)
{
}

COleDataObject::~COleDataObject()
{
    Release();
}

void COleDataObject::Attach(IDataObject* pDataObject, BOOL bAutoRelease)
{
    Release();
    m_pDataObject = pDataObject;
    m_bAutoRelease = bAutoRelease;
}

IDataObject* COleDataObject::Detach()
{
    IDataObject* pDataObject = m_pDataObject;
    m_pDataObject = nullptr;
    return pDataObject;
}

void COleDataObject::Release()
{
    IDataObject* pDataObject = Detach();
    if (pDataObject != nullptr && m_bAutoRelease) {
        pDataObject->Release();
    }
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat) const
{
    if (m_pDataObject == nullptr) {
        return FALSE;
    }
    FORMATETC fe = GlobalFormat(cfFormat);
    return m_pDataObject->QueryGetData(&fe) == S_OK;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat) const
{
    if (m_pDataObject == nullptr) {
        return nullptr;
    }
    FORMATETC fe = GlobalFormat(cfFormat);
    STGMEDIUM medium = {};
    if (FAILED(m_pDataObject->GetData(&fe, &medium))) {
        return nullptr;
    }
    if (medium.tymed != TYMED_HGLOBAL || medium.hGlobal == nullptr) {
        ReleaseStgMedium(&medium);
        return nullptr;
    }
    // The source may keep the block (pUnkForRelease set): hand out a copy the caller can free.
    const SIZE_T cb = GlobalSize(medium.hGlobal);
    HGLOBAL hCopy = GlobalAlloc(GMEM_MOVEABLE, cb == 0 ? 1 : cb);
    if (hCopy != nullptr) {
        const void* pFrom = GlobalLock(medium.hGlobal);
        void* pTo = GlobalLock(hCopy);
        if (pFrom != nullptr && pTo != nullptr) {
            memcpy(pTo, pFrom, cb);
        }
        if (pTo != nullptr) {
            GlobalUnlock(hCopy);
        }
        if (pFrom != nullptr) {
            GlobalUnlock(medium.hGlobal);
        } else {
            GlobalFree(hCopy);
            hCopy = nullptr;
        }
    }
    ReleaseStgMedium(&medium);
    return hCopy;
}

BOOL COleDataObject::GetText(CString& strText) const
{
    strText.Empty();
    HGLOBAL hText = GetGlobalData(CF_TEXT);
    if (hText == nullptr) {
        return FALSE;
    }
    const SIZE_T cb = GlobalSize(hText);
    const char* pText = static_cast<const char*>(GlobalLock(hText));
    if (pText != nullptr) {
        // A source that forgot the terminator must not make us read past its block.
        const void* pEnd = memchr(pText, 0, cb);
        const SIZE_T nLength = pEnd != nullptr ? static_cast<SIZE_T>(static_cast<const char*>(pEnd) - pText) : cb;
        strText = CString(pText, static_cast<int>(nLength));
        GlobalUnlock(hText);
    }
    GlobalFree(hText);
    return pText != nullptr;
}
