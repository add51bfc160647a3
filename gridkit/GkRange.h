// A block of cells from (top, left) to (bottom, right), both corners included.
#pragma once

#include "gridkit/GridKitExport.h"

class CGkRange
{
public:
    CGkRange() = default;
    CGkRange(UINT nRow, UINT nCol) : m_nTop(nRow), m_nLeft(nCol), m_nBottom(nRow), m_nRight(nCol) {}
    CGkRange(UINT nTop, UINT nLeft, UINT nBottom, UINT nRight)
        : m_nTop(nTop), m_nLeft(nLeft), m_nBottom(nBottom), m_nRight(nRight)
    {
    }

    UINT GetHeight() const { return m_nBottom - m_nTop + 1; }
    UINT GetWidth() const { return m_nRight - m_nLeft + 1; }
    BOOL IsOrdered() const { return m_nTop <= m_nBottom && m_nLeft <= m_nRight; }
    BOOL Contains(UINT nRow, UINT nCol) const
    {
        return nRow >= m_nTop && nRow <= m_nBottom && nCol >= m_nLeft && nCol <= m_nRight;
    }
    bool operator==(const CGkRange& other) const
    {
        return m_nTop == other.m_nTop && m_nLeft == other.m_nLeft && m_nBottom == other.m_nBottom &&
               m_nRight == other.m_nRight;
    }

    UINT m_nTop = 0;
    UINT m_nLeft = 0;
    UINT m_nBottom = 0;
    UINT m_nRight = 0;
};
