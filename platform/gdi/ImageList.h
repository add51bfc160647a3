// Owns a common-control image list and destroys it with ImageList_Destroy.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "platform/base/FxExport.h"

class CDC;

class FX_API CImageList
{
public:
    CImageList() = default;
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    BOOL DeleteImageList();
    // ImageList_AddMasked's result: the new image's index, -1 on failure.
    int Add(HBITMAP hBitmap, COLORREF crMask);
    int Add(HICON hIcon);
    int GetImageCount() const;
    // FALSE when there is no list.
    BOOL GetIconSize(int& cx, int& cy) const;
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) const;
};
