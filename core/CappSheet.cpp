#include "core/CappSheet.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "core/CappCell.h"
#include "core/CappFreeObj.h"
#include "core/CappLine.h"
#include "core/CappLineIndex.h"
#include "core/CappListArchive.h"
#include "core/CappLoadScope.h"
#include "core/CappMDSeatItem.h"
#include "core/CappMidData.h"
#include "core/CappMsgFun.h"
#include "core/CappSizeLimit.h"
#include "core/CellDataItem.h"
#include "core/ScriptItem.h"
#include "platform/base/StringArray.h"
#include "platform/win/Wnd.h"

FX_IMPLEMENT_SERIAL(CCappSheet, CObject, 0)

namespace
{

const char kVersion[] = "3.1";

int CrossType(int nType)
{
    return (nType == CCappLine::typeHCell || nType == CCappLine::typeHFrame) ? CCappLine::typeVCell
                                                                             : CCappLine::typeHCell;
}

BOOL IsCellLineType(int nType)
{
    return nType == CCappLine::typeHCell || nType == CCappLine::typeVCell;
}

template <class T, class F> void ForEach(const CObList& list, F fn)
{
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        fn(static_cast<T*>(list.GetNext(pos)));
    }
}

} // namespace

CCappSheet::CCappSheet()
    : m_nSheetInt1(0), m_nSheetInt2(0), m_nSheetInt3(0), m_nSheetInt4(0), m_nFrameWidth(2), m_crFrame(0),
      m_nPageWidth(0), m_nPageHeight(0), m_nNextLineID(1), m_nNextCellID(1), m_nSheetInt5(0), m_bOwnDrawFreeObj(1),
      m_bDesign(1), m_bPrintAll(0), m_bDrawFrameOnPrint(FALSE), m_bPrinting(FALSE), m_nState(1), m_pWnd(nullptr),
      m_pCardObj(nullptr)
{
    InitData();
    m_DefUndo.m_pSheet = this;
}

CCappSheet::~CCappSheet()
{
    m_DefUndo.DetachUndoList();
    DetachList(CString());
}

void CCappSheet::InitData()
{
    m_crBackground = 0xC8C8C8;
    m_crCurRow = 0x80FF80;
    m_bCurRow = 0;
}

// ---------------------------------------------------------------------------------------------
// Archive

void CCappSheet::Serialize(CArchive& ar)
{
    if (ar.IsLoading()) {
        DetachList(CString());
        m_CardDataRel.DetachList();
        m_arrUInt1.RemoveAll();
        m_arrUInt2.RemoveAll();
    }
    PreSerialize();
    if (ar.IsStoring()) {
        Store(ar);
        return;
    }

    CCappLoadScope scope;
    try {
        Load(ar);
    } catch (...) {
        DetachList(CString());
        m_CardDataRel.DetachList();
        m_arrUInt1.RemoveAll();
        m_arrUInt2.RemoveAll();
        throw;
    }
    SetAllCellSeat();
    SetCellID();
    SetHideDataInfo();
}

// m_nSheetInt1 to 5, m_strSheetText2 to 5 and the two integer arrays have no meaning the format
// gives: they are kept and written back.
void CCappSheet::Store(CArchive& ar)
{
    m_strVersion = kVersion;
    ar << m_strVersion << m_nSheetInt1 << m_nSheetInt2 << m_nSheetInt3 << m_strName << m_strSheetText2
       << m_strSheetText3 << m_nSheetInt4;
    ar << m_rcFrame.left << m_rcFrame.top << m_rcFrame.right << m_rcFrame.bottom;
    ar << m_nFrameWidth << m_crFrame << m_strPaperName << m_nPageWidth << m_nPageHeight << m_nNextLineID
       << m_nNextCellID << m_strSheetText4 << m_strSheetText5 << m_nSheetInt5;
    SerializeUIntArray(m_arrUInt1, ar);
    SerializeUIntArray(m_arrUInt2, ar);

    SerializeLists(ar);

    m_CardDataRel.Serialize(ar);
    CappSerializeList(ar, m_listScript, FX_RUNTIME_CLASS(CScriptItem));
}

void CCappSheet::Load(CArchive& ar)
{
    ar >> m_strVersion >> m_nSheetInt1 >> m_nSheetInt2 >> m_nSheetInt3 >> m_strName >> m_strSheetText2 >>
        m_strSheetText3 >> m_nSheetInt4;
    ar >> m_rcFrame.left >> m_rcFrame.top >> m_rcFrame.right >> m_rcFrame.bottom;
    ar >> m_nFrameWidth >> m_crFrame >> m_strPaperName >> m_nPageWidth >> m_nPageHeight >> m_nNextLineID >>
        m_nNextCellID >> m_strSheetText4 >> m_strSheetText5;
    // The frame, its pen and the paper reach GDI as they stand.
    CappClampRect(m_rcFrame);
    m_nFrameWidth = CappClampStoredWidth(m_nFrameWidth);
    m_nPageWidth = CappClampInt(m_nPageWidth, 0, kCappMaxCoord);
    m_nPageHeight = CappClampInt(m_nPageHeight, 0, kCappMaxCoord);
    const BOOL bCurrent = m_strVersion == kVersion;
    if (bCurrent) {
        ar >> m_nSheetInt5;
    } else {
        m_nSheetInt5 = 0;
    }
    SerializeUIntArray(m_arrUInt1, ar);
    SerializeUIntArray(m_arrUInt2, ar);

    SerializeLists(ar);

    if (bCurrent) {
        m_CardDataRel.Serialize(ar);
        CappSerializeList(ar, m_listScript, FX_RUNTIME_CLASS(CScriptItem));
    }
}

