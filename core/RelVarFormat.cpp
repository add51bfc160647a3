#include "core/RelVarFormat.h"

#include "common/KvEvaluate.h"
#include "core/CardCommFun.h"

FX_IMPLEMENT_SERIAL(CRelVarFormat, CObject, 0)

namespace
{
const char kDefaultAttributes[] = "SIZE = '0' TYPE = 'STRING' RETURN = '1'";
}

CRelVarFormat::CRelVarFormat() : m_nMode(0), m_strAttributes(kDefaultAttributes)
{
}

CRelVarFormat::CRelVarFormat(const CRelVarFormat& src) : CObject()
{
    *this = src;
}

CRelVarFormat& CRelVarFormat::operator=(const CRelVarFormat& src)
{
    m_strVersion = src.m_strVersion;
    m_nMode = src.m_nMode;
    m_strColumn = src.m_strColumn;
    m_strFormat = src.m_strFormat;
    m_strAttributes = src.m_strAttributes;
    return *this;
}

void CRelVarFormat::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_strVersion = "4.2";
        ar << m_strVersion << m_nMode << m_strColumn << m_strFormat << m_strAttributes;
    } else {
        ar >> m_strVersion >> m_nMode >> m_strColumn >> m_strFormat;
        if (m_strVersion == "4.2") {
            ar >> m_strAttributes;
        } else {
            m_strAttributes = kDefaultAttributes;
        }
    }
}

CString CRelVarFormat::GetData(const CStringArray& arrNames, const CStringArray& arrValues) const
{
    const CString strText = CCardCommFun::RepliceVar(m_strFormat, arrNames, arrValues);
    if (m_nMode != 1) {
        return strText;
    }
    CKvEvaluate evaluate;
    return evaluate.Calc(strText);
}
