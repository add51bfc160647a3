// The sheet-definition view's detail-area commands (new, merge, continuation, delete, attributes,
// field index, settings) and the cell-control command.
#include "designer/sheet/CappSheetDefView.h"

#include "basedlg/InDataDlg.h"
#include "basedlg/SelDataDlg.h"
#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappMDSeatItem.h"
#include "core/CappMidData.h"
#include "core/CellIndexItem.h"
#include "designer/detail/AddMidContinueDlg.h"
#include "designer/detail/CardSetingSh.h"
#include "designer/detail/CellCtrlDlg.h"
#include "designer/detail/CellCtrlGroup.h"
#include "designer/detail/MidAttrDlg.h"
#include "designer/detail/MidIndexDlg.h"
#include "designer/sheet/SheetDefRangeFun.h"
#include "designer/res/resource.h"
#include "platform/frame/WinApp.h"
#include "platform/win/CmdUI.h"
#include "platform/win/MsgBox.h"

namespace
{
CString LoadText(UINT nID)
{
    CString strText;
    strText.LoadString(nID);
    return strText;
}

// Size and spacing, in sheet units, of the rectangles given to variable cells the cell-control
// command creates: they have no table lines of their own.
const int kNewCellWidth = 300;
const int kNewCellHeight = 60;
const int kNewCellMargin = 20;

BOOL IsVariableCell(const CCappCell* pCell)
{
    return pCell->m_nContentKind == CCappCell::kindVariable || pCell->m_nContentKind == CCappCell::kindImage;
}

void FillGroup(CCellCtrlGroup& group, const CString& strName, const CObList& listCell)
{
    group.m_strName = strName;
    POSITION pos = listCell.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pCell = static_cast<const CCappCell*>(listCell.GetNext(pos));
        group.m_arrCellName.Add(pCell->m_nContentKind == CCappCell::kindStatic ? pCell->m_strText
                                                                               : pCell->m_strVarName);
        group.m_arrKind.Add(static_cast<UINT>(pCell->m_nContentKind));
        group.m_arrShow.Add(pCell->IsHide() ? 0U : 1U);
    }
}

CStringArray& SplitLines(const CString& strText, CStringArray& arr)
{
    int nStart = 0;
    while (nStart < strText.GetLength()) {
        int nEnd = strText.Find('\n', nStart);
        if (nEnd < 0) {
            nEnd = strText.GetLength();
        }
        const CString strLine = strText.Mid(nStart, nEnd - nStart);
        if (!strLine.IsEmpty()) {
            arr.Add(strLine);
        }
        nStart = nEnd + 1;
    }
    return arr;
}

CCappCell* FindVariableCell(const CObList& listCell, const CString& strName, POSITION& rPos)
{
    POSITION pos = listCell.GetHeadPosition();
    while (pos != nullptr) {
        const POSITION posCell = pos;
        auto* pCell = static_cast<CCappCell*>(listCell.GetNext(pos));
        if (IsVariableCell(pCell) && pCell->m_strVarName == strName) {
            rPos = posCell;
            return pCell;
        }
    }
    rPos = nullptr;
    return nullptr;
}
} // namespace

BOOL CCappSheetDefView::GetSelectedLineIDs(int& nTop, int& nLeft, int& nRight, int& nBottom) const
{
    const CCappRange range = CSheetDefRangeFun::Union(m_rangeSel, m_rangeTrack);
    if (CSheetDefRangeFun::IsEmpty(range) || range.m_pTopLine == nullptr || range.m_pLeftLine == nullptr ||
        range.m_pRightLine == nullptr || range.m_pBottomLine == nullptr) {
        return FALSE;
    }
    nTop = range.m_pTopLine->m_nID;
    nLeft = range.m_pLeftLine->m_nID;
    nRight = range.m_pRightLine->m_nID;
    nBottom = range.m_pBottomLine->m_nID;
    return TRUE;
}

CCappMidData* CCappSheetDefView::GetSelectedMidData() const
{
    if (CSheetDefRangeFun::IsEmpty(m_rangeSel)) {
        return nullptr;
    }
    return CSheetDefRangeFun::GetMidData(*m_pSheet, m_rangeSel.m_rect.CenterPoint());
}

void CCappSheetDefView::ShowMdMessage(UINT nID, UINT nType) const
{
    FxMessageBox(m_hWnd, LoadText(nID), FxGetApp()->m_strAppName, nType);
}

