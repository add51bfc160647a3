// Owner of a GDI bitmap.
#pragma once

#include "platform/base/Size.h"
#include "platform/gdi/GdiObject.h"

class CDC;

class FX_API CBitmap : public CGdiObject
{
public:
    static CBitmap* FromHandle(HBITMAP hBitmap);
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

    // From the current resource module (CFxResMgr).
    BOOL LoadBitmap(UINT nIDResource);
    BOOL LoadBitmap(LPCSTR pszResourceName);
    BOOL LoadOEMBitmap(UINT nIDBitmap);
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitsPerPixel, const void* pBits);
    BOOL CreateBitmapIndirect(const BITMAP* pBitmap);
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitmap) const { return GetObject(sizeof(BITMAP), pBitmap); }
    // Width and height in pixels; (0, 0) without a bitmap.
    CSize GetBitmapDimension() const;
};
