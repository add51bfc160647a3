// The resizable dialog base on a real dialog: anchored controls after a resize, the minimum
// size, the grip's hit test and picture, and the size kept in the profile only after a resize.
#include <gtest/gtest.h>

#include "designer/figure/ResizableDlg.h"
#include "designer/res/resource.h"
#include "platform/frame/WinApp.h"
#include "tests/support/PngFile.h"
#include "tests/support/UiDriver.h"

namespace
{
const char kRegistryKey[] = "VornResizableDlgTest";
const char kAppName[] = "ResizableDlgTest";

// The preview's template has six controls of its own to anchor.
class CAnchorDlg : public CResizableDlg
{
public:
    CAnchorDlg() : CResizableDlg(IDD_SGE_PREVIEW) {}

    BOOL OnInitDialog() override
    {
        CResizableDlg::OnInitDialog();
        AddAnchor(IDC_SGE_SCALE, 0);
        AddAnchor(IDC_SGE_ORIGIN_X, anchorRight);
        AddAnchor(IDC_SGE_ORIGIN_Y, anchorBottom);
        AddAnchor(IDC_SGE_AXIS_COLOR, stretchRight);
        AddAnchor(IDC_SGE_Y_UP, stretchBottom | anchorBottom);
        AddAnchor(IDC_SGE_REFRESH, anchorRight | anchorBottom);
        return TRUE;
    }
    INT_PTR GetLayoutCount() const { return m_arrLayout.GetSize(); }
};

class CResizeApp : public CWinApp
{
public:
    CResizeApp() : CWinApp(kAppName)
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornResizableDlgTest");
        SetRegistryKey(kRegistryKey);
    }
    ~CResizeApp() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornResizableDlgTest"); }
};

CRect ItemRect(HWND hDlg, int nID)
{
    CRect rc;
    ::GetWindowRect(::GetDlgItem(hDlg, nID), &rc);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<LPPOINT>(&rc), 2);
    return rc;
}

CSize WindowSize(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return CSize(rc.Width(), rc.Height());
}

void ResizeBy(HWND hWnd, int dx, int dy)
{
    const CSize size = WindowSize(hWnd);
    ::SetWindowPos(hWnd, nullptr, 0, 0, size.cx + dx, size.cy + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
} // namespace

TEST(ResizableDlgTest, AnchoredControlsFollowTheEdges)
{
    CResizeApp app;
    CAnchorDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_SGE_PREVIEW));
    EXPECT_EQ(5, dlg.GetLayoutCount()) << "flags 0 are not stored";

    struct AnchorCase
    {
        const char* szName;
        int nID;
        int dLeft, dTop, dRight, dBottom; // in units of the width and height change
    };
    const AnchorCase cases[] = {
        {"flags 0: stays", IDC_SGE_SCALE, 0, 0, 0, 0},
        {"1: moves with the right edge", IDC_SGE_ORIGIN_X, 1, 0, 1, 0},
        {"2: moves with the bottom edge", IDC_SGE_ORIGIN_Y, 0, 1, 0, 1},
        {"4: stretches to the right", IDC_SGE_AXIS_COLOR, 0, 0, 1, 0},
        {"8 takes the place of 2: stretches down", IDC_SGE_Y_UP, 0, 0, 0, 1},
        {"1 and 2: moves with the corner", IDC_SGE_REFRESH, 1, 1, 1, 1},
    };
    CRect before[6];
    for (size_t k = 0; k < 6; ++k) {
        before[k] = ItemRect(dlg.m_hWnd, cases[k].nID);
    }
    const int dx = 70;
    const int dy = 45;
    ResizeBy(dlg.m_hWnd, dx, dy);
    for (size_t k = 0; k < 6; ++k) {
        const AnchorCase& c = cases[k];
        SCOPED_TRACE(c.szName);
        const CRect after = ItemRect(dlg.m_hWnd, c.nID);
        EXPECT_EQ(before[k].left + c.dLeft * dx, after.left);
        EXPECT_EQ(before[k].top + c.dTop * dy, after.top);
        EXPECT_EQ(before[k].right + c.dRight * dx, after.right);
        EXPECT_EQ(before[k].bottom + c.dBottom * dy, after.bottom);
    }
    // Back again: every control where it started.
    ResizeBy(dlg.m_hWnd, -dx, -dy);
    for (size_t k = 0; k < 6; ++k) {
        SCOPED_TRACE(cases[k].szName);
        EXPECT_EQ(before[k], ItemRect(dlg.m_hWnd, cases[k].nID));
    }
    dlg.DestroyWindow();
}

