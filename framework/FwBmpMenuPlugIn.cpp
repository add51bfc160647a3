#include "framework/FwBmpMenuPlugIn.h"

#include <algorithm>
#include <cctype>

#include "framework/FwBmpMenuItemInfo.h"
#include "framework/FwBmpMgr.h"
#include "framework/FwMnemonic.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"

FX_IMPLEMENT_DYNAMIC(FwBmpMenuPlugIn, FwWndPlugIn)

namespace
{
enum ColorIndex { clrFace, clrLight, clrHilite, clrShadow, clrHighlight, clrMenu, clrGray, clrHighlightText, clrText };

const int kTextGap = 8;
} // namespace

FwBmpMenuPlugIn::FwBmpMenuPlugIn(BOOL bRadioDot) : m_bRadioDot(bRadioDot), m_pBmpMgr(new FwBmpMgr), m_colors()
{
    ReadColors();
}

FwBmpMenuPlugIn::~FwBmpMenuPlugIn()
{
    for (auto& menu : m_mapItems) {
        for (FwBmpMenuItemInfo* pInfo : menu.second) {
            if (::IsMenu(menu.first)) {
                ::ModifyMenuA(menu.first, pInfo->m_nID, MF_BYCOMMAND | MF_STRING, pInfo->m_nID, pInfo->m_strText);
            }
            delete pInfo;
        }
    }
    m_mapItems.clear();
    m_pBmpMgr.Close();
}

void FwBmpMenuPlugIn::ReadColors()
{
    const int sysColors[9] = {COLOR_BTNFACE, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT,  COLOR_BTNSHADOW, COLOR_HIGHLIGHT,
                              COLOR_MENU,    COLOR_GRAYTEXT,     COLOR_HIGHLIGHTTEXT, COLOR_MENUTEXT};
    for (int i = 0; i < 9; ++i) {
        m_colors[i] = ::GetSysColor(sysColors[i]);
    }
}

void FwBmpMenuPlugIn::SetBmpMgr(FwBmpMgr* pBmpMgr)
{
    if (pBmpMgr == nullptr || pBmpMgr == m_pBmpMgr) {
        return;
    }
    pBmpMgr->AddRef();
    m_pBmpMgr.Attach(pBmpMgr);
    m_pBmpMgr->SetKeepSmall(TRUE);
}

int FwBmpMenuPlugIn::GetItemCount(HMENU hMenu) const
{
    auto it = m_mapItems.find(hMenu);
    return it == m_mapItems.end() ? 0 : static_cast<int>(it->second.size());
}

FwBmpMenuItemInfo* FwBmpMenuPlugIn::FindInfo(ULONG_PTR dwItemData) const
{
    for (const auto& menu : m_mapItems) {
        for (FwBmpMenuItemInfo* pInfo : menu.second) {
            if (reinterpret_cast<ULONG_PTR>(pInfo) == dwItemData) {
                return pInfo;
            }
        }
    }
    return nullptr;
}

void FwBmpMenuPlugIn::ConvertPopup(HMENU hPopup)
{
    if (!::IsMenu(hPopup)) {
        return;
    }
    std::vector<FwBmpMenuItemInfo*>& items = m_mapItems[hPopup];
    const int nCount = ::GetMenuItemCount(hPopup);
    for (int i = 0; i < nCount; ++i) {
        char szText[256] = {};
        MENUITEMINFOA mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_DATA | MIIM_SUBMENU;
        mii.dwTypeData = szText;
        mii.cch = sizeof(szText) - 1;
        if (!::GetMenuItemInfoA(hPopup, static_cast<UINT>(i), TRUE, &mii) || mii.hSubMenu != nullptr) {
            continue;
        }
        const UINT nID = mii.wID;
        if ((mii.fType & (MFT_SEPARATOR | MFT_BITMAP)) != 0 || (nID >= 0xF000 && nID < 0xFF00)) {
            continue;
        }
        if ((mii.fType & MFT_OWNERDRAW) != 0) {
            if (FindInfo(mii.dwItemData) == nullptr) {
                m_setLeftAlone.insert(nID);
            }
            continue;
        }
        if (m_setLeftAlone.count(nID) != 0) {
            continue;
        }
        FwBmpMenuItemInfo* pInfo = nullptr;
        for (FwBmpMenuItemInfo* pOld : items) {
            if (pOld->m_nID == nID) {
                pInfo = pOld;
            }
        }
        if (pInfo == nullptr) {
            pInfo = new FwBmpMenuItemInfo(nID, CString(szText));
            items.push_back(pInfo);
        } else {
            // An item put in again under a known id may carry a new text (a recent-file entry).
            pInfo->m_strText = szText;
            pInfo->m_chMnemonic = FwMnemonicOf(pInfo->m_strText);
        }
        MENUITEMINFOA set = {};
        set.cbSize = sizeof(set);
        set.fMask = MIIM_FTYPE | MIIM_DATA;
        set.fType = (mii.fType & ~MFT_STRING) | MFT_OWNERDRAW;
        set.dwItemData = reinterpret_cast<ULONG_PTR>(pInfo);
        ::SetMenuItemInfoA(hPopup, static_cast<UINT>(i), TRUE, &set);
    }
}

