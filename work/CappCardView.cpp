#include "work/CappCardView.h"

#include <algorithm>
#include <memory>

#include "core/CappCell.h"
#include "core/CappDCHelper.h"
#include "core/CappObj.h"
#include "core/CappSheet.h"
#include "core/CardObj.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/Rgn.h"
#include "platform/gdi/SelectGuard.h"

namespace
{
// Command ids of the zoom items.
enum {
    idZoomOut = 0x7FF9,
    idZoomIn = 0x7FFA,
    idZoomViewAll = 0x804D,
    idZoom25 = 0x804F,
    idZoom75 = 0x8050,
    idZoom100 = 0x8051,
    idZoom200 = 0x8052,
    idZoom400 = 0x8053,
    idZoomCardSize = 0x8446,
};

constexpr COLORREF kOutsideSheet = RGB(0xFE, 0xFE, 0xFE);
} // namespace

FX_IMPLEMENT_DYNCREATE(CCappCardView, CKvZoomView)

FX_BEGIN_MESSAGE_MAP(CCappCardView, CKvZoomView)
FX_ON_COMMAND(idZoomCardSize, OnZoomCardSize)
FX_ON_COMMAND(idZoom100, OnZoom100)
FX_ON_COMMAND(idZoom200, OnZoom200)
// The item shown as "50%" zooms to 25 %: hosts rely on the command, not on the text.
FX_ON_COMMAND(idZoom25, OnZoom25)
FX_ON_COMMAND(idZoom400, OnZoom400)
FX_ON_COMMAND(idZoom75, OnZoom75)
FX_ON_COMMAND(idZoomViewAll, OnZoomViewAll)
FX_ON_COMMAND(idZoomIn, OnZoomIn)
FX_ON_COMMAND(idZoomOut, OnZoomOut)
FX_END_MESSAGE_MAP()

CCappCardView::CCappCardView()
    : m_nReserved1(0), m_nReserved2(1), m_hCursor(::LoadCursorA(nullptr, IDC_ARROW)), m_bReadOnly(FALSE),
      m_bReadOnlyTask(FALSE), m_bCellSelect(1), m_strTitle("填卡"), m_nPrintSavedPage(0), m_bBrowseMode(FALSE),
      m_pCappObj(nullptr), m_bAutoIndex(FALSE), m_bIndexAdd(FALSE), m_bCtrlPan(FALSE), m_pCurCell(nullptr),
      m_pCurMidData(nullptr), m_pCurShowMidData(nullptr), m_nCurRow(-1), m_bEditOnDblClk(FALSE), m_bPrintPages(FALSE)
{
    m_cellEditor.m_pView = this;
    CKvZoomView::SetScrollSizes(MM_TEXT, CSize(0, 0));
    SetZoomMode(modeFree);
}

CCappCardView::~CCappCardView()
{
    DetachList();
}

CCardObj* CCappCardView::GetCard() const
{
    return m_pCappObj != nullptr ? &m_pCappObj->m_CardObj : nullptr;
}

CCappSheet* CCappCardView::GetCurSheet() const
{
    CCardObj* pCard = GetCard();
    return pCard != nullptr ? pCard->GetCurSheet() : nullptr;
}

LRESULT CCappCardView::NotifyParent(UINT nMessage, WPARAM wParam, LPARAM lParam) const
{
    CFrameWnd* pFrame = GetParentFrame();
    return pFrame != nullptr ? pFrame->SendMessage(nMessage, wParam, lParam) : 0;
}

// Loading and saving.

void CCappCardView::LoadCardObj(const CString& /*strUnused1*/, const CString& /*strUnused2*/, CCappObj* pObj)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || pObj == nullptr) {
        return;
    }
    if (!pCard->LoadCard(pObj->GetCpoWorkDir(), pObj->m_strMastCard, CCappObj::GetMastCardCode(), pObj, this) ||
        pCard->GetMasterSheet() == nullptr) {
        return;
    }
    if (pCard->m_CardData.m_nPageCount >= 1) {
        SetCurPage(1, 1);
    } else {
        AddNewPage(1, 1);
    }
}

