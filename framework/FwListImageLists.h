// The framework list's three image-list slots (0 normal, 1 small, 2 state) and the copies the
// list owns: a copy goes with the list even when its slot gets another list or lists are shared.
#pragma once

#include <windows.h>

#include <vector>

class CImageList;

class FwListImageLists
{
public:
    FwListImageLists() = default;
    // Deletes the owned copies.
    ~FwListImageLists();
    FwListImageLists(const FwListImageLists&) = delete;
    FwListImageLists& operator=(const FwListImageLists&) = delete;

    static BOOL IsSlot(int nWhich) { return nWhich >= 0 && nWhich < slotCount; }
    // Null for a bad slot.
    CImageList* Get(int nWhich) const;
    // The slot's old list; nothing is set for a bad slot.
    CImageList* Set(int nWhich, CImageList* pList);
    // A copy of pSource written into a memory archive and read back, so it shares nothing with
    // the source, and owned from now on; null when the source cannot be written or read back.
    CImageList* MakeOwnedCopy(const CImageList* pSource);
    // The window's end: the slots are emptied, the lists given to them deleted too when
    // bDeleteGiven, and the owned copies deleted.
    void Release(BOOL bDeleteGiven);

private:
    enum { slotCount = 3 };
    BOOL IsOwned(const CImageList* pList) const;
    void DeleteOwned();

    CImageList* m_pSlots[slotCount] = {nullptr, nullptr, nullptr};
    std::vector<CImageList*> m_owned;
};
