#include "designer/detail/CardSetingSh.h"

FX_IMPLEMENT_DYNAMIC(CCardSetingSh, CPropertySheet)

CCardSetingSh::CCardSetingSh(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage), m_pageSort(this), m_pageUnite(this), m_pageHide(this),
      m_pMidData(nullptr), m_pSheet(nullptr)
{
    AddPage(&m_pageSort);
    AddPage(&m_pageUnite);
    AddPage(&m_pageHide);
}

LRESULT CCardSetingSh::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK && m_pageSort.m_hWnd != nullptr &&
        !m_pageSort.CheckSortRows()) {
        // The sheet stays open on the sort page with what the user typed.
        SetActivePage(0);
        return 0;
    }
    return CPropertySheet::WindowProc(message, wParam, lParam);
}
