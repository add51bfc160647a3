#include "common/KvScriptEdit.h"

#include <mbstring.h>

#include <algorithm>
#include <vector>

namespace
{
const COLORREF kBlack = RGB(0, 0, 0);

bool IsWordStart(unsigned char ch)
{
    return ch == '_' || (ch < 0x80 && IsCharAlphaA(static_cast<char>(ch)));
}

bool IsWordChar(unsigned char ch)
{
    return ch == '_' || (ch >= '0' && ch <= '9') || (ch < 0x80 && IsCharAlphaA(static_cast<char>(ch)));
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CKvScriptEdit, CWnd)

FX_BEGIN_MESSAGE_MAP(CKvScriptEdit, CWnd)
FX_ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
FX_ON_MESSAGE(WM_CHAR, OnCharMsg)
FX_ON_MESSAGE(WM_SETTEXT, OnSetTextMsg)
FX_END_MESSAGE_MAP()

CKvScriptEdit::CKvScriptEdit()
    : m_bSensitive(TRUE), m_bTextChange(TRUE), m_chComment{0x01, 0}, m_strKeywords(" "), m_strConstants(" "),
      m_strUserWords(" "), m_fmtComment{RGB(0, 128, 0), FALSE}, m_fmtNumber{RGB(255, 0, 255), FALSE},
      m_fmtString{RGB(255, 0, 255), FALSE}, m_fmtKeyword{RGB(0, 0, 255), FALSE}, m_fmtConstant{kBlack, TRUE},
      m_fmtUserWord{kBlack, FALSE}, m_bFormatting(FALSE), m_nChangeKind(changeNone), m_crChanged{0, 0}
{
}

LPCSTR CKvScriptEdit::GetWindowClass()
{
    // Kept loaded for the life of the process: controls of its class may exist until the end.
    static HMODULE s_hRichEdit = ::LoadLibraryA("riched20.dll");
    return s_hRichEdit != nullptr ? RICHEDIT_CLASSA : nullptr;
}

void CKvScriptEdit::Initialize()
{
    PARAFORMAT pf{};
    pf.cbSize = sizeof pf;
    pf.dwMask = PFM_TABSTOPS;
    pf.cTabCount = MAX_TAB_STOPS;
    for (int k = 0; k < MAX_TAB_STOPS; ++k) {
        pf.rgxTabs[k] = 1440 * (k + 1) / 5;
    }
    SendMessage(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));