// The object lists stand in this order in both directions.
void CCappSheet::SerializeLists(CArchive& ar)
{
    CappSerializeList(ar, m_MidDataList, FX_RUNTIME_CLASS(CCappMidData));
    CappSerializeList(ar, m_HCellLineList, FX_RUNTIME_CLASS(CCappLine));
    CappSerializeList(ar, m_VCellLineList, FX_RUNTIME_CLASS(CCappLine));
    CappSerializeList(ar, m_LHOutLineList, FX_RUNTIME_CLASS(CCappLine));
    CappSerializeList(ar, m_TVOutLineList, FX_RUNTIME_CLASS(CCappLine));
    CappSerializeList(ar, m_RHOutLineList, FX_RUNTIME_CLASS(CCappLine));
    CappSerializeList(ar, m_BVOutLineList, FX_RUNTIME_CLASS(CCappLine));
    CappSerializeList(ar, m_OutCellList, FX_RUNTIME_CLASS(CCappCell));
    CappSerializeList(ar, m_HeadCellList, FX_RUNTIME_CLASS(CCappCell));
    CappSerializeList(ar, m_PageCellList, FX_RUNTIME_CLASS(CCappCell));
    CappSerializeList(ar, m_listFreeObj, FX_RUNTIME_CLASS(CCappFreeObj));
}

void CCappSheet::SerializeUIntArray(CUIntArray& arr, CArchive& ar)
{
    if (ar.IsStoring()) {
        CString strText;
        for (INT_PTR i = 0; i < arr.GetSize(); ++i) {
            if (i > 0) {
                strText += ';';
            }
            strText.AppendFormat("%u", arr.GetAt(i));
        }
        ar << strText;
        return;
    }

    CString strText;
    ar >> strText;
    CStringArray pieces;
    pieces.Split(strText, ';', FALSE);
    arr.RemoveAll();
    for (INT_PTR i = 0; i < pieces.GetSize(); ++i) {
        arr.Add(static_cast<UINT>(std::strtoul(pieces[i], nullptr, 10)));
    }
}

void CCappSheet::PreSerialize()
{
    m_DefUndo.DetachUndoList();
    POSITION pos = m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        POSITION posItem = pos;
        auto* pMidData = static_cast<CCappMidData*>(m_MidDataList.GetNext(pos));
        if (pMidData->m_nType == CCappMidData::typeTemporary) {
            m_MidDataList.RemoveAt(posItem);
            delete pMidData;
        }
    }
}

void CCappSheet::DetachList(const CString& strName)
{
    struct Named
    {
        LPCSTR pszName;
        CObList* pList;
    };
    const Named lists[] = {
        {"m_listScript", &m_listScript},       {"m_listSGE", &m_listSGE},
        {"m_HCellLineList", &m_HCellLineList}, {"m_VCellLineList", &m_VCellLineList},
        {"m_LHOutLineList", &m_LHOutLineList}, {"m_TVOutLineList", &m_TVOutLineList},
        {"m_RHOutLineList", &m_RHOutLineList}, {"m_BVOutLineList", &m_BVOutLineList},
        {"m_OutCellList", &m_OutCellList},     {"m_HeadCellList", &m_HeadCellList},
        {"m_PageCellList", &m_PageCellList},   {"m_MidDataList", &m_MidDataList},
        {"m_listFreeObj", &m_listFreeObj},
    };
    for (const Named& named : lists) {
        if (strName.IsEmpty() || strName == named.pszName) {
            CappFreeList(*named.pList);
        }
    }
}

CCappMidData* CCappSheet::FindMidData(const CString& strName) const
{
    POSITION pos = m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pArea = static_cast<CCappMidData*>(m_MidDataList.GetNext(pos));
        if (pArea->m_strName == strName) {
            return pArea;
        }
    }
    return nullptr;
}

void CCappSheet::SetAllCellFontHeight()
{
    auto reset = [](CCappCell* pCell) {
        pCell->m_drawFont.Reset();
        ForEach<CCellDataItem>(pCell->m_listCellData, [](CCellDataItem* pRange) { pRange->m_drawFont.Reset(); });
    };
    ForEach<CCappCell>(m_HeadCellList, reset);
    ForEach<CCappCell>(m_PageCellList, reset);
    ForEach<CCappCell>(m_OutCellList, reset);
    ForEach<CCappMidData>(m_MidDataList,
                          [&reset](CCappMidData* pMid) { ForEach<CCappCell>(pMid->m_listMidCell, reset); });
}

