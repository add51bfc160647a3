#include "designer/sheet/SheetViewAux.h"

#include <memory>

#include "basedlg/SelDataDlg.h"
#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "designer/sheet/SheetToolHost.h"
#include "designer/sheet/DesignShellLink.h"
#include "designer/freeobj/ImageVarFieldDlg.h"
#include "designer/cells/MultiStyleSh.h"
#include "designer/cells/SetCellStyleSh.h"
#include "designer/sheet/SheetDefRangeFun.h"
#include "designer/res/resource.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/FxSavedDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/win/MsgBox.h"
#include "platform/win/Wnd.h"

namespace
{
// Every owner list of cells that the tool edits: head, page and each detail area's.
template <typename Fn> void ForEachCell(const CCappSheet& sheet, Fn fn)
{
    auto each = [&](const CObList& list) {
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            if (auto* pCell = dynamic_cast<CCappCell*>(list.GetNext(pos))) {
                fn(pCell);
            }
        }
    };
    each(sheet.m_HeadCellList);
    each(sheet.m_PageCellList);
    for (POSITION pos = sheet.m_MidDataList.GetHeadPosition(); pos != nullptr;) {
        if (auto* pMid = dynamic_cast<CCappMidData*>(sheet.m_MidDataList.GetNext(pos))) {
            each(pMid->m_listMidCell);
        }
    }
}

// Takes the cell out of whichever owner list holds it, without deleting it.
BOOL DetachCell(CCappSheet& sheet, CCappCell* pCell)
{
    auto detach = [&](CObList& list) {
        if (POSITION pos = list.Find(pCell)) {
            list.RemoveAt(pos);
            return TRUE;
        }
        return FALSE;
    };
    if (detach(sheet.m_HeadCellList) || detach(sheet.m_PageCellList) || detach(sheet.m_OutCellList)) {
        return TRUE;
    }
    for (POSITION pos = sheet.m_MidDataList.GetHeadPosition(); pos != nullptr;) {
        if (auto* pMid = dynamic_cast<CCappMidData*>(sheet.m_MidDataList.GetNext(pos))) {
            if (detach(pMid->m_listMidCell)) {
                return TRUE;
            }
        }
    }
    return FALSE;
}

// The detail area whose cell list holds the cell; null when none does.
CCappMidData* FindOwnerMid(const CCappSheet& sheet, const CCappCell* pCell)
{
    for (POSITION pos = sheet.m_MidDataList.GetHeadPosition(); pos != nullptr;) {
        auto* pMid = dynamic_cast<CCappMidData*>(sheet.m_MidDataList.GetNext(pos));
        if (pMid != nullptr && pMid->m_listMidCell.Find(const_cast<CCappCell*>(pCell)) != nullptr) {
            return pMid;
        }
    }
    return nullptr;
}

// The label without blanks: ASCII spaces and tabs, and the GBK ideographic space A1 A1.
CString RemoveBlanks(const CString& strText)
{
    CString strResult;
    const int nLength = strText.GetLength();
    for (int i = 0; i < nLength; ++i) {
        const auto by = static_cast<unsigned char>(strText[i]);
        if (by >= 0x81 && by <= 0xFE && i + 1 < nLength) {
            const auto byTrail = static_cast<unsigned char>(strText[i + 1]);
            if (!(by == 0xA1 && byTrail == 0xA1)) {
                strResult += strText[i];
                strResult += strText[i + 1];
            }
            ++i;
        } else if (by != ' ' && by != '\t') {
            strResult += strText[i];
        }
    }
    return strResult;
}

