#include "framework/FwMenuBar.h"

#include <cctype>
#include <cstdarg>
#include <vector>

#include "framework/FwDocTemplateFinder.h"
#include "platform/base/Firewall.h"
#include "platform/frame/WinApp.h"
#include "framework/FwMDIFrameWnd.h"
#include "framework/FwSystemColors.h"
#include "framework/FwToolBarManager.h"
#include "platform/base/FxResMgr.h"
#include "platform/frame/DockBar.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/MDIChildWnd.h"
#include "platform/frame/MDIFrameWnd.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"

FX_IMPLEMENT_DYNCREATE(FwMenuBar, FwCustomToolBar)
FX_IMPLEMENT_DYNCREATE(FwMDIMenuBar, FwMenuBar)
FX_IMPLEMENT_DYNAMIC(FwMenuBarFeature, FwBmpMenuPlugIn)

FwMenuBar* FwMenuBar::s_pTracking = nullptr;
HHOOK FwMenuBar::s_hHook = nullptr;

namespace
{
// The open notification: which title, and whether the keyboard opened it.
struct OpenNotify
{
    NMHDR hdr;
    int nIndex;
    BOOL bKeyboard;
};

// The resource id with which the frame creates control-bar MDI children.
const UINT kBarChildMenuID = 20514;

char MnemonicOf(const CString& strText)
{
    LPCSTR psz = strText;
    for (int i = 0; psz[i] != '\0'; ++i) {
        const unsigned char ch = static_cast<unsigned char>(psz[i]);
        if (ch >= 0x81 && ch <= 0xFE && psz[i + 1] != '\0') {
            ++i;
            continue;
        }
        if (ch == '&' && psz[i + 1] != '\0' && psz[i + 1] != '&') {
            return static_cast<char>(std::tolower(static_cast<unsigned char>(psz[i + 1])));
        }
        if (ch == '&') {
            ++i;
        }
    }
    return 0;
}

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

// The system-menu icon of the maximised MDI child.
class FwMenuBarButton : public FwTextButton
{
public:
    FwMenuBarButton() : m_hIcon(nullptr) { m_nKind = FWBK_SYSMENU; }
    void Measure() override
    {
        m_cx = 16 + 4;
        m_cy = 16 + 4;
    }
    void Paint(CDC* pDC, FwButtonPaintCache*) override
    {
        pDC->FillSolidRect(0, 0, m_cx, m_cy, FwGetSystemColors().m_clrBtnFace);
        if (m_hIcon != nullptr) {
            ::DrawIconEx(pDC->GetSafeHdc(), 2, 2, m_hIcon, 16, 16, 0, nullptr, DI_NORMAL);
        }
    }
    BOOL OnPress() override;
    HICON m_hIcon;
};

// Minimise, restore and close of the maximised MDI child, side by side.
class FwMDICaptionButton : public FwBarButton
{
public:
    FwMDICaptionButton() : m_nPressed(-1), m_dwChildStyle(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
    {
        m_nKind = FWBK_CAPTION;
    }
    int PartWidth() const { return ::GetSystemMetrics(SM_CXSIZE) - 2; }
    void Measure() override
    {
        m_cx = 3 * PartWidth() + 2;
        m_cy = ::GetSystemMetrics(SM_CYSIZE) - 4;
    }
    void Paint(CDC* pDC, FwButtonPaintCache*) override
    {
        pDC->FillSolidRect(0, 0, m_cx, m_cy, FwGetSystemColors().m_clrBtnFace);
        const UINT parts[3] = {DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};
        const BOOL bNoMin = (m_dwChildStyle & WS_MINIMIZEBOX) == 0;
        for (int i = 0; i < 3; ++i) {
            CRect rc(i * PartWidth() + (i == 2 ? 2 : 0), 0, 0, m_cy);
            rc.right = rc.left + PartWidth();
            UINT nState = parts[i];
            if (i < 2 && bNoMin) {
                nState |= DFCS_INACTIVE;
            }
            if (i == m_nPressed) {
                nState |= DFCS_PUSHED;
            }
            pDC->DrawFrameControl(&rc, DFC_CAPTION, nState);
        }
    }
    int m_nPressed;
    DWORD m_dwChildStyle;
};

HWND ActiveMaximisedChild(CFrameWnd* pFrame, BOOL* pbMaximized)
{
    *pbMaximized = FALSE;
    CMDIFrameWnd* pMDI = dynamic_cast<CMDIFrameWnd*>(pFrame);
    if (pMDI == nullptr || pMDI->m_hWnd == nullptr) {
        return nullptr;
    }
    CMDIChildWnd* pChild = pMDI->MDIGetActive(pbMaximized);
    return pChild != nullptr ? pChild->m_hWnd : nullptr;
}
} // namespace

// ---- title button ------------------------------------------------------------------------

FwTextButton::FwTextButton() : m_nMenuID(0), m_nPos(0), m_dwMask(0), m_chMnemonic(0)
{
    m_nKind = FWBK_TEXT;
    m_nImage = 0;
}

void FwTextButton::SetText(const CString& strText)
{
    m_strText = strText;
    m_chMnemonic = MnemonicOf(strText);
}

void FwTextButton::Measure()
{
    HFONT hFont = m_pBar != nullptr ? m_pBar->GetMenuFont() : nullptr;
    CClientDC dc(nullptr);
    CFxSelectGuard guard(
        &dc, CFont::FromHandle(hFont != nullptr ? hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
    CRect rc(0, 0, 0, 0);
    dc.DrawText(m_strText, &rc, DT_SINGLELINE | DT_NOCLIP | DT_CALCRECT);
    m_cx = rc.Width() + 10;
    m_cy = rc.Height() + 6;
}

void FwTextButton::Paint(CDC* pDC, FwButtonPaintCache*)
{
    FwSystemColors& colors = FwGetSystemColors();
    CRect rc(0, 0, m_cx, m_cy);
    pDC->FillSolidRect(&rc, colors.m_clrBtnFace);
    const BOOL bPressed = (m_dwStyle & FWBS_PRESSED) != 0;
    if (bPressed) {
        pDC->Draw3dRect(&rc, colors.m_clrBtnShadow, colors.m_clrBtnHilite);
    } else if ((m_dwStyle & FWBS_HOT) != 0) {
        pDC->Draw3dRect(&rc, colors.m_clrBtnHilite, colors.m_clrBtnShadow);
    }
    HFONT hFont = m_pBar != nullptr ? m_pBar->GetMenuFont() : nullptr;
    CFxSelectGuard guard(
        pDC, CFont::FromHandle(hFont != nullptr ? hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const BOOL bDisabled = (m_dwStyle & FWBS_DISABLED) != 0;
    pDC->SetTextColor(bDisabled ? colors.m_clrBtnShadow : colors.m_clrWindowText);
    if (bPressed) {
        rc.OffsetRect(1, 1);
    }
    pDC->DrawText(m_strText, &rc, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    pDC->SetBkMode(nOldMode);
}

BOOL FwTextButton::OnPress()
{
    FwMenuBar* pBar = dynamic_cast<FwMenuBar*>(m_pBar);
    if (pBar == nullptr || (m_dwStyle & FWBS_DISABLED) != 0) {
        return FALSE;
    }
    pBar->OpenTitle(pBar->FindButton(this), FALSE);
    return TRUE;
}

// ---- menu bar ----------------------------------------------------------------------------

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

// ---- MDI menu bar ------------------------------------------------------------------------

BOOL FwMenuBarButton::OnPress()
{
    FwMDIMenuBar* pBar = dynamic_cast<FwMDIMenuBar*>(m_pBar);
    BOOL bMax = FALSE;
    HWND hChild = pBar != nullptr ? ActiveMaximisedChild(pBar->m_pDockSite, &bMax) : nullptr;
    if (hChild == nullptr) {
        return TRUE;
    }
    HMENU hSys = ::GetSystemMenu(hChild, FALSE);
    if (hSys == nullptr) {
        return TRUE;
    }
    if (::GetMenuDefaultItem(hSys, FALSE, 0) == static_cast<UINT>(-1)) {
        ::SetMenuDefaultItem(hSys, SC_CLOSE, FALSE);
    }
    CRect rc = GetRect();
    ::MapWindowPoints(pBar->m_hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    const UINT nCmd = static_cast<UINT>(::TrackPopupMenu(hSys, TPM_LEFTALIGN | TPM_RETURNCMD, rc.left, rc.bottom, 0,
                                                         pBar->m_pDockSite->m_hWnd, nullptr));
    if (nCmd != 0) {
        ::PostMessageA(hChild, WM_SYSCOMMAND, nCmd, 0);
    }
    return TRUE;
}

FwMDIMenuBar::FwMDIMenuBar()
    : m_pIcon(new FwMenuBarButton), m_pCaption(new FwMDICaptionButton), m_bChildButtons(FALSE), m_hWndChild(nullptr),
      m_nPressedPart(-1)
{
    m_pIcon->SetUp(this);
    m_pCaption->SetUp(this);
}

FwMDIMenuBar::~FwMDIMenuBar()
{
    TakeOutChildButtons();
    delete m_pIcon;
    delete m_pCaption;
}

void FwMDIMenuBar::TakeOutChildButtons()
{
    for (int i = GetButtonCount() - 1; i >= 0; --i) {
        if (GetButton(i) == m_pIcon || GetButton(i) == m_pCaption) {
            m_arrButtons.RemoveAt(i);
        }
    }
}

void FwMDIMenuBar::PutBackChildButtons()
{
    TakeOutChildButtons();
    if (m_bChildButtons) {
        m_arrButtons.InsertAt(0, m_pIcon);
        m_arrButtons.Add(m_pCaption);
    }
}

BOOL FwMDIMenuBar::UpdateChildButtons()
{
    BOOL bMax = FALSE;
    HWND hChild = ActiveMaximisedChild(m_pDockSite, &bMax);
    const DWORD dwStyle = hChild != nullptr ? static_cast<DWORD>(::GetWindowLongPtrA(hChild, GWL_STYLE)) : 0;
    const BOOL bShow = hChild != nullptr && bMax && (dwStyle & WS_SYSMENU) != 0;
    FwMDICaptionButton* pCaption = static_cast<FwMDICaptionButton*>(m_pCaption);
    const DWORD dwBits = dwStyle & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    if (bShow == m_bChildButtons && (!bShow || (hChild == m_hWndChild && dwBits == pCaption->m_dwChildStyle))) {
        return FALSE;
    }
    m_bChildButtons = bShow;
    m_hWndChild = bShow ? hChild : nullptr;
    if (bShow) {
        HICON hIcon = reinterpret_cast<HICON>(::SendMessageA(hChild, WM_GETICON, ICON_SMALL, 0));
        if (hIcon == nullptr) {
            hIcon = reinterpret_cast<HICON>(::GetClassLongPtrA(hChild, GCLP_HICONSM));
        }
        static_cast<FwMenuBarButton*>(m_pIcon)->m_hIcon = hIcon;
        pCaption->m_dwChildStyle = dwBits;
    }
    PutBackChildButtons();
    m_nHot = -1;
    if (m_hWnd != nullptr) {
        Invalidate();
    }
    return TRUE;
}

void FwMDIMenuBar::ResetMenu(BOOL bNoLayout)
{
    TakeOutChildButtons();
    FwMenuBar::ResetMenu(TRUE);
    PutBackChildButtons();
    if (!bNoLayout && m_hWnd != nullptr) {
        if (CFrameWnd* pFrame = GetDockingFrame()) {
            pFrame->RecalcLayout();
        }
        Invalidate();
    }
}

void FwMDIMenuBar::RemoveAllButtons()
{
    TakeOutChildButtons();
    FwMenuBar::RemoveAllButtons();
    PutBackChildButtons();
}

void FwMDIMenuBar::SaveButtons(FwCustomToolBarInfoEx* pInfoEx)
{
    TakeOutChildButtons();
    FwMenuBar::SaveButtons(pInfoEx);
    PutBackChildButtons();
}

void FwMDIMenuBar::RestoreButtons(const FwCustomToolBarInfoEx* pInfoEx)
{
    TakeOutChildButtons();
    FwMenuBar::RestoreButtons(pInfoEx);
    PutBackChildButtons();
}

CSize FwMDIMenuBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    const CSize size = FwMenuBar::CalcDynamicLayout(nLength, dwMode);
    if (m_bChildButtons && GetButtonCount() > 1 && (dwMode & LM_HORZDOCK) != 0) {
        const FwBarButton* pBefore = GetButton(GetButtonCount() - 2);
        const int xRight = static_cast<int>(size.cx) - GetInsets().right - m_pCaption->m_cx;
        if (pBefore->m_y == m_pCaption->m_y && xRight > m_pCaption->m_x) {
            m_pCaption->SetPos(xRight, m_pCaption->m_y);
        }
    }
    return size;
}

int FwMDIMenuBar::CaptionPartFromPoint(CPoint point) const
{
    if (!m_bChildButtons || !m_pCaption->GetRect().PtInRect(point)) {
        return -1;
    }
    const int nPart = (point.x - m_pCaption->m_x) / static_cast<FwMDICaptionButton*>(m_pCaption)->PartWidth();
    return std::min(nPart, 2);
}

void FwMDIMenuBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int nPart = CaptionPartFromPoint(point);
    if (nPart >= 0) {
        FwMDICaptionButton* pCaption = static_cast<FwMDICaptionButton*>(m_pCaption);
        if (nPart < 2 && (pCaption->m_dwChildStyle & WS_MINIMIZEBOX) == 0) {
            return;
        }
        m_nPressedPart = nPart;
        pCaption->m_nPressed = nPart;
        ::SetCapture(m_hWnd);
        pCaption->Invalidate();
        return;
    }
    FwMenuBar::OnLButtonDown(nFlags, point);
}

void FwMDIMenuBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_nPressedPart < 0) {
        FwMenuBar::OnLButtonUp(nFlags, point);
        return;
    }
    const int nPart = m_nPressedPart;
    m_nPressedPart = -1;
    FwMDICaptionButton* pCaption = static_cast<FwMDICaptionButton*>(m_pCaption);
    pCaption->m_nPressed = -1;
    pCaption->Invalidate();
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
    }
    if (CaptionPartFromPoint(point) != nPart || m_hWndChild == nullptr) {
        return;
    }
    const UINT commands[3] = {SC_MINIMIZE, SC_RESTORE, SC_CLOSE};
    CPoint ptScreen(point);
    ::ClientToScreen(m_hWnd, &ptScreen);
    ::PostMessageA(m_hWndChild, WM_SYSCOMMAND, commands[nPart], MAKELPARAM(ptScreen.x, ptScreen.y));
}

// ---- the frame's menu-bar feature --------------------------------------------------------

FwMenuBarFeature::FwMenuBarFeature(FwMenuBar* pMenuBar)
    : FwBmpMenuPlugIn(TRUE), m_pMenuBar(pMenuBar), m_bIconDoubleClicked(FALSE)
{
}

BOOL FwMenuBarFeature::SwitchMenu(UINT nMenuID)
{
    if (m_pMenuBar == nullptr || !m_pMenuBar->SwitchMenu(nMenuID)) {
        return FALSE;
    }
    if (m_pMenuBar->m_hWnd != nullptr) {
        m_pMenuBar->Invalidate();
    }
    CFrameWnd* pFrame = m_pMenuBar->m_pDockSite;
    if (pFrame != nullptr && pFrame->m_hWnd != nullptr) {
        if (dynamic_cast<FwMDIFrameWnd*>(pFrame) != nullptr) {
            pFrame->DelayRecalcLayout();
        } else {
            pFrame->RecalcLayout();
        }
    }
    return TRUE;
}

FwMenuBarFeature* FwMenuBarFeature::s_pSystemMenuFeature = nullptr;
HHOOK FwMenuBarFeature::s_hSystemMenuHook = nullptr;

CRect FwMenuBarFeature::GetCaptionIconRect() const
{
    CRect rc;
    ::GetWindowRect(m_hWnd, &rc);
    rc.left += ::GetSystemMetrics(SM_CXSIZEFRAME);
    rc.top += ::GetSystemMetrics(SM_CYSIZEFRAME);
    rc.right = rc.left + ::GetSystemMetrics(SM_CXSIZE);
    rc.bottom = rc.top + ::GetSystemMetrics(SM_CYSIZE);
    return rc;
}

void FwMenuBarFeature::TrackSystemMenu()
{
    HMENU hSys = ::GetSystemMenu(m_hWnd, FALSE);
    if (hSys == nullptr || s_pSystemMenuFeature != nullptr) {
        return;
    }
    const CRect rcIcon = GetCaptionIconRect();
    m_bIconDoubleClicked = FALSE;
    s_pSystemMenuFeature = this;
    s_hSystemMenuHook = ::SetWindowsHookExA(WH_MSGFILTER, SystemMenuFilterProc, nullptr, ::GetCurrentThreadId());
    const UINT nCmd = static_cast<UINT>(
        ::TrackPopupMenu(hSys, TPM_LEFTALIGN | TPM_RETURNCMD, rcIcon.left, rcIcon.bottom, 0, m_hWnd, nullptr));
    if (s_hSystemMenuHook != nullptr) {
        ::UnhookWindowsHookEx(s_hSystemMenuHook);
        s_hSystemMenuHook = nullptr;
    }
    s_pSystemMenuFeature = nullptr;
    if (m_bIconDoubleClicked) {
        const UINT nDefault = ::GetMenuDefaultItem(hSys, FALSE, 0);
        if (nDefault != static_cast<UINT>(-1)) {
            ::SendMessageA(m_hWnd, WM_SYSCOMMAND, nDefault, 0);
        }
    } else if (nCmd != 0) {
        ::SendMessageA(m_hWnd, WM_SYSCOMMAND, nCmd, 0);
    }
}

LRESULT CALLBACK FwMenuBarFeature::SystemMenuFilterProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const BOOL bTaken = FxCallbackEntry("FwMenuBarFeature::SystemMenuFilterProc", FALSE, [&]() -> BOOL {
        return nCode == MSGF_MENU && s_pSystemMenuFeature != nullptr && lParam != 0 &&
               s_pSystemMenuFeature->FilterSystemMenuMessage(reinterpret_cast<const MSG*>(lParam));
    });
    return bTaken ? TRUE : ::CallNextHookEx(s_hSystemMenuHook, nCode, wParam, lParam);
}

BOOL FwMenuBarFeature::FilterSystemMenuMessage(const MSG* pMsg)
{
    POINT pt = {static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam))};
    switch (pMsg->message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        ::ClientToScreen(pMsg->hwnd, &pt);
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        break;
    default:
        return FALSE;
    }
    if (!GetCaptionIconRect().PtInRect(pt)) {
        return FALSE;
    }
    if (pMsg->message == WM_LBUTTONDBLCLK || pMsg->message == WM_NCLBUTTONDBLCLK) {
        m_bIconDoubleClicked = TRUE;
    }
    // Posted: the menu loop must not end inside its own filter call.
    ::PostMessageA(m_hWnd, WM_CANCELMODE, 0, 0);
    return TRUE;
}

