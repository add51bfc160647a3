#include "work/CappCardView.h"

#include <algorithm>
#include <memory>

#include "common/KvRegKey.h"
#include "core/CappCardData.h"
#include "core/CappCell.h"
#include "core/CappDCHelper.h"
#include "core/CappMDData.h"
#include "core/CappMDSeatItem.h"
#include "core/CappMidData.h"
#include "core/CappMidRow.h"
#include "core/CappObj.h"
#include "core/CappSheet.h"
#include "core/CardObj.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Rgn.h"
#include "platform/print/PrintInfo.h"
#include "platform/win/CmdUI.h"
#include "platform/win/Menu.h"
#include "platform/win/MsgBox.h"
#include "symedit/CappBaseCtrl.h"
#include "work/CardCellFun.h"
#include "work/CardCellPicker.h"
#include "work/res/resource.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

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
    idZoomMDSize = 0x8447,
    idZoomRect = 0x7FFB,
    idZoomMove = 0x7FFC,
    idFullScreen = 1303,
};

// The card popups of menu 3032.
constexpr UINT kCardMenu = IDR_CARDVIEW_POPUP;
enum { popupPlain = 0, popupDetail = 1, popupImage = 2, popupReadOnly = 3 };
constexpr UINT idCellDelImage = 0x8017;
constexpr UINT msgEditChange = 0xF9A;
// The free-object tool commands: accepted and ignored.
constexpr UINT kFreeObjCommands[] = {0x8069, 0x806A, 0x806B, 0x806C, 0x8093, 0x842A, 0x842D, 0x8423, 0x8424, 0x842B};

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
FX_ON_COMMAND(idZoomMDSize, OnZoomMDSize)
FX_ON_COMMAND(idZoomRect, OnZoomRect)
FX_ON_UPDATE_COMMAND_UI(idZoomRect, OnUpdateZoomRect)
FX_ON_COMMAND(idZoomMove, OnZoomMove)
FX_ON_UPDATE_COMMAND_UI(idZoomMove, OnUpdateZoomMove)
FX_ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
FX_ON_COMMAND(ID_EDIT_CUT, OnEditCut)
FX_ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
FX_ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
FX_ON_COMMAND(idFullScreen, OnFullScreen)
FX_ON_COMMAND(ID_FILE_PRINT, OnViewPrint)
FX_ON_COMMAND(ID_FILE_PRINT_DIRECT, OnViewPrint)
FX_ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnCardPrintPreview)
FX_ON_COMMAND(kFreeObjCommands[0], OnFreeObjCommand)
FX_ON_COMMAND(kFreeObjCommands[1], OnFreeObjCommand)
FX_ON_COMMAND(kFreeObjCommands[2], OnFreeObjCommand)
FX_ON_COMMAND(kFreeObjCommands[3], OnFreeObjCommand)
FX_ON_COMMAND(kFreeObjCommands[4], OnFreeObjCommand)
FX_ON_COMMAND(kFreeObjCommands[5], OnFreeObjCommand)
FX_ON_COMMAND(kFreeObjCommands[6], OnFreeObjCommand)
FX_ON_COMMAND(kFreeObjCommands[7], OnFreeObjCommand)
FX_ON_COMMAND(kFreeObjCommands[8], OnFreeObjCommand)
FX_ON_COMMAND(kFreeObjCommands[9], OnFreeObjCommand)
FX_ON_MESSAGE(CCappBaseCtrl::msgEndEditByKey, OnEndEditByKey_ByMsg)
FX_ON_MESSAGE(msgEditChange, OnEditChange)
FX_ON_COMMAND(idDataInsertRow, OnDataInsert)
FX_ON_COMMAND(idDataDeleteRow, OnDataDeltrow)
FX_ON_COMMAND(idCellSelImageFile, OnCellSelBmpFile)
FX_ON_COMMAND(idCellDelImageFile, OnCellDelImageFile)
FX_ON_MESSAGE(msgDataInsertRow, OnDataInsertMsg)
FX_ON_MESSAGE(msgDataDeleteRow, OnDataDeltrowMsg)
FX_ON_MESSAGE(msgSetIndexString, OnSetIndexString_ByMsg)
FX_ON_MESSAGE(msgCurEditComputer, OnCurEditComputer_ByMsg)
FX_ON_MESSAGE(msgUserEditDlg, OnMsgUserEditDlg)
FX_ON_MESSAGE(msgPopupCurEditRes, OnPopupCurEditRes_ByMsg)
FX_ON_MESSAGE(msgPopupCurEditPdm, OnPopupCurEditPdm_ByMsg)
FX_ON_MESSAGE(msgPopupCurEditDict, OnPopupCurEditDict_ByMsg)
FX_ON_MESSAGE(msgEditCode, OnMsgInDataToIDI)
FX_ON_MESSAGE(msgSaveTypeRow, OnMsgInDataToIDI)
FX_ON_MESSAGE(msgLoadTypeRow, OnMsgInDataToIDI)
FX_ON_MESSAGE(msgSaveToKnowledge, OnMsgInDataToIDI)
FX_ON_MESSAGE(msgCalcWeight, OnMsgInDataToIDI)
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
    case 6:
        OnZoomMDSize();
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
    ReSzieAllExistControl();
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
    LoadPrintFitSettingFromDefault();
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
    // The sheet must not paint over the open editor.
    CRect rcEditor;
    if (!bPrinting && m_cellEditor.m_pEditCtrl != nullptr && m_cellEditor.m_pEditCtrl->GetControlRect(rcEditor)) {
        ::MapWindowPoints(nullptr, GetSafeHwnd(), reinterpret_cast<POINT*>(static_cast<RECT*>(&rcEditor)), 2);
        CRgn rgnEditor;
        if (rgnEditor.CreateRectRgn(rcEditor.left, rcEditor.top, rcEditor.right, rcEditor.bottom)) {
            ::ExtSelectClipRgn(pDC->GetSafeHdc(), static_cast<HRGN>(rgnEditor.GetSafeHandle()), RGN_DIFF);
        }
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
    if (IsWindow()) {
        ReSzieAllExistControl();
    }
}