void CCappSheet::SetAllCellSeat()
{
    ForEach<CCappCell>(m_HeadCellList, [](CCappCell* p) { p->m_nDataPos = CCappCell::seatHead; });
    ForEach<CCappCell>(m_PageCellList, [](CCappCell* p) { p->m_nDataPos = CCappCell::seatPage; });
    ForEach<CCappCell>(m_OutCellList, [](CCappCell* p) { p->m_nDataPos = CCappCell::seatOut; });
    ForEach<CCappMidData>(m_MidDataList, [](CCappMidData* pMid) {
        ForEach<CCappCell>(pMid->m_listMidCell, [](CCappCell* p) { p->m_nDataPos = CCappCell::seatMidData; });
    });
}

void CCappSheet::SetCellID()
{
    // A stored counter can be stale or negative: new ids start above every id kept.
    int nHighest = 0;
    auto fnHighest = [&](CCappCell* p) { nHighest = std::max(nHighest, p->m_nCellID); };
    ForEach<CCappCell>(m_HeadCellList, fnHighest);
    ForEach<CCappCell>(m_PageCellList, fnHighest);
    ForEach<CCappCell>(m_OutCellList, fnHighest);
    ForEach<CCappMidData>(m_MidDataList,
                          [&](CCappMidData* pMid) { ForEach<CCappCell>(pMid->m_listMidCell, fnHighest); });
    if (m_nNextCellID <= nHighest) {
        m_nNextCellID = nHighest < INT_MAX ? nHighest + 1 : INT_MAX;
    }
    m_nNextCellID = std::max(m_nNextCellID, 1);

    auto fnGiveID = [this](CCappCell* p) {
        if (p->m_nCellID <= 0) {
            p->m_nCellID = GetNewCellID();
        }
    };
    ForEach<CCappCell>(m_HeadCellList, fnGiveID);
    ForEach<CCappCell>(m_PageCellList, fnGiveID);
    ForEach<CCappCell>(m_OutCellList, fnGiveID);
    ForEach<CCappMidData>(m_MidDataList,
                          [&](CCappMidData* pMid) { ForEach<CCappCell>(pMid->m_listMidCell, fnGiveID); });
}

void CCappSheet::SetHideDataInfo()
{
    ForEach<CCappMidData>(m_MidDataList, [](CCappMidData* p) { p->SetHideDataInfo(); });
}

// ---------------------------------------------------------------------------------------------
// Ids and look-ups

int CCappSheet::GetNewLineID()
{
    return m_nNextLineID < INT_MAX ? m_nNextLineID++ : m_nNextLineID;
}

int CCappSheet::GetNewCellID()
{
    // The counter stops at the largest id rather than wrap to negative ones.
    return m_nNextCellID < INT_MAX ? m_nNextCellID++ : m_nNextCellID;
}

void CCappSheet::SetNewLineID()
{
    const CObList* lists[] = {&m_HCellLineList, &m_VCellLineList, &m_LHOutLineList,
                              &m_RHOutLineList, &m_TVOutLineList, &m_BVOutLineList};
    for (const CObList* pList : lists) {
        if (m_nNextLineID < pList->GetCount()) {
            m_nNextLineID = static_cast<int>(pList->GetCount());
        }
    }
    ++m_nNextLineID;
}

CObList* CCappSheet::GetLineList(int nType) const
{
    auto* pThis = const_cast<CCappSheet*>(this);
    switch (nType) {
    case 1:
    case 3:
    case 101:
        return &pThis->m_HCellLineList;
    case 2:
    case 4:
    case 102:
        return &pThis->m_VCellLineList;
    case 5:
        return &pThis->m_LHOutLineList;
    default:
        return nullptr;
    }
}

CObList* CCappSheet::GetCrossList(int nType) const
{
    if (nType == CCappLine::typeLHOut) {
        return nullptr;
    }
    return GetLineList(CrossType(nType));
}

namespace
{

CCappLine* FindInList(const CObList* pList, int nID, POSITION* pPos = nullptr)
{
    if (pList == nullptr) {
        return nullptr;
    }
    POSITION pos = pList->GetHeadPosition();
    while (pos != nullptr) {
        POSITION posItem = pos;
        auto* pLine = static_cast<CCappLine*>(pList->GetNext(pos));
        if (pLine->m_nID == nID) {
            if (pPos != nullptr) {
                *pPos = posItem;
            }
            return pLine;
        }
    }
    return nullptr;
}

} // namespace

CCappLine* CCappSheet::FindLine(int nType, int nID) const
{
    return FindLineAt(nType, nID, nullptr);
}

