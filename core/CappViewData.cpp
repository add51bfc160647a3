#include "core/CappViewData.h"

#include "core/CardObj.h"
#include "platform/doc/View.h"

FX_IMPLEMENT_SERIAL(CCappViewData, CObject, 0)

CCappViewData::CCappViewData() : m_strVersion("2.0"), m_bOwnCards(1)
{
}

CCappViewData::~CCappViewData()
{
    DetachList();
}

void CCappViewData::InitData(CView* pView)
{
    POSITION pos = m_listCardObj.GetHeadPosition();
    while (pos != nullptr) {
        static_cast<CCardObj*>(m_listCardObj.GetNext(pos))->InitSheet(pView);
    }
}

CCardObj* CCappViewData::GetCurCardObj() const
{
    return m_listCardObj.IsEmpty() ? nullptr : static_cast<CCardObj*>(m_listCardObj.GetHead());
}

void CCappViewData::DetachList()
{
    while (!m_listCardObj.IsEmpty()) {
        CObject* pCard = m_listCardObj.RemoveHead();
        if (m_bOwnCards) {
            delete pCard;
        }
    }
}

void CCappViewData::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_strVersion;
    } else {
        DetachList();
        ar >> m_strVersion;
    }
    m_listCardObj.Serialize(ar);
}
