// The chosen order of a card's pages, kept as text: an item's 1-based place is its page order.
#pragma once

#include "platform/base/ObList.h"
#include "platform/base/String.h"
#include "work/VornWorkExport.h"

class VORNWORK_API CPageSortInfo : public CObject
{
public:
    CPageSortInfo() = default;
    CPageSortInfo(const CPageSortInfo&) = delete;
    // Empties the list, then appends a copy of each of the source's items.
    CPageSortInfo& operator=(const CPageSortInfo& src);
    ~CPageSortInfo() override;

    void AddNewItem(int nFirst, CString strName, int nSecond);
    // "%d\n%s\n%d\n" per item: first number, name, second number.
    CString GetSortInfo();
    // Replaces the items with those of a text form, taking its elements off the text.
    // A last item with fewer than three elements is dropped.
    void LoadDataByString(CString& strText);
    int GetPageCount();
    // 0 when no item has that name (byte-exact) and second number.
    int GetPageOrder(CString strName, int nSecond);
    BOOL GetItemInfoByPageOrder(int nOrder, int& nFirst, CString& strName, int& nSecond);
    // Deletes every item.
    void DetachList();

    CObList m_listItem;
};
