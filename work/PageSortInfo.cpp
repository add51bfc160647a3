#include "work/PageSortInfo.h"

#include <cstdlib>

#include "common/KvStringMgr.h"
#include "work/PageSortItem.h"

CPageSortInfo::~CPageSortInfo()
{
    DetachList();
}

CPageSortInfo& CPageSortInfo::operator=(const CPageSortInfo& src)
{
    if (this == &src) {
        return *this;
    }
    DetachList();
    for (POSITION pos = src.m_listItem.GetHeadPosition(); pos != nullptr;) {
        auto* pItem = static_cast<CPageSortItem*>(src.m_listItem.GetNext(pos));
        m_listItem.AddTail(new CPageSortItem(*pItem));
    }
    return *this;
}

void CPageSortInfo::AddNewItem(int nFirst, CString strName, int nSecond)
{
    auto* pItem = new CPageSortItem;
    pItem->m_nFirst = nFirst;
    pItem->m_strName = strName;
    pItem->m_nSecond = nSecond;
    m_listItem.AddTail(pItem);
}

CString CPageSortInfo::GetSortInfo()
{
    CString strText;
    for (POSITION pos = m_listItem.GetHeadPosition(); pos != nullptr;) {
        auto* pItem = static_cast<CPageSortItem*>(m_listItem.GetNext(pos));
        strText.AppendFormat("%d\n%s\n%d\n", pItem->m_nFirst, static_cast<LPCSTR>(pItem->m_strName), pItem->m_nSecond);
    }
    return strText;
}

void CPageSortInfo::LoadDataByString(CString& strText)
{
    DetachList();
    // One pass over the text: popping element by element would copy the rest of it each time.
    CStringArray arrElement;
    CKvStringMgr::StringToArray(strText, arrElement, "\n");
    for (INT_PTR i = 0; i + 2 < arrElement.GetSize(); i += 3) {
        AddNewItem(atoi(arrElement[i]), arrElement[i + 1], atoi(arrElement[i + 2]));
    }
    strText.Empty();
}

int CPageSortInfo::GetPageCount()
{
    return static_cast<int>(m_listItem.GetCount());
}

int CPageSortInfo::GetPageOrder(CString strName, int nSecond)
{
    int nOrder = 1;
    for (POSITION pos = m_listItem.GetHeadPosition(); pos != nullptr; ++nOrder) {
        auto* pItem = static_cast<CPageSortItem*>(m_listItem.GetNext(pos));
        if (pItem->m_strName == strName && pItem->m_nSecond == nSecond) {
            return nOrder;
        }
    }
    return 0;
}

BOOL CPageSortInfo::GetItemInfoByPageOrder(int nOrder, int& nFirst, CString& strName, int& nSecond)
{
    POSITION pos = nOrder >= 1 ? m_listItem.FindIndex(nOrder - 1) : nullptr;
    if (pos == nullptr) {
        return FALSE;
    }
    auto* pItem = static_cast<CPageSortItem*>(m_listItem.GetAt(pos));
    nFirst = pItem->m_nFirst;
    strName = pItem->m_strName;
    nSecond = pItem->m_nSecond;
    return TRUE;
}

void CPageSortInfo::DetachList()
{
    while (!m_listItem.IsEmpty()) {
        delete m_listItem.RemoveHead();
    }
}
