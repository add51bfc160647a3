// The run-time side of a detail area: binding to the card's detail data, measuring data rows,
// where a page ends and filling the cells' data ranges for one page.
#include <algorithm>
#include <memory>

#include "core/CappCardData.h"
#include "core/CappCell.h"
#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CappMidRow.h"
#include "core/CappMsgFun.h"
#include "core/CellDataItem.h"
#include "core/CellFieldDataItem.h"
#include "core/CellIndexItem.h"
#include "core/res/resource.h"
#include "symedit/GlyphworkEdit.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace
{

// Values taller than this stay laid out for the page filling.
constexpr int kCachedRows = 49;
// As cell text is narrowed for drawing (CappCellDraw.cpp).
constexpr int kRangeInset = 10;

CString LoadText(UINT nID)
{
    CString str;
    str.LoadString(reinterpret_cast<HINSTANCE>(&__ImageBase), nID);
    return str;
}

// A variable cell of the area that shows values.
BOOL IsValueCell(const CCappCell* pCell)
{
    return !pCell->IsHide() && pCell->m_nContentKind == CCappCell::kindVariable;
}

// Laid out one line per row (cell integers 3 and 8 both 1): the only cells measured and spread.
BOOL IsRowLaidOut(const CCappCell* pCell)
{
    return pCell->m_nDisplay == 1 && pCell->m_nTextDir == 1;
}

BOOL Contains(const CStringArray& arr, const CString& str)
{
    for (INT_PTR i = 0; i < arr.GetSize(); ++i) {
        if (arr[i] == str) {
            return TRUE;
        }
    }
    return FALSE;
}

CCellDataItem* GetDataRange(const CCappCell* pCell, int nGridRow)
{
    POSITION pos = nGridRow >= 0 ? pCell->m_listCellData.FindIndex(nGridRow) : nullptr;
    return pos != nullptr ? static_cast<CCellDataItem*>(pCell->m_listCellData.GetAt(pos)) : nullptr;
}

// The value laid out for the width of the cell's first data range, as the special edit breaks it.
std::unique_ptr<CGlyphworkEdit> LayOutValue(CDC* pDC, const CCappCell* pCell, const CString& strValue)
{
    CRect rect;
    pCell->GetBaseRect(rect);
    rect.DeflateRect(kRangeInset, 0);
    LOGFONTA lf;
    pCell->GetDrawFont(lf);
    auto pEdit = std::make_unique<CGlyphworkEdit>();
    pEdit->SetBaseData(pDC, rect, lf, CGlyphworkEdit::formatBreakByWidth, pCell->m_nTextFormat & 0xF, strValue);
    return pEdit;
}

void SetRange(CCellDataItem* pRange, const CString& strText, const CCellFieldDataItem* pItem)
{
    pRange->m_strText = strText;
    if (pItem != nullptr) {
        pRange->m_nFlags = pItem->m_nDispFlag;
        pRange->m_crBack = static_cast<COLORREF>(pItem->m_nDisp1);
        pRange->m_crText = static_cast<COLORREF>(pItem->m_nDisp2);
        pRange->m_lfFont = pItem->m_lfFont;
    } else {
        pRange->m_nFlags = 0;
    }
}

} // namespace

CCappCell* CCappMidData::GetCellByName(const CString& strVarName) const
{
    if (strVarName.IsEmpty()) {
        return nullptr;
    }
    POSITION pos = m_listMidCell.GetHeadPosition();
    while (pos != nullptr) {
        auto* pCell = static_cast<CCappCell*>(m_listMidCell.GetNext(pos));
        if (pCell->m_strVarName == strVarName) {
            return pCell;
        }
    }
    return nullptr;
}

int CCappMidData::GetIndexStepByVarName(const CString& strVarName) const
{
    POSITION pos = m_listIndexItem.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pItem = static_cast<const CCellIndexItem*>(m_listIndexItem.GetNext(pos));
        if (pItem->m_strVarName == strVarName) {
            return pItem->m_nStep;
        }
    }
    return 1;
}

BOOL CCappMidData::IsMDBeginIndex(int nIndex) const
{
    if (nIndex == 0) {
        return TRUE;
    }
    for (INT_PTR i = 0; i < m_arrSubStart.GetSize(); ++i) {
        if (static_cast<int>(m_arrSubStart[i]) == nIndex) {
            return TRUE;
        }
    }
    return FALSE;
}

CString CCappMidData::GetMDNameByDataIndex(int nIndex) const
{
    if (nIndex == 0) {
        return m_strName;
    }
    CString strName;
    int nFirst = -1;
    int nLast = -1;
    GetSubMDInfo(nIndex, strName, nFirst, nLast);
    return strName;
}

