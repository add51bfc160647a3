#include <gtest/gtest.h>

#include "common/KvCreditStatic.h"
#include "platform/gdi/ClientDC.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/MessagePump.h"
#include "tests/support/UiDriver.h"

namespace
{
const int kWidth = 256; // one gradient band per pixel
const int kHeight = 120;

class KvCreditStaticTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "credits", WS_POPUP, 0, 0, kWidth, kHeight, nullptr, nullptr));
        HWND hStatic = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, kWidth, kHeight, m_host, nullptr,
                                       nullptr, nullptr);
        ASSERT_NE(nullptr, hStatic);
        ASSERT_TRUE(m_credits.SubclassWindow(hStatic));
        // The pixels are read from the screen.
        m_host.ShowWindow(SW_SHOWNOACTIVATE);
    }
    void TearDown() override { m_credits.EndScrolling(); }

    // What the control shows now, read from the screen.
    void Grab(CTestDib& dib)
    {
        m_credits.UpdateWindow();
        CClientDC dc(m_credits);
        dib.DC().BitBlt(0, 0, kWidth, kHeight, &dc, 0, 0, SRCCOPY);
    }
    void Repaint() { m_credits.RedrawWindow(); }
    // Posts timer ticks as the system would and lets them run.
    void Tick(int nCount, UINT_PTR nTimer = KV_CREDIT_TIMER)
    {
        for (int i = 0; i < nCount; ++i) {
            m_credits.PostMessage(WM_TIMER, nTimer);
        }
        PumpTestMessages();
    }
    static int TopRowOf(CTestDib& dib, COLORREF cr)
    {
        for (int y = 0; y < dib.Height(); ++y) {
            for (int x = 0; x < dib.Width(); ++x) {
                if (dib.Pixel(x, y) == cr) {
                    return y;
                }
            }
        }
        return -1;
    }
    static int CountColor(CTestDib& dib, const RECT& rc, COLORREF cr)
    {
        int nCount = 0;
        for (int y = rc.top; y < rc.bottom; ++y) {
            for (int x = rc.left; x < rc.right; ++x) {
                nCount += dib.Pixel(x, y) == cr ? 1 : 0;
            }
        }
        return nCount;
    }

    CWnd m_host;
    CKvCreditStatic m_credits;
};

TEST_F(KvCreditStaticTest, StartScrollingWithoutLinesAnswersFalseAndArmsNoTimer)
{
    EXPECT_FALSE(m_credits.StartScrolling());
    EXPECT_FALSE(KillTimer(m_credits, KV_CREDIT_TIMER));
    m_credits.AddCreditMsg("Vorn", 0);
    EXPECT_TRUE(m_credits.StartScrolling());
    EXPECT_TRUE(m_credits.IsScrolling());
    m_credits.EndScrolling();
    EXPECT_FALSE(m_credits.IsScrolling());
    EXPECT_FALSE(KillTimer(m_credits, KV_CREDIT_TIMER)) << "EndScrolling kills timer 150";
}

TEST_F(KvCreditStaticTest, EachLineStyleIsDrawnInItsColourAndHeight)
{
    m_credits.AddCreditMsg("STYLE ZERO", 0);  // 21 pixels, red
    m_credits.AddCreditMsg("STYLE ONE", 1);   // 19 pixels, yellow
    m_credits.AddCreditMsg("STYLE TWO", 2);   // 17 pixels, cyan
    m_credits.AddCreditMsg("normal line", 9); // 15 pixels, white
    m_credits.AddCreditMsg("KVTESTLOGO", 3);  // the 40 x 12 bitmap, green
    // A GBK character whose trail byte is '^' ends this line: it stays a normal text line.
    m_credits.AddCreditMsg("\xB0\x5E", 9);
    Repaint();
    CTestDib dib(kWidth, kHeight);
    Grab(dib);
    ASSERT_TRUE(SaveWindowPicture(m_host, "KvCreditStatic-styles.png"));

    struct BandCase
    {
        const char* szName;
        int nTop, nBottom;
        COLORREF cr;
    };
    const BandCase bands[] = {
        {"style 0 red", 0, 21, RGB(255, 0, 0)},     {"style 1 yellow", 21, 40, RGB(255, 255, 0)},
        {"style 2 cyan", 40, 57, RGB(0, 255, 255)}, {"normal white", 57, 72, RGB(255, 255, 255)},
        {"bitmap line", 72, 84, RGB(0, 192, 0)},    {"GBK line as text", 84, 99, RGB(255, 255, 255)},
    };
    for (const BandCase& b : bands) {
        SCOPED_TRACE(b.szName);
        const CRect rcBand(0, b.nTop, kWidth, b.nBottom);
        // The GBK character is thin (weight 100 at 15 pixels): a few pixels of pure white.
        EXPECT_GT(CountColor(dib, rcBand, b.cr), 3);
        for (const BandCase& other : bands) {
            if (other.cr != b.cr) {
                EXPECT_EQ(0, CountColor(dib, rcBand, other.cr)) << other.szName;
            }
        }
    }
    // The bitmap is centred: 40 pixels from x = 108.
    EXPECT_EQ(CRect(108, 72, 148, 84), dib.InkBounds(CRect(0, 72, kWidth, 84), RGB(0, 0, 0)));
}

