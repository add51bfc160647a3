#include "platform/frame/ToolBar.h"

#include <algorithm>

#include <commctrl.h>

#include "platform/base/FxResMgr.h"
#include "platform/frame/FrameWnd.h"
#include "platform/gdi/DC.h"
#include "platform/win/CmdUI.h"

namespace
{
// Updates one button from its command's update handler.
class CToolCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        CToolBar* pBar = static_cast<CToolBar*>(m_pOther);
        const UINT nOld = pBar->GetButtonStyle(static_cast<int>(m_nIndex));
        const UINT nNew = bOn ? (nOld & ~TBBS_DISABLED) : (nOld | TBBS_DISABLED);
        if (nNew != nOld) {
            pBar->SetButtonStyle(static_cast<int>(m_nIndex), nNew);
        }
    }
    void SetCheck(int nCheck) override
    {
        CToolBar* pBar = static_cast<CToolBar*>(m_pOther);
        const UINT nOld = pBar->GetButtonStyle(static_cast<int>(m_nIndex));
        UINT nNew = (nOld & ~(TBBS_CHECKED | TBBS_INDETERMINATE)) | TBBS_CHECKBOX;
        if (nCheck == 1) {
            nNew |= TBBS_CHECKED;
        } else if (nCheck == 2) {
            nNew |= TBBS_INDETERMINATE;
        }
        if (nNew != nOld) {
            pBar->SetButtonStyle(static_cast<int>(m_nIndex), nNew);
        }
    }
    void SetText(LPCSTR) override {}
};

const int kSeparatorWidth = 8;
} // namespace

FX_IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

CToolBar::CToolBar() : m_hbmImageWell(nullptr), m_sizeButton(23, 22), m_sizeImage(16, 15)
{
    SetBorders(2, 2, 2, 2);
}

CToolBar::~CToolBar()
{
    // The control draws from the strip until its window goes.
    DestroyWindow();
    if (m_hbmImageWell != nullptr) {
        ::DeleteObject(m_hbmImageWell);
    }
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, TBSTYLE_FLAT, dwStyle, nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    // The bar's style bits stay out of the window style: its low word is the control's.
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER |
                       CCS_NORESIZE | (dwCtrlStyle & 0xFFFF);
    if ((m_dwStyle & CBRS_TOOLTIPS) != 0) {
        dwWndStyle |= TBSTYLE_TOOLTIPS;
    }
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID)) {
        return FALSE;
    }
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(m_sizeImage.cx, m_sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(m_sizeButton.cx, m_sizeButton.cy));
    // Commands and notifications go to the frame, wherever the bar is docked or floating.
    if (CFrameWnd* pFrame = m_pDockSite != nullptr ? m_pDockSite : FxGetParentFrame(this)) {
        SendMessage(TB_SETPARENT, reinterpret_cast<WPARAM>(pFrame->m_hWnd));
    } else if (pParentWnd != nullptr) {
        SendMessage(TB_SETPARENT, reinterpret_cast<WPARAM>(pParentWnd->m_hWnd));
    }
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    if (m_hWnd != nullptr) {
        SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
        SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
    }
}

