// The MDI frame that keeps its MDI children, the worksheets, in an ordered list with an index and
// an icon each. The strip of worksheet tabs is off and nothing turns it on: no tab is painted or
// clicked, while the list, the indices, the icons and the repaint requests still work.
#pragma once

#include "platform/base/PtrArray.h"
#include "framework/FwMDIFrameWnd.h"

class FwWorkbookClient;
class FwWorksheet;

class FwWorkbook : public FwMDIFrameWnd
{
    FX_DECLARE_DYNCREATE(FwWorkbook)

public:
    FwWorkbook();
    ~FwWorkbook() override;

    int GetWorksheetCount() const;
    // nIndex must be below the count.
    FwWorksheet* GetWorksheet(int nIndex) const;

    virtual BOOL MayActivateTab(FwWorksheet*) { return TRUE; }
    virtual void AddWorksheet(FwWorksheet* pSheet);
    virtual void RemoveWorksheet(FwWorksheet* pSheet);
    // Title of the worksheet's active document, else its window text.
    virtual CString GetTabLabel(FwWorksheet* pSheet);
    // Null unless tab icons are on.
    virtual HICON GetTabIcon(FwWorksheet* pSheet);
    // FALSE for a null worksheet.
    virtual BOOL SetTabIcon(FwWorksheet* pSheet, HICON hIcon, BOOL bRedraw);

    // Repaint requests of one tab (to the strip's end with bToEnd) and of the whole strip; they
    // reach the screen only while tabs are displayed.
    void RepaintTab(FwWorksheet* pSheet, BOOL bToEnd);
    void RepaintStrip();
    void RecalcLayout(BOOL bNotify = TRUE) override;

    BOOL IsTabDisplayOn() const { return m_bDisplayTabs; }
    int GetTabWidth() const { return m_nTabWidth; }
    HWND GetToolTipWnd() const { return m_hWndToolTip; }

    CPtrArray m_arrWorksheets;
    BOOL m_bTabIcons;
    int m_nTabHeight;
    int m_nMaxTabWidth;
    int m_nLastActiveTab;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    // The width each tab gets: the client's width shared by the worksheets, at most the cap.
    BOOL UpdateTabWidth();
    // The strip's rectangle below the MDI client, from x to the right end (frame client coordinates).
    CRect StripRect(int xLeft, int xRight) const;
    void OnActiveTabChanged();

    BOOL m_bDisplayTabs;
    int m_nTabWidth;
    HFONT m_hTabFont;
    FwWorkbookClient* m_pClient;
    HWND m_hWndToolTip;
    CRect m_rcLastClient;
};