// The sheet's cell with that id, also an outline cell; null when none.
CCappCell* FindCellByID(const CCappSheet& sheet, int nCellID)
{
    auto find = [&](const CObList& list) -> CCappCell* {
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            auto* pCell = dynamic_cast<CCappCell*>(list.GetNext(pos));
            if (pCell != nullptr && pCell->m_nCellID == nCellID) {
                return pCell;
            }
        }
        return nullptr;
    };
    for (const CObList* pList : {&sheet.m_HeadCellList, &sheet.m_PageCellList, &sheet.m_OutCellList}) {
        if (CCappCell* pCell = find(*pList)) {
            return pCell;
        }
    }
    for (POSITION pos = sheet.m_MidDataList.GetHeadPosition(); pos != nullptr;) {
        if (auto* pMid = dynamic_cast<CCappMidData*>(sheet.m_MidDataList.GetNext(pos))) {
            if (CCappCell* pCell = find(pMid->m_listMidCell)) {
                return pCell;
            }
        }
    }
    return nullptr;
}

struct ModeCursor
{
    int nMode;
    int nCursor;
};
const ModeCursor kModeCursors[] = {
    {CSheetViewAux::modeStaticTool, CSheetViewAux::cursorStatic},
    {CSheetViewAux::modeVariableTool, CSheetViewAux::cursorVariable},
    {CSheetViewAux::modeImageTool, CSheetViewAux::cursorImage},
    {CSheetViewAux::modeCursorOnly, CSheetViewAux::cursorOther},
};
} // namespace

CSheetViewAux::CSheetViewAux(CSheetToolHost* pHost) : m_pHost(pHost)
{
}

// ---------------------------------------------------------------------------------------------
// Mouse and keys

BOOL CSheetViewAux::OnLButtonDown(UINT, CPoint point)
{
    // One handler for each mode the button acts in.
    const int nMode = m_pHost->GetEditMode();
    switch (nMode) {
    case modeSelect:
        PressSelect(point);
        return TRUE;
    case modeStaticTool:
    case modeVariableTool:
    case modeImageTool:
        PressRoleTool(nMode, point);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CSheetViewAux::OnLButtonUp(UINT, CPoint)
{
    if (m_pHost->GetEditMode() != modeTracking) {
        return FALSE;
    }
    ReleaseTracking();
    return TRUE;
}

BOOL CSheetViewAux::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_pHost->GetEditMode() != modeTracking) {
        return FALSE;
    }
    MoveTracking(nFlags, point);
    return TRUE;
}

BOOL CSheetViewAux::OnLButtonDblClk(UINT, CPoint)
{
    if (CSheetDefRangeFun::IsEmpty(m_pHost->GetSelRange())) {
        return FALSE;
    }
    EditCellProperties();
    return TRUE;
}

BOOL CSheetViewAux::OnKeyDown(UINT nChar)
{
    if (nChar != VK_DELETE) {
        return FALSE;
    }
    OnDeleteKey();
    return TRUE;
}

BOOL CSheetViewAux::OnSetCursor()
{
    const int nMode = m_pHost->GetEditMode();
    for (const ModeCursor& each : kModeCursors) {
        if (each.nMode != nMode) {
            continue;
        }
        HCURSOR hCursor = ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(each.nCursor));
        if (hCursor == nullptr) {
            return FALSE;
        }
        ::SetCursor(hCursor);
        return TRUE;
    }
    return FALSE;
}

void CSheetViewAux::PressSelect(CPoint point)
{
    SelectAt(point);
}

void CSheetViewAux::PressRoleTool(int nTool, CPoint point)
{
    // The role tools select like the plain click, but do not track: the flow runs at once.
    SelectAt(point);
    EndTracking();
    if (!CSheetDefRangeFun::IsEmpty(m_pHost->GetSelRange())) {
        if (nTool == modeStaticTool) {
            SetStaticText();
        } else if (nTool == modeVariableTool) {
            SetCardVar();
        } else {
            SetGraphVar();
        }
    }
    // The tool stays armed for the next cell.
    m_pHost->SetEditMode(nTool);
}

void CSheetViewAux::ReleaseTracking()
{
    EndTracking();
}

void CSheetViewAux::MoveTracking(UINT nFlags, CPoint point)
{
    // The button went up outside the window, or capture was lost on the way.
    if ((nFlags & MK_LBUTTON) == 0) {
        EndTracking();
        return;
    }
    if ((nFlags & MK_SHIFT) != 0) {
        // The drag runs its own loop with its own capture.
        EndTracking();
        m_pHost->StartCellDrag();
        return;
    }
    TrackTo(point);
}