void CCappCardView::LoadCardObj(CCappObj* pObj)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || pObj == nullptr) {
        return;
    }
    pCard->LoadCard(m_strCardDir, m_pCappObj->m_strMastCard, CCappObj::GetMastCardCode(), pObj, this);
}

void CCappCardView::PostOpenCappObj()
{
    if (m_pCappObj == nullptr) {
        return;
    }
    if (CWinApp* pApp = FxGetApp()) {
        m_bAutoIndex = static_cast<BOOL>(pApp->GetProfileInt("Resource", "AutoIndex", 0));
        m_bIndexAdd = static_cast<BOOL>(pApp->GetProfileInt("Resource", "IndexAdd", 0));
    }
}

void CCappCardView::InitialUpdate()
{
    OnInitialUpdate();
    if (m_pCappObj != nullptr) {
        m_pCappObj->m_CardObj.m_pCappObj = m_pCappObj;
    }
}

int CCappCardView::SaveCardData()
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr) {
        return 0;
    }
    m_cellEditor.EndEdit(1);
    return pCard->SaveData() != 0 ? 1 : 0;
}

int CCappCardView::SaveCardDataAs(const CString& /*strUnused*/)
{
    return SaveCardData();
}

int CCappCardView::TaskReWriteCard()
{
    m_bReadOnly = TRUE;
    m_bReadOnlyTask = TRUE;
    return 1;
}

void CCappCardView::KillEditControl()
{
    m_cellEditor.EndEdit(1);
}

void CCappCardView::SetViewType(int nType)
{
    switch (nType) {
    case 1:
        OnZoomViewAll();
        break;
    case 2:
        OnZoom75();
        break;
    case 3:
        OnZoom100();
        break;
    case 4:
        OnZoom200();
        break;
    case 5:
        OnZoomCardSize();
        break;
    default:
        break;
    }
}

void CCappCardView::PageMake(int nFirst, int nLast, const CString& strCardName)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr) {
        return;
    }
    pCard->m_CardData.PageMake(nFirst, nLast, strCardName);
    // An unknown name gives the master sheet back: compare the names.
    CCappSheet* pSheet = pCard->GetSheetByName(strCardName);
    if (pSheet == nullptr || pSheet->m_strName != strCardName) {
        pCard->LoadSheet(this, strCardName);
    }
}

void CCappCardView::SetPageMake(const CObList& listEntries)
{
    CCardObj* pCard = GetCard();
    if (pCard != nullptr) {
        pCard->m_CardData.SetPageMake(listEntries);
        pCard->LoadAllSheetByPageMaker(this);
    }
}

void CCappCardView::SetPageMake(const CString& strText)
{
    CCardObj* pCard = GetCard();
    if (pCard != nullptr) {
        pCard->m_CardData.SetPageMake(strText);
        pCard->LoadAllSheetByPageMaker(this);
    }
}

// Pages.

void CCappCardView::AddNewPage(int bSetCur, int bResetSel)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || pCard->GetMasterSheet() == nullptr) {
        return;
    }
    pCard->LoadSheetByPage(this, pCard->m_CardData.m_nPageCount + 1);
    const int nPage = pCard->AddNewPage(1, 0);
    if (bSetCur) {
        SetCurPage(nPage, bResetSel);
    }
    NotifyParent(msgPageChanged, static_cast<WPARAM>(pCard->m_CardData.m_nPageCount), pCard->m_nCurPage);
}

void CCappCardView::InsertNewPage()
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || pCard->GetMasterSheet() == nullptr) {
        return;
    }
    const int nPage = pCard->m_nCurPage;
    KillEditControl();
    pCard->LoadSheetByPage(this, nPage);
    if (!pCard->InsertNewPage(nPage)) {
        return;
    }
    SetCurPage(nPage, 1);
    NotifyParent(msgPageChanged, static_cast<WPARAM>(pCard->m_CardData.m_nPageCount), nPage);
}

