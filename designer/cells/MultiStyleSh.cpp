#include "designer/cells/MultiStyleSh.h"

FX_IMPLEMENT_DYNAMIC(CMultiStyleSh, CPropertySheet)

CMultiStyleSh::CMultiStyleSh(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage)
{
    AddPage(&m_page);
}

void CMultiStyleSh::LoadStyleFromCell(const CCappCell& cell)
{
    m_cell.m_nTextFormat = cell.m_nTextFormat;
    m_cell.m_lfFont = cell.m_lfFont;
    m_cell.m_nFontHeight = cell.m_nFontHeight;
    m_cell.m_crText = cell.m_crText;
}

void CMultiStyleSh::ApplyStyleToCell(CCappCell& cell) const
{
    // The whole font goes, rotation included.
    cell.m_nTextFormat = m_cell.m_nTextFormat;
    cell.m_lfFont = m_cell.m_lfFont;
    cell.m_nFontHeight = m_cell.m_nFontHeight;
    cell.m_crText = m_cell.m_crText;
}

CMultiStyleSh* CMultiStyleSh::FromPage(const CWnd* pPage)
{
    if (pPage == nullptr || pPage->m_hWnd == nullptr) {
        return nullptr;
    }
    return dynamic_cast<CMultiStyleSh*>(CWnd::FromHandlePermanent(::GetParent(pPage->m_hWnd)));
}
