// An edit control that shows its text on a light blue background and never takes the caret.
#pragma once

#include "basedlg/VornBaseClsExport.h"
#include "platform/gdi/Brush.h"
#include "platform/win/Edit.h"

class CDC;

class VORNBASECLS_API CReadOnlyEdit : public CEdit
{
    FX_DECLARE_DYNAMIC(CReadOnlyEdit)

public:
    CReadOnlyEdit();

    // Answers the parent's WM_CTLCOLOR* for this edit: a fresh brush of the background colour.
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    void OnSetFocus(CWnd* pOldWnd) override;

    CBrush m_brush;
    COLORREF m_crBack;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    FX_DECLARE_MESSAGE_MAP()
};
