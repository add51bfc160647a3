#include "platform/gdi/ImageList.h"

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