// ---------------------------------------------------------------------------------------------
// Selection and tracking

void CSheetViewAux::SelectAt(CPoint ptSheet)
{
    m_pHost->ClearHighlightLine();
    ResetTracking();
    if (ptSheet == CPoint(0, 0)) {
        m_pHost->ResetSelection();
        return;
    }
    m_pHost->RepaintSheetRect(m_pHost->GetSelRange().m_rect);
    const CCappRange range = CSheetDefRangeFun::GetRange(*m_pHost->GetSheet(), ptSheet);
    m_pHost->SetSelRange(range);
    m_pHost->RepaintSheetRect(range.m_rect);
    if (!CSheetDefRangeFun::IsEmpty(range)) {
        BeginTracking();
    }
}

void CSheetViewAux::BeginTracking()
{
    m_pHost->SetEditMode(modeTracking);
    m_pHost->CaptureMouse();
}

void CSheetViewAux::EndTracking()
{
    if (m_pHost->GetEditMode() == modeTracking) {
        m_pHost->SetEditMode(modeSelect);
    }
    if (m_pHost->HasMouseCapture()) {
        ::ReleaseCapture();
    }
}

void CSheetViewAux::TrackTo(CPoint point)
{
    const CCappRange& rangeSel = m_pHost->GetSelRange();
    CCappRange range = CSheetDefRangeFun::GetRange(*m_pHost->GetSheet(), point);
    if (CSheetDefRangeFun::IsSameRange(range, rangeSel)) {
        range.ResertVal();
    }
    const CRect rcOld = GetSelectedArea().m_rect;
    m_pHost->SetTrackRange(range);
    const CRect rcNew = GetSelectedArea().m_rect;
    if (rcOld != rcNew) {
        CRect rcBoth;
        rcBoth.UnionRect(&rcOld, &rcNew);
        m_pHost->RepaintSheetRect(rcBoth);
    }
}

void CSheetViewAux::ResetTracking()
{
    if (!CSheetDefRangeFun::IsEmpty(m_pHost->GetTrackRange())) {
        m_pHost->RepaintSheetRect(GetSelectedArea().m_rect);
        m_pHost->SetTrackRange(CCappRange());
    }
}

// ---------------------------------------------------------------------------------------------
// Cells

void CSheetViewAux::AddCell(CCappCell* pCell, const CString& strMidName)
{
    CCappSheet& sheet = *m_pHost->GetSheet();
    sheet.m_DefUndo.DetachUndoList();
    CSheetDefRangeFun::AddCell(sheet, strMidName, pCell);
    m_pHost->MarkChanged();
}

void CSheetViewAux::RemoveCell(CCappCell* pCell, BOOL bWithFreeObj)
{
    CCappSheet& sheet = *m_pHost->GetSheet();
    if (pCell == nullptr) {
        return;
    }
    CCappFreeObj* pObj = bWithFreeObj ? m_pHost->FindFreeObjOfCell(pCell->m_nCellID) : nullptr;
    if (pObj != nullptr) {
        // The tool takes a floating variable's cell with its object (freeing it); a cell it left
        // is found again by its id and goes here.
        const int nCellID = pCell->m_nCellID;
        m_pHost->DeleteFreeObj(pObj);
        pCell = nCellID > 0 ? FindCellByID(sheet, nCellID) : nullptr;
        if (pCell == nullptr) {
            m_pHost->MarkChanged();
            return;
        }
    }
    if (CSheetDefRangeFun::RemoveCell(sheet, pCell)) {
        m_pHost->MarkChanged();
    }
}

void CSheetViewAux::MoveCell(CCappCell* pCell, int, const CString&, const CString& strNewMid)
{
    CCappSheet& sheet = *m_pHost->GetSheet();
    if (pCell == nullptr || !DetachCell(sheet, pCell)) {
        return;
    }
    CSheetDefRangeFun::AddCell(sheet, strNewMid, pCell);
    sheet.m_DefUndo.DetachUndoList();
    m_pHost->MarkChanged();
}