CCappLine* CCappSheet::FindLineAt(int nType, int nID, POSITION* pPos) const
{
    if (nType != CCappLine::typeHCell && nType != CCappLine::typeVCell && nType != CCappLine::typeLHOut) {
        return nullptr;
    }
    return FindInList(GetLineList(nType), nID, pPos);
}

int CCappSheet::NewLineID(const CObList* pList)
{
    // Ids below 1 mean "none" or a frame line; a stale counter steps over the ids in use.
    m_nNextLineID = std::max(m_nNextLineID, 1);
    int nID = GetNewLineID();
    while (FindInList(pList, nID) != nullptr) {
        if (nID == INT_MAX) {
            return -1;
        }
        nID = GetNewLineID();
    }
    return nID;
}

int CCappSheet::GetLineIndex(int nType, int nID) const
{
    POSITION posLine = nullptr;
    if (FindLineAt(nType, nID, &posLine) == nullptr) {
        return -1;
    }
    const CObList* pList = GetLineList(nType);
    int nIndex = 0;
    for (POSITION pos = pList->GetHeadPosition(); pos != posLine; ++nIndex) {
        pList->GetNext(pos);
    }
    return nIndex;
}

void CCappSheet::PlaceLine(int nType, int nID, int nIndex)
{
    POSITION posLine = nullptr;
    CCappLine* pLine = FindLineAt(nType, nID, &posLine);
    CObList* pList = GetLineList(nType);
    if (pLine == nullptr || nIndex < 0 || nIndex >= pList->GetCount()) {
        return;
    }
    pList->RemoveAt(posLine);
    POSITION posAt = pList->FindIndex(nIndex);
    if (posAt == nullptr) {
        pList->AddTail(pLine);
    } else {
        pList->InsertBefore(posAt, pLine);
    }
}

CCappLine* CCappSheet::GetLineByLineID(int nType, int nID) const
{
    if (nType < CCappLine::typeHCell || nType > CCappLine::typeLHOut) {
        return nullptr;
    }
    return FindInList(GetLineList(nType), nID);
}

int CCappSheet::GetLineSpace(int nType, int nID, int& nPos) const
{
    const CObList* pList = GetLineList(nType);
    if (const CCappLineIndex* pIndex = CCappLineIndex::For(this)) {
        const int nFound = pIndex->Find(pList, nID, nPos);
        if (nFound >= 0) {
            return nFound;
        }
    }
    const CCappLine* pLine = FindInList(pList, nID);
    if (pLine == nullptr) {
        return 0;
    }
    nPos = pLine->m_nPos;
    return 1;
}

BOOL CCappSheet::GetLineCoordinate(const CCappLine* pLine, CPoint& ptStart, CPoint& ptEnd, int /*nFlag*/) const
{
    if (pLine == nullptr) {
        return FALSE;
    }
    int nStart = 0;
    int nEnd = 0;
    switch (pLine->m_nType) {
    case CCappLine::typeHCell:
    case CCappLine::typeHFrame: {
        GetLineSpace(CCappLine::typeVCell, pLine->m_nStartID, nStart);
        GetLineSpace(CCappLine::typeVCell, pLine->m_nEndID, nEnd);
        const int y = m_rcFrame.top + pLine->m_nPos;
        ptStart.SetPoint(m_rcFrame.left + nStart, y);
        ptEnd.SetPoint(m_rcFrame.left + nEnd, y);
        break;
    }
    case CCappLine::typeVCell:
    case CCappLine::typeVFrame: {
        GetLineSpace(CCappLine::typeHCell, pLine->m_nStartID, nStart);
        GetLineSpace(CCappLine::typeHCell, pLine->m_nEndID, nEnd);
        const int x = m_rcFrame.left + pLine->m_nPos;
        ptStart.SetPoint(x, m_rcFrame.top + nStart);
        ptEnd.SetPoint(x, m_rcFrame.top + nEnd);
        break;
    }
    case CCappLine::typeLHOut:
        ptStart.SetPoint(0, m_rcFrame.top + pLine->m_nPos);
        ptEnd.SetPoint(m_rcFrame.left, m_rcFrame.top + pLine->m_nPos);
        break;
    default:
        return FALSE;
    }
    if (ptStart.x > ptEnd.x || ptStart.y > ptEnd.y) {
        CPoint pt = ptStart;
        ptStart = ptEnd;
        ptEnd = pt;
    }
    return TRUE;
}

BOOL CCappSheet::GetLineCoordinate(int nType, int nID, CPoint& ptStart, CPoint& ptEnd, int nFlag) const
{
    return GetLineCoordinate(GetLineByLineID(nType, nID), ptStart, ptEnd, nFlag);
}

BOOL CCappSheet::HaveJoinLine(const CCappLine* pLine) const
{
    if (pLine == nullptr) {
        return FALSE;
    }
    const CObList* pCross = GetCrossList(pLine->m_nType);
    if (pCross == nullptr) {
        return FALSE;
    }
    POSITION pos = pCross->GetHeadPosition();
    while (pos != nullptr) {
        auto* pOther = static_cast<CCappLine*>(pCross->GetNext(pos));
        if (pOther->m_nStartID == pLine->m_nID || pOther->m_nEndID == pLine->m_nID) {
            return TRUE;
        }
    }
    return FALSE;
}

