// Drawing of one cell's text, value, data ranges or picture.
#include <algorithm>
#include <vector>

#include "core/CappCell.h"
#include "core/CappFont.h"
#include "core/CappSizeLimit.h"
#include "core/CardCommFun.h"
#include "core/CellDataItem.h"
#include "platform/base/File.h"
#include "platform/gdi/DC.h"
#include "symedit/CappDrawCache.h"
#include "symedit/CappDrawScope.h"
#include "symedit/CappNumEdit.h"
#include "symedit/CappStaticTextCtl.h"
#include "symedit/GlyphworkEdit.h"

namespace
{

constexpr COLORREF kNoFill = 0xFFFFFF;
// Data ranges keep their text clear of the cell's side lines.
constexpr int kRangeInset = 10;

// Reads a .bmp file whole; empty when it cannot be read or is no bitmap file.
std::vector<BYTE> ReadBitmapFile(const CString& strPath)
{
    std::vector<BYTE> bytes;
    CFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite)) {
        return bytes;
    }
    const ULONGLONG nLength = file.GetLength();
    if (nLength < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) || nLength > 0x10000000) {
        return bytes;
    }
    bytes.resize(static_cast<size_t>(nLength));
    if (file.Read(bytes.data(), static_cast<UINT>(nLength)) != nLength || bytes[0] != 'B' || bytes[1] != 'M') {
        bytes.clear();
    }
    return bytes;
}

// Scales the picture to fit the rectangle, keeping its proportions, placed by the text format's
// alignment bits.
void DrawBitmapFile(CDC* pDC, const CString& strPath, const CRect& rect, int nFormat)
{
    const std::vector<BYTE> bytes = ReadBitmapFile(strPath);
    if (bytes.empty()) {
        return;
    }
    BITMAPFILEHEADER bfh = {};
    std::copy_n(bytes.data(), sizeof(bfh), reinterpret_cast<BYTE*>(&bfh));
    const auto* pInfo = reinterpret_cast<const BITMAPINFO*>(bytes.data() + sizeof(BITMAPFILEHEADER));
    const LONG cx = pInfo->bmiHeader.biWidth;
    const LONG cy = std::abs(pInfo->bmiHeader.biHeight);
    if (bfh.bfOffBits >= bytes.size() || pInfo->bmiHeader.biSize > bytes.size() - sizeof(BITMAPFILEHEADER) || cx <= 0 ||
        cy <= 0 || rect.IsRectEmpty()) {
        return;
    }
    const double dScale = std::min(static_cast<double>(rect.Width()) / cx, static_cast<double>(rect.Height()) / cy);
    const int cxDraw = static_cast<int>(cx * dScale);
    const int cyDraw = static_cast<int>(cy * dScale);
    int x = rect.left;
    if (nFormat & DT_CENTER) {
        x += (rect.Width() - cxDraw) / 2;
    } else if (nFormat & DT_RIGHT) {
        x = rect.right - cxDraw;
    }
    int y = rect.top;
    if (nFormat & DT_VCENTER) {
        y += (rect.Height() - cyDraw) / 2;
    } else if (nFormat & DT_BOTTOM) {
        y = rect.bottom - cyDraw;
    }
    ::StretchDIBits(pDC->m_hDC, x, y, cxDraw, cyDraw, 0, 0, cx, cy, bytes.data() + bfh.bfOffBits, pInfo, DIB_RGB_COLORS,
                    SRCCOPY);
}

// The record as the cell's scaled font has it on that DC (see CCappContextFont).
LOGFONTA ScaledFont(CDC* pDC, const LOGFONTA& lf)
{
    LOGFONTA lfScaled = lf;
    lfScaled.lfHeight = CalcFontHeight(pDC, lf.lfHeight);
    lfScaled.lfWidth = CalcFontHeight(pDC, lf.lfWidth);
    return lfScaled;
}

void FillUnlessNone(CDC* pDC, const CRect& rect, COLORREF crFill)
{
    if (crFill != kNoFill) {
        pDC->FillSolidRect(&rect, crFill);
    }
}

} // namespace

void CCappCell::GetDrawFont(LOGFONTA& lf) const
{
    lf = m_lfFont;
    lf.lfHeight = m_nFontHeight;
    // Cells are also filled by the designer and by scripts, not only from the archive.
    CappClampLogFont(lf);
}

CFont* CCappCell::GetDrawLoginFont(CDC* pDC, LPCSTR pszContext)
{
    LOGFONTA lf;
    GetDrawFont(lf);
    return m_drawFont.Get(pDC, lf, pszContext);
}

