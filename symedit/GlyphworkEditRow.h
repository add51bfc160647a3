// One laid-out row of segment text: its segments (owned), its measured width and how it was fitted.
#pragma once

#include <windows.h>

#include "platform/base/ObList.h"
#include "platform/base/Object.h"
#include "symedit/MarkwellExport.h"

class CDC;
class CContentSegment;

class MARKWELL_API CGlyphworkEditRow : public CObject
{
public:
    CGlyphworkEditRow() = default;
    ~CGlyphworkEditRow() override;
    CGlyphworkEditRow(const CGlyphworkEditRow&) = delete;
    CGlyphworkEditRow& operator=(const CGlyphworkEditRow&) = delete;

    // Measures segments not measured yet, sets the row width and whether only text and line
    // breaks are on the row; returns the width at the given scale, rounded per segment.
    int CalcWidth(CDC* pDC, float fScale);
    // Narrows text and fractions until the row fits nLayoutWidth at the scale; nBaseHeight is the
    // cell's base font height. Keeps the pixels left over to spread over the first segments.
    void FitToWidth(CDC* pDC, int nLayoutWidth, float fScale, int nBaseHeight);
    // Where the row starts: the left margin, moved by centring or right alignment unless the row
    // was narrowed or is wider than the layout.
    int GetFirstXPos(CDC* pDC, int nLayoutWidth, int nLeftMargin, int nAlign, float fScale);
    void Draw(CDC* pDC, int x, int y, float fScale);
    // The segment at the index, null outside the row.
    CContentSegment* GetSeg(int nIndex);
    int GetSegCount() const { return static_cast<int>(m_listSeg.GetCount()); }
    bool EndsWithEnter();
    // Frees every segment and empties the list.
    void DetachContSegList();

    int m_nWidth = 0;
    int m_nSparePixels = 0;
    CObList m_listSeg;
    int m_bFitsByNarrowing = 1;

private:
    // Every text and fraction segment gets lfWidth nCharWidth (all segments when bAll); text
    // widths follow from it, other kinds are measured again. Returns the scaled row width.
    int SetCharWidth(CDC* pDC, int nCharWidth, bool bAll, float fScale);
};