void CCappCardView::ReSzieAllExistControl()
{
    if (!IsWindow()) {
        return;
    }
    // The editor was placed for the old zoom and scroll: it closes with its text kept.
    m_cellEditor.EndEdit(1);
}

void CCappCardView::ReCreateSheetCell()
{
    if (CCappSheet* pSheet = GetCurSheet()) {
        pSheet->ReCreateSheetCell();
    }
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

void CCappCardView::OnZoomMDSize()
{
    CCappSheet* pSheet = GetCurSheet();
    if (pSheet == nullptr || pSheet->m_MidDataList.IsEmpty()) {
        return;
    }
    const auto* pArea = static_cast<const CCappMidData*>(pSheet->m_MidDataList.GetHead());
    if (pArea->m_listSeatItem.IsEmpty()) {
        return;
    }
    const auto* pSeat = static_cast<const CCappMDSeatItem*>(pArea->m_listSeatItem.GetHead());
    CRect rc;
    if (!pSheet->GetRectSpace(pSeat->m_nTopLineID, pSeat->m_nLeftLineID, pSeat->m_nRightLineID, pSeat->m_nBottomLineID,
                              rc)) {
        return;
    }
    ZoomToRect(CRect(rc.left - 10, rc.top - 10, rc.right + 10, rc.top));
    CPoint pt(rc.left - 10, rc.top - 20);
    LpToDp(pt);
    DoScroll(pt, CPoint(0, 0), 1.0f);
}

void CCappCardView::OnZoomRect()
{
    if (GetZoomState() == stateZoomRect) {
        EndZoomRect();
    } else {
        BeginZoomRect();
    }
}

void CCappCardView::OnZoomMove()
{
    SetZoomMove(GetZoomState() != stateMove);
}

void CCappCardView::OnUpdateZoomRect(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(GetZoomState() == stateZoomRect ? 1 : 0);
}

void CCappCardView::OnUpdateZoomMove(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(GetZoomState() == stateMove ? 1 : 0);
}

// Keys.

void CCappCardView::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_CONTROL && m_bCtrlPan) {
        m_bCtrlPan = FALSE;
        SetZoomMove(FALSE);
    }
    CKvZoomView::OnKeyUp(nChar, nRepCnt, nFlags);
}

