#include "designer/figure/SyntaxRichEdit.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{
const COLORREF kBlack = RGB(0, 0, 0);

bool IsAsciiLetter(unsigned char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

bool IsDigit(unsigned char ch)
{
    return ch >= '0' && ch <= '9';
}

} // namespace

FX_IMPLEMENT_DYNAMIC(CSyntaxRichEdit, CWnd)

FX_BEGIN_MESSAGE_MAP(CSyntaxRichEdit, CWnd)
FX_ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
FX_ON_MESSAGE(WM_CHAR, OnCharMsg)
FX_ON_MESSAGE(WM_SETTEXT, OnSetTextMsg)
FX_END_MESSAGE_MAP()

CSyntaxRichEdit::CSyntaxRichEdit()
    : m_bIgnoreCase(1), m_bFixCase(1), m_chComment1(1), m_chComment2(0), m_strKeywords1(" "), m_strKeywords1Lower(" "),
      m_strKeywords2(" "), m_strKeywords2Lower(" "), m_styleComment{RGB(0, 128, 0), FALSE, FALSE},
      m_styleNumber{RGB(255, 0, 255), FALSE, FALSE}, m_styleString{RGB(255, 0, 255), FALSE, FALSE},
      m_styleKeyword1{RGB(0, 0, 255), FALSE, FALSE}, m_styleKeyword2{kBlack, TRUE, FALSE}, m_bBusy(0),
      m_nChangeKind(changeNone), m_chrgChanged{0, 0}
{
}

BOOL CSyntaxRichEdit::LoadRichEdit()
{
    // Kept loaded for the life of the process: controls of its class may exist until the end.
    static HMODULE s_hRichEdit = ::LoadLibraryA("riched20.dll");
    return s_hRichEdit != nullptr;
}

void CSyntaxRichEdit::Initialize()
{
    PARAFORMAT pf{};
    pf.cbSize = sizeof pf;
    pf.dwMask = PFM_TABSTOPS;
    pf.cTabCount = MAX_TAB_STOPS;
    for (int k = 0; k < MAX_TAB_STOPS; ++k) {
        pf.rgxTabs[k] = 288 * (k + 1);
    }
    SendMessage(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));

    // The GBK character set: with the East European one Chinese labels in figure texts do not show.
    CHARFORMATA cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_BOLD | CFM_PROTECTED;
    cf.dwEffects = CFE_PROTECTED;
    cf.yHeight = 200;
    cf.bCharSet = GB2312_CHARSET;
    lstrcpynA(cf.szFaceName, "Courier New", LF_FACESIZE);
    SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
    SendMessage(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
    SendMessage(EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE | ENM_PROTECTED);

    m_styleComment = {RGB(0, 128, 0), FALSE, FALSE};
    m_styleNumber = {RGB(255, 0, 255), FALSE, FALSE};
    m_styleString = {RGB(255, 0, 255), FALSE, FALSE};
    m_styleKeyword1 = {RGB(0, 0, 255), FALSE, FALSE};
    m_styleKeyword2 = {kBlack, TRUE, FALSE};
    m_strDelimiters = "\"";
}

void CSyntaxRichEdit::AddWord(CString& strList, CString& strLower, LPCSTR pszWord)
{
    strList += pszWord;
    strList += ' ';
    if (m_bIgnoreCase) {
        strLower = strList;
        strLower.MakeLower();
    }
}

void CSyntaxRichEdit::AddKeyword1(LPCSTR pszWord)
{
    AddWord(m_strKeywords1, m_strKeywords1Lower, pszWord);
}

void CSyntaxRichEdit::AddKeyword2(LPCSTR pszWord)
{
    AddWord(m_strKeywords2, m_strKeywords2Lower, pszWord);
}

int CSyntaxRichEdit::FindWord(const CString& strList, const CString& strLower, LPCSTR pszWord) const
{
    CString strKey;
    strKey.Format(" %s ", pszWord);
    if (m_bIgnoreCase) {
        strKey.MakeLower();
        return strLower.Find(strKey);
    }
    return strList.Find(strKey);
}

