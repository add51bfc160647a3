#include "common/KvProgressDlg.h"

#include <commctrl.h>

#include "common/res/resource.h"
#include "platform/win/DataExchange.h"

FX_IMPLEMENT_DYNAMIC(CKvProgressDlg, CDialog)

CKvProgressDlg::CKvProgressDlg(CWnd* pParent) : CDialog(IDD_KV_PROGRESS, pParent)
{
}

void CKvProgressDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KV_PROGRESS_BAR, m_progress);
    DDX_Control(pDX, IDC_KV_PROGRESS_ANIMATE, m_animate);
    DDX_Text(pDX, IDC_KV_PROGRESS_PROMPT, m_strPrompt);
}

BOOL CKvProgressDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_progress.SetRange(0, 100);
    m_progress.SetStep(1);
    m_progress.m_bShowPercent = TRUE;
    m_progress.SetStartColor(RGB(0, 0, 255));
    m_progress.SetEndColor(RGB(255, 0, 0));
    m_progress.SetBkColor(RGB(192, 192, 192));
    m_progress.SetTextColor(RGB(255, 0, 0));
    if (m_animate.Open(IDR_KV_PROGRESS_AVI)) {
        m_animate.Play(0, static_cast<UINT>(-1), static_cast<UINT>(-1));
    }
    UpdateData(FALSE);
    return TRUE;
}

void CKvProgressDlg::SetPrompt(CString strText)
{
    m_strPrompt = strText;
    if (m_hWnd != nullptr) {
        SetDlgItemText(IDC_KV_PROGRESS_PROMPT, strText);
    }
}

void CKvProgressDlg::ModifyProgressStyle(BOOL bBorder, BOOL bSmooth)
{
    if (m_progress.m_hWnd == nullptr) {
        return;
    }
    m_progress.ModifyStyle(bBorder ? 0 : WS_BORDER, bBorder ? WS_BORDER : 0, SWP_FRAMECHANGED);
    m_progress.ModifyStyle(bSmooth ? 0 : PBS_SMOOTH, bSmooth ? PBS_SMOOTH : 0);
    m_progress.Invalidate();
}
