#include <gtest/gtest.h>

#include "KvTestHost.h"
#include "common/KvBmpButton.h"
#include "tests/common/res/kvtest_resource.h"
#include "support/DibCanvas.h"
#include "support/PngFile.h"

namespace
{
class KvBmpButtonTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_host.Open()); }

    CKvTestHost m_host{IDD_KVTEST_CONTROLS};
};
} // namespace

TEST_F(KvBmpButtonTest, BitmapTakesTheSystemButtonColours)
{
    CKvBmpButton button;
    ASSERT_TRUE(button.AttachButton(IDC_KVTEST_BMPBTN2, CKvBmpButton::alignCenter, IDB_KVTEST_BMPBUTTON, &m_host));
    const CRect rcBmp = button.GetBitmapRect();
    CRect rc;
    button.GetClientRect(&rc);
    CTestDib dib(rc.Width(), rc.Height());
    DrawButtonState(button, dib, 0, 0, 0);
    struct PixelCase
    {
        const char* szName;
        int x;
        int y;
        COLORREF crExpected;
    };
    const PixelCase cases[] = {
        {"black frame: button text", 0, 0, GetSysColor(COLOR_BTNTEXT)},
        {"white: highlight", 1, 2, GetSysColor(COLOR_BTNHIGHLIGHT)},
        {"grey: shadow", 14, 3, GetSysColor(COLOR_BTNSHADOW)},
        {"silver: button face", 3, 3, GetSysColor(COLOR_BTNFACE)},
        {"other colours stay", 7, 7, RGB(0, 128, 0)},
    };
    for (const PixelCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.crExpected, dib.Pixel(rcBmp.left + c.x, rcBmp.top + c.y));
    }
}

TEST_F(KvBmpButtonTest, LayoutPlacesBitmapAndCaptionBySide)
{
    CKvBmpButton button;
    ASSERT_TRUE(button.AttachButton(IDC_KVTEST_BMPBTN, CKvBmpButton::alignLeft, IDB_KVTEST_BMPBUTTON, &m_host));
    CRect rc;
    button.GetClientRect(&rc);
    EXPECT_EQ(5, button.GetBitmapRect().left);
    EXPECT_EQ(button.GetBitmapRect().right + 1, button.GetTextRect().left);
    EXPECT_EQ((rc.Height() - 3 - 16) / 2, button.GetBitmapRect().top);

    button.SetIndents(8, 2);
    EXPECT_EQ(8, button.GetBitmapRect().left);

    // A failed load keeps the bitmap it had.
    EXPECT_FALSE(button.SetBitmap(static_cast<UINT>(4999)));
    EXPECT_EQ(16, button.GetBitmapRect().Width());

    button.SizeToContent();
    CRect rcSized;
    button.GetWindowRect(&rcSized);
    EXPECT_GT(rcSized.Width(), 16 + 2 * 8 + 3);
}

TEST_F(KvBmpButtonTest, MissingBitmapFailsTheAttach)
{
    CKvBmpButton button;
    EXPECT_FALSE(button.AttachButton(IDC_KVTEST_BMPBTN, CKvBmpButton::alignLeft, 4999u, &m_host));
    EXPECT_EQ(nullptr, button.m_hWnd);
}

TEST_F(KvBmpButtonTest, PictureOfEveryState)
{
    CKvBmpButton button;
    ASSERT_TRUE(button.AttachButton(IDC_KVTEST_BMPBTN, CKvBmpButton::alignLeft, IDB_KVTEST_BMPBUTTON, &m_host));
    CRect rc;
    button.GetClientRect(&rc);
    const UINT states[] = {0, ODS_FOCUS, ODS_SELECTED | ODS_FOCUS, ODS_DISABLED};
    const int cx = rc.Width() + 4;
    CTestDib dib(cx * 4, rc.Height() + 4);
    for (int i = 0; i < 4; ++i) {
        DrawButtonState(button, dib, i * cx + 2, 2, states[i]);
    }
    // Disabled: the embossed look leaves no green of the bitmap.
    const CRect rcBmp = button.GetBitmapRect();
    EXPECT_EQ(RGB(0, 128, 0), dib.Pixel(2 + rcBmp.left + 7, 2 + rcBmp.top + 7));
    EXPECT_NE(RGB(0, 128, 0), dib.Pixel(3 * cx + 2 + rcBmp.left + 7, 2 + rcBmp.top + 7));
    EXPECT_TRUE(SavePng(TestImagePath("bmp-button.png").c_str(), dib.Bits(), dib.Width(), dib.Height()));
}
