#include "designer/shell/OutputBar.h"

#include "designer/shell/MainFrame.h"
#include "designer/res/resource.h"
#include "platform/frame/FrameIds.h"
#include "platform/gdi/ClientDC.h"
#include "symedit/CustSymMgr.h"

namespace
{
// The panes: read-only, multi-line, keeping new lines, scrolled by the tab window's bars. Created
// hidden: the tab window shows the active one and hides only the one it replaces.
const DWORD kPaneStyle = WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | ES_WANTRETURN;

// Sent to the bar itself when custom-symbol reports wait to be shown.
const UINT kMsgSymReports = WM_APP + 0x141;

// A custom symbol that cannot be shown is an error the designer's user must see. Reports come
// while cells are drawn: they wait for the message loop, then go as error messages to the frame
// the bar belongs to, which appends them and shows the errors tab.
class CSymReportsToErrors : public CCustSymReportSink
{
public:
    explicit CSymReportsToErrors(COutputBar* pBar) : m_pBar(pBar) {}
    void OnCustSymReport(const CString& strText) override
    {
        m_listPending.AddTail(strText);
        if (m_listPending.GetCount() == 1 && m_pBar->m_hWnd != nullptr) {
            ::PostMessageA(m_pBar->m_hWnd, kMsgSymReports, 0, 0);
        }
    }
    void ShowPending()
    {
        CFrameWnd* pFrame = m_pBar->m_pDockSite;
        while (!m_listPending.IsEmpty()) {
            CString strText = m_listPending.RemoveHead();
            if (pFrame != nullptr && ::IsWindow(pFrame->m_hWnd)) {
                pFrame->SendMessage(WM_DESIGN_ERROR, 0, reinterpret_cast<LPARAM>(&strText));
            }
        }
    }

private:
    COutputBar* m_pBar;
    CStringList m_listPending;
};
} // namespace

FX_IMPLEMENT_DYNAMIC(COutputBar, FwControlBar)

FX_BEGIN_MESSAGE_MAP(COutputBar, FwControlBar)
FX_ON_WM_CREATE()
FX_ON_WM_SIZE()
FX_ON_WM_ERASEBKGND()
FX_ON_WM_DESTROY()
FX_ON_MESSAGE(kMsgSymReports, OnSymReports)
FX_END_MESSAGE_MAP()

COutputBar::COutputBar()
{
}

COutputBar::~COutputBar()
{
    // A bar whose window never went still leaves the cache with nothing to call.
    if (m_pSymReports != nullptr && CCustSymMgr::GetProcessMgr().GetReportSink() == m_pSymReports.get()) {
        CCustSymMgr::GetProcessMgr().SetReportSink(nullptr);
    }
}

void COutputBar::SetTabFontFace(CFont* pCurrent, BOOL (FwTabWnd::*pfnSet)(CFont*, BOOL), const CString& strFace,
                                int nHeight)
{
    LOGFONTA lf{};
    if (pCurrent == nullptr || pCurrent->GetLogFont(&lf) == 0) {
        return;
    }
    lstrcpynA(lf.lfFaceName, strFace, LF_FACESIZE);
    lf.lfHeight = nHeight;
    // The tab control keeps its own copy.
    CFont font;
    if (font.CreateFontIndirect(&lf)) {
        (m_wndTabs.*pfnSet)(&font, TRUE);
    }
}

int COutputBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (FwControlBar::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    // The tab window draws the panes' shared scroll bars itself: Win32's own would double them.
    if (!m_wndTabs.Create(this, WS_CHILD | WS_VISIBLE | FWTWS_ALLBUTTONS, FX_IDW_PANE_FIRST)) {
        return -1;
    }
    if (!m_editTips.Create("EDIT", nullptr, kPaneStyle, CRect(0, 0, 0, 0), &m_wndTabs, IDC_OUTPUT_TIPS) ||
        !m_editErrors.Create("EDIT", nullptr, kPaneStyle, CRect(0, 0, 0, 0), &m_wndTabs, IDC_OUTPUT_ERRORS)) {
        return -1;
    }
    CString strTips;
    CString strErrors;
    strTips.LoadString(IDS_OUTPUT_TIPS);
    strErrors.LoadString(IDS_OUTPUT_ERRORS);
    m_wndTabs.AddTab(&m_editTips, strTips);
    m_wndTabs.AddTab(&m_editErrors, strErrors);
    m_wndTabs.SetTabScrollStyle(0, WS_VSCROLL | WS_HSCROLL);
    m_wndTabs.SetTabScrollStyle(1, WS_VSCROLL | WS_HSCROLL);
    m_wndTabs.ActivateTab(0);

    CString strFace;
    strFace.LoadString(IDS_OUTPUT_FONT_FACE);
    int nHeight = 0;
    {
        CClientDC dc(m_hWnd);
        nHeight = -::MulDiv(9, dc.GetDeviceCaps(LOGPIXELSY), 72);
    }
    SetTabFontFace(m_wndTabs.GetActiveTabFont(), &FwTabWnd::SetActiveTabFont, strFace, nHeight);
    SetTabFontFace(m_wndTabs.GetSelectedTabFont(), &FwTabWnd::SetSelectedTabFont, strFace, nHeight);
    SetTabFontFace(m_wndTabs.GetInactiveTabFont(), &FwTabWnd::SetInactiveTabFont, strFace, nHeight);

    if (m_fontPane.CreateFont(nHeight, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_STROKE_PRECIS,
                              CLIP_STROKE_PRECIS, DRAFT_QUALITY, VARIABLE_PITCH | FF_MODERN, strFace)) {
        m_editTips.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_fontPane.m_hObject), TRUE);
        m_editErrors.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_fontPane.m_hObject), TRUE);
    }
    m_pSymReports = std::make_unique<CSymReportsToErrors>(this);
    CCustSymMgr::GetProcessMgr().SetReportSink(m_pSymReports.get());
    return 0;
}

void COutputBar::OnSize(UINT nType, int cx, int cy)
{
    if (m_wndTabs.m_hWnd != nullptr) {
        CRect rcInside;
        GetInsideRect(rcInside);
        ::SetWindowPos(m_wndTabs.m_hWnd, nullptr, rcInside.left, rcInside.top, rcInside.Width(), rcInside.Height(),
                       SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    }
    FwControlBar::OnSize(nType, cx, cy);
}

LRESULT COutputBar::OnSymReports(WPARAM, LPARAM)
{
    if (m_pSymReports != nullptr) {
        static_cast<CSymReportsToErrors*>(m_pSymReports.get())->ShowPending();
    }
    return 0;
}

void COutputBar::OnDestroy()
{
    // Only this bar's own sink is taken out: a newer bar may have installed its own since.
    if (m_pSymReports != nullptr && CCustSymMgr::GetProcessMgr().GetReportSink() == m_pSymReports.get()) {
        CCustSymMgr::GetProcessMgr().SetReportSink(nullptr);
    }
    FwControlBar::OnDestroy();
}

BOOL COutputBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcInside;
    GetInsideRect(rcInside);
    const COLORREF cr = ::GetSysColor(COLOR_BTNFACE);
    pDC->FillSolidRect(rcClient.left, rcClient.top, rcClient.Width(), rcInside.top - rcClient.top, cr);
    pDC->FillSolidRect(rcClient.left, rcInside.bottom, rcClient.Width(), rcClient.bottom - rcInside.bottom, cr);
    pDC->FillSolidRect(rcClient.left, rcInside.top, rcInside.left - rcClient.left, rcInside.Height(), cr);
    pDC->FillSolidRect(rcInside.right, rcInside.top, rcClient.right - rcInside.right, rcInside.Height(), cr);
    return TRUE;
}
