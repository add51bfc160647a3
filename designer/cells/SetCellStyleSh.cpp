#include "designer/cells/SetCellStyleSh.h"

FX_IMPLEMENT_DYNAMIC(CSetCellStyleSh, CKvPropertySheet)

CSetCellStyleSh::CSetCellStyleSh(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage, int nCellKind)
    : CKvPropertySheet(pszCaption, pParentWnd, iSelectPage), m_nCellKind(nCellKind), m_pSheet(nullptr), m_pDC(nullptr),
      m_pFrameObj(nullptr)
{
    if (nCellKind == kindStatic) {
        AddPage(&m_pageStatic);
        AddPage(&m_pageFont);
        AddPage(&m_pageText);
    } else if (nCellKind == kindVariable) {
        AddPage(&m_pageField);
        AddPage(&m_pageFont);
        AddPage(&m_pageText);
        AddPage(&m_pageDisType);
        AddPage(&m_pageExt);
    }
}

void CSetCellStyleSh::SetCell(const CCappCell& cell)
{
    m_cell = cell;
}

void CSetCellStyleSh::GetCell(CCappCell& cell) const
{
    cell = m_cell;
}

BOOL CSetCellStyleSh::OnInitDialog()
{
    CKvPropertySheet::OnInitDialog();
    SetActivePage(0);
    return TRUE;
}

CSetCellStyleSh* CSetCellStyleSh::FromPage(const CWnd* pPage)
{
    if (pPage == nullptr || pPage->m_hWnd == nullptr) {
        return nullptr;
    }
    return dynamic_cast<CSetCellStyleSh*>(CWnd::FromHandlePermanent(::GetParent(pPage->m_hWnd)));
}

CString CSetCellStyleSh::GetComboSelText(const CWnd* pDlg, int nID)
{
    CString strText;
    HWND hCombo = ::GetDlgItem(pDlg->m_hWnd, nID);
    const LRESULT nSel = ::SendMessageA(hCombo, CB_GETCURSEL, 0, 0);
    if (nSel == CB_ERR) {
        return strText;
    }
    const LRESULT nLen = ::SendMessageA(hCombo, CB_GETLBTEXTLEN, static_cast<WPARAM>(nSel), 0);
    if (nLen == CB_ERR) {
        return strText;
    }
    LPSTR pszBuf = strText.GetBuffer(static_cast<int>(nLen) + 1);
    ::SendMessageA(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(nSel), reinterpret_cast<LPARAM>(pszBuf));
    strText.ReleaseBuffer();
    return strText;
}

LRESULT CSetCellStyleSh::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A used variable name keeps the sheet open before any page applies its values.
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK && m_nCellKind == kindVariable && !m_pageField.CheckVarName()) {
        return 0;
    }
    return CKvPropertySheet::WindowProc(message, wParam, lParam);
}
