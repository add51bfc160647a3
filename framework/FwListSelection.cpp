#include "framework/FwListSelection.h"

namespace
{
// Linear search up to this many selected indexes, bisection beyond.
const int linearSearchLimit = 6;
} // namespace

int FwListSelection::Find(int nItem, BOOL& bFound) const
{
    const int nCount = GetCount();
    bFound = FALSE;
    if (nCount <= linearSearchLimit) {
        int i = 0;
        while (i < nCount && GetAt(i) < nItem) {
            ++i;
        }
        bFound = i < nCount && GetAt(i) == nItem;
        return i;
    }
    int nLow = 0;
    int nHigh = nCount;
    while (nLow < nHigh) {
        const int nMid = (nLow + nHigh) / 2;
        if (GetAt(nMid) < nItem) {
            nLow = nMid + 1;
        } else {
            nHigh = nMid;
        }
    }
    bFound = nLow < nCount && GetAt(nLow) == nItem;
    return nLow;
}

BOOL FwListSelection::Contains(int nItem) const
{
    BOOL bFound = FALSE;
    Find(nItem, bFound);
    return bFound;
}

BOOL FwListSelection::Add(int nItem)
{
    BOOL bFound = FALSE;
    const int nAt = Find(nItem, bFound);
    if (bFound) {
        return FALSE;
    }
    m_items.insert(m_items.begin() + nAt, nItem);
    return TRUE;
}

BOOL FwListSelection::Remove(int nItem)
{
    BOOL bFound = FALSE;
    const int nAt = Find(nItem, bFound);
    if (!bFound) {
        return FALSE;
    }
    m_items.erase(m_items.begin() + nAt);
    return TRUE;
}

void FwListSelection::OnRowInserted(int nItem)
{
    for (int& nSel : m_items) {
        if (nSel >= nItem) {
            ++nSel;
        }
    }
}

void FwListSelection::OnRowsDeleted(int nFirst, int nCount)
{
    const int nEnd = nFirst + nCount;
    std::vector<int> kept;
    for (int nSel : m_items) {
        if (nSel < nFirst) {
            kept.push_back(nSel);
        } else if (nSel >= nEnd) {
            kept.push_back(nSel - nCount);
        }
    }
    m_items.swap(kept);
}

int FwListSelection::GetNextAfter(int nItem) const
{
    for (int nSel : m_items) {
        if (nSel > nItem) {
            return nSel;
        }
    }
    return -1;
}

int FwListSelection::GetPrevBefore(int nItem) const
{
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
        if (*it < nItem) {
            return *it;
        }
    }
    return -1;
}
