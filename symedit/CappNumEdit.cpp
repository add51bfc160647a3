#include "symedit/CappNumEdit.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/win/Menu.h"
#include "symedit/CappDrawCache.h"
#include "symedit/CappDrawScope.h"
#include "symedit/CappStaticTextCtl.h"
#include "symedit/res/resource.h"

namespace
{
bool IsExponent(char ch)
{
    return ch == 'e' || ch == 'E';
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}
} // namespace

CCappNumEdit::CCappNumEdit(CWnd* pParent, CRect& rect, LOGFONT font, UINT nID, CString strText, int nSelectAll,
                           UINT nAlign, float fScale, CPoint point)
{
    m_nCtrlType = kindNumEdit;
    font.lfHeight = static_cast<LONG>(static_cast<float>(std::abs(font.lfHeight)) * fScale);
    font.lfWidth = static_cast<LONG>(static_cast<float>(std::abs(font.lfWidth)) * fScale);
    m_lfFont = font;
    m_pParentWnd = pParent;
    m_strText = strText;
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
    if (nAlign & 0x1)
        dwStyle |= ES_CENTER;
    if (nAlign & 0x2)
        dwStyle |= ES_RIGHT;
    if (!Create("EDIT", "", dwStyle, rect, pParent, nID))
        return;
    m_bAutoDelete = TRUE;
    SetNumEditFont();
    SetWindowText(strText);
    SetFocus();
    const LRESULT lChar = SendMessage(EM_CHARFROMPOS, 0, MAKELPARAM(point.x, point.y));
    const WPARAM nAt = LOWORD(lChar);
    SendMessage(EM_SETSEL, nAt, static_cast<LPARAM>(nAt));
    if (nSelectAll != 0)
        SendMessage(EM_SETSEL, 0, -1);
    else
        SendMessage(EM_SETSEL, static_cast<WPARAM>(strText.GetLength()), strText.GetLength());
}

CCappNumEdit::~CCappNumEdit() = default;

void CCappNumEdit::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

void CCappNumEdit::SetValue(double dValue)
{
    CString s;
    s.Format("%G", dValue);
    SetWindowText(s);
}

double CCappNumEdit::GetValue()
{
    CString s;
    GetWindowText(s);
    return std::strtod(s, nullptr);
}

BOOL CCappNumEdit::IsCharAccepted(const CString& strText, int nCaret, UINT nChar)
{
    const int nLen = strText.GetLength();
    nCaret = std::clamp(nCaret, 0, nLen);
    const char chBefore = nCaret > 0 ? strText[nCaret - 1] : '\0';
    if (nChar >= '0' && nChar <= '9')
        return TRUE;
    if (nChar == '-') {
        if (nCaret == 0)
            return nLen == 0 || strText[0] != '-';
        return IsExponent(chBefore);
    }
    if (nChar == 'e' || nChar == 'E') {
        if (nCaret == 0 || (nCaret == 1 && strText[0] == '-'))
            return FALSE;
        return strText.FindOneOf("eE") < 0;
    }
    if (nChar == '.') {
        if (strText.Find('.') >= 0)
            return FALSE;
        for (int i = 0; i < nCaret; i++) {
            if (IsExponent(strText[i]))
                return FALSE;
        }
        return TRUE;
    }
    return FALSE;
}

BOOL CCappNumEdit::IsNumberVal(CString strText)
{
    const int nLen = strText.GetLength();
    if (nLen == 0)
        return FALSE;
    CString strTyped;
    for (int i = 0; i < nLen; i++) {
        if (!IsCharAccepted(strTyped, i, static_cast<BYTE>(strText[i])))
            return FALSE;
        strTyped += strText[i];
    }
    const char chLast = strText[nLen - 1];
    if (chLast == '.' || chLast == '-' || IsExponent(chLast))
        return FALSE;
    // "012" and "-012": a zero may lead only a fraction.
    const int nFirst = strText[0] == '-' ? 1 : 0;
    return !(nFirst + 1 < nLen && strText[nFirst] == '0' && IsDigit(strText[nFirst + 1]));
}

void CCappNumEdit::GetMyLogFont(LOGFONT& lf, int nHeight, int nWidth)
{
    lf = {};
    lf.lfHeight = nHeight;
    lf.lfWidth = nWidth;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = GB2312_CHARSET;
    lf.lfOutPrecision = OUT_STROKE_PRECIS;
    lf.lfClipPrecision = CLIP_STROKE_PRECIS;
    lf.lfQuality = DRAFT_QUALITY;
    lf.lfPitchAndFamily = 0x32;
    lstrcpyA(lf.lfFaceName, "宋体");
}

void CCappNumEdit::SetNumEditFont()
{
    if (GetSafeHwnd() == nullptr)
        return;
    LOGFONT lf = m_lfFont;
    for (int nPass = 0; nPass < 2; nPass++) {
        CFont fontNew;
        if (!fontNew.CreateFontIndirect(&lf))
            return;
        // The window lets go of the old font before it is deleted.
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(fontNew.GetSafeHandle()), TRUE);
        m_font.DeleteObject();
        m_font.Attach(fontNew.Detach());
        if (nPass == 0)
            GetTextAutoSize(lf);
    }
}

void CCappNumEdit::GetTextAutoSize(LOGFONT& lf)
{
    CString strText;
    GetWindowText(strText);
    CRect rcClient;
    GetClientRect(&rcClient);
    CClientDC dc(m_hWnd);
    GetTextAutoSize(&dc, rcClient, strText, lf);
}

