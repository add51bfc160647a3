#include "core/SubDataItem.h"

FX_IMPLEMENT_DYNCREATE(CSubDataItem, CObject)

CSubDataItem::CSubDataItem() : m_nIndex(0)
{
}

CSubDataItem::CSubDataItem(int nIndex, const CString& strName) : m_nIndex(nIndex), m_strName(strName)
{
}
