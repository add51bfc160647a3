#include <gtest/gtest.h>

#include <vector>

#include "common/KvDClock.h"
#include "platform/gdi/ClientDC.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"

namespace
{
// A clock whose "now" the test sets.
class CTestClock : public CKvDClock
{
public:
    CTime m_now;
    const int* Cells() const { return m_nCells; }

protected:
    CTime GetNow() const override { return m_now; }
};

// Records what the clock tells its owner.
class CClockOwner : public CWnd
{
public:
    std::vector<WPARAM> m_notes;

protected:
    LRESULT OnClockNote(WPARAM wParam, LPARAM)
    {
        m_notes.push_back(wParam);
        return 0;
    }
    FX_DECLARE_MESSAGE_MAP()
};

FX_BEGIN_MESSAGE_MAP(CClockOwner, CWnd)
FX_ON_MESSAGE(WM_KV_DCLOCK, OnClockNote)
FX_END_MESSAGE_MAP()

const int B = CKvDClock::BmpBlank;
const int S = CKvDClock::BmpSeparator;

class KvDClockTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_owner.CreateEx(0, nullptr, "clock", WS_POPUP, 0, 0, 240, 60, nullptr, nullptr));
        HWND hStatic =
            CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 240, 60, m_owner, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, hStatic);
        m_clock.InitData();
        ASSERT_TRUE(m_clock.SubclassWindow(hStatic));
        m_clock.SetOwner(&m_owner);
    }
    void TearDown() override { m_clock.ClockEnd(); }

    // One tick of timer 1 at the given moment, as the system delivers it.
    void TickAt(CTime now)
    {
        m_clock.m_now = now;
        m_clock.SendMessage(WM_TIMER, 1);
    }
    std::vector<int> Cells(int nCount) const { return std::vector<int>(m_clock.Cells(), m_clock.Cells() + nCount); }

    CClockOwner m_owner;
    CTestClock m_clock;
};

TEST_F(KvDClockTest, TimeOfDayCellsFollowStyleTickAndAlarm)
{
    struct CellCase
    {
        const char* szName;
        int nHour, nMin, nSec, nStyle;
        BOOL bAlarm;
        int nTicks;
        std::vector<int> cells;
    };
    const CellCase cases[] = {
        {"09:05 style 1, odd tick: separator", 9, 5, 0, 1, FALSE, 1, {B, 9, S, 0, 5}},
        {"09:05 style 1, even tick: no separator", 9, 5, 0, 1, FALSE, 2, {B, 9, B, 0, 5}},
        {"23:59:07 style 0, even tick: both separators", 23, 59, 7, 0, FALSE, 2, {2, 3, S, 5, 9, S, 0, 7}},
        {"10:00 style 1: tens digit 1 shown", 10, 0, 0, 1, FALSE, 1, {1, 0, S, 0, 0}},
        {"alarm, odd tick: every cell blank", 12, 34, 0, 1, TRUE, 1, {B, B, B, B, B}},
        {"alarm, even tick: separator shows", 12, 34, 0, 1, TRUE, 2, {1, 2, S, 3, 4}},
    };
    for (const CellCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestClock clock;
        HWND hStatic = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 200, 40, m_owner, nullptr, nullptr, nullptr);
        clock.InitData();
        ASSERT_TRUE(clock.SubclassWindow(hStatic));
        clock.SetStyle(c.nStyle);
        clock.SetAlarm(c.bAlarm);
        clock.ClockBegin(CKvDClock::ModeClock, 0);
        clock.m_now = CTime(2026, 12, 10, c.nHour, c.nMin, c.nSec);
        for (int i = 0; i < c.nTicks; ++i) {
            clock.SendMessage(WM_TIMER, 1);
        }
        EXPECT_EQ(c.cells, std::vector<int>(clock.Cells(), clock.Cells() + c.cells.size()));
        clock.ClockEnd();
        clock.UnsubclassWindow();
        DestroyWindow(hStatic);
    }
}

TEST_F(KvDClockTest, StopwatchAndCountdownShowTheSpan)
{
    struct SpanCase
    {
        const char* szName;
        int nMode;
        int nSeconds;
        int nElapsed;
        std::vector<int> cells;
    };
    const SpanCase cases[] = {
        {"stopwatch at start", CKvDClock::ModeStopwatch, 0, 0, {B, 0, S, 0, 0, S, 0, 0}},
        {"stopwatch after 1:02:05", CKvDClock::ModeStopwatch, 0, 3725, {B, 1, S, 0, 2, S, 0, 5}},
        {"stopwatch after 13:00:59", CKvDClock::ModeStopwatch, 0, 46859, {1, 3, S, 0, 0, S, 5, 9}},
        {"countdown of 90 s after 25 s", CKvDClock::ModeCountdown, 90, 25, {B, 0, S, 0, 1, S, 0, 5}},
        {"countdown of 2 h at its end", CKvDClock::ModeCountdown, 7200, 7200, {B, 0, S, 0, 0, S, 0, 0}},
    };
    // A span read as a moment would be shifted by the time zone: start at a local midnight.
    const CTime start(2026, 12, 10, 0, 0, 0);
    for (const SpanCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_clock.SetStyle(0);
        m_clock.m_now = start;
        m_clock.ClockBegin(c.nMode, c.nSeconds);
        TickAt(start + CTimeSpan(c.nElapsed));
        EXPECT_EQ(c.cells, Cells(8));
        EXPECT_TRUE(m_clock.IsRunning());
        m_clock.ClockEnd();
    }
}

