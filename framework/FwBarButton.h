// One button of a custom tool bar: its command, image, style bits, place and size, and how it
// measures and paints itself through the bar's painting cache.
#pragma once

#include <windows.h>

#include "platform/base/Rect.h"
#include "platform/base/Size.h"

class CDC;
class FwButtonPaintCache;
class FwCustomToolBar;

// Style bits: the platform's tool-bar button styles and states, and the framework's own.
#define FWBS_SEPARATOR 0x00000001L
#define FWBS_CHECK 0x00000002L
#define FWBS_DROPDOWN 0x00000008L
#define FWBS_CHECKED 0x00010000L
#define FWBS_PRESSED 0x00020000L
#define FWBS_DISABLED 0x00040000L
#define FWBS_HIDDEN 0x00080000L
#define FWBS_INDETERMINATE 0x00100000L
#define FWBS_WRAPPED 0x00200000L
#define FWBS_SELECTED 0x01000000L
#define FWBS_HOT 0x02000000L
#define FWBS_KEEPENABLED 0x10000000L

// Button kinds.
#define FWBK_STANDARD 0
#define FWBK_TEXT 3
#define FWBK_SYSMENU 4
#define FWBK_CAPTION 5

// Notification a standard button understands: data are (bits to set, mask to clear).
#define FWBN_SETSTYLE 1

class FwBarButton
{
public:
    FwBarButton();
    virtual ~FwBarButton() = default;
    FwBarButton(const FwBarButton&) = delete;
    FwBarButton& operator=(const FwBarButton&) = delete;

    virtual void SetMode(int nMode) { m_nMode = nMode; }
    virtual void SetStyle(DWORD dwStyle);
    DWORD GetStyle() const { return m_dwStyle; }
    BOOL TestStyle(DWORD dwBits) const { return (m_dwStyle & dwBits) == dwBits; }
    virtual void SetPos(int x, int y);
    void Invalidate();
    virtual void SetID(UINT nID);
    virtual void SetUp(FwCustomToolBar* pBar);
    // Composes the button at (0, 0) of the cache's composition context.
    virtual void Paint(CDC* pDC, FwButtonPaintCache* pCache);
    // Sets width and height from the bar's image size.
    virtual void Measure();
    // The extra bytes saved with the button (none for a standard button); at most nMax.
    virtual int GetExtraData(BYTE* pData, int nMax) const;
    virtual void RestoreExtraData(const BYTE* pData, int nCount);
    virtual void Notify(int nCode, const DWORD* pData);
    // Pressing a button that opens something instead of sending its command; TRUE when taken.
    virtual BOOL OnPress() { return FALSE; }
    BOOL IsSeparator() const { return (m_dwStyle & FWBS_SEPARATOR) != 0; }
    CRect GetRect() const { return CRect(m_x, m_y, m_x + m_cx, m_y + m_cy); }

    UINT m_nID;
    int m_nImage;
    DWORD m_dwStyle;
    int m_x;
    int m_y;
    int m_cx;
    int m_cy;
    int m_nKind;
    FwCustomToolBar* m_pBar;
    int m_nMode;

protected:
    void DrawFace(CDC* pDC, FwButtonPaintCache* pCache);
    void DrawImage(CDC* pDC, FwButtonPaintCache* pCache);
    void DrawSeparator(CDC* pDC);
};