BOOL CToolBar::LoadBitmap(UINT nIDResource)
{
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(nIDResource), MAKEINTRESOURCEA(2)); // RT_BITMAP
    if (hInst == nullptr) {
        return FALSE;
    }
    HBITMAP hbm = ::CreateMappedBitmap(hInst, static_cast<INT_PTR>(nIDResource), 0, nullptr, 0);
    return hbm != nullptr && SetBitmap(hbm);
}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell)
{
    if (hbmImageWell == nullptr || m_hWnd == nullptr) {
        return FALSE;
    }
    BITMAP bm = {};
    ::GetObjectA(hbmImageWell, sizeof(bm), &bm);
    TBADDBITMAP tbab = {nullptr, reinterpret_cast<UINT_PTR>(hbmImageWell)};
    const int nImages = m_sizeImage.cx > 0 ? bm.bmWidth / m_sizeImage.cx : 0;
    if (m_hbmImageWell != nullptr) {
        TBREPLACEBITMAP tbrb = {nullptr, reinterpret_cast<UINT_PTR>(m_hbmImageWell), nullptr,
                                reinterpret_cast<UINT_PTR>(hbmImageWell), nImages};
        SendMessage(TB_REPLACEBITMAP, 0, reinterpret_cast<LPARAM>(&tbrb));
        ::DeleteObject(m_hbmImageWell);
    } else if (SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(nImages), reinterpret_cast<LPARAM>(&tbab)) == -1) {
        ::DeleteObject(hbmImageWell);
        return FALSE;
    }
    m_hbmImageWell = hbmImageWell;
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    if (m_hWnd == nullptr || nIDCount < 0) {
        return FALSE;
    }
    for (int i = GetCount() - 1; i >= 0; --i) {
        SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(i));
    }
    int iImage = 0;
    for (int i = 0; i < nIDCount && lpIDArray != nullptr; ++i) {
        TBBUTTON button = {};
        if (lpIDArray[i] == ID_SEPARATOR) {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = kSeparatorWidth;
        } else {
            button.idCommand = static_cast<int>(lpIDArray[i]);
            button.iBitmap = iImage++;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = TBSTYLE_BUTTON;
        }
        if (!SendMessage(TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button))) {
            return FALSE;
        }
    }
    return TRUE;
}

int CToolBar::GetCount() const
{
    return m_hWnd != nullptr ? static_cast<int>(SendMessage(TB_BUTTONCOUNT)) : 0;
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < GetCount(); ++i) {
        if (GetItemID(i) == nIDFind && (GetButtonStyle(i) & TBBS_SEPARATOR) == 0) {
            return i;
        }
    }
    return -1;
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button = {};
    SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
    return (button.fsStyle & TBSTYLE_SEP) != 0 ? ID_SEPARATOR : static_cast<UINT>(button.idCommand);
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    ::SetRectEmpty(lpRect);
    SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect));
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON button = {};
    if (!SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button))) {
        return 0;
    }
    return static_cast<UINT>(button.fsStyle) | (static_cast<UINT>(button.fsState ^ TBSTATE_ENABLED) << 16);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_STYLE | TBIF_STATE | TBIF_BYINDEX;
    info.fsStyle = static_cast<BYTE>(nStyle & 0xFF);
    info.fsState = static_cast<BYTE>(((nStyle >> 16) ^ TBSTATE_ENABLED) & 0xFF);
    SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info));
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    TBBUTTON button = {};
    SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
    nID = (button.fsStyle & TBSTYLE_SEP) != 0 ? ID_SEPARATOR : static_cast<UINT>(button.idCommand);
    nStyle = GetButtonStyle(nIndex);
    iImage = button.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_COMMAND | TBIF_IMAGE | TBIF_BYINDEX;
    info.idCommand = static_cast<int>(nID);
    info.iImage = iImage;
    SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info));
    SetButtonStyle(nIndex, nStyle);
}

void CToolBar::SetWrapAll(BOOL bWrap)
{
    for (int i = 0; i < GetCount(); ++i) {
        const UINT nStyle = GetButtonStyle(i);
        const UINT nNew = bWrap ? (nStyle | TBBS_WRAPPED) : (nStyle & ~TBBS_WRAPPED);
        if (nNew != nStyle) {
            SetButtonStyle(i, nNew);
        }
    }
}

