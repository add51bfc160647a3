#include "core/ScriptItem.h"

FX_IMPLEMENT_SERIAL(CScriptItem, CObject, 0)

CScriptItem::CScriptItem() : m_nVersion(0), m_nKind(0)
{
}

CScriptItem::CScriptItem(const CScriptItem& src) : CObject()
{
    *this = src;
}

CScriptItem& CScriptItem::operator=(const CScriptItem& src)
{
    m_nVersion = src.m_nVersion;
    m_nKind = src.m_nKind;
    m_strName = src.m_strName;
    m_strScript = src.m_strScript;
    return *this;
}

void CScriptItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_nVersion = 1;
        ar << m_nVersion << m_nKind << m_strName << m_strScript;
    } else {
        ar >> m_nVersion >> m_nKind >> m_strName >> m_strScript;
    }
}
