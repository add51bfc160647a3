#include "core/CardInfoItem.h"

FX_IMPLEMENT_SERIAL(CCardInfoItem, CObject, 0)

namespace
{
constexpr int kFormat = 100;
} // namespace

CCardInfoItem::CCardInfoItem() : m_nFormat(0), m_nFirst(0), m_nSecond(0), m_nThird(0)
{
}

void CCardInfoItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_nFormat = kFormat;
        ar << m_nFormat << m_nFirst << m_nSecond << m_strTextB << m_strTextA << m_nThird;
        return;
    }
    ar >> m_nFormat;
    if (m_nFormat >= kFormat) {
        ar >> m_nFirst >> m_nSecond >> m_strTextB >> m_strTextA >> m_nThird;
        return;
    }
    m_nFormat = 0;
    m_nFirst = 0;
    ar >> m_nSecond >> m_strTextB;
}
