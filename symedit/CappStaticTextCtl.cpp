#include "symedit/CappStaticTextCtl.h"

#include <cstdlib>

#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/SavedDC.h"
#include "platform/gdi/SelectGuard.h"

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

    CFont fontBase;
    if (!fontBase.CreateFontIndirect(&font)) {
        return;
    }
    CFxSavedDC savedDC(pDC);
    CFxSelectGuard selectBase(pDC, &fontBase);
    pDC->SetTextColor(crColor);
    pDC->SetBkMode(TRANSPARENT);

    int nLineHeight = pDC->GetTextExtent(CString("Aa ")).cy;
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
            CFont fontLine;
            if (fontLine.CreateFontIndirect(&lfLine)) {
                CFxSelectGuard selectLine(pDC, &fontLine);
                pDC->DrawText(arrLines[i], rcLine, uFormat);
            }
            rcLine.OffsetRect(0, nLineHeight);
            if (rcLine.bottom > rect.bottom) {
                rcLine.bottom = rect.bottom;
            }
        }
    }
}

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
    CFont fontMeasure;
    if (!fontMeasure.CreateFontIndirect(&font)) {
        return 0;
    }
    CDC* pAttribDC = CDC::FromHandle(pDC->m_hAttribDC);
    CFxSelectGuard selectMeasure(pAttribDC, &fontMeasure);
    return pAttribDC->GetTextExtent(strText).cx;
}

void CCappStaticTextCtl::GetTextAutoSize(CDC* pDC, CRect rect, CString strText, LOGFONT& font)
{
    int nMaxWidth = rect.Width();
    if (GetWidth(pDC, font, strText) <= nMaxWidth) {
        return;
    }
    if (font.lfWidth == 0) {
        font.lfWidth = (std::abs(font.lfHeight) + 1) / 2;
    }
    font.lfWidth = std::abs(font.lfWidth);
    while (font.lfWidth > 1) {
        --font.lfWidth;
        if (GetWidth(pDC, font, strText) <= nMaxWidth) {
            break;
        }
    }
}
