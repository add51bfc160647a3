#include "core/CellDataItem.h"

#include "core/CappFont.h"

FX_IMPLEMENT_DYNAMIC(CCellDataItem, CObject)

CCellDataItem::CCellDataItem() : m_nFlags(0), m_crBack(0xFFFFFF), m_crText(0)
{
    CappInitLogFont(m_lfFont, 0);
}

CCellDataItem::CCellDataItem(const CCellDataItem& src)
    : CObject(), m_rect(src.m_rect), m_strText(src.m_strText), m_nFlags(src.m_nFlags), m_crBack(src.m_crBack),
      m_crText(src.m_crText), m_lfFont(src.m_lfFont)
{
}

CCellDataItem& CCellDataItem::operator=(const CCellDataItem& src)
{
    m_rect = src.m_rect;
    m_strText = src.m_strText;
    m_nFlags = src.m_nFlags;
    m_crBack = src.m_crBack;
    m_crText = src.m_crText;
    m_lfFont = src.m_lfFont;
    return *this;
}

CFont* CCellDataItem::GetDrawLoginFont(CDC* pDC, LPCSTR pszContext)
{
    if ((m_nFlags & flagOwnFont) == 0) {
        return nullptr;
    }
    return m_drawFont.Get(pDC, m_lfFont, pszContext);
}
