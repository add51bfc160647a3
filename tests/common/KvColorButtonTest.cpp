#include <gtest/gtest.h>

#include "KvTestHost.h"
#include "common/KvColorButton.h"
#include "common/KvPopupColorBar.h"
#include "tests/common/res/kvtest_resource.h"
#include "support/DibCanvas.h"
#include "support/PngFile.h"
#include "support/UiDriver.h"

namespace
{
class KvColorButtonTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.Open());
        ASSERT_TRUE(m_button.SubclassButton(IDC_KVTEST_COLORBTN, &m_host));
        m_button.SetColor(RGB(0, 128, 0));
        m_button.SetOtherButton(TRUE);
        m_button.SetPaletteRealization(FALSE);
    }

    void Click()
    {
        m_button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        m_button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    }

    CKvTestHost m_host{IDD_KVTEST_CONTROLS};
    CKvColorButton m_button;
};
} // namespace

TEST(KvPopupColorBarPlaceTest, PopupStaysOnScreen)
{
    struct PlaceCase
    {
        const char* szName;
        RECT rcButton;
        POINT ptExpected;
    };
    const CSize size(80, 120);
    const PlaceCase cases[] = {
        {"room below", {100, 100, 160, 120}, {100, 120}},
        {"near the bottom: above", {100, 700, 160, 720}, {100, 580}},
        {"near the right: right-aligned", {980, 100, 1020, 120}, {940, 120}},
        {"lower right corner: above and right-aligned", {980, 700, 1020, 720}, {940, 580}},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.szName);
        const CPoint pt = CKvPopupColorBar::PlacePopup(c.rcButton, size, 1024, 768);
        EXPECT_EQ(c.ptExpected.x, pt.x);
        EXPECT_EQ(c.ptExpected.y, pt.y);
    }
}

TEST_F(KvColorButtonTest, ClickOpensThePopupUnderTheButtonWithTheColourSelected)
{
    m_host.Show(40, 40);
    Click();
    CKvPopupColorBar* pPopup = m_button.GetPopup();
    ASSERT_TRUE(pPopup->m_bShown);
    ASSERT_NE(nullptr, pPopup->m_hWnd);
    EXPECT_EQ(pPopup->m_hWnd, GetCapture());
    EXPECT_EQ(RGB(0, 128, 0), pPopup->GetColor());
    CRect rcButton;
    CRect rcPopup;
    m_button.GetWindowRect(&rcButton);
    pPopup->GetWindowRect(&rcPopup);
    EXPECT_EQ(rcButton.left, rcPopup.left);
    EXPECT_EQ(rcButton.bottom, rcPopup.top);
    EXPECT_TRUE(SaveWindowPicture(pPopup->m_hWnd, "color-popup.png"));

    // A second click while it shows opens nothing new.
    HWND hFirst = pPopup->m_hWnd;
    m_button.OnBnClicked();
    EXPECT_EQ(hFirst, pPopup->m_hWnd);

    pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(pPopup->m_bShown);
    EXPECT_EQ(nullptr, pPopup->m_hWnd);
}

TEST_F(KvColorButtonTest, KeysInThePopupChooseAndTellTheDialog)
{
    m_host.Show(40, 40);
    Click();
    CKvPopupColorBar* pPopup = m_button.GetPopup();
    ASSERT_TRUE(pPopup->m_bShown);
    // Dark green is at column 2 of row 0; down twice reaches (2, 2), the cream of the palette.
    pPopup->SendMessage(WM_KEYDOWN, VK_DOWN);
    pPopup->SendMessage(WM_KEYDOWN, VK_DOWN);
    EXPECT_TRUE(m_host.m_colors.empty());
    pPopup->SendMessage(WM_KEYDOWN, VK_RETURN);
    EXPECT_FALSE(pPopup->m_bShown);
    ASSERT_EQ(1u, m_host.m_colors.size());
    EXPECT_EQ(static_cast<WPARAM>(IDC_KVTEST_COLORBTN), m_host.m_colors[0].first);
    EXPECT_EQ(RGB(255, 251, 240), m_host.m_colors[0].second);
    EXPECT_EQ(RGB(255, 251, 240), m_button.GetColor());
}

TEST_F(KvColorButtonTest, ClickOutsideClosesWithoutChoosing)
{
    m_host.Show(40, 40);
    Click();
    CKvPopupColorBar* pPopup = m_button.GetPopup();
    ASSERT_TRUE(pPopup->m_bShown);
    // On the owner button the click is swallowed and the pop-up stays.
    CRect rcButton;
    m_button.GetWindowRect(&rcButton);
    POINT pt = {rcButton.left + 2, rcButton.top + 2};
    ScreenToClient(pPopup->m_hWnd, &pt);
    pPopup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_TRUE(pPopup->m_bShown);

    pPopup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-200, 10));
    EXPECT_FALSE(pPopup->m_bShown);
    PumpTestMessages();
    EXPECT_TRUE(m_host.m_colors.empty());
    EXPECT_EQ(RGB(0, 128, 0), m_button.GetColor());
}

TEST_F(KvColorButtonTest, PopupNearTheLowerRightCornerOpensAboveAndRightAligned)
{
    CRect rcDlg;
    m_host.GetWindowRect(&rcDlg);
    CRect rcButton;
    m_button.GetWindowRect(&rcButton);
    const int cxScreen = GetSystemMetrics(SM_CXSCREEN);
    const int cyScreen = GetSystemMetrics(SM_CYSCREEN);
    // The dialog placed so that the button sits 10 pixels from the screen's lower right corner.
    const int x = cxScreen - 10 - (rcButton.right - rcDlg.left);
    const int y = cyScreen - 10 - (rcButton.bottom - rcDlg.top);
    m_host.Show(x, y);
    Click();
    CKvPopupColorBar* pPopup = m_button.GetPopup();
    ASSERT_TRUE(pPopup->m_bShown);
    m_button.GetWindowRect(&rcButton);
    CRect rcPopup;
    pPopup->GetWindowRect(&rcPopup);
    EXPECT_EQ(rcButton.top, rcPopup.bottom);
    EXPECT_EQ(rcButton.right, rcPopup.right);
    pPopup->Close();
}

TEST_F(KvColorButtonTest, PictureOfEveryState)
{
    CRect rc;
    m_button.GetClientRect(&rc);
    const UINT states[] = {0, ODS_FOCUS, ODS_SELECTED | ODS_FOCUS, ODS_DISABLED};
    const int cx = rc.Width() + 4;
    CTestDib dib(cx * 4, rc.Height() + 4);
    for (int i = 0; i < 4; ++i) {
        DrawButtonState(m_button, dib, i * cx + 2, 2, states[i]);
    }
    // The swatch shows the colour when enabled and is left out when disabled.
    EXPECT_EQ(RGB(0, 128, 0), dib.Pixel(2 + rc.Width() / 3, 2 + rc.Height() / 2));
    EXPECT_NE(RGB(0, 128, 0), dib.Pixel(3 * cx + 2 + rc.Width() / 3, 2 + rc.Height() / 2));
    EXPECT_TRUE(SavePng(TestImagePath("color-button.png").c_str(), dib.Bits(), dib.Width(), dib.Height()));
}
