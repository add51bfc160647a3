#include "framework/FwMenuBar.h"

#include <cctype>
#include <cstdarg>
#include <vector>

#include "framework/FwDocTemplateFinder.h"
#include "framework/FwTextButton.h"
#include "framework/FwToolBarManager.h"
#include "platform/base/Firewall.h"
#include "platform/base/FxResMgr.h"
#include "platform/frame/DockBar.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/MDIChildWnd.h"
#include "platform/frame/MDIFrameWnd.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"

FX_IMPLEMENT_DYNCREATE(FwMenuBar, FwCustomToolBar)

FwMenuBar* FwMenuBar::s_pTracking = nullptr;
HHOOK FwMenuBar::s_hHook = nullptr;

namespace
{
// The resource id with which the frame creates control-bar MDI children.
const UINT kBarChildMenuID = 20514;

struct ParsedTitle
{
    CString strText;
    int nPos;
};

// Walks the top-level items of a standard menu resource; every read stays inside the resource.
class MenuResourceReader
{
public:
    MenuResourceReader(const BYTE* pData, DWORD cbSize) : m_pData(pData), m_cbSize(cbSize), m_nPos(0) {}

    BOOL ReadTopLevel(std::vector<ParsedTitle>& titles)
    {
        WORD wVersion = 0;
        WORD wOffset = 0;
        if (!ReadWord(wVersion) || !ReadWord(wOffset) || wVersion != 0) {
            return FALSE;
        }
        m_nPos = 4 + static_cast<DWORD>(wOffset);
        int nItem = 0;
        for (;;) {
            WORD wFlags = 0;
            if (!ReadWord(wFlags)) {
                return FALSE;
            }
            WORD wID = 0;
            if ((wFlags & MF_POPUP) == 0 && !ReadWord(wID)) {
                return FALSE;
            }
            CString strText;
            if (!ReadText(strText)) {
                return FALSE;
            }
            if ((wFlags & MF_POPUP) != 0 && !SkipPopup(0)) {
                return FALSE;
            }
            titles.push_back(ParsedTitle{strText, nItem++});
            if ((wFlags & MF_END) != 0) {
                return TRUE;
            }
        }
    }

private:
    BOOL ReadWord(WORD& w)
    {
        if (m_nPos + 2 > m_cbSize) {
            return FALSE;
        }
        w = static_cast<WORD>(m_pData[m_nPos] | m_pData[m_nPos + 1] << 8);
        m_nPos += 2;
        return TRUE;
    }
    BOOL ReadText(CString& strText)
    {
        std::vector<wchar_t> text;
        for (;;) {
            WORD w = 0;
            if (!ReadWord(w)) {
                return FALSE;
            }
            if (w == 0) {
                break;
            }
            text.push_back(static_cast<wchar_t>(w));
        }
        if (text.empty()) {
            strText.Empty();
            return TRUE;
        }
        const int cb =
            ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
        std::vector<char> narrow(static_cast<size_t>(cb) + 1, '\0');
        ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), narrow.data(), cb, nullptr,
                              nullptr);
        strText = narrow.data();
        return TRUE;
    }
    // Skips a popup's items up to the one marked last; nesting is bounded.
    BOOL SkipPopup(int nDepth)
    {
        if (nDepth > 16) {
            return FALSE;
        }
        for (;;) {
            WORD wFlags = 0;
            WORD wID = 0;
            CString strText;
            if (!ReadWord(wFlags) || ((wFlags & MF_POPUP) == 0 && !ReadWord(wID)) || !ReadText(strText)) {
                return FALSE;
            }
            if ((wFlags & MF_POPUP) != 0 && !SkipPopup(nDepth + 1)) {
                return FALSE;
            }
            if ((wFlags & MF_END) != 0) {
                return TRUE;
            }
        }
    }

    const BYTE* m_pData;
    DWORD m_cbSize;
    DWORD m_nPos;
};
} // namespace

FwMenuBar::FwMenuBar()
    : m_bFloatRestyle(FALSE), m_dwMask(0xFFFFFFFF), m_nShownMenu(0), m_pEntries(nullptr), m_nTracking(-1),
      m_nRequested(-1), m_bRequestKeyboard(FALSE), m_ptLastMouse{-1, -1}
{
    MakeMenuFont();
}

FwMenuBar::~FwMenuBar()
{
    delete[] m_pEntries;
    if (s_pTracking == this) {
        s_pTracking = nullptr;
    }
}

UINT FwMenuBar::GetMenuMessage()
{
    static const UINT s_nMsg = ::RegisterWindowMessageA("WM_FWGETMENU");
    return s_nMsg;
}

