// The positions of a sheet's cell lines by id, standing for the sheet on its thread while a pass
// over its cells runs (a draw): finding each cell's four lines by walking the lists made such a
// pass cost cells times lines.
#pragma once

#include <unordered_map>

#include "platform/base/ObList.h"

class CCappSheet;

class CCappLineIndex
{
public:
    explicit CCappLineIndex(const CCappSheet& sheet);
    ~CCappLineIndex();
    CCappLineIndex(const CCappLineIndex&) = delete;
    CCappLineIndex& operator=(const CCappLineIndex&) = delete;

    // The index standing for the sheet on this thread; null when there is none.
    static const CCappLineIndex* For(const CCappSheet* pSheet);

    // 1 and the position of the first line of that id in the list, as a walk would find it; 0
    // when the list has none; -1 when the list is not one of the two indexed.
    int Find(const CObList* pList, int nID, int& nPos) const;

private:
    using Positions = std::unordered_map<int, int>;
    static void Fill(Positions& positions, const CObList& lines);

    const CCappSheet* m_pSheet;
    const CCappLineIndex* m_pOuter;
    Positions m_h;
    Positions m_v;
};
