#include "basedlg/SelDataSDlg.h"

#include "basedlg/res/resource.h"
#include "platform/base/FxResMgr.h"
#include "platform/win/DataExchange.h"
#include "platform/win/MsgMap.h"

FX_IMPLEMENT_DYNAMIC(CSelDataSDlg, CDialog)

FX_BEGIN_MESSAGE_MAP(CSelDataSDlg, CDialog)
FX_ON_BN_CLICKED(IDC_SELDATAS_OK, OnBnOk)
FX_ON_BN_CLICKED(IDC_SELDATAS_CANCEL, OnBnCancel)
FX_ON_LBN_DBLCLK(IDC_SELDATAS_LIST, OnDblclkList)
FX_END_MESSAGE_MAP()

CSelDataSDlg::CSelDataSDlg(CWnd* pParent)
    : CDialog(IDD_SELDATAS, pParent), m_ptAnchor(0, 0), m_ptShow(0, 0), m_nSelIndex(0), m_nSpare(0), m_nSpare2(0),
      m_nSpare3(0), m_bMultiple(FALSE)
{
}

void CSelDataSDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SELDATAS_LIST, m_listBox);
    DDX_Control(pDX, IDC_SELDATAS_CHECKLIST, m_checkList);
    DDX_Control(pDX, IDC_SELDATAS_OK, m_btnOK);
    DDX_Control(pDX, IDC_SELDATAS_CANCEL, m_btnCancel);
    DDX_Text(pDX, IDC_SELDATAS_PROMPT, m_strPrompt);
}

BOOL CSelDataSDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The tooltips come from this library's own strings: other modules hold strings of the same block.
    CString strTip;
    m_btnOK.SetBitmap(IDB_SELDATAS_OK, 0, RGB(0xC0, 0xC0, 0xC0));
    strTip.LoadString(FX_MODULE_INSTANCE(), IDS_SELDATAS_OK);
    m_btnOK.SetTooltipText(strTip);
    m_btnOK.SetFlat(FALSE);
    m_btnCancel.SetBitmap(IDB_SELDATAS_CANCEL, 0, RGB(0xC0, 0xC0, 0xC0));
    strTip.LoadString(FX_MODULE_INSTANCE(), IDS_SELDATAS_CANCEL);
    m_btnCancel.SetTooltipText(strTip);
    m_btnCancel.SetFlat(FALSE);
    MoveWndPos();

    if (m_bMultiple) {
        m_listBox.ShowWindow(SW_HIDE);
        m_checkList.ShowWindow(SW_SHOW);
        for (INT_PTR i = 0; i < m_arrNames.GetSize(); ++i) {
            const int nIndex = m_checkList.AddString(m_arrNames[i]);
            if (nIndex >= 0 && IsSeled(m_arrNames[i])) {
                m_checkList.SetCheck(nIndex, 1);
            }
        }
    } else {
        m_checkList.ShowWindow(SW_HIDE);
        m_listBox.ShowWindow(SW_SHOW);
        for (INT_PTR i = 0; i < m_arrNames.GetSize(); ++i) {
            m_listBox.AddString(m_arrNames[i]);
        }
    }
    return TRUE;
}

void CSelDataSDlg::LoadFieldNames(CStringArray& arrNames)
{
    for (INT_PTR i = 0; i < arrNames.GetSize(); ++i) {
        m_arrNames.Add(arrNames[i]);
    }
}

BOOL CSelDataSDlg::IsSeled(CString strName)
{
    for (INT_PTR i = 0; i < m_arrSelNames.GetSize(); ++i) {
        if (m_arrSelNames[i] == strName) {
            return TRUE;
        }
    }
    return FALSE;
}

CPoint CSelDataSDlg::GetShowPosition(CPoint& ptAnchor)
{
    CRect rc;
    GetWindowRect(&rc);
    const int cxScreen = ::GetSystemMetrics(SM_CXFULLSCREEN);
    const int cyScreen = ::GetSystemMetrics(SM_CYFULLSCREEN);
    CPoint pt(rc.left, rc.top);
    if ((ptAnchor.x != 0 || ptAnchor.y != 0) && rc.bottom > cyScreen) {
        pt.y = ptAnchor.y + rc.top - rc.bottom;
    }
    if (rc.right > cxScreen || (rc.left < 0 && rc.Width() > cxScreen)) {
        pt.x = cxScreen - rc.Width();
    } else if (rc.left < 0) {
        pt.x = 0;
    }
    return pt;
}

BOOL CSelDataSDlg::MoveWndPos()
{
    if (!::SetWindowPos(m_hWnd, HWND_TOPMOST, m_ptShow.x, m_ptShow.y, 0, 0,
                        SWP_NOSIZE | SWP_HIDEWINDOW | SWP_NOACTIVATE)) {
        return FALSE;
    }
    const CPoint pt = GetShowPosition(m_ptAnchor);
    return ::SetWindowPos(m_hWnd, HWND_TOPMOST, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}

void CSelDataSDlg::OnOK()
{
    OnBnOk();
}

void CSelDataSDlg::OnBnOk()
{
    if (m_bMultiple) {
        m_arrSelNames.RemoveAll();
        m_arrSelPos.RemoveAll();
        const int nCount = m_checkList.GetCount();
        for (int i = 0; i < nCount; ++i) {
            if (m_checkList.GetCheck(i) != 1) {
                continue;
            }
            CString strName;
            m_checkList.GetText(i, strName);
            CString strPos;
            strPos.Format("%d", i);
            m_arrSelNames.Add(strName);
            m_arrSelPos.Add(strPos);
        }
        EndDialog(IDOK);
        return;
    }
    const int nSel = m_listBox.GetCurSel();
    if (nSel == LB_ERR) {
        return;
    }
    m_listBox.GetText(nSel, m_strSelName);
    m_nSelIndex = nSel;
    EndDialog(IDOK);
}

void CSelDataSDlg::OnBnCancel()
{
    EndDialog(IDCANCEL);
}

void CSelDataSDlg::OnDblclkList()
{
    const int nSel = m_listBox.GetCurSel();
    if (nSel == LB_ERR) {
        return;
    }
    m_listBox.GetText(nSel, m_strSelName);
    m_nSelIndex = nSel;
    EndDialog(IDOK);
}