UINT FwMenuBar::GetProdMessage()
{
    static const UINT s_nMsg = ::RegisterWindowMessageA("WM_FW_MENUPROD");
    return s_nMsg;
}

void FwMenuBar::MakeMenuFont()
{
    m_fontMenu.DeleteObject();
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof(ncm);
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0)) {
        m_fontMenu.CreateFontIndirect(&ncm.lfMenuFont);
    }
}

HFONT FwMenuBar::GetMenuFont() const
{
    HFONT hFont = static_cast<HFONT>(m_fontMenu.GetSafeHandle());
    return hFont != nullptr ? hFont : GetBarFont();
}

BOOL FwMenuBar::Create(DWORD dwExStyle, CWnd* pParent, DWORD dwStyle, UINT nID, LPCSTR lpszTitle)
{
    return FwCustomToolBar::Create(dwExStyle | FWCBS_EX_OWNROW, pParent, dwStyle | CBRS_HIDE_INPLACE, nID, lpszTitle);
}

FwMenuBarEntry* FwMenuBar::ParseMenus(int nCount, const UINT* pIDs)
{
    m_arrTitles.RemoveAll();
    m_mapMasks.clear();
    struct MenuTitles
    {
        UINT nMenuID;
        DWORD dwMask;
        std::vector<ParsedTitle> titles;
    };
    std::vector<MenuTitles> menus;
    int nBit = 0;
    for (int i = 0; i < nCount && pIDs != nullptr; ++i) {
        LPCSTR lpszName = MAKEINTRESOURCEA(pIDs[i]);
        HINSTANCE hInst = CFxResMgr::FindResourceHandle(lpszName, RT_MENU);
        HRSRC hRsrc = hInst != nullptr ? ::FindResourceA(hInst, lpszName, RT_MENU) : nullptr;
        HGLOBAL hGlobal = hRsrc != nullptr ? ::LoadResource(hInst, hRsrc) : nullptr;
        const BYTE* pData = hGlobal != nullptr ? static_cast<const BYTE*>(::LockResource(hGlobal)) : nullptr;
        if (pData == nullptr || nBit >= 32) {
            continue;
        }
        MenuTitles menu = {pIDs[i], 1u << nBit, {}};
        MenuResourceReader reader(pData, ::SizeofResource(hInst, hRsrc));
        if (!reader.ReadTopLevel(menu.titles)) {
            // A damaged menu keeps the titles read before the damage.
        }
        ++nBit;
        m_mapMasks[menu.nMenuID] = menu.dwMask;
        menus.push_back(menu);
    }
    size_t nTitles = 0;
    for (const MenuTitles& menu : menus) {
        nTitles += menu.titles.size();
    }
    if (nTitles == 0) {
        return nullptr;
    }
    FwMenuBarEntry* pEntries = new FwMenuBarEntry[nTitles + 1]();
    UINT nID = FW_MENUBAR_FIRSTID;
    size_t n = 0;
    for (const MenuTitles& menu : menus) {
        for (const ParsedTitle& title : menu.titles) {
            const int nText = static_cast<int>(m_arrTitles.Add(title.strText));
            pEntries[n++] = FwMenuBarEntry{
                &FwTextButton::CreateObject, nID++, 0x30000000, menu.nMenuID, title.nPos, nText, menu.dwMask};
        }
    }
    return pEntries;
}

BOOL FwMenuBar::SetMenus(int nCount, ...)
{
    std::vector<UINT> ids;
    va_list args;
    va_start(args, nCount);
    for (int i = 0; i < nCount; ++i) {
        ids.push_back(va_arg(args, UINT));
    }
    va_end(args);
    delete[] m_pEntries;
    m_pEntries = ParseMenus(static_cast<int>(ids.size()), ids.data());
    if (m_pEntries == nullptr) {
        return FALSE;
    }
    ResetMenu(m_hWnd == nullptr);
    return TRUE;
}

const FwMenuBarEntry* FwMenuBar::GetEntries() const
{
    if (FwToolBarManager* pManager = GetManager()) {
        if (pManager->GetMenuBarEntries() != nullptr) {
            return pManager->GetMenuBarEntries();
        }
    }
    return m_pEntries;
}

DWORD FwMenuBar::GetMenuMask(UINT nMenuID) const
{
    auto it = m_mapMasks.find(nMenuID);
    return it == m_mapMasks.end() ? 0 : it->second;
}