CString CSheetViewAux::ProposeVarName(const CCappRange& range) const
{
    if (range.m_nKind != 1 || range.m_pLeftLine == nullptr || range.m_pTopLine == nullptr ||
        range.m_pRightLine == nullptr || range.m_pBottomLine == nullptr) {
        return CString();
    }
    const CCappSheet& sheet = *m_pHost->GetSheet();
    const int nLeft = range.m_pLeftLine->m_nID;
    const int nTop = range.m_pTopLine->m_nID;
    const int nRight = range.m_pRightLine->m_nID;
    const int nBottom = range.m_pBottomLine->m_nID;
    const CCappCell* pLeftLabel = nullptr;
    const CCappCell* pTopLabel = nullptr;
    for (POSITION pos = sheet.m_HeadCellList.GetHeadPosition(); pos != nullptr;) {
        const auto* pCell = dynamic_cast<const CCappCell*>(sheet.m_HeadCellList.GetNext(pos));
        if (pCell == nullptr || pCell->m_nContentKind != CCappCell::kindStatic) {
            continue;
        }
        if (pLeftLabel == nullptr && pCell->m_nRightLineID == nLeft && pCell->m_nTopLineID == nTop &&
            pCell->m_nBottomLineID == nBottom) {
            pLeftLabel = pCell;
        }
        if (pTopLabel == nullptr && pCell->m_nBottomLineID == nTop && pCell->m_nLeftLineID == nLeft &&
            pCell->m_nRightLineID == nRight) {
            pTopLabel = pCell;
        }
    }
    const CCappCell* pLabel = pLeftLabel != nullptr ? pLeftLabel : pTopLabel;
    if (pLabel == nullptr) {
        return CString();
    }
    CString strName = RemoveBlanks(pLabel->m_strText);
    while (!strName.IsEmpty() && CSheetDefRangeFun::ExistCardVarCell(sheet, strName)) {
        strName += "!";
    }
    return strName;
}

void CSheetViewAux::GetAllCardVar(CStringArray& arrNames) const
{
    arrNames.RemoveAll();
    ForEachCell(*m_pHost->GetSheet(), [&](CCappCell* pCell) {
        if ((pCell->m_nContentKind == CCappCell::kindVariable || pCell->m_nContentKind == CCappCell::kindImage) &&
            !pCell->m_strVarName.IsEmpty()) {
            arrNames.Add(pCell->m_strVarName);
        }
    });
}

CCappRange CSheetViewAux::GetSelectedArea() const
{
    return CSheetDefRangeFun::Union(m_pHost->GetSelRange(), m_pHost->GetTrackRange());
}

CCappCell* CSheetViewAux::GetSelectedCell() const
{
    return CSheetDefRangeFun::GetCell(*m_pHost->GetSheet(), m_pHost->GetSelRange());
}

CCappMidData* CSheetViewAux::GetRangeMid(const CCappRange& range, CString& strMid) const
{
    strMid.Empty();
    if (CSheetDefRangeFun::IsEmpty(range)) {
        return nullptr;
    }
    CCappMidData* pMid = CSheetDefRangeFun::GetMidData(*m_pHost->GetSheet(), range.m_rect.CenterPoint());
    if (pMid != nullptr) {
        strMid = pMid->m_strName;
    }
    return pMid;
}

void CSheetViewAux::RepaintCell(const CCappCell* pCell)
{
    m_pHost->RepaintSheetRect(GetSelectedArea().m_rect);
    if (pCell != nullptr) {
        m_pHost->RepaintSheetRect(m_pHost->GetSheet()->GetCellRect(pCell));
    }
}

