#include "symedit/CappStaticTextCtl.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/gdi/DC.h"
#include "symedit/CappDrawCache.h"
#include "symedit/CappDrawScope.h"

void CCappStaticTextCtl::DrawData(CDC* pDC, CRect rect, CString strText, int nMode, int nFormat, LOGFONT font,
                                  COLORREF crColor)
{
    if (pDC == nullptr || pDC->m_hDC == nullptr) {
        return;
    }
    strText.Trim();
    if (strText.IsEmpty()) {
        return;
    }
    UINT uFormat = static_cast<UINT>(nFormat) & ~static_cast<UINT>(DT_SINGLELINE);
    if (nMode == modeVertical) {
        DeleteEnter(strText);
        AddEnter(strText);
    } else {
        DeleteLine(strText);
    }

    // One cache for the whole draw when a draw is open: the fonts stay selected from cell to cell
    // and go back when the draw ends. The colour and mode are the caller's again on return.
    CCappDrawScope scope;
    CCappDrawCache& cache = scope.GetCache();
    if (!cache.SelectFont(pDC, font)) {
        return;
    }
    const COLORREF crOld = pDC->SetTextColor(crColor);
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);

    int nLineHeight = cache.GetTextExtent(pDC, font, CString("Aa ")).cy;
    int nFree = rect.Height() - nLineHeight * GetRowCount(strText);
    if (nFree > 0) {
        if (uFormat & DT_VCENTER) {
            rect.top += nFree / 2;
        } else if (uFormat & DT_BOTTOM) {
            rect.top += nFree;
        }
    }

    if (nMode == modeVertical) {
        pDC->DrawText(strText, rect, uFormat);
    } else {
        CStringArray arrLines;
        FormatTextToArray(strText, arrLines);
        uFormat |= DT_SINGLELINE;
        CRect rcLine(rect.left, rect.top, rect.right, rect.top + nLineHeight);
        for (INT_PTR i = 0; i < arrLines.GetSize(); ++i) {
            // Each line narrows its own copy: the next starts again from the given width.
            LOGFONT lfLine = font;
            GetTextAutoSize(pDC, rcLine, arrLines[i], lfLine);
            if (cache.SelectFont(pDC, lfLine)) {
                pDC->DrawText(arrLines[i], rcLine, uFormat);
            }
            rcLine.OffsetRect(0, nLineHeight);
            if (rcLine.bottom > rect.bottom) {
                rcLine.bottom = rect.bottom;
            }
        }
    }
    pDC->SetBkMode(nOldBkMode);
    pDC->SetTextColor(crOld);
}

namespace
{

// The smallest character width at least two device pixels wide on the DC, at most nTop.
LONG SafeNarrowWidth(CDC* pDC, LONG nTop)
{
    const LONG nProbe = 100000;
    CSize size(nProbe, 0);
    pDC->LPtoDP(&size);
    const double dPixels = std::abs(static_cast<double>(size.cx)) / nProbe;
    if (dPixels <= 0.0) {
        return nTop;
    }
    const double dSafe = std::ceil(2.0 / dPixels);
    return dSafe >= static_cast<double>(nTop) ? nTop : std::max<LONG>(1, static_cast<LONG>(dSafe));
}

} // namespace

void CCappStaticTextCtl::DeleteEnter(CString& strText)
{
    strText.Remove('\r');
    strText.Remove('\n');
}

void CCappStaticTextCtl::AddEnter(CString& strText)
{
    CString strOut;
    CString strWord;
    LPCSTR p = strText;
    while (*p != '\0') {
        BYTE b = static_cast<BYTE>(*p);
        if (b >= 0x80) {
            if (!strWord.IsEmpty()) {
                strOut += strWord + "\n";
                strWord.Empty();
            }
            // A high byte without its trail stands alone: the byte after it is not swallowed.
            int nLen = CString::CharLength(p);
            strOut += CString(p, nLen) + "\n";
            p += nLen;
            continue;
        }
        strWord += *p;
        if (*p == ' ') {
            strOut += strWord + "\n";
            strWord.Empty();
        }
        ++p;
    }
    if (!strWord.IsEmpty()) {
        strOut += strWord + "\n";
    }
    strText = strOut;
}

void CCappStaticTextCtl::DeleteLine(CString& strText)
{
    CString strOut;
    for (LPCSTR p = strText; *p != '\0'; ++p) {
        if (*p == '\r' || *p == '\n') {
            if (strOut.IsEmpty() || strOut[strOut.GetLength() - 1] != '\n') {
                strOut += '\n';
            }
        } else {
            strOut += *p;
        }
    }
    strText = strOut;
}

int CCappStaticTextCtl::GetRowCount(CString strText)
{
    int nLength = strText.GetLength();
    if (nLength == 0) {
        return 0;
    }
    int nRows = 1;
    for (int i = 0; i < nLength; ++i) {
        if (strText[i] == '\n') {
            ++nRows;
        }
    }
    if (strText[nLength - 1] == '\n') {
        --nRows;
    }
    return nRows;
}

void CCappStaticTextCtl::FormatTextToArray(CString strText, CStringArray& arrLines)
{
    arrLines.Split(strText, '\n', FALSE);
}

int CCappStaticTextCtl::GetWidth(CDC* pDC, LOGFONT font, CString strText)
{
    if (pDC == nullptr || pDC->m_hAttribDC == nullptr) {
        return 0;
    }
    CCappDrawScope scope;
    return scope.GetCache().GetTextExtent(pDC, font, strText).cx;
}

void CCappStaticTextCtl::GetTextAutoSize(CDC* pDC, CRect rect, CString strText, LOGFONT& font)
{
    // The trial fonts are made once each and freed when the narrowing ends, unless a draw is open.
    CCappDrawScope scope;
    int nMaxWidth = rect.Width();
    if (GetWidth(pDC, font, strText) <= nMaxWidth) {
        return;
    }
    if (font.lfWidth == 0) {
        font.lfWidth = (std::abs(font.lfHeight) + 1) / 2;
    }
    font.lfWidth = std::abs(font.lfWidth);
    if (font.lfWidth <= 1) {
        return;
    }
    // The widest width below the given one at which the text fits, else 1, as narrowing one unit
    // at a time from the top finds it. A character width under two device pixels is no longer
    // honoured as such (the font falls back to other widths, so the text may even grow): those
    // widths are tried one at a time from the top as before. Above them a text grows with its
    // character width, so halving the range finds the same width in a handful of measurements.
    const LONG nSafe = SafeNarrowWidth(pDC, font.lfWidth);
    LONG nFits = nSafe - 1;
    LONG nTooWide = font.lfWidth;
    while (nTooWide - nFits > 1) {
        const LONG nTry = nFits + (nTooWide - nFits) / 2;
        font.lfWidth = nTry;
        if (GetWidth(pDC, font, strText) <= nMaxWidth) {
            nFits = nTry;
        } else {
            nTooWide = nTry;
        }
    }
    if (nFits < nSafe) {
        for (nFits = nTooWide - 1; nFits > 1; --nFits) {
            font.lfWidth = nFits;
            if (GetWidth(pDC, font, strText) <= nMaxWidth) {
                break;
            }
        }
    }
    font.lfWidth = std::max<LONG>(nFits, 1);
}