FwBarButton* FwMenuBar::CreateButton(UINT nID)
{
    for (const FwMenuBarEntry* pEntry = GetEntries(); pEntry != nullptr && pEntry->pfnCreate != nullptr; ++pEntry) {
        if (pEntry->nID != nID) {
            continue;
        }
        FwBarButton* pButton = pEntry->pfnCreate();
        if (pButton == nullptr) {
            return nullptr;
        }
        pButton->m_nID = nID;
        pButton->m_dwStyle = pEntry->dwStyle;
        if (FwTextButton* pText = dynamic_cast<FwTextButton*>(pButton)) {
            if (pEntry->nText >= 0 && pEntry->nText < m_arrTitles.GetSize()) {
                pText->SetText(m_arrTitles[pEntry->nText]);
            }
            pText->m_nMenuID = pEntry->nMenuID;
            pText->m_nPos = pEntry->nPos;
            pText->m_dwMask = pEntry->dwMask;
        }
        pButton->SetUp(this);
        pButton->SetMode(m_nButtonMode);
        return pButton;
    }
    return FwCustomToolBar::CreateButton(nID);
}

BOOL FwMenuBar::InsertButton(int nIndex, UINT nID, BOOL bSeparator, BOOL bNoRedraw)
{
    if (!FwCustomToolBar::InsertButton(nIndex, nID, bSeparator, TRUE)) {
        return FALSE;
    }
    ShowMenu(m_dwMask, !bNoRedraw);
    return TRUE;
}

void FwMenuBar::ShowMenu(DWORD dwMask, BOOL bRedraw)
{
    m_dwMask = dwMask;
    for (int i = 0; i < GetButtonCount(); ++i) {
        FwTextButton* pText = dynamic_cast<FwTextButton*>(GetButton(i));
        if (pText == nullptr || pText->m_nKind != FWBK_TEXT) {
            continue;
        }
        if ((pText->m_dwMask & dwMask) == 0) {
            pText->m_dwStyle |= FWBS_HIDDEN;
        } else {
            pText->m_dwStyle &= ~FWBS_HIDDEN;
        }
    }
    if (bRedraw && m_hWnd != nullptr) {
        if (m_pDockSite != nullptr && m_pDockSite->m_hWnd != nullptr) {
            m_pDockSite->RecalcLayout();
        }
        Invalidate();
    }
}

BOOL FwMenuBar::SwitchMenu(UINT nMenuID)
{
    DWORD dwMask = GetMenuMask(nMenuID);
    if (dwMask == 0 && nMenuID == kBarChildMenuID) {
        FwDocTemplateFinder finder;
        CWnd* pMain = FxGetMainWnd();
        nMenuID = pMain != nullptr ? finder.GetFrameResourceID(pMain) : 0;
        dwMask = GetMenuMask(nMenuID);
    }
    if (dwMask == 0) {
        return FALSE;
    }
    ShowMenu(dwMask, FALSE);
    m_nShownMenu = nMenuID;
    return TRUE;
}

void FwMenuBar::ResetMenu(BOOL bNoLayout)
{
    FwCustomToolBar::RemoveAllButtons();
    UINT* pIDs = nullptr;
    int nCount = 0;
    if (FwToolBarManager* pManager = GetManager()) {
        pManager->GetMenuBarButtons(pIDs, nCount);
    }
    if (pIDs != nullptr) {
        for (int i = 0; i < nCount; ++i) {
            FwCustomToolBar::InsertButton(GetButtonCount(), pIDs[i], FALSE, TRUE);
        }
    } else {
        for (const FwMenuBarEntry* pEntry = m_pEntries; pEntry != nullptr && pEntry->pfnCreate != nullptr; ++pEntry) {
            FwCustomToolBar::InsertButton(GetButtonCount(), pEntry->nID, FALSE, TRUE);
        }
    }
    ShowMenu(m_dwMask, FALSE);
    if (!bNoLayout && m_hWnd != nullptr) {
        if (CFrameWnd* pFrame = GetDockingFrame()) {
            pFrame->RecalcLayout();
        }
        Invalidate();
    }
}

int FwMenuBar::FindMnemonic(char ch) const
{
    const char chLower = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    for (int i = 0; i < GetButtonCount(); ++i) {
        const FwTextButton* pText = dynamic_cast<const FwTextButton*>(GetButton(i));
        if (pText != nullptr && pText->m_nKind == FWBK_TEXT && (pText->m_dwStyle & FWBS_HIDDEN) == 0 &&
            pText->GetMnemonic() != 0 && pText->GetMnemonic() == chLower) {
            return i;
        }
    }
    return -1;
}