void CCappCardView::DeleteCurPage()
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || pCard->GetMasterSheet() == nullptr || pCard->m_CardData.m_nPageCount <= 1) {
        return;
    }
    m_cellEditor.EndEdit(1);
    const int nPage = pCard->m_nCurPage;
    // The selection points into the page's cells: drop it before the page goes.
    m_cellEditor.ShowCurCell(0);
    if (!pCard->DeletePage(nPage)) {
        return;
    }
    const int nShow = std::min(nPage, pCard->m_CardData.m_nPageCount);
    // The card still names the deleted page current; show the page that took its place.
    pCard->m_nCurPage = 0;
    SetCurPage(nShow, 1);
    NotifyParent(msgPageChanged, static_cast<WPARAM>(pCard->m_CardData.m_nPageCount), nShow);
}

void CCappCardView::ResertCurPage()
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr) {
        return;
    }
    const int nPage = pCard->m_nCurPage;
    pCard->m_nCurPage = 0;
    SetCurPage(nPage, 1);
}

BOOL CCappCardView::SetCurPage(int nPage, int bResetSel)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || nPage < 1 || nPage > pCard->m_CardData.m_nPageCount) {
        return FALSE;
    }
    m_cellEditor.EndEdit(1);
    UpDataCurPage(nPage);
    if (IsWindow()) {
        Invalidate(TRUE);
    }
    if (bResetSel) {
        m_cellEditor.ShowCurCell(0);
    }
    return TRUE;
}

void CCappCardView::UpDataCurPage(int nPage)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr) {
        return;
    }
    const int nCount = pCard->m_CardData.m_nPageCount;
    CCappSheet* pSheet = pCard->GetSheetByPage(nPage, 0);
    if (nPage < 1 || nPage > nCount || pSheet == nullptr) {
        return;
    }
    // The card loads the page's values into the sheet's cells.
    pCard->SetCurPage(nPage);
    if (pSheet->m_nPageWidth != m_totalLog.cx || pSheet->m_nPageHeight != m_totalLog.cy) {
        SetScrollSizes(MM_TEXT, CSize(pSheet->m_nPageWidth, pSheet->m_nPageHeight));
        OnZoom100();
    }
    NotifyParent(msgPageChanged, static_cast<WPARAM>(nCount), pCard->m_nCurPage);
}

// Drawing.

void CCappCardView::OnInitialUpdate()
{
    CKvZoomView::OnInitialUpdate();
    SetZoomMinMax(0.02f, 22.0f);
    SetZoomMoveCursorID(0);
    SetZoomMoveCursorBeginID(0);
    SetZoomRectCursorID(0);
}

void CCappCardView::OnDraw(CDC* pDC)
{
    const BOOL bPrinting = pDC->IsPrinting();
    if (bPrinting) {
        pDC->SetViewportOrg(0, 0);
    }
    CCappSheet* pSheet = GetCurSheet();
    if (pSheet == nullptr) {
        return;
    }
    CDC* pDrawDC = pDC;
    CDC dcMem;
    CBitmap bitmap;
    std::unique_ptr<CFxSelectGuard> pBitmapGuard;
    CRect rcClient;
    if (m_bBrowseMode && !bPrinting) {
        CRect rcClip;
        pDC->GetClipBox(&rcClip);
        GetClientRect(&rcClient);
        if (dcMem.CreateCompatibleDC(pDC) &&
            bitmap.CreateCompatibleBitmap(pDC, std::max(1, rcClient.Width()), std::max(1, rcClient.Height()))) {
            pBitmapGuard = std::make_unique<CFxSelectGuard>(&dcMem, &bitmap);
            OnPrepareDC(&dcMem, nullptr);
            const CPoint ptOrg = dcMem.SetViewportOrg(0, 0);
            dcMem.SetViewportOrg(ptOrg.x - rcClient.left, ptOrg.y - rcClient.top);
            ::SetBrushOrgEx(dcMem.GetSafeHdc(), rcClient.left % 8, rcClient.top % 8, nullptr);
            ::IntersectClipRect(dcMem.GetSafeHdc(), rcClip.left, rcClip.top, rcClip.right, rcClip.bottom);
            pDrawDC = &dcMem;
        }
        pDrawDC->FillSolidRect(&rcClip, RGB(255, 255, 255));
    }
    pSheet->DrawSheet(pDrawDC);
    if (!bPrinting) {
        m_cellEditor.DrawCurCellFrame(pDrawDC);
    }
    if (pDrawDC == &dcMem) {
        for (CDC* pEach : {pDC, static_cast<CDC*>(&dcMem)}) {
            pEach->SetMapMode(MM_TEXT);
            pEach->SetViewportOrg(0, 0);
            pEach->SetWindowOrg(0, 0);
        }
        pDC->BitBlt(rcClient.left, rcClient.top, rcClient.Width(), rcClient.Height(), &dcMem, 0, 0, SRCCOPY);
    }
}