    CHARFORMATA cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_BOLD | CFM_PROTECTED | CFM_COLOR;
    cf.dwEffects = CFE_PROTECTED;
    cf.yHeight = 200;
    cf.crTextColor = kBlack;
    cf.bCharSet = GB2312_CHARSET;
    lstrcpynA(cf.szFaceName, "宋体", LF_FACESIZE);
    SendMessage(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
    SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
    SendMessage(EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_PROTECTED | ENM_SELCHANGE);

    m_strQuotes = "\"";
    m_fmtKeyword = {RGB(0, 0, 255), FALSE};
    m_fmtConstant = {kBlack, TRUE};
    m_fmtComment = {RGB(0, 128, 0), FALSE};
    m_fmtNumber = {RGB(255, 0, 255), FALSE};
    m_fmtString = {RGB(255, 0, 255), FALSE};
    m_fmtUserWord = {kBlack, FALSE};
}

void CKvScriptEdit::SetSLComment(char chFirst, char chSecond)
{
    m_chComment[0] = chFirst;
    m_chComment[1] = chSecond;
}

void CKvScriptEdit::SetSLComment(const char* pszComment)
{
    m_strComment = pszComment != nullptr ? pszComment : "";
}

void CKvScriptEdit::SetStringQuotes(const char* pszQuotes)
{
    m_strQuotes = pszQuotes != nullptr ? pszQuotes : "";
}

void CKvScriptEdit::RefreshLookup(const CString& strList, CString& strLookup) const
{
    strLookup = strList;
    if (m_bSensitive) {
        strLookup.MakeLower();
    }
}

void CKvScriptEdit::AddWords(CString& strList, CString& strLookup, CString strWords)
{
    int nStart = 0;
    while (nStart < strWords.GetLength()) {
        int nEnd = strWords.Find(' ', nStart);
        if (nEnd < 0) {
            nEnd = strWords.GetLength();
        }
        if (nEnd > nStart) {
            strList += strWords.Mid(nStart, nEnd - nStart);
            strList += ' ';
        }
        nStart = nEnd + 1;
    }
    RefreshLookup(strList, strLookup);
}

void CKvScriptEdit::AddKeywords(CString strWords)
{
    AddWords(m_strKeywords, m_strKeywordsLower, strWords);
}

void CKvScriptEdit::AddConstants(CString strWords)
{
    AddWords(m_strConstants, m_strConstantsLower, strWords);
}

void CKvScriptEdit::AddUserWords(CString strWords)
{
    AddWords(m_strUserWords, m_strUserWordsLower, strWords);
}

void CKvScriptEdit::ClearKeywords()
{
    m_strKeywords = " ";
    m_strKeywordsLower.Empty();
}

void CKvScriptEdit::ClearConstants()
{
    m_strConstants = " ";
    m_strConstantsLower.Empty();
}

void CKvScriptEdit::ClearUserWord()
{
    m_strUserWords = " ";
    m_strUserWordsLower.Empty();
}

void CKvScriptEdit::SetKeywordColor(COLORREF cr, BOOL bBold)
{
    m_fmtKeyword = {cr, bBold};
}

void CKvScriptEdit::SetConstantColor(COLORREF cr, BOOL bBold)
{
    m_fmtConstant = {cr, bBold};
}

void CKvScriptEdit::SetUserWordColor(COLORREF cr, BOOL bBold)
{
    m_fmtUserWord = {cr, bBold};
}

void CKvScriptEdit::SetCommentColor(COLORREF cr, BOOL bBold)
{
    m_fmtComment = {cr, bBold};
}

void CKvScriptEdit::SetNumberColor(COLORREF cr, BOOL bBold)
{
    m_fmtNumber = {cr, bBold};
}

void CKvScriptEdit::SetStringColor(COLORREF cr, BOOL bBold)
{
    m_fmtString = {cr, bBold};
}

void CKvScriptEdit::SetSensitive(BOOL bSensitive)
{
    m_bSensitive = bSensitive;
    RefreshLookup(m_strKeywords, m_strKeywordsLower);
    RefreshLookup(m_strConstants, m_strConstantsLower);
    RefreshLookup(m_strUserWords, m_strUserWordsLower);
}

CString CKvScriptEdit::FindWord(const CString& strList, const CString& strLookup, const CString& strWord) const
{
    CString strKey = " ";
    strKey += strWord;
    strKey += ' ';
    if (m_bSensitive) {
        strKey.MakeLower();
    }
    const int nAt = strLookup.Find(strKey);
    if (nAt < 0) {
        return CString();
    }
    return strList.Mid(nAt + 1, strWord.GetLength());
}

void CKvScriptEdit::GetSelLine(int& nFirst, int& nLast)
{
    CHARRANGE cr{};
    SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    nFirst = static_cast<int>(SendMessage(EM_EXLINEFROMCHAR, 0, cr.cpMin));
    nLast = static_cast<int>(SendMessage(EM_EXLINEFROMCHAR, 0, cr.cpMax));
}

void CKvScriptEdit::FormatAll()
{
    FormatLines(0, static_cast<int>(SendMessage(EM_GETLINECOUNT)) - 1);
}

void CKvScriptEdit::FormatLines(int nFirst, int nLast)
{
    for (int nLine = nFirst; nLine <= nLast; ++nLine) {
        FormatTextRange(nLine);
    }
}

void CKvScriptEdit::SetFormatRange(int nStart, int nEnd, COLORREF cr, BOOL bBold)
{
    if (nStart >= nEnd) {
        return;
    }
    CHARRANGE range{nStart, nEnd};
    SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMATA cf{};
    cf.cbSize = sizeof cf;
    SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    const bool bSameColor = (cf.dwMask & CFM_COLOR) != 0 && (cf.dwEffects & CFE_AUTOCOLOR) == 0 && cf.crTextColor == cr;
    const bool bSameBold = (cf.dwMask & CFM_BOLD) != 0 && ((cf.dwEffects & CFE_BOLD) != 0) == (bBold != FALSE);
    if (bSameColor && bSameBold) {
        return;
    }
    CHARFORMATA set{};
    set.cbSize = sizeof set;
    set.dwMask = CFM_COLOR | CFM_BOLD;
    set.dwEffects = bBold ? CFE_BOLD : 0;
    set.crTextColor = cr;
    SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&set));
}