void FwBmpMenuPlugIn::PurgeStaleItems()
{
    for (auto it = m_mapItems.begin(); it != m_mapItems.end();) {
        if (!::IsMenu(it->first)) {
            for (FwBmpMenuItemInfo* pInfo : it->second) {
                delete pInfo;
            }
            it = m_mapItems.erase(it);
            continue;
        }
        auto& items = it->second;
        for (auto info = items.begin(); info != items.end();) {
            if (::GetMenuState(it->first, (*info)->m_nID, MF_BYCOMMAND) == static_cast<UINT>(-1)) {
                delete *info;
                info = items.erase(info);
            } else {
                ++info;
            }
        }
        ++it;
    }
}

HFONT FwBmpMenuPlugIn::GetMenuFont(BOOL bBold)
{
    CFont& font = bBold ? m_fontBold : m_fontMenu;
    if (font.GetSafeHandle() == nullptr) {
        NONCLIENTMETRICSA ncm = {};
        ncm.cbSize = sizeof(ncm);
        ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
        if (bBold) {
            ncm.lfMenuFont.lfWeight = FW_BOLD;
        }
        font.CreateFontIndirect(&ncm.lfMenuFont);
    }
    return static_cast<HFONT>(font.GetSafeHandle());
}

void FwBmpMenuPlugIn::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    const FwBmpMenuItemInfo* pInfo = FindInfo(lpMIS->itemData);
    if (pInfo == nullptr) {
        return;
    }
    CClientDC dc(nullptr);
    CFxSelectGuard guard(&dc, CFont::FromHandle(GetMenuFont(FALSE)));
    CString strText(pInfo->m_strText);
    strText.Replace("\t", "    ");
    CRect rc(0, 0, 0, 0);
    dc.DrawText(strText, &rc, DT_SINGLELINE | DT_VCENTER | DT_CALCRECT);
    const CSize szImage = m_pBmpMgr->GetSmallSize();
    lpMIS->itemWidth = static_cast<UINT>(rc.Width() + szImage.cx + 30);
    lpMIS->itemHeight = static_cast<UINT>(std::max<int>(
        {static_cast<int>(rc.Height()), ::GetSystemMetrics(SM_CYMENU), static_cast<int>(szImage.cy) + 4}));
}

