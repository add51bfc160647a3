#include "designer/script/CodeTextBuffer.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "designer/script/CodeTextView.h"
#include "platform/base/FxResMgr.h"

namespace
{
const DWORD kUndoInsert = 0x0001;
const DWORD kUndoGroupStart = 0x0100;

int CapacityFor(int nLength)
{
    return (nLength / 16 + 1) * 16;
}

// Description strings of the action kinds, by kind.
const UINT kActionStrings[] = {8619, 8620, 8621, 8622, 8624, 8625, 8626, 8627, 8628, 8623, 8629};
} // namespace

CCodeTextBuffer::CCodeTextBuffer() = default;

CCodeTextBuffer::~CCodeTextBuffer()
{
    FreeLines();
}

CCodeTextBuffer::LineRec CCodeTextBuffer::MakeLine(LPCSTR pszText, int nLength)
{
    LineRec line;
    line.nLength = nLength;
    line.nCapacity = CapacityFor(nLength);
    line.pText = new char[static_cast<size_t>(line.nCapacity)];
    if (nLength > 0) {
        memcpy(line.pText, pszText, static_cast<size_t>(nLength));
    }
    return line;
}

void CCodeTextBuffer::FreeLines()
{
    for (LineRec& line : m_lines) {
        delete[] line.pText;
    }
    m_lines.clear();
}

BOOL CCodeTextBuffer::InitEmpty(int nCrlfMode)
{
    AddLine("", 0);
    m_bLoaded = TRUE;
    m_bNoEdit = FALSE;
    m_bChanged = FALSE;
    m_nLineEndStyle = nCrlfMode;
    m_nUndoPos = 0;
    m_nSavedPos = 0;
    m_bGroupOpen = FALSE;
    m_bNextStartsGroup = FALSE;
    m_nUndoLimit = 1024;
    NotifyViews(nullptr, nullptr, UPDATE_RESETALL, -1);
    return TRUE;
}

void CCodeTextBuffer::Clear()
{
    FreeLines();
    m_undoSteps.clear();
    m_nUndoPos = 0;
    m_nSavedPos = 0;
    m_bLoaded = FALSE;
}

BOOL CCodeTextBuffer::SetAllText(CString strText)
{
    m_nLineEndStyle = 0;
    LPCSTR pszText = strText;
    if (pszText == nullptr) {
        return FALSE;
    }
    FreeLines();
    // Records of the old text would replay onto the new one.
    m_undoSteps.clear();
    const int nLength = strText.GetLength();
    int nFrom = 0;
    for (int i = 0; i + 1 < nLength; ++i) {
        if (pszText[i] == '\r' && pszText[i + 1] == '\n') {
            AddLine(pszText + nFrom, i - nFrom);
            nFrom = i + 2;
            ++i;
        }
    }
    int nLast = nLength - nFrom;
    // A final CR begins a separator that never completes: it is not part of the last line.
    if (nLast > 0 && pszText[nLength - 1] == '\r') {
        --nLast;
    }
    AddLine(pszText + nFrom, nLast);
    m_bLoaded = TRUE;
    m_bNoEdit = FALSE;
    m_bChanged = FALSE;
    m_bNextStartsGroup = FALSE;
    m_bGroupOpen = FALSE;
    m_nUndoLimit = 1024;
    m_nUndoPos = 0;
    m_nSavedPos = 0;
    NotifyViews(nullptr, nullptr, UPDATE_RESETALL, -1);
    return TRUE;
}

BOOL CCodeTextBuffer::GetAllText(CString& strText) const
{
    size_t cb = 0;
    for (const LineRec& line : m_lines) {
        cb += static_cast<size_t>(line.nLength) + 2;
    }
    std::string strAll;
    strAll.reserve(cb);
    for (const LineRec& line : m_lines) {
        strAll.append("\r\n");
        strAll.append(line.pText, static_cast<size_t>(line.nLength));
    }
    if (strAll.size() >= 2) {
        strAll.erase(0, 2);
    }
    strText = CString(strAll.data(), static_cast<int>(strAll.size()));
    return TRUE;
}