void CKvScriptEdit::FormatTextRange(int nLine)
{
    const int nLineStart = static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(nLine)));
    if (nLineStart < 0) {
        return;
    }
    const int nLineLength = static_cast<int>(SendMessage(EM_LINELENGTH, static_cast<WPARAM>(nLineStart)));
    m_bFormatting = TRUE;
    CHARRANGE crSel{};
    SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&crSel));
    SendMessage(WM_SETREDRAW, FALSE);
    SendMessage(EM_HIDESELECTION, TRUE);

    // The line's bytes; a double-byte character is one position of the control.
    std::vector<char> text(static_cast<size_t>(nLineLength) * 2 + 2, 0);
    TEXTRANGEA tr{};
    tr.chrg = {nLineStart, nLineStart + nLineLength};
    tr.lpstrText = text.data();
    const int nBytes = static_cast<int>(SendMessage(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&tr)));
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    auto step = [&](int i) { return IsDBCSLeadByte(p[i]) && i + 1 < nBytes ? 2 : 1; };

    const CWordFormat fmtDefault{kBlack, FALSE};
    int i = 0;
    int nPos = nLineStart;
    while (i < nBytes) {
        const unsigned char ch = p[i];
        const int nTokenStart = nPos;
        CWordFormat fmt = fmtDefault;
        if (ch == static_cast<unsigned char>(m_chComment[0]) && m_chComment[1] == 0 && ch != 0) {
            while (i < nBytes) {
                i += step(i);
                ++nPos;
            }
            fmt = m_fmtComment;
        } else if (ch != 0 && m_strQuotes.Find(static_cast<char>(ch)) >= 0) {
            i += 1;
            ++nPos;
            while (i < nBytes) {
                const bool bClose = p[i] == ch;
                i += step(i);
                ++nPos;
                if (bClose) {
                    break;
                }
            }
            fmt = m_fmtString;
        } else if (ch >= '0' && ch <= '9') {
            while (i < nBytes && p[i] >= '0' && p[i] <= '9') {
                ++i;
                ++nPos;
            }
            fmt = m_fmtNumber;
        } else if (IsWordStart(ch)) {
            const int nWordByte = i;
            while (i < nBytes && IsWordChar(p[i])) {
                ++i;
                ++nPos;
            }
            const CString strWord = CString(text.data() + nWordByte).Left(i - nWordByte);
            struct
            {
                const CString& strList;
                const CString& strLookup;
                const CWordFormat& fmt;
            } lists[] = {{m_strKeywords, m_strKeywordsLower, m_fmtKeyword},
                         {m_strConstants, m_strConstantsLower, m_fmtConstant},
                         {m_strUserWords, m_strUserWordsLower, m_fmtUserWord}};
            for (const auto& list : lists) {
                const CString strForm = FindWord(list.strList, list.strLookup, strWord);
                if (strForm.IsEmpty()) {
                    continue;
                }
                fmt = list.fmt;
                if (m_bSensitive && m_bTextChange && strForm != strWord) {
                    CHARRANGE range{nTokenStart, nPos};
                    SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
                    SendMessage(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strForm)));
                }
                break;
            }
        } else {
            i += step(i);
            ++nPos;
        }
        SetFormatRange(nTokenStart, nPos, fmt.cr, fmt.bBold);
    }

    SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&crSel));
    SendMessage(EM_HIDESELECTION, FALSE);
    SendMessage(WM_SETREDRAW, TRUE);
    Invalidate(TRUE);
    m_bFormatting = FALSE;
}