void CToolBar::WrapToWidth(int nWidth)
{
    int x = 0;
    int nPrev = -1;
    for (int i = 0; i < GetCount(); ++i) {
        UINT nStyle = GetButtonStyle(i) & ~TBBS_WRAPPED;
        SetButtonStyle(i, nStyle);
        if ((nStyle & TBBS_HIDDEN) != 0) {
            continue;
        }
        UINT nID = 0;
        UINT nDummy = 0;
        int iImage = 0;
        GetButtonInfo(i, nID, nDummy, iImage);
        const BOOL bSep = (nStyle & TBBS_SEPARATOR) != 0;
        const int cx = bSep ? iImage : m_sizeButton.cx;
        // A button that would pass the width starts a new row: its predecessor wraps.
        if (x > 0 && x + cx > nWidth && !bSep && nPrev >= 0) {
            SetButtonStyle(nPrev, GetButtonStyle(nPrev) | TBBS_WRAPPED);
            x = 0;
        }
        x += cx;
        nPrev = i;
    }
}

CSize CToolBar::ButtonExtent() const
{
    // Rows end at wrapped buttons; a wrapped separator ends its row without taking width.
    int cxMax = 0;
    int cx = 0;
    int nRows = 1;
    BOOL bAny = FALSE;
    for (int i = 0; i < GetCount(); ++i) {
        const UINT nStyle = GetButtonStyle(i);
        if ((nStyle & TBBS_HIDDEN) != 0) {
            continue;
        }
        UINT nID = 0;
        UINT nDummy = 0;
        int iImage = 0;
        GetButtonInfo(i, nID, nDummy, iImage);
        const BOOL bSep = (nStyle & TBBS_SEPARATOR) != 0;
        if (!(bSep && (nStyle & TBBS_WRAPPED) != 0)) {
            cx += bSep ? iImage : m_sizeButton.cx;
        }
        bAny = TRUE;
        cxMax = std::max(cxMax, cx);
        if ((nStyle & TBBS_WRAPPED) != 0 && i + 1 < GetCount()) {
            cx = 0;
            ++nRows;
        }
    }
    return bAny ? CSize(cxMax, nRows * m_sizeButton.cy) : CSize(0, 0);
}

CSize CToolBar::CalcLayout(DWORD dwMode, int nLength)
{
    if ((dwMode & LM_VERTDOCK) != 0) {
        SetWrapAll(TRUE);
    } else if ((dwMode & LM_HORZDOCK) != 0) {
        SetWrapAll(FALSE);
    } else {
        // Floating: wrapped to the width asked for (or the last floating width); asked for a
        // height, the narrowest layout that fits it.
        int nWidth = (dwMode & LM_MRUWIDTH) != 0 || nLength < 0 ? m_nMRUWidth : nLength;
        if ((dwMode & LM_LENGTHY) != 0) {
            SetWrapAll(FALSE);
            const int cxFull = ButtonExtent().cx;
            nWidth = cxFull;
            for (int cxTry = m_sizeButton.cx; cxTry <= cxFull; cxTry += m_sizeButton.cx) {
                WrapToWidth(cxTry);
                if (ButtonExtent().cy <= std::max<LONG>(nLength, m_sizeButton.cy)) {
                    nWidth = cxTry;
                    break;
                }
            }
        }
        WrapToWidth(nWidth);
    }
    SendMessage(TB_AUTOSIZE);
    CSize size = ButtonExtent();
    CRect rcInside(0, 0, 0, 0);
    CalcInsideRect(rcInside, (dwMode & LM_HORZ) != 0 || (dwMode & LM_VERTDOCK) == 0);
    size.cx += rcInside.left - rcInside.right;
    size.cy += rcInside.top - rcInside.bottom;
    if ((dwMode & LM_COMMIT) != 0 && (dwMode & (LM_HORZDOCK | LM_VERTDOCK)) == 0) {
        m_nMRUWidth = size.cx - (rcInside.left - rcInside.right);
    }
    return size;
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CalcLayout(bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK, -1);
    if (bStretch) {
        if (bHorz) {
            size.cx = 32767;
        } else {
            size.cy = 32767;
        }
    }
    return size;
}