BOOL CCappMidData::GetSubMDInfo(int nIndex, CString& strName, int& nFirst, int& nLast) const
{
    strName.Empty();
    nFirst = -1;
    nLast = -1;
    const INT_PTR nCount = std::min(m_arrSubStart.GetSize(), m_arrSubName.GetSize());
    if (nCount == 0) {
        return FALSE;
    }
    for (INT_PTR i = 0; i < nCount; ++i) {
        const int nStart = static_cast<int>(m_arrSubStart[i]);
        if (nStart > nIndex) {
            break;
        }
        strName = m_arrSubName[i];
        nFirst = nStart;
        nLast = (i + 1 < nCount ? static_cast<int>(m_arrSubStart[i + 1]) : m_nRowsPerPage) - 1;
    }
    return TRUE;
}

CCappMidRow* CCappMidData::InsertRowData(int nIndex)
{
    if (m_pMDData == nullptr) {
        return nullptr;
    }
    CCappMidRow* pRow = m_pMDData->InsertRowData(nIndex, 0);
    pRow->m_nState = CCappMidRow::stateNew;
    return pRow;
}

int CCappMidData::SetUseRowCount(CDC* pDC, CCappMidRow*& pRow, BOOL& bChanged, BOOL bMeasure)
{
    bChanged = FALSE;
    if (pRow == nullptr || m_pMDData == nullptr) {
        return 0;
    }
    CCappEditCache* pCache = m_pMDData->m_pCardData != nullptr ? &m_pMDData->m_pCardData->m_EditCache : nullptr;
    int nHeight = 1;
    BOOL bMeasured = FALSE;
    POSITION pos = m_listMidCell.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pCell = static_cast<const CCappCell*>(m_listMidCell.GetNext(pos));
        if (!IsValueCell(pCell) || m_pMDData->GetVarIndex(pCell->m_strVarName) < 0) {
            continue;
        }
        if (!bMeasure || (pCell->m_nMarkFlags & CCappCell::markInvert) != 0) {
            continue;
        }
        bMeasured = TRUE;
        const CCellFieldDataItem* pItem = m_pMDData->GetVarDataItem(pRow, pCell->m_strVarName);
        if (!IsRowLaidOut(pCell) || pItem == nullptr || pItem->m_strValue.IsEmpty()) {
            continue;
        }
        std::unique_ptr<CGlyphworkEdit> pEdit = LayOutValue(pDC, pCell, pItem->m_strValue);
        const int nRows = pEdit->GetRowCount();
        nHeight = std::max(nHeight, nRows);
        // Keyed by the row as well: every row of the variable has its own lines.
        if (nRows > kCachedRows && pCache != nullptr) {
            pCache->Set(pRow->m_nRowID, pCell->m_strVarName, pEdit.release());
        }
    }
    if (bMeasured) {
        bChanged = pRow->m_nLineCount != nHeight;
        pRow->m_nLineCount = nHeight;
    }
    return pRow->m_nLineCount;
}

BOOL CCappMidData::SetRowDataUseRowCount(CDC* /*pDC*/, int nStart, int nShown, int& nLast, int& nRest) const
{
    nLast = nStart - 1;
    nRest = 0;
    if (m_pMDData == nullptr || m_nRowsPerPage <= 0 || nStart < 0) {
        return FALSE;
    }
    int nSum = 0;
    int nRow = nStart;
    POSITION pos = m_pMDData->m_listRowData.FindIndex(nStart);
    while (pos != nullptr) {
        const auto* pRow = static_cast<const CCappMidRow*>(m_pMDData->m_listRowData.GetNext(pos));
        // Only the start row has lines on earlier pages.
        const int nLines = pRow->m_nLineCount - (nRow == nStart ? nShown : 0);
        nSum += nLines;
        nLast = nRow;
        if (nSum == m_nRowsPerPage) {
            nLast = nRow + 1;
            return TRUE;
        }
        if (nSum > m_nRowsPerPage) {
            nRest = nLines + m_nRowsPerPage - nSum;
            return TRUE;
        }
        ++nRow;
    }
    return FALSE;
}

