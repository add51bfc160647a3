#include "framework/FwTreeItem.h"

namespace
{
const char splitMarker[] = "\\{HI}";
}

FwTreeItem::FwTreeItem() : m_item{}, m_bCallbackText(FALSE), m_nExtraState(0), m_bSplitLabel(FALSE), m_cxFirstPart(0)
{
    m_item.hItem = GetHandle();
}

BOOL FwTreeItem::IsExpanded() const
{
    return (m_item.state & TVIS_EXPANDED) != 0;
}

BOOL FwTreeItem::SetExpanded(BOOL bExpanded)
{
    const BOOL bWas = IsExpanded();
    if (bExpanded) {
        m_item.state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
    } else {
        m_item.state &= ~static_cast<UINT>(TVIS_EXPANDED);
    }
    return bWas;
}

const TVITEMA& FwTreeItem::GetRecord()
{
    m_item.hItem = GetHandle();
    m_item.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM | TVIF_CHILDREN;
    m_item.stateMask = 0xFFFF;
    m_item.pszText = m_bCallbackText ? LPSTR_TEXTCALLBACKA : const_cast<LPSTR>(static_cast<LPCSTR>(m_strText));
    m_item.cchTextMax = m_strText.GetLength() + 1;
    return m_item;
}

void FwTreeItem::SetText(LPCSTR pszText)
{
    m_bSplitLabel = FALSE;
    if (pszText == LPSTR_TEXTCALLBACKA) {
        m_bCallbackText = TRUE;
        m_strText.Empty();
        return;
    }
    m_bCallbackText = FALSE;
    m_strText = pszText != nullptr ? pszText : "";
    const int nMarker = m_strText.Find(splitMarker);
    if (nMarker >= 0) {
        m_bSplitLabel = TRUE;
        m_strFirstPart = m_strText.Left(nMarker);
        m_strSecondPart = m_strText.Mid(nMarker + static_cast<int>(sizeof(splitMarker)) - 1);
        m_cxFirstPart = -1;
    }
}
