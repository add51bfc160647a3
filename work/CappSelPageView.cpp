#include "work/CappSelPageView.h"

#include <algorithm>

#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "work/CappCardView.h"
#include "work/res/resource.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace
{
constexpr COLORREF kBackground = RGB(0, 128, 128);
constexpr COLORREF kCaptionText = RGB(255, 255, 255);
constexpr COLORREF kHeaderText = RGB(0, 0, 255);
constexpr COLORREF kHeaderBack = RGB(0xC0, 0xC0, 0xC0);
constexpr int kSlotGap = 25;
constexpr int kLineStep = 10;
// The total the view starts with, before it knows its pages.
constexpr int kInitialTotal = 100;

HINSTANCE ThisModule()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}
} // namespace

FX_IMPLEMENT_DYNCREATE(CCappSelPageView, CScrollView)

FX_BEGIN_MESSAGE_MAP(CCappSelPageView, CScrollView)
FX_ON_MESSAGE(WM_SETCURSOR, OnSetCursorMsg)
FX_ON_MESSAGE(msgPageChanged, OnPageChangedMsg)
FX_END_MESSAGE_MAP()

CCappSelPageView::CCappSelPageView()
    : m_hHand(::LoadCursorA(ThisModule(), MAKEINTRESOURCEA(IDC_SELPAGE_HAND))), m_nPageCount(0), m_nCurPage(0),
      m_pCardView(nullptr)
{
    m_bmpPage.Attach(::LoadBitmapA(ThisModule(), MAKEINTRESOURCEA(IDB_SELPAGE_PAGE)));
    m_bmpCurPage.Attach(::LoadBitmapA(ThisModule(), MAKEINTRESOURCEA(IDB_SELPAGE_CURPAGE)));
}

CCappSelPageView::~CCappSelPageView() = default;

void CCappSelPageView::SetCardView(CCappCardView* pView, int nPageCount, int nCurPage)
{
    m_pCardView = pView;
    SetPageInfo(nPageCount, nCurPage);
}

void CCappSelPageView::SetPageInfo(int nPageCount, int nCurPage)
{
    m_nPageCount = std::max(nPageCount, 0);
    m_nCurPage = nCurPage >= 1 && nCurPage <= m_nPageCount ? nCurPage : 0;
    if (GetSafeHwnd() != nullptr) {
        // Tall enough to scroll to the last thumbnail.
        const int cyTotal = kTopMargin + m_nPageCount * GetSlotHeight();
        SetScrollSizes(MM_TEXT, CSize(kInitialTotal, std::max(kInitialTotal, cyTotal)));
        Invalidate();
    }
}

CSize CCappSelPageView::BitmapSize() const
{
    BITMAP bm = {};
    if (m_bmpPage.GetSafeHandle() == nullptr || m_bmpPage.GetBitmap(&bm) == 0) {
        return CSize(0, 0);
    }
    return CSize(bm.bmWidth, bm.bmHeight);
}

CPoint CCappSelPageView::ToScrolled(CPoint ptClient) const
{
    const CPoint ptScroll = GetScrollPosition();
    return CPoint(ptClient.x + ptScroll.x, ptClient.y + ptScroll.y);
}

int CCappSelPageView::GetSlotHeight() const
{
    return BitmapSize().cy + kSlotGap;
}

int CCappSelPageView::HitTestPage(CPoint ptScrolled) const
{
    // Above the first slot lies the header strip: no page there.
    if (ptScrolled.y < kTopMargin) {
        return 0;
    }
    const int nPage = (ptScrolled.y - kTopMargin) / GetSlotHeight() + 1;
    return nPage <= m_nPageCount ? nPage : 0;
}

CRect CCappSelPageView::GetPageSlot(int nPage) const
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nTop = kTopMargin + (nPage - 1) * GetSlotHeight();
    return CRect(0, nTop, rcClient.right, nTop + GetSlotHeight());
}

void CCappSelPageView::OnInitialUpdate()
{
    CScrollView::OnInitialUpdate();
    SetScrollSizes(MM_TEXT, CSize(kInitialTotal, kInitialTotal));
}

BOOL CCappSelPageView::OnEraseBkgnd(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    pDC->FillSolidRect(&rcClient, kBackground);
    return TRUE;
}