CCappMidData* CCappSheetDefView::AddMidDataArea(const CString& strName, int nTop, int nLeft, int nRight, int nBottom)
{
    auto* pMid = new CCappMidData;
    pMid->m_strName = strName;
    pMid->m_nType = CCappMidData::typeRunTime;
    pMid->AddSeatItem(nTop, nLeft, nRight, nBottom);
    m_pSheet->m_MidDataList.AddTail(pMid);
    return pMid;
}

int CCappSheetDefView::GetNewExtOrder(const CString& strSrcName) const
{
    int nOrder = 0;
    POSITION pos = m_pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pMid = static_cast<const CCappMidData*>(m_pSheet->m_MidDataList.GetNext(pos));
        if (pMid->m_nExtFlag == 1 && pMid->m_strSrcName == strSrcName && pMid->m_nExtOrder > nOrder) {
            nOrder = pMid->m_nExtOrder;
        }
    }
    return nOrder + 1;
}

void CCappSheetDefView::OnMdNew()
{
    CInDataDlg dlg(this);
    dlg.SetData(LoadText(IDS_MD_NEW_TITLE), LoadText(IDS_MD_NEW_PROMPT), CString(), 1, FALSE, 0.0f);
    POSITION pos = m_pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        dlg.m_arrForbidden.Add(static_cast<CCappMidData*>(m_pSheet->m_MidDataList.GetNext(pos))->m_strName);
    }
    dlg.m_strForbiddenMsg = LoadText(IDS_MD_NAME_USED);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    int nTop = 0, nLeft = 0, nRight = 0, nBottom = 0;
    if (!GetSelectedLineIDs(nTop, nLeft, nRight, nBottom)) {
        ShowMdMessage(IDS_MD_CANNOT_SET, MB_OK | MB_ICONINFORMATION);
        return;
    }
    AddMidDataArea(dlg.m_strValue, nTop, nLeft, nRight, nBottom);
    MarkChanged();
    Invalidate(FALSE);
}

void CCappSheetDefView::OnMdContinue()
{
    int nTop = 0, nLeft = 0, nRight = 0, nBottom = 0;
    if (!GetSelectedLineIDs(nTop, nLeft, nRight, nBottom)) {
        ShowMdMessage(IDS_MD_CANNOT_SET, MB_OK | MB_ICONINFORMATION);
        return;
    }
    CAddMidContinueDlg dlg(this);
    POSITION pos = m_pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pMid = static_cast<const CCappMidData*>(m_pSheet->m_MidDataList.GetNext(pos));
        if (pMid->m_nType != CCappMidData::typeTemporary && pMid->m_nExtFlag != 1) {
            dlg.m_arrSrcName.Add(pMid->m_strName);
        }
    }
    if (dlg.DoModal() != IDOK) {
        return;
    }
    const int nOrder = GetNewExtOrder(dlg.m_strSrcName);
    CCappMidData* pMid = AddMidDataArea(dlg.m_strNewName, nTop, nLeft, nRight, nBottom);
    pMid->m_nExtFlag = 1;
    pMid->m_strSrcName = dlg.m_strSrcName;
    pMid->m_nExtOrder = nOrder;
    MarkChanged();
    Invalidate(FALSE);
}

void CCappSheetDefView::OnMdMerge()
{
    int nTop = 0, nLeft = 0, nRight = 0, nBottom = 0;
    if (!GetSelectedLineIDs(nTop, nLeft, nRight, nBottom)) {
        ShowMdMessage(IDS_MD_CANNOT_SET, MB_OK | MB_ICONINFORMATION);
        return;
    }
    CSelDataDlg dlg(this);
    POSITION pos = m_pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pMid = static_cast<const CCappMidData*>(m_pSheet->m_MidDataList.GetNext(pos));
        if (pMid->m_nType != CCappMidData::typeTemporary) {
            dlg.m_arrItems.Add(pMid->m_strName);
        }
    }
    dlg.m_strPrompt = LoadText(IDS_MD_SELECT_SOURCE);
    dlg.m_strTitle = LoadText(IDS_MD_SELECT_TITLE);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    CCappMidData* pMid = CSheetDefRangeFun::GetMidData(*m_pSheet, dlg.m_strValue);
    const auto* pFirst = pMid != nullptr && !pMid->m_listSeatItem.IsEmpty()
                             ? static_cast<const CCappMDSeatItem*>(pMid->m_listSeatItem.GetHead())
                             : nullptr;
    if (pFirst == nullptr || pFirst->m_nTopLineID != nTop || pFirst->m_nBottomLineID != nBottom) {
        ShowMdMessage(IDS_MD_CANNOT_MERGE, MB_OK | MB_ICONINFORMATION);
        return;
    }
    pMid->AddSeatItem(nTop, nLeft, nRight, nBottom);
    MarkChanged();
    Invalidate(FALSE);
}

