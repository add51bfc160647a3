#include "common/KvPropertySheet.h"

#include "platform/gdi/Font.h"

FX_IMPLEMENT_DYNAMIC(CKvPropertySheet, CPropertySheet)

CKvPropertySheet::CKvPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage)
{
}

CKvPropertySheet::CKvPropertySheet(const char* pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage)
{
}

CKvPropertySheet::~CKvPropertySheet()
{
    if (m_imageList.GetSafeHandle() != nullptr) {
        while (m_imageList.GetImageCount() > 0) {
            m_imageList.Remove(0);
        }
        m_imageList.DeleteImageList();
    }
}

BOOL CKvPropertySheet::OnInitDialog()
{
    BOOL bResult = CPropertySheet::OnInitDialog();
    m_tabCtrl.Install(this);
    return bResult;
}

void CKvPropertySheet::SetTabImage(int nTab, int nImage)
{
    if (m_tabCtrl.m_hWnd == nullptr) {
        return;
    }
    TCITEMA item = {};
    item.mask = TCIF_IMAGE;
    item.iImage = nImage;
    m_tabCtrl.SetItem(nTab, &item);
}

void CKvPropertySheet::ReSetImageList()
{
    if (m_tabCtrl.m_hWnd != nullptr) {
        m_tabCtrl.SetImageList(m_imageList);
    }
}

BOOL CKvPropertySheet::EnableTabItem(int nTab, BOOL bEnable)
{
    return m_tabCtrl.EnableItem(nTab, bEnable);
}

BOOL CKvPropertySheet::IsItemEnabled(int nTab) const
{
    return m_tabCtrl.IsItemEnabled(nTab, nullptr);
}

void CKvPropertySheet::SetLabelFont(CFont* pFont)
{
    if (m_tabCtrl.m_hWnd == nullptr) {
        return;
    }
    HFONT hFont = pFont != nullptr ? static_cast<HFONT>(pFont->GetSafeHandle()) : nullptr;
    m_tabCtrl.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
    m_tabCtrl.Invalidate();
}

void CKvPropertySheet::ShowButton(int nControlId, int nShowCommand)
{
    HWND hButton = ::GetDlgItem(m_hWnd, nControlId);
    if (hButton != nullptr) {
        ::ShowWindow(hButton, nShowCommand);
    }
}
