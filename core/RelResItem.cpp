#include "core/RelResItem.h"

#include "core/CappListArchive.h"
#include "core/CappLoadScope.h"
#include "core/RelVarFormat.h"

FX_IMPLEMENT_SERIAL(CRelResItem, CObject, 0)

CRelResItem::CRelResItem() : m_strVersion("2.5"), m_bFormatsOn(0), m_listFormat(10)
{
}

CRelResItem::~CRelResItem()
{
    DetachList();
}

CRelResItem::CRelResItem(const CRelResItem& src) : CRelResItem()
{
    *this = src;
}

CRelResItem& CRelResItem::operator=(const CRelResItem& src)
{
    if (this == &src) {
        return *this;
    }
    m_strCondition = src.m_strCondition;
    m_strName = src.m_strName;
    m_bFormatsOn = src.m_bFormatsOn;
    m_strColumnText = src.m_strColumnText;
    DetachList();
    POSITION pos = src.m_listFormat.GetHeadPosition();
    while (pos != nullptr) {
        m_listFormat.AddTail(new CRelVarFormat(*static_cast<CRelVarFormat*>(src.m_listFormat.GetNext(pos))));
    }
    return *this;
}

void CRelResItem::Serialize(CArchive& ar)
{
    CCappLoadScope::COpen open(this);
    if (ar.IsStoring()) {
        m_strVersion = "2.5";
        ar << m_strVersion << m_strCondition << m_strName << m_bFormatsOn << m_strColumnText;
    } else {
        ar >> m_strVersion >> m_strCondition >> m_strName >> m_bFormatsOn >> m_strColumnText;
    }
    CappSerializeList(ar, m_listFormat, FX_RUNTIME_CLASS(CRelVarFormat));
}

void CRelResItem::DetachList()
{
    CappFreeList(m_listFormat);
}

CString CRelResItem::GetOutputFormats() const
{
    CString strFormats;
    POSITION pos = m_listFormat.GetHeadPosition();
    while (pos != nullptr) {
        strFormats += static_cast<const CRelVarFormat*>(m_listFormat.GetNext(pos))->m_strFormat + "\n";
    }
    return strFormats;
}
