// One bitmap and one icon, drawn plainly, stretched, scaled to fit or with a transparent colour;
// the bitmap also gives a window region.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/FxIcon.h"
#include "platform/base/Rect.h"
#include "platform/gdi/Bitmap.h"

class CDC;

class KVCOMM_API CKvImage
{
public:
    CKvImage();
    ~CKvImage();
    CKvImage(const CKvImage&) = delete;
    CKvImage& operator=(const CKvImage&) = delete;

    BOOL OpenBmpFile(const char* pszPath);
    BOOL OpenBmpID(UINT nID);
    BOOL OpneIconID(UINT nID);
    BOOL OpenIconFile(const char* pszPath);
    // Takes over a bitmap handle (a static control's picture, for one).
    BOOL AttachBitmap(HBITMAP hBitmap);
    BOOL HasBitmap() const { return m_bitmap.GetSafeHandle() != nullptr; }
    BOOL HasIcon() const { return m_hIcon.IsValid(); }
    UINT GetResourceID() const { return m_nResourceID; }

    int GetBmpWidth() const;
    int GetBmpHeight() const;

    // At 0,0 in the size of the window that owns the DC.
    void ShowBmp(CDC* pDC);
    void ShowBmp(CDC* pDC, int x, int y);
    void ShowBmp(CDC* pDC, int x, int y, int cx, int cy);
    void DrawBlt(CDC* pDC, int x, int y, int cx, int cy);
    void ShowIcon(CDC* pDC);
    void StretchBmp(CDC* pDC, int x, int y, int cx, int cy, int xSrc, int ySrc, int cxSrc, int cySrc);
    void StretchBmp(CDC* pDC);
    // The part of the bitmap at rect's position and size, scaled to fit rect keeping its aspect.
    void ScaleBmp(CDC* pDC, CRect rect, int nCentre);
    // Leaves the pixels of crTransparent untouched.
    void DrawTransBlt(CDC* pDC, int x, int y, int cx, int cy, COLORREF crTransparent);
    void ShowTransBmp(CDC* pDC, int x, int y, int cx, int cy, COLORREF crTransparent);
    void ShowTransBmp(CDC* pDC, int x, int y, COLORREF crTransparent);
    // Every pixel outside the transparent range (the key colour to 16 above it per channel); the
    // caller owns the region. Null without a bitmap or when a resource fails.
    HRGN GetBmpRgn(COLORREF crTransparent);

private:
    CBitmap m_bitmap;
    CFxIcon m_hIcon;
    UINT m_nResourceID;
};