int FwMenuBar::NextTitle(int nIndex, int nStep) const
{
    const int nCount = GetButtonCount();
    for (int n = 1; n <= nCount; ++n) {
        const int i = ((nIndex + n * nStep) % nCount + nCount) % nCount;
        const FwBarButton* pButton = GetButton(i);
        if (pButton->m_nKind == FWBK_TEXT && (pButton->m_dwStyle & FWBS_HIDDEN) == 0) {
            return i;
        }
    }
    return nIndex;
}

HMENU FwMenuBar::GetTitlePopup(int nIndex)
{
    const FwTextButton* pText = dynamic_cast<const FwTextButton*>(GetButton(nIndex));
    if (pText == nullptr || pText->m_nKind != FWBK_TEXT) {
        return nullptr;
    }
    HWND hFrame = m_pDockSite != nullptr ? m_pDockSite->m_hWnd : nullptr;
    HMENU hPopup = nullptr;
    if (hFrame != nullptr) {
        hPopup = reinterpret_cast<HMENU>(
            ::SendMessageA(hFrame, GetMenuMessage(), pText->m_nMenuID, static_cast<LPARAM>(pText->m_nPos)));
    }
    if (hPopup == nullptr) {
        CMenu& loaded = m_mapLoaded[pText->m_nMenuID];
        if (loaded.m_hMenu == nullptr) {
            LPCSTR lpszName = MAKEINTRESOURCEA(pText->m_nMenuID);
            HINSTANCE hInst = CFxResMgr::FindResourceHandle(lpszName, RT_MENU);
            loaded.Attach(hInst != nullptr ? ::LoadMenuA(hInst, lpszName) : nullptr);
        }
        hPopup = loaded.m_hMenu != nullptr ? ::GetSubMenu(loaded, pText->m_nPos) : nullptr;
    }
    return ::IsMenu(hPopup) ? hPopup : nullptr;
}

void FwMenuBar::OpenTitle(int nIndex, BOOL bKeyboard)
{
    OpenNotify notify = {};
    notify.hdr.hwndFrom = m_hWnd;
    notify.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    notify.hdr.code = static_cast<UINT>(FWMBN_OPEN);
    notify.nIndex = nIndex;
    notify.bKeyboard = bKeyboard;
    HWND hFrame = m_pDockSite != nullptr ? m_pDockSite->m_hWnd : nullptr;
    if (hFrame == nullptr ||
        ::SendMessageA(hFrame, WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify)) == 0) {
        TrackTitle(nIndex, bKeyboard);
    }
}

void FwMenuBar::TrackTitle(int nIndex, BOOL bKeyboard)
{
    HWND hFrame = m_pDockSite != nullptr ? m_pDockSite->m_hWnd : ::GetParent(m_hWnd);
    while (nIndex >= 0 && s_pTracking == nullptr) {
        HMENU hPopup = GetTitlePopup(nIndex);
        if (hPopup == nullptr) {
            ::SendMessageA(hFrame, WM_CANCELMODE, 0, 0);
            break;
        }
        SetButtonStyle(nIndex, GetButtonStyle(nIndex) | FWBS_PRESSED);
        UpdateWindow();
        CRect rc;
        GetButtonRect(nIndex, &rc);
        ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
        m_nTracking = nIndex;
        m_nRequested = -1;
        m_bRequestKeyboard = FALSE;
        m_ptLastMouse = POINT{-1, -1};
        s_pTracking = this;
        s_hHook = ::SetWindowsHookExA(WH_MSGFILTER, MsgFilterProc, nullptr, ::GetCurrentThreadId());
        if (bKeyboard) {
            // The first item comes up highlighted, as a menu opened from the keyboard does.
            ::PostMessageA(hFrame, WM_KEYDOWN, VK_DOWN, 0);
        }
        ::TrackPopupMenu(hPopup, TPM_LEFTALIGN | TPM_LEFTBUTTON, rc.left, rc.bottom, 0, hFrame, nullptr);
        if (s_hHook != nullptr) {
            ::UnhookWindowsHookEx(s_hHook);
            s_hHook = nullptr;
        }
        s_pTracking = nullptr;
        m_nTracking = -1;
        if (m_hWnd == nullptr || !::IsWindow(m_hWnd)) {
            return;
        }
        SetButtonStyle(nIndex, GetButtonStyle(nIndex) & ~FWBS_PRESSED);
        UpdateWindow();
        nIndex = m_nRequested;
        bKeyboard = m_bRequestKeyboard;
    }
}

