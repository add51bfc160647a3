#include "framework/FwListImageLists.h"

#include <algorithm>
#include <memory>

#include "platform/base/Archive.h"
#include "platform/base/Exception.h"
#include "platform/base/MemFile.h"
#include "platform/gdi/ImageList.h"

FwListImageLists::~FwListImageLists()
{
    DeleteOwned();
}

CImageList* FwListImageLists::Get(int nWhich) const
{
    return IsSlot(nWhich) ? m_pSlots[nWhich] : nullptr;
}

CImageList* FwListImageLists::Set(int nWhich, CImageList* pList)
{
    if (!IsSlot(nWhich)) {
        return nullptr;
    }
    CImageList* pOld = m_pSlots[nWhich];
    m_pSlots[nWhich] = pList;
    return pOld;
}

CImageList* FwListImageLists::MakeOwnedCopy(const CImageList* pSource)
{
    if (pSource == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CImageList> pCopy(new CImageList);
    try {
        CMemFile file;
        CArchive arStore(&file, CArchive::store);
        if (!pSource->Write(&arStore)) {
            arStore.Abort();
            return nullptr;
        }
        arStore.Close();
        file.SeekToBegin();
        CArchive arLoad(&file, CArchive::load);
        if (!pCopy->Read(&arLoad)) {
            return nullptr;
        }
    } catch (CException* e) {
        e->Delete();
        return nullptr;
    }
    m_owned.push_back(pCopy.get());
    return pCopy.release();
}

void FwListImageLists::Release(BOOL bDeleteGiven)
{
    if (bDeleteGiven) {
        for (CImageList*& pSlot : m_pSlots) {
            if (!IsOwned(pSlot)) {
                delete pSlot;
            }
            pSlot = nullptr;
        }
    }
    DeleteOwned();
}

BOOL FwListImageLists::IsOwned(const CImageList* pList) const
{
    return pList != nullptr && std::find(m_owned.begin(), m_owned.end(), pList) != m_owned.end();
}

void FwListImageLists::DeleteOwned()
{
    for (CImageList*& pSlot : m_pSlots) {
        if (IsOwned(pSlot)) {
            pSlot = nullptr;
        }
    }
    for (CImageList* pList : m_owned) {
        delete pList;
    }
    m_owned.clear();
}