LRESULT CKvScriptEdit::OnProtected(const ENPROTECTED* pProtected)
{
    const int nPrevious = m_nChangeKind;
    switch (pProtected->msg) {
    case WM_CUT:
        m_nChangeKind = changeCut;
        break;
    case WM_PASTE:
        m_nChangeKind = nPrevious == changeCut ? changeCutPaste : changePaste;
        break;
    case WM_CHAR:
    case EM_REPLACESEL:
        m_nChangeKind = changeChar;
        break;
    case WM_KEYDOWN:
        m_nChangeKind = pProtected->wParam == VK_BACK     ? changeBack
                        : pProtected->wParam == VK_DELETE ? changeDelete
                                                          : changeOther;
        break;
    default:
        m_nChangeKind = changeOther;
        break;
    }
    m_watch.m_bAnnounced = TRUE;
    if (pProtected->msg != EM_SETCHARFORMAT && m_nChangeKind != changeCutPaste) {
        m_crChanged = pProtected->chrg;
    }
    return 0;
}

void CKvScriptEdit::OnChange()
{
    if (m_bFormatting) {
        return;
    }
    if (m_watch.m_bPending && !m_watch.m_bAnnounced) {
        ENPROTECTED en{};
        en.msg = m_watch.m_pending.message;
        en.wParam = m_watch.m_pending.wParam;
        en.chrg = m_watch.m_pending.chrg;
        OnProtected(&en);
    }
    if (m_nChangeKind == changeCutPaste) {
        CHARRANGE cr{};
        SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
        if (cr.cpMin == cr.cpMax) {
            m_nChangeKind = changePaste;
        }
    }
    if (m_nChangeKind == changeOther) {
        FormatAll();
    } else {
        int nFirst = 0;
        int nLast = 0;
        GetSelLine(nFirst, nLast);
        // A paste or replacement of several lines leaves the caret on its last line: the change
        // starts where the selection was.
        if (m_watch.m_bPending) {
            const int nStart = static_cast<int>(SendMessage(EM_EXLINEFROMCHAR, 0, m_watch.m_pending.chrg.cpMin));
            nFirst = std::min(nFirst, nStart);
        }
        FormatLines(nFirst, nLast);
    }
    m_nChangeKind = changeNone;
}

LRESULT CKvScriptEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_bFormatting || m_hWnd == nullptr || !CKvRichEditWatch::ChangesText(message)) {
        return CWnd::WindowProc(message, wParam, lParam);
    }
    return m_watch.Run(m_hWnd, message, wParam, [&]() { return CWnd::WindowProc(message, wParam, lParam); });
}

BOOL CKvScriptEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
        OnChange();
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        if (pHdr->code == EN_PROTECTED) {
            *pResult = OnProtected(reinterpret_cast<const ENPROTECTED*>(lParam));
            return TRUE;
        }
        if (pHdr->code == EN_SELCHANGE) {
            *pResult = 0;
            return TRUE;
        }
    }
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

LRESULT CKvScriptEdit::OnGetDlgCode(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
}

LRESULT CKvScriptEdit::OnCharMsg(WPARAM wParam, LPARAM /*lParam*/)
{
    if (wParam == VK_TAB && (::GetKeyState(VK_CONTROL) & 0x8000) == 0) {
        SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("\t"));
        return 0;
    }
    return Default();
}

LRESULT CKvScriptEdit::OnSetTextMsg(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    const LRESULT lResult = Default();
    FormatAll();
    return lResult;
}

BOOL CKvScriptEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_FONTCHANGE) {
        return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}
