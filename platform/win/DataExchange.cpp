#include "platform/win/DataExchange.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

#include "platform/win/MsgBox.h"
#include "platform/win/Wnd.h"

namespace
{
// The standard refusals, in the suite's language.
const char szNeedInt[] = "请输入一个整数。";
const char szIntRange[] = "请输入一个介于 %ld 和 %ld 之间的整数。";
const char szMaxChars[] = "请输入不超过 %d 个字符。";

CString ControlText(HWND hCtl)
{
    CString str;
    int nLength = GetWindowTextLengthA(hCtl);
    if (nLength > 0) {
        GetWindowTextA(hCtl, str.GetBuffer(nLength + 1), nLength + 1);
        str.ReleaseBuffer();
    }
    return str;
}

// Whole text, blanks around allowed, as strtol reads it.
bool ParseLong(const CString& str, long& value)
{
    CString s(str);
    s.Trim();
    if (s.IsEmpty()) {
        return false;
    }
    char* pEnd = nullptr;
    errno = 0;
    long n = strtol(s, &pEnd, 10);
    if (errno != 0 || pEnd == nullptr || *pEnd != '\0') {
        return false;
    }
    value = n;
    return true;
}

template <typename T> void TextSigned(CDataExchange* pDX, int nIDC, T& value)
{
    HWND hCtl = pDX->PrepareEditCtrl(nIDC);
    if (hCtl == nullptr || pDX->m_bFailed) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        long n = 0;
        if (!ParseLong(ControlText(hCtl), n) || n < static_cast<long>(std::numeric_limits<T>::min()) ||
            n > static_cast<long>(std::numeric_limits<T>::max())) {
            FxDDVFail(pDX, szNeedInt);
            return;
        }
        value = static_cast<T>(n);
    } else {
        CString str;
        str.Format("%ld", static_cast<long>(value));
        SetWindowTextA(hCtl, str);
    }
}

// Checks only when saving, on the value the exchange just before it read.
bool Checking(CDataExchange* pDX)
{
    return pDX->m_bSaveAndValidate && !pDX->m_bFailed;
}
// A control state read with one message and set with another (check state, selected index).
void ExchangeState(CDataExchange* pDX, int nIDC, int& value, UINT nGetMsg, UINT nSetMsg)
{
    HWND hCtl = pDX->PrepareCtrl(nIDC);
    if (hCtl == nullptr || pDX->m_bFailed) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(hCtl, nGetMsg, 0, 0));
    } else {
        ::SendMessageA(hCtl, nSetMsg, static_cast<WPARAM>(value), 0);
    }
}
} // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_idLastControl(0), m_bEditLastControl(FALSE),
      m_bFailed(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hCtl = m_pDlgWnd != nullptr ? ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC) : nullptr;
    m_idLastControl = nIDC;
    m_bEditLastControl = FALSE;
    return hCtl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hCtl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hCtl;
}

void CDataExchange::Fail()
{
    m_bFailed = TRUE;
    if (m_pDlgWnd == nullptr || m_idLastControl == 0) {
        return;
    }
    HWND hCtl = ::GetDlgItem(m_pDlgWnd->m_hWnd, m_idLastControl);
    if (hCtl == nullptr) {
        return;
    }
    ::SendMessageA(m_pDlgWnd->m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hCtl), TRUE);
    if (m_bEditLastControl) {
        ::SendMessageA(hCtl, EM_SETSEL, 0, -1);
    }
}

void FxDDVFail(CDataExchange* pDX, LPCSTR lpszText)
{
    FxMessageBox(pDX->m_pDlgWnd != nullptr ? pDX->m_pDlgWnd->m_hWnd : nullptr, lpszText, nullptr,
                 MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hCtl = pDX->PrepareEditCtrl(nIDC);
    if (hCtl == nullptr || pDX->m_bFailed) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = ControlText(hCtl);
    } else {
        SetWindowTextA(hCtl, value);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    TextSigned(pDX, nIDC, value);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeState(pDX, nIDC, value, BM_GETCHECK, BM_SETCHECK);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hFirst = pDX->PrepareCtrl(nIDC);
    if (hFirst == nullptr || pDX->m_bFailed) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = -1;
    }
    // The group runs from nIDC to the next control with WS_GROUP; only radio buttons count.
    int nIndex = 0;
    HWND hCtl = hFirst;
    do {
        char szClass[16] = {};
        GetClassNameA(hCtl, szClass, sizeof(szClass));
        LONG_PTR style = GetWindowLongPtrA(hCtl, GWL_STYLE) & 0x0F;
        if (lstrcmpiA(szClass, "Button") == 0 && (style == BS_RADIOBUTTON || style == BS_AUTORADIOBUTTON)) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageA(hCtl, BM_GETCHECK, 0, 0) == BST_CHECKED) {
                    value = nIndex;
                }
            } else {
                ::SendMessageA(hCtl, BM_SETCHECK, nIndex == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++nIndex;
        }
        hCtl = GetWindow(hCtl, GW_HWNDNEXT);
    } while (hCtl != nullptr && !(GetWindowLongPtrA(hCtl, GWL_STYLE) & WS_GROUP));
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hCtl = pDX->PrepareCtrl(nIDC);
    if (hCtl == nullptr || pDX->m_bFailed) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        // The edit part's text for a drop-down, else the selected entry's.
        int nIndex = static_cast<int>(::SendMessageA(hCtl, CB_GETCURSEL, 0, 0));
        if ((GetWindowLongPtrA(hCtl, GWL_STYLE) & 0x3) != CBS_DROPDOWNLIST || nIndex == CB_ERR) {
            value = ControlText(hCtl);
        } else {
            int nLength = static_cast<int>(::SendMessageA(hCtl, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex), 0));
            ::SendMessageA(hCtl, CB_GETLBTEXT, static_cast<WPARAM>(nIndex),
                           reinterpret_cast<LPARAM>(value.GetBuffer(nLength + 1)));
            value.ReleaseBuffer();
        }
    } else {
        if (::SendMessageA(hCtl, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(static_cast<LPCSTR>(value))) == CB_ERR) {
            SetWindowTextA(hCtl, value);
        }
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeState(pDX, nIDC, index, CB_GETCURSEL, CB_SETCURSEL);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeState(pDX, nIDC, index, LB_GETCURSEL, LB_SETCURSEL);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr) {
        return;
    }
    HWND hCtl = pDX->PrepareCtrl(nIDC);
    if (hCtl != nullptr) {
        rControl.SubclassWindow(hCtl);
    }
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bFailed) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() > nChars) {
            CString strText;
            strText.Format(szMaxChars, nChars);
            FxDDVFail(pDX, strText);
        }
    } else if (pDX->m_idLastControl != 0 && pDX->m_bEditLastControl && pDX->m_pDlgWnd != nullptr) {
        ::SendDlgItemMessageA(pDX->m_pDlgWnd->m_hWnd, pDX->m_idLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars),
                              0);
    }
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (Checking(pDX) && (value < minVal || value > maxVal)) {
        CString strText;
        strText.Format(szIntRange, static_cast<long>(minVal), static_cast<long>(maxVal));
        FxDDVFail(pDX, strText);
    }
}
