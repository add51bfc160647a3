#include <gtest/gtest.h>

#include "common/KvResizDlg.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/ClientDC.h"
#include "tests/common/res/kvtest_resource.h"
#include "support/UiDriver.h"

namespace
{
const char* const kSection = "898"; // IDD_KVTEST_RESIZE in hexadecimal

class KvResizDlgTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_app.SetRegistryKey("VornKvCommLibTests");
        m_app.WriteProfileString(kSection, nullptr, nullptr);
    }
    void TearDown() override { m_app.WriteProfileString(kSection, nullptr, nullptr); }

    static CRect ControlRect(CDialog& dlg, int nID)
    {
        CRect rc;
        ::GetWindowRect(::GetDlgItem(dlg.m_hWnd, nID), &rc);
        ::MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<LPPOINT>(&rc), 2);
        return rc;
    }

    static void Resize(CDialog& dlg, int dx, int dy)
    {
        CRect rc;
        dlg.GetWindowRect(&rc);
        ::SetWindowPos(dlg.m_hWnd, nullptr, 0, 0, rc.Width() + dx, rc.Height() + dy, SWP_NOMOVE | SWP_NOZORDER);
    }

    CWinApp m_app{"KvCommLibTests"};
};

class CTestResizDlg : public CKvResizDlg
{
public:
    CTestResizDlg() : CKvResizDlg(IDD_KVTEST_RESIZE)
    {
        SetControlInfo(IDC_KVTEST_RS_LIST, KVRD_STRETCH_WIDTH | KVRD_STRETCH_HEIGHT);
        SetControlInfo(IDC_KVTEST_RS_LABEL, KVRD_MOVE_RIGHT);
        SetControlInfo(IDC_KVTEST_RS_WIDE, KVRD_STRETCH_WIDTH | KVRD_MOVE_RIGHT | KVRD_MOVE_DOWN);
        SetControlInfo(IDC_KVTEST_RS_FIXED, 0);
        SetControlInfo(IDOK, KVRD_MOVE_RIGHT | KVRD_MOVE_DOWN);
        SetControlInfo(IDCANCEL, KVRD_MOVE_RIGHT | KVRD_MOVE_DOWN);
    }
};
// A group box and an etched frame that grow with the dialog: neither paints its inside.
class CFramesResizDlg : public CKvResizDlg
{
public:
    CFramesResizDlg() : CKvResizDlg(IDD_KVTEST_RESIZE_FRAMES)
    {
        SetRememberSize(FALSE);
        SetControlInfo(IDC_KVTEST_RS_GROUP, KVRD_STRETCH_WIDTH | KVRD_STRETCH_HEIGHT);
        SetControlInfo(IDC_KVTEST_RS_FRAME, KVRD_STRETCH_WIDTH | KVRD_MOVE_DOWN);
        SetControlInfo(IDOK, KVRD_MOVE_RIGHT | KVRD_MOVE_DOWN);
        SetControlInfo(IDCANCEL, KVRD_MOVE_RIGHT | KVRD_MOVE_DOWN);
    }
};

// What the screen shows at a client point of the window.
COLORREF ScreenPixel(HWND hWnd, int x, int y)
{
    POINT pt = {x, y};
    ::ClientToScreen(hWnd, &pt);
    CClientDC dcScreen(nullptr);
    return ::GetPixel(dcScreen.m_hDC, pt.x, pt.y);
}
} // namespace

TEST_F(KvResizDlgTest, TheInsideOfGroupBoxesAndFramesIsErasedAfterAResize)
{
    CFramesResizDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_KVTEST_RESIZE_FRAMES));
    dlg.ShowWindow(SW_SHOW);
    ::RedrawWindow(dlg.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(SaveWindowPicture(dlg.m_hWnd, "resize-frames-before.png"));
    const CRect rcCheck = ControlRect(dlg, IDC_KVTEST_RS_CHECK);

    // What the client showed before stays on screen unless the resize paints it over: the old
    // frame lines, here made plain by a red client area.
    {
        CRect rcClient;
        dlg.GetClientRect(&rcClient);
        CClientDC dc(dlg.m_hWnd);
        CBrush brushRed(RGB(255, 0, 0));
        dc.FillRect(&rcClient, &brushRed);
    }
    Resize(dlg, 60, 40);
    ::RedrawWindow(dlg.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);

    const COLORREF crFace = ::GetSysColor(COLOR_BTNFACE);
    const CRect rcGroup = ControlRect(dlg, IDC_KVTEST_RS_GROUP);
    const CRect rcFrame = ControlRect(dlg, IDC_KVTEST_RS_FRAME);
    struct Spot
    {
        const char* szName;
        CPoint pt;
    };
    const Spot spots[] = {
        {"group box, below its check box", CPoint(rcCheck.left + 4, rcCheck.bottom + 6)},
        {"group box, where its old right edge was", CPoint(rcGroup.right - 30, rcGroup.CenterPoint().y)},
        {"group box, grown part", CPoint(rcGroup.right - 8, rcGroup.bottom - 8)},
        {"etched frame, middle", rcFrame.CenterPoint()},
        {"etched frame, grown part", CPoint(rcFrame.right - 8, rcFrame.bottom - 8)},
        {"outside the controls", CPoint(rcGroup.right + 8, rcGroup.top + 4)},
    };
    for (const Spot& s : spots) {
        SCOPED_TRACE(s.szName);
        EXPECT_EQ(crFace, ScreenPixel(dlg.m_hWnd, s.pt.x, s.pt.y)) << s.pt.x << "," << s.pt.y;
    }
    EXPECT_TRUE(SaveWindowPicture(dlg.m_hWnd, "resize-frames-after.png"));
    dlg.DestroyWindow();
}

