#include "core/PageMaker.h"

FX_IMPLEMENT_SERIAL(CPageMaker, CObject, 0)

CPageMaker::CPageMaker() : m_nFirstPage(0)
{
}

CPageMaker::CPageMaker(int nFirstPage, const CString& strCardName)
    : m_nFirstPage(nFirstPage), m_strCardName(strCardName)
{
}

void CPageMaker::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nFirstPage << m_strCardName;
    } else {
        ar >> m_nFirstPage >> m_strCardName;
    }
}
