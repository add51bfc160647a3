#include "TestItems.h"

FX_IMPLEMENT_SERIAL(CTestItemA, CObject, 0)
FX_IMPLEMENT_SERIAL(CTestItemB, CObject, 0)
FX_IMPLEMENT_SERIAL(CTestItemC, CTestItemA, 3)
FX_IMPLEMENT_DYNAMIC(CTestShape, CObject)

int CTestItemA::s_nLive = 0;

CTestItemA::CTestItemA() : m_n(0)
{
    ++s_nLive;
}

CTestItemA::CTestItemA(int n) : m_n(n)
{
    ++s_nLive;
}

CTestItemA::~CTestItemA()
{
    --s_nLive;
}

void CTestItemA::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_n;
    } else {
        ar >> m_n;
    }
}

void CTestItemB::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_n;
    } else {
        ar >> m_n;
    }
}

void CTestItemC::Serialize(CArchive& ar)
{
    CTestItemA::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_str << m_pRef;
    } else {
        m_nSchemaRead = ar.GetObjectSchema();
        ar >> m_str >> m_pRef;
    }
}
