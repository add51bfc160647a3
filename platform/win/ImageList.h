// Owns an image list; Detach hands the handle out.
#pragma once

#include "platform/base/FxExport.h"
#include <commctrl.h>

class FX_API CImageList
{
public:
    CImageList();
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList;
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // Images cx wide cut from a bitmap resource (looked up like dialogs); crMask is transparent.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    // The list copies the bitmaps; the caller keeps them.
    int Add(HBITMAP hbmImage, HBITMAP hbmMask);
    int Add(HBITMAP hbmImage, COLORREF crMask);
    int Add(HICON hIcon);
    BOOL Remove(int nImage);
    int GetImageCount() const;
    COLORREF SetBkColor(COLORREF cr);
    BOOL Draw(HDC hDC, int nImage, POINT pt, UINT nStyle);
    HICON ExtractIcon(int nImage);
};
