#include "platform/doc/NewTypeDlg.h"

#include "platform/doc/DocTemplate.h"
#include "platform/res/resource.h"

FX_IMPLEMENT_DYNAMIC(CNewTypeDlg, CDialog)

FX_BEGIN_MESSAGE_MAP(CNewTypeDlg, CDialog)
FX_ON_LBN_DBLCLK(IDC_FX_NEWTYPE_LIST, OnListDblClk)
FX_END_MESSAGE_MAP()

CNewTypeDlg::CNewTypeDlg(CWnd* pParentWnd) : CDialog(IDD_FX_NEWTYPE, pParentWnd), m_pChosen(nullptr)
{
}

CNewTypeDlg::~CNewTypeDlg()
{
}

void CNewTypeDlg::AddTemplate(CDocTemplate* pTemplate)
{
    CString strName;
    if (pTemplate != nullptr && pTemplate->GetDocString(strName, CDocTemplate::fileNewName) && !strName.IsEmpty()) {
        m_arrTemplates.Add(pTemplate);
    }
}

BOOL CNewTypeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_pChosen = nullptr;
    HWND hList = ::GetDlgItem(m_hWnd, IDC_FX_NEWTYPE_LIST);
    for (INT_PTR i = 0; i < m_arrTemplates.GetSize(); ++i) {
        CString strName;
        static_cast<CDocTemplate*>(m_arrTemplates[i])->GetDocString(strName, CDocTemplate::fileNewName);
        const LRESULT nIndex = ::SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(strName.GetString()));
        // The list sorts nothing, but the item keeps its template whatever its place.
        ::SendMessageA(hList, LB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(i));
    }
    ::SendMessageA(hList, LB_SETCURSEL, 0, 0);
    return TRUE;
}

void CNewTypeDlg::OnOK()
{
    HWND hList = ::GetDlgItem(m_hWnd, IDC_FX_NEWTYPE_LIST);
    const LRESULT nSel = ::SendMessageA(hList, LB_GETCURSEL, 0, 0);
    if (nSel == LB_ERR) {
        return;
    }
    const INT_PTR nTemplate = static_cast<INT_PTR>(::SendMessageA(hList, LB_GETITEMDATA, static_cast<WPARAM>(nSel), 0));
    if (nTemplate < 0 || nTemplate >= m_arrTemplates.GetSize()) {
        return;
    }
    m_pChosen = static_cast<CDocTemplate*>(m_arrTemplates[nTemplate]);
    CDialog::OnOK();
}

void CNewTypeDlg::OnListDblClk()
{
    OnOK();
}
