#include "core/CellFieldDataItem.h"

#include "core/CappListArchive.h"
#include "core/CappLoadScope.h"

FX_IMPLEMENT_SERIAL(CCellFieldDataItem, CObject, 0)

CCellFieldDataItem::CCellFieldDataItem()
    : m_pListData(nullptr), m_nDispWord(0), m_nDispFlag(0), m_lfFont(), m_nDisp1(0), m_nDisp2(0), m_nDisp3(0)
{
}

CCellFieldDataItem::~CCellFieldDataItem()
{
    if (m_pListData != nullptr) {
        CappFreeList(*m_pListData);
        delete m_pListData;
    }
}

CCellFieldDataItem::CCellFieldDataItem(const CCellFieldDataItem& src) : CCellFieldDataItem()
{
    *this = src;
}

CCellFieldDataItem& CCellFieldDataItem::operator=(const CCellFieldDataItem& src)
{
    m_strValue = src.m_strValue;
    m_strText2 = src.m_strText2;
    m_strFilePath = src.m_strFilePath;
    m_nDispWord = src.m_nDispWord;
    m_nDispFlag = src.m_nDispFlag;
    m_lfFont = src.m_lfFont;
    m_nDisp1 = src.m_nDisp1;
    m_nDisp2 = src.m_nDisp2;
    m_nDisp3 = src.m_nDisp3;
    return *this;
}

void CCellFieldDataItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_strValue << m_strText2;
    } else {
        ar >> m_strValue >> m_strText2;
    }
    // Nothing the system writes puts anything here; accepting only values keeps a damaged
    // archive from slipping a foreign container into the list.
    CCappLoadScope::COpen open(this);
    if (ar.IsStoring()) {
        CObList listEmpty;
        CappSerializeList(ar, m_pListData != nullptr ? *m_pListData : listEmpty, FX_RUNTIME_CLASS(CCellFieldDataItem));
        return;
    }
    if (m_pListData == nullptr) {
        m_pListData = new CObList;
    }
    CappSerializeList(ar, *m_pListData, FX_RUNTIME_CLASS(CCellFieldDataItem));
    if (m_pListData->IsEmpty()) {
        delete m_pListData;
        m_pListData = nullptr;
    }
}