void CCappSelPageView::OnDraw(CDC* pDC)
{
    LOGFONTA lf = {};
    lf.lfHeight = 12;
    lf.lfWeight = FW_NORMAL;
    lstrcpyA(lf.lfFaceName, "宋体");
    CFont font;
    if (!font.CreateFontIndirect(&lf)) {
        return;
    }
    const CSize sizeBitmap = BitmapSize();
    {
        CFxSelectGuard fontGuard(pDC, &font);
        pDC->SetTextColor(kCaptionText);
        pDC->SetBkMode(TRANSPARENT);
        CDC dcMem;
        if (dcMem.CreateCompatibleDC(pDC)) {
            int y = kTopMargin;
            for (int nPage = 1; nPage <= m_nPageCount; ++nPage, y += sizeBitmap.cy + kSlotGap) {
                CBitmap* pBitmap = nPage == m_nCurPage ? &m_bmpCurPage : &m_bmpPage;
                {
                    CFxSelectGuard bitmapGuard(&dcMem, pBitmap);
                    pDC->BitBlt(kLeftMargin, y, sizeBitmap.cx, sizeBitmap.cy, &dcMem, 0, 0, SRCCOPY);
                }
                CString strCaption;
                strCaption.Format("第%d页", nPage);
                const int nCaptionTop = y + sizeBitmap.cy + kCaptionGap;
                CRect rcCaption(kLeftMargin, nCaptionTop, kLeftMargin + sizeBitmap.cx, nCaptionTop + kCaptionHeight);
                pDC->DrawText(strCaption, &rcCaption, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            }
        }
    }
    // The header strip stays at the top of the window whatever the scroll position.
    CRect rcHeader;
    GetClientRect(&rcHeader);
    rcHeader.OffsetRect(GetScrollPosition());
    rcHeader.bottom = rcHeader.top + kHeaderHeight;
    ::DrawFrameControl(pDC->GetSafeHdc(), &rcHeader, DFC_BUTTON, DFCS_BUTTONPUSH);
    CFxSelectGuard fontGuard(pDC, &font);
    pDC->SetTextColor(kHeaderText);
    pDC->SetBkMode(OPAQUE);
    pDC->SetBkColor(kHeaderBack);
    CString strTotal;
    strTotal.Format("共 %d 页", m_nPageCount);
    pDC->DrawText(strTotal, &rcHeader, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CCappSelPageView::OnLButtonDown(UINT nFlags, CPoint point)
{
    // Without its card view the selector has nothing to page.
    const int nPage = m_pCardView != nullptr ? HitTestPage(ToScrolled(point)) : 0;
    if (nPage >= 1 && nPage != m_nCurPage) {
        const CPoint ptScroll = GetScrollPosition();
        for (const int nEach : {m_nCurPage, nPage}) {
            if (nEach >= 1) {
                CRect rcSlot = GetPageSlot(nEach);
                rcSlot.OffsetRect(-ptScroll.x, -ptScroll.y);
                InvalidateRect(&rcSlot);
            }
        }
        m_nCurPage = nPage;
        m_pCardView->SetCurPage(nPage, 0);
    }
    CScrollView::OnLButtonDown(nFlags, point);
}

LRESULT CCappSelPageView::OnSetCursorMsg(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(lParam) == HTCLIENT && m_hHand != nullptr) {
        POINT pt = {0, 0};
        ::GetCursorPos(&pt);
        ::ScreenToClient(m_hWnd, &pt);
        const int nPage = HitTestPage(ToScrolled(CPoint(pt)));
        if (nPage >= 1 && nPage != m_nCurPage) {
            ::SetCursor(m_hHand);
            return TRUE;
        }
    }
    return DefWindowProc(WM_SETCURSOR, wParam, lParam);
}

LRESULT CCappSelPageView::OnPageChangedMsg(WPARAM wParam, LPARAM lParam)
{
    SetPageInfo(static_cast<int>(wParam), static_cast<int>(lParam));
    return 0;
}

LRESULT CCappSelPageView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The scroll view's own handling would scroll the header strip too.
    if (message == WM_VSCROLL && lParam == 0) {
        OnVScroll(LOWORD(wParam));
        return 0;
    }
    return CScrollView::WindowProc(message, wParam, lParam);
}

void CCappSelPageView::OnVScroll(UINT nSBCode)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_POS | SIF_TRACKPOS;
    ::GetScrollInfo(m_hWnd, SB_VERT, &si);
    const int nOld = si.nPos;
    const int nMax = GetScrollLimit(SB_VERT);
    int nNew = nOld;
    switch (nSBCode) {
    case SB_LINEUP:
        nNew = std::max(nOld - kLineStep, 0);
        break;
    case SB_LINEDOWN:
        nNew = std::min(nOld + kLineStep, nMax);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        nNew = std::clamp(si.nTrackPos, 0, nMax);
        break;
    case SB_TOP:
        nNew = 0;
        break;
    case SB_BOTTOM:
        nNew = nMax;
        break;
    default:
        return;
    }
    if (nNew == nOld) {
        return;
    }
    ::SetScrollPos(m_hWnd, SB_VERT, nNew, TRUE);
    ScrollBelowHeader(nOld, nNew);
}

void CCappSelPageView::ScrollBelowHeader(int nOldPos, int nNewPos)
{
    CRect rcBelow;
    GetClientRect(&rcBelow);
    rcBelow.top = kHeaderHeight;
    if (rcBelow.IsRectEmpty()) {
        return;
    }
    // Moved by the position's real change, so a short step at either end draws true.
    ::ScrollWindowEx(m_hWnd, 0, nOldPos - nNewPos, &rcBelow, &rcBelow, nullptr, nullptr, SW_INVALIDATE);
}
