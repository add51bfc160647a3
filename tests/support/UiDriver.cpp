#include "tests/support/UiDriver.h"

#include <gtest/gtest.h>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/win/Dialog.h"
#include "platform/win/MsgBox.h"
#include "tests/support/PngFile.h"

namespace
{
CTestUi* g_pUi = nullptr;
}

CTestDlg::CTestDlg(CDialog* pDlg) : m_pDlg(pDlg)
{
}

HWND CTestDlg::GetHwnd() const
{
    return m_pDlg->m_hWnd;
}

HWND CTestDlg::Item(int nID) const
{
    return GetDlgItem(GetHwnd(), nID);
}

UINT CTestDlg::GetTemplateID() const
{
    return m_pDlg->GetTemplateID();
}

CString CTestDlg::GetCaption() const
{
    CString str;
    m_pDlg->GetWindowText(str);
    return str;
}

CString CTestDlg::GetText(int nID) const
{
    CString str;
    m_pDlg->GetDlgItemText(nID, str);
    return str;
}

void CTestDlg::SetText(int nID, LPCSTR pszText)
{
    SetWindowTextA(Item(nID), pszText);
}

BOOL CTestDlg::IsEnabled(int nID) const
{
    return IsWindowEnabled(Item(nID));
}

BOOL CTestDlg::IsVisible(int nID) const
{
    return IsWindowVisible(Item(nID));
}