int CCodeTextBuffer::LineCount() const
{
    return static_cast<int>(m_lines.size());
}

int CCodeTextBuffer::LineLength(int nLine) const
{
    return nLine >= 0 && nLine < LineCount() ? m_lines[static_cast<size_t>(nLine)].nLength : 0;
}

LPCSTR CCodeTextBuffer::LineText(int nLine) const
{
    return nLine >= 0 && nLine < LineCount() ? m_lines[static_cast<size_t>(nLine)].pText : "";
}

DWORD CCodeTextBuffer::LineFlags(int nLine) const
{
    return nLine >= 0 && nLine < LineCount() ? m_lines[static_cast<size_t>(nLine)].dwFlags : 0;
}

void CCodeTextBuffer::AddLine(LPCSTR pszText, int nLength, int nPos)
{
    if (pszText == nullptr) {
        pszText = "";
        nLength = 0;
    }
    if (nLength < 0) {
        nLength = static_cast<int>(strlen(pszText));
    }
    LineRec line = MakeLine(pszText, nLength);
    if (nPos < 0 || nPos >= LineCount()) {
        m_lines.push_back(line);
    } else {
        m_lines.insert(m_lines.begin() + nPos, line);
    }
}

void CCodeTextBuffer::AppendToLine(int nLine, LPCSTR pszText, int nLength)
{
    if (nLine < 0 || nLine >= LineCount() || pszText == nullptr) {
        return;
    }
    if (nLength < 0) {
        nLength = static_cast<int>(strlen(pszText));
    }
    if (nLength == 0) {
        return;
    }
    LineRec& line = m_lines[static_cast<size_t>(nLine)];
    const int nNewLength = line.nLength + nLength;
    if (nNewLength >= line.nCapacity) {
        const int nCapacity = CapacityFor(nNewLength);
        char* pNew = new char[static_cast<size_t>(nCapacity)];
        if (line.nLength > 0) {
            memcpy(pNew, line.pText, static_cast<size_t>(line.nLength));
        }
        delete[] line.pText;
        line.pText = pNew;
        line.nCapacity = nCapacity;
    }
    memcpy(line.pText + line.nLength, pszText, static_cast<size_t>(nLength));
    line.nLength = nNewLength;
}

void CCodeTextBuffer::GetTextRange(int nStartLine, int nStartChar, int nEndLine, int nEndChar, CString& strText,
                                   LPCSTR pszSeparator) const
{
    if (pszSeparator == nullptr) {
        pszSeparator = "\r\n";
    }
    std::string strOut;
    const int nLines = LineCount();
    if (nStartLine < 0 || nEndLine >= nLines || nStartLine > nEndLine) {
        strText.Empty();
        return;
    }
    auto piece = [&](int nLine, int nFrom, int nTo) {
        const LineRec& line = m_lines[static_cast<size_t>(nLine)];
        nFrom = std::clamp(nFrom, 0, line.nLength);
        nTo = std::clamp(nTo, nFrom, line.nLength);
        strOut.append(line.pText + nFrom, static_cast<size_t>(nTo - nFrom));
    };
    if (nStartLine == nEndLine) {
        piece(nStartLine, nStartChar, nEndChar);
    } else {
        piece(nStartLine, nStartChar, LineLength(nStartLine));
        for (int nLine = nStartLine + 1; nLine < nEndLine; ++nLine) {
            strOut += pszSeparator;
            piece(nLine, 0, LineLength(nLine));
        }
        strOut += pszSeparator;
        piece(nEndLine, 0, nEndChar);
    }
    strText = CString(strOut.data(), static_cast<int>(strOut.size()));
}

void CCodeTextBuffer::AttachView(CCodeTextView* pView)
{
    m_views.push_back(pView);
}