BOOL CCappMidData::UpdateMidCellData(CDC* pDC, int nStartRow, int nFirstLine)
{
    m_nPageStartRow = nStartRow;
    m_nFirstLine = nFirstLine;
    // Rows of the previous page must not show through where this page's data ends.
    POSITION pos = m_listMidCell.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pCell = static_cast<const CCappCell*>(m_listMidCell.GetNext(pos));
        POSITION posRange = pCell->m_listCellData.GetHeadPosition();
        while (posRange != nullptr) {
            SetRange(static_cast<CCellDataItem*>(pCell->m_listCellData.GetNext(posRange)), CString(), nullptr);
        }
    }
    if (m_pMDData == nullptr) {
        return TRUE;
    }
    CCappEditCache* pCache = m_pMDData->m_pCardData != nullptr ? &m_pMDData->m_pCardData->m_EditCache : nullptr;
    const BOOL bHiding = m_arrKeyName.GetSize() > 0 && m_arrHideName.GetSize() > 0;
    CString strPrevKey;
    int nGridRow = 0;
    const int nRowCount = m_pMDData->GetRowCount();
    for (int nRow = std::max(nStartRow, 0); nRow < nRowCount && nGridRow < m_nRowsPerPage; ++nRow) {
        CCappMidRow* pRow = m_pMDData->GetRow(nRow);
        BOOL bHideRepeated = FALSE;
        if (bHiding) {
            CString strKey;
            for (INT_PTR i = 0; i < m_arrKeyName.GetSize(); ++i) {
                CString strValue;
                m_pMDData->GetVarData(nRow, m_arrKeyName[i], strValue, CCappMDData::inheritByDefinition);
                strKey += (i > 0 ? "$#$" : "") + strValue;
            }
            bHideRepeated = !strKey.IsEmpty() && strKey == strPrevKey;
            strPrevKey = strKey;
        }
        const int nLineCount = std::max(pRow->m_nLineCount, 1);
        const int nFirst = nRow == nStartRow ? std::clamp(nFirstLine, 0, nLineCount - 1) : 0;
        const int nLines = std::min(nLineCount - nFirst, m_nRowsPerPage - nGridRow);
        pos = m_listMidCell.GetHeadPosition();
        while (pos != nullptr) {
            const auto* pCell = static_cast<const CCappCell*>(m_listMidCell.GetNext(pos));
            if (!IsValueCell(pCell)) {
                continue;
            }
            CString strValue;
            m_pMDData->GetVarData(nRow, pCell->m_strVarName, strValue, CCappMDData::inheritByDefinition);
            if (bHideRepeated && Contains(m_arrHideName, pCell->m_strVarName)) {
                strValue.Empty();
            }
            const CCellFieldDataItem* pItem = m_pMDData->GetVarDataItem(pRow, pCell->m_strVarName);
            CCellDataItem* pRange = GetDataRange(pCell, nGridRow);
            if (pRange == nullptr) {
                CString strText;
                strText.Format(LoadText(IDS_MIDDATA_NO_RANGE), m_strName.GetString(), pCell->m_strVarName.GetString());
                CCappMsgFun::ShowText(nullptr, strText);
                return FALSE;
            }
            if (nLineCount < 2) {
                SetRange(pRange, strValue, pItem);
                continue;
            }
            if (!IsRowLaidOut(pCell)) {
                // The whole value goes where the row begins; the rest of its lines stay empty.
                SetRange(pRange, nFirst == 0 ? strValue : CString(), pItem);
                continue;
            }
            // The ranges were emptied above: an empty value leaves them so.
            if (strValue.IsEmpty()) {
                continue;
            }
            std::unique_ptr<CGlyphworkEdit> pOwnEdit;
            CGlyphworkEdit* pEdit = pCache != nullptr ? pCache->Find(pRow->m_nRowID, pCell->m_strVarName) : nullptr;
            if (pEdit == nullptr) {
                pOwnEdit = LayOutValue(pDC, pCell, strValue);
                pEdit = pOwnEdit.get();
            }
            for (int i = 0; i < nLines; ++i) {
                CCellDataItem* pLineRange = GetDataRange(pCell, nGridRow + i);
                if (pLineRange == nullptr) {
                    break;
                }
                CString strLine;
                pEdit->GetRowData(strLine, nFirst + i);
                SetRange(pLineRange, strLine, pItem);
            }
        }
        nGridRow += nLines;
    }
    return TRUE;
}

BOOL CCappMidData::GetMDCellInfoIndex(int nGridRow, int& nDataRow, int& nLine, BOOL& bBeyond, CString& strOut) const
{
    if (m_nExtFlag == 1) {
        return FALSE;
    }
    if (m_pMDData == nullptr) {
        strOut = LoadText(IDS_MIDDATA_NO_MDDATA);
        return FALSE;
    }
    int nGrid = 0;
    int nRow = std::max(m_nPageStartRow, 0);
    POSITION pos = m_pMDData->m_listRowData.FindIndex(nRow);
    while (pos != nullptr) {
        const auto* pRow = static_cast<const CCappMidRow*>(m_pMDData->m_listRowData.GetNext(pos));
        const int nLineCount = std::max(pRow->m_nLineCount, 1);
        const int nFirst = nRow == m_nPageStartRow ? std::clamp(m_nFirstLine, 0, nLineCount - 1) : 0;
        if (nGridRow < nGrid + nLineCount - nFirst) {
            nDataRow = nRow;
            nLine = nFirst + nGridRow - nGrid;
            bBeyond = FALSE;
            return TRUE;
        }
        nGrid += nLineCount - nFirst;
        ++nRow;
    }
    nDataRow = nRow + nGridRow - nGrid;
    nLine = 0;
    bBeyond = TRUE;
    return TRUE;
}
