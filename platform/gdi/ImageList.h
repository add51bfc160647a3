// Owns a common-control image list and destroys it with ImageList_Destroy.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "platform/base/FxExport.h"

class CArchive;
class CBitmap;
class CDC;

class FX_API CImageList
{
public:
    CImageList() = default;
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    // A list held already is destroyed first.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // The merge of one image of each list, the second drawn over the first at (dx, dy).
    BOOL Create(const CImageList* pList1, int nImage1, const CImageList* pList2, int nImage2, int dx, int dy);
    // FALSE when a list is held already or none is given.
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    int GetImageCount() const;
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
    // FALSE when there is no list.
    BOOL GetIconSize(int& cx, int& cy) const;
    // The index of the first image added, -1 on failure. A bitmap strip adds one image per cx.
    int Add(HBITMAP hBitmap, COLORREF crMask);
    int Add(CBitmap* pBitmap, COLORREF crMask);
    int Add(CBitmap* pBitmap, CBitmap* pMask);
    int Add(HICON hIcon);
    BOOL Remove(int nImage);
    // A new icon the caller destroys.
    HICON ExtractIcon(int nImage) const;
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) const;

    // The list in the common controls' stream format, through the archive. A failed write
    // (no list, a full file) answers FALSE; Read answers FALSE on a damaged or short stream,
    // or when a list is held already.
    BOOL Write(CArchive* pArchive) const;
    BOOL Read(CArchive* pArchive);
};
