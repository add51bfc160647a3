#include "core/CardRptExport.h"

#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "core/CardCommFun.h"
#include "core/CellDataItem.h"

namespace
{
// Records are joined by CR LF, none before the first or after the last.
void AddRecord(CString& strOut, const CString& strRecord)
{
    if (!strOut.IsEmpty()) {
        strOut += "\r\n";
    }
    strOut += strRecord;
}

CString RectRecord(const CRect& rect, int nWidth, COLORREF cr)
{
    CString strRecord;
    strRecord.Format("RECT:%d$@$%d$@$%d$@$%d$@$%d$@$%d$@$$*$", static_cast<int>(rect.left), static_cast<int>(rect.top),
                     static_cast<int>(rect.right), static_cast<int>(rect.bottom), nWidth, static_cast<int>(cr));
    return strRecord;
}

CString TextRecord(const CRect& rect, const CCappCell* pCell, const CString& strText)
{
    const LOGFONTA& lf = pCell->m_lfFont;
    CString strRecord;
    strRecord.Format("TEXT:%d$@$%d$@$%d$@$%d$@$%d$@$%d$@$%d$@$%d$@$%d$@$%s$@$", static_cast<int>(rect.left),
                     static_cast<int>(rect.top), static_cast<int>(rect.right), static_cast<int>(rect.bottom),
                     pCell->m_nTextFormat, pCell->m_nTextDir, pCell->m_nDisplay, static_cast<int>(pCell->m_crText),
                     static_cast<int>(pCell->m_crBack), CCardRptExport::EscapeField(strText).GetString());
    strRecord.AppendFormat("%d$@$%d$@$%d$@$%d$@$%d$@$%d$@$%d$@$%d$@$%d$@$%d$@$%d$@$%d$@$%d$@$%s$@$$*$",
                           pCell->m_nFontHeight, static_cast<int>(lf.lfWidth), static_cast<int>(lf.lfEscapement),
                           static_cast<int>(lf.lfOrientation), static_cast<int>(lf.lfWeight), lf.lfItalic,
                           lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet, lf.lfOutPrecision, lf.lfClipPrecision,
                           lf.lfQuality, lf.lfPitchAndFamily,
                           CCardRptExport::EscapeField(CString(lf.lfFaceName)).GetString());
    return strRecord;
}

BOOL IsShownKind(int nKind)
{
    return nKind == CCappCell::kindVariable || nKind == CCappCell::kindStaticOther;
}

// The picture record of a cell of content kind 4: "DWG:" or "BMP:" by the file's extension.
void AddPicture(CString& strOut, const CCappSheet* pSheet, const CCappCell* pCell)
{
    if (pCell->m_nContentKind != CCappCell::kindImage || pCell->m_strText.IsEmpty()) {
        return;
    }
    const CString strExt = CCardCommFun::GetFileExtName(pCell->m_strText).MakeUpper();
    const CString strFile = CCardRptExport::EscapeField(CCardCommFun::GetFileName(pCell->m_strText));
    const CRect rect = pSheet->GetCellRect(pCell);
    CString strRecord;
    if (strExt == "DWG") {
        strRecord.Format("DWG:%d$@$%d$@$%d$@$%d$@$%s$@$%s$@$$*$", static_cast<int>(rect.left),
                         static_cast<int>(rect.top), static_cast<int>(rect.right), static_cast<int>(rect.bottom),
                         strFile.GetString(), CCardRptExport::EscapeField(pCell->m_strDrawText).GetString());
    } else if (strExt == "BMP") {
        strRecord.Format("BMP:%d$@$%d$@$%d$@$%d$@$%s$@$$*$", static_cast<int>(rect.left), static_cast<int>(rect.top),
                         static_cast<int>(rect.right), static_cast<int>(rect.bottom), strFile.GetString());
    } else {
        return;
    }
    AddRecord(strOut, strRecord);
}

void AddShownText(CString& strOut, const CCappSheet* pSheet, const CCappCell* pCell)
{
    if (IsShownKind(pCell->m_nContentKind) && !pCell->m_strText.IsEmpty()) {
        AddRecord(strOut, TextRecord(pSheet->GetCellRect(pCell), pCell, pCell->m_strText));
    }
}
} // namespace

CString CCardRptExport::EscapeField(const CString& strText)
{
    CString strOut;
    const int nLen = strText.GetLength();
    for (int i = 0; i < nLen; ++i) {
        const char ch = strText[i];
        if (ch == '\r' || ch == '\n') {
            if (ch == '\r' && i + 1 < nLen && strText[i + 1] == '\n') {
                ++i;
            }
            strOut += ' ';
            continue;
        }
        strOut += ch;
        // '$' is never a GBK trail byte, so the byte after it starts a character of its own.
        if (ch == '$' && i + 1 < nLen && (strText[i + 1] == '@' || strText[i + 1] == '*')) {
            strOut += strText[++i];
            strOut += ' ';
        } else if (CString::CharLength(strText.GetString() + i) == 2) {
            strOut += strText[++i];
        }
    }
    return strOut;
}

