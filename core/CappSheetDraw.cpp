// Drawing of a sheet: the page's layers in order, the print selection, lines and cells.
#include <algorithm>
#include <cstdlib>

#include "core/CappCell.h"
#include "core/CappFreeObj.h"
#include "core/CappLine.h"
#include "core/CappLineIndex.h"
#include "core/CappMDSeatItem.h"
#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "core/CappSizeLimit.h"
#include "core/CardCommFun.h"
#include "core/CardObj.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Rgn.h"
#include "platform/win/Wnd.h"
#include "symedit/CappDrawCache.h"
#include "symedit/CappDrawScope.h"

namespace
{

constexpr COLORREF kPaper = 0xFFFFFF;
constexpr COLORREF kHiddenLine = 0xC0C0C0;

// The card's print selection while printing; 0 (everything) on screen, with the print-all flag
// or without a card.
int PrintSelect(const CCappSheet& sheet, const CDC* pDC)
{
    if (!pDC->IsPrinting() || sheet.m_bPrintAll != 0 || sheet.m_pCardObj == nullptr) {
        return 0;
    }
    return sheet.m_pCardObj->m_nPrintSelect;
}

BOOL Selects(int nSelect, int nFlag)
{
    return nSelect == 0 || (nSelect & nFlag) != 0;
}

// The print-selection flag a head cell of that content kind needs; 0 for kinds never printed
// under a selection.
int HeadCellFlag(int nContentKind)
{
    switch (nContentKind) {
    case CCappCell::kindStatic:
    case CCappCell::kindStaticOther:
        return CCardObj::printStatic;
    case CCappCell::kindVariable:
        return CCardObj::printVariable;
    case CCappCell::kindImage:
        return CCardObj::printImage;
    default:
        return 0;
    }
}

// What of the page a DC shows: its clip box in logical units, grown by two device pixels for pens
// and glyphs on its edge. Printers and metafiles show everything: their clip box may be smaller
// than their page.
class CVisibleArea
{
public:
    explicit CVisibleArea(CDC* pDC)
    {
        const DWORD dwType = ::GetObjectType(pDC->m_hDC);
        if (pDC->IsPrinting() || (dwType != OBJ_DC && dwType != OBJ_MEMDC)) {
            return;
        }
        CRect rc;
        const int nKind = pDC->GetClipBox(&rc);
        if (nKind == ERROR) {
            return;
        }
        m_bAll = false;
        if (nKind == NULLREGION) {
            return;
        }
        pDC->LPtoDP(&rc);
        rc.NormalizeRect();
        rc.InflateRect(2, 2);
        pDC->DPtoLP(&rc);
        rc.NormalizeRect();
        m_rc = rc;
        m_bAny = true;
    }

    // Edges count: a line's rectangle has no width.
    bool Shows(CRect rc) const
    {
        if (m_bAll) {
            return true;
        }
        rc.NormalizeRect();
        return m_bAny && rc.left <= m_rc.right && rc.right >= m_rc.left && rc.top <= m_rc.bottom &&
               rc.bottom >= m_rc.top;
    }

    // A cell's data ranges may lie outside its rectangle; each is tested where it is drawn.
    bool ShowsCell(const CCappSheet& sheet, const CCappCell* pCell) const
    {
        return m_bAll || !pCell->m_listCellData.IsEmpty() || Shows(sheet.GetCellRect(pCell));
    }

    bool ShowsLine(const CCappSheet& sheet, const CCappLine* pLine) const
    {
        CPoint ptStart;
        CPoint ptEnd;
        if (m_bAll || !sheet.GetLineCoordinate(pLine, ptStart, ptEnd, 0)) {
            return true;
        }
        CRect rc(ptStart, ptEnd);
        rc.NormalizeRect();
        const int nWidth = std::max(1, CappClampPenWidth(pLine->m_nWidth));
        rc.InflateRect(nWidth, nWidth);
        return Shows(rc);
    }

private:
    bool m_bAll = true;
    bool m_bAny = false;
    CRect m_rc;
};

} // namespace

int CCappSheet::DrawSheet(CDC* pDC)
{
    return DrawSheet(pDC, m_rcView);
}