TEST_F(KvCreditStaticTest, TimerTicksScrollTheTextUpOnePixelEach)
{
    m_credits.AddCreditMsg("FIRST", 0);
    m_credits.AddCreditMsg("SECOND", 1);
    ASSERT_TRUE(m_credits.StartScrolling());
    // Only the posted ticks may scroll: on a loaded machine the real timer would add its own.
    ASSERT_TRUE(KillTimer(m_credits, KV_CREDIT_TIMER));
    CTestDib dib(kWidth, kHeight);

    Tick(1);
    Grab(dib);
    EXPECT_EQ(-1, TopRowOf(dib, RGB(255, 255, 0))) << "the second line has not begun";

    Tick(20);
    Grab(dib);
    const int nTopRed = TopRowOf(dib, RGB(255, 0, 0));
    ASSERT_GE(nTopRed, kHeight - 21);

    // Other timers pass by without scrolling.
    Tick(3, 99);
    Grab(dib);
    EXPECT_EQ(nTopRed, TopRowOf(dib, RGB(255, 0, 0)));

    for (int i = 1; i <= 5; ++i) {
        SCOPED_TRACE(i);
        Tick(1);
        Grab(dib);
        EXPECT_EQ(nTopRed - i, TopRowOf(dib, RGB(255, 0, 0)));
    }
    // After the 21 pixels of the first line the second comes in below it.
    EXPECT_GE(TopRowOf(dib, RGB(255, 255, 0)), kHeight - 5);
    ASSERT_TRUE(SaveWindowPicture(m_host, "KvCreditStatic-scrolled.png"));

    // Past the end of the list (40 pixels) the first line comes round again: 95 ticks in, the
    // third pass of it is 15 pixels in.
    Tick(95 - 26);
    Grab(dib);
    EXPECT_GT(CountColor(dib, CRect(0, kHeight - 15, kWidth, kHeight), RGB(255, 0, 0)), 10);
    EXPECT_EQ(0, CountColor(dib, CRect(0, kHeight - 15, kWidth, kHeight), RGB(255, 255, 0)));
}

TEST_F(KvCreditStaticTest, GradientBandsFadeTheBackgroundColourAcrossTheWidth)
{
    const COLORREF crBack = RGB(200, 100, 40);
    m_credits.SetColor(CKvCreditStatic::BackgroundColor, crBack);
    auto band = [](int nMode, int i, int x) {
        switch (nMode) {
        case 1:
            return x - i * x / 255;
        case 2:
            return x + i * (255 - x) / 255;
        case 3:
            return i * x / 255;
        default:
            return 255 - i * (255 - x) / 255;
        }
    };
    struct ModeCase
    {
        const char* szName;
        int nMode;
        COLORREF crLeft, crRight;
    };
    const ModeCase cases[] = {
        {"1: the colour fading to black", 1, crBack, RGB(0, 0, 0)},
        {"2: the colour fading to white", 2, crBack, RGB(255, 255, 255)},
        {"3: from black to the colour", 3, RGB(0, 0, 0), crBack},
        {"4: from white to the colour", 4, RGB(255, 255, 255), crBack},
        {"0: solid", 0, crBack, crBack},
    };
    CTestDib dib(kWidth, kHeight);
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_credits.SetGradient(c.nMode);
        Repaint();
        Grab(dib);
        EXPECT_EQ(c.crLeft, dib.Pixel(0, kHeight / 2));
        EXPECT_EQ(c.crRight, dib.Pixel(kWidth - 1, 0));
        if (c.nMode == 0) {
            continue;
        }
        int nWrong = 0;
        for (int i = 0; i < 256; ++i) {
            const COLORREF crExpected = RGB(band(c.nMode, i, 200), band(c.nMode, i, 100), band(c.nMode, i, 40));
            nWrong += dib.Pixel(i, 7) != crExpected ? 1 : 0;
        }
        EXPECT_EQ(0, nWrong);
    }
    m_credits.SetGradient(2);
    Repaint();
    ASSERT_TRUE(SaveWindowPicture(m_host, "KvCreditStatic-gradient-2.png"));
}

TEST_F(KvCreditStaticTest, TextIsLaidOverTheTiledBackgroundImage)
{
    ASSERT_TRUE(m_credits.SetBkImage("KVTESTBACK"));
    EXPECT_FALSE(m_credits.SetBkImage("NO_SUCH_BITMAP"));
    ASSERT_TRUE(m_credits.SetBkImage("KVTESTBACK"));
    m_credits.SetTransparent(TRUE);
    m_credits.AddCreditMsg("OVER THE IMAGE", 0);
    Repaint();
    CTestDib dib(kWidth, kHeight);
    Grab(dib);
    ASSERT_TRUE(SaveWindowPicture(m_host, "KvCreditStatic-image.png"));

    const CRect rcAll(0, 0, kWidth, kHeight);
    EXPECT_GT(CountColor(dib, CRect(0, 0, kWidth, 21), RGB(255, 0, 0)), 10) << "the text";
    EXPECT_EQ(0, CountColor(dib, rcAll, RGB(192, 192, 192))) << "the fill colour never shows";
    // Below the text only the 16 x 16 image shows, tiled: its two colours at their places.
    for (int y = 32; y < kHeight; y += 16) {
        EXPECT_EQ(RGB(0x20, 0x30, 0x70), dib.Pixel(3, y + 3));
        EXPECT_EQ(RGB(0x30, 0x50, 0xA0), dib.Pixel(12, y + 3));
    }
}
} // namespace
