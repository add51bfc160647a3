#include "core/CappMidData.h"

#include "core/CappCell.h"
#include "core/CappListArchive.h"
#include "core/CappLoadScope.h"
#include "core/CappMDSeatItem.h"
#include "core/CellIndexItem.h"

FX_IMPLEMENT_SERIAL(CCappMidData, CObject, 0)

namespace
{
const char kVersion[] = "2.1";
} // namespace

CCappMidData::CCappMidData()
    : m_nMidFlags(0), m_nExtFlag(0), m_nExtOrder(0), m_nMDInt2(0), m_nType(typeTemplate), m_pMDData(nullptr),
      m_nPageStartRow(0), m_nFirstLine(0), m_nRowsPerPage(0)
{
}

CCappMidData::~CCappMidData()
{
    DetachList(listAll);
}

void CCappMidData::DetachList(int nWhich)
{
    if (nWhich == listAll || nWhich == listSeat) {
        CappFreeList(m_listSeatItem);
    }
    if (nWhich == listAll || nWhich == listCell) {
        CappFreeList(m_listMidCell);
    }
    if (nWhich == listAll || nWhich == listIndex) {
        CappFreeList(m_listIndexItem);
    }
    if (nWhich == listAll || nWhich == listSub) {
        CappFreeList(m_listSubItem);
    }
}

void CCappMidData::AddSeatItem(int nTopLineID, int nLeftLineID, int nRightLineID, int nBottomLineID)
{
    m_listSeatItem.AddTail(new CCappMDSeatItem(nTopLineID, nLeftLineID, nRightLineID, nBottomLineID));
}

void CCappMidData::SetHideDataInfo()
{
    m_arrKeyName.RemoveAll();
    m_arrHideName.RemoveAll();
    const CString strSep = "$@$";
    int nFirst = m_strHideInfo.Find(strSep);
    if (nFirst < 0) {
        return;
    }
    int nKeys = nFirst + strSep.GetLength();
    int nSecond = m_strHideInfo.Find(strSep, nKeys);
    if (nSecond < 0) {
        m_arrKeyName.Split(m_strHideInfo.Mid(nKeys), ';', FALSE);
        return;
    }
    m_arrKeyName.Split(m_strHideInfo.Mid(nKeys, nSecond - nKeys), ';', FALSE);
    CString strHidden = m_strHideInfo.Mid(nSecond + strSep.GetLength());
    int nThird = strHidden.Find(strSep);
    if (nThird >= 0) {
        strHidden = strHidden.Left(nThird);
    }
    m_arrHideName.Split(strHidden, ';', FALSE);
}

void CCappMidData::Serialize(CArchive& ar)
{
    CCappLoadScope::COpen open(this);
    // m_strMDText1, m_strMDText2 and m_nMDInt2 have no meaning the format gives: they are kept
    // and written back.
    if (ar.IsStoring()) {
        m_strVersion = kVersion;
        ar << m_strVersion << m_nMidFlags << m_strName << m_strSortInfo << m_strSrcName << m_nExtFlag << m_nExtOrder
           << m_strMDText1;
        ar << m_strHideInfo << m_strMDText2 << m_nMDInt2;
    } else {
        ar >> m_strVersion >> m_nMidFlags >> m_strName >> m_strSortInfo >> m_strSrcName >> m_nExtFlag >> m_nExtOrder >>
            m_strMDText1;
        if (m_strVersion == kVersion) {
            ar >> m_strHideInfo >> m_strMDText2 >> m_nMDInt2;
        } else {
            m_strHideInfo.Empty();
            m_strMDText2.Empty();
            m_nMDInt2 = 0;
        }
        DetachList(listAll);
    }
    CappSerializeList(ar, m_listSeatItem, FX_RUNTIME_CLASS(CCappMDSeatItem));
    CappSerializeList(ar, m_listMidCell, FX_RUNTIME_CLASS(CCappCell));
    CappSerializeList(ar, m_listIndexItem, FX_RUNTIME_CLASS(CCellIndexItem));
    // Nothing of ours fills the fourth list: a stored element is refused.
    CappSerializeList(ar, m_listSubItem, nullptr);
}