// ---------------------------------------------------------------------------------------------
// Frame and page

void CCappSheet::SetFrameRect(const CRect& rcFrame, COLORREF crFrame, int nFrameWidth)
{
    m_rcFrame = rcFrame;
    m_crFrame = crFrame;
    m_nFrameWidth = nFrameWidth;

    struct FrameLine
    {
        CObList* pList;
        int nType;
        int nID;
        int nPos;
    };
    const FrameLine frameLines[] = {
        {&m_HCellLineList, CCappLine::typeHFrame, kFrameFirstID, -nFrameWidth},
        {&m_HCellLineList, CCappLine::typeHFrame, kFrameLastID, rcFrame.bottom - rcFrame.top - nFrameWidth},
        {&m_VCellLineList, CCappLine::typeVFrame, kFrameFirstID, -nFrameWidth},
        {&m_VCellLineList, CCappLine::typeVFrame, kFrameLastID, rcFrame.right - rcFrame.left - nFrameWidth},
    };
    for (const FrameLine& frame : frameLines) {
        CCappLine* pLine = FindInList(frame.pList, frame.nID);
        if (pLine == nullptr) {
            pLine = new CCappLine;
            pLine->m_nID = frame.nID;
            if (frame.nID == kFrameFirstID) {
                frame.pList->AddHead(pLine);
            } else {
                frame.pList->AddTail(pLine);
            }
        }
        pLine->m_nType = frame.nType;
        pLine->m_nStartID = kFrameFirstID;
        pLine->m_nEndID = kFrameLastID;
        pLine->m_crColor = crFrame;
        pLine->m_nWidth = nFrameWidth;
        pLine->m_nPos = frame.nPos;
    }
}

BOOL CCappSheet::CanSetFrameRect(const CRect& rcFrame, int nFrameWidth, CString& strReason) const
{
    if (rcFrame.Width() <= nFrameWidth || rcFrame.Height() <= nFrameWidth) {
        strReason = "表格边框太小";
        return FALSE;
    }
    auto fnOutside = [&](const CObList& list, int nType, int nLimit) -> BOOL {
        POSITION pos = list.GetHeadPosition();
        while (pos != nullptr) {
            auto* pLine = static_cast<CCappLine*>(list.GetNext(pos));
            if (pLine->m_nType == nType && pLine->m_nPos >= nLimit) {
                return TRUE;
            }
        }
        return FALSE;
    };
    if (fnOutside(m_HCellLineList, CCappLine::typeHCell, rcFrame.Height() - nFrameWidth) ||
        fnOutside(m_VCellLineList, CCappLine::typeVCell, rcFrame.Width() - nFrameWidth) ||
        fnOutside(m_LHOutLineList, CCappLine::typeLHOut, rcFrame.Height() - nFrameWidth)) {
        strReason = "表格线超出了新的表格边框，不能设置该页面尺寸";
        return FALSE;
    }
    return TRUE;
}

void CCappSheet::GetFrameSide(int& nTop, int& nLeft, int& nRight, int& nBottom) const
{
    nTop = m_rcFrame.top;
    nLeft = m_rcFrame.left;
    nRight = m_nPageWidth - m_rcFrame.right;
    nBottom = m_nPageHeight - m_rcFrame.bottom;
}

int CCappSheet::SetSheetPageSize(int nWidth, int nHeight, int nFrameWidth, int nTop, int nLeft, int nRight, int nBottom,
                                 const CString& strPaperName)
{
    if (nWidth < 0) {
        nWidth = m_nPageWidth;
    }
    if (nHeight < 0) {
        nHeight = m_nPageHeight;
    }
    CString strReason;
    CRect rcFrame(nLeft, nTop, nWidth - nRight, nHeight - nBottom);
    BOOL bAccepted = FALSE;
    if (nTop < 0 || nLeft < 0 || nRight < 0 || nBottom < 0) {
        strReason = "页边距不能小于0";
    } else {
        bAccepted = CanSetFrameRect(rcFrame, nFrameWidth, strReason);
    }
    if (!bAccepted) {
        CCappMsgFun::ShowText(m_pWnd, strReason);
        return 0;
    }
    SetFrameRect(rcFrame, 0, nFrameWidth);
    if (!strPaperName.IsEmpty()) {
        m_strPaperName = strPaperName;
    }
    m_nPageWidth = nWidth;
    m_nPageHeight = nHeight;
    return 1;
}

