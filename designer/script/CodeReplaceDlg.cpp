#include "designer/script/CodeReplaceDlg.h"

#include "designer/script/CodeEditView.h"
#include "designer/script/CodeFindDlg.h"
#include "designer/res/resource.h"
#include "platform/win/DataExchange.h"

namespace
{
bool PointLess(CPoint a, CPoint b)
{
    return a.y < b.y || (a.y == b.y && a.x < b.x);
}
} // namespace

FX_BEGIN_MESSAGE_MAP(CCodeReplaceDlg, CDialog)
FX_ON_EN_CHANGE(IDC_EDIT_TEXT, OnChangeText)
FX_ON_BN_CLICKED(IDC_EDIT_SKIP, OnEditSkip)
FX_ON_BN_CLICKED(IDC_EDIT_REPLACE, OnEditReplace)
FX_ON_BN_CLICKED(IDC_EDIT_REPLACE_ALL, OnEditReplaceAll)
FX_END_MESSAGE_MAP()

CCodeReplaceDlg::CCodeReplaceDlg(CCodeEditView* pView)
    : CDialog(IDD_EDIT_REPLACE, pView), m_pView(pView), m_bFound(FALSE), m_bEnableScopeSelection(TRUE), m_bMatchCase(0),
      m_bWholeWord(0), m_nScope(1)
{
}

BOOL CCodeReplaceDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CWnd* pScope = GetDlgItem(IDC_EDIT_SCOPE_SELECTION)) {
        pScope->EnableWindow(m_bEnableScopeSelection);
    }
    m_bFound = FALSE;
    UpdateControls();
    return TRUE;
}

void CCodeReplaceDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_EDIT_MATCH_CASE, m_bMatchCase);
    DDX_Check(pDX, IDC_EDIT_WHOLE_WORD, m_bWholeWord);
    DDX_Text(pDX, IDC_EDIT_TEXT, m_strText);
    DDX_Text(pDX, IDC_EDIT_REPLACE_WITH, m_strNewText);
    DDX_Radio(pDX, IDC_EDIT_SCOPE_SELECTION, m_nScope);
}

void CCodeReplaceDlg::UpdateControls()
{
    CString strText;
    GetDlgItemText(IDC_EDIT_TEXT, strText);
    const BOOL bCanFind = !strText.IsEmpty();
    const int aButtons[] = {IDC_EDIT_SKIP, IDC_EDIT_REPLACE, IDC_EDIT_REPLACE_ALL};
    for (int nID : aButtons) {
        if (CWnd* pButton = GetDlgItem(nID)) {
            pButton->EnableWindow(bCanFind);
        }
    }
}

void CCodeReplaceDlg::OnChangeText()
{
    UpdateControls();
}

void CCodeReplaceDlg::OnCancel()
{
    UpdateData(TRUE);
    CDialog::OnCancel();
}

BOOL CCodeReplaceDlg::DoHighlightText(CPoint ptFrom)
{
    DWORD dwFlags = 0;
    if (m_bMatchCase != 0) {
        dwFlags |= FIND_MATCH_CASE;
    }
    if (m_bWholeWord != 0) {
        dwFlags |= FIND_WHOLE_WORD;
    }
    const bool bInBlock = m_nScope == 0;
    if (bInBlock && PointLess(ptFrom, m_ptBlockBegin)) {
        ptFrom = m_ptBlockBegin;
    }
    CPoint ptFound;
    BOOL bFound = !m_strText.IsEmpty() && m_pView->SearchText(m_strText, ptFrom, dwFlags, FALSE, ptFound);
    if (bFound && bInBlock) {
        // The match must end inside the block.
        const CPoint ptMatchEnd(ptFound.x + m_strText.GetLength(), ptFound.y);
        bFound = !PointLess(m_ptBlockEnd, ptMatchEnd);
    }
    if (!bFound) {
        MessageBox(CodeNotFoundMessage(nullptr, m_strText), nullptr, MB_OK | MB_ICONINFORMATION);
        m_ptCurrentPos = bInBlock ? m_ptBlockBegin : CPoint(0, 0);
        m_bFound = FALSE;
        return FALSE;
    }
    m_ptFoundAt = ptFound;
    m_pView->SelectFound(ptFound, m_strText.GetLength());
    m_bFound = TRUE;
    return TRUE;
}

void CCodeReplaceDlg::OnEditSkip()
{
    UpdateData(TRUE);
    if (!m_bFound) {
        DoHighlightText(m_ptCurrentPos);
        return;
    }
    DoHighlightText(CPoint(m_ptFoundAt.x + 1, m_ptFoundAt.y));
}

BOOL CCodeReplaceDlg::ReplaceFound()
{
    if (!m_pView->ReplaceSelected(m_strNewText)) {
        m_bFound = FALSE;
        return FALSE;
    }
    const int nGrowth = m_strNewText.GetLength() - m_strText.GetLength();
    if (m_bEnableScopeSelection) {
        // Keeps the block on the same text as its line grows or shrinks.
        if (m_ptBlockBegin.y == m_ptFoundAt.y && m_ptBlockBegin.x > m_ptFoundAt.x) {
            m_ptBlockBegin.x += nGrowth;
        }
        if (m_ptBlockEnd.y == m_ptFoundAt.y && m_ptBlockEnd.x > m_ptFoundAt.x) {
            m_ptBlockEnd.x += nGrowth;
        }
    }
    // The next search starts after what was put in, so a replacement holding the text never loops.
    m_ptFoundAt.x += m_strNewText.GetLength();
    return DoHighlightText(m_ptFoundAt);
}

void CCodeReplaceDlg::OnEditReplace()
{
    UpdateData(TRUE);
    if (!m_bFound) {
        DoHighlightText(m_ptCurrentPos);
        return;
    }
    ReplaceFound();
}

void CCodeReplaceDlg::OnEditReplaceAll()
{
    UpdateData(TRUE);
    if (!m_bFound && !DoHighlightText(m_ptCurrentPos)) {
        return;
    }
    while (m_bFound && ReplaceFound()) {
    }
}
