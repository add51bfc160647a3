// A static control: text, or a picture (SS_BITMAP, SS_ICON).
#pragma once

#include "platform/win/Wnd.h"

class FX_API CStatic : public CWnd
{
    FX_DECLARE_DYNAMIC(CStatic)

public:
    BOOL Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xFFFF);

    // The static does not own the image; the previous one is returned.
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;
};
