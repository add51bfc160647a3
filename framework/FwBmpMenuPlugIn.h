// The plug-in that turns a frame's popup menu items into owner-drawn items showing the tool-bar
// image of the same command.
#pragma once

#include <windows.h>

#include <map>
#include <set>
#include <vector>

#include "framework/FwWndPlugIn.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/Object.h"
#include "platform/base/String.h"
#include "platform/gdi/Font.h"

class CDC;
class FwBmpMenuItemInfo;
class FwBmpMgr;

class FwBmpMenuPlugIn : public FwWndPlugIn
{
    FX_DECLARE_DYNAMIC(FwBmpMenuPlugIn)

public:
    explicit FwBmpMenuPlugIn(BOOL bRadioDot = TRUE);
    // Items it made become plain string items again.
    ~FwBmpMenuPlugIn() override;

    // Takes a reference to the table and lets go of the old one; the table keeps its small strips.
    void SetBmpMgr(FwBmpMgr* pBmpMgr);
    FwBmpMgr* GetBmpMgr() const { return m_pBmpMgr; }
    // Makes the items of a popup owner-drawn (system commands, separators and bitmaps excepted).
    void ConvertPopup(HMENU hPopup);
    // Drops the items of menus and entries that no longer exist.
    virtual void PurgeStaleItems();
    int GetItemCount(HMENU hMenu) const;
    BOOL IsLeftAlone(UINT nID) const { return m_setLeftAlone.count(nID) != 0; }

    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS);
    void DrawItem(LPDRAWITEMSTRUCT lpDIS);
    // MNC_EXECUTE with the position of the item whose mnemonic is ch; 0 when none matches.
    LRESULT FindMenuChar(HMENU hMenu, char ch) const;

protected:
    BOOL OnPlugInMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    virtual HFONT GetMenuFont(BOOL bBold);
    void ReadColors();
    FwBmpMenuItemInfo* FindInfo(ULONG_PTR dwItemData) const;

    std::map<HMENU, std::vector<FwBmpMenuItemInfo*>> m_mapItems;
    std::set<UINT> m_setLeftAlone;
    BOOL m_bRadioDot;
    CFxComPtr<FwBmpMgr> m_pBmpMgr;
    CFont m_fontMenu;
    CFont m_fontBold;
    COLORREF m_colors[9];
};