TEST_F(KvDClockTest, CountdownStopsOnceNowIsPastTheEndAndTellsTheOwner)
{
    const CTime start(2026, 12, 10, 8, 0, 0);
    m_clock.m_now = start;
    m_clock.ClockBegin(CKvDClock::ModeCountdown, 0);
    EXPECT_TRUE(KillTimer(m_clock, 1)) << "ClockBegin arms timer 1";
    m_clock.ClockBegin(CKvDClock::ModeCountdown, 0);

    TickAt(start); // now equals the end: not past it yet
    EXPECT_TRUE(m_clock.IsRunning());
    EXPECT_EQ((std::vector<WPARAM>{KV_DCLOCK_TICK}), m_owner.m_notes);

    TickAt(start + CTimeSpan(1));
    EXPECT_FALSE(m_clock.IsRunning());
    EXPECT_FALSE(KillTimer(m_clock, 1)) << "the timer is killed";
    // The last tick only stops and notifies: no tick note.
    EXPECT_EQ((std::vector<WPARAM>{KV_DCLOCK_TICK, KV_DCLOCK_COUNTDOWN_END}), m_owner.m_notes);
}

TEST_F(KvDClockTest, SettersReturnPreviousValuesAndResetBlanksEveryCell)
{
    EXPECT_EQ(1, m_clock.SetStyle(0));
    EXPECT_EQ(0, m_clock.GetStyle());
    EXPECT_FALSE(m_clock.SetAlarm(TRUE));
    EXPECT_TRUE(m_clock.SetAlarm(FALSE));
    EXPECT_EQ(RGB(255, 0, 0), m_clock.GetColor());
    EXPECT_EQ(RGB(0, 255, 0), m_clock.SetColor(RGB(0, 255, 0)));

    m_clock.m_now = CTime(2026, 12, 10, 12, 34, 56);
    m_clock.ClockBegin(CKvDClock::ModeClock, 0);
    TickAt(m_clock.m_now);
    m_clock.ClockResert();
    EXPECT_FALSE(m_clock.IsRunning());
    EXPECT_EQ(std::vector<int>(8, B), Cells(8));
}

// Pixels of cell nCell (30 pixels wide) in the colour.
int CountCellPixels(CTestDib& dib, int nCell, COLORREF cr)
{
    int nCount = 0;
    for (int y = 0; y < dib.Height(); ++y) {
        for (int x = nCell * 30; x < (nCell + 1) * 30; ++x) {
            nCount += dib.Pixel(x, y) == cr ? 1 : 0;
        }
    }
    return nCount;
}

// What the clock shows now, read from the screen (a repaint would blank a running clock until
// its next tick), and written to a PNG to look at.
void Grab(CKvDClock& clock, CTestDib& dib, const char* pszName)
{
    CClientDC dc(clock);
    dib.DC().BitBlt(0, 0, dib.Width(), dib.Height(), &dc, 0, 0, SRCCOPY);
    GdiFlush();
    SavePng(TestImagePath(pszName).c_str(), dib.Bits(), dib.Width(), dib.Height());
}

TEST_F(KvDClockTest, DigitsAreDrawnStretchedIntoTheirCellsInTheClockColour)
{
    // 240 pixels for 8 cells: 30 each.
    m_clock.SetStyle(0);
    m_owner.ShowWindow(SW_SHOWNOACTIVATE);
    m_owner.UpdateWindow();
    m_clock.UpdateWindow();
    m_clock.m_now = CTime(2026, 12, 10, 8, 34, 56);
    m_clock.ClockBegin(CKvDClock::ModeClock, 0);
    TickAt(m_clock.m_now);
    CTestDib red(240, 60);
    Grab(m_clock, red, "KvDClock-08-34-56-red.png");
    EXPECT_EQ(0, CountCellPixels(red, 0, RGB(255, 0, 0))) << "blank hour tens";
    for (int nCell = 1; nCell < 8; ++nCell) {
        SCOPED_TRACE(nCell);
        EXPECT_GT(CountCellPixels(red, nCell, RGB(255, 0, 0)), 20);
    }
    // An 8 lights more segments than a 3.
    EXPECT_GT(CountCellPixels(red, 1, RGB(255, 0, 0)), CountCellPixels(red, 3, RGB(255, 0, 0)));

    m_clock.SetColor(RGB(0, 255, 0));
    TickAt(m_clock.m_now);
    CTestDib green(240, 60);
    Grab(m_clock, green, "KvDClock-08-34-56-green.png");
    for (int nCell = 1; nCell < 8; ++nCell) {
        SCOPED_TRACE(nCell);
        EXPECT_EQ(0, CountCellPixels(green, nCell, RGB(255, 0, 0)));
        EXPECT_EQ(CountCellPixels(red, nCell, RGB(255, 0, 0)), CountCellPixels(green, nCell, RGB(0, 255, 0)));
    }
}
} // namespace
