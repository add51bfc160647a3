#include "core/CappCardVarItem.h"

#include <cstdlib>

#include "common/KvStringMgr.h"

FX_IMPLEMENT_SERIAL(CCappCardVarItem, CObject, 0)

namespace
{

const char kVersion[] = "3.6";

} // namespace

CCappCardVarItem::CCappCardVarItem()
    : m_nSpare1(0), m_nSpare2(0), m_nSpare3(0), m_nReserved1(0), m_nDataType(0), m_nLength(0), m_nKind(0),
      m_nPrecision(0), m_bInherit(FALSE), m_bBlankZero(FALSE), m_bTrimZeros(FALSE), m_nReserved2(0), m_nSrcOption(0),
      m_bHidden(FALSE)
{
}

CCappCardVarItem::CCappCardVarItem(const CCappCardVarItem& src) : CCappCardVarItem()
{
    *this = src;
}

int CCappCardVarItem::operator=(const CCappCardVarItem& src)
{
    m_nSpare2 = src.m_nSpare2;
    m_strSpare = src.m_strSpare;
    m_nReserved1 = src.m_nReserved1;
    m_strReserved1 = src.m_strReserved1;
    m_strName = src.m_strName;
    m_nDataType = src.m_nDataType;
    m_nLength = src.m_nLength;
    m_nKind = src.m_nKind;
    m_nPrecision = src.m_nPrecision;
    m_bInherit = src.m_bInherit;
    m_bBlankZero = src.m_bBlankZero;
    m_bTrimZeros = src.m_bTrimZeros;
    m_nReserved2 = src.m_nReserved2;
    m_nSrcOption = src.m_nSrcOption;
    m_strReserved2 = src.m_strReserved2;
    m_strReserved3 = src.m_strReserved3;
    return 1;
}

CString CCappCardVarItem::TransitionData(const CString& strValue) const
{
    if (m_nKind != kindTyped) {
        return strValue;
    }
    if (m_nDataType == typeReal) {
        CString strRounded = CKvStringMgr::PrecisionByNum(strValue, m_nPrecision, m_bTrimZeros);
        if (m_bBlankZero && std::atof(strRounded) == 0.0) {
            return CString();
        }
        return strRounded;
    }
    if (m_nDataType == typeInteger && m_bBlankZero && strValue == "0") {
        return CString();
    }
    return strValue;
}

void CCappCardVarItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_strVersion = kVersion;
        ar << m_strVersion << m_nReserved1 << m_strReserved1 << m_strName << m_nDataType << m_nLength << m_nKind
           << m_nPrecision << m_bInherit << m_bBlankZero << m_bTrimZeros << m_nReserved2 << m_nSrcOption << m_bHidden
           << m_strReserved2 << m_strReserved3;
    } else {
        ar >> m_strVersion >> m_nReserved1 >> m_strReserved1 >> m_strName >> m_nDataType >> m_nLength >> m_nKind >>
            m_nPrecision >> m_bInherit >> m_bBlankZero >> m_bTrimZeros >> m_nReserved2 >> m_nSrcOption >> m_bHidden >>
            m_strReserved2 >> m_strReserved3;
    }
}
