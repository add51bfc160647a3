// A digital clock drawn from digit bitmaps: the time of day, a stopwatch or a countdown, with a
// blinking separator and an alarm mode.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/Time.h"
#include "platform/gdi/Bitmap.h"
#include "platform/win/Static.h"

// Sent to the owner window (wParam below) after every tick and when a countdown runs out.
#define WM_KV_DCLOCK (WM_USER + 310)
#define KV_DCLOCK_TICK 1335
#define KV_DCLOCK_COUNTDOWN_END 1336

class KVCOMM_API CKvDClock : public CStatic
{
    FX_DECLARE_DYNAMIC(CKvDClock)

public:
    enum { ModeClock = 1, ModeStopwatch = 2, ModeCountdown = 3 };
    // Indices of the cell bitmaps: digits 0 to 9, then these.
    enum { BmpSeparator = 10, BmpBlank = 11, BmpCount = 12 };
    enum { MaxCells = 8 };

    CKvDClock();
    ~CKvDClock() override;

    // Loads the cell bitmaps once; call it before subclassing.
    void InitData();
    // 1: hours and minutes (5 cells); 0: hours, minutes and seconds (8 cells). Each setter
    // returns the previous value.
    int SetStyle(int nStyle);
    int GetStyle() const { return m_nStyle; }
    BOOL SetAlarm(BOOL bAlarm);
    BOOL GetAlarm() const { return m_bAlarm; }
    // Recolours the digits and the separator (their pure red becomes crColor); returns crColor.
    COLORREF SetColor(COLORREF crColor);
    COLORREF GetColor() const { return m_crColor; }
    void SetOwner(CWnd* pOwner) { m_pOwner = pOwner; }

    void ClockBegin(int nMode, int nSeconds);
    void ClockEnd();
    // Resets the display: stops the clock and blanks every cell.
    void ClockResert();
    // Draws bitmap nBitmap (a digit, BmpSeparator or BmpBlank) stretched into cell nCell.
    void Output(int nBitmap, int nCell);

    BOOL IsRunning() const { return m_bRunning; }

protected:
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnDestroy() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnPaint() override;
    void PreSubclassWindow() override;
    // The clock's idea of now; a test holds it still.
    virtual CTime GetNow() const;

    // One tick at moment now: computes the cells, draws them and notifies the owner.
    void Tick(CTime now);
    void CalcCellSize();
    int GetCellCount() const { return m_nStyle == 0 ? 8 : 5; }

    BOOL m_bInitialized;
    BOOL m_bAlarm;
    COLORREF m_crColor;
    BOOL m_bRunning;
    int m_nCellWidth;
    int m_nCellHeight;
    int m_nStyle;
    BITMAP m_bmInfo;
    int m_nTick;
    CBitmap m_bitmaps[BmpCount];
    UINT_PTR m_nTimer;
    CTime m_timeStart;
    CTime m_timeEnd;
    int m_nShownHour;
    int m_nShownMinute;
    int m_nShownSecond;
    int m_nMode;
    CWnd* m_pOwner;
    // The bitmap index each cell shows.
    int m_nCells[MaxCells];

private:
    BOOL LoadCellBitmaps();
};
