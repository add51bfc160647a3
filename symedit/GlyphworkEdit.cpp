#include "symedit/GlyphworkEdit.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <deque>
#include <vector>

#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/FxSavedDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "symbols/CircleStrContSeg.h"
#include "symedit/CustSymMgr.h"
#include "symbols/CoarsenessContSeg.h"
#include "symbols/CustomDrawContSeg.h"
#include "symbols/EnterContSeg.h"
#include "symbols/FractionContSeg.h"
#include "symbols/FrameStrContSeg.h"
#include "symbols/GpTolContSeg.h"
#include "symbols/StringContSeg.h"
#include "symbols/SupSubScriptContSeg.h"
#include "symbols/ToleranceContSeg.h"
#include "symedit/CustSymSource.h"
#include "symedit/GlyphworkEditRow.h"

namespace
{
const char kAlignOpen[] = "<ALIGN>";
const char kAlignClose[] = "</ALIGN>";
const int kAlignOpenLen = 7;
const int kAlignCloseLen = 8;

// The leading decimal digits; none give 0.
int LeadingNumber(const CString& s)
{
    int n = 0;
    for (int i = 0; i < s.GetLength() && s[i] >= '0' && s[i] <= '9'; i++)
        n = n * 10 + (s[i] - '0');
    return n;
}

bool IsLeadByte(char ch)
{
    return static_cast<unsigned char>(ch) >= 0x80;
}

// A kind read by its own reader from the element content, made in the base font and colour.
template <class TSeg> CContentSegment* ReadKind(const LOGFONT& lf, COLORREF cr, const CString& strContent)
{
    auto* pSeg = new TSeg(lf, cr);
    pSeg->SetData(strContent);
    return pSeg;
}

template <class TSeg> CContentSegment* CloneKind(const LOGFONT& lf, COLORREF cr, CContentSegment* pSource)
{
    auto* pSeg = new TSeg(lf, cr);
    *pSeg = *static_cast<TSeg*>(pSource);
    return pSeg;
}

// Framed and circled text copy as text does.
template <class TSeg> CContentSegment* CloneTextKind(const LOGFONT& lf, COLORREF cr, CContentSegment* pSource)
{
    auto* pSeg = new TSeg(lf, cr);
    static_cast<CStringContSeg&>(*pSeg) = static_cast<const CStringContSeg&>(*pSource);
    return pSeg;
}
} // namespace

CGlyphworkEdit::CGlyphworkEdit()
{
    m_nCtrlType = kindGlyphworkEdit;
    ResetMargins();
    m_pCustSymMgr = &CCustSymMgr::GetProcessMgr();
}

CGlyphworkEdit::~CGlyphworkEdit()
{
    DetachEditRowList();
    DetachContSegList();
}

bool CGlyphworkEdit::AttachMgr(CCustSymSource* pMgr)
{
    if (pMgr == nullptr) {
        return false;
    }
    m_pCustSymMgr = pMgr;
    return true;
}

void CGlyphworkEdit::ResetMargins()
{
    m_nLeftMargin = 2;
    m_nRightMargin = 2;
    m_nTopMargin = 1;
}

void CGlyphworkEdit::AppendMeasured(CDC* pDC, CContentSegment* pSeg)
{
    pSeg->m_nWidth = pSeg->GetWidth(pDC);
    m_listContSeg.AddTail(pSeg);
}

void CGlyphworkEdit::AppendText(CDC* pDC, const CString& strChar)
{
    auto* pSeg = new CStringContSeg(m_lfFont, m_crText);
    pSeg->m_strText = strChar;
    AppendMeasured(pDC, pSeg);
}