void CCardRptExport::CappSheetToRPTBlock(CCappSheet*& pSheet, const CString& strGroupName, CString& strOut)
{
    strOut.Empty();
    if (pSheet == nullptr) {
        return;
    }
    CString strRecord;
    strRecord.Format("SEGMENT:GROUP$@$%s$@$$*$", EscapeField(strGroupName).GetString());
    AddRecord(strOut, strRecord);
    AddRecord(strOut, RectRecord(CRect(0, 0, pSheet->m_nPageWidth, pSheet->m_nPageHeight), 2, 16777215));
    AddRecord(strOut, RectRecord(pSheet->m_rcFrame, 5, 16777215));
    const CObList* lineLists[] = {&pSheet->m_HCellLineList, &pSheet->m_VCellLineList, &pSheet->m_LHOutLineList,
                                  &pSheet->m_TVOutLineList, &pSheet->m_RHOutLineList, &pSheet->m_BVOutLineList};
    for (const CObList* pList : lineLists) {
        POSITION pos = pList->GetHeadPosition();
        while (pos != nullptr) {
            const auto* pLine = static_cast<const CCappLine*>(pList->GetNext(pos));
            CPoint ptStart;
            CPoint ptEnd;
            pSheet->GetLineCoordinate(pLine, ptStart, ptEnd, 0);
            strRecord.Format("LINE:%d$@$%d$@$%d$@$%d$@$%d$@$%d$@$$*$", static_cast<int>(ptStart.x),
                             static_cast<int>(ptStart.y), static_cast<int>(ptEnd.x), static_cast<int>(ptEnd.y),
                             pLine->m_nWidth, static_cast<int>(pLine->m_crColor));
            AddRecord(strOut, strRecord);
        }
    }
    for (const CObList* pList : {&pSheet->m_OutCellList, &pSheet->m_HeadCellList}) {
        POSITION pos = pList->GetHeadPosition();
        while (pos != nullptr) {
            const auto* pCell = static_cast<const CCappCell*>(pList->GetNext(pos));
            if (pCell->m_nContentKind == CCappCell::kindStatic) {
                AddRecord(strOut, TextRecord(pSheet->GetCellRect(pCell), pCell, pCell->m_strText));
            }
        }
    }
}

void CCardRptExport::SaveRPTPage(CCappSheet*& pSheet, CString& strOut)
{
    strOut.Empty();
    if (pSheet == nullptr) {
        return;
    }
    CString strRecord;
    strRecord.Format("SEGMENT:PAGE$@$%d$@$%d$@$$*$", pSheet->m_nPageWidth, pSheet->m_nPageHeight);
    AddRecord(strOut, strRecord);
    POSITION pos = pSheet->m_HeadCellList.GetHeadPosition();
    while (pos != nullptr) {
        AddShownText(strOut, pSheet, static_cast<const CCappCell*>(pSheet->m_HeadCellList.GetNext(pos)));
    }
    pos = pSheet->m_MidDataList.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pArea = static_cast<const CCappMidData*>(pSheet->m_MidDataList.GetNext(pos));
        POSITION posCell = pArea->m_listMidCell.GetHeadPosition();
        while (posCell != nullptr) {
            const auto* pCell = static_cast<const CCappCell*>(pArea->m_listMidCell.GetNext(posCell));
            if (pCell->m_nContentKind != CCappCell::kindVariable) {
                continue;
            }
            POSITION posRow = pCell->m_listCellData.GetHeadPosition();
            while (posRow != nullptr) {
                const auto* pRow = static_cast<const CCellDataItem*>(pCell->m_listCellData.GetNext(posRow));
                if (!pRow->m_strText.IsEmpty()) {
                    AddRecord(strOut, TextRecord(pRow->m_rect, pCell, pRow->m_strText));
                }
            }
        }
    }
    pos = pSheet->m_PageCellList.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pCell = static_cast<const CCappCell*>(pSheet->m_PageCellList.GetNext(pos));
        AddPicture(strOut, pSheet, pCell);
        AddShownText(strOut, pSheet, pCell);
    }
    pos = pSheet->m_HeadCellList.GetHeadPosition();
    while (pos != nullptr) {
        AddPicture(strOut, pSheet, static_cast<const CCappCell*>(pSheet->m_HeadCellList.GetNext(pos)));
    }
}