void CCodeTextBuffer::DetachView(CCodeTextView* pView)
{
    auto it = std::find(m_views.begin(), m_views.end(), pView);
    if (it != m_views.end()) {
        m_views.erase(it);
    }
    if (m_views.empty()) {
        m_views.shrink_to_fit();
    }
}

void CCodeTextBuffer::NotifyViews(CCodeTextView* pSource, const CCodeUpdateContext* pContext, DWORD dwFlags, int nLine)
{
    // A view may detach itself while it hears the change: walk a copy.
    const std::vector<CCodeTextView*> views = m_views;
    for (CCodeTextView* pView : views) {
        pView->UpdateView(pSource, pContext, dwFlags, nLine);
    }
}

BOOL CCodeTextBuffer::RawInsert(CCodeTextView* pSource, int nLine, int nChar, LPCSTR pszText, int& nEndLine,
                                int& nEndChar)
{
    if (m_bNoEdit || nLine < 0 || nLine >= LineCount()) {
        return FALSE;
    }
    if (pszText == nullptr) {
        pszText = "";
    }
    LineRec& first = m_lines[static_cast<size_t>(nLine)];
    nChar = std::clamp(nChar, 0, first.nLength);
    const std::string strTail(first.pText + nChar, static_cast<size_t>(first.nLength - nChar));
    first.nLength = nChar;

    int nCurLine = nLine;
    bool bFirstPiece = true;
    bool bNewLines = false;
    const char* p = pszText;
    for (;;) {
        const char* pEnd = p;
        while (*pEnd != '\0' && *pEnd != '\r') {
            ++pEnd;
        }
        const int nPiece = static_cast<int>(pEnd - p);
        if (bFirstPiece) {
            AppendToLine(nCurLine, p, nPiece);
            bFirstPiece = false;
        } else {
            AddLine(p, nPiece, nCurLine);
            bNewLines = true;
        }
        if (*pEnd == '\0') {
            break;
        }
        ++pEnd;
        if (*pEnd == '\n') {
            ++pEnd;
        }
        ++nCurLine;
        p = pEnd;
    }
    nEndLine = nCurLine;
    nEndChar = LineLength(nCurLine);
    AppendToLine(nCurLine, strTail.data(), static_cast<int>(strTail.size()));

    const CCodeUpdateContext context(CPoint(nChar, nLine), CPoint(nEndChar, nEndLine), true);
    NotifyViews(pSource, &context, bNewLines ? (UPDATE_CHARS | UPDATE_LINES) : (UPDATE_ONELINE | UPDATE_CHARS), nLine);
    if (!m_bChanged) {
        SetChanged(TRUE);
    }
    return TRUE;
}

BOOL CCodeTextBuffer::RawDelete(CCodeTextView* pSource, int nStartLine, int nStartChar, int nEndLine, int nEndChar)
{
    if (m_bNoEdit || nStartLine < 0 || nEndLine >= LineCount() || nStartLine > nEndLine) {
        return FALSE;
    }
    nStartChar = std::clamp(nStartChar, 0, LineLength(nStartLine));
    nEndChar = std::clamp(nEndChar, 0, LineLength(nEndLine));
    if (nStartLine == nEndLine && nEndChar < nStartChar) {
        return FALSE;
    }
    if (nStartLine != nEndLine) {
        const LineRec& last = m_lines[static_cast<size_t>(nEndLine)];
        const std::string strTail(last.pText + nEndChar, static_cast<size_t>(last.nLength - nEndChar));
        for (int nLine = nStartLine + 1; nLine <= nEndLine; ++nLine) {
            delete[] m_lines[static_cast<size_t>(nLine)].pText;
        }
        m_lines.erase(m_lines.begin() + nStartLine + 1, m_lines.begin() + nEndLine + 1);
        m_lines[static_cast<size_t>(nStartLine)].nLength = nStartChar;
        AppendToLine(nStartLine, strTail.data(), static_cast<int>(strTail.size()));
    } else {
        LineRec& line = m_lines[static_cast<size_t>(nStartLine)];
        memmove(line.pText + nStartChar, line.pText + nEndChar, static_cast<size_t>(line.nLength - nEndChar));
        line.nLength -= nEndChar - nStartChar;
    }
    const CCodeUpdateContext context(CPoint(nStartChar, nStartLine), CPoint(nEndChar, nEndLine), false);
    NotifyViews(pSource, &context,
                nStartLine != nEndLine ? (UPDATE_CHARS | UPDATE_LINES) : (UPDATE_ONELINE | UPDATE_CHARS), nStartLine);
    if (!m_bChanged) {
        SetChanged(TRUE);
    }
    return TRUE;
}