BOOL FwMenuBarFeature::OnPlugInMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (m_pMenuBar != nullptr && m_pMenuBar->m_hWnd != nullptr) {
        switch (message) {
        case WM_SYSCHAR: {
            const char ch = static_cast<char>(wParam);
            if (ch == ' ') {
                TrackSystemMenu();
                return TRUE;
            }
            const int nIndex = m_pMenuBar->FindMnemonic(ch);
            if (nIndex < 0) {
                break;
            }
            m_pMenuBar->TrackTitle(nIndex, TRUE);
            return TRUE;
        }
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_KEYMENU) {
                // Alt alone or F10 (no letter) open the first title, a letter its title; Alt+Space
                // and letters no title has go to the system menu.
                const int nIndex = lParam == 0     ? m_pMenuBar->NextTitle(-1, 1)
                                   : lParam != ' ' ? m_pMenuBar->FindMnemonic(static_cast<char>(lParam))
                                                   : -1;
                if (nIndex >= 0 && m_pMenuBar->IsWindowVisible()) {
                    m_pMenuBar->TrackTitle(nIndex, TRUE);
                } else {
                    TrackSystemMenu();
                }
                return TRUE;
            }
            break;
        case WM_NOTIFY: {
            const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
            if (pHdr == nullptr || pHdr->hwndFrom != m_pMenuBar->m_hWnd ||
                pHdr->code != static_cast<UINT>(FWMBN_OPEN)) {
                break;
            }
            const OpenNotify* pOpen = reinterpret_cast<const OpenNotify*>(lParam);
            m_pMenuBar->TrackTitle(pOpen->nIndex, pOpen->bKeyboard);
            *pResult = 1;
            return TRUE;
        }
        default:
            break;
        }
    }
    return FwBmpMenuPlugIn::OnPlugInMessage(message, wParam, lParam, pResult);
}

FwWndPlugIn* FwCreateFramePlugIn(CWnd* pFrame, FwMenuBar* pMenuBar, BOOL bBmpMenus, FwControlBarManager* pManager)
{
    FwBmpMenuPlugIn* pPlugIn = nullptr;
    if (pMenuBar != nullptr) {
        pPlugIn = new FwMenuBarFeature(pMenuBar);
    } else if (bBmpMenus) {
        pPlugIn = new FwBmpMenuPlugIn(TRUE);
    }
    if (pPlugIn == nullptr) {
        return nullptr;
    }
    pPlugIn->Attach(pFrame);
    FwToolBarManager* pToolBars = dynamic_cast<FwToolBarManager*>(pManager);
    if (bBmpMenus && pToolBars != nullptr) {
        pPlugIn->SetBmpMgr(pToolBars->GetBmpMgr());
    }
    return pPlugIn;
}

BOOL FwIsCustomizing(const FwControlBarManager* pManager)
{
    const FwToolBarManager* pToolBars = dynamic_cast<const FwToolBarManager*>(pManager);
    return pToolBars != nullptr && pToolBars->IsCustomizing();
}