void FwBmpMenuPlugIn::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    const FwBmpMenuItemInfo* pInfo = FindInfo(lpDIS->itemData);
    if (pInfo == nullptr) {
        return;
    }
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const CRect rcItem(lpDIS->rcItem);
    const BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    const BOOL bDisabled = (lpDIS->itemState & (ODS_DISABLED | ODS_GRAYED)) != 0;
    const BOOL bChecked = (lpDIS->itemState & ODS_CHECKED) != 0;
    pDC->FillSolidRect(&rcItem, bSelected ? m_colors[clrHighlight] : m_colors[clrMenu]);
    const CSize szImage = m_pBmpMgr->GetSmallSize();
    const CRect rcImage(rcItem.left + 2, rcItem.top + (rcItem.Height() - szImage.cy) / 2, rcItem.left + 2 + szImage.cx,
                        rcItem.top + (rcItem.Height() - szImage.cy) / 2 + szImage.cy);
    HBITMAP hStrip = nullptr;
    int nIndex = 0;
    const BOOL bImage = m_pBmpMgr->GetImage(pInfo->m_nID, hStrip, nIndex, TRUE);
    if (bImage) {
        CDC dcImage;
        dcImage.CreateCompatibleDC(pDC);
        CFxSelectGuard stripSel(&dcImage, CBitmap::FromHandle(hStrip));
        if (bChecked) {
            CRect rcFrame(rcImage);
            rcFrame.InflateRect(1, 1);
            pDC->Draw3dRect(&rcFrame, m_colors[clrShadow], m_colors[clrHilite]);
        }
        if (bDisabled) {
            // Embossed: the image's dark pixels in highlight, one pixel down and right, then in shadow.
            CBitmap mask;
            mask.Attach(::CreateBitmap(szImage.cx, szImage.cy, 1, 1, nullptr));
            CDC dcMask;
            dcMask.CreateCompatibleDC(pDC);
            CFxSelectGuard maskSel(&dcMask, &mask);
            dcImage.SetBkColor(m_colors[clrFace]);
            dcMask.BitBlt(0, 0, szImage.cx, szImage.cy, &dcImage, nIndex * szImage.cx, 0, SRCCOPY);
            dcImage.SetBkColor(m_colors[clrHilite]);
            dcMask.BitBlt(0, 0, szImage.cx, szImage.cy, &dcImage, nIndex * szImage.cx, 0, SRCPAINT);
            const COLORREF crOldBk = pDC->SetBkColor(RGB(255, 255, 255));
            const COLORREF crOldText = pDC->SetTextColor(RGB(0, 0, 0));
            for (int nPass = 0; nPass < 2; ++nPass) {
                CBrush brush(nPass == 0 ? m_colors[clrHilite] : m_colors[clrShadow]);
                CFxSelectGuard brushSel(pDC, &brush);
                const int d = nPass == 0 ? 1 : 0;
                pDC->BitBlt(rcImage.left + d, rcImage.top + d, szImage.cx, szImage.cy, &dcMask, 0, 0, 0x00B8074A);
            }
            pDC->SetBkColor(crOldBk);
            pDC->SetTextColor(crOldText);
        } else {
            ::TransparentBlt(pDC->GetSafeHdc(), rcImage.left, rcImage.top, szImage.cx, szImage.cy, dcImage.GetSafeHdc(),
                             nIndex * szImage.cx, 0, szImage.cx, szImage.cy, m_colors[clrFace]);
        }
    } else if (bChecked) {
        CRect rcCheck(rcImage);
        pDC->DrawFrameControl(&rcCheck, DFC_MENU, DFCS_MENUCHECK);
    }
    const BOOL bDefault = ::GetMenuDefaultItem(reinterpret_cast<HMENU>(lpDIS->hwndItem), FALSE, 0) == pInfo->m_nID;
    CFxSelectGuard fontSel(pDC, CFont::FromHandle(GetMenuFont(bDefault)));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rcText(rcItem.left + szImage.cx + kTextGap + 4, rcItem.top, rcItem.right - kTextGap, rcItem.bottom);
    CString strText(pInfo->m_strText);
    CString strAccel;
    const int nTab = strText.Find('\t');
    if (nTab >= 0) {
        strAccel = strText.Mid(nTab + 1);
        strText = strText.Left(nTab);
    }
    auto drawText = [&](const CRect& rc, COLORREF cr) {
        pDC->SetTextColor(cr);
        CRect rcLeft(rc);
        pDC->DrawText(strText, &rcLeft, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        if (!strAccel.IsEmpty()) {
            CRect rcRight(rc);
            pDC->DrawText(strAccel, &rcRight, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        }
    };
    if (bDisabled && !bSelected) {
        CRect rcEmboss(rcText);
        rcEmboss.OffsetRect(1, 1);
        drawText(rcEmboss, m_colors[clrHilite]);
        drawText(rcText, m_colors[clrShadow]);
    } else if (bDisabled) {
        drawText(rcText, m_colors[clrGray]);
    } else {
        drawText(rcText, bSelected ? m_colors[clrHighlightText] : m_colors[clrText]);
    }
    pDC->SetBkMode(nOldMode);
}

LRESULT FwBmpMenuPlugIn::FindMenuChar(HMENU hMenu, char ch) const
{
    auto it = m_mapItems.find(hMenu);
    if (it == m_mapItems.end()) {
        return 0;
    }
    const char chLower = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i) {
        const UINT nID = ::GetMenuItemID(hMenu, i);
        for (const FwBmpMenuItemInfo* pInfo : it->second) {
            if (pInfo->m_nID == nID && pInfo->m_chMnemonic != 0 && pInfo->m_chMnemonic == chLower) {
                return MAKELRESULT(i, MNC_EXECUTE);
            }
        }
    }
    return 0;
}

BOOL FwBmpMenuPlugIn::OnPlugInMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_INITMENUPOPUP:
        // The host updates the items first and then has them converted (ConvertPopup).
        PurgeStaleItems();
        return FALSE;
    case WM_MEASUREITEM: {
        LPMEASUREITEMSTRUCT lpMIS = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
        if (lpMIS->CtlType != ODT_MENU || FindInfo(lpMIS->itemData) == nullptr) {
            return FALSE;
        }
        MeasureItem(lpMIS);
        *pResult = TRUE;
        return TRUE;
    }
    case WM_DRAWITEM: {
        LPDRAWITEMSTRUCT lpDIS = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        if (lpDIS->CtlType != ODT_MENU || FindInfo(lpDIS->itemData) == nullptr) {
            return FALSE;
        }
        DrawItem(lpDIS);
        *pResult = TRUE;
        return TRUE;
    }
    case WM_MENUCHAR: {
        const LRESULT lResult = FindMenuChar(reinterpret_cast<HMENU>(lParam), static_cast<char>(LOWORD(wParam)));
        if (lResult == 0) {
            return FALSE;
        }
        *pResult = lResult;
        return TRUE;
    }
    case WM_SYSCOLORCHANGE:
        ReadColors();
        return FALSE;
    case WM_SETTINGCHANGE:
        m_fontMenu.DeleteObject();
        m_fontBold.DeleteObject();
        return FALSE;
    default:
        return FALSE;
    }
}
