// The docking bar "Output Window": two read-only text panes, tips and errors, on two tabs. The
// main frame appends the lines; the bar creates, lays out and paints the panes. While it exists,
// the custom-symbol cache's reports reach the errors pane through its frame.
#pragma once

#include <memory>

#include "framework/FwControlBar.h"
#include "framework/FwTabWnd.h"
#include "platform/gdi/Font.h"
#include "platform/win/Edit.h"

class CCustSymReportSink;

class COutputBar : public FwControlBar
{
    FX_DECLARE_DYNAMIC(COutputBar)

public:
    COutputBar();
    ~COutputBar() override;

    CEdit m_editTips;
    CEdit m_editErrors;
    FwTabWnd m_wndTabs;
    CFont m_fontPane;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnSize(UINT nType, int cx, int cy) override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnDestroy() override;
    LRESULT OnSymReports(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()

private:
    // The tab font of one kind with the face and height of the panes.
    void SetTabFontFace(CFont* pCurrent, BOOL (FwTabWnd::*pfnSet)(CFont*, BOOL), const CString& strFace, int nHeight);

    // Installed in the process's custom-symbol cache from creation to destruction.
    std::unique_ptr<CCustSymReportSink> m_pSymReports;
};
