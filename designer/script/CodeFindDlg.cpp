#include "designer/script/CodeFindDlg.h"

#include "designer/script/CodeTextView.h"
#include "designer/res/resource.h"
#include "platform/base/FxResMgr.h"
#include "platform/frame/WinApp.h"
#include "platform/win/DataExchange.h"

namespace
{
const char kFindSection[] = "CodeEdit\\Find";
} // namespace

CString CodeNotFoundMessage(HINSTANCE hResModule, LPCSTR pszText)
{
    if (hResModule == nullptr) {
        hResModule = CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(IDS_EDIT_TEXT_NOT_FOUND / 16 + 1),
                                                   MAKEINTRESOURCEA(6)); // string block
    }
    char szFormat[256] = {};
    ::LoadStringA(hResModule != nullptr ? hResModule : ::GetModuleHandleA(nullptr), IDS_EDIT_TEXT_NOT_FOUND, szFormat,
                  static_cast<int>(sizeof(szFormat)));
    CString strText;
    strText.Format(szFormat[0] != '\0' ? szFormat : "%s", pszText);
    return strText;
}

// The find dialog.

FX_BEGIN_MESSAGE_MAP(CCodeFindDlg, CDialog)
FX_ON_EN_CHANGE(IDC_EDIT_TEXT, OnChangeText)
FX_END_MESSAGE_MAP()

CCodeFindDlg::CCodeFindDlg(CCodeTextView* pView)
    : CDialog(IDD_EDIT_FIND, pView), m_pView(pView), m_nDirection(1), m_bMatchCase(0), m_bWholeWord(0)
{
}

DWORD CCodeFindDlg::GetFlags() const
{
    DWORD dwFlags = 0;
    if (m_bMatchCase != 0) {
        dwFlags |= FIND_MATCH_CASE;
    }
    if (m_bWholeWord != 0) {
        dwFlags |= FIND_WHOLE_WORD;
    }
    if (m_nDirection == 0) {
        dwFlags |= FIND_DIRECTION_UP;
    }
    return dwFlags;
}

BOOL CCodeFindDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    UpdateControls();
    return TRUE;
}

void CCodeFindDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_EDIT_DIRECTION_UP, m_nDirection);
    DDX_Check(pDX, IDC_EDIT_MATCH_CASE, m_bMatchCase);
    DDX_Text(pDX, IDC_EDIT_TEXT, m_strText);
    DDX_Check(pDX, IDC_EDIT_WHOLE_WORD, m_bWholeWord);
}

void CCodeFindDlg::UpdateControls()
{
    CString strText;
    GetDlgItemText(IDC_EDIT_TEXT, strText);
    if (CWnd* pOk = GetDlgItem(IDOK)) {
        pOk->EnableWindow(!strText.IsEmpty());
    }
}

void CCodeFindDlg::OnChangeText()
{
    UpdateControls();
}

void CCodeFindDlg::OnOK()
{
    UpdateData(TRUE);
    if (m_strText.IsEmpty()) {
        return;
    }
    CPoint ptFound;
    if (!m_pView->SearchText(m_strText, m_ptCurrentPos, GetFlags(), TRUE, ptFound)) {
        MessageBox(CodeNotFoundMessage(nullptr, m_strText), nullptr, MB_OK | MB_ICONINFORMATION);
        m_ptCurrentPos = CPoint(0, 0);
        return;
    }
    m_pView->SelectFound(ptFound, m_strText.GetLength());
    EndDialog(IDOK);
}

void CCodeFindDlg::OnCancel()
{
    UpdateData(TRUE);
    CDialog::OnCancel();
}

// The text view's find command.

void CCodeTextView::OnEditFind()
{
    CWinApp* pApp = FxGetApp();
    CCodeFindDlg dlg(this);
    if (m_search.HasLast()) {
        const DWORD dwLastFlags = m_search.GetLastFlags();
        dlg.m_bMatchCase = (dwLastFlags & FIND_MATCH_CASE) != 0 ? 1 : 0;
        dlg.m_bWholeWord = (dwLastFlags & FIND_WHOLE_WORD) != 0 ? 1 : 0;
        dlg.m_nDirection = (dwLastFlags & FIND_DIRECTION_UP) != 0 ? 0 : 1;
        dlg.m_strText = m_search.GetLastText();
    } else if (pApp != nullptr) {
        dlg.m_bMatchCase = static_cast<int>(pApp->GetProfileInt(kFindSection, "MatchCase", 0));
        dlg.m_bWholeWord = static_cast<int>(pApp->GetProfileInt(kFindSection, "WholeWord", 0));
        dlg.m_strText = pApp->GetProfileString(kFindSection, "FindWhat", "");
    }
    if (IsSelection() && m_ptSelLow.y == m_ptSelHigh.y) {
        GetRangeText(m_ptSelLow, m_ptSelHigh, dlg.m_strText);
    }
    dlg.m_ptCurrentPos = m_ptCaret;
    m_bKeepSelVisible = TRUE;
    dlg.DoModal();
    m_bKeepSelVisible = FALSE;
    SetLastSearch(dlg.m_strText, dlg.GetFlags());
    if (pApp != nullptr) {
        pApp->WriteProfileInt(kFindSection, "MatchCase", dlg.m_bMatchCase);
        pApp->WriteProfileInt(kFindSection, "WholeWord", dlg.m_bWholeWord);
        pApp->WriteProfileString(kFindSection, "FindWhat", dlg.m_strText);
    }
}