void CSheetViewAux::DrawMarks(CDC* pDC)
{
    const CCappRange& rangeSel = m_pHost->GetSelRange();
    const CCappRange& rangeTrack = m_pHost->GetTrackRange();
    const CCappRange& rangeDrop = m_pHost->GetDropRange();
    // The tracked area: masked through blue, so every line and dark text below stays visible.
    if (!CSheetDefRangeFun::IsEmpty(rangeTrack)) {
        const CRect rcArea = GetSelectedArea().m_rect;
        CFxSavedDC saved(pDC);
        pDC->SetROP2(R2_MASKPEN);
        CPen pen(PS_SOLID, 1, RGB(0, 0, 255));
        CBrush brush(RGB(0, 0, 255));
        CFxSelectGuard penGuard(pDC, &pen);
        CFxSelectGuard brushGuard(pDC, &brush);
        pDC->Rectangle(&rcArea);
    }
    // The selection: a red outline one pixel wide, right and bottom edges one pixel inside.
    if (!CSheetDefRangeFun::IsEmpty(rangeSel)) {
        CRect rc = rangeSel.m_rect;
        pDC->LPtoDP(&rc);
        rc.NormalizeRect();
        CFxSavedDC saved(pDC);
        pDC->SetMapMode(MM_TEXT);
        pDC->SetViewportOrg(0, 0);
        pDC->SetWindowOrg(0, 0);
        CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
        CFxSelectGuard penGuard(pDC, &pen);
        CFxSelectGuard brushGuard(pDC, NULL_BRUSH);
        pDC->Rectangle(rc.left, rc.top, rc.right, rc.bottom);
    }
    // The drop-target range: grey with a magenta outline, masked over what lies below.
    if (!CSheetDefRangeFun::IsEmpty(rangeDrop)) {
        CFxSavedDC saved(pDC);
        pDC->SetROP2(R2_MASKPEN);
        CPen pen(PS_SOLID, 1, RGB(255, 0, 255));
        CBrush brush(RGB(0xBC, 0xBC, 0xBC));
        CFxSelectGuard penGuard(pDC, &pen);
        CFxSelectGuard brushGuard(pDC, &brush);
        pDC->Rectangle(&rangeDrop.m_rect);
    }
}

// The cell flows: each edits a working copy in its dialog and changes the sheet only on OK.
namespace
{
const char kStaticBase[] = "StaticCellBaseSet";
const char kVariableBase[] = "CellVarBaseSet";

CString LoadText(UINT nID)
{
    CString strText;
    strText.LoadString(nID);
    return strText;
}

// The font face, height and text format a new cell takes from its profile section; 0 and empty
// values leave the cell's own.
void ApplyBaseSet(CCappCell& cell, LPCSTR lpszSection)
{
    CWinApp* pApp = FxGetApp();
    const CString strFace = pApp->GetProfileString(lpszSection, "FontName", "");
    if (!strFace.IsEmpty()) {
        lstrcpynA(cell.m_lfFont.lfFaceName, strFace, LF_FACESIZE);
    }
    const int nHeight = static_cast<int>(pApp->GetProfileInt(lpszSection, "FontHeight", 0));
    if (nHeight != 0) {
        cell.m_nFontHeight = nHeight;
    }
    const int nFormat = static_cast<int>(pApp->GetProfileInt(lpszSection, "TextFormat", 0));
    if (nFormat != 0) {
        cell.m_nTextFormat = nFormat;
    }
}

void SaveBaseSet(const CCappCell& cell, LPCSTR lpszSection)
{
    CWinApp* pApp = FxGetApp();
    pApp->WriteProfileString(lpszSection, "FontName", cell.m_lfFont.lfFaceName);
    pApp->WriteProfileInt(lpszSection, "FontHeight", cell.m_nFontHeight);
    pApp->WriteProfileInt(lpszSection, "TextFormat", cell.m_nTextFormat);
}
} // namespace

