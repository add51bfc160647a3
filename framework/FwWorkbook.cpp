#include "framework/FwWorkbook.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/FwControlBarWorksheet.h"
#include "framework/FwSystemColors.h"
#include "framework/FwWorkbookClient.h"
#include "framework/FwWorksheet.h"
#include "platform/doc/Document.h"
#include "platform/gdi/DC.h"

FX_IMPLEMENT_DYNCREATE(FwWorkbook, FwMDIFrameWnd)

namespace
{
const int kDefaultTabWidth = 100;
const int kTabHeight = 23;
const int kMaxTabWidth = 90;
} // namespace

FwWorkbook::FwWorkbook()
    : m_bTabIcons(TRUE), m_nTabHeight(kTabHeight), m_nMaxTabWidth(kMaxTabWidth), m_nLastActiveTab(0),
      m_bDisplayTabs(FALSE), m_nTabWidth(kDefaultTabWidth), m_hTabFont(nullptr), m_pClient(nullptr),
      m_hWndToolTip(nullptr), m_rcLastClient(0, 0, 0, 0)
{
    // A bar floated into the main window becomes a worksheet.
    m_pControlBarMDIChildClass = FX_RUNTIME_CLASS(FwControlBarWorksheet);
}

FwWorkbook::~FwWorkbook()
{
    if (m_hWndToolTip != nullptr && ::IsWindow(m_hWndToolTip)) {
        ::DestroyWindow(m_hWndToolTip);
    }
    delete m_pClient;
    m_arrWorksheets.RemoveAll();
}

int FwWorkbook::GetWorksheetCount() const
{
    return static_cast<int>(m_arrWorksheets.GetSize());
}

FwWorksheet* FwWorkbook::GetWorksheet(int nIndex) const
{
    return static_cast<FwWorksheet*>(m_arrWorksheets[nIndex]);
}

int FwWorkbook::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (FwMDIFrameWnd::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    m_pClient = new FwWorkbookClient;
    if (!m_pClient->SubclassWindow(m_hWndMDIClient)) {
        delete m_pClient;
        m_pClient = nullptr;
    }
    m_hTabFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (m_hTabFont == nullptr) {
        m_hTabFont = static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));
    }
    return 0;
}

void FwWorkbook::OnDestroy()
{
    // The client goes with the frame: unhook it first.
    if (m_pClient != nullptr) {
        m_pClient->UnsubclassWindow();
        delete m_pClient;
        m_pClient = nullptr;
    }
    FwMDIFrameWnd::OnDestroy();
}

BOOL FwWorkbook::UpdateTabWidth()
{
    const int nCount = GetWorksheetCount();
    CRect rcClient(0, 0, 0, 0);
    if (m_hWndMDIClient != nullptr) {
        ::GetClientRect(m_hWndMDIClient, &rcClient);
    }
    const int nOld = m_nTabWidth;
    m_nTabWidth = nCount > 0 ? std::min((rcClient.Width() + 5) / nCount, m_nMaxTabWidth) : m_nMaxTabWidth;
    return nOld != m_nTabWidth;
}

CRect FwWorkbook::StripRect(int xLeft, int xRight) const
{
    CRect rcClient(0, 0, 0, 0);
    if (m_hWndMDIClient != nullptr) {
        ::GetWindowRect(m_hWndMDIClient, &rcClient);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rcClient), 2);
    }
    const int yTop = rcClient.bottom + 4;
    return CRect(xLeft, yTop, xRight, yTop + m_nTabHeight + 4);
}

void FwWorkbook::RepaintStrip()
{
    if (!m_bDisplayTabs || m_hWnd == nullptr) {
        return;
    }
    CRect rcFrame;
    ::GetClientRect(m_hWnd, &rcFrame);
    const CRect rc = StripRect(rcFrame.left, rcFrame.right);
    ::InvalidateRect(m_hWnd, &rc, TRUE);
}

void FwWorkbook::RepaintTab(FwWorksheet* pSheet, BOOL bToEnd)
{
    if (!m_bDisplayTabs || m_hWnd == nullptr || pSheet == nullptr || pSheet->m_nIndex < 0) {
        return;
    }
    // Hidden worksheets take no place in the strip.
    int nVisibleBefore = 0;
    for (int i = 0; i < pSheet->m_nIndex && i < GetWorksheetCount(); ++i) {
        nVisibleBefore += ::IsWindowVisible(GetWorksheet(i)->m_hWnd) ? 1 : 0;
    }
    CRect rcFrame;
    ::GetClientRect(m_hWnd, &rcFrame);
    const int xLeft = nVisibleBefore * m_nTabWidth - 2;
    const int xRight = bToEnd ? rcFrame.right : xLeft + m_nTabWidth + 2 + 4;
    const CRect rc = StripRect(xLeft, xRight);
    ::InvalidateRect(m_hWnd, &rc, TRUE);
}

