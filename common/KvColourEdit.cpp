#include "common/KvColourEdit.h"

#include <algorithm>
#include <cstdlib>
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

bool IsOneOf(unsigned char ch, const CString& strChars)
{
    return ch != 0 && strChars.Find(static_cast<char>(ch)) >= 0;
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CKvColourEdit, CWnd)

FX_BEGIN_MESSAGE_MAP(CKvColourEdit, CWnd)
FX_ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
FX_ON_MESSAGE(WM_CHAR, OnCharMsg)
FX_ON_MESSAGE(WM_SETTEXT, OnSetTextMsg)
FX_END_MESSAGE_MAP()

CKvColourEdit::CKvColourEdit()
    : m_bIgnoreCase(1), m_bFixCase(1), m_chComment1(1), m_chComment2(0),
      m_bSignedReals(FALSE), m_styleComment{RGB(0, 128, 0), FALSE, FALSE},
      m_styleNumber{RGB(255, 0, 255), FALSE, FALSE}, m_styleString{RGB(255, 0, 255), FALSE, FALSE},
      m_styleWords{{RGB(0, 0, 255), FALSE, FALSE}, {kBlack, TRUE, FALSE}, {kBlack, FALSE, FALSE}}, m_bBusy(FALSE),
      m_nChangeKind(changeNone), m_chrgChanged{0, 0}
{
    for (CWordList& list : m_lists) {
        list.strList = " ";
        list.strLower = " ";
    }
}

BOOL CKvColourEdit::LoadRichEdit()
{
    // Kept loaded for the life of the process: controls of its class may exist until the end.
    static HMODULE s_hRichEdit = ::LoadLibraryA("riched20.dll");
    return s_hRichEdit != nullptr;
}

void CKvColourEdit::InitializeControl(LPCSTR pszFace)
{
    PARAFORMAT pf{};
    pf.cbSize = sizeof pf;
    pf.dwMask = PFM_TABSTOPS;
    pf.cTabCount = MAX_TAB_STOPS;
    for (int k = 0; k < MAX_TAB_STOPS; ++k) {
        pf.rgxTabs[k] = 1440 * (k + 1) / 5;
    }
    SendMessage(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));

    // The GBK character set: with the East European one Chinese text does not show.
    CHARFORMATA cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_BOLD | CFM_PROTECTED | CFM_COLOR;
    cf.dwEffects = CFE_PROTECTED;
    cf.yHeight = 200;
    cf.crTextColor = kBlack;
    cf.bCharSet = GB2312_CHARSET;
    lstrcpynA(cf.szFaceName, pszFace, LF_FACESIZE);
    SendMessage(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
    SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
    SendMessage(EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE | ENM_PROTECTED);
}

void CKvColourEdit::AddWord(int nList, const CString& strWord)
{
    CWordList& list = m_lists[nList];
    list.strList += strWord;
    list.strList += ' ';
    list.strLower = list.strList;
    list.strLower.MakeLower();
}

void CKvColourEdit::ClearWords(int nList)
{
    m_lists[nList].strList = " ";
    m_lists[nList].strLower = " ";
}

int CKvColourEdit::FindWord(int nList, const CString& strWord) const
{
    CString strKey = " ";
    strKey += strWord;
    strKey += ' ';
    if (m_bIgnoreCase) {
        strKey.MakeLower();
        return m_lists[nList].strLower.Find(strKey);
    }
    return m_lists[nList].strList.Find(strKey);
}