void CGlyphworkEdit::TransStringToContSegList(CDC* pDC, CString strText)
{
    m_listContSeg.RemoveAll();
    if (strText.IsEmpty())
        return;
    int i = 0;
    if (strText.Left(kAlignOpenLen) == kAlignOpen) {
        int nClose = strText.Find(kAlignClose);
        if (nClose >= 0) {
            m_nAlign = LeadingNumber(strText.Mid(kAlignOpenLen, nClose - kAlignOpenLen));
            i = nClose + kAlignCloseLen;
        } else {
            m_nAlign = 0;
            i = kAlignOpenLen;
        }
    }
    const int nLength = strText.GetLength();
    while (i < nLength) {
        const char ch = strText[i];
        if (ch == '^') {
            // "^X{content}": the brace right after the letter, the content at least one character.
            int nOpen = strText.Find('{', i + 1);
            int nClose = strText.Find('}', i + 1);
            if (nOpen == i + 2 && nClose > i + 3 &&
                ProcessSpecial(pDC, strText[i + 1], strText.Mid(i + 3, nClose - i - 3))) {
                i = nClose + 1;
                continue;
            }
            // Not a known form: plain "^", and the characters after it are read one by one.
            AppendText(pDC, "^");
            i++;
            continue;
        }
        if (ch == '<') {
            // "<X>content</X>": one letter, the content at least one character, not nested.
            int nTagEnd = strText.Find('>', i);
            if (nTagEnd == i + 2) {
                CString strClose = CString("</") + strText.Mid(i + 1, 2);
                int nClose = strText.Find(strClose, i);
                if (nClose > i + 3 && ProcessSpecial(pDC, strText[i + 1], strText.Mid(i + 3, nClose - i - 3))) {
                    i = nClose + strClose.GetLength();
                    continue;
                }
            }
            // An unknown letter is typed text too: keep it and read on rather than drop the rest.
            AppendText(pDC, "<");
            i++;
            continue;
        }
        if (ch == '\n') {
            m_listContSeg.AddTail(new CEnterContSeg(m_lfFont, m_crText));
            i++;
            continue;
        }
        if (ch == '\r' || ch == '\t') {
            i++;
            continue;
        }
        int nChar = IsLeadByte(ch) && i + 1 < nLength ? 2 : 1;
        AppendText(pDC, strText.Mid(i, nChar));
        i += nChar;
    }
}

int CGlyphworkEdit::ProcessSpecial(CDC* pDC, char chLetter, CString strContent)
{
    const LOGFONT& lf = m_lfFont;
    CContentSegment* pSeg = nullptr;
    switch (chLetter) {
    case 'A': {
        CStringContSeg text(lf, m_crText);
        text.SetData(strContent);
        text.m_nWidth = text.GetWidth(pDC);
        CObList listChars;
        SeparateStrContSeg(&text, listChars);
        m_listContSeg.AddTail(&listChars);
        return 1;
    }
    case 'T':
        pSeg = ReadKind<CToleranceContSeg>(lf, m_crText, strContent);
        break;
    case 'F':
        pSeg = ReadKind<CFractionContSeg>(lf, m_crText, strContent);
        break;
    case 'S':
        pSeg = ReadKind<CSupSubScriptContSeg>(lf, m_crText, strContent);
        break;
    case 'G':
        pSeg = ReadKind<CGpTolContSeg>(lf, m_crText, strContent);
        break;
    case 'C':
        pSeg = ReadKind<CCoarsenessContSeg>(lf, m_crText, strContent);
        break;
    case 'R':
        pSeg = ReadKind<CFrameStrContSeg>(lf, m_crText, strContent);
        break;
    case 'E':
        pSeg = ReadKind<CCircleStrContSeg>(lf, m_crText, strContent);
        break;
    case 'P': {
        auto* pCustom = new CCustomDrawContSeg(lf, m_crText);
        int nQuery = strContent.Find('?');
        if (nQuery >= 0) {
            pCustom->m_strGuid = strContent.Left(nQuery);
            pCustom->m_strArgument = strContent.Mid(nQuery + 1);
        } else {
            pCustom->m_strGuid = strContent;
        }
        if (m_pCustSymMgr != nullptr)
            m_pCustSymMgr->Lookup(pCustom->m_strGuid, pCustom->m_strSymbol);
        pCustom->ResetSymbol(pDC);
        pSeg = pCustom;
        break;
    }
    case 'H':
        return 1;
    default:
        return 0;
    }
    AppendMeasured(pDC, pSeg);
    return 1;
}