CSize CToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if ((dwMode & (LM_HORZDOCK | LM_VERTDOCK)) != 0 && (dwMode & LM_COMMIT) == 0) {
        return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZDOCK) != 0);
    }
    return CalcLayout(dwMode, nLength);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    const int nCount = GetCount();
    for (int i = 0; i < nCount; ++i) {
        if ((GetButtonStyle(i) & TBBS_SEPARATOR) != 0) {
            continue;
        }
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = GetItemID(i);
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

int CToolBar::ButtonHitTest(CPoint point) const
{
    return static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point)));
}

void CToolBar::OnPaint()
{
    Default();
}

BOOL CToolBar::OnEraseBkgnd(CDC*)
{
    return static_cast<BOOL>(Default());
}

void CToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    // On a button the control presses it; elsewhere the bar is dragged.
    if (ButtonHitTest(point) >= 0 || m_pDockBar == nullptr) {
        Default();
        return;
    }
    CControlBar::OnLButtonDown(nFlags, point);
}

void CToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (ButtonHitTest(point) >= 0 || m_pDockBar == nullptr) {
        Default();
        return;
    }
    CControlBar::OnLButtonDblClk(nFlags, point);
}

BOOL CToolBar::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_NOTIFY || (m_dwStyle & CBRS_FLYBY) == 0) {
        return CControlBar::OnChildNotify(message, wParam, lParam, pResult);
    }
    const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
    if (pHdr->code != TBN_HOTITEMCHANGE) {
        return FALSE;
    }
    // Fly-by: the hot button's prompt in the status line, the idle text when the mouse leaves.
    const NMTBHOTITEM* pHot = reinterpret_cast<const NMTBHOTITEM*>(lParam);
    CFrameWnd* pFrame = m_pDockSite != nullptr ? m_pDockSite : FxGetParentFrame(this);
    if (pFrame != nullptr) {
        const BOOL bLeaving = (pHot->dwFlags & HICF_LEAVING) != 0;
        pFrame->SendMessage(WM_SETMESSAGESTRING, bLeaving ? 0 : static_cast<WPARAM>(pHot->idNew));
    }
    *pResult = 0;
    return FALSE;
}

void CToolBar::DrawNonClient()
{
    HDC hDC = ::GetWindowDC(m_hWnd);
    if (hDC == nullptr) {
        return;
    }
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);
    CRect rcClient;
    GetClientRect(&rcClient);
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rcClient), 2);
    CRect rcWnd2;
    GetWindowRect(&rcWnd2);
    rcClient.OffsetRect(-rcWnd2.left, -rcWnd2.top);
    // The frame around the client area: fill, borders, gripper.
    ::ExcludeClipRect(hDC, rcClient.left, rcClient.top, rcClient.right, rcClient.bottom);
    ::FillRect(hDC, &rcWindow, ::GetSysColorBrush(COLOR_BTNFACE));
    CDC* pDC = CDC::FromHandle(hDC);
    CRect rc(rcWindow);
    DrawBorders(pDC, rc);
    DrawGripper(pDC, rc);
    ::ReleaseDC(m_hWnd, hDC);
}

LRESULT CToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCALCSIZE: {
        // Borders and gripper are non-client: the control lays its buttons in what is left.
        RECT* prc = reinterpret_cast<RECT*>(lParam);
        CRect rcInside(0, 0, 0, 0);
        CalcInsideRect(rcInside, (m_dwStyle & CBRS_ORIENT_HORZ) != 0 || (m_dwStyle & CBRS_FLOATING) != 0);
        prc->left += rcInside.left;
        prc->top += rcInside.top;
        prc->right += rcInside.right;
        prc->bottom += rcInside.bottom;
        prc->right = std::max(prc->right, prc->left);
        prc->bottom = std::max(prc->bottom, prc->top);
        return 0;
    }
    case WM_NCPAINT:
        DrawNonClient();
        return 0;
    default:
        break;
    }
    return CControlBar::WindowProc(message, wParam, lParam);
}
