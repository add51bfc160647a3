#include <gtest/gtest.h>

#include "common/KvResizDlg.h"
#include "platform/frame/WinApp.h"
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
} // namespace

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
