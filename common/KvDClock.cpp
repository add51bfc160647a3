#include "common/KvDClock.h"

#include <commctrl.h>

#include "common/res/resource.h"
#include "platform/base/FxResMgr.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/PaintDC.h"

FX_IMPLEMENT_DYNAMIC(CKvDClock, CStatic)

namespace
{
const UINT_PTR kClockTimer = 1;
const COLORREF kDigitRed = RGB(255, 0, 0);

UINT CellBitmapId(int nIndex)
{
    if (nIndex == CKvDClock::BmpSeparator) {
        return IDB_KV_CLOCK_SEPARATOR;
    }
    if (nIndex == CKvDClock::BmpBlank) {
        return IDB_KV_CLOCK_BLANK;
    }
    return IDB_KV_CLOCK_DIGIT0 + static_cast<UINT>(nIndex);
}
} // namespace

CKvDClock::CKvDClock()
    : m_bInitialized(FALSE), m_bAlarm(FALSE), m_crColor(kDigitRed), m_bRunning(FALSE), m_nCellWidth(0),
      m_nCellHeight(0), m_nStyle(1), m_bmInfo(), m_nTick(0), m_nTimer(0), m_nShownHour(0), m_nShownMinute(0),
      m_nShownSecond(0), m_nMode(ModeClock), m_pOwner(nullptr)
{
    for (int& nCell : m_nCells) {
        nCell = BmpBlank;
    }
}

CKvDClock::~CKvDClock() = default;

void CKvDClock::InitData()
{
    if (!m_bInitialized) {
        m_bInitialized = LoadCellBitmaps();
    }
}

// The digits and the separator are drawn in pure red; any other colour maps that red through the
// bitmaps' colour tables. The blank cell keeps its own colours.
BOOL CKvDClock::LoadCellBitmaps()
{
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(IDB_KV_CLOCK_DIGIT0),
                                                    MAKEINTRESOURCEA(2)); // RT_BITMAP
    if (hInst == nullptr) {
        return FALSE;
    }
    COLORMAP map = {kDigitRed, m_crColor};
    for (int i = 0; i < BmpCount; ++i) {
        m_bitmaps[i].DeleteObject();
        HBITMAP hBitmap = nullptr;
        if (i == BmpBlank || m_crColor == kDigitRed) {
            hBitmap = static_cast<HBITMAP>(
                LoadImageA(hInst, MAKEINTRESOURCEA(CellBitmapId(i)), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
        } else {
            hBitmap = CreateMappedBitmap(hInst, static_cast<INT_PTR>(CellBitmapId(i)), 0, &map, 1);
        }
        if (hBitmap == nullptr || !m_bitmaps[i].Attach(hBitmap)) {
            return FALSE;
        }
    }
    return TRUE;
}

int CKvDClock::SetStyle(int nStyle)
{
    const int nOld = m_nStyle;
    m_nStyle = nStyle;
    CalcCellSize();
    return nOld;
}

BOOL CKvDClock::SetAlarm(BOOL bAlarm)
{
    const BOOL bOld = m_bAlarm;
    m_bAlarm = bAlarm;
    return bOld;
}

COLORREF CKvDClock::SetColor(COLORREF crColor)
{
    if (crColor != m_crColor) {
        m_crColor = crColor;
        if (m_bInitialized) {
            m_bInitialized = LoadCellBitmaps();
        }
    }
    return m_crColor;
}

void CKvDClock::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    if (m_bitmaps[0].GetSafeHandle() != nullptr) {
        m_bitmaps[0].GetBitmap(&m_bmInfo);
    }
    CalcCellSize();
}

void CKvDClock::CalcCellSize()
{
    if (m_hWnd == nullptr) {
        return;
    }
    CRect rc;
    GetClientRect(&rc);
    m_nCellWidth = rc.Width() / GetCellCount();
    m_nCellHeight = rc.Height();
}

void CKvDClock::ClockBegin(int nMode, int nSeconds)
{
    const CTime now = GetNow();
    if (nMode == ModeStopwatch) {
        m_timeStart = now;
    } else if (nMode == ModeCountdown) {
        m_timeEnd = now + CTimeSpan(nSeconds);
    }
    m_bRunning = TRUE;
    m_nMode = nMode;
    m_nTimer = SetTimer(kClockTimer, 1000);
}

void CKvDClock::ClockEnd()
{
    m_bRunning = FALSE;
    if (m_nTimer != 0) {
        KillTimer(m_nTimer);
        m_nTimer = 0;
    }
}

