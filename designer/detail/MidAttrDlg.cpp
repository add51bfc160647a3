#include "designer/detail/MidAttrDlg.h"

#include <cstdlib>

#include "designer/detail/DesignButtonFun.h"
#include "designer/res/resource.h"
#include "platform/win/DataExchange.h"

namespace
{
int OrderOf(const CString& strField)
{
    const int nBreak = strField.Find('\n');
    return nBreak >= 0 ? std::atoi(strField.Mid(nBreak + 1)) : 0;
}

CString NameOf(const CString& strField)
{
    const int nBreak = strField.Find('\n');
    return nBreak >= 0 ? strField.Left(nBreak) : strField;
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CMidAttrDlg, CDialog)

FX_BEGIN_MESSAGE_MAP(CMidAttrDlg, CDialog)
FX_ON_BN_CLICKED(IDC_MIDATTR_MORE, OnMore)
FX_ON_BN_CLICKED(IDC_MIDATTR_UP, OnMoveUp)
FX_ON_BN_CLICKED(IDC_MIDATTR_DOWN, OnMoveDown)
FX_END_MESSAGE_MAP()

CMidAttrDlg::CMidAttrDlg(CWnd* pParentWnd)
    : CDialog(IDD_MID_ATTR, pParentWnd), m_nExtFlag(0), m_nExpanded(0), m_nExtOrder(0)
{
}

void CMidAttrDlg::AddField(const CString& strName, int nOrder)
{
    CString strField;
    strField.Format("%s\n%d", static_cast<LPCSTR>(strName), nOrder);
    // Every entry takes part, the first too, so the list always shows the extension order.
    for (int i = 0; i < m_arrField.GetSize(); ++i) {
        if (OrderOf(m_arrField[i]) > nOrder) {
            m_arrField.InsertAt(i, strField);
            return;
        }
    }
    m_arrField.Add(strField);
}

BOOL CMidAttrDlg::OnInitDialog()
{
    m_strKind.LoadString(m_nExtFlag == 1 ? IDS_MIDATTR_CONTINUE : IDS_MIDATTR_PLAIN);
    CDialog::OnInitDialog();
    CDesignButtonFun::SetUpRowButton(m_btnUp, IDC_MIDATTR_UP, this, IDB_ROW_UP, IDS_GRID_UP_TIP);
    CDesignButtonFun::SetUpRowButton(m_btnDown, IDC_MIDATTR_DOWN, this, IDB_ROW_DOWN, IDS_GRID_DOWN_TIP);
    SetDlgItemText(IDC_MIDATTR_KIND, m_strKind);
    if (m_nExtFlag == 0) {
        GetDlgItem(IDC_MIDATTR_ORDER_LABEL)->EnableWindow(FALSE);
        GetDlgItem(IDC_MIDATTR_ORDER)->EnableWindow(FALSE);
    }
    m_listField.SubclassDlgItem(IDC_MIDATTR_LIST, this);
    for (int i = 0; i < m_arrField.GetSize(); ++i) {
        m_listField.AddString(NameOf(m_arrField[i]));
    }
    CString strMore;
    strMore.LoadString(IDS_MIDATTR_MORE);
    strMore += m_nExpanded != 0 ? "<<" : ">>";
    SetDlgItemText(IDC_MIDATTR_MORE, strMore);
    ApplyHeight();
    return TRUE;
}

void CMidAttrDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_MIDATTR_NAME, m_strName);
    DDX_Text(pDX, IDC_MIDATTR_ORDER, m_nExtOrder);
}

void CMidAttrDlg::ApplyHeight()
{
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    CRect rcMark;
    GetDlgItem(m_nExpanded != 0 ? IDC_MIDATTR_LIST : IDC_MIDATTR_LINE)->GetWindowRect(&rcMark);
    const int nBottom = m_nExpanded != 0 ? rcMark.bottom + 8 : rcMark.top - 2;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, rcWnd.Width(), nBottom - rcWnd.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMidAttrDlg::OnMore()
{
    m_nExpanded = m_nExpanded != 0 ? 0 : 1;
    CString strMore;
    strMore.LoadString(IDS_MIDATTR_MORE);
    strMore += m_nExpanded != 0 ? "<<" : ">>";
    SetDlgItemText(IDC_MIDATTR_MORE, strMore);
    ApplyHeight();
}

void CMidAttrDlg::MoveSelected(int nBy)
{
    const int nSel = m_listField.GetCurSel();
    const int nTo = nSel + nBy;
    if (nSel < 0 || nTo < 0 || nTo >= m_listField.GetCount()) {
        return;
    }
    CString strName;
    m_listField.GetText(nSel, strName);
    m_listField.SendMessage(LB_DELETESTRING, static_cast<WPARAM>(nSel));
    m_listField.SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(nTo),
                            reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strName)));
}

void CMidAttrDlg::OnMoveUp()
{
    MoveSelected(-1);
}

void CMidAttrDlg::OnMoveDown()
{
    MoveSelected(1);
}

void CMidAttrDlg::OnOK()
{
    if (!UpdateData(TRUE)) {
        return;
    }
    m_arrOrder.RemoveAll();
    for (int i = 0; i < m_listField.GetCount(); ++i) {
        CString strName;
        m_listField.GetText(i, strName);
        m_arrOrder.Add(strName);
    }
    CDialog::OnOK();
}