LRESULT CCappCardView::OnEndEditByKey_ByMsg(WPARAM wParam, LPARAM /*lParam*/)
{
    ++m_cellEditor.m_nInEditorKey;
    const UINT nKey = static_cast<UINT>(wParam);
    if (!m_cellEditor.HandleKey(nKey, 1, 0) && (nKey == VK_PRIOR || nKey == VK_NEXT)) {
        OnKeyDown(nKey, 1, 0);
    }
    --m_cellEditor.m_nInEditorKey;
    return 0;
}

LRESULT CCappCardView::OnEditChange(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (m_bAutoIndex) {
        m_cellEditor.AutoIndexEmptyRow();
    }
    return 0;
}

void CCappCardView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Holding Ctrl pans; a pan tool already on stays the user's.
    if (nChar == VK_CONTROL && !m_bCtrlPan && GetZoomState() != stateMove) {
        m_bCtrlPan = TRUE;
        SetZoomMove(TRUE);
    }
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
    if (!m_rcCurCell.IsRectEmpty() && !m_bEditOnDblClk) {
        m_cellEditor.BeginEdit(point);
    }
}

void CCappCardView::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || pCard->GetMasterSheet() == nullptr) {
        return;
    }
    m_cellEditor.EndEdit(1);
    if (m_bBrowseMode) {
        return;
    }
    if (GetZoomState() != stateNone) {
        CKvZoomView::OnLButtonDblClk(nFlags, point);
        return;
    }
    SetCurCell(point);
    if (!m_rcCurCell.IsRectEmpty()) {
        m_cellEditor.BeginEdit(point);
    }
}

int CCappCardView::GetPopupIndex() const
{
    if (m_bReadOnly) {
        return popupReadOnly;
    }
    if (m_pCurShowMidData != nullptr) {
        return popupDetail;
    }
    if (m_pCurCell != nullptr && m_pCurCell->m_nContentKind == CCappCell::kindImage) {
        return popupImage;
    }
    return popupPlain;
}

HMENU CCappCardView::CreatePopupMenu(int nIndex) const
{
    CMenu bar;
    if (!bar.Attach(::LoadMenuA(reinterpret_cast<HINSTANCE>(&__ImageBase), MAKEINTRESOURCEA(kCardMenu)))) {
        return nullptr;
    }
    CMenu popup;
    // Taken out of its bar, the popup outlives the bar.
    if (!popup.Attach(::GetSubMenu(bar, nIndex)) || !::RemoveMenu(bar, static_cast<UINT>(nIndex), MF_BYPOSITION)) {
        popup.Detach();
        return nullptr;
    }
    if (nIndex == popupImage) {
        const bool bHasFile = m_pCurCell != nullptr && !m_pCurCell->m_strText.IsEmpty();
        popup.EnableMenuItem(idCellDelImage, MF_BYCOMMAND | (bHasFile ? MF_ENABLED : MF_GRAYED));
    }
    if (nIndex == popupPlain || nIndex == popupDetail) {
        CWinApp* pApp = FxGetApp();
        const bool bFull = pApp != nullptr && pApp->GetProfileInt("PublicData", "Full", 0) != 0;
        if (bFull) {
            popup.AppendMenu(MF_STRING | MF_CHECKED, idFullScreen, "全屏显示");
        } else {
            ::RemoveMenu(popup, idFullScreen, MF_BYCOMMAND);
        }
    }
    return popup.Detach();
}