int CSyntaxRichEdit::FindKeyword1(LPCSTR pszWord) const
{
    return FindWord(m_strKeywords1, m_strKeywords1Lower, pszWord);
}

int CSyntaxRichEdit::FindKeyword2(LPCSTR pszWord) const
{
    return FindWord(m_strKeywords2, m_strKeywords2Lower, pszWord);
}

void CSyntaxRichEdit::SetCommentChars(char chFirst, char chSecond)
{
    m_chComment1 = chFirst;
    m_chComment2 = chSecond;
}

void CSyntaxRichEdit::SetCommentKeyword(LPCSTR pszWord)
{
    m_strCommentKeyword = pszWord;
}

void CSyntaxRichEdit::SetStringDelimiters(LPCSTR pszDelimiters)
{
    m_strDelimiters = pszDelimiters;
}

void CSyntaxRichEdit::SetCommentStyle(COLORREF cr, BOOL bBold, BOOL bItalic)
{
    m_styleComment = {cr, bBold, bItalic};
}

void CSyntaxRichEdit::SetNumberStyle(COLORREF cr, BOOL bBold, BOOL bItalic)
{
    m_styleNumber = {cr, bBold, bItalic};
}

void CSyntaxRichEdit::SetStringStyle(COLORREF cr, BOOL bBold, BOOL bItalic)
{
    m_styleString = {cr, bBold, bItalic};
}

void CSyntaxRichEdit::SetKeyword1Style(COLORREF cr, BOOL bBold, BOOL bItalic)
{
    m_styleKeyword1 = {cr, bBold, bItalic};
}

void CSyntaxRichEdit::SetKeyword2Style(COLORREF cr, BOOL bBold, BOOL bItalic)
{
    m_styleKeyword2 = {cr, bBold, bItalic};
}

void CSyntaxRichEdit::ApplyStyle(int nStart, int nEnd, const CWordStyle& style)
{
    if (nStart >= nEnd) {
        return;
    }
    CHARRANGE chrg{nStart, nEnd};
    SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&chrg));
    CHARFORMATA cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_COLOR | CFM_BOLD | CFM_ITALIC;
    cf.dwEffects = (style.bBold ? CFE_BOLD : 0) | (style.bItalic ? CFE_ITALIC : 0);
    cf.crTextColor = style.cr;
    SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

void CSyntaxRichEdit::FixCase(int nStart, int nEnd, const CString& strList, int nAt, int nLength)
{
    const CString strSpelling = strList.Mid(nAt + 1, nLength);
    CHARRANGE chrg{nStart, nEnd};
    SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&chrg));
    std::vector<char> current(static_cast<size_t>(nLength) + 1, 0);
    SendMessage(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(current.data()));
    if (strSpelling != current.data()) {
        SendMessage(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strSpelling)));
    }
}