void CSheetViewAux::SetStaticText(CCappCell* pCellIn)
{
    CWnd* pWnd = m_pHost->GetToolWnd();
    const CCappRange range = m_pHost->GetSelRange();
    CCappCell* pCell = pCellIn != nullptr ? pCellIn : GetSelectedCell();
    std::unique_ptr<CCappCell> pNew;
    CString strMid;
    if (pCell == nullptr) {
        if (CSheetDefRangeFun::IsEmpty(range)) {
            return;
        }
        pNew = std::make_unique<CCappCell>();
        pNew->m_nContentKind = CCappCell::kindStatic;
        ApplyBaseSet(*pNew, kStaticBase);
        pNew->SetCellBaseLine(range);
        // A text of the table is a head cell, also inside a detail area: drawn once a page.
        pNew->m_nDataPos = range.m_nKind == 1 ? CCappCell::seatHead : CCappCell::seatOut;
        pCell = pNew.get();
    }
    CCappCell work;
    work = *pCell;
    work.m_nContentKind = CCappCell::kindStatic;
    CSetCellStyleSh sh(LoadText(IDS_CELL_STYLE_CAPTION), pWnd, 0, CSetCellStyleSh::kindStatic);
    sh.m_pSheet = m_pHost->GetSheet();
    sh.SetCell(work);
    if (sh.DoModal() != IDOK) {
        RepaintCell(pCell);
        return;
    }
    sh.GetCell(*pCell);
    SaveBaseSet(*pCell, kStaticBase);
    RepaintCell(pCell);
    if (pCell->m_strText.IsEmpty()) {
        if (pNew == nullptr) {
            RemoveCell(pCell, TRUE);
        }
        return;
    }
    if (pNew != nullptr) {
        AddCell(pNew.release(), strMid);
    } else {
        m_pHost->MarkChanged();
    }
}

void CSheetViewAux::SetCardVar(CCappCell* pCellIn)
{
    CWnd* pWnd = m_pHost->GetToolWnd();
    CCappSheet& sheet = *m_pHost->GetSheet();
    const CCappRange range = m_pHost->GetSelRange();
    if (pCellIn == nullptr && (range.m_nKind != 1 || CSheetDefRangeFun::IsEmpty(range))) {
        return;
    }
    CCappCell* pCell = pCellIn != nullptr ? pCellIn : GetSelectedCell();
    std::unique_ptr<CCappCell> pNew;
    CString strMid;
    CCappMidData* pMid = nullptr;
    if (pCell == nullptr) {
        pNew = std::make_unique<CCappCell>();
        pNew->m_nContentKind = CCappCell::kindVariable;
        ApplyBaseSet(*pNew, kVariableBase);
        pNew->SetCellBaseLine(range);
        pMid = GetRangeMid(range, strMid);
        pNew->m_nDataPos = pMid != nullptr ? CCappCell::seatMidData : CCappCell::seatHead;
        if (FxGetApp()->GetProfileInt("DesignOption", "AutoVarName", 0) == 1) {
            pNew->m_strVarName = ProposeVarName(range);
        }
        pCell = pNew.get();
    } else if ((pMid = FindOwnerMid(sheet, pCell)) != nullptr) {
        // The area that holds the cell, whatever the selection says.
        strMid = pMid->m_strName;
    }

    if (pMid != nullptr && pMid->m_nExtFlag == 1) {
        // A continuation area repeats its source area's variables: the cell picks one of them.
        CSelDataDlg dlg(pWnd);
        dlg.m_arrItems.Add("");
        if (const CCappMidData* pSrc = CSheetDefRangeFun::GetMidData(sheet, pMid->m_strSrcName)) {
            for (POSITION pos = pSrc->m_listMidCell.GetHeadPosition(); pos != nullptr;) {
                const auto* pSrcCell = dynamic_cast<const CCappCell*>(pSrc->m_listMidCell.GetNext(pos));
                if (pSrcCell != nullptr && pSrcCell->m_nContentKind == CCappCell::kindVariable) {
                    dlg.m_arrItems.Add(pSrcCell->m_strVarName);
                }
            }
        }
        dlg.m_strValue = pCell->m_strVarName;
        dlg.m_bEmptyAllowed = TRUE;
        dlg.m_strPrompt = LoadText(IDS_CELL_SOURCE_VAR_PROMPT);
        dlg.m_strTitle = LoadText(IDS_CELL_SOURCE_VAR_TITLE);
        if (dlg.DoModal() != IDOK) {
            return;
        }
        RepaintCell(pCell);
        if (dlg.m_strValue.IsEmpty()) {
            if (pNew == nullptr) {
                RemoveCell(pCell, TRUE);
            }
            return;
        }
        pCell->m_strVarName = dlg.m_strValue;
        pCell->m_nContentKind = CCappCell::kindVariable;
        if (pNew != nullptr) {
            AddCell(pNew.release(), strMid);
        } else {
            m_pHost->MarkChanged();
        }
        return;
    }

    CCappCell work;
    work = *pCell;
    work.m_nContentKind = CCappCell::kindVariable;
    const int nOldSeat = pCell->m_nDataPos;
    CSetCellStyleSh sh(LoadText(IDS_CELL_STYLE_CAPTION), pWnd, 0, CSetCellStyleSh::kindVariable);
    sh.m_pSheet = &sheet;
    if (CDesignShellLink* pShell = m_pHost->GetShellLink()) {
        sh.m_arrPreNames.Copy(pShell->GetVarNames());
    }
    CStringArray arrUsed;
    GetAllCardVar(arrUsed);
    for (INT_PTR i = 0; i < arrUsed.GetSize(); ++i) {
        if (arrUsed[i] != pCell->m_strVarName || pNew != nullptr) {
            sh.m_arrUsedNames.Add(arrUsed[i]);
        }
    }
    if (pNew == nullptr) {
        sh.m_pFrameObj = m_pHost->FindFreeObjOfCell(pCell->m_nCellID);
    }
    sh.SetCell(work);
    if (sh.DoModal() != IDOK) {
        RepaintCell(pCell);
        return;
    }
    sh.GetCell(*pCell);
    SaveBaseSet(*pCell, kVariableBase);
    RepaintCell(pCell);
    if (pCell->m_strVarName.IsEmpty()) {
        if (pNew == nullptr) {
            RemoveCell(pCell, TRUE);
        }
        return;
    }
    if (pNew != nullptr) {
        AddCell(pNew.release(), strMid);
    } else if (pCell->m_nDataPos != nOldSeat) {
        MoveCell(pCell, nOldSeat, strMid, strMid);
    } else {
        m_pHost->MarkChanged();
    }
}