void CKvColourEdit::ApplyStyle(int nStart, int nEnd, const CWordStyle& style)
{
    if (nStart >= nEnd) {
        return;
    }
    CHARRANGE chrg{nStart, nEnd};
    SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&chrg));
    const DWORD dwEffects = (style.bBold ? CFE_BOLD : 0) | (style.bItalic ? CFE_ITALIC : 0);
    CHARFORMATA cf{};
    cf.cbSize = sizeof cf;
    SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    const DWORD dwAll = CFM_COLOR | CFM_BOLD | CFM_ITALIC;
    if ((cf.dwMask & dwAll) == dwAll && (cf.dwEffects & CFE_AUTOCOLOR) == 0 && cf.crTextColor == style.cr &&
        (cf.dwEffects & (CFE_BOLD | CFE_ITALIC)) == dwEffects) {
        return;
    }
    CHARFORMATA set{};
    set.cbSize = sizeof set;
    set.dwMask = dwAll;
    set.dwEffects = dwEffects;
    set.crTextColor = style.cr;
    SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&set));
}

void CKvColourEdit::FixCase(int nStart, int nEnd, const CString& strList, int nAt, int nLength)
{
    const CString strSpelling = strList.Mid(nAt + 1, nLength);
    CHARRANGE chrg{nStart, nEnd};
    SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&chrg));
    std::vector<char> current(static_cast<size_t>(nLength) * 2 + 1, 0);
    SendMessage(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(current.data()));
    if (strSpelling != current.data()) {
        SendMessage(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strSpelling)));
    }
}

void CKvColourEdit::ColourRange(int nStart, int nEnd)
{
    if (nStart >= nEnd || m_hWnd == nullptr) {
        return;
    }
    m_bBusy = TRUE;
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
        // A line break keeps the format it has: it shows nothing, and typing after it takes it.
        if (isLineEnd(i)) {
            ApplyStyle(nPlainStart, nPos, plain);
            advance();
            nPlainStart = nPos;
            continue;
        }
        const bool bComment =
            ch == static_cast<unsigned char>(m_chComment1) &&
            (m_chComment2 == 0 || (i + 1 < nBytes && p[i + 1] == static_cast<unsigned char>(m_chComment2)));
        if (bComment) {
            toLineEnd();
            pStyle = &m_styleComment;
        } else if (IsOneOf(ch, m_strDelimiters)) {
            advance();
            while (i < nBytes && !isLineEnd(i)) {
                const bool bClose = p[i] == ch;
                advance();
                if (bClose) {
                    break;
                }
            }
            pStyle = &m_styleString;
        } else if (m_bSignedReals && (IsDigit(ch) || (ch == '-' && i + 1 < nBytes && IsDigit(p[i + 1])))) {
            // Where a standard conversion stops; the copy ends in a 0, so strtod stops there too.
            char* pEnd = nullptr;
            std::strtod(text.data() + i, &pEnd);
            const int nLength = std::max(static_cast<int>(pEnd - (text.data() + i)), 1);
            i += nLength;
            nPos += nLength;
            pStyle = &m_styleNumber;
        } else if (IsDigit(ch)) {
            while (i < nBytes && IsDigit(p[i])) {
                ++i;
                ++nPos;
            }
            pStyle = &m_styleNumber;
        } else if (IsAsciiLetter(ch) || IsOneOf(ch, m_strWordStart)) {
            const int nWordByte = i;
            advance();
            while (i < nBytes && (IsAsciiLetter(p[i]) || IsOneOf(p[i], m_strWordChars))) {
                advance();
            }
            const CString strWord = CString(text.data() + nWordByte).Left(i - nWordByte);
            for (int nList = 0; nList < kWordLists && pStyle == nullptr; ++nList) {
                const int nAt = FindWord(nList, strWord);
                if (nAt < 0) {
                    continue;
                }
                if (nList == 0 && !m_strCommentKeyword.IsEmpty() && strWord.CompareNoCase(m_strCommentKeyword) == 0) {
                    toLineEnd();
                    pStyle = &m_styleComment;
                    break;
                }
                if (m_bIgnoreCase && m_bFixCase) {
                    FixCase(nTokenStart, nPos, m_lists[nList].strList, nAt, strWord.GetLength());
                }
                pStyle = &m_styleWords[nList];
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
    m_bBusy = FALSE;
}

void CKvColourEdit::ColourLines(int nFrom, int nTo)
{
    const int nFirstLine = static_cast<int>(SendMessage(EM_EXLINEFROMCHAR, 0, nFrom));
    const int nLastLine = static_cast<int>(SendMessage(EM_EXLINEFROMCHAR, 0, nTo));
    const int nStart = static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(nFirstLine)));
    const int nLastStart = static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(nLastLine)));
    const int nLastLength = static_cast<int>(SendMessage(EM_LINELENGTH, static_cast<WPARAM>(nLastStart)));
    ColourRange(nStart, nLastStart + nLastLength);
}

