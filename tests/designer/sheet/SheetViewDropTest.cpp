// The sheet-definition view takes real OLE drags: its drop target is registered with OLE for the
// view's window, and drag events given to it in screen coordinates reach the view's handlers.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "core/CappCell.h"
#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/shell/MainFrame.h"
#include "designer/sheet/SheetDefRangeFun.h"
#include "designer/shell/VornDesignApp.h"
#include "platform/gdi/ClientDC.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/designer/sheet/SheetViewFixture.h"
#include "tests/support/TestData.h"

namespace
{
class CSheetViewDropTest : public CSheetViewFixture
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(Open(SampleTemplate()));
        PumpTestMessages();
    }
    POINTL ScreenOf(CPoint ptClient)
    {
        POINT pt = {ptClient.x, ptClient.y};
        ::ClientToScreen(m_pView->m_hWnd, &pt);
        return {pt.x, pt.y};
    }
};

} // namespace

TEST_F(CSheetViewDropTest, TheViewsWindowIsRegisteredForDrops)
{
    EXPECT_EQ(m_pView, m_pView->m_dropTarget.GetRegisteredWnd());
    EXPECT_EQ(m_pView, m_pView->m_dropTarget.m_pOwner);
    // OLE refuses a second target for the window: the first one is really in place.
    COleDropTarget other;
    EXPECT_EQ(DRAGDROP_E_ALREADYREGISTERED, ::RegisterDragDrop(m_pView->m_hWnd, &other));
}

// Each event given to the registered target in screen coordinates reaches the view with the
// point in its client coordinates; the view's answer decides the effect.
TEST_F(CSheetViewDropTest, OleDragEventsReachTheViewWithTheirClientPoint)
{
    IDropTarget* pTarget = &m_pView->m_dropTarget;
    struct EventCase
    {
        const char* szName;
        CPoint ptClient;
        DWORD dwKeys;
    };
    const EventCase cases[] = {
        {"near the corner", CPoint(3, 4), MK_LBUTTON},
        {"inside", CPoint(120, 90), MK_LBUTTON | MK_SHIFT},
        {"further in", CPoint(301, 211), MK_LBUTTON | MK_CONTROL},
    };
    for (const EventCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_pView->m_ptDrag = CPoint(-1, -1);
        DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        ASSERT_EQ(S_OK, pTarget->DragEnter(nullptr, c.dwKeys, ScreenOf(c.ptClient), &dwEffect));
        dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        ASSERT_EQ(S_OK, pTarget->DragOver(c.dwKeys, ScreenOf(c.ptClient), &dwEffect));
        EXPECT_EQ(c.ptClient, m_pView->m_ptDrag);
        EXPECT_EQ(c.dwKeys, m_pView->m_dropTarget.m_dwKeyState);
        ASSERT_EQ(S_OK, pTarget->DragLeave());
    }
}

// A cell of the sheet dragged to an empty range through OLE is copied there.
TEST_F(CSheetViewDropTest, ACellDroppedThroughOleIsCopiedToAnEmptyRange)
{
    CCappSheet& sheet = *m_pView->m_pSheet;
    const CRect& rcFrame = sheet.m_rcFrame;
    // Find a range with a cell and an empty one, by their client points.
    CPoint ptCell;
    CPoint ptEmpty;
    BOOL bCell = FALSE;
    BOOL bEmpty = FALSE;
    CClientDC dc(m_pView->m_hWnd);
    m_pView->OnPrepareDC(&dc, nullptr);
    for (int y = rcFrame.top + 5; y < rcFrame.bottom && !(bCell && bEmpty); y += 20) {
        for (int x = rcFrame.left + 5; x < rcFrame.right && !(bCell && bEmpty); x += 20) {
            const CCappRange range = CSheetDefRangeFun::GetRange(sheet, CPoint(x, y));
            if (CSheetDefRangeFun::IsEmpty(range)) {
                continue;
            }
            const CPoint ptCentre = range.m_rect.CenterPoint();
            const BOOL bHasCell = CSheetDefRangeFun::GetCell(sheet, range) != nullptr;
            if (bHasCell && !bCell) {
                ptCell = ptCentre;
                bCell = TRUE;
            } else if (!bHasCell && !bEmpty) {
                ptEmpty = ptCentre;
                bEmpty = TRUE;
            }
        }
    }
    ASSERT_TRUE(bCell && bEmpty) << "the sample shows a cell and an empty range";
    m_pView->SelectAt(ptCell);
    CCappCell* pSource = CSheetDefRangeFun::GetCell(sheet, m_pView->m_rangeSel);
    ASSERT_NE(nullptr, pSource);
    const CString strText = pSource->m_strText;
    CPoint ptClient = ptEmpty;
    dc.LPtoDP(&ptClient, 1);

    IDropTarget* pTarget = &m_pView->m_dropTarget;
    DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(S_OK, pTarget->DragEnter(nullptr, MK_LBUTTON, ScreenOf(ptClient), &dwEffect));
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(S_OK, pTarget->DragOver(MK_LBUTTON, ScreenOf(ptClient), &dwEffect));
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_MOVE), dwEffect);
    EXPECT_FALSE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeDrop)) << "the target range is highlighted";
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(S_OK, pTarget->Drop(nullptr, MK_LBUTTON, ScreenOf(ptClient), &dwEffect));
    EXPECT_NE(static_cast<DWORD>(DROPEFFECT_NONE), dwEffect);
    const CCappCell* pCopy = CSheetDefRangeFun::GetCell(sheet, CSheetDefRangeFun::GetRange(sheet, ptEmpty));
    ASSERT_NE(nullptr, pCopy);
    EXPECT_STREQ(strText, pCopy->m_strText);
    EXPECT_NE(nullptr, CSheetDefRangeFun::GetCell(sheet, CSheetDefRangeFun::GetRange(sheet, ptCell)))
        << "the dragged cell stays";
}
