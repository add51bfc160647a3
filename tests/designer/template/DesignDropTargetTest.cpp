// The drop target that forwards drag events to its window as messages: what it answers for
// each reply, what it keeps, and that it forwards nothing without an owner.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "designer/template/DesignDropTarget.h"
#include "platform/win/MsgMap.h"
#include "platform/win/Wnd.h"

namespace
{

// Records the forwarded messages with what the target kept at that moment, and answers them.
class CRecordingWnd : public CWnd
{
public:
    struct Seen
    {
        UINT nMessage;
        DWORD dwKeyState;
        CPoint point;
        DROPEFFECT dropEffect;
    };
    std::vector<Seen> m_seen;
    LRESULT m_nAnswer = 0;
    CDesignDropTarget* m_pTarget = nullptr;

protected:
    LRESULT Record(UINT nMessage)
    {
        m_seen.push_back({nMessage, m_pTarget->m_dwKeyState, m_pTarget->m_point, m_pTarget->m_dropEffect});
        return m_nAnswer;
    }
    LRESULT OnDragOverMsg(WPARAM, LPARAM) { return Record(WM_DESIGN_DRAG_OVER); }
    LRESULT OnDropMsg(WPARAM, LPARAM) { return Record(WM_DESIGN_DROP); }
    LRESULT OnLeaveMsg(WPARAM, LPARAM) { return Record(WM_DESIGN_DRAG_LEAVE); }

    FX_DECLARE_MESSAGE_MAP()
};

FX_BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
FX_ON_MESSAGE(WM_DESIGN_DRAG_OVER, OnDragOverMsg)
FX_ON_MESSAGE(WM_DESIGN_DROP, OnDropMsg)
FX_ON_MESSAGE(WM_DESIGN_DRAG_LEAVE, OnLeaveMsg)
FX_END_MESSAGE_MAP()

class CDesignDropTargetTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateEx(0, nullptr, "target", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
        m_wnd.m_pTarget = &m_target;
    }
    void TearDown() override { m_wnd.DestroyWindow(); }

    CRecordingWnd m_wnd;
    CDesignDropTarget m_target;
};

} // namespace

TEST_F(CDesignDropTargetTest, WithoutAnOwnerNothingIsForwardedAndNothingDropped)
{
    EXPECT_EQ(DROPEFFECT_NONE, m_target.OnDragOver(&m_wnd, nullptr, MK_LBUTTON, CPoint(3, 4)));
    m_target.OnDragLeave(&m_wnd);
    EXPECT_FALSE(m_target.OnDrop(&m_wnd, nullptr, DROPEFFECT_MOVE, CPoint(5, 6)));
    EXPECT_TRUE(m_wnd.m_seen.empty());
    // The values are kept all the same.
    EXPECT_EQ(CPoint(5, 6), m_target.m_point);
    EXPECT_EQ(static_cast<DROPEFFECT>(DROPEFFECT_MOVE), m_target.m_dropEffect);
    EXPECT_EQ(&m_wnd, m_target.m_pEventWnd);
}

TEST_F(CDesignDropTargetTest, DragEnterAnswersByShiftAloneAndAsksNobody)
{
    m_target.m_pOwner = &m_wnd;
    m_wnd.m_nAnswer = 0;
    EXPECT_EQ(static_cast<DROPEFFECT>(DROPEFFECT_COPY), m_target.OnDragEnter(&m_wnd, nullptr, MK_LBUTTON, CPoint()));
    EXPECT_EQ(static_cast<DROPEFFECT>(DROPEFFECT_MOVE),
              m_target.OnDragEnter(&m_wnd, nullptr, MK_LBUTTON | MK_SHIFT, CPoint()));
    EXPECT_TRUE(m_wnd.m_seen.empty());
}

TEST_F(CDesignDropTargetTest, DragOverAndDropForwardTheOwnersAnswer)
{
    m_target.m_pOwner = &m_wnd;
    struct OverCase
    {
        const char* szName;
        LRESULT nAnswer;
        DROPEFFECT effect;
    };
    const OverCase overs[] = {
        {"2 is move", 2, DROPEFFECT_MOVE},
        {"3 is copy", 3, DROPEFFECT_COPY},
        {"1 refuses", 1, DROPEFFECT_NONE},
        {"0 refuses", 0, DROPEFFECT_NONE},
        {"any other value refuses", 5, DROPEFFECT_NONE},
    };
    for (const OverCase& c : overs) {
        SCOPED_TRACE(c.szName);
        m_wnd.m_seen.clear();
        m_wnd.m_nAnswer = c.nAnswer;
        EXPECT_EQ(c.effect, m_target.OnDragOver(&m_wnd, nullptr, MK_LBUTTON | MK_CONTROL, CPoint(7, 8)));
        ASSERT_EQ(1U, m_wnd.m_seen.size());
        EXPECT_EQ(WM_DESIGN_DRAG_OVER, m_wnd.m_seen[0].nMessage);
        // The handler reads the event from the target.
        EXPECT_EQ(static_cast<DWORD>(MK_LBUTTON | MK_CONTROL), m_wnd.m_seen[0].dwKeyState);
        EXPECT_EQ(CPoint(7, 8), m_wnd.m_seen[0].point);
    }

    const struct
    {
        const char* szName;
        LRESULT nAnswer;
        BOOL bTaken;
    } drops[] = {{"taken", 1, TRUE}, {"refused", 0, FALSE}};
    for (const auto& c : drops) {
        SCOPED_TRACE(c.szName);
        m_wnd.m_seen.clear();
        m_wnd.m_nAnswer = c.nAnswer;
        EXPECT_EQ(c.bTaken, m_target.OnDrop(&m_wnd, nullptr, DROPEFFECT_COPY, CPoint(9, 10)));
        ASSERT_EQ(1U, m_wnd.m_seen.size());
        EXPECT_EQ(WM_DESIGN_DROP, m_wnd.m_seen[0].nMessage);
        EXPECT_EQ(CPoint(9, 10), m_wnd.m_seen[0].point);
        EXPECT_EQ(static_cast<DROPEFFECT>(DROPEFFECT_COPY), m_wnd.m_seen[0].dropEffect);
    }
}

TEST_F(CDesignDropTargetTest, DragLeaveTellsTheWindowOfTheLastEventOnly)
{
    m_target.m_pOwner = &m_wnd;
    // No drag-over yet: no window to tell.
    m_target.OnDragLeave(&m_wnd);
    EXPECT_TRUE(m_wnd.m_seen.empty());
    m_target.OnDragOver(&m_wnd, nullptr, 0, CPoint(1, 1));
    m_wnd.m_seen.clear();
    m_target.OnDragLeave(&m_wnd);
    ASSERT_EQ(1U, m_wnd.m_seen.size());
    EXPECT_EQ(WM_DESIGN_DRAG_LEAVE, m_wnd.m_seen[0].nMessage);
}