void CGlyphworkEdit::SeparateStrContSeg(CStringContSeg* pSeg, CObList& listOut)
{
    listOut.RemoveAll();
    const CString& strText = pSeg->m_strText;
    const int nBytes = strText.GetLength();
    for (int i = 0; i < nBytes;) {
        int nChar = IsLeadByte(strText[i]) && i + 1 < nBytes ? 2 : 1;
        auto* pChar = new CStringContSeg(m_lfFont, m_crText);
        pChar->Setlfont(pSeg->m_lFont, pSeg->m_crColor);
        pChar->m_strText = strText.Mid(i, nChar);
        pChar->m_nWidth = nChar * pSeg->m_nWidth / nBytes;
        listOut.AddTail(pChar);
        i += nChar;
    }
}

void CGlyphworkEdit::JoinStrContSeg(CObList& list)
{
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        auto* pSeg = static_cast<CContentSegment*>(list.GetAt(pos));
        POSITION posNext = pos;
        list.GetNext(posNext);
        if (posNext == nullptr)
            break;
        auto* pNext = static_cast<CContentSegment*>(list.GetAt(posNext));
        if (pSeg->IsKindOf() == SEG_TEXT && pNext->IsKindOf() == SEG_TEXT && pSeg->IsSameLogFont(pNext)) {
            static_cast<CStringContSeg*>(pSeg)->m_strText += static_cast<CStringContSeg*>(pNext)->m_strText;
            pSeg->m_nWidth += pNext->m_nWidth;
            delete pNext;
            list.RemoveAt(posNext);
            continue;
        }
        pos = posNext;
    }
}

void CGlyphworkEdit::TransContSegListToString(CString& strOut)
{
    strOut.Empty();
    if (m_listContSeg.IsEmpty())
        return;
    if (m_nAlign != m_nDefaultAlign && !(m_dwEditStyle & styleNoAlignPrefix))
        strOut.Format("<ALIGN>%d</ALIGN>", m_nAlign);
    CString strSeg;
    POSITION pos = m_listContSeg.GetHeadPosition();
    while (pos != nullptr) {
        auto* pSeg = static_cast<CContentSegment*>(m_listContSeg.GetNext(pos));
        strSeg.Empty();
        pSeg->GetData(strSeg, m_lfFont, m_crText);
        strOut += strSeg;
    }
}

int CGlyphworkEdit::GetNewContSeg(CContentSegment*& pOut, CContentSegment* pSource)
{
    if (pSource == nullptr)
        return 0;
    const LOGFONT& lf = m_lfFont;
    switch (pSource->IsKindOf()) {
    case SEG_TEXT:
        pOut = CloneKind<CStringContSeg>(lf, m_crText, pSource);
        break;
    case SEG_ENTER:
        pOut = new CEnterContSeg(lf, m_crText);
        break;
    case SEG_TOLERANCE:
        pOut = CloneKind<CToleranceContSeg>(lf, m_crText, pSource);
        break;
    case SEG_FRACTION:
        pOut = CloneKind<CFractionContSeg>(lf, m_crText, pSource);
        break;
    case SEG_SUPSUB:
        pOut = CloneKind<CSupSubScriptContSeg>(lf, m_crText, pSource);
        break;
    case SEG_GPTOL:
        pOut = CloneKind<CGpTolContSeg>(lf, m_crText, pSource);
        break;
    case SEG_COARSENESS:
        pOut = CloneKind<CCoarsenessContSeg>(lf, m_crText, pSource);
        break;
    case SEG_CUSTOM:
        pOut = CloneKind<CCustomDrawContSeg>(lf, m_crText, pSource);
        break;
    case SEG_FRAME:
        pOut = CloneTextKind<CFrameStrContSeg>(lf, m_crText, pSource);
        break;
    case SEG_CIRCLE:
        pOut = CloneTextKind<CCircleStrContSeg>(lf, m_crText, pSource);
        break;
    default:
        pOut = new CContentSegment(lf, m_crText);
        *pOut = *pSource;
        break;
    }
    pOut->m_bSelected = 0;
    return 1;
}

