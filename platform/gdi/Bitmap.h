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

    // From the current resource module, else the first library module that has it (CFxResMgr).
    BOOL LoadBitmap(UINT nIDResource);
    BOOL LoadBitmap(LPCSTR pszResourceName);
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitmap) const { return GetObject(sizeof(BITMAP), pBitmap); }
};