void CCappCardView::OnRButtonUp(UINT nFlags, CPoint point)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || pCard->GetMasterSheet() == nullptr || ResertState()) {
        return;
    }
    if (m_cellEditor.m_pEditCtrl == nullptr && GetZoomState() == stateNone && !m_bBrowseMode) {
        SetCurCell(point);
    }
    const int nIndex = GetPopupIndex();
    CMenu popup;
    if (popup.Attach(CreatePopupMenu(nIndex))) {
        CPoint ptScreen = point;
        ::ClientToScreen(GetSafeHwnd(), &ptScreen);
        popup.TrackPopupMenu(TPM_LEFTALIGN, ptScreen.x, ptScreen.y, this);
    }
    if (nIndex != popupReadOnly) {
        CKvZoomView::OnRButtonUp(nFlags, point);
    }
}

int CCappCardView::ResertState()
{
    if (GetZoomState() == stateZoomRect) {
        EndZoomRect();
        return 1;
    }
    if (GetZoomState() == stateMove) {
        SetZoomMove(FALSE);
        return 1;
    }
    return 0;
}

void CCappCardView::TrunToFact(CPoint& point)
{
    CClientDC dc(GetSafeHwnd());
    PrepareDrawDC(dc);
    dc.DPtoLP(&point);
}

void CCappCardView::SetCurCell(CPoint point)
{
    CCappSheet* pSheet = GetCurSheet();
    if (m_bReadOnly || m_bCellSelect != 1 || pSheet == nullptr) {
        return;
    }
    CStringArray arrOld;
    m_cellEditor.GetSelRects(arrOld);
    if (point.x == 0 && point.y == 0) {
        m_nCurRow = -1;
        m_pCurCell = nullptr;
        m_cellEditor.ShowCurCell(0);
        m_cellEditor.InvalidateRects(arrOld);
        return;
    }
    CPoint ptSheet = point;
    TrunToFact(ptSheet);
    CCappCell* pOldCell = m_pCurCell;
    CCappMidData* pOldMid = m_pCurMidData;
    CCappMidData* pOldShowMid = m_pCurShowMidData;
    const int nOldRow = m_nCurRow;
    CCardCellPicker::Hit hit;
    const BOOL bPicked = CCardCellPicker(pSheet).Pick(ptSheet, hit);
    m_pCurCell = hit.pCell;
    m_pCurMidData = hit.pMidData;
    m_pCurShowMidData = hit.pShowMidData;
    m_nCurRow = hit.nRow;
    if (!bPicked) {
        m_cellEditor.ShowCurCell(0);
        m_cellEditor.InvalidateRects(arrOld);
        return;
    }
    if (m_pCurCell == pOldCell && m_pCurMidData == pOldMid && m_pCurShowMidData == pOldShowMid &&
        m_nCurRow == nOldRow) {
        return;
    }
    m_cellEditor.ShowCurCell(m_pCurCell != nullptr ? 1 : 0);
    CStringArray arrNew;
    m_cellEditor.GetSelRects(arrNew);
    if (!CCardCellEditor::SameRects(arrOld, arrNew)) {
        m_cellEditor.InvalidateRects(arrOld);
        m_cellEditor.InvalidateRects(arrNew);
    }
}

void CCappCardView::ScrollToShow(const CRect& rcSheet)
{
    if (!IsWindow() || rcSheet.IsRectEmpty()) {
        return;
    }
    CRect rc = rcSheet;
    {
        CClientDC dc(GetSafeHwnd());
        PrepareDrawDC(dc);
        dc.LPtoDP(&rc);
    }
    rc.NormalizeRect();
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.PtInRect(rc.TopLeft()) && rcClient.PtInRect(rc.BottomRight())) {
        return;
    }
    const int nLeft = rcClient.left - rc.left + 2;
    const int nTop = rcClient.top - rc.top + 2;
    int nRight = rc.right - rcClient.right + 2;
    int nBottom = rc.bottom - rcClient.bottom + 2;
    if (nLeft >= 1 || nTop >= 1) {
        DoScroll(CPoint(0, 0), CPoint(std::max(nLeft, 0), std::max(nTop, 0)), 1.0f);
    }
    if (nRight > 0 || nBottom >= 1) {
        if (rc.Width() > rcClient.Width()) {
            nRight = 0;
        }
        if (rc.Height() > rcClient.Height()) {
            nBottom = 0;
        }
        DoScroll(CPoint(std::max(nRight, 0), std::max(nBottom, 0)), CPoint(0, 0), 1.0f);
    }
}