int CCappSheet::DrawSheet(CDC* pDC, const CRect& rcView)
{
    if (pDC == nullptr) {
        return 0;
    }
    // One font cache for every cell of the page, and the lines found by id without list walks.
    CCappDrawScope drawScope;
    const CCappLineIndex lineIndex(*this);
    const CVisibleArea visible(pDC);
    const BOOL bPrinting = pDC->IsPrinting();
    const int nSelect = PrintSelect(*this, pDC);
    const BOOL bTable = Selects(nSelect, CCardObj::printTable);
    if (bTable && DrawCardBackground(pDC, rcView, kPaper, bPrinting ? 0 : 1, m_crBackground) == 0) {
        return 0;
    }
    if (m_bDesign == 0 && !bPrinting) {
        DrawCurRowRect(pDC);
    }
    // Detail cells are always drawn: their data ranges lie outside their rectangle, and each is
    // tested where it is drawn.
    if (Selects(nSelect, CCardObj::printMidData)) {
        POSITION pos = m_MidDataList.GetHeadPosition();
        while (pos != nullptr) {
            DrawMidData(pDC, static_cast<CCappMidData*>(m_MidDataList.GetNext(pos)));
        }
    }
    POSITION pos = m_HeadCellList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pCell = static_cast<CCappCell*>(m_HeadCellList.GetNext(pos));
        if (pCell->m_bOwnRect != 0 && m_bOwnDrawFreeObj == 0) {
            continue;
        }
        if (nSelect != 0 && (nSelect & HeadCellFlag(pCell->m_nContentKind)) == 0) {
            continue;
        }
        if (visible.ShowsCell(*this, pCell)) {
            DrawCell(pDC, pCell);
        }
    }
    if (Selects(nSelect, CCardObj::printPageCell)) {
        pos = m_PageCellList.GetHeadPosition();
        while (pos != nullptr) {
            auto* pCell = static_cast<CCappCell*>(m_PageCellList.GetNext(pos));
            if ((pCell->m_bOwnRect == 0 || m_bOwnDrawFreeObj != 0) && visible.ShowsCell(*this, pCell)) {
                DrawCell(pDC, pCell);
            }
        }
    }
    if (!bTable) {
        return 1;
    }
    for (CObList* pList : {&m_HCellLineList, &m_VCellLineList, &m_LHOutLineList}) {
        pos = pList->GetHeadPosition();
        while (pos != nullptr) {
            const auto* pLine = static_cast<const CCappLine*>(pList->GetNext(pos));
            if (visible.ShowsLine(*this, pLine)) {
                DrawLine(pDC, pLine);
            }
        }
    }
    if (m_bOwnDrawFreeObj != 0) {
        pos = m_listFreeObj.GetHeadPosition();
        while (pos != nullptr) {
            auto* pObj = static_cast<CCappFreeObj*>(m_listFreeObj.GetNext(pos));
            // The rectangle the designer repaints for it; a kind that gives none is always drawn.
            const CRect rcObj = pObj->GetOutIineRect();
            if (rcObj.IsRectNull() || visible.Shows(rcObj)) {
                pObj->Draw(pDC);
            }
        }
    }
    CCardCommFun::SGEDrawList(pDC, m_listSGE);
    return 1;
}

int CCappSheet::DrawCardBackground(CDC* pDC, COLORREF crPaper, int bScreen, COLORREF crArea, COLORREF /*crSecond*/)
{
    return DrawCardBackground(pDC, m_rcView, crPaper, bScreen, crArea);
}