void CSheetViewAux::SetGraphVar(CCappCell* pCellIn)
{
    CWnd* pWnd = m_pHost->GetToolWnd();
    CCappSheet& sheet = *m_pHost->GetSheet();
    const CCappRange range = m_pHost->GetSelRange();
    if (pCellIn == nullptr && (range.m_nKind != 1 || CSheetDefRangeFun::IsEmpty(range))) {
        return;
    }
    CCappCell* pCell = pCellIn != nullptr ? pCellIn : GetSelectedCell();
    std::unique_ptr<CCappCell> pNew;
    CString strMid;
    if (pCell == nullptr) {
        pNew = std::make_unique<CCappCell>();
        pNew->SetCellBaseLine(range);
        pNew->m_nDataPos = GetRangeMid(range, strMid) != nullptr ? CCappCell::seatMidData : CCappCell::seatHead;
        pCell = pNew.get();
    } else if (const CCappMidData* pMid = FindOwnerMid(sheet, pCell)) {
        strMid = pMid->m_strName;
    }
    const int nOldSeat = pCell->m_nDataPos;
    CImageVarFieldDlg dlg(pWnd);
    if (pNew == nullptr) {
        dlg.m_pFrameObj = m_pHost->FindFreeObjOfCell(pCell->m_nCellID);
    }
    dlg.LoadFromCell(*pCell);
    if (dlg.DoModal() != IDOK) {
        RepaintCell(pCell);
        return;
    }
    dlg.SaveToCell(*pCell);
    // The dialog knows head and page only: a cell of a detail area stays in its area.
    if (nOldSeat == CCappCell::seatMidData) {
        pCell->m_nDataPos = CCappCell::seatMidData;
    }
    RepaintCell(pCell);
    if (pCell->m_strVarName.IsEmpty()) {
        if (pNew == nullptr) {
            RemoveCell(pCell, TRUE);
        }
        return;
    }
    if (pNew != nullptr) {
        AddCell(pNew.release(), strMid);
    } else if (pCell->m_nDataPos != nOldSeat) {
        MoveCell(pCell, nOldSeat, strMid, strMid);
    } else {
        m_pHost->MarkChanged();
    }
}