// Host operations.

void CCappCardView::NewCappObj(CSession& /*session*/, int /*nUnused*/, CString strText, CString /*strUnused*/)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr) {
        return;
    }
    pCard->m_strReserved = strText;
    PostOpenCappObj();
}

int CCappCardView::SetVarData(CString strName, int nRow, CString strValue)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr) {
        return 0;
    }
    m_cellEditor.EndEdit(1);
    CCappCardData& data = pCard->m_CardData;
    if (data.m_HFData.SetVarData(strName, strValue) || data.m_PgData.SetVarData(nRow, strName, strValue)) {
        return 1;
    }
    CCappSheet* pMaster = pCard->GetMasterSheet();
    POSITION pos = data.m_MDDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pMDData = static_cast<CCappMDData*>(data.m_MDDataList.GetNext(pos));
        if (!pMDData->SetVarData(nRow, strName, strValue)) {
            continue;
        }
        CCappMidData* pArea = CCardCellFun::FindArea(pMaster, pMDData->m_strName);
        CCappMidRow* pRow = pMDData->GetRow(nRow);
        if (pArea != nullptr && pRow != nullptr && IsWindow()) {
            CClientDC dc(GetSafeHwnd());
            BOOL bChanged = FALSE;
            pArea->SetUseRowCount(&dc, pRow, bChanged, TRUE);
        }
        return 1;
    }
    return 0;
}

int CCappCardView::GetRegStringValue(CString strValueName, CString& strOut)
{
    CKvRegKey key;
    if (!key.Open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Saelo\\CAPP")) {
        FxMessageBox(GetSafeHwnd(), "没有找到 ZTPDM 的注册表!", "系统提示", MB_OK | MB_ICONQUESTION);
        return 0;
    }
    if (!key.GetStringValue(strValueName, strOut)) {
        FxMessageBox(GetSafeHwnd(), "在 ZTPDM 的注册表中，没找到 WorkDir !", "系统提示", MB_OK | MB_ICONQUESTION);
        return 0;
    }
    return 1;
}

void CCappCardView::ReplaceCurEditData(CString strText)
{
    if (GetCard() != nullptr) {
        m_cellEditor.ReplaceEditText(strText);
    }
}

void CCappCardView::BeginInputDataToCell(CPoint point)
{
    if (GetCard() != nullptr) {
        m_cellEditor.BeginEdit(point);
    }
}

int CCappCardView::SetCurCellFocus(CString strVarName, int nDataRow)
{
    if (GetCard() == nullptr) {
        return 0;
    }
    m_cellEditor.EndEdit(1);
    return m_cellEditor.FocusCell(strVarName, nDataRow);
}

void CCappCardView::ReDrawHeadCell()
{
    CCappSheet* pSheet = GetCurSheet();
    POSITION pos = pSheet != nullptr ? pSheet->m_HeadCellList.GetHeadPosition() : nullptr;
    while (pos != nullptr) {
        MyInvalidateRect(pSheet->GetCellRect(static_cast<CCappCell*>(pSheet->m_HeadCellList.GetNext(pos))), 0);
    }
}

void CCappCardView::ReDrawPageCell()
{
    CCappSheet* pSheet = GetCurSheet();
    POSITION pos = pSheet != nullptr ? pSheet->m_PageCellList.GetHeadPosition() : nullptr;
    while (pos != nullptr) {
        MyInvalidateRect(pSheet->GetCellRect(static_cast<CCappCell*>(pSheet->m_PageCellList.GetNext(pos))), 0);
    }
}

void CCappCardView::ReDrawPageInfoCell()
{
    CCappSheet* pSheet = GetCurSheet();
    if (pSheet == nullptr) {
        return;
    }
    for (CObList* pList : {&pSheet->m_HeadCellList, &pSheet->m_PageCellList}) {
        POSITION pos = pList->GetHeadPosition();
        while (pos != nullptr) {
            auto* pCell = static_cast<CCappCell*>(pList->GetNext(pos));
            if (pCell->m_nContentKind == CCappCell::kindVariable && pCell->m_nFieldType == 8) {
                MyInvalidateRect(pSheet->GetCellRect(pCell), 0);
            }
        }
    }
}

