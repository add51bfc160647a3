// A push button, check box or radio button; owner-drawn buttons override DrawItem.
#pragma once

#include "platform/win/Wnd.h"

class FX_API CButton : public CWnd
{
    FX_DECLARE_DYNAMIC(CButton)

public:
    // The image of a BS_BITMAP button; the button does not own it.
    HBITMAP SetBitmap(HBITMAP hBitmap);

    // Called for an owner-drawn button when its parent receives WM_DRAWITEM for it.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
