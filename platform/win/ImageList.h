// Owner of a common-control image list.
#pragma once

#include "platform/base/FxExport.h"
#include "platform/base/Point.h"

#include <commctrl.h>

class CBitmap;
class CDC;

class FX_API CImageList
{
public:
    CImageList() = default;
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    // FALSE when a list is held already or the list cannot be made.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    int GetImageCount() const;
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
    // The index of the first image added, -1 on failure. A bitmap strip adds one image per cx.
    int Add(CBitmap* pBitmap, COLORREF crMask);
    int Add(CBitmap* pBitmap, CBitmap* pMask);
    int Add(HICON hIcon);
    BOOL Remove(int nImage);
    // A new icon the caller destroys.
    HICON ExtractIcon(int nImage) const;
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) const;

private:
    HIMAGELIST m_hImageList = nullptr;
};