void CCappSheet::NewSheetDef(int nWidth, int nHeight, int nFrameWidth, int nTop, int nLeft, int nRight, int nBottom,
                             const CString& strPaperName)
{
    m_strPaperName = strPaperName;
    m_nPageWidth = nWidth;
    m_nPageHeight = nHeight;
    CappFreeList(m_MidDataList);
    CappFreeList(m_HCellLineList);
    CappFreeList(m_VCellLineList);
    CappFreeList(m_LHOutLineList);
    CappFreeList(m_HeadCellList);
    CappFreeList(m_PageCellList);
    m_DefUndo.DetachUndoList();
    SetFrameRect(CRect(nLeft, nTop, nWidth - nRight, nHeight - nBottom), 0, nFrameWidth);
    SetNewLineID();
}

// ---------------------------------------------------------------------------------------------
// Line edits

void CCappSheet::InsertLineSorted(CObList& list, CCappLine* pLine) const
{
    // Position order; a line joins the end of the lines at its own position.
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        POSITION posItem = pos;
        auto* pOther = static_cast<CCappLine*>(list.GetNext(pos));
        if (pOther->m_nPos > pLine->m_nPos) {
            list.InsertBefore(posItem, pLine);
            return;
        }
    }
    list.AddTail(pLine);
}

void CCappSheet::CollectCells(CObList& cells) const
{
    cells.AddTail(const_cast<CObList*>(&m_HeadCellList));
    cells.AddTail(const_cast<CObList*>(&m_PageCellList));
    cells.AddTail(const_cast<CObList*>(&m_OutCellList));
    ForEach<CCappMidData>(m_MidDataList, [&](CCappMidData* pMid) { cells.AddTail(&pMid->m_listMidCell); });
}

BOOL CCappSheet::IsLineUsed(const CCappLine* pLine) const
{
    const int nID = pLine->m_nID;
    const BOOL bHorz = pLine->IsHorizontal();
    if (!bHorz && !pLine->IsVertical()) {
        return FALSE;
    }
    CObList cells;
    CollectCells(cells);
    POSITION pos = cells.GetHeadPosition();
    while (pos != nullptr) {
        auto* pCell = static_cast<CCappCell*>(cells.GetNext(pos));
        if (bHorz ? (pCell->m_nTopLineID == nID || pCell->m_nBottomLineID == nID)
                  : (pCell->m_nLeftLineID == nID || pCell->m_nRightLineID == nID)) {
            return TRUE;
        }
    }
    BOOL bUsed = FALSE;
    ForEach<CCappMidData>(m_MidDataList, [&](CCappMidData* pMid) {
        ForEach<CCappMDSeatItem>(pMid->m_listSeatItem, [&](CCappMDSeatItem* pSeat) {
            if (bHorz ? (pSeat->m_nTopLineID == nID || pSeat->m_nBottomLineID == nID)
                      : (pSeat->m_nLeftLineID == nID || pSeat->m_nRightLineID == nID)) {
                bUsed = TRUE;
            }
        });
    });
    return bUsed;
}

void CCappSheet::RepointLine(const CCappLine* pLine, int nFromID, int nToID, BOOL bAll, int nBeyond, BOOL bForward)
{
    // A cut at nBeyond hands over what lies past it towards the line's end; a link hands over
    // everything.
    const BOOL bHorz = pLine->IsHorizontal();
    const int nCrossType = CrossType(pLine->m_nType);

    // An edge pair lies beyond when its side nearest the cut is at or past it.
    auto fnBeyond = [&](int nLowID, int nHighID) -> BOOL {
        if (bAll) {
            return TRUE;
        }
        int nSide = 0;
        if (!GetLineSpace(nCrossType, bForward ? nLowID : nHighID, nSide)) {
            return FALSE;
        }
        return (bForward ? nSide >= nBeyond : nSide <= nBeyond) ? TRUE : FALSE;
    };
    auto fnEdges = [&](int& nFirst, int& nSecond, int nLowID, int nHighID) {
        if ((nFirst == nFromID || nSecond == nFromID) && fnBeyond(nLowID, nHighID)) {
            if (nFirst == nFromID) {
                nFirst = nToID;
            }
            if (nSecond == nFromID) {
                nSecond = nToID;
            }
        }
    };

    CObList cells;
    CollectCells(cells);
    POSITION pos = cells.GetHeadPosition();
    while (pos != nullptr) {
        auto* pCell = static_cast<CCappCell*>(cells.GetNext(pos));
        if (bHorz) {
            fnEdges(pCell->m_nTopLineID, pCell->m_nBottomLineID, pCell->m_nLeftLineID, pCell->m_nRightLineID);
        } else {
            fnEdges(pCell->m_nLeftLineID, pCell->m_nRightLineID, pCell->m_nTopLineID, pCell->m_nBottomLineID);
        }
    }
    ForEach<CCappMidData>(m_MidDataList, [&](CCappMidData* pMid) {
        ForEach<CCappMDSeatItem>(pMid->m_listSeatItem, [&](CCappMDSeatItem* pSeat) {
            if (bHorz) {
                fnEdges(pSeat->m_nTopLineID, pSeat->m_nBottomLineID, pSeat->m_nLeftLineID, pSeat->m_nRightLineID);
            } else {
                fnEdges(pSeat->m_nLeftLineID, pSeat->m_nRightLineID, pSeat->m_nTopLineID, pSeat->m_nBottomLineID);
            }
        });
    });

    // Crossing lines that end on the line: one standing exactly at the cut keeps the old line.
    CObList* pCross = GetLineList(nCrossType);
    ForEach<CCappLine>(*pCross, [&](CCappLine* pOther) {
        if (pOther->m_nStartID != nFromID && pOther->m_nEndID != nFromID) {
            return;
        }
        if (!bAll && (bForward ? pOther->m_nPos <= nBeyond : pOther->m_nPos >= nBeyond)) {
            return;
        }
        if (pOther->m_nStartID == nFromID) {
            pOther->m_nStartID = nToID;
        }
        if (pOther->m_nEndID == nFromID) {
            pOther->m_nEndID = nToID;
        }
    });
}