void CCappCardView::ReDrawMDCell(CString strName, int /*nUnused*/)
{
    CCappSheet* pSheet = GetCurSheet();
    if (pSheet == nullptr) {
        return;
    }
    // An extension area stands for its main area.
    if (CCappMidData* pNamed = CCardCellFun::FindArea(pSheet, strName); pNamed != nullptr && pNamed->m_nExtFlag == 1) {
        strName = pNamed->m_strSrcName;
    }
    POSITION pos = pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pArea = static_cast<CCappMidData*>(pSheet->m_MidDataList.GetNext(pos));
        const bool bWanted = strName.IsEmpty() || pArea->m_strName == strName ||
                             (pArea->m_nExtFlag == 1 && pArea->m_strSrcName == strName);
        POSITION posSeat = bWanted ? pArea->m_listSeatItem.GetHeadPosition() : nullptr;
        while (posSeat != nullptr) {
            const auto* pSeat = static_cast<const CCappMDSeatItem*>(pArea->m_listSeatItem.GetNext(posSeat));
            CRect rc;
            if (pSheet->GetRectSpace(pSeat->m_nTopLineID, pSeat->m_nLeftLineID, pSeat->m_nRightLineID,
                                     pSeat->m_nBottomLineID, rc)) {
                MyInvalidateRect(rc, 0);
            }
        }
    }
}

void CCappCardView::OnEditCopy()
{
    if (m_cellEditor.m_pEditCtrl != nullptr) {
        m_cellEditor.m_pEditCtrl->OnCopy();
    }
}

void CCappCardView::OnEditCut()
{
    if (m_cellEditor.m_pEditCtrl != nullptr) {
        m_cellEditor.m_pEditCtrl->OnCut();
    }
}

void CCappCardView::OnEditPaste()
{
    if (m_cellEditor.m_pEditCtrl != nullptr) {
        m_cellEditor.m_pEditCtrl->OnPaste();
    } else if (m_bEditOnDblClk) {
        m_cellEditor.PasteMark();
    }
}

void CCappCardView::OnEditUndo()
{
    if (m_cellEditor.m_pEditCtrl != nullptr) {
        m_cellEditor.m_pEditCtrl->OnUndo();
    }
}

void CCappCardView::OnFullScreen()
{
    if (CWnd* pMain = FxGetMainWnd()) {
        pMain->SendMessage(idFullScreen, 0, 0);
    }
}

void CCappCardView::OnSize(UINT nType, int cx, int cy)
{
    CKvZoomView::OnSize(nType, cx, cy);
    if (GetCard() != nullptr) {
        ReSzieAllExistControl();
    }
}

// Printing.

BOOL CCappCardView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

void CCappCardView::OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* pInfo)
{
    CCardObj* pCard = GetCard();
    if (pCard == nullptr || pInfo == nullptr) {
        return;
    }
    m_nPrintSavedPage = pCard->m_nCurPage;
    const int nPages = m_bPrintPages ? static_cast<int>(m_arrPrintPages.GetSize()) : pCard->m_CardData.m_nPageCount;
    pInfo->SetMaxPage(static_cast<UINT>(std::max(nPages, 1)));
}

void CCappCardView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)
{
    CCardObj* pCard = GetCard();
    if (pCard != nullptr && m_nPrintSavedPage >= 1 && m_nPrintSavedPage <= pCard->m_CardData.m_nPageCount) {
        pCard->SetCurPage(m_nPrintSavedPage);
    }
}

void CCappCardView::OnCardPrintPreview()
{
    if (GetCard() == nullptr) {
        return;
    }
    KillEditControl();
    OnFilePrintPreview();
}

void CCappCardView::OnViewPrint()
{
    if (GetCard() != nullptr) {
        OnFilePrint();
    }
}
