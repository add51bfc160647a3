#include <gtest/gtest.h>

#include <cstdlib>

#include "KvTestHost.h"
#include "common/KvHotButton.h"
#include "tests/common/res/kvtest_resource.h"
#include "support/DibCanvas.h"
#include "support/PngFile.h"
#include "support/TestData.h"
#include "platform/gdi/ClientDC.h"

namespace
{
const COLORREF kNormalBlue = RGB(0, 0, 160);
const COLORREF kHotRed = RGB(200, 0, 0);

class KvHotButtonTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.Open());
        ASSERT_TRUE(m_hot.SubclassDlgItem(IDC_KVTEST_HOT1, &m_host));
        m_hot.SetBitmap(IDB_KVTEST_HOT_NORMAL, IDB_KVTEST_HOT_HOT, RGB(255, 0, 255));
    }

    void SendMouse(CWnd& wnd, UINT message, int x, int y, WPARAM wKeys = 0)
    {
        wnd.SendMessage(message, wKeys, MAKELPARAM(x, y));
    }

    CKvTestHost m_host{IDD_KVTEST_CONTROLS};
    CKvHotButton m_hot;
};
} // namespace

TEST_F(KvHotButtonTest, SubclassingMakesTheButtonOwnerDrawnAndKeepsTheDefaultFlag)
{
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), m_hot.GetStyle() & 0x0F);
    EXPECT_FALSE(m_hot.GetDefault());

    CKvHotButton ok;
    ASSERT_TRUE(ok.SubclassDlgItem(IDOK, &m_host));
    EXPECT_TRUE(ok.GetDefault());
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), ok.GetStyle() & 0x0F);
}

TEST_F(KvHotButtonTest, ImageListHoldsNormalThenHotImage)
{
    EXPECT_EQ(1, m_hot.GetImageKind());
    EXPECT_EQ(2, m_hot.GetImageList().GetImageCount());

    // Without a hot image the normal one serves for both.
    m_hot.SetBitmap(IDB_KVTEST_HOT_NORMAL, 0, RGB(255, 0, 255));
    EXPECT_EQ(2, m_hot.GetImageList().GetImageCount());
    CRect rc;
    m_hot.GetClientRect(&rc);
    CTestDib normal(rc.Width(), rc.Height());
    CTestDib hot(rc.Width(), rc.Height());
    m_hot.SetShowText(FALSE);
    DrawButtonState(m_hot, normal, 0, 0, 0);
    DrawButtonState(m_hot, hot, 0, 0, ODS_SELECTED);
    const CPoint ptCentre = rc.CenterPoint();
    EXPECT_EQ(kNormalBlue, normal.Pixel(ptCentre.x, ptCentre.y));
    EXPECT_EQ(kNormalBlue, hot.Pixel(ptCentre.x, ptCentre.y));
    m_hot.SetBitmap(IDB_KVTEST_HOT_NORMAL, IDB_KVTEST_HOT_HOT, RGB(255, 0, 255));
    DrawButtonState(m_hot, hot, 0, 0, ODS_SELECTED);
    EXPECT_EQ(kHotRed, hot.Pixel(ptCentre.x, ptCentre.y));

    // A strip of two gives the hot image from its second half.
    m_hot.SetImageList(IDB_KVTEST_HOT_STRIP, 16, 16, RGB(255, 0, 255));
    EXPECT_EQ(2, m_hot.GetImageList().GetImageCount());

    m_hot.SetBitmap(0, 0, 0);
    EXPECT_EQ(0, m_hot.GetImageKind());
    m_hot.SetIcon(0, 0);
    EXPECT_EQ(0, m_hot.GetImageKind());
}

TEST_F(KvHotButtonTest, ImageWithoutCaptionIsCentredInEveryAlignment)
{
    m_hot.SetShowText(FALSE);
    CRect rc;
    m_hot.GetClientRect(&rc);
    for (int nAlign : {0, 1}) {
        SCOPED_TRACE(nAlign);
        m_hot.SetAlign(nAlign);
        CTestDib dib(rc.Width(), rc.Height());
        DrawButtonState(m_hot, dib, 0, 0, 0);
        const CRect ink = dib.InkBounds(rc, GetSysColor(COLOR_BTNFACE));
        // The 12-pixel square inside the 16-pixel image, centred across the button.
        EXPECT_LE(std::abs((ink.left + ink.right) - rc.Width()), 1) << ink.left << "," << ink.right;
    }
}

TEST_F(KvHotButtonTest, AlignmentKeepsOnlyKnownValues)
{
    struct AlignCase
    {
        const char* szName;
        int nSet;
        int nExpected;
    };
    const AlignCase cases[] = {
        {"image above", 1, 1}, {"unknown value kept out", 5, 1}, {"image right", 2, 2}, {"negative kept out", -1, 2},
        {"image left", 0, 0},
    };
    for (const AlignCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_hot.SetAlign(c.nSet);
        EXPECT_EQ(c.nExpected, m_hot.GetAlign());
    }
}

