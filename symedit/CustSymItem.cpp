#include "symedit/CustSymItem.h"

#include <utility>

CCustSymItem::CCustSymItem(CString strGuid, CString strSymbol)
    : m_strGuid(std::move(strGuid)), m_strSymbol(std::move(strSymbol))
{
}