void CCappNumEdit::SetWndFocurs()
{
    if (GetSafeHwnd() != nullptr)
        SetFocus();
}

BOOL CCappNumEdit::CanUndoEx()
{
    return GetSafeHwnd() != nullptr && SendMessage(EM_CANUNDO) != 0;
}

void CCappNumEdit::OnCopy()
{
    SendMessage(WM_COPY);
}

void CCappNumEdit::OnPaste()
{
    SendMessage(WM_PASTE);
}

void CCappNumEdit::OnCut()
{
    SendMessage(WM_CUT);
}

void CCappNumEdit::OnUndo()
{
    SendMessage(EM_UNDO);
}

void CCappNumEdit::ReplaceAll(const CString& strText)
{
    SendMessage(EM_SETSEL, 0, -1);
    SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strText)));
}

void CCappNumEdit::Paste(CString strText)
{
    LPCSTR psz = strText;
    char* pEnd = nullptr;
    const double dValue = std::strtod(psz, &pEnd);
    if (pEnd == psz)
        return;
    CString s;
    s.Format("%f", dValue);
    ReplaceAll(s);
}

void CCappNumEdit::Replace(CString strText)
{
    ReplaceAll(IsNumberVal(strText) ? strText : CString());
}

void CCappNumEdit::GetSelData(CString& strOut)
{
    strOut.Empty();
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    if (dwEnd <= dwStart)
        return;
    CString strText;
    GetWindowText(strText);
    strOut = strText.Mid(static_cast<int>(dwStart), static_cast<int>(dwEnd - dwStart));
}

void CCappNumEdit::GetData(CString& strOut)
{
    GetWindowText(strOut);
}

void CCappNumEdit::GetRowData(CString& strOut, int nRow)
{
    strOut.Empty();
    if (nRow < 1)
        GetWindowText(strOut);
}

void CCappNumEdit::DestroyEdit()
{
    if (GetSafeHwnd() != nullptr)
        PostMessage(WM_CLOSE);
}

void CCappNumEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_TAB:
    case VK_RETURN:
        EndEditByKey(nChar);
        break;
    case VK_ESCAPE:
        SetWindowText(m_strText);
        EndEditByKey(nChar);
        break;
    case VK_F4:
        SendToParent(msgFunctionKey4);
        break;
    default:
        CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
        break;
    }
}

void CCappNumEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_BACK) {
        CEdit::OnChar(nChar, nRepCnt, nFlags);
        SetNumEditFont();
        return;
    }
    if (nChar == 1 && ::GetKeyState(VK_CONTROL) < 0) {
        SendMessage(EM_SETSEL, 0, -1);
        return;
    }
    CString strText;
    GetWindowText(strText);
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    if (strText.GetLength() > rcWnd.Width() / 2)
        return;
    DWORD dwStart = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), 0);
    if (!IsCharAccepted(strText, static_cast<int>(dwStart), nChar))
        return;
    CEdit::OnChar(nChar, nRepCnt, nFlags);
    SetNumEditFont();
}

void CCappNumEdit::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    SendDBClickMsg();
    CEdit::OnLButtonDblClk(nFlags, point);
}

void CCappNumEdit::OnRButtonDown(UINT nFlags, CPoint point)
{
    CMenu menu;
    if (menu.LoadMenu(IDR_EDITMENU)) {
        if (CMenu* pPopup = menu.GetSubMenu(1)) {
            AppendHostMenuItems(pPopup->m_hMenu);
            POINT pt = {point.x, point.y};
            ::ClientToScreen(m_hWnd, &pt);
            ::TrackPopupMenu(pPopup->m_hMenu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, 0, m_hWnd, nullptr);
        }
    }
    CEdit::OnRButtonDown(nFlags, point);
}

BOOL CCappNumEdit::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0 && LOWORD(wParam) == ID_NUMEDIT_SELALL) {
        SendMessage(EM_SETSEL, 0, -1);
        return TRUE;
    }
    if (lParam == 0 && RunHostMenuItem(LOWORD(wParam)))
        return TRUE;
    return CEdit::OnCommand(wParam, lParam);
}

LRESULT CCappNumEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The edit control's own menu would follow ours on the button's release.
    if (message == WM_CONTEXTMENU)
        return 0;
    if (message == WM_GETDLGCODE)
        return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
    return CEdit::WindowProc(message, wParam, lParam);
}

void CCappNumEdit::DrawData(CDC* pDC, CRect rect, CString strText, LOGFONT font, UINT nFormat, int nFlags,
                            COLORREF crColor)
{
    if (pDC == nullptr || pDC->m_hDC == nullptr) {
        return;
    }
    // The fonts are the open draw's, as for plain cell text.
    CCappDrawScope scope;
    if (nFlags & 0x2) {
        font.lfHeight = std::abs(font.lfHeight);
        GetTextAutoSize(pDC, rect, strText, font);
    }
    if (!scope.GetCache().SelectFont(pDC, font)) {
        return;
    }
    const COLORREF crOld = pDC->SetTextColor(crColor);
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(strText, rect, nFormat | DT_SINGLELINE);
    pDC->SetBkMode(nOldBkMode);
    pDC->SetTextColor(crOld);
}

void CCappNumEdit::GetTextAutoSize(CDC* pDC, CRect rect, CString strText, LOGFONT& font)
{
    // The same narrowing as plain cell text.
    CCappStaticTextCtl::GetTextAutoSize(pDC, rect, strText, font);
}
