// The cell tool under real mouse messages: a click starts tracking with the mouse captured, moves
// span a tracked area, the button's release ends it; the marks it draws; the role tools' commands,
// check marks and cursors; a double click opens the cell's properties.
#include "tests/designer/sheet/CellToolTestFixture.h"

#include <algorithm>
#include <map>

#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"

namespace
{
std::unique_ptr<CTestDib> CaptureClient(HWND hWnd)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::GdiFlush();
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    auto pDib = std::make_unique<CTestDib>(rc.right, rc.bottom);
    CClientDC dc(hWnd);
    pDib->DC().BitBlt(0, 0, rc.right, rc.bottom, &dc, 0, 0, SRCCOPY);
    return pDib;
}

class CSheetViewAuxTest : public CCellToolTest
{
protected:
    // The label "零件名称" and the range right below and beside it.
    void PickRanges()
    {
        const CCappCell* pLabel = FindCell(CCappCell::kindStatic, "零件名称");
        ASSERT_NE(nullptr, pLabel);
        m_ptA = CentreOf(pLabel);
        m_rangeA = RangeAt(m_ptA);
        m_ptB = CPoint(m_rangeA.m_rect.right + 5, m_rangeA.m_rect.bottom + 5);
        m_rangeB = RangeAt(m_ptB);
        ASSERT_FALSE(CSheetDefRangeFun::IsEmpty(m_rangeB));
    }
    // Pixels of exactly that colour inside a sheet rectangle, and the rectangle's pixel count.
    int CountColour(const CTestDib& dib, const CRect& rcSheet, COLORREF cr, int& nArea)
    {
        CRect rc(ClientOf(rcSheet.TopLeft()), ClientOf(rcSheet.BottomRight()));
        rc.IntersectRect(&rc, CRect(0, 0, dib.Width(), dib.Height()));
        nArea = rc.Width() * rc.Height();
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y) {
            for (int x = rc.left; x < rc.right; ++x) {
                n += dib.Pixel(x, y) == cr ? 1 : 0;
            }
        }
        return n;
    }

    CPoint m_ptA;
    CPoint m_ptB;
    CCappRange m_rangeA;
    CCappRange m_rangeB;
};
} // namespace

TEST_F(CSheetViewAuxTest, TrackingFollowsTheMouseWhileTheButtonIsDown)
{
    PickRanges();
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, m_ptA);
    EXPECT_EQ(m_rangeA.m_rect, m_pView->m_rangeSel.m_rect);
    EXPECT_EQ(CSheetViewAux::modeTracking, m_pView->m_nEditMode);
    EXPECT_EQ(m_pView->m_hWnd, ::GetCapture());

    struct MoveCase
    {
        const char* szName;
        CPoint pt;
        CRect rcTrack;
    };
    const MoveCase cases[] = {
        {"onto the next range", m_ptB, m_rangeB.m_rect},
        {"back onto the selection: nothing tracked", m_ptA, CRect()},
        {"out again", m_ptB, m_rangeB.m_rect},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.szName);
        Mouse(WM_MOUSEMOVE, MK_LBUTTON, c.pt);
        EXPECT_EQ(c.rcTrack, m_pView->m_rangeTrack.m_rect);
        EXPECT_EQ(CSheetViewAux::modeTracking, m_pView->m_nEditMode);
    }

    Mouse(WM_LBUTTONUP, 0, m_ptB);
    EXPECT_EQ(CCappSheetDefView::editSelect, m_pView->m_nEditMode);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(m_rangeB.m_rect, m_pView->m_rangeTrack.m_rect) << "the tracked range stays";
    CRect rcBoth;
    rcBoth.UnionRect(&m_rangeA.m_rect, &m_rangeB.m_rect);
    EXPECT_EQ(rcBoth, CSheetDefRangeFun::Union(m_pView->m_rangeSel, m_pView->m_rangeTrack).m_rect);

    // Without the button nothing tracks; a new click starts afresh.
    Mouse(WM_MOUSEMOVE, 0, m_ptA);
    EXPECT_EQ(m_rangeB.m_rect, m_pView->m_rangeTrack.m_rect);
    Click(m_ptB);
    EXPECT_EQ(m_rangeB.m_rect, m_pView->m_rangeSel.m_rect);
    EXPECT_TRUE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeTrack));
}