BOOL CCodeTextBuffer::InsertWithUndo(CCodeTextView* pSource, int nLine, int nChar, LPCSTR pszText, int& nEndLine,
                                     int& nEndChar, int nAction)
{
    if (!RawInsert(pSource, nLine, nChar, pszText, nEndLine, nEndChar)) {
        return FALSE;
    }
    const BOOL bOpened = !m_bGroupOpen;
    if (bOpened) {
        OpenUndoGroup(FALSE);
    }
    nChar = std::clamp(nChar, 0, LineLength(nLine));
    PushUndoStep(true, CPoint(nChar, nLine), CPoint(nEndChar, nEndLine), pszText, nAction);
    if (bOpened) {
        CloseUndoGroup(pSource);
    }
    return TRUE;
}

BOOL CCodeTextBuffer::DeleteWithUndo(CCodeTextView* pSource, int nStartLine, int nStartChar, int nEndLine, int nEndChar,
                                     int nAction)
{
    CString strText;
    GetTextRange(nStartLine, nStartChar, nEndLine, nEndChar, strText);
    if (!RawDelete(pSource, nStartLine, nStartChar, nEndLine, nEndChar)) {
        return FALSE;
    }
    const BOOL bOpened = !m_bGroupOpen;
    if (bOpened) {
        OpenUndoGroup(FALSE);
    }
    PushUndoStep(false, CPoint(nStartChar, nStartLine), CPoint(nEndChar, nEndLine), strText, nAction);
    if (bOpened) {
        CloseUndoGroup(pSource);
    }
    return TRUE;
}

void CCodeTextBuffer::PushUndoStep(bool bInsert, CPoint ptStart, CPoint ptEnd, LPCSTR pszText, int nAction)
{
    // The redo tail goes; a saved state inside it can never come back.
    if (m_nUndoPos < static_cast<int>(m_undoSteps.size())) {
        m_undoSteps.resize(static_cast<size_t>(m_nUndoPos));
        if (m_nSavedPos > m_nUndoPos) {
            m_nSavedPos = -1;
        }
    }
    if (static_cast<int>(m_undoSteps.size()) >= m_nUndoLimit && !m_undoSteps.empty()) {
        size_t nDrop = 1;
        while (nDrop < m_undoSteps.size() && (m_undoSteps[nDrop].dwFlags & kUndoGroupStart) == 0) {
            ++nDrop;
        }
        m_undoSteps.erase(m_undoSteps.begin(), m_undoSteps.begin() + static_cast<std::ptrdiff_t>(nDrop));
        // The saved position moves with the records; once its group is gone it is unreachable.
        if (m_nSavedPos >= 0) {
            m_nSavedPos -= static_cast<int>(nDrop);
            if (m_nSavedPos < 0) {
                m_nSavedPos = -1;
            }
        }
    }
    ++m_nGroupSteps;
    UndoRec rec;
    rec.dwFlags = bInsert ? kUndoInsert : 0;
    if (m_bNextStartsGroup) {
        rec.dwFlags |= kUndoGroupStart;
        m_bNextStartsGroup = FALSE;
    }
    rec.ptStart = ptStart;
    rec.ptEnd = ptEnd;
    rec.nAction = nAction;
    rec.strText = pszText != nullptr ? pszText : "";
    m_undoSteps.push_back(rec);
    m_nUndoPos = static_cast<int>(m_undoSteps.size());
}