void CKvDClock::ClockResert()
{
    CalcCellSize();
    ClockEnd();
    for (int i = 0; i < MaxCells; ++i) {
        m_nCells[i] = BmpBlank;
        Output(BmpBlank, i);
    }
}

void CKvDClock::Output(int nBitmap, int nCell)
{
    if (nBitmap < 0 || nBitmap >= BmpCount || m_bitmaps[nBitmap].GetSafeHandle() == nullptr || m_hWnd == nullptr) {
        return;
    }
    CClientDC dc(m_hWnd);
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(&dc)) {
        return;
    }
    CFxSelectGuard selectBitmap(&dcMem, &m_bitmaps[nBitmap]);
    BITMAP bm = {};
    m_bitmaps[nBitmap].GetBitmap(&bm);
    ::SetStretchBltMode(dc, COLORONCOLOR);
    ::StretchBlt(dc, nCell * m_nCellWidth, 0, m_nCellWidth, m_nCellHeight, dcMem, 0, 0, bm.bmWidth, bm.bmHeight,
                 SRCCOPY);
}

CTime CKvDClock::GetNow() const
{
    return CTime::GetCurrentTime();
}

void CKvDClock::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kClockTimer) {
        CStatic::OnTimer(nIDEvent);
        return;
    }
    Tick(GetNow());
}

void CKvDClock::Tick(CTime now)
{
    ++m_nTick;
    if (m_nMode == ModeCountdown && now > m_timeEnd) {
        ClockEnd();
        if (m_pOwner != nullptr) {
            m_pOwner->SendMessage(WM_KV_DCLOCK, KV_DCLOCK_COUNTDOWN_END);
        }
        return;
    }
    if (m_nMode == ModeStopwatch || m_nMode == ModeCountdown) {
        // A span, not a moment: read as a moment it would be shifted by the time zone. A clock
        // set back makes a negative span, shown as zero.
        CTimeSpan span = m_nMode == ModeStopwatch ? now - m_timeStart : m_timeEnd - now;
        if (span < CTimeSpan(0)) {
            span = CTimeSpan(0);
        }
        m_nShownHour = span.GetHours();
        m_nShownMinute = span.GetMinutes();
        m_nShownSecond = span.GetSeconds();
    } else {
        m_nShownHour = now.GetHour();
        m_nShownMinute = now.GetMinute();
        m_nShownSecond = now.GetSecond();
    }

    const BOOL bOddTick = (m_nTick % 2) != 0;
    m_nCells[0] = m_nShownHour / 10 == 0 ? BmpBlank : m_nShownHour / 10;
    m_nCells[1] = m_nShownHour % 10;
    m_nCells[2] = BmpSeparator;
    m_nCells[3] = m_nShownMinute / 10;
    m_nCells[4] = m_nShownMinute % 10;
    m_nCells[5] = BmpSeparator;
    m_nCells[6] = m_nShownSecond / 10;
    m_nCells[7] = m_nShownSecond % 10;
    if (m_nStyle != 0 && !bOddTick && !m_bAlarm) {
        m_nCells[2] = BmpBlank;
    }
    if (m_nStyle != 0) {
        m_nCells[5] = m_nCells[6] = m_nCells[7] = BmpBlank;
    }
    if (m_bAlarm) {
        if (bOddTick) {
            for (int& nCell : m_nCells) {
                nCell = BmpBlank;
            }
        }
        MessageBeep(static_cast<UINT>(-1));
    }
    for (int i = 0; i < GetCellCount(); ++i) {
        Output(m_nCells[i], i);
    }
    if (m_pOwner != nullptr) {
        m_pOwner->SendMessage(WM_KV_DCLOCK, KV_DCLOCK_TICK);
    }
}

void CKvDClock::OnDestroy()
{
    ClockEnd();
    CStatic::OnDestroy();
}

BOOL CKvDClock::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    CBrush brush(GetSysColor(COLOR_WINDOWTEXT));
    {
        CFxSelectGuard selectBrush(pDC, &brush);
        ::PatBlt(*pDC, rc.left, rc.top, rc.Width(), rc.Height(), PATCOPY);
    }
    return CStatic::OnEraseBkgnd(pDC);
}

void CKvDClock::OnPaint()
{
    {
        // Validates the window; the cells are drawn through client DCs.
        CPaintDC dc(m_hWnd);
    }
    // A running clock is drawn again by its next tick.
    if (!m_bRunning) {
        ClockResert();
    }
}