BOOL CTestDlg::IsChecked(int nID) const
{
    return SendMessageA(Item(nID), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

BOOL CTestDlg::IsReadOnly(int nID) const
{
    return (GetWindowLongPtrA(Item(nID), GWL_STYLE) & ES_READONLY) != 0;
}

int CTestDlg::GetFocusID() const
{
    HWND hFocus = GetFocus();
    return hFocus != nullptr && GetParent(hFocus) == GetHwnd() ? GetDlgCtrlID(hFocus) : 0;
}

void CTestDlg::GetSel(int nID, int& nStart, int& nEnd) const
{
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    SendMessageA(Item(nID), EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    nStart = static_cast<int>(dwStart);
    nEnd = static_cast<int>(dwEnd);
}

void CTestDlg::Click(int nID)
{
    HWND hButton = Item(nID);
    if (hButton == nullptr) {
        ADD_FAILURE() << "no control " << nID << " in dialog " << GetTemplateID();
        return;
    }
    // Wine's BM_CLICK clicks a disabled button too; a user cannot.
    if (IsWindowEnabled(hButton)) {
        SendMessageA(hButton, BM_CLICK, 0, 0);
    }
}

void CTestDlg::SelectCombo(int nID, int nIndex)
{
    HWND hCombo = Item(nID);
    SendMessageA(hCombo, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    SendMessageA(GetHwnd(), WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hCombo));
}

int CTestDlg::GetComboCount(int nID) const
{
    return static_cast<int>(SendMessageA(Item(nID), CB_GETCOUNT, 0, 0));
}

CString CTestDlg::GetComboText(int nID, int nIndex) const
{
    CString str;
    HWND hCombo = Item(nID);
    int nLength = static_cast<int>(SendMessageA(hCombo, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex), 0));
    if (nLength >= 0) {
        SendMessageA(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(nIndex),
                     reinterpret_cast<LPARAM>(str.GetBuffer(nLength + 1)));
        str.ReleaseBuffer();
    }
    return str;
}

void CTestDlg::Ok()
{
    Click(IDOK);
}

void CTestDlg::Cancel()
{
    SendMessageA(GetHwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(Item(IDCANCEL)));
}

BOOL CTestDlg::SavePicture(const char* pszName) const
{
    return SaveWindowPicture(GetHwnd(), pszName);
}

BOOL CaptureWindowShown(HWND hWnd, PngImage& image)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0) {
        return FALSE;
    }
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy; // top row first
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    // Destroyed in reverse order: the guard selects the bitmap out, the memory DC goes before the
    // bitmap, the screen DC last.
    CClientDC dcScreen(nullptr);
    CBitmap bitmap;
    bitmap.Attach(::CreateDIBSection(dcScreen, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
    CDC dcMem;
    if (dcScreen.m_hDC == nullptr || bitmap.m_hObject == nullptr || !dcMem.CreateCompatibleDC(&dcScreen)) {
        return FALSE;
    }
    CFxSelectGuard selectBitmap(&dcMem, &bitmap);
    // From the screen: Wine's PrintWindow leaves the child controls out. Only the part on the
    // screen (a maximised window's frame lies outside it); the rest stays black.
    const CRect rcScreen(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    CRect rcShown;
    if (!rcShown.IntersectRect(&rcScreen, &rc) ||
        !dcMem.BitBlt(rcShown.left - rc.left, rcShown.top - rc.top, rcShown.Width(), rcShown.Height(), &dcScreen,
                      rcShown.left, rcShown.top, SRCCOPY)) {
        return FALSE;
    }
    GdiFlush();
    const DWORD* pPixels = static_cast<const DWORD*>(pBits);
    image.cx = cx;
    image.cy = cy;
    image.pixels.assign(pPixels, pPixels + static_cast<size_t>(cx) * static_cast<size_t>(cy));
    return TRUE;
}

BOOL SaveWindowPicture(HWND hWnd, const char* pszName)
{
    // Tests run windows unshown (showing and hiding a window without a window manager waits on
    // X); the picture needs it on screen.
    if (!IsWindowVisible(hWnd)) {
        ShowWindow(hWnd, SW_SHOWNORMAL);
    }
    RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    PngImage image;
    return CaptureWindowShown(hWnd, image) && SavePngImage(image, pszName);
}

BOOL SavePngImage(const PngImage& image, const char* pszName)
{
    return SavePng(TestImagePath(pszName).c_str(), image.pixels.data(), image.cx, image.cy);
}

CTestUi::CTestUi() : m_nDialogsOpened(0)
{
    if (g_pUi != nullptr) {
        ADD_FAILURE() << "one CTestUi at a time";
    }
    g_pUi = this;
    CDialog::SetOpenedHook(&CTestUi::DialogOpened);
    FxSetMessageBoxHook(&CTestUi::MessageBoxShown);
}

CTestUi::~CTestUi()
{
    CDialog::SetOpenedHook(nullptr);
    FxSetMessageBoxHook(nullptr);
    g_pUi = nullptr;
    for (const Pending& pending : m_handlers) {
        ADD_FAILURE() << "dialog " << pending.nID << " was expected but never opened";
    }
    if (!m_answers.empty()) {
        ADD_FAILURE() << m_answers.size() << " queued message box answer(s) not used";
    }
}

void CTestUi::OnDialog(UINT nIDTemplate, TestDlgHandler fnHandler)
{
    m_handlers.push_back({nIDTemplate, std::move(fnHandler)});
}

void CTestUi::AnswerMessageBox(int nAnswer)
{
    m_answers.push_back(nAnswer);
}

std::vector<CString> CTestUi::TakeBoxTexts()
{
    std::vector<CString> texts;
    for (const Box& box : m_boxes) {
        texts.push_back(box.strText);
    }
    m_boxes.clear();
    return texts;
}

void CTestUi::DialogOpened(CDialog* pDlg, BOOL bModal)
{
    CTestUi* pUi = g_pUi;
    if (pUi == nullptr || pDlg == nullptr) {
        return;
    }
    ++pUi->m_nDialogsOpened;
    UINT nID = pDlg->GetTemplateID();
    auto it = pUi->m_handlers.begin();
    while (it != pUi->m_handlers.end() && it->nID != nID) {
        ++it;
    }
    if (it == pUi->m_handlers.end()) {
        if (bModal) {
            ADD_FAILURE() << "unexpected dialog " << nID << " (cancelled)";
            pDlg->EndDialog(IDCANCEL);
        }
        return;
    }
    TestDlgHandler fnHandler = std::move(it->fnHandler);
    pUi->m_handlers.erase(it);
    CTestDlg dlg(pDlg);
    fnHandler(dlg);
    // What the handler posted (WM_CLOSE posts its IDCANCEL) is handled before judging, as the
    // modal loop would; bounded, so that a message that posts itself again cannot hang a test.
    MSG msg;
    for (int i = 0; i < 100 && pDlg->GetModalResult() == -1 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (!IsDialogMessageA(pDlg->m_hWnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    if (bModal && pDlg->m_hWnd != nullptr && pDlg->GetModalResult() == -1) {
        ADD_FAILURE() << "dialog " << nID << " left open by its handler (cancelled)";
        pDlg->EndDialog(IDCANCEL);
    }
}

int CTestUi::MessageBoxShown(HWND, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    CTestUi* pUi = g_pUi;
    if (pUi == nullptr) {
        return IDCANCEL;
    }
    pUi->m_boxes.push_back({CString(lpszText), CString(lpszCaption != nullptr ? lpszCaption : "(null)"), nType});
    if (!pUi->m_answers.empty()) {
        int nAnswer = pUi->m_answers.front();
        pUi->m_answers.erase(pUi->m_answers.begin());
        return nAnswer;
    }
    UINT nButtons = nType & MB_TYPEMASK;
    if (nButtons == MB_OK) {
        return IDOK;
    }
    ADD_FAILURE() << "unanswered message box: " << lpszText;
    return nButtons == MB_YESNO ? IDNO : IDCANCEL;
}