void CGlyphworkEdit::TransEditRowToContSegList(int nRow)
{
    POSITION posRow = nRow >= 0 ? m_listEditRow.FindIndex(nRow) : nullptr;
    if (posRow == nullptr)
        return;
    auto* pRow = static_cast<CGlyphworkEditRow*>(m_listEditRow.GetAt(posRow));
    POSITION pos = pRow->m_listSeg.GetHeadPosition();
    while (pos != nullptr) {
        CContentSegment* pClone = nullptr;
        if (GetNewContSeg(pClone, static_cast<CContentSegment*>(pRow->m_listSeg.GetNext(pos))))
            m_listContSeg.AddTail(pClone);
    }
}

void CGlyphworkEdit::TransEditRowListToContSegList()
{
    for (int nRow = 0; nRow < static_cast<int>(m_listEditRow.GetCount()); nRow++)
        TransEditRowToContSegList(nRow);
}

void CGlyphworkEdit::DetachContSegList()
{
    DetachContSegList(m_listContSeg);
}

void CGlyphworkEdit::DetachContSegList(CObList& list)
{
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr)
        delete static_cast<CContentSegment*>(list.GetNext(pos));
    list.RemoveAll();
}

void CGlyphworkEdit::DetachEditRowList()
{
    POSITION pos = m_listEditRow.GetHeadPosition();
    while (pos != nullptr)
        delete static_cast<CGlyphworkEditRow*>(m_listEditRow.GetNext(pos));
    m_listEditRow.RemoveAll();
}

void CGlyphworkEdit::WriteRows(CString& strOut, int nRow)
{
    // The working list holds no segments of its own here: they live in the rows.
    m_listContSeg.RemoveAll();
    if (nRow < 0)
        TransEditRowListToContSegList();
    else
        TransEditRowToContSegList(nRow);
    JoinStrContSeg(m_listContSeg);
    TransContSegListToString(strOut);
    DetachContSegList();
}

void CGlyphworkEdit::GetData(CString& strOut)
{
    if (!m_bModify) {
        strOut = m_strText;
        return;
    }
    WriteRows(strOut, -1);
}

void CGlyphworkEdit::GetData(CObList& list)
{
    list.RemoveAll();
    POSITION posRow = m_listEditRow.GetHeadPosition();
    while (posRow != nullptr) {
        auto* pRow = static_cast<CGlyphworkEditRow*>(m_listEditRow.GetNext(posRow));
        POSITION pos = pRow->m_listSeg.GetHeadPosition();
        while (pos != nullptr) {
            CContentSegment* pClone = nullptr;
            if (GetNewContSeg(pClone, static_cast<CContentSegment*>(pRow->m_listSeg.GetNext(pos))))
                list.AddTail(pClone);
        }
    }
    JoinStrContSeg(list);
}

void CGlyphworkEdit::GetRowData(CString& strOut, int nRow)
{
    strOut.Empty();
    if (nRow < 0 || nRow >= m_nRowCount)
        return;
    WriteRows(strOut, nRow);
}

void CGlyphworkEdit::GetTextData(CString& strOut)
{
    GetData(strOut);
    int nOpen = strOut.Find(kAlignOpen);
    if (nOpen >= 0) {
        strOut.Delete(nOpen, kAlignOpenLen);
        // The number, however many digits, goes with the first closing tag.
        int nClose = strOut.Find(kAlignClose);
        if (nClose >= nOpen)
            strOut.Delete(nOpen, nClose + kAlignCloseLen - nOpen);
    }
    for (;;) {
        int nFont = strOut.Find("<FT>");
        int nFontEnd = strOut.Find("</FT>");
        if (nFont < 0 || nFontEnd < 0)
            break;
        int nNextFont = strOut.Find("<FT>", nFont + 1);
        if (nNextFont >= 0 && nNextFont < nFontEnd)
            nFont = nNextFont;
        if (nFont > nFontEnd)
            break;
        strOut.Delete(nFont, nFontEnd + 5 - nFont);
        int nText = strOut.Find("<A>");
        if (nText >= 0)
            strOut.Delete(nText, 3);
        int nTextEnd = strOut.Find("</A>");
        if (nTextEnd >= 0)
            strOut.Delete(nTextEnd, 4);
    }
}