CCappLine* CCappSheet::AddCellLineBySpace(UINT nType, int nID, int nPos, int nStartID, int nEndID, int bUndo)
{
    const int nLineType = static_cast<int>(nType);
    if (nType != CCappLine::typeHCell && nType != CCappLine::typeVCell && nType != CCappLine::typeLHOut) {
        return nullptr;
    }
    CObList* pList = GetLineList(nLineType);
    if (nID == -1) {
        nID = NewLineID(pList);
    } else if (FindInList(pList, nID) != nullptr) {
        nID = -1;
    }
    if (nID < 0) {
        return nullptr;
    }
    if (IsCellLineType(nLineType)) {
        const CObList* pCross = GetCrossList(nLineType);
        if (nStartID == nEndID || FindInList(pCross, nStartID) == nullptr || FindInList(pCross, nEndID) == nullptr) {
            return nullptr;
        }
    }
    // The same line stored from its other end is a copy too.
    POSITION pos = pList->GetHeadPosition();
    while (pos != nullptr) {
        auto* pOther = static_cast<CCappLine*>(pList->GetNext(pos));
        if (pOther->m_nPos == nPos && ((pOther->m_nStartID == nStartID && pOther->m_nEndID == nEndID) ||
                                       (pOther->m_nStartID == nEndID && pOther->m_nEndID == nStartID))) {
            return nullptr;
        }
    }

    auto* pLine = new CCappLine;
    pLine->m_nType = nLineType;
    pLine->m_nID = nID;
    pLine->m_nPos = nPos;
    pLine->m_nStartID = nStartID;
    pLine->m_nEndID = nEndID;
    InsertLineSorted(*pList, pLine);
    if (bUndo) {
        m_DefUndo.AddCellLine(nLineType, nID, nStartID, nEndID, nPos);
    }
    return pLine;
}

int CCappSheet::DelCellLine(int nType, int nID, int bUndo)
{
    POSITION posLine = nullptr;
    CCappLine* pLine = FindLineAt(nType, nID, &posLine);
    if (!CanDelCellLine(pLine)) {
        return 0;
    }
    if (bUndo) {
        m_DefUndo.DelCellLine(nType, nID, pLine->m_nStartID, pLine->m_nEndID, pLine->m_nPos, pLine->m_nWidth,
                              pLine->m_crColor, GetLineIndex(nType, nID));
    }
    GetLineList(nType)->RemoveAt(posLine);
    delete pLine;
    return 1;
}

BOOL CCappSheet::CanDelCellLine(const CCappLine* pLine) const
{
    if (pLine == nullptr || pLine->m_nType == CCappLine::typeHFrame || pLine->m_nType == CCappLine::typeVFrame) {
        return FALSE;
    }
    return pLine->m_nType == CCappLine::typeLHOut || (!IsLineUsed(pLine) && !HaveJoinLine(pLine));
}

int CCappSheet::MoveCellLine(int nType, int nID, int nPos, int bUndo)
{
    POSITION posLine = nullptr;
    CCappLine* pLine = FindLineAt(nType, nID, &posLine);
    if (pLine == nullptr || pLine->m_nType == CCappLine::typeHFrame || pLine->m_nType == CCappLine::typeVFrame) {
        return 0;
    }
    const int nOldPos = pLine->m_nPos;
    if (nOldPos == nPos) {
        return 1;
    }
    const int nOldIndex = bUndo ? GetLineIndex(nType, nID) : -1;
    CObList* pList = GetLineList(nType);
    pList->RemoveAt(posLine);
    pLine->m_nPos = nPos;
    InsertLineSorted(*pList, pLine);
    if (bUndo) {
        m_DefUndo.MoveCellLine(nType, nID, nOldPos, nPos, nOldIndex);
    }
    return 1;
}

