// The list's label editor: an edit control with id 1 that ends the edit through the list's site.
#pragma once

#include "platform/win/Wnd.h"

class FwListSite;

class FwListEdit : public CWnd
{
public:
    explicit FwListEdit(FwListSite* pSite);

    BOOL CreateEditor(DWORD dwStyle, const RECT& rect, CWnd* pParent);

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;

protected:
    FX_DECLARE_MESSAGE_MAP()
    LRESULT OnGetDlgCodeMsg(WPARAM wParam, LPARAM lParam);

private:
    FwListSite* m_pSite;
};