BOOL CCappCardView::OnEraseBkgnd(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    CRgn rgnOutside;
    if (!rgnOutside.CreateRectRgn(rcClient.left, rcClient.top, rcClient.right, rcClient.bottom)) {
        return CKvZoomView::OnEraseBkgnd(pDC);
    }
    CCappSheet* pSheet = GetCurSheet();
    if (pSheet != nullptr) {
        CClientDC dc(GetSafeHwnd());
        PrepareDrawDC(dc);
        CRect rcSheet(0, 0, pSheet->m_nPageWidth, pSheet->m_nPageHeight);
        dc.LPtoDP(&rcSheet);
        rcSheet.NormalizeRect();
        CRgn rgnSheet;
        if (!rgnSheet.CreateRectRgn(rcSheet.left, rcSheet.top, rcSheet.right, rcSheet.bottom)) {
            return CKvZoomView::OnEraseBkgnd(pDC);
        }
        rgnOutside.CombineRgn(&rgnOutside, &rgnSheet, RGN_DIFF);
    }
    CBrush brush(kOutsideSheet);
    // The DC comes unmapped from the window: the region is in client pixels as it should be.
    pDC->FillRgn(&rgnOutside, &brush);
    return TRUE;
}

void CCappCardView::PrepareDrawDC(CDC& dc)
{
    OnPrepareDC(&dc, nullptr);
}

void CCappCardView::LpToDp(CPoint& pt)
{
    if (pt.x == 0 && pt.y == 0) {
        return;
    }
    CClientDC dc(GetSafeHwnd());
    PrepareDrawDC(dc);
    dc.LPtoDP(&pt);
}

void CCappCardView::MyInvalidateRect(CRect rc, int /*nUnused*/)
{
    if (rc.IsRectEmpty() || (rc.left < 0 && rc.top < 0 && rc.right < 0 && rc.bottom < 0) || !IsWindow()) {
        return;
    }
    CClientDC dc(GetSafeHwnd());
    PrepareDrawDC(dc);
    dc.LPtoDP(&rc);
    rc.NormalizeRect();
    rc.InflateRect(2, 2);
    InvalidateRect(&rc, FALSE);
}

void CCappCardView::ZoomLevelChanged()
{
}

// Zoom commands.

int CCappCardView::ScreenPercent(int nPercent)
{
    return static_cast<int>(CCappDCHelper::GetScreenDotPerTMM() * nPercent);
}

void CCappCardView::ZoomToRect(CRect rc)
{
    ZoomIn(rc);
}

void CCappCardView::OnZoomIn()
{
    ZoomIn(nullptr, 1.25f);
}

void CCappCardView::OnZoomOut()
{
    if (GetZoomLevel() / CCappDCHelper::GetScreenDotPerTMM() > 0.25) {
        ZoomOut(nullptr, 1.25f);
    }
}

void CCappCardView::OnZoomViewAll()
{
    CCappSheet* pSheet = GetCurSheet();
    if (pSheet != nullptr) {
        ZoomToRect(CRect(-10, -10, pSheet->m_nPageWidth + 10, pSheet->m_nPageHeight + 10));
    }
}

