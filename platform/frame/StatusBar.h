// The status line of a frame over the common status bar control: panes from a list of ids (each
// id's string gives its text and width; ID_SEPARATOR is the stretching message pane), texts set by
// the frame's prompts and by command-UI handlers on idle.
#pragma once

#include "platform/base/DWordArray.h"
#include "platform/base/StringArray.h"
#include "platform/frame/ControlBar.h"
#include "platform/frame/FrameIds.h"

// Pane styles.
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS 0x0100
#define SBPS_POPOUT 0x0200
#define SBPS_OWNERDRAW 0x1000
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

class FX_API CStatusBar : public CControlBar
{
    FX_DECLARE_DYNAMIC(CStatusBar)

public:
    CStatusBar();

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT nID = FX_IDW_STATUS_BAR);
    // One pane per id; an id's string (found along the resource chain) is its first text and
    // sets its width. The first pane, when it is ID_SEPARATOR, stretches and has no border.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int GetCount() const { return static_cast<int>(m_arrIDs.GetSize()); }
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    // The text set last (a disabled pane shows none).
    CString GetPaneText(int nIndex) const;
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    // Pane edges for the control (the stretching pane takes what the others leave).
    void UpdateParts();
    void ShowPaneText(int nIndex);
    int TextWidth(LPCSTR lpszText) const;

    CDWordArray m_arrIDs;
    CDWordArray m_arrStyles;
    CDWordArray m_arrWidths;
    CStringArray m_arrTexts;
};
