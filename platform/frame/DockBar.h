// A bar that holds the control bars docked on one side of a frame (or inside a floating frame),
// in rows.
#pragma once

#include "platform/base/PtrArray.h"
#include "platform/base/Rect.h"
#include "platform/frame/ControlBar.h"

class FX_API CDockBar : public CControlBar
{
    FX_DECLARE_DYNAMIC(CDockBar)

public:
    explicit CDockBar(BOOL bFloating = FALSE);

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    // The bars in order. Entry 0 is always null; a null entry ends a row; an entry below 0x10000
    // is a placeholder: the id of a bar that left (floated) and docks back there.
    CPtrArray m_arrBars;
    BOOL m_bFloating;
    // Set by the frame's layout before it asks for the dock bar's size: the layout only measures
    // (bars are not moved), and the rectangle the dock bar was given.
    BOOL m_bLayoutQuery;
    CRect m_rectLayout;

    BOOL IsDockBar() const override { return TRUE; }
    // A bar (not a placeholder or row end) at nPos; null otherwise.
    CControlBar* GetDockedControlBar(int nPos) const;
    static BOOL IsPlaceholder(const void* p) { return p != nullptr && reinterpret_cast<UINT_PTR>(p) < 0x10000; }
    int GetDockedCount() const;
    virtual int GetDockedVisibleCount() const;
    // The index of pBar (or of its placeholder with a void* id), skipping nPosExclude; -1 when absent.
    int FindBar(const void* pBar, int nPosExclude = -1) const;

    // Docks pBar: by lpRect (screen) among the rows, else as a new last row.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Docks pBar where its placeholder is (lpRect when it has none).
    void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Takes pBar out (not the entry at nPosExclude); with bAddPlaceHolder its id keeps its place.
    // FALSE when pBar was not here.
    BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, BOOL bAddPlaceHolder = FALSE);
    void RemovePlaceHolder(CControlBar* pBar);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void GetBarInfo(CControlBarInfo* pInfo) override;
    void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;

protected:
    // The index at which a bar dropped at rect (client coordinates) goes; inserts a row end when
    // it starts a new row.
    int Insert(CControlBar* pBar, CRect rect, CPoint ptMid);
    // Row ends that follow one another (emptied rows) become one.
    void CollapseEmptyRows();
    // The floating frame hides when no bar shows and goes when no bar is left.
    void UpdateFloatingFrame();
    // Reparents and restyles a bar that joins this dock bar.
    void AdoptBar(CControlBar* pBar);
};