int CGlyphworkEdit::GetRowCount()
{
    return m_nRowCount;
}

void CGlyphworkEdit::SetOrigRows(int nRows)
{
    m_nOrigRows = std::max(m_nOrigRows, nRows);
}

int CGlyphworkEdit::GetAlignFormat()
{
    return m_nAlign;
}

DWORD CGlyphworkEdit::GetEditStyle()
{
    return m_dwEditStyle;
}

void CGlyphworkEdit::ModifyEditStyle(DWORD dwRemove, DWORD dwAdd)
{
    m_dwEditStyle = (m_dwEditStyle & ~dwRemove) | dwAdd;
}

void CGlyphworkEdit::SetTextData(LOGFONT lfBase, CString strText, int nFormat, int nAlign, float fScale,
                                 COLORREF crText)
{
    m_lfFont = lfBase;
    m_strText = strText;
    m_nFormat = static_cast<UINT>(nFormat);
    m_nDefaultAlign = nAlign;
    m_nAlign = nAlign;
    m_fScale = fScale;
    m_crText = crText;
}

void CGlyphworkEdit::SetLineStyle(int nSpacing, int nRowLines)
{
    m_nRowSpacing = nSpacing;
    m_nRowLines = nRowLines;
}

void CGlyphworkEdit::GetLogFont(LOGFONT& lf)
{
    lf = m_lfFont;
}

void CGlyphworkEdit::SetAlignFormat(int nAlign)
{
    m_nAlign = nAlign;
}

int CGlyphworkEdit::GetVSpace()
{
    int nText = static_cast<int>(static_cast<float>(std::abs(m_lfFont.lfHeight)) * m_fScale + 0.5f);
    if (m_nAlign & 0x4)
        return (m_nRowHeight - 2 * m_nTopMargin - nText + 1) / 2;
    if (m_nAlign & 0x8)
        return m_nRowHeight - 2 * m_nTopMargin - nText;
    return 0;
}