void CSyntaxRichEdit::ColourRange(int nStart, int nEnd)
{
    if (nStart >= nEnd || m_hWnd == nullptr) {
        return;
    }
    m_bBusy = 1;
    CHARRANGE chrgSel{};
    SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&chrgSel));
    SendMessage(WM_SETREDRAW, FALSE);
    SendMessage(EM_HIDESELECTION, TRUE);

    // A double-byte character is one position of the control and two bytes of the copy.
    std::vector<char> text(static_cast<size_t>(nEnd - nStart) * 2 + 2, 0);
    TEXTRANGEA tr{};
    tr.chrg = {nStart, nEnd};
    tr.lpstrText = text.data();
    const int nBytes = static_cast<int>(SendMessage(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&tr)));
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    auto charBytes = [&](int i) { return ::IsDBCSLeadByte(p[i]) && i + 1 < nBytes ? 2 : 1; };
    auto isLineEnd = [&](int i) { return p[i] == '\r' || p[i] == '\n'; };

    const CWordStyle plain{kBlack, FALSE, FALSE};
    int i = 0;
    int nPos = nStart;
    int nPlainStart = nStart;
    while (i < nBytes) {
        const unsigned char ch = p[i];
        const int nTokenStart = nPos;
        const CWordStyle* pStyle = nullptr;
        auto advance = [&]() {
            i += charBytes(i);
            ++nPos;
        };
        auto toLineEnd = [&]() {
            while (i < nBytes && !isLineEnd(i)) {
                advance();
            }
        };
        const bool bComment =
            ch == static_cast<unsigned char>(m_chComment1) &&
            (m_chComment2 == 0 || (i + 1 < nBytes && p[i + 1] == static_cast<unsigned char>(m_chComment2)));
        if (bComment) {
            toLineEnd();
            pStyle = &m_styleComment;
        } else if (ch != 0 && m_strDelimiters.Find(static_cast<char>(ch)) >= 0) {
            advance();
            while (i < nBytes && !isLineEnd(i)) {
                const bool bClose = p[i] == ch;
                advance();
                if (bClose) {
                    break;
                }
            }
            pStyle = &m_styleString;
        } else if (IsDigit(ch) || (ch == '-' && i + 1 < nBytes && IsDigit(p[i + 1]))) {
            // Where a standard conversion stops; the copy ends in a 0, so strtod stops there too.
            char* pEnd = nullptr;
            std::strtod(text.data() + i, &pEnd);
            const int nLength = static_cast<int>(pEnd - (text.data() + i));
            i += nLength > 0 ? nLength : 1;
            nPos += nLength > 0 ? nLength : 1;
            pStyle = &m_styleNumber;
        } else if (IsAsciiLetter(ch) || ch == '(' || ch == ')') {
            const int nWordByte = i;
            advance();
            while (i < nBytes && (IsAsciiLetter(p[i]) || p[i] == '[' || p[i] == ']')) {
                advance();
            }
            const CString strWord = CString(text.data() + nWordByte).Left(i - nWordByte);
            const int nAt1 = FindKeyword1(strWord);
            const int nAt2 = nAt1 < 0 ? FindKeyword2(strWord) : -1;
            if (nAt1 >= 0 && !m_strCommentKeyword.IsEmpty() && strWord.CompareNoCase(m_strCommentKeyword) == 0) {
                toLineEnd();
                pStyle = &m_styleComment;
            } else if (nAt1 >= 0 || nAt2 >= 0) {
                if (m_bIgnoreCase && m_bFixCase) {
                    FixCase(nTokenStart, nPos, nAt1 >= 0 ? m_strKeywords1 : m_strKeywords2, nAt1 >= 0 ? nAt1 : nAt2,
                            strWord.GetLength());
                }
                pStyle = nAt1 >= 0 ? &m_styleKeyword1 : &m_styleKeyword2;
            }
        } else {
            advance();
        }
        if (pStyle != nullptr) {
            ApplyStyle(nPlainStart, nTokenStart, plain);
            ApplyStyle(nTokenStart, nPos, *pStyle);
            nPlainStart = nPos;
        }
    }
    ApplyStyle(nPlainStart, nPos, plain);

    SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&chrgSel));
    SendMessage(EM_HIDESELECTION, FALSE);
    SendMessage(WM_SETREDRAW, TRUE);
    Invalidate();
    m_bBusy = 0;
}

void CSyntaxRichEdit::ColourLines(int nFrom, int nTo)
{
    const int nFirstLine = static_cast<int>(SendMessage(EM_EXLINEFROMCHAR, 0, nFrom));
    const int nLastLine = static_cast<int>(SendMessage(EM_EXLINEFROMCHAR, 0, nTo));
    const int nStart = static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(nFirstLine)));
    const int nLastStart = static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(nLastLine)));
    const int nLastLength = static_cast<int>(SendMessage(EM_LINELENGTH, static_cast<WPARAM>(nLastStart)));
    ColourRange(nStart, nLastStart + nLastLength);
}

