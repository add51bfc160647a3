// Sub-card lists of the card view: lists of CSubDataItem that own their items.
#include "core/SubDataItem.h"
#include "work/CappCardView.h"

void CCappCardView::DetachSubDataList(CObList& list)
{
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        delete static_cast<CSubDataItem*>(list.GetNext(pos));
    }
    list.RemoveAll();
}

void CCappCardView::CpySubDataList(CObList& listDest, CObList& listSrc)
{
    // Copies first: the source may be the destination, whose items are freed next.
    CObList listCopy;
    POSITION pos = listSrc.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pItem = static_cast<const CSubDataItem*>(listSrc.GetNext(pos));
        listCopy.AddTail(new CSubDataItem(pItem->m_nIndex, pItem->m_strName));
    }
    DetachSubDataList(listDest);
    listDest.AddTail(&listCopy);
}