void CCodeTextBuffer::OpenUndoGroup(BOOL bMergeWithPrevious)
{
    m_bGroupOpen = TRUE;
    m_nGroupSteps = 0;
    if (m_nUndoPos == 0 || !bMergeWithPrevious) {
        m_bNextStartsGroup = TRUE;
    }
}

void CCodeTextBuffer::CloseUndoGroup(CCodeTextView* pSource)
{
    if (pSource != nullptr && m_nUndoPos > 0 && m_nGroupSteps > 0) {
        m_bNextStartsGroup = TRUE;
        const UndoRec& rec = m_undoSteps[static_cast<size_t>(m_nUndoPos - 1)];
        pSource->AfterEdit(rec.nAction, rec.strText);
    }
    m_bGroupOpen = FALSE;
}

void CCodeTextBuffer::SettleModified()
{
    if (m_bChanged && m_nUndoPos == m_nSavedPos) {
        SetChanged(FALSE);
    } else if (!m_bChanged && m_nUndoPos != m_nSavedPos) {
        SetChanged(TRUE);
    }
}

BOOL CCodeTextBuffer::Undo(CPoint& ptCaret)
{
    if (!CanUndo()) {
        return FALSE;
    }
    for (;;) {
        --m_nUndoPos;
        const UndoRec rec = m_undoSteps[static_cast<size_t>(m_nUndoPos)];
        if ((rec.dwFlags & kUndoInsert) != 0) {
            RawDelete(nullptr, rec.ptStart.y, rec.ptStart.x, rec.ptEnd.y, rec.ptEnd.x);
            ptCaret = rec.ptStart;
        } else {
            int nEndLine = 0;
            int nEndChar = 0;
            RawInsert(nullptr, rec.ptStart.y, rec.ptStart.x, rec.strText, nEndLine, nEndChar);
            ptCaret = rec.ptEnd;
        }
        if ((rec.dwFlags & kUndoGroupStart) != 0 || m_nUndoPos == 0) {
            break;
        }
    }
    SettleModified();
    return TRUE;
}

BOOL CCodeTextBuffer::Redo(CPoint& ptCaret)
{
    if (!CanRedo()) {
        return FALSE;
    }
    for (;;) {
        const UndoRec rec = m_undoSteps[static_cast<size_t>(m_nUndoPos)];
        if ((rec.dwFlags & kUndoInsert) != 0) {
            int nEndLine = 0;
            int nEndChar = 0;
            RawInsert(nullptr, rec.ptStart.y, rec.ptStart.x, rec.strText, nEndLine, nEndChar);
            ptCaret = rec.ptEnd;
        } else {
            RawDelete(nullptr, rec.ptStart.y, rec.ptStart.x, rec.ptEnd.y, rec.ptEnd.x);
            ptCaret = rec.ptStart;
        }
        ++m_nUndoPos;
        if (m_nUndoPos >= static_cast<int>(m_undoSteps.size()) ||
            (m_undoSteps[static_cast<size_t>(m_nUndoPos)].dwFlags & kUndoGroupStart) != 0) {
            break;
        }
    }
    SettleModified();
    return TRUE;
}

BOOL CCodeTextBuffer::DescribeAction(int nAction, CString& strDesc)
{
    if (nAction < 0 || nAction >= static_cast<int>(std::size(kActionStrings))) {
        return FALSE;
    }
    const UINT nID = kActionStrings[nAction];
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(nID / 16 + 1), MAKEINTRESOURCEA(6));
    if (hInst == nullptr) {
        hInst = ::GetModuleHandleA(nullptr);
    }
    char szText[256] = {};
    if (::LoadStringA(hInst, nID, szText, static_cast<int>(sizeof(szText))) <= 0) {
        return FALSE;
    }
    strDesc = szText;
    return TRUE;
}

void CCodeTextBuffer::SetChanged(BOOL bModified)
{
    m_bChanged = bModified;
}