int CCappSheet::DrawCardBackground(CDC* pDC, const CRect& rcView, COLORREF crPaper, int bScreen, COLORREF crArea)
{
    CRect rcVisible = rcView;
    if (rcVisible.IsRectEmpty() && m_pWnd != nullptr && m_pWnd->GetSafeHwnd() != nullptr) {
        m_pWnd->GetClientRect(&rcVisible);
    }
    pDC->DPtoLP(&rcVisible);
    rcVisible.NormalizeRect();

    CRgn rgnPaper;
    if (!rgnPaper.CreateRectRgn(0, 0, m_nPageWidth, m_nPageHeight)) {
        return 0;
    }
    // Detail areas are shaded on screen so that the planner sees where rows go.
    if (bScreen != 0) {
        CRgn rgnArea;
        if (!rgnArea.CreateRectRgn(0, 0, 0, 0)) {
            return 0;
        }
        POSITION pos = m_MidDataList.GetHeadPosition();
        while (pos != nullptr) {
            const auto* pMid = static_cast<const CCappMidData*>(m_MidDataList.GetNext(pos));
            POSITION posSeat = pMid->m_listSeatItem.GetHeadPosition();
            while (posSeat != nullptr) {
                const auto* pSeat = static_cast<const CCappMDSeatItem*>(pMid->m_listSeatItem.GetNext(posSeat));
                CRect rcSeat;
                GetRectSpace(pSeat->m_nTopLineID, pSeat->m_nLeftLineID, pSeat->m_nRightLineID, pSeat->m_nBottomLineID,
                             rcSeat);
                if (rcSeat.IsRectEmpty()) {
                    continue;
                }
                CRgn rgnSeat;
                if (!rgnSeat.CreateRectRgn(rcSeat.left, rcSeat.top, rcSeat.right, rcSeat.bottom) ||
                    ::CombineRgn(rgnArea, rgnArea, rgnSeat, RGN_OR) == ERROR) {
                    return 0;
                }
            }
        }
        if (::CombineRgn(rgnPaper, rgnPaper, rgnArea, RGN_DIFF) == ERROR) {
            return 0;
        }
        CBrush brArea(crArea);
        ::FillRgn(pDC->m_hDC, rgnArea, brArea);
    }
    if (!rcVisible.IsRectEmpty()) {
        CRgn rgnVisible;
        if (!rgnVisible.CreateRectRgn(rcVisible.left, rcVisible.top, rcVisible.right, rcVisible.bottom) ||
            ::CombineRgn(rgnPaper, rgnPaper, rgnVisible, RGN_AND) == ERROR) {
            return 0;
        }
    }
    CBrush brPaper(crPaper);
    ::FillRgn(pDC->m_hDC, rgnPaper, brPaper);

    if (m_nFrameWidth > 0) {
        CRect rcFrame = m_rcFrame;
        rcFrame.left -= m_nFrameWidth / 2;
        rcFrame.top -= m_nFrameWidth / 2;
        DrawCardRectangle(pDC, rcFrame, PS_SOLID, m_nFrameWidth, 0);
    } else if (bScreen != 0 && m_bDesign != 0) {
        DrawCardRectangle(pDC, m_rcFrame, PS_SOLID, 1, kHiddenLine);
    }
    return 1;
}

int CCappSheet::DrawCardRectangle(CDC* pDC, const CRect& rect, int nPenStyle, int nWidth, COLORREF crColor)
{
    CPen pen;
    if (!pen.CreatePen(nPenStyle, CappClampPenWidth(nWidth), crColor)) {
        return 0;
    }
    CFxSelectGuard selPen(pDC, &pen);
    CFxSelectGuard selBrush(pDC, NULL_BRUSH);
    pDC->Rectangle(&rect);
    return 1;
}

void CCappSheet::AddCurRowRectItem(const CRect& rect)
{
    CString strItem;
    strItem.Format("%d,%d,%d,%d", rect.left, rect.top, rect.right, rect.bottom);
    m_arrCurRowRect.Add(strItem);
}

void CCappSheet::CleanCurRowRectItems()
{
    m_arrCurRowRect.RemoveAll();
}

void CCappSheet::DrawCurRowRect(CDC* pDC)
{
    if (m_bCurRow == 0) {
        return;
    }
    CPen pen(PS_SOLID, 1, m_crCurRow);
    CBrush brush(m_crCurRow);
    CFxSelectGuard selPen(pDC, &pen);
    CFxSelectGuard selBrush(pDC, &brush);
    pDC->SetBkColor(m_crCurRow);
    for (int i = 0; i < m_arrCurRowRect.GetSize(); ++i) {
        const CString& strItem = m_arrCurRowRect[i];
        int nValues[4] = {};
        int nStart = 0;
        for (int& nValue : nValues) {
            int nComma = strItem.Find(',', nStart);
            const CString strPart = nComma < 0 ? strItem.Mid(nStart) : strItem.Mid(nStart, nComma - nStart);
            nValue = std::atoi(strPart);
            nStart = nComma < 0 ? strItem.GetLength() : nComma + 1;
        }
        pDC->Rectangle(nValues[0], nValues[1], nValues[2], nValues[3]);
    }
}

