#include "platform/gdi/ImageList.h"

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

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr) {
        return FALSE;
    }
    const BOOL bResult = ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return bResult;
}

int CImageList::Add(HBITMAP hBitmap, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, hBitmap, crMask);
}

int CImageList::Add(HICON hIcon)
{
    return ImageList_ReplaceIcon(m_hImageList, -1, hIcon);
}

int CImageList::GetImageCount() const
{
    return m_hImageList != nullptr ? ImageList_GetImageCount(m_hImageList) : 0;
}

BOOL CImageList::GetIconSize(int& cx, int& cy) const
{
    return m_hImageList != nullptr && ImageList_GetIconSize(m_hImageList, &cx, &cy);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) const
{
    return ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}