TEST_F(KvHotButtonTest, HoverTakesTheCaptureAndLeavingGivesItBack)
{
    m_host.Show();
    SendMouse(m_hot, WM_MOUSEMOVE, 5, 5);
    EXPECT_TRUE(m_hot.IsHot());
    EXPECT_EQ(m_hot.m_hWnd, GetCapture());

    // With the capture, a move outside the button reaches it and ends the hot state.
    SendMouse(m_hot, WM_MOUSEMOVE, -30, -30);
    EXPECT_FALSE(m_hot.IsHot());
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(KvHotButtonTest, NonFlatButtonNeverBecomesHot)
{
    m_host.Show();
    m_hot.SetFlat(FALSE);
    SendMouse(m_hot, WM_MOUSEMOVE, 5, 5);
    EXPECT_FALSE(m_hot.IsHot());
    EXPECT_NE(m_hot.m_hWnd, GetCapture());
}

TEST_F(KvHotButtonTest, LosingFocusOrCaptureEndsTheHotState)
{
    m_host.Show();
    SendMouse(m_hot, WM_MOUSEMOVE, 5, 5);
    ASSERT_TRUE(m_hot.IsHot());
    m_hot.SendMessage(WM_KILLFOCUS);
    EXPECT_FALSE(m_hot.IsHot());
    ReleaseCapture();

    SendMouse(m_hot, WM_MOUSEMOVE, 5, 5);
    ASSERT_TRUE(m_hot.IsHot());
    // Another window takes the mouse while the cursor is away from the button.
    SetCursorPos(0, 0);
    SetCapture(m_host.m_hWnd);
    EXPECT_FALSE(m_hot.IsHot());
    ReleaseCapture();
}

TEST_F(KvHotButtonTest, DoubleClickGivesTwoClicks)
{
    m_host.Show();
    SendMouse(m_hot, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    SendMouse(m_hot, WM_LBUTTONUP, 5, 5);
    SendMouse(m_hot, WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
    SendMouse(m_hot, WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(2, m_host.m_clicks[IDC_KVTEST_HOT1]);
}

TEST_F(KvHotButtonTest, CheckToggleNeedsPressAndReleaseInside)
{
    m_host.Show();
    m_hot.EnableCheck(TRUE);
    struct ClickCase
    {
        const char* szName;
        POINT ptDown;
        POINT ptUp;
        bool bPress;
        BOOL bCheckedAfter;
    };
    const ClickCase cases[] = {
        {"press and release inside", {5, 5}, {6, 6}, true, TRUE},
        {"release outside", {5, 5}, {-20, -20}, true, TRUE},
        {"release without a press on the button", {0, 0}, {5, 5}, false, TRUE},
        {"inside again unchecks", {5, 5}, {5, 5}, true, FALSE},
    };
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(c.szName);
        if (c.bPress) {
            SendMouse(m_hot, WM_LBUTTONDOWN, c.ptDown.x, c.ptDown.y, MK_LBUTTON);
        }
        SendMouse(m_hot, WM_LBUTTONUP, c.ptUp.x, c.ptUp.y);
        EXPECT_EQ(c.bCheckedAfter, m_hot.GetCheck());
    }
}

TEST_F(KvHotButtonTest, SameTooltipTextLeavesTheTooltipAlone)
{
    m_hot.SetTooltipText(CString("打开"), TRUE);
    ASSERT_NE(nullptr, m_hot.GetToolTip().m_hWnd);
    EXPECT_EQ(1, m_hot.GetToolTip().GetToolCount());
    EXPECT_EQ(CString("打开"), m_hot.GetToolTip().GetText(&m_hot, 1));

    // Changed behind the button's back: an unchanged text must not put it back.
    m_hot.GetToolTip().UpdateTipText("外改", &m_hot, 1);
    m_hot.SetTooltipText(CString("打开"), TRUE);
    EXPECT_EQ(CString("外改"), m_hot.GetToolTip().GetText(&m_hot, 1));

    m_hot.SetTooltipText(IDS_KVTEST_TIP, TRUE);
    EXPECT_EQ(CString("打开模板"), m_hot.GetToolTip().GetText(&m_hot, 1));
    EXPECT_EQ(1, m_hot.GetToolTip().GetToolCount());
}

TEST_F(KvHotButtonTest, EdgesAndFillsFollowTheState)
{
    const COLORREF crFace = GetSysColor(COLOR_BTNFACE);
    const COLORREF crHighlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF crShadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF crDark = GetSysColor(COLOR_3DDKSHADOW);
    CRect rc;
    m_hot.GetClientRect(&rc);
    m_host.Show();

    struct EdgeCase
    {
        const char* szName;
        BOOL bFlat;
        bool bHot;
        bool bCheck;
        UINT nState;
        COLORREF crTopLeft;
        COLORREF crBottomRight;
        COLORREF crInside;
    };
    const EdgeCase cases[] = {
        {"flat, normal: no edge", TRUE, false, false, 0, crFace, crFace, crFace},
        {"flat, hot: raised", TRUE, true, false, 0, crHighlight, crShadow, crFace},
        {"flat, pressed: sunken", TRUE, false, false, ODS_SELECTED, crShadow, crHighlight, crFace},
        {"flat, checked: sunken on grey", TRUE, false, true, 0, crShadow, crHighlight, RGB(216, 216, 216)},
        {"raised, normal", FALSE, false, false, 0, crDark, crDark, crFace},
        {"raised, pressed", FALSE, false, false, ODS_SELECTED, crDark, crDark, crFace},
    };
    for (const EdgeCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_hot.SetFlat(c.bFlat);
        m_hot.EnableCheck(c.bCheck);
        m_hot.SetCheck(c.bCheck);
        if (c.bHot) {
            SendMouse(m_hot, WM_MOUSEMOVE, 5, 5);
        }
        CTestDib dib(rc.Width(), rc.Height());
        DrawButtonState(m_hot, dib, 0, 0, c.nState);
        EXPECT_EQ(c.crTopLeft, dib.Pixel(0, rc.Height() / 2));
        EXPECT_EQ(c.crBottomRight, dib.Pixel(rc.Width() - 1, rc.Height() / 2));
        EXPECT_EQ(c.crInside, dib.Pixel(3, 3));
        if (c.bHot) {
            SendMouse(m_hot, WM_MOUSEMOVE, -30, -30);
        }
    }
    m_hot.EnableCheck(FALSE);
    m_hot.SetCheck(FALSE);
}

TEST_F(KvHotButtonTest, PictureOfEveryState)
{
    m_host.Show();
    CRect rc;
    m_hot.GetClientRect(&rc);
    const int cx = rc.Width() + 4;
    struct Shot
    {
        BOOL bFlat;
        bool bHot;
        bool bCheck;
        UINT nState;
    };
    const Shot shots[] = {
        {TRUE, false, false, 0},
        {TRUE, true, false, 0},
        {TRUE, false, false, ODS_SELECTED},
        {TRUE, false, false, ODS_DISABLED},
        {TRUE, false, true, 0},
        {FALSE, false, false, 0},
        {FALSE, false, false, ODS_SELECTED},
        {FALSE, false, false, ODS_DISABLED},
    };
    const int nShots = static_cast<int>(sizeof(shots) / sizeof(shots[0]));
    for (int nAlign = 0; nAlign < 3; ++nAlign) {
        m_hot.SetAlign(nAlign);
        CTestDib dib(cx * nShots, rc.Height() + 4, RGB(255, 255, 255));
        for (int i = 0; i < nShots; ++i) {
            m_hot.SetFlat(shots[i].bFlat);
            m_hot.EnableCheck(shots[i].bCheck);
            m_hot.SetCheck(shots[i].bCheck);
            if (shots[i].bHot) {
                SendMouse(m_hot, WM_MOUSEMOVE, 5, 5);
            }
            DrawButtonState(m_hot, dib, i * cx + 2, 2, shots[i].nState);
            if (shots[i].bHot) {
                SendMouse(m_hot, WM_MOUSEMOVE, -30, -30);
            }
        }
        char szName[64];
        wsprintfA(szName, "hot-button-align%d.png", nAlign);
        EXPECT_TRUE(SavePng(TestImagePath(szName).c_str(), dib.Bits(), dib.Width(), dib.Height()));
    }
}

TEST_F(KvHotButtonTest, BitmapsFromFiles)
{
    const CString strNormal = TestDataPath("hot-normal.bmp");
    const CString strHot = TestDataPath("hot-hot.bmp");
    const CString strMissing = TestDataPath("no-such-picture.bmp");
    struct FileCase
    {
        const char* szName;
        CString strNormal;
        CString strHot;
        int nKind;
        int nImages;
    };
    const FileCase cases[] = {
        {"normal and hot", strNormal, strHot, 1, 2},
        {"no hot file: the normal one twice", strNormal, "", 1, 2},
        {"missing hot file: the normal image alone", strNormal, strMissing, 1, 1},
        {"missing normal file: the list stays", strMissing, strHot, 1, 1},
        {"no normal file: no image", "", strHot, 0, 1},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_hot.SetBitmap(c.strNormal, c.strHot, RGB(255, 0, 255));
        EXPECT_EQ(c.nKind, m_hot.GetImageKind());
        EXPECT_EQ(c.nImages, m_hot.GetImageList().GetImageCount());
    }
}

TEST_F(KvHotButtonTest, TransparentButtonShowsWhatLiesUnderIt)
{
    m_host.Show();
    m_hot.SetShowText(FALSE);
    m_hot.SetBitmap(0, 0, 0);
    CRect rc;
    m_hot.GetClientRect(&rc);
    // The parent's pixels under the button are captured at the first paint after the switch.
    CClientDC dcHost(m_host.m_hWnd);
    dcHost.FillSolidRect(0, 0, 400, 400, RGB(10, 200, 30));
    m_hot.DrawTransparent(FALSE);
    CTestDib dib(rc.Width(), rc.Height());
    DrawButtonState(m_hot, dib, 0, 0, 0);
    EXPECT_EQ(RGB(10, 200, 30), dib.Pixel(rc.Width() / 2, rc.Height() / 2));
}