void CGlyphworkEdit::ReCalEditRow(CDC* pDC, int nRow)
{
    POSITION posRow = nRow >= 0 ? m_listEditRow.FindIndex(nRow) : nullptr;
    const bool bByWidth = (m_nFormat & formatBreakByWidth) != 0;
    // Segments a row above pushed on, in order: they stand before the next row's own. Each enters
    // it at most once and is not moved on row by row, so many short lines lay out in linear time.
    std::deque<CObject*> carry;
    for (int nCurRow = nRow; posRow != nullptr; nCurRow++) {
        auto* pRow = static_cast<CGlyphworkEditRow*>(m_listEditRow.GetNext(posRow));
        CObList& own = pRow->m_listSeg;
        // Walk the carry, then the row's own segments, up to the first that leaves the row.
        size_t nFromCarry = 0;
        POSITION posOwn = own.GetHeadPosition();
        bool bBreak = false;
        bool bEndsWithEnter = false;
        bool bKeptEnter = false;
        int nKept = 0;
        int nSum = 0;
        for (;;) {
            const bool bInCarry = nFromCarry < carry.size();
            if (!bInCarry && posOwn == nullptr)
                break;
            auto* pSeg = static_cast<CContentSegment*>(bInCarry ? carry[nFromCarry] : own.GetAt(posOwn));
            if (bByWidth) {
                if (pSeg->m_nWidth == 0 && pDC != nullptr)
                    pSeg->m_nWidth = pSeg->GetWidth(pDC);
                // A segment wider than the row stays alone on it.
                if (nKept > 0 && nSum + pSeg->m_nWidth > m_nLayoutWidth) {
                    bBreak = true;
                    break;
                }
                nSum += pSeg->m_nWidth;
            }
            if (bInCarry)
                nFromCarry++;
            else
                own.GetNext(posOwn);
            nKept++;
            if (pSeg->IsKindOf() == SEG_ENTER) {
                bBreak = nFromCarry < carry.size() || posOwn != nullptr;
                bEndsWithEnter = !bBreak;
                bKeptEnter = true;
                break;
            }
        }
        if (!bBreak) {
            // Everything stays: the carry goes in front of the row's own segments.
            for (size_t i = nFromCarry; i-- > 0;)
                own.AddHead(carry[i]);
            carry.clear();
            if (bEndsWithEnter && posRow == nullptr)
                m_listEditRow.AddTail(new CGlyphworkEditRow);
            // A caret after the closing line break stands at the start of the next row.
            if (bEndsWithEnter && m_nCaretRow == nCurRow && m_nCaretCol >= static_cast<int>(own.GetCount())) {
                m_nCaretRow++;
                m_nCaretCol = 0;
            }
            break;
        }
        // The row keeps what was walked; the rest, in order, moves on to the next row.
        std::vector<CObject*> keptFromCarry(carry.begin(), carry.begin() + static_cast<std::ptrdiff_t>(nFromCarry));
        carry.erase(carry.begin(), carry.begin() + static_cast<std::ptrdiff_t>(nFromCarry));
        while (posOwn != nullptr) {
            POSITION posMove = posOwn;
            carry.push_back(own.GetNext(posOwn));
            own.RemoveAt(posMove);
        }
        for (size_t i = keptFromCarry.size(); i-- > 0;)
            own.AddHead(keptFromCarry[i]);
        if (posRow == nullptr)
            posRow = m_listEditRow.AddTail(new CGlyphworkEditRow);
        // The caret follows its segments when they move on: it belongs to the next row when it
        // stands beyond what stays, or right after a line break that stays.
        if (m_nCaretRow == nCurRow && (m_nCaretCol > nKept || (m_nCaretCol == nKept && bKeptEnter))) {
            m_nCaretRow++;
            m_nCaretCol -= nKept;
        }
    }
    m_nRowCount = static_cast<int>(m_listEditRow.GetCount());
    if (m_nFormat & formatFitRow) {
        POSITION pos = nRow >= 0 ? m_listEditRow.FindIndex(nRow) : nullptr;
        while (pos != nullptr)
            static_cast<CGlyphworkEditRow*>(m_listEditRow.GetNext(pos))
                ->FitToWidth(pDC, m_nLayoutWidth, m_fScale, m_lfFont.lfHeight);
    }
}

void CGlyphworkEdit::DrawRow(CDC* pDC, int nRow)
{
    POSITION pos = nRow >= 0 ? m_listEditRow.FindIndex(nRow) : nullptr;
    if (pDC == nullptr || pos == nullptr)
        return;
    auto* pRow = static_cast<CGlyphworkEditRow*>(m_listEditRow.GetAt(pos));
    const float h = static_cast<float>(std::abs(m_lfFont.lfHeight)) * m_fScale;
    const int y = GetRowPitch() * nRow - m_nScrollOffset + GetVSpace() + m_nTopMargin;
    const int nAbove = static_cast<int>(h * 0.25f + 0.5f);
    const int nBelow = static_cast<int>(h * 1.25f + 0.5f);
    pDC->FillSolidRect(m_nLeftMargin, y - nAbove, m_nLayoutWidth, nAbove + nBelow, m_crBack);
    DrawRowSelection(pDC, nRow);
    CFxSavedDC savedDC(pDC);
    pDC->SetTextColor(m_crText);
    int x = pRow->GetFirstXPos(pDC, m_nLayoutWidth, m_nLeftMargin, m_nAlign, m_fScale);
    pRow->Draw(pDC, x, y, m_fScale);
}

void CGlyphworkEdit::DrawEditLine(CDC* pDC)
{
    if (pDC == nullptr || m_nRowLines == 0)
        return;
    CRect rcWnd = m_rcText;
    if (GetSafeHwnd() != nullptr)
        GetClientRect(&rcWnd);
    CPen pen;
    if (!pen.CreatePen(PS_SOLID, m_nRowSpacing, RGB(0, 0, 0)))
        return;
    CFxSelectGuard selectPen(pDC, &pen);
    for (int i = 1; i < m_nRowCount; i++) {
        int y = GetRowPitch() * i - m_nScrollOffset - m_nRowSpacing;
        pDC->MoveTo(rcWnd.left, y);
        pDC->LineTo(rcWnd.right, y);
    }
}

