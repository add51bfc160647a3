#include "core/CappLineIndex.h"

#include "core/CappLine.h"
#include "core/CappSheet.h"

namespace
{

thread_local const CCappLineIndex* t_pInnermost = nullptr;

} // namespace

CCappLineIndex::CCappLineIndex(const CCappSheet& sheet) : m_pSheet(&sheet), m_pOuter(t_pInnermost)
{
    Fill(m_h, sheet.m_HCellLineList);
    Fill(m_v, sheet.m_VCellLineList);
    t_pInnermost = this;
}

CCappLineIndex::~CCappLineIndex()
{
    t_pInnermost = m_pOuter;
}

const CCappLineIndex* CCappLineIndex::For(const CCappSheet* pSheet)
{
    for (const CCappLineIndex* pIndex = t_pInnermost; pIndex != nullptr; pIndex = pIndex->m_pOuter) {
        if (pIndex->m_pSheet == pSheet) {
            return pIndex;
        }
    }
    return nullptr;
}

void CCappLineIndex::Fill(Positions& positions, const CObList& lines)
{
    positions.reserve(static_cast<size_t>(lines.GetCount()));
    POSITION pos = lines.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pLine = static_cast<const CCappLine*>(lines.GetNext(pos));
        // The first of a doubled id wins, as in a walk from the head.
        positions.emplace(pLine->m_nID, pLine->m_nPos);
    }
}

int CCappLineIndex::Find(const CObList* pList, int nID, int& nPos) const
{
    const Positions* pPositions = pList == &m_pSheet->m_HCellLineList   ? &m_h
                                  : pList == &m_pSheet->m_VCellLineList ? &m_v
                                                                        : nullptr;
    if (pPositions == nullptr) {
        return -1;
    }
    const auto it = pPositions->find(nID);
    if (it == pPositions->end()) {
        return 0;
    }
    nPos = it->second;
    return 1;
}