BOOL FwMenuBar::TranslateMenuKey(const MSG* pMsg)
{
    if (m_hWnd == nullptr || !IsWindowVisible() || s_pTracking != nullptr) {
        return FALSE;
    }
    int nIndex = -1;
    if (pMsg->message == WM_SYSCHAR && (pMsg->lParam & 0x20000000) != 0 && pMsg->wParam != ' ') {
        nIndex = FindMnemonic(static_cast<char>(pMsg->wParam));
    } else if (pMsg->message == WM_SYSKEYDOWN && pMsg->wParam == VK_F10 && ::GetKeyState(VK_SHIFT) >= 0 &&
               ::GetKeyState(VK_CONTROL) >= 0) {
        // Taken at the press, so the window never turns the release into its system menu.
        nIndex = NextTitle(-1, 1);
    }
    if (nIndex < 0) {
        return FALSE;
    }
    OpenTitle(nIndex, TRUE);
    return TRUE;
}

LRESULT CALLBACK FwMenuBar::MsgFilterProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const BOOL bTaken = FxCallbackEntry("FwMenuBar::MsgFilterProc", FALSE, [&]() -> BOOL {
        return nCode == MSGF_MENU && s_pTracking != nullptr && lParam != 0 &&
               s_pTracking->FilterMenuMessage(reinterpret_cast<MSG*>(lParam));
    });
    return bTaken ? TRUE : ::CallNextHookEx(s_hHook, nCode, wParam, lParam);
}

BOOL FwMenuBar::FilterMenuMessage(MSG* pMsg)
{
    switch (pMsg->message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: {
        POINT pt = {static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam))};
        ::ClientToScreen(pMsg->hwnd, &pt);
        if (pMsg->message == WM_MOUSEMOVE) {
            if (pt.x == m_ptLastMouse.x && pt.y == m_ptLastMouse.y) {
                return FALSE;
            }
            m_ptLastMouse = pt;
        }
        POINT ptBar = pt;
        ::ScreenToClient(m_hWnd, &ptBar);
        CRect rcClient;
        GetClientRect(&rcClient);
        if (!rcClient.PtInRect(ptBar)) {
            return FALSE;
        }
        const int nIndex = ButtonFromPoint(ptBar.x, ptBar.y, nullptr);
        const FwBarButton* pButton = GetButton(nIndex);
        if (pButton == nullptr || pButton->m_nKind != FWBK_TEXT) {
            return pMsg->message == WM_LBUTTONDOWN;
        }
        if (nIndex == m_nTracking) {
            // A click on the open title closes its popup.
            if (pMsg->message == WM_LBUTTONDOWN) {
                ::EndMenu();
            }
            return TRUE;
        }
        m_nRequested = nIndex;
        m_bRequestKeyboard = FALSE;
        ::EndMenu();
        return TRUE;
    }
    case WM_KEYDOWN:
        if (pMsg->wParam == VK_LEFT || pMsg->wParam == VK_RIGHT) {
            if (pMsg->wParam == VK_RIGHT) {
                // A highlighted item with a submenu opens it instead.
                HMENU hPopup = GetTitlePopup(m_nTracking);
                const int nCount = hPopup != nullptr ? ::GetMenuItemCount(hPopup) : 0;
                for (int i = 0; i < nCount; ++i) {
                    if ((::GetMenuState(hPopup, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) != 0 &&
                        ::GetSubMenu(hPopup, i) != nullptr) {
                        return FALSE;
                    }
                }
            }
            m_nRequested = NextTitle(m_nTracking, pMsg->wParam == VK_LEFT ? -1 : 1);
            m_bRequestKeyboard = TRUE;
            ::EndMenu();
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void FwMenuBar::SetBarStyle(DWORD dwStyle)
{
    if ((dwStyle & CBRS_FLOATING) != 0 && (m_dwStyle & CBRS_FLOATING) == 0) {
        m_bFloatRestyle = TRUE;
    }
    FwCustomToolBar::SetBarStyle(dwStyle);
}

void FwMenuBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_bFloatRestyle && IsFloating() && m_pDockBar != nullptr && m_pDockBar->m_hWnd != nullptr) {
        // A floating menu bar has no close box: it cannot be hidden.
        HWND hMini = ::GetParent(m_pDockBar->m_hWnd);
        const LONG_PTR style = ::GetWindowLongPtrA(hMini, GWL_STYLE);
        ::SetWindowLongPtrA(hMini, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_SYSMENU));
        ::SetWindowPos(hMini, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        m_bFloatRestyle = FALSE;
    }
    FwCustomToolBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}

LRESULT FwMenuBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTINGCHANGE) {
        MakeMenuFont();
        ApplyButtonSize();
        if (CFrameWnd* pFrame = GetDockingFrame()) {
            pFrame->RecalcLayout();
        }
        Invalidate();
    }
    return FwCustomToolBar::WindowProc(message, wParam, lParam);
}