void FwWorkbook::AddWorksheet(FwWorksheet* pSheet)
{
    if (pSheet == nullptr) {
        return;
    }
    pSheet->m_nIndex = static_cast<int>(m_arrWorksheets.Add(pSheet));
    if (UpdateTabWidth()) {
        RepaintStrip();
    } else if (GetWorksheetCount() == 1) {
        if (m_bDisplayTabs) {
            ::InvalidateRect(m_hWnd, nullptr, TRUE);
        }
    } else {
        RepaintTab(pSheet, FALSE);
    }
    if (GetWorksheetCount() == 1 && m_hWndToolTip == nullptr) {
        m_hWndToolTip = ::CreateWindowExA(WS_EX_TOOLWINDOW, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0,
                                          0, m_hWnd, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        if (m_hWndToolTip != nullptr) {
            ::SendMessageA(m_hWndToolTip, TTM_ACTIVATE, TRUE, 0);
        }
    }
}

void FwWorkbook::RemoveWorksheet(FwWorksheet* pSheet)
{
    for (int i = 0; i < GetWorksheetCount(); ++i) {
        if (GetWorksheet(i) != pSheet) {
            continue;
        }
        m_arrWorksheets.RemoveAt(i);
        pSheet->m_nIndex = -1;
        for (int j = i; j < GetWorksheetCount(); ++j) {
            GetWorksheet(j)->m_nIndex = j;
        }
        if (UpdateTabWidth() || GetWorksheetCount() == 0) {
            RepaintStrip();
        } else if (i < GetWorksheetCount()) {
            RepaintTab(GetWorksheet(i), TRUE);
        }
        return;
    }
}

CString FwWorkbook::GetTabLabel(FwWorksheet* pSheet)
{
    CString strLabel;
    if (pSheet == nullptr) {
        return strLabel;
    }
    if (CDocument* pDoc = pSheet->GetActiveDocument()) {
        return pDoc->GetTitle();
    }
    pSheet->GetWindowText(strLabel);
    return strLabel;
}

HICON FwWorkbook::GetTabIcon(FwWorksheet* pSheet)
{
    return m_bTabIcons && pSheet != nullptr ? pSheet->m_hTabIcon : nullptr;
}

BOOL FwWorkbook::SetTabIcon(FwWorksheet* pSheet, HICON hIcon, BOOL bRedraw)
{
    if (pSheet == nullptr) {
        return FALSE;
    }
    pSheet->m_hTabIcon = hIcon;
    if (bRedraw) {
        RepaintTab(pSheet, FALSE);
    }
    return TRUE;
}

void FwWorkbook::RecalcLayout(BOOL bNotify)
{
    FwMDIFrameWnd::RecalcLayout(bNotify);
    if (!m_bDisplayTabs || m_hWndMDIClient == nullptr) {
        return;
    }
    CRect rcClient;
    ::GetClientRect(m_hWndMDIClient, &rcClient);
    if (rcClient != m_rcLastClient) {
        m_rcLastClient = rcClient;
        UpdateTabWidth();
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
    }
}

void FwWorkbook::OnActiveTabChanged()
{
    BOOL bMaximized = FALSE;
    FwWorksheet* pActive = dynamic_cast<FwWorksheet*>(MDIGetActive(&bMaximized));
    if (m_nLastActiveTab >= 0 && m_nLastActiveTab < GetWorksheetCount()) {
        RepaintTab(GetWorksheet(m_nLastActiveTab), FALSE);
    }
    if (pActive != nullptr) {
        RepaintTab(pActive, FALSE);
        m_nLastActiveTab = pActive->m_nIndex;
    }
    if (m_bDisplayTabs && !bMaximized) {
        ::UpdateWindow(m_hWnd);
    }
}

BOOL FwWorkbook::OnEraseBkgnd(CDC* pDC)
{
    // Around the MDI client, inside the bars: the button face.
    CRect rcFrame;
    ::GetClientRect(m_hWnd, &rcFrame);
    CRect rcClient(0, 0, 0, 0);
    if (m_hWndMDIClient != nullptr) {
        ::GetWindowRect(m_hWndMDIClient, &rcClient);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rcClient), 2);
    }
    const int nSaved = pDC->SaveDC();
    ::ExcludeClipRect(pDC->m_hDC, rcClient.left, rcClient.top, rcClient.right, rcClient.bottom);
    pDC->FillSolidRect(&rcFrame, FwGetSystemColors().m_clrBtnFace);
    pDC->RestoreDC(nSaved);
    return TRUE;
}

LRESULT FwWorkbook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_FWWORKBOOK_ACTIVETABCHANGED) {
        OnActiveTabChanged();
        return 0;
    }
    return FwMDIFrameWnd::WindowProc(message, wParam, lParam);
}
