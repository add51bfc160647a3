#include "symbols/SymbolArgDlg.h"

#include "platform/base/ObList.h"
#include "platform/win/DataExchange.h"
#include "symbols/InputDataDlg.h"
#include "symbols/NotationDlgFun.h"
#include "symbols/VariableText.h"
#include "symbols/res/resource.h"

namespace
{
const int cxNameColumn = 150;
const int cxValueMargin = 160;
} // namespace

FX_BEGIN_MESSAGE_MAP(CSymbolArgDlg, CDialog)
FX_ON_BN_CLICKED(IDC_SYMBOLARG_EDIT, OnEditVar)
FX_ON_NOTIFY(NM_DBLCLK, IDC_SYMBOLARG_LIST, OnDblClkListVar)
FX_END_MESSAGE_MAP()

CSymbolArgDlg::CSymbolArgDlg(CWnd* pParent) : CDialog(IDD_SYMBOLARG, pParent), m_pListVText(nullptr)
{
}

void CSymbolArgDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SYMBOLARG_LIST, m_listVar);
    DDX_Text(pDX, IDC_SYMBOLARG_MARK, m_strMark);
}

BOOL CSymbolArgDlg::FailStart(LPCSTR pszMessage)
{
    MessageBox(pszMessage, "提示", MB_OK | MB_ICONINFORMATION);
    EndDialog(IDCANCEL);
    return FALSE;
}

BOOL CSymbolArgDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_pListVText == nullptr) {
        return FailStart("未指定'自定义符号'数据.");
    }
    if (m_pListVText->IsEmpty()) {
        return FailStart("指定的'自定义符号'不包含参数类型对象.");
    }

    m_listVar.SetExtendedStyle(m_listVar.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
    CRect rcList;
    m_listVar.GetClientRect(&rcList);
    if (m_listVar.InsertColumn(0, "属性名称", LVCFMT_LEFT, cxNameColumn) < 0 ||
        m_listVar.InsertColumn(1, "属性取值", LVCFMT_LEFT, rcList.Width() - cxValueMargin) < 0) {
        return FailStart("无法创建窗体.");
    }

    // One row per variable text, bound to it; the value is its text, else its default.
    int nRow = 0;
    for (POSITION pos = m_pListVText->GetHeadPosition(); pos != nullptr; ++nRow) {
        CObject* pObj = m_pListVText->GetNext(pos);
        if (pObj == nullptr || !pObj->IsKindOf(FX_RUNTIME_CLASS(CVariableText))) {
            return FailStart("无法确定 创建窗体参数类型对象.");
        }
        CVariableText* pVText = static_cast<CVariableText*>(pObj);
        int nItem = m_listVar.InsertItem(nRow, pVText->m_strVarName);
        if (nItem < 0) {
            return FailStart("无法确定 创建窗体参数类型对象.");
        }
        m_listVar.SetItemText(nItem, 1, pVText->m_strText.IsEmpty() ? pVText->m_strDefault : pVText->m_strText);
        m_listVar.SetItemData(nItem, reinterpret_cast<DWORD_PTR>(pVText));
    }
    for (int nItem = 0; nItem < m_listVar.GetItemCount(); ++nItem) {
        CVariableText* pVText = reinterpret_cast<CVariableText*>(m_listVar.GetItemData(nItem));
        if (pVText != nullptr && pVText->SetArgument(m_strArguments)) {
            m_listVar.SetItemText(nItem, 1, pVText->m_strText);
        }
    }
    return TRUE;
}

void CSymbolArgDlg::OnEditVar()
{
    int nItem = m_listVar.GetNextItem(-1, LVNI_SELECTED);
    if (nItem < 0) {
        MessageBox("请先在'变量列表'中选中要编辑的变量.", "提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    // The rows hold the values as typed, which the symbol shows; the input dialog works on
    // XML-escaped text.
    CInputDataDlg dlg(this);
    dlg.m_strName = m_listVar.GetItemText(nItem, 0);
    CInputDataDlg::EscapeXMLCode(dlg.m_strName);
    dlg.m_strValue = m_listVar.GetItemText(nItem, 1);
    CInputDataDlg::EscapeXMLCode(dlg.m_strValue);
    dlg.m_bNameEditable = false;
    for (;;) {
        if (dlg.DoModal() != IDOK) {
            return;
        }
        CString strValue = dlg.m_strValue;
        CInputDataDlg::UnescapeXMLCode(strValue);
        // The arguments are written inside the custom-symbol element: its closing tag would end it.
        CString strBreaker = CNotationDlgFun::FindBreaker(strValue, "P");
        if (strBreaker.IsEmpty()) {
            m_listVar.SetItemText(nItem, 1, strValue);
            return;
        }
        // Asked again with what was typed.
        CNotationDlgFun::ShowRefusal(this, strBreaker);
    }
}

void CSymbolArgDlg::OnDblClkListVar(NMHDR*, LRESULT* pResult)
{
    OnEditVar();
    *pResult = 0;
}

void CSymbolArgDlg::OnOK()
{
    if (m_pListVText == nullptr) {
        MessageBox("failed to load data.", "提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    // A quote inside a value is doubled: that is how the argument reader takes it back.
    CString strArguments;
    for (int nItem = 0; nItem < m_listVar.GetItemCount(); ++nItem) {
        CString strValue = m_listVar.GetItemText(nItem, 1);
        strValue.Replace("'", "''");
        strArguments.AppendFormat("%s = '%s';  ", static_cast<LPCSTR>(m_listVar.GetItemText(nItem, 0)),
                                  static_cast<LPCSTR>(strValue));
    }
    m_strArguments = strArguments;
    EndDialog(IDOK);
}
