#include "platform/win/ImageList.h"

#include "platform/base/ResMgr.h"

CImageList::CImageList() : m_hImageList(nullptr)
{
}

CImageList::~CImageList()
{
    DeleteImageList();
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    if (m_hImageList != nullptr) {
        return FALSE;
    }
    m_hImageList = ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
    return m_hImageList != nullptr;
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    if (m_hImageList != nullptr) {
        return FALSE;
    }
    LPCSTR lpszName = MAKEINTRESOURCEA(nBitmapID);
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(lpszName, MAKEINTRESOURCEA(2)); // RT_BITMAP
    if (hInst == nullptr) {
        return FALSE;
    }
    m_hImageList = ImageList_LoadImageA(hInst, lpszName, cx, nGrow, crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
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
    return ImageList_Destroy(Detach());
}

int CImageList::Add(HBITMAP hbmImage, HBITMAP hbmMask)
{
    return ImageList_Add(m_hImageList, hbmImage, hbmMask);
}

int CImageList::Add(HBITMAP hbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, hbmImage, crMask);
}

int CImageList::Add(HICON hIcon)
{
    return ImageList_AddIcon(m_hImageList, hIcon);
}

BOOL CImageList::Remove(int nImage)
{
    return ImageList_Remove(m_hImageList, nImage);
}

int CImageList::GetImageCount() const
{
    return ImageList_GetImageCount(m_hImageList);
}

COLORREF CImageList::SetBkColor(COLORREF cr)
{
    return ImageList_SetBkColor(m_hImageList, cr);
}

BOOL CImageList::Draw(HDC hDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, hDC, pt.x, pt.y, nStyle);
}

HICON CImageList::ExtractIcon(int nImage)
{
    return ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL);
}
