// A grid of palette colour cells, with an optional "其它..." button for the standard colour
// dialog; tells its parent the chosen colour with WM_USER + 301.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/Point.h"
#include "platform/base/Rect.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Palette.h"
#include "platform/win/Button.h"

class CDC;

// Sent to the parent (the owner button for a pop-up) when a colour is chosen: wParam the control
// id, lParam the COLORREF.
#define KV_WM_COLORCHANGE (WM_USER + 301)
// Posted to the owner button when the pop-up's "其它..." button is pressed.
#define KV_WM_CUSTOMCOLOR (WM_USER + 302)
// The id of the "其它..." button.
#define KV_ID_OTHERCOLOR 0xEA31

// Style bit of a bar: a double 3-D border (pop-ups have it).
#define KV_CBS_BORDER 0x1

class KVCOMM_API CKvColorBar : public CWnd
{
    FX_DECLARE_DYNAMIC(CKvColorBar)

public:
    CKvColorBar();
    ~CKvColorBar() override;

    virtual BOOL Create(DWORD dwStyle, int x, int y, CWnd* pParentWnd, UINT nID, BOOL bDialogUnits = FALSE,
                        BOOL bOtherButton = TRUE, LPVOID lpParam = nullptr);

    void SelectColor(COLORREF crColor);
    COLORREF GetColor() const;
    void SetTrackSelection(BOOL bTrack) { m_bTrack = bTrack; }
    void SetPaletteRealization(BOOL bRealize) { m_bPaletteRealization = bRealize; }
    // Back to the state of a bar not yet shown.
    virtual void Reset();

    int GetSelRow() const { return m_nSelRow; }
    int GetSelCol() const { return m_nSelCol; }
    BOOL IsCustomShown() const { return m_bCustomShown; }
    CButton* GetOtherButton() const { return m_pOtherButton; }
    // The cell's rectangle in client coordinates; the custom cell is (custom col, custom row).
    CRect GetCellRect(int nCol, int nRow) const;
    COLORREF GetCellColor(int nCol, int nRow) const;
    // The window size the grid needs, from the cell size and margins.
    CSize GetWindowSize() const;

    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    void OnKillFocus(CWnd* pNewWnd) override;

protected:
    virtual void DrawCell(CDC* pDC, CPoint ptOrigin, int nCol, int nRow);
    virtual void DrawSelectedCell(CDC* pDC, CPoint ptOrigin, int nCol, int nRow);
    virtual void NotifyParent();
    // nHow: 0 a key, 1 the mouse tracking, 2 a click, Enter or space.
    virtual void SelectCell(int nCol, int nRow, int nHow);
    virtual BOOL CreatePalette();
    virtual void SetDefaultSize();
    virtual void AdjustPalette(PALETTEENTRY* pEntries, int nCount, int nFilled);
    virtual DWORD GetColorDialogFlags() const;
    virtual UINT GetClassStyle() const;
    virtual BOOL HasFocusFrame() const;

    // Cell size and margins for a bar in pParent, with the style bits.
    void CalcMetrics(CWnd* pParentWnd, DWORD dwStyle);
    // The cell under a client point (cells enlarged by 1); FALSE when none.
    BOOL HitTest(CPoint point, int& nCol, int& nRow) const;
    BOOL IsCustomCell(int nCol, int nRow) const { return nCol == m_nCustomCol && nRow == m_nCustomRow; }
    void InvalidateCell(int nCol, int nRow);
    // The bar's own handling of the "其它..." button: its click, its loss of focus and its keys
    // (TRUE when the key was taken).
    virtual void OnOtherButton();
    virtual void OnOtherKillFocus(CWnd* pNewWnd);
    virtual BOOL OnOtherKeyDown(UINT nChar);
    friend class CKvOtherButton;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    LRESULT OnCtlColorBtn(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()

protected:
    CPalette m_palette;
    int m_nRows;
    int m_nColumns;
    int m_nCustomCol;
    int m_nCustomRow;
    int m_nCellHeight;
    int m_nCellWidth;
    int m_nMarginX;
    int m_nMarginY;
    int m_nOtherHeight;
    int m_nSelRow;
    int m_nSelCol;
    int m_nCustomIndex;
    BOOL m_bFocused;
    BOOL m_bTrack;
    BOOL m_bOtherButton;
    BOOL m_bCustomShown;
    BOOL m_bPaletteRealization;
    CBrush m_brushBk;
    CButton* m_pOtherButton;

private:
    COLORREF EntryColor(int nIndex) const;
    void MoveSelection(UINT nKey);
};