void CSyntaxRichEdit::ColourAll()
{
    GETTEXTLENGTHEX gtl{GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    const int nLength = static_cast<int>(SendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gtl)));
    ColourRange(0, nLength);
}

void CSyntaxRichEdit::OnProtected(UINT message, WPARAM wParam, const CHARRANGE& chrg)
{
    const int nPrevious = m_nChangeKind;
    switch (message) {
    case WM_CHAR:
    case EM_REPLACESEL:
        m_nChangeKind = changeChar;
        break;
    case WM_KEYDOWN:
        m_nChangeKind = wParam == VK_BACK ? changeBack : wParam == VK_DELETE ? changeDelete : changeOther;
        break;
    case WM_CUT:
        m_nChangeKind = changeCut;
        break;
    case WM_PASTE:
        m_nChangeKind = nPrevious == changeCut ? changeDragMove : changePaste;
        break;
    default:
        m_nChangeKind = changeOther;
        break;
    }
    if (message != EM_SETCHARFORMAT && m_nChangeKind != changeDragMove) {
        m_chrgChanged = chrg;
    }
}

void CSyntaxRichEdit::OnChange()
{
    if (m_bBusy) {
        return;
    }
    if (m_watch.m_bPending && !m_watch.m_bAnnounced) {
        OnProtected(m_watch.m_pending.message, m_watch.m_pending.wParam, m_watch.m_pending.chrg);
    }
    CHARRANGE sel{};
    SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&sel));
    if (m_nChangeKind == changeDragMove && sel.cpMin == sel.cpMax) {
        m_nChangeKind = changePaste;
    }
    switch (m_nChangeKind) {
    case changeNone:
    case changeDelete:
    case changeBack:
    case changeCut:
        ColourLines(sel.cpMin, sel.cpMax);
        break;
    case changeChar:
    case changePaste:
        // Whole lines: a typed letter completes a word that began before it.
        ColourLines(m_chrgChanged.cpMin, sel.cpMax);
        break;
    case changeDragMove:
        ColourLines(sel.cpMin, sel.cpMax);
        if (sel.cpMin <= m_chrgChanged.cpMin) {
            ColourLines(m_chrgChanged.cpMin, m_chrgChanged.cpMin);
        } else {
            ColourLines(m_chrgChanged.cpMax, m_chrgChanged.cpMax);
        }
        break;
    default:
        ColourAll();
        break;
    }
    m_nChangeKind = changeNone;
}

LRESULT CSyntaxRichEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_bBusy || m_hWnd == nullptr || !CKvRichEditWatch::ChangesText(message)) {
        return CWnd::WindowProc(message, wParam, lParam);
    }
    return m_watch.Run(m_hWnd, message, wParam, [&]() { return CWnd::WindowProc(message, wParam, lParam); });
}

BOOL CSyntaxRichEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
        OnChange();
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        if (pHdr->code == EN_PROTECTED) {
            const auto* pProtected = reinterpret_cast<const ENPROTECTED*>(lParam);
            if (!m_bBusy) {
                OnProtected(pProtected->msg, pProtected->wParam, pProtected->chrg);
                m_watch.m_bAnnounced = TRUE;
            }
            // Always allowed: the protection is there only to hear of changes first.
            *pResult = 0;
            return TRUE;
        }
    }
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

LRESULT CSyntaxRichEdit::OnGetDlgCode(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
}

LRESULT CSyntaxRichEdit::OnCharMsg(WPARAM wParam, LPARAM /*lParam*/)
{
    if (wParam == VK_TAB && (::GetKeyState(VK_CONTROL) & 0x8000) == 0) {
        SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("\t"));
        return 0;
    }
    return Default();
}

LRESULT CSyntaxRichEdit::OnSetTextMsg(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    const LRESULT lResult = Default();
    ColourAll();
    return lResult;
}
