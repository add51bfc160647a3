#include "framework/FwListEdit.h"

#include "framework/FwListSite.h"
#include "platform/win/MsgMap.h"

FX_BEGIN_MESSAGE_MAP(FwListEdit, CWnd)
FX_ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCodeMsg)
FX_END_MESSAGE_MAP()

FwListEdit::FwListEdit(FwListSite* pSite) : m_pSite(pSite)
{
}

BOOL FwListEdit::CreateEditor(DWORD dwStyle, const RECT& rect, CWnd* pParent)
{
    return CWnd::CreateEx(0, "EDIT", "", dwStyle, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                          pParent->GetSafeHwnd(), reinterpret_cast<HMENU>(1));
}

LRESULT FwListEdit::OnGetDlgCodeMsg(WPARAM, LPARAM)
{
    return DLGC_WANTALLKEYS;
}

void FwListEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_ESCAPE) {
        m_pSite->SiteEndLabelEdit(FALSE);
        return;
    }
    // Wrapping labels keep Enter for a new line.
    if (nChar == VK_RETURN && !m_pSite->SiteLabelsWrap()) {
        m_pSite->SiteEndLabelEdit(TRUE);
        return;
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void FwListEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // The characters of keys that ended the edit must not beep in a destroyed control.
    if (nChar == VK_ESCAPE || (nChar == VK_RETURN && !m_pSite->SiteLabelsWrap())) {
        return;
    }
    CWnd::OnChar(nChar, nRepCnt, nFlags);
}