int CCappSheet::ReachCellLine(int nType, int nID, int nStartID, int nEndID, int bUndo)
{
    CCappLine* pLine = FindLine(nType, nID);
    if (pLine == nullptr || !IsCellLineType(pLine->m_nType) || nStartID == nEndID) {
        return 0;
    }
    const CObList* pCross = GetCrossList(pLine->m_nType);
    if (FindInList(pCross, nStartID) == nullptr || FindInList(pCross, nEndID) == nullptr) {
        return 0;
    }
    const int nOldStartID = pLine->m_nStartID;
    const int nOldEndID = pLine->m_nEndID;
    if (nOldStartID == nStartID && nOldEndID == nEndID) {
        return 1;
    }
    pLine->m_nStartID = nStartID;
    pLine->m_nEndID = nEndID;
    if (bUndo) {
        m_DefUndo.ReachCellLine(nType, nID, nOldStartID, nStartID, nOldEndID, nEndID);
    }
    return 1;
}

CCappLine* CCappSheet::CutCellLine(int nType, int nID, int nCrossID, int nNewID, int bUndo)
{
    POSITION posLine = nullptr;
    CObList* pList = GetLineList(nType);
    CCappLine* pLine = FindLineAt(nType, nID, &posLine);
    if (pLine == nullptr || !IsCellLineType(pLine->m_nType)) {
        return nullptr;
    }
    const int nCrossType = CrossType(pLine->m_nType);
    const CCappLine* pCross = FindInList(GetLineList(nCrossType), nCrossID);
    if (pCross == nullptr) {
        return nullptr;
    }
    // The crossing line must lie strictly inside the line and reach across it.
    int nStart = 0;
    int nEnd = 0;
    int nCrossStart = 0;
    int nCrossEnd = 0;
    if (!GetLineSpace(nCrossType, pLine->m_nStartID, nStart) || !GetLineSpace(nCrossType, pLine->m_nEndID, nEnd) ||
        !GetLineSpace(pLine->m_nType, pCross->m_nStartID, nCrossStart) ||
        !GetLineSpace(pLine->m_nType, pCross->m_nEndID, nCrossEnd)) {
        return nullptr;
    }
    const int nCut = pCross->m_nPos;
    if (nCut <= std::min(nStart, nEnd) || nCut >= std::max(nStart, nEnd) ||
        pLine->m_nPos < std::min(nCrossStart, nCrossEnd) || pLine->m_nPos > std::max(nCrossStart, nCrossEnd)) {
        return nullptr;
    }
    if (nNewID == -1) {
        nNewID = NewLineID(pList);
    } else if (FindInList(pList, nNewID) != nullptr) {
        nNewID = -1;
    }
    if (nNewID < 0) {
        return nullptr;
    }

    auto* pPiece = new CCappLine(*pLine);
    pPiece->m_nID = nNewID;
    pPiece->m_nStartID = nCrossID;
    pPiece->m_nEndID = pLine->m_nEndID;
    pLine->m_nEndID = nCrossID;
    pList->InsertAfter(posLine, pPiece);
    RepointLine(pLine, nID, nNewID, FALSE, nCut, nStart < nEnd);
    if (bUndo) {
        m_DefUndo.CutCellLine(nType, nID, nNewID, nCrossID);
    }
    return pPiece;
}

int CCappSheet::LinkCellLine(int nType, int nID, int nOtherID, int bUndo)
{
    POSITION posOther = nullptr;
    CCappLine* pLine = FindLine(nType, nID);
    CCappLine* pOther = FindLineAt(nType, nOtherID, &posOther);
    if (pLine == nullptr || pOther == nullptr || pLine == pOther || !IsCellLineType(pLine->m_nType) ||
        pOther->m_nType != pLine->m_nType || pOther->m_nStartID != pLine->m_nEndID || pOther->m_nPos != pLine->m_nPos) {
        return 0;
    }
    // Both must run the same way from the joint: a line stored end-first would overlap the other
    // and the join would lose part of the ruling.
    const int nCrossType = CrossType(pLine->m_nType);
    int nStart = 0;
    int nJoint = 0;
    int nEnd = 0;
    if (!GetLineSpace(nCrossType, pLine->m_nStartID, nStart) || !GetLineSpace(nCrossType, pLine->m_nEndID, nJoint) ||
        !GetLineSpace(nCrossType, pOther->m_nEndID, nEnd) ||
        !((nStart < nJoint && nJoint < nEnd) || (nStart > nJoint && nJoint > nEnd))) {
        return 0;
    }
    const int nOtherIndex = bUndo ? GetLineIndex(nType, nOtherID) : -1;
    const int nJoinID = pLine->m_nEndID;
    const int nOtherWidth = pOther->m_nWidth;
    const COLORREF crOther = pOther->m_crColor;
    pLine->m_nEndID = pOther->m_nEndID;
    RepointLine(pLine, nOtherID, nID, TRUE, 0, TRUE);
    GetLineList(nType)->RemoveAt(posOther);
    delete pOther;
    if (bUndo) {
        m_DefUndo.LinkCellLine(nType, nID, nOtherID, nJoinID, nOtherWidth, crOther, nOtherIndex);
    }
    return 1;
}