void CCappCardView::OnZoomCardSize()
{
    CCappSheet* pSheet = GetCurSheet();
    if (pSheet == nullptr) {
        return;
    }
    const CRect rcFrame = pSheet->m_rcFrame;
    ZoomToRect(CRect(rcFrame.left - 10, rcFrame.top - 10, rcFrame.right + 10, rcFrame.top));
}

void CCappCardView::OnZoom25()
{
    ZoomPercent(ScreenPercent(25));
}

void CCappCardView::OnZoom75()
{
    ZoomPercent(ScreenPercent(75));
}

void CCappCardView::OnZoom100()
{
    ZoomPercent(ScreenPercent(100));
}

void CCappCardView::OnZoom200()
{
    ZoomPercent(ScreenPercent(200));
}

void CCappCardView::OnZoom400()
{
    ZoomPercent(ScreenPercent(400));
}

// Keys.

void CCappCardView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CCardObj* pCard = GetCard();
    if (pCard != nullptr && pCard->GetMasterSheet() != nullptr) {
        if (m_cellEditor.HandleKey(nChar, nRepCnt, nFlags)) {
            return;
        }
        if (nChar == VK_PRIOR) {
            if (pCard->m_nCurPage >= 2) {
                SetCurPage(pCard->m_nCurPage - 1, 1);
            }
            return;
        }
        if (nChar == VK_NEXT) {
            if (pCard->m_nCurPage < pCard->m_CardData.m_nPageCount) {
                SetCurPage(pCard->m_nCurPage + 1, 1);
            }
            return;
        }
    }
    CKvZoomView::OnKeyDown(nChar, nRepCnt, nFlags);
}

// Mouse.

void CCappCardView::OnLButtonDown(UINT nFlags, CPoint point)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || pCard->GetMasterSheet() == nullptr) {
        return;
    }
    m_cellEditor.EndEdit(1);
    if (GetZoomState() != stateNone) {
        CKvZoomView::OnLButtonDown(nFlags, point);
        return;
    }
    SetCurCell(point);
}

void CCappCardView::SetCurCell(CPoint point)
{
    CCappSheet* pSheet = GetCurSheet();
    if (m_bReadOnly || m_bCellSelect != 1 || pSheet == nullptr) {
        return;
    }
    const CRect rcOld = m_rcCurCell;
    if (point.x == 0 && point.y == 0) {
        m_nCurRow = -1;
        m_pCurCell = nullptr;
        m_cellEditor.ShowCurCell(0);
        MyInvalidateRect(rcOld, 0);
        return;
    }
    CClientDC dc(GetSafeHwnd());
    PrepareDrawDC(dc);
    CPoint ptSheet = point;
    dc.DPtoLP(&ptSheet);
    CCappCell* pOldCell = m_pCurCell;
    CCappMidData* pOldMid = m_pCurMidData;
    CCappMidData* pOldShowMid = m_pCurShowMidData;
    const int nOldRow = m_nCurRow;
    m_pCurCell = nullptr;
    m_pCurMidData = nullptr;
    m_pCurShowMidData = nullptr;
    m_nCurRow = -1;
    for (CObList* pList : {&pSheet->m_HeadCellList, &pSheet->m_PageCellList}) {
        POSITION pos = pList->GetHeadPosition();
        while (pos != nullptr && m_pCurCell == nullptr) {
            auto* pCell = static_cast<CCappCell*>(pList->GetNext(pos));
            if (pCell->IsHide() || (pCell->m_nContentKind != CCappCell::kindVariable && pCell->m_nContentKind != 4)) {
                continue;
            }
            if (pSheet->GetCellRect(pCell).PtInRect(ptSheet)) {
                m_pCurCell = pCell;
                m_nCurRow = 0;
            }
        }
    }
    if (m_pCurCell == pOldCell && m_pCurMidData == pOldMid && m_pCurShowMidData == pOldShowMid &&
        m_nCurRow == nOldRow) {
        return;
    }
    m_cellEditor.ShowCurCell(m_pCurCell != nullptr ? 1 : 0);
    if (rcOld != m_rcCurCell) {
        MyInvalidateRect(rcOld, 0);
        MyInvalidateRect(m_rcCurCell, 0);
    }
}
