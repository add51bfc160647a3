#include <gtest/gtest.h>

#include "symbols/BmpButton.h"
#include "symbols/SpecialCharDlg.h"
#include "symbols/res/resource.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/UiDriver.h"

TEST(SpecialCharDlgTest, EachButtonEndsWithItsCode)
{
    struct Case
    {
        const char* szName;
        int nButton;
        int nCode;
    };
    const Case cases[] = {
        {"1000 minus", IDC_SPECIAL_CODE1, 1},
        {"1001 plus", IDC_SPECIAL_CODE2, 2},
        {"1002 triangle", IDC_SPECIAL_CODE3, 3},
        {"1003 M", IDC_SPECIAL_CODE4, 4},
        {"1004 P", IDC_SPECIAL_CODE5, 5},
        {"1005 E", IDC_SPECIAL_CODE6, 6},
        {"1006 none gives 0, not 7", IDC_SPECIAL_NONE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        SpecialCharDlg dlg;
        dlg.m_nCode = -5;
        ui.OnDialog(IDD_SPECIALCHAR, [&](CTestDlg& d) { d.Click(c.nButton); });
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(c.nCode, dlg.m_nCode);
    }
}

TEST(SpecialCharDlgTest, OpensAtTheCallersPointAndCancelKeepsTheCode)
{
    CTestUi ui;
    SpecialCharDlg dlg;
    EXPECT_EQ(0, dlg.m_nCode);
    dlg.m_x = 120;
    dlg.m_y = 90;
    ui.OnDialog(IDD_SPECIALCHAR, [&](CTestDlg& d) {
        EXPECT_STREQ("特殊字符", d.GetCaption());
        RECT rc = {};
        GetWindowRect(d.GetHwnd(), &rc);
        EXPECT_EQ(120, rc.left);
        EXPECT_EQ(90, rc.top);
        EXPECT_NE(nullptr, dlg.m_btn1003.m_bitmap.m_hObject);
        EXPECT_NE(nullptr, dlg.m_btn1006.m_bitmap.m_hObject);
        d.Cancel();
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(0, dlg.m_nCode);

    // Closing the window is a Cancel too.
    ui.OnDialog(IDD_SPECIALCHAR, [](CTestDlg& d) { SendMessageA(d.GetHwnd(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(0, dlg.m_nCode);
}

TEST(BmpButtonTest, DrawsOnlyTheBitmapIntoTheItem)
{
    CBmpButton button;
    button.SetBitmap(IDB_SPECIAL_M);
    ASSERT_NE(nullptr, button.m_bitmap.m_hObject);
    HGDIOBJ hHeld = button.m_bitmap.m_hObject;
    button.SetBitmap(0);
    button.SetBitmap(-3);
    EXPECT_EQ(hHeld, button.m_bitmap.m_hObject);

    // The circled M: grey frame, black ink, white inside, drawn at the item's corner.
    CTestDib dib(40, 40, RGB(255, 0, 0));
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.hDC = dib.DC().GetSafeHdc();
    SetRect(&dis.rcItem, 8, 8, 32, 32);
    button.DrawItem(&dis);
    EXPECT_EQ(RGB(255, 0, 0), dib.Pixel(7, 7));
    EXPECT_EQ(RGB(128, 128, 128), dib.Pixel(8, 8));
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(10, 10));
    EXPECT_GT(dib.CountInk(CRect(10, 10, 30, 30)), 20);
    EXPECT_EQ(RGB(255, 0, 0), dib.Pixel(32, 32));

    // A button with no bitmap draws nothing.
    CBmpButton empty;
    CTestDib blank(20, 20);
    dis.hDC = blank.DC().GetSafeHdc();
    empty.DrawItem(&dis);
    EXPECT_EQ(0, blank.CountInk(CRect(0, 0, 20, 20)));
}