void CCappCell::DrawCellText(CDC* pDC, const CRect& rect, int bShowName)
{
    // The fonts come from the open draw's cache (the sheet's, or this cell's own): one per
    // distinct record, selected only when it changes.
    CCappDrawScope scope;
    CCappDrawCache& cache = scope.GetCache();
    LOGFONTA lf;
    GetDrawFont(lf);
    const LOGFONTA lfScaled = ScaledFont(pDC, lf);
    const BOOL bScaled = cache.GetFont(lfScaled) != nullptr;
    if (bScaled) {
        lf = lfScaled;
    }
    switch (m_nContentKind) {
    case kindStatic:
    case kindStaticOther: {
        if (bScaled) {
            cache.SelectFont(pDC, lf);
        }
        pDC->SetTextColor(m_crText);
        FillUnlessNone(pDC, rect, m_crBack);
        CCappStaticTextCtl::DrawData(pDC, rect, m_strText, m_nStaticMode, m_nTextFormat, lf, m_crText);
        return;
    }
    case kindImage:
        if (bShowName != 0) {
            CCappStaticTextCtl::DrawData(pDC, rect, "Image-[" + m_strVarName + "]", 1, m_nTextFormat, lf, m_crText);
        } else if (CCardCommFun::GetFileExtName(m_strText).MakeUpper() == "BMP") {
            DrawBitmapFile(pDC, m_strText, CRect(rect.left + 2, rect.top + 1, rect.right - 1, rect.bottom - 1),
                           m_nTextFormat);
        }
        return;
    case kindVariable:
        break;
    default:
        return;
    }
    if (bShowName != 0) {
        FillUnlessNone(pDC, rect, m_crBack);
        CCappStaticTextCtl::DrawData(pDC, rect, "[" + m_strVarName + "]", 1, m_nTextFormat, lf, m_crText);
        return;
    }
    // A value, or each data range, the same way: its fill, text in its colour, then the inversion.
    auto drawValue = [&](const CString& strText, const CRect& rcFill, const CRect& rcText, CCellDataItem* pRange,
                         bool bOneRow) {
        const int nRangeFlags = pRange != nullptr ? pRange->m_nFlags : 0;
        if (nRangeFlags & CCellDataItem::flagOwnBack) {
            pDC->FillSolidRect(&rcFill, pRange->m_crBack);
        } else if (m_nMarkFlags & markFill) {
            pDC->FillSolidRect(&rcFill, m_crMark);
        } else {
            FillUnlessNone(pDC, rcFill, m_crBack);
        }
        COLORREF crText = (m_nMarkFlags & markText) ? m_crMarkText : m_crText;
        if (nRangeFlags & CCellDataItem::flagOwnText) {
            crText = pRange->m_crText;
        }
        LOGFONTA lfRange = lf;
        if (pRange != nullptr && (nRangeFlags & CCellDataItem::flagOwnFont) != 0) {
            const LOGFONTA lfOwn = ScaledFont(pDC, pRange->m_lfFont);
            if (cache.GetFont(lfOwn) != nullptr) {
                lfRange = lfOwn;
            }
        }
        DrawDataText(pDC, strText, rcText, crText, m_nTextFormat, lfRange, bOneRow);
        if (m_nMarkFlags & markInvert) {
            ::InvertRect(pDC->m_hDC, &rcFill);
        }
    };
    if (m_listCellData.IsEmpty()) {
        drawValue(m_strText, rect, rect, nullptr, false);
        return;
    }
    POSITION pos = m_listCellData.GetHeadPosition();
    while (pos != nullptr) {
        auto* pRange = static_cast<CCellDataItem*>(m_listCellData.GetNext(pos));
        if (!::RectVisible(pDC->m_hDC, &pRange->m_rect)) {
            continue;
        }
        CRect rcText = pRange->m_rect;
        rcText.DeflateRect(kRangeInset, 0);
        drawValue(pRange->m_strText, pRange->m_rect, rcText, pRange, true);
    }
}

void CCappCell::DrawDataText(CDC* pDC, const CString& strText, const CRect& rect, COLORREF crText, int nFormat,
                             const LOGFONTA& lf, bool bOneRow)
{
    if (strText.IsEmpty()) {
        return;
    }
    const BOOL bSpecial = (m_nDisplay & 0x8) != 0 || (m_nEditFlags & 0x10) != 0;
    if (lf.lfEscapement == 0 && (bSpecial || (m_nDisplay & 0x2) != 0)) {
        if (bSpecial) {
            CGlyphworkEdit edit;
            const UINT nEditFormat =
                (m_nDisplay & 0x6) & (CGlyphworkEdit::formatFitRow | CGlyphworkEdit::formatBreakByWidth);
            edit.DrawData(pDC, rect, strText, lf, nEditFormat, nFormat & 0xF, !bOneRow, crText);
        } else {
            CCappNumEdit::DrawData(pDC, rect, strText, lf, static_cast<UINT>(nFormat), 0x2, crText);
        }
        return;
    }
    CCappStaticTextCtl::DrawData(pDC, rect, strText, 1, nFormat, lf, crText);
}