void CKvColourEdit::ColourAll()
{
    GETTEXTLENGTHEX gtl{GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    const int nLength = static_cast<int>(SendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gtl)));
    ColourRange(0, nLength);
}

void CKvColourEdit::OnProtected(UINT message, WPARAM wParam, const CHARRANGE& chrg)
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
        m_nChangeKind = nPrevious == changeCut ? changeCutPaste : changePaste;
        break;
    default:
        m_nChangeKind = changeOther;
        break;
    }
    if (message != EM_SETCHARFORMAT && m_nChangeKind != changeCutPaste) {
        m_chrgChanged = chrg;
    }
}

void CKvColourEdit::OnChange()
{
    if (m_bBusy) {
        return;
    }
    if (m_watch.m_bPending && !m_watch.m_bAnnounced) {
        OnProtected(m_watch.m_pending.message, m_watch.m_pending.wParam, m_watch.m_pending.chrg);
    }
    CHARRANGE sel{};
    SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&sel));
    if (m_nChangeKind == changeCutPaste && sel.cpMin == sel.cpMax) {
        m_nChangeKind = changePaste;
    }
    if (m_nChangeKind == changeOther) {
        ColourAll();
    } else if (m_nChangeKind == changeCutPaste) {
        // The text left one place for another: both are coloured.
        ColourLines(sel.cpMin, sel.cpMax);
        const int nLeft = sel.cpMin <= m_chrgChanged.cpMin ? m_chrgChanged.cpMin : m_chrgChanged.cpMax;
        ColourLines(nLeft, nLeft);
    } else {
        // Whole lines from where the change began: a typed letter completes a word that began
        // before it, and a paste of several lines leaves the caret on its last one.
        int nFrom = sel.cpMin;
        if (m_watch.m_bPending) {
            nFrom = std::min(nFrom, static_cast<int>(m_watch.m_pending.chrg.cpMin));
        }
        if (m_nChangeKind == changeChar || m_nChangeKind == changePaste) {
            nFrom = std::min(nFrom, static_cast<int>(m_chrgChanged.cpMin));
        }
        ColourLines(nFrom, sel.cpMax);
    }
    m_nChangeKind = changeNone;
}

LRESULT CKvColourEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_bBusy || m_hWnd == nullptr || !CKvRichEditWatch::ChangesText(message)) {
        return CWnd::WindowProc(message, wParam, lParam);
    }
    return m_watch.Run(m_hWnd, message, wParam, [&]() { return CWnd::WindowProc(message, wParam, lParam); });
}

BOOL CKvColourEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
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
        if (pHdr->code == EN_SELCHANGE) {
            *pResult = 0;
            return TRUE;
        }
    }
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

LRESULT CKvColourEdit::OnGetDlgCode(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
}

LRESULT CKvColourEdit::OnCharMsg(WPARAM wParam, LPARAM /*lParam*/)
{
    if (wParam == VK_TAB && (::GetKeyState(VK_CONTROL) & 0x8000) == 0) {
        SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("\t"));
        return 0;
    }
    return Default();
}

LRESULT CKvColourEdit::OnSetTextMsg(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    const LRESULT lResult = Default();
    ColourAll();
    return lResult;
}

BOOL CKvColourEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_FONTCHANGE) {
        return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}
