#include "basedlg/WaitDlg.h"

#include "basedlg/res/resource.h"
#include "platform/base/FxResMgr.h"
#include "platform/win/DataExchange.h"

FX_IMPLEMENT_DYNAMIC(CWaitDlg, CDialog)

CWaitDlg::CWaitDlg(CWnd* pParent) : CDialog(IDD_WAIT, pParent), m_hIcon(nullptr), m_strPrompt("请等待.....")
{
}

void CWaitDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WAIT_ICON, m_iconStatic);
    DDX_Text(pDX, IDC_WAIT_PROMPT, m_strPrompt);
}

void CWaitDlg::SetPrompt(CString strPrompt)
{
    m_strPrompt = strPrompt;
    if (m_hWnd != nullptr) {
        UpdateData(FALSE);
    }
}

void CWaitDlg::SetDefPromp()
{
    SetPrompt("请等待.....");
}

void CWaitDlg::SetWaitIcon(UINT nID)
{
    LPCSTR pszName = MAKEINTRESOURCEA(nID);
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(pszName, MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
    HICON hIcon = hInst != nullptr ? ::LoadIconA(hInst, pszName) : nullptr;
    if (hIcon == nullptr) {
        return;
    }
    // Icons from LoadIcon are shared and never destroyed.
    m_hIcon = hIcon;
    if (m_iconStatic.m_hWnd != nullptr) {
        m_iconStatic.SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(hIcon));
    }
}

void CWaitDlg::SetDefIcon()
{
    SetWaitIcon(IDI_WAIT);
}