// The button released where the view did not see it: the next move ends tracking, capture too.
TEST_F(CSheetViewAuxTest, AMoveWithoutTheButtonEndsTracking)
{
    PickRanges();
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, m_ptA);
    ASSERT_EQ(CSheetViewAux::modeTracking, m_pView->m_nEditMode);
    Mouse(WM_MOUSEMOVE, 0, m_ptB);
    EXPECT_EQ(CCappSheetDefView::editSelect, m_pView->m_nEditMode);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_TRUE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeTrack));
    // A click outside the frame clears the selection and starts no tracking.
    Click(CPoint(m_pSheet->m_rcFrame.left - 20, m_pSheet->m_rcFrame.top - 20));
    EXPECT_TRUE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeSel));
    EXPECT_EQ(CCappSheetDefView::editSelect, m_pView->m_nEditMode);
    EXPECT_EQ(nullptr, ::GetCapture());
}

// The tracked area is masked through blue, so that the lines and the text under it stay, and the
// drop target through grey with a magenta edge; pictures of both.
TEST_F(CSheetViewAuxTest, MarksMaskTheTrackedAreaBlueAndTheDropTargetGrey)
{
    PickRanges();
    const COLORREF crGrey = RGB(0xBC, 0xBC, 0xBC);
    const COLORREF crMagenta = RGB(255, 0, 255);
    CRect rcBoth;
    rcBoth.UnionRect(&m_rangeA.m_rect, &m_rangeB.m_rect);
    int nArea = 0;
    // The colour most pixels of a sheet rectangle have.
    auto commonColour = [&](const CTestDib& dib, const CRect& rcSheet) {
        CRect rc(ClientOf(rcSheet.TopLeft()), ClientOf(rcSheet.BottomRight()));
        rc.IntersectRect(&rc, CRect(0, 0, dib.Width(), dib.Height()));
        std::map<COLORREF, int> counts;
        for (int y = rc.top; y < rc.bottom; ++y) {
            for (int x = rc.left; x < rc.right; ++x) {
                ++counts[dib.Pixel(x, y)];
            }
        }
        auto it = std::max_element(counts.begin(), counts.end(),
                                   [](const auto& a, const auto& b) { return a.second < b.second; });
        return it != counts.end() ? it->first : RGB(255, 255, 255);
    };
    auto isDark = [](COLORREF cr) { return GetRValue(cr) < 0x60 && GetGValue(cr) < 0x60 && GetBValue(cr) < 0x60; };

    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, m_ptA);
    {
        std::unique_ptr<CTestDib> pShown = CaptureClient(m_pView->m_hWnd);
        EXPECT_EQ(RGB(255, 255, 255), commonColour(*pShown, rcBoth)) << "one cell selected: no mask";
    }
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, m_ptB);
    Mouse(WM_LBUTTONUP, 0, m_ptB);
    COLORREF crTint = RGB(255, 255, 255);
    {
        std::unique_ptr<CTestDib> pShown = CaptureClient(m_pView->m_hWnd);
        SavePng(TestImagePath("cell-tool-tracked.png").c_str(), pShown->Bits(), pShown->Width(), pShown->Height());
        crTint = commonColour(*pShown, rcBoth);
        EXPECT_EQ(RGB(0, 0, 255), crTint) << "white paper masked through blue";
        const int nTinted = CountColour(*pShown, rcBoth, crTint, nArea);
        EXPECT_GT(nTinted, nArea / 2);
        int nDark = 0;
        CRect rc(ClientOf(rcBoth.TopLeft()), ClientOf(rcBoth.BottomRight()));
        for (int y = std::max(0, static_cast<int>(rc.top)); y < std::min(pShown->Height(), static_cast<int>(rc.bottom));
             ++y) {
            for (int x = std::max(0, static_cast<int>(rc.left));
                 x < std::min(pShown->Width(), static_cast<int>(rc.right)); ++x) {
                nDark += isDark(pShown->Pixel(x, y)) ? 1 : 0;
            }
        }
        EXPECT_GT(nDark, 0) << "lines and text stay dark";
        const int nRed = CountColour(*pShown, rcBoth, RGB(255, 0, 0), nArea);
        EXPECT_GT(nRed, 0) << "the selection's outline";
    }

    m_pView->SelectAt(m_ptA);
    m_pView->m_aux.EndTracking();
    ASSERT_EQ(2, m_pView->DragOverAt(m_ptB));
    {
        std::unique_ptr<CTestDib> pShown = CaptureClient(m_pView->m_hWnd);
        SavePng(TestImagePath("cell-tool-drop.png").c_str(), pShown->Bits(), pShown->Width(), pShown->Height());
        EXPECT_EQ(0, CountColour(*pShown, rcBoth, crTint, nArea)) << "nothing tracked";
        const int nGrey = CountColour(*pShown, m_rangeB.m_rect, crGrey, nArea);
        EXPECT_GT(nGrey, nArea / 2);
        EXPECT_GT(CountColour(*pShown, m_rangeB.m_rect, crMagenta, nArea), 0);
    }
}

