#include "core/CappLine.h"

#include "core/CappSizeLimit.h"

FX_IMPLEMENT_SERIAL(CCappLine, CObject, 0)

CCappLine::CCappLine()
    : m_nFormat(kFormat), m_nType(typeHCell), m_nBlock1{0, 0}, m_nBlock2{0, 0}, m_nStartID(-1), m_nEndID(-1), m_nID(-1),
      m_nWidth(2), m_nPos(0), m_crColor(0), m_nLineInt(0)
{
}

void CCappLine::SetLineWidth(int /*nWidth*/)
{
}

// The two blocks, m_nLineInt and m_strLineText have no meaning the format gives: they are kept
// and written back.
void CCappLine::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_nFormat = kFormat;
        ar << m_nFormat << m_nType << m_nBlock1[0] << m_nBlock1[1] << m_nBlock2[0] << m_nBlock2[1] << m_nStartID
           << m_nEndID << m_nID << m_nWidth << m_crColor << m_nPos << m_nLineInt << m_strLineText;
        return;
    }

    UINT nFirst = 0;
    ar >> nFirst;
    if (nFirst < static_cast<UINT>(kFormat)) {
        // An old record: the first value is the type.
        m_nFormat = 0;
        m_nType = static_cast<int>(nFirst);
    } else {
        m_nFormat = static_cast<int>(nFirst);
        ar >> m_nType;
    }
    ar >> m_nBlock1[0] >> m_nBlock1[1] >> m_nBlock2[0] >> m_nBlock2[1] >> m_nStartID >> m_nEndID >> m_nID >> m_nWidth >>
        m_crColor >> m_nPos;
    // A damaged width or position would reach the pen and the line's ends.
    m_nWidth = CappClampStoredWidth(m_nWidth);
    m_nPos = CappClampCoord(m_nPos);
    if (static_cast<UINT>(m_nFormat) >= static_cast<UINT>(kFormat)) {
        ar >> m_nLineInt >> m_strLineText;
    } else {
        m_nLineInt = 0;
        m_strLineText.Empty();
    }
}