void CCappSheetDefView::OnMdDelete()
{
    if (FxMessageBox(m_hWnd, LoadText(IDS_MD_CONFIRM_DELETE), FxGetApp()->m_strAppName, MB_YESNO | MB_ICONQUESTION) !=
        IDYES) {
        return;
    }
    CCappMidData* pMid = GetSelectedMidData();
    POSITION posMid = pMid != nullptr ? m_pSheet->m_MidDataList.Find(pMid) : nullptr;
    if (posMid == nullptr) {
        return;
    }
    POSITION pos = pMid->m_listSeatItem.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pSeat = static_cast<const CCappMDSeatItem*>(pMid->m_listSeatItem.GetNext(pos));
        CRect rc;
        if (m_pSheet->GetRectSpace(pSeat->m_nTopLineID, pSeat->m_nLeftLineID, pSeat->m_nRightLineID,
                                   pSeat->m_nBottomLineID, rc)) {
            RepaintSheetRect(rc);
        }
    }
    m_pSheet->m_MidDataList.RemoveAt(posMid);
    delete pMid;
    MarkChanged();
}

void CCappSheetDefView::OnMdAttributes()
{
    CCappMidData* pMid = GetSelectedMidData();
    if (pMid == nullptr) {
        ShowMdMessage(IDS_SHEET_SELECT_MD_FIRST, MB_OK | MB_ICONINFORMATION);
        return;
    }
    CMidAttrDlg dlg(this);
    dlg.m_nExtOrder = pMid->m_nExtOrder;
    dlg.m_nExtFlag = pMid->m_nExtFlag;
    dlg.m_strName = pMid->m_strName;
    POSITION pos = m_pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pOther = static_cast<const CCappMidData*>(m_pSheet->m_MidDataList.GetNext(pos));
        if (pOther != pMid && pOther->m_nExtFlag == 1) {
            dlg.AddField(pOther->m_strName, pOther->m_nExtOrder);
        }
    }
    if (dlg.DoModal() != IDOK) {
        return;
    }
    pMid->m_nExtOrder = dlg.m_nExtOrder;
    for (INT_PTR i = 0; i < dlg.m_arrOrder.GetSize(); ++i) {
        if (CCappMidData* pListed = CSheetDefRangeFun::GetMidData(*m_pSheet, dlg.m_arrOrder[i])) {
            pListed->m_nExtOrder = static_cast<int>(i + 1);
        }
    }
    MarkChanged();
}

void CCappSheetDefView::OnMdFieldIndex()
{
    CCappMidData* pMid = GetSelectedMidData();
    if (pMid == nullptr) {
        ShowMdMessage(IDS_SHEET_SELECT_MD_FIRST, MB_OK | MB_ICONINFORMATION);
        return;
    }
    CMidIndexDlg dlg(this);
    POSITION pos = pMid->m_listMidCell.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pCell = static_cast<const CCappCell*>(pMid->m_listMidCell.GetNext(pos));
        if (pCell->m_nContentKind == CCappCell::kindVariable) {
            dlg.m_arrVarName.Add(pCell->m_strVarName);
        }
    }
    dlg.SetIndexList(pMid->m_listIndexItem);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    pMid->DetachList(CCappMidData::listIndex);
    pos = dlg.m_listIndex.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pItem = static_cast<const CCellIndexItem*>(dlg.m_listIndex.GetNext(pos));
        auto* pCopy = new CCellIndexItem;
        pCopy->m_nOrder = pItem->m_nOrder;
        pCopy->m_strVarName = pItem->m_strVarName;
        pCopy->m_strInitValue = pItem->m_strInitValue;
        pCopy->m_nStep = pItem->m_nStep;
        pMid->m_listIndexItem.AddTail(pCopy);
    }
    MarkChanged();
}

