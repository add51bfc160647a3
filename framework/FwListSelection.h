// The selected rows of the framework's list: their indexes kept sorted and unique, moved along
// when rows are inserted or deleted before them.
#pragma once

#include <windows.h>

#include <vector>

class FwListSelection
{
public:
    int GetCount() const { return static_cast<int>(m_items.size()); }
    BOOL IsEmpty() const { return m_items.empty(); }
    // The i-th smallest selected index.
    int GetAt(int i) const { return m_items[static_cast<size_t>(i)]; }
    BOOL Contains(int nItem) const;
    // Each answers TRUE when the selection changed.
    BOOL Add(int nItem);
    BOOL Remove(int nItem);
    void RemoveAll() { m_items.clear(); }
    // A row was inserted at nItem: selected indexes from there on move down by one.
    void OnRowInserted(int nItem);
    // Rows nFirst to nFirst + nCount - 1 were deleted: their indexes go, later ones move up.
    void OnRowsDeleted(int nFirst, int nCount);
    // The first selected index above nItem, the last below it; -1 when there is none.
    int GetNextAfter(int nItem) const;
    int GetPrevBefore(int nItem) const;

private:
    // Where nItem is or would go in the sorted indexes.
    int Find(int nItem, BOOL& bFound) const;

    std::vector<int> m_items;
};
