#include "platform/gdi/ImageList.h"

#include <objidl.h>

#include "platform/base/Archive.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"

CImageList::~CImageList()
{
    DeleteImageList();
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    DeleteImageList();
    m_hImageList = ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
    return m_hImageList != nullptr;
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (m_hImageList != nullptr || hImageList == nullptr) {
        return FALSE;
    }
    m_hImageList = hImageList;
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST hImageList = m_hImageList;
    m_hImageList = nullptr;
    return hImageList;
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr) {
        return FALSE;
    }
    const BOOL bResult = ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return bResult;
}

int CImageList::GetImageCount() const
{
    return m_hImageList != nullptr ? ImageList_GetImageCount(m_hImageList) : 0;
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    return m_hImageList != nullptr && ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

BOOL CImageList::GetIconSize(int& cx, int& cy) const
{
    return m_hImageList != nullptr && ImageList_GetIconSize(m_hImageList, &cx, &cy);
}

int CImageList::Add(HBITMAP hBitmap, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, hBitmap, crMask);
}

int CImageList::Add(CBitmap* pBitmap, COLORREF crMask)
{
    if (pBitmap == nullptr) {
        return -1;
    }
    return Add(static_cast<HBITMAP>(pBitmap->m_hObject), crMask);
}

int CImageList::Add(CBitmap* pBitmap, CBitmap* pMask)
{
    if (pBitmap == nullptr) {
        return -1;
    }
    return ImageList_Add(m_hImageList, static_cast<HBITMAP>(pBitmap->m_hObject),
                         pMask != nullptr ? static_cast<HBITMAP>(pMask->m_hObject) : nullptr);
}

int CImageList::Add(HICON hIcon)
{
    return ImageList_ReplaceIcon(m_hImageList, -1, hIcon);
}

BOOL CImageList::Remove(int nImage)
{
    return ImageList_Remove(m_hImageList, nImage);
}

HICON CImageList::ExtractIcon(int nImage) const
{
    return ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) const
{
    return pDC != nullptr && ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}

BOOL CImageList::Create(const CImageList* pList1, int nImage1, const CImageList* pList2, int nImage2, int dx, int dy)
{
    if (m_hImageList != nullptr || pList1 == nullptr || pList2 == nullptr) {
        return FALSE;
    }
    m_hImageList = ImageList_Merge(pList1->m_hImageList, nImage1, pList2->m_hImageList, nImage2, dx, dy);
    return m_hImageList != nullptr;
}

namespace
{
// The stream the image-list functions read and write, passing the bytes through an archive.
// Archive errors throw: as a COM method each call catches them and answers a failure.
class CArchiveStream final : public IStream
{
public:
    explicit CArchiveStream(CArchive* pArchive) : m_pArchive(pArchive) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_ISequentialStream) ||
            IsEqualIID(riid, IID_IStream)) {
            *ppv = static_cast<IStream*>(this);
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the caller's stack for one call: no counting.
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE Read(void* pv, ULONG cb, ULONG* pcbRead) override
    {
        try {
            const UINT nRead = m_pArchive->Read(pv, cb);
            if (pcbRead != nullptr) {
                *pcbRead = nRead;
            }
            return nRead == cb ? S_OK : S_FALSE;
        } catch (...) {
            return STG_E_READFAULT;
        }
    }
    HRESULT STDMETHODCALLTYPE Write(const void* pv, ULONG cb, ULONG* pcbWritten) override
    {
        try {
            m_pArchive->Write(pv, cb);
            if (pcbWritten != nullptr) {
                *pcbWritten = cb;
            }
            return S_OK;
        } catch (...) {
            return STG_E_WRITEFAULT;
        }
    }
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER, DWORD, ULARGE_INTEGER*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Revert() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG*, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Clone(IStream**) override { return E_NOTIMPL; }

private:
    CArchive* m_pArchive;
};
} // namespace

BOOL CImageList::Write(CArchive* pArchive) const
{
    if (m_hImageList == nullptr || pArchive == nullptr || !pArchive->IsStoring()) {
        return FALSE;
    }
    CArchiveStream stream(pArchive);
    return ImageList_Write(m_hImageList, &stream);
}

BOOL CImageList::Read(CArchive* pArchive)
{
    if (m_hImageList != nullptr || pArchive == nullptr || !pArchive->IsLoading()) {
        return FALSE;
    }
    CArchiveStream stream(pArchive);
    m_hImageList = ImageList_Read(&stream);
    return m_hImageList != nullptr;
}