void CSheetViewAux::EditCellProperties()
{
    EndTracking();
    CCappCell* pCell = GetSelectedCell();
    if (pCell == nullptr) {
        return;
    }
    if (!CSheetDefRangeFun::IsEmpty(m_pHost->GetTrackRange())) {
        EditMultiStyle();
        return;
    }
    switch (pCell->m_nContentKind) {
    case CCappCell::kindStatic:
        SetStaticText(pCell);
        break;
    case CCappCell::kindVariable:
        SetCardVar(pCell);
        break;
    case CCappCell::kindImage:
        SetGraphVar(pCell);
        break;
    default:
        break;
    }
}

void CSheetViewAux::EditMultiStyle()
{
    CWnd* pWnd = m_pHost->GetToolWnd();
    CCappCell* pCell = GetSelectedCell();
    if (pCell == nullptr) {
        return;
    }
    CMultiStyleSh sh(LoadText(IDS_CELL_STYLE_CAPTION), pWnd);
    sh.LoadStyleFromCell(*pCell);
    if (sh.DoModal() != IDOK) {
        return;
    }
    const CCappRange area = GetSelectedArea();
    const CCappSheet& sheet = *m_pHost->GetSheet();
    ForEachCell(sheet, [&](CCappCell* pEach) {
        const CRect rc = sheet.GetCellRect(pEach);
        if (!rc.IsRectEmpty() && rc.left >= area.m_rect.left && rc.top >= area.m_rect.top &&
            rc.right <= area.m_rect.right && rc.bottom <= area.m_rect.bottom) {
            sh.ApplyStyleToCell(*pEach);
        }
    });
    // The cells' drawing fonts follow their new style at the next draw.
    m_pHost->GetSheet()->SetAllCellFontHeight();
    m_pHost->MarkChanged();
    m_pHost->RepaintSheetRect(area.m_rect);
}

void CSheetViewAux::EditCellByName()
{
    CWnd* pWnd = m_pHost->GetToolWnd();
    CCappSheet& sheet = *m_pHost->GetSheet();
    CSelDataDlg dlg(pWnd);
    GetAllCardVar(dlg.m_arrItems);
    dlg.m_bEditable = TRUE;
    dlg.m_strTitle = LoadText(IDS_CELL_BY_NAME_TITLE);
    dlg.m_strPrompt = LoadText(IDS_CELL_BY_NAME_PROMPT);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    CCappCell* pFound = nullptr;
    BOOL bListed = FALSE;
    for (INT_PTR i = 0; i < dlg.m_arrItems.GetSize(); ++i) {
        bListed = bListed || dlg.m_arrItems[i] == dlg.m_strValue;
    }
    if (bListed) {
        ForEachCell(sheet, [&](CCappCell* pCell) {
            if (pFound == nullptr && pCell->m_strVarName == dlg.m_strValue &&
                (pCell->m_nContentKind == CCappCell::kindVariable || pCell->m_nContentKind == CCappCell::kindImage)) {
                pFound = pCell;
            }
        });
    }
    if (pFound == nullptr) {
        CString strText;
        strText.Format(LoadText(IDS_CELL_NOT_FOUND), dlg.m_strValue.GetString());
        FxMessageBox(pWnd->m_hWnd, strText, FxGetApp()->m_strAppName, MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (pFound->m_nContentKind == CCappCell::kindVariable) {
        SetCardVar(pFound);
    } else {
        SetGraphVar(pFound);
    }
}