void CCappSheetDefView::OnMdSettings()
{
    if (m_pSheet->m_MidDataList.IsEmpty()) {
        ShowMdMessage(IDS_SHEET_SELECT_MD_FIRST, MB_OK | MB_ICONINFORMATION);
        return;
    }
    CCardSetingSh sheet(IDS_CARD_SETTING, this);
    sheet.m_pMidData = static_cast<CCappMidData*>(m_pSheet->m_MidDataList.GetHead());
    sheet.m_pSheet = m_pSheet;
    if (sheet.DoModal() == IDOK) {
        MarkChanged();
    }
}

void CCappSheetDefView::OnCellControl()
{
    CCellCtrlDlg dlg(this);
    CCellCtrlGroup groupHead;
    FillGroup(groupHead, CString(), m_pSheet->m_HeadCellList);
    dlg.SetHeadGroup(groupHead);
    CCellCtrlGroup groupPage;
    FillGroup(groupPage, CString(), m_pSheet->m_PageCellList);
    dlg.SetPageGroup(groupPage);
    CObList listGroups;
    POSITION pos = m_pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pMid = static_cast<const CCappMidData*>(m_pSheet->m_MidDataList.GetNext(pos));
        if (pMid->m_nExtFlag != 1) {
            auto* pGroup = new CCellCtrlGroup;
            FillGroup(*pGroup, pMid->m_strName, pMid->m_listMidCell);
            listGroups.AddTail(pGroup);
        }
    }
    dlg.AddMidGroups(listGroups);
    pos = listGroups.GetHeadPosition();
    while (pos != nullptr) {
        delete listGroups.GetNext(pos);
    }
    if (dlg.DoModal() != IDOK) {
        return;
    }
    ApplyCellControl(m_pSheet->m_HeadCellList, dlg.GetHeadSetting(), CCappCell::seatHead);
    ApplyCellControl(m_pSheet->m_PageCellList, dlg.GetPageSetting(), CCappCell::seatPage);
    pos = m_pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pMid = static_cast<CCappMidData*>(m_pSheet->m_MidDataList.GetNext(pos));
        if (pMid->m_nExtFlag != 1) {
            ApplyCellControl(pMid->m_listMidCell, dlg.GetMidSetting(pMid->m_strName), CCappCell::seatMidData);
        }
    }
    MarkChanged();
    Invalidate(FALSE);
}

void CCappSheetDefView::ApplyCellControl(CObList& listCell, const CString& strSetting, int nSeat)
{
    CStringArray arrName;
    SplitLines(strSetting, arrName);
    POSITION pos = listCell.GetHeadPosition();
    while (pos != nullptr) {
        const POSITION posCell = pos;
        auto* pCell = static_cast<CCappCell*>(listCell.GetNext(pos));
        if (!IsVariableCell(pCell)) {
            continue;
        }
        BOOL bListed = FALSE;
        for (INT_PTR i = 0; i < arrName.GetSize() && !bListed; ++i) {
            bListed = arrName[i] == pCell->m_strVarName;
        }
        if (!bListed) {
            listCell.RemoveAt(posCell);
            delete pCell;
        }
    }
    int nCreated = 0;
    for (INT_PTR i = arrName.GetSize() - 1; i >= 0; --i) {
        POSITION posCell = nullptr;
        CCappCell* pCell = FindVariableCell(listCell, arrName[i], posCell);
        if (pCell != nullptr) {
            listCell.RemoveAt(posCell);
        } else {
            // Without table lines the cell is placed by a rectangle of its own, stacked down the
            // page's left edge, so that drawing and hit testing never look for missing lines.
            pCell = new CCappCell;
            pCell->m_nContentKind = CCappCell::kindVariable;
            pCell->m_strVarName = arrName[i];
            pCell->m_nDataPos = nSeat;
            pCell->m_nCellID = m_pSheet->GetNewCellID();
            pCell->m_bOwnRect = 1;
            const int nTop = kNewCellMargin + nCreated * (kNewCellHeight + kNewCellMargin);
            pCell->m_rcOwn.SetRect(kNewCellMargin, nTop, kNewCellMargin + kNewCellWidth, nTop + kNewCellHeight);
            ++nCreated;
        }
        listCell.AddHead(pCell);
    }
}