void CCappSheet::DrawLine(CDC* pDC, const CCappLine* pLine)
{
    DrawLine(pDC, pLine, pLine->m_crColor);
}

void CCappSheet::DrawLine(CDC* pDC, const CCappLine* pLine, COLORREF crLine)
{
    int nWidth = pLine->m_nWidth;
    COLORREF crColor = crLine;
    if (nWidth <= 0) {
        if (pDC->IsPrinting() || m_bDesign == 0) {
            return;
        }
        nWidth = 1;
        crColor = kHiddenLine;
    }
    CPoint ptStart;
    CPoint ptEnd;
    if (!GetLineCoordinate(pLine, ptStart, ptEnd, 0)) {
        return;
    }
    // A width of millions crashes or hangs GDI's wide-line code.
    CPen pen;
    if (!pen.CreatePen(PS_SOLID, CappClampPenWidth(nWidth), crColor)) {
        return;
    }
    CFxSelectGuard selPen(pDC, &pen);
    pDC->MoveTo(ptStart);
    pDC->LineTo(ptEnd);
}

void CCappSheet::DrawCell(CDC* pDC, CCappCell* pCell)
{
    pDC->SetBkMode(TRANSPARENT);
    const CRect rcClient = GetCellRect(pCell);
    if (pCell->m_bOwnRect == 0 && rcClient == CRect(0, 0, 0, 0)) {
        return;
    }
    const BOOL bEmptyFill = pCell->m_crBack == 0xFFFFFF;
    if (pCell->m_nContentKind == CCappCell::kindStatic && pCell->m_strText.IsEmpty() && bEmptyFill) {
        return;
    }
    if (pCell->m_nContentKind == CCappCell::kindVariable && pCell->m_strVarName.IsEmpty() && bEmptyFill) {
        return;
    }
    int bShowName = 0;
    switch (pCell->m_nContentKind) {
    case CCappCell::kindStatic:
    case CCappCell::kindStaticOther:
        bShowName = m_bDesign;
        break;
    case CCappCell::kindVariable:
    case CCappCell::kindImage:
        // Variable names are a designer's view: never on paper.
        if (m_bDesign != 0 && pDC->IsPrinting()) {
            return;
        }
        bShowName = m_bDesign;
        break;
    default:
        return;
    }
    pCell->DrawCellText(pDC, rcClient, bShowName);
}

void CCappSheet::DrawMidData(CDC* pDC, CCappMidData* pMidData)
{
    if (pMidData->m_nType == CCappMidData::typeTemporary) {
        return;
    }
    POSITION pos = pMidData->m_listMidCell.GetHeadPosition();
    while (pos != nullptr) {
        DrawCell(pDC, static_cast<CCappCell*>(pMidData->m_listMidCell.GetNext(pos)));
    }
}

BOOL CCappSheet::GetRectSpace(int nTopID, int nLeftID, int nRightID, int nBottomID, CRect& rect) const
{
    int nTop = 0;
    int nLeft = 0;
    int nRight = 0;
    int nBottom = 0;
    if (GetLineSpace(CCappLine::typeHCell, nTopID, nTop) == 0 ||
        GetLineSpace(CCappLine::typeVCell, nLeftID, nLeft) == 0 ||
        GetLineSpace(CCappLine::typeVCell, nRightID, nRight) == 0 ||
        GetLineSpace(CCappLine::typeHCell, nBottomID, nBottom) == 0) {
        rect.SetRectEmpty();
        return FALSE;
    }
    rect.SetRect(m_rcFrame.left + nLeft, m_rcFrame.top + nTop, m_rcFrame.left + nRight, m_rcFrame.top + nBottom);
    rect.NormalizeRect();
    return TRUE;
}

CRect CCappSheet::GetCellRect(const CCappCell* pCell) const
{
    if (pCell->m_bOwnRect != 0) {
        return pCell->m_rcOwn;
    }
    CRect rect;
    GetRectSpace(pCell->m_nTopLineID, pCell->m_nLeftLineID, pCell->m_nRightLineID, pCell->m_nBottomLineID, rect);
    return rect;
}
