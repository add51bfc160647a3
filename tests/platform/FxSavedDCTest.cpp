#include <gtest/gtest.h>

#include "platform/gdi/Brush.h"
#include "platform/gdi/FxSavedDC.h"
#include "platform/gdi/Pen.h"
#include "support/DibCanvas.h"

namespace
{
struct DCState
{
    int nBkMode;
    COLORREF crText;
    COLORREF crBack;
    UINT nAlign;
    int nMapMode;
    HGDIOBJ hPen;
    HGDIOBJ hBrush;

    bool operator==(const DCState& o) const
    {
        return nBkMode == o.nBkMode && crText == o.crText && crBack == o.crBack && nAlign == o.nAlign &&
               nMapMode == o.nMapMode && hPen == o.hPen && hBrush == o.hBrush;
    }
};

DCState StateOf(CDC& dc)
{
    return DCState{::GetBkMode(dc.m_hDC),
                   ::GetTextColor(dc.m_hDC),
                   ::GetBkColor(dc.m_hDC),
                   ::GetTextAlign(dc.m_hDC),
                   ::GetMapMode(dc.m_hDC),
                   ::GetCurrentObject(dc.m_hDC, OBJ_PEN),
                   ::GetCurrentObject(dc.m_hDC, OBJ_BRUSH)};
}

// Changes every part of the state the drawing code relies on getting back.
void ChangeEverything(CDC& dc, CPen& pen, CBrush& brush)
{
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(1, 2, 3));
    dc.SetBkColor(RGB(4, 5, 6));
    dc.SetTextAlign(TA_RIGHT | TA_BOTTOM);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SelectObject(&pen);
    dc.SelectObject(&brush);
}
} // namespace

TEST(FxSavedDCTest, ScopeEndRestoresModesColoursMappingAndSelections)
{
    CTestDib dib(8, 8);
    CDC& dc = dib.DC();
    dc.SetBkMode(OPAQUE);
    const DCState before = StateOf(dc);
    CPen pen(PS_SOLID, 1, RGB(9, 9, 9));
    CBrush brush(RGB(8, 8, 8));
    {
        CFxSavedDC saved(&dc);
        EXPECT_TRUE(saved.IsSaved());
        ChangeEverything(dc, pen, brush);
        EXPECT_FALSE(StateOf(dc) == before);
    }
    EXPECT_TRUE(StateOf(dc) == before);
    EXPECT_EQ(OPAQUE, ::GetBkMode(dc.m_hDC));
}

TEST(FxSavedDCTest, InnerSaveLeftOpenIsDroppedWithTheScope)
{
    CTestDib dib(8, 8);
    CDC& dc = dib.DC();
    const DCState before = StateOf(dc);
    const int nDepth = ::SaveDC(dc.m_hDC);
    ::RestoreDC(dc.m_hDC, -1);
    CPen pen(PS_SOLID, 1, RGB(9, 9, 9));
    CBrush brush(RGB(8, 8, 8));
    {
        CFxSavedDC saved(&dc);
        CFxSavedDC nested(&dc);
        ChangeEverything(dc, pen, brush);
        dc.SaveDC(); // never restored by its caller
        dc.SetTextColor(RGB(7, 7, 7));
    }
    EXPECT_TRUE(StateOf(dc) == before);
    // The stack is back at the depth it had: the next save gets the same number.
    EXPECT_EQ(nDepth, ::SaveDC(dc.m_hDC));
    ::RestoreDC(dc.m_hDC, -1);
}

TEST(FxSavedDCTest, NoDCSavesNothing)
{
    CDC dcEmpty;
    const struct
    {
        const char* szName;
        CDC* pDC;
    } cases[] = {
        {"null DC", nullptr},
        {"DC without a handle", &dcEmpty},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        CFxSavedDC saved(c.pDC);
        EXPECT_FALSE(saved.IsSaved());
    }
}