TEST_F(KvResizDlgTest, AnchorsMoveAndGrowControls)
{
    CTestResizDlg dlg;
    EXPECT_EQ(5, dlg.GetControlInfo().GetSize()); // the entry without flags is not kept
    ASSERT_TRUE(dlg.Create(IDD_KVTEST_RESIZE));
    const CRect rcList = ControlRect(dlg, IDC_KVTEST_RS_LIST);
    const CRect rcLabel = ControlRect(dlg, IDC_KVTEST_RS_LABEL);
    const CRect rcWide = ControlRect(dlg, IDC_KVTEST_RS_WIDE);
    const CRect rcFixed = ControlRect(dlg, IDC_KVTEST_RS_FIXED);
    const CRect rcOk = ControlRect(dlg, IDOK);

    Resize(dlg, 40, 30);
    EXPECT_TRUE(dlg.IsResized());
    EXPECT_EQ(CRect(rcList.left, rcList.top, rcList.right + 40, rcList.bottom + 30),
              ControlRect(dlg, IDC_KVTEST_RS_LIST));
    EXPECT_EQ(CRect(rcLabel.left + 40, rcLabel.top, rcLabel.right + 40, rcLabel.bottom),
              ControlRect(dlg, IDC_KVTEST_RS_LABEL));
    // Stretching wins over moving: the edit grows and does not also move right.
    EXPECT_EQ(CRect(rcWide.left, rcWide.top + 30, rcWide.right + 40, rcWide.bottom + 30),
              ControlRect(dlg, IDC_KVTEST_RS_WIDE));
    EXPECT_EQ(rcFixed, ControlRect(dlg, IDC_KVTEST_RS_FIXED));
    EXPECT_EQ(CRect(rcOk.left + 40, rcOk.top + 30, rcOk.right + 40, rcOk.bottom + 30), ControlRect(dlg, IDOK));

    // Minimising and restoring moves nothing twice.
    dlg.ShowWindow(SW_MINIMIZE);
    dlg.ShowWindow(SW_RESTORE);
    EXPECT_EQ(CRect(rcOk.left + 40, rcOk.top + 30, rcOk.right + 40, rcOk.bottom + 30), ControlRect(dlg, IDOK));
    EXPECT_TRUE(SaveWindowPicture(dlg.m_hWnd, "resize-dialog.png"));
    dlg.DestroyWindow();
}

TEST_F(KvResizDlgTest, CreationSizeIsTheMinimum)
{
    CTestResizDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_KVTEST_RESIZE));
    CRect rc;
    dlg.GetWindowRect(&rc);
    EXPECT_EQ(rc.Size(), dlg.GetMinTrackSize());
    MINMAXINFO info = {};
    dlg.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(rc.Width(), info.ptMinTrackSize.x);
    EXPECT_EQ(rc.Height(), info.ptMinTrackSize.y);

    // The grip's corner reports the bottom-right border.
    dlg.ShowWindow(SW_SHOW);
    CRect rcClient;
    dlg.GetClientRect(&rcClient);
    POINT pt = {rcClient.right - 2, rcClient.bottom - 2};
    ClientToScreen(dlg.m_hWnd, &pt);
    EXPECT_EQ(HTBOTTOMRIGHT, dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)));
    dlg.DestroyWindow();
}

TEST_F(KvResizDlgTest, SizeGoesToTheProfileOnlyAfterAResize)
{
    {
        CTestResizDlg dlg;
        ASSERT_TRUE(dlg.Create(IDD_KVTEST_RESIZE));
        dlg.DestroyWindow();
    }
    EXPECT_EQ(0u, m_app.GetProfileInt(kSection, "CX", 0));
    EXPECT_EQ(0u, m_app.GetProfileInt(kSection, "CY", 0));

    CRect rcResized;
    {
        CTestResizDlg dlg;
        ASSERT_TRUE(dlg.Create(IDD_KVTEST_RESIZE));
        Resize(dlg, 50, 20);
        dlg.GetWindowRect(&rcResized);
        dlg.DestroyWindow();
    }
    EXPECT_EQ(static_cast<UINT>(rcResized.Width()), m_app.GetProfileInt(kSection, "CX", 0));
    EXPECT_EQ(static_cast<UINT>(rcResized.Height()), m_app.GetProfileInt(kSection, "CY", 0));

    // The next dialog opens at that size, its controls following.
    CTestResizDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_KVTEST_RESIZE));
    CRect rc;
    dlg.GetWindowRect(&rc);
    EXPECT_EQ(rcResized.Size(), rc.Size());
    CRect rcClient;
    dlg.GetClientRect(&rcClient);
    EXPECT_GT(ControlRect(dlg, IDOK).right, rcClient.right - 20);
    dlg.DestroyWindow();
}

TEST_F(KvResizDlgTest, OneProfileValueAloneIsNotApplied)
{
    m_app.WriteProfileInt(kSection, "CX", 600);
    CTestResizDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_KVTEST_RESIZE));
    CRect rc;
    dlg.GetWindowRect(&rc);
    EXPECT_NE(600, rc.Width());
    CString strSection;
    dlg.GetDialogProfileEntry(strSection);
    EXPECT_EQ(CString(kSection), strSection);
    dlg.DestroyWindow();
}