TEST_F(CSheetViewAuxTest, RoleToolCommandsToggleTheirModeCheckMarkAndCursor)
{
    struct ToolCase
    {
        const char* szName;
        UINT nID;
        int nMode;
        int nCursor;
    };
    const ToolCase cases[] = {
        {"static text", ID_SHEET_CELL_STATIC_TOOL, CSheetViewAux::modeStaticTool, CSheetViewAux::cursorStatic},
        {"card variable", ID_SHEET_CELL_VARIABLE_TOOL, CSheetViewAux::modeVariableTool, CSheetViewAux::cursorVariable},
        {"graphic variable", ID_SHEET_CELL_IMAGE_TOOL, CSheetViewAux::modeImageTool, CSheetViewAux::cursorImage},
    };
    for (const ToolCase& c : cases) {
        SCOPED_TRACE(c.szName);
        Command(c.nID);
        EXPECT_EQ(c.nMode, m_pView->m_nEditMode);
        for (const ToolCase& other : cases) {
            EXPECT_EQ(&other == &c ? 1 : 0, Update(other.nID).m_nCheck) << other.szName;
        }
        HCURSOR hExpected = ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.nCursor));
        ASSERT_NE(nullptr, hExpected);
        m_pView->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_pView->m_hWnd), MAKELPARAM(HTCLIENT, 0));
        EXPECT_EQ(hExpected, ::GetCursor());
        Command(c.nID);
        EXPECT_EQ(CCappSheetDefView::editSelect, m_pView->m_nEditMode) << "a second time turns it off";
        Command(c.nID);
        Command(ID_SHEET_CELL_SELECT_TOOL);
        EXPECT_EQ(CCappSheetDefView::editSelect, m_pView->m_nEditMode);
    }
    // Mode 16 has its cursor too; plain selection leaves the cursor to the next tool.
    m_pView->m_nEditMode = CSheetViewAux::modeCursorOnly;
    EXPECT_TRUE(m_pView->m_aux.OnSetCursor());
    EXPECT_EQ(::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(CSheetViewAux::cursorOther)), ::GetCursor());
    m_pView->m_nEditMode = CCappSheetDefView::editSelect;
    EXPECT_FALSE(m_pView->m_aux.OnSetCursor());
}

// A double click, as the mouse sends it, opens the properties of the cell under it.
TEST_F(CSheetViewAuxTest, ADoubleClickOpensTheCellsProperties)
{
    PickRanges();
    CTestUi ui;
    CTestSheets sheets;
    std::vector<CString> tabs;
    sheets.OnSheet([&](CPropertySheet& sh) {
        tabs = CTestSheets::TabTexts(sh);
        CTestSheets::Press(sh, IDCANCEL);
    });
    Click(m_ptA);
    Mouse(WM_LBUTTONDBLCLK, MK_LBUTTON, m_ptA);
    Mouse(WM_LBUTTONUP, 0, m_ptA);
    EXPECT_EQ(1, sheets.GetSheetsOpened());
    EXPECT_EQ((std::vector<CString>{"静态文本", "文本", "格式"}), tabs);
    EXPECT_EQ(CCappSheetDefView::editSelect, m_pView->m_nEditMode);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(CCappSheetDefView::saveStateSaved, m_pView->GetSaveState()) << "cancelled";
}

// Shift while tracking ends tracking; a selection without a cell has nothing to drag.
TEST_F(CSheetViewAuxTest, ShiftWhileTrackingEndsItAndAnEmptyRangeIsNotDragged)
{
    const std::vector<CCappRange> empty = EmptyRanges();
    ASSERT_FALSE(empty.empty());
    const CPoint pt = empty[0].m_rect.CenterPoint();
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, pt);
    ASSERT_EQ(CSheetViewAux::modeTracking, m_pView->m_nEditMode);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, CPoint(pt.x + 1, pt.y));
    EXPECT_EQ(CCappSheetDefView::editSelect, m_pView->m_nEditMode);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(nullptr, m_pView->m_pDragCell);
    EXPECT_EQ(empty[0].m_rect, m_pView->m_rangeSel.m_rect);
}