void CGlyphworkEdit::SetBaseData(CDC* pDC, CRect& rect, LOGFONT lfBase, int nFormat, int nAlign, CString strText)
{
    DetachEditRowList();
    DetachContSegList();
    m_crBack = RGB(255, 255, 255);
    m_nCaretCol = 0;
    m_nCaretRow = 0;
    m_nRowCount = 1;
    m_nCtrlType = kindGlyphworkEdit;
    m_strText = strText;
    m_rcText = rect;
    ResetMargins();
    m_nLayoutWidth = rect.Width() - m_nLeftMargin - m_nRightMargin;
    m_lfFont = lfBase;
    m_crText = 0;
    if (strText.IsEmpty() || pDC == nullptr)
        return;
    m_nFormat = static_cast<UINT>(nFormat);
    m_nAlign = nAlign;
    m_nDefaultAlign = nAlign;
    TransStringToContSegList(pDC, strText);
    auto* pRow = new CGlyphworkEditRow;
    pRow->m_listSeg.AddTail(&m_listContSeg);
    m_listContSeg.RemoveAll();
    m_listEditRow.AddTail(pRow);
    ReCalEditRow(pDC, 0);
    m_nOrigRows = m_nRowCount;
}

void CGlyphworkEdit::DrawData(CDC* pDC, CRect rect, CString strText, LOGFONT lfBase, UINT nFormat, int nAlign,
                              bool bFontRowHeight, COLORREF crText)
{
    DetachEditRowList();
    DetachContSegList();
    if (pDC == nullptr || pDC->m_hDC == nullptr || strText.IsEmpty() || rect.IsRectEmpty() || rect.IsRectNull())
        return;
    ResetMargins();
    m_crText = crText;
    m_nAlign = nAlign;
    m_lfFont = lfBase;
    TransStringToContSegList(pDC, strText);
    m_nFormat = nFormat;
    m_rcText = rect;
    auto* pRow = new CGlyphworkEditRow;
    pRow->m_listSeg.AddTail(&m_listContSeg);
    m_listContSeg.RemoveAll();
    m_listEditRow.AddTail(pRow);
    m_nLayoutWidth = rect.Width() - m_nLeftMargin - m_nRightMargin;
    ReCalEditRow(pDC, 0);

    CFxSavedDC savedDC(pDC);
    pDC->SetTextColor(crText);
    if (bFontRowHeight)
        m_nRowHeight = static_cast<int>(static_cast<float>(std::abs(lfBase.lfHeight)) * m_fScale * 1.5f + 0.5f);
    else
        m_nRowHeight = rect.Height();
    const int nOffset = GetVSpace() + m_nTopMargin;
    // Rows go down the page: those below what the DC shows are not drawn. Only where logical y
    // grows downwards too, and never on a printer.
    CRect rcClip;
    const bool bDown = (pDC->GetWindowExt().cy > 0) == (pDC->GetViewportExt().cy > 0);
    const bool bClipped = bDown && !pDC->IsPrinting() && pDC->GetClipBox(&rcClip) != ERROR;
    int i = 0;
    POSITION pos = m_listEditRow.GetHeadPosition();
    while (pos != nullptr) {
        if (bClipped && bFontRowHeight && rect.top + nOffset + (i - 1) * GetRowPitch() > rcClip.bottom)
            break;
        auto* pEditRow = static_cast<CGlyphworkEditRow*>(m_listEditRow.GetNext(pos));
        if (m_nFormat & formatFitRow)
            pEditRow->FitToWidth(pDC, m_nLayoutWidth, m_fScale, lfBase.lfHeight);
        int x = rect.left + pEditRow->GetFirstXPos(pDC, m_nLayoutWidth, m_nLeftMargin, m_nAlign, m_fScale);
        int y = rect.top + nOffset + i * GetRowPitch();
        pEditRow->Draw(pDC, x, y, 1.0f);
        // Without a row height from the font the rectangle is one row.
        if (!bFontRowHeight)
            break;
        i++;
    }
    DetachEditRowList();
    DetachContSegList();
}