TEST(ResizableDlgTest, NeverSmallerThanCreatedAndTheGripSizes)
{
    CResizeApp app;
    CAnchorDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_SGE_PREVIEW));
    const CSize sizeCreated = WindowSize(dlg.m_hWnd);

    MINMAXINFO info{};
    dlg.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(sizeCreated.cx, info.ptMinTrackSize.x);
    EXPECT_EQ(sizeCreated.cy, info.ptMinTrackSize.y);
    ResizeBy(dlg.m_hWnd, -80, -60);
    EXPECT_EQ(sizeCreated, WindowSize(dlg.m_hWnd)) << "dragging smaller stops at the created size";

    CRect rcWindow;
    dlg.GetWindowRect(&rcWindow);
    CRect rcClient;
    dlg.GetClientRect(&rcClient);
    ::MapWindowPoints(dlg.m_hWnd, nullptr, reinterpret_cast<LPPOINT>(&rcClient), 2);
    struct HitCase
    {
        const char* szName;
        POINT pt;
        LRESULT lHit;
    };
    const HitCase hits[] = {
        {"corner of the client area", {rcClient.right - 3, rcClient.bottom - 3}, HTBOTTOMRIGHT},
        {"middle of the client area", {rcClient.CenterPoint().x, rcClient.CenterPoint().y + 20}, HTCLIENT},
    };
    for (const HitCase& c : hits) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.lHit, dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(c.pt.x, c.pt.y)));
    }
    dlg.m_bSizeGrip = 0;
    EXPECT_EQ(HTCLIENT, dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(hits[0].pt.x, hits[0].pt.y)))
        << "no grip, no sizing corner";
    dlg.m_bSizeGrip = 1;

    // The grip's pens cycle face, grey, grey, white from the corner inwards.
    ResizeBy(dlg.m_hWnd, 30, 20);
    ASSERT_TRUE(SaveWindowPicture(dlg.m_hWnd, "resizable-grip.png"));
    PngImage image;
    ASSERT_TRUE(LoadPng(TestImagePath("resizable-grip.png").c_str(), image));
    const int x = rcClient.left - rcWindow.left + rcClient.Width() + 30 - 1;
    const int y = rcClient.top - rcWindow.top + rcClient.Height() + 20 - 1;
    auto pixel = [&](int px, int py) {
        const DWORD dw = image.pixels[static_cast<size_t>(py * image.cx + px)];
        return RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF);
    };
    struct GripPixel
    {
        const char* szName;
        int dx, dy;
        COLORREF cr;
    };
    const GripPixel grip[] = {
        {"line 1 crosses the corner pixel", 0, 0, RGB(128, 128, 128)},
        {"line 2, left of it", -1, 0, RGB(128, 128, 128)},
        {"line 3 is white", -1, -1, RGB(255, 255, 255)},
        {"line 4 is the face colour", -2, -1, ::GetSysColor(COLOR_3DFACE)},
    };
    for (const GripPixel& c : grip) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.cr, pixel(x + c.dx, y + c.dy));
    }
    dlg.DestroyWindow();
}

TEST(ResizableDlgTest, SizeSavedOnlyAfterAResizeAndRestoredOnReopening)
{
    CResizeApp app;
    const char kSection[] = "67"; // dialog 103 in hexadecimal
    CSize sizeCreated;
    CRect rcRefreshCreated;
    {
        CTestUi ui;
        ui.OnDialog(IDD_SGE_PREVIEW, [&](CTestDlg& d) {
            sizeCreated = WindowSize(d.GetHwnd());
            rcRefreshCreated = ItemRect(d.GetHwnd(), IDC_SGE_REFRESH);
            d.Cancel();
        });
        CAnchorDlg dlg;
        dlg.DoModal();
    }
    EXPECT_EQ(-1, static_cast<int>(app.GetProfileInt(kSection, "CX", -1))) << "closed without a resize";

    {
        CTestUi ui;
        ui.OnDialog(IDD_SGE_PREVIEW, [&](CTestDlg& d) {
            ResizeBy(d.GetHwnd(), 90, 50);
            d.Cancel();
        });
        CAnchorDlg dlg;
        dlg.DoModal();
    }
    EXPECT_EQ(sizeCreated.cx + 90, static_cast<int>(app.GetProfileInt(kSection, "CX", -1)));
    EXPECT_EQ(sizeCreated.cy + 50, static_cast<int>(app.GetProfileInt(kSection, "CY", -1)));

    CSize sizeReopened;
    CRect rcRefreshReopened;
    {
        CTestUi ui;
        ui.OnDialog(IDD_SGE_PREVIEW, [&](CTestDlg& d) {
            sizeReopened = WindowSize(d.GetHwnd());
            rcRefreshReopened = ItemRect(d.GetHwnd(), IDC_SGE_REFRESH);
            d.Cancel();
        });
        CAnchorDlg dlg;
        dlg.DoModal();
    }
    EXPECT_EQ(CSize(sizeCreated.cx + 90, sizeCreated.cy + 50), sizeReopened);
    EXPECT_EQ(rcRefreshCreated.left + 90, rcRefreshReopened.left) << "anchors follow the restored size";
    EXPECT_EQ(rcRefreshCreated.top + 50, rcRefreshReopened.top);
    EXPECT_EQ(sizeCreated.cx + 90, static_cast<int>(app.GetProfileInt(kSection, "CX", -1)))
        << "reopening alone keeps the stored size";
}
