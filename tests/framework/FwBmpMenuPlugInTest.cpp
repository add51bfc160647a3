// The bitmap-menu plug-in on its own: which items turn owner-drawn, how they measure and draw,
// mnemonics, and the items given back as strings when it goes.
#include <gtest/gtest.h>

#include "framework/FwBmpMenuPlugIn.h"
#include "framework/FwBmpMgr.h"
#include "platform/base/FxComPtr.h"
#include "platform/win/Menu.h"
#include "tests/framework/res/fwtoolbar_resource.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"

namespace
{
UINT ItemType(HMENU hMenu, UINT nPos)
{
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoA(hMenu, nPos, TRUE, &mii);
    return mii.fType;
}
} // namespace

TEST(FwBmpMenuPlugInTest, CommandItemsTurnOwnerDrawnAndOthersStayAsTheyAre)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    HMENU hMenu = menu;
    ::AppendMenuA(hMenu, MF_STRING, 0x8101, "&New\tCtrl+N");
    ::AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(hMenu, MF_STRING, SC_CLOSE, "&Close");
    ::AppendMenuA(hMenu, MF_OWNERDRAW, 0x8500, reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(42)));
    ::AppendMenuA(hMenu, MF_STRING, 0xFF10, "&1 Card");
    ::AppendMenuA(hMenu, MF_STRING, 0x8400, "&Status Bar");

    FwBmpMenuPlugIn* pPlugIn = new FwBmpMenuPlugIn(TRUE);
    CFxComPtr<FwBmpMgr> pBmpMgr(new FwBmpMgr);
    ASSERT_TRUE(pBmpMgr->AddToolBarResource(MAKEINTRESOURCEA(IDR_FWTB_MAIN), nullptr, TRUE));
    pPlugIn->SetBmpMgr(pBmpMgr);
    EXPECT_EQ(2, pBmpMgr->GetRefCount());
    pBmpMgr.Close();
    pPlugIn->ConvertPopup(hMenu);
    pPlugIn->ConvertPopup(hMenu);

    struct ItemCase
    {
        const char* szName;
        UINT nPos;
        BOOL bOwnerDraw;
    };
    const ItemCase cases[] = {
        {"a command with an image", 0, TRUE}, {"a separator", 1, FALSE},
        {"a system command", 2, FALSE},       {"someone else's owner-drawn item", 3, TRUE},
        {"an MDI window item", 4, TRUE},      {"a command without an image", 5, TRUE},
    };
    for (const ItemCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bOwnerDraw, (ItemType(hMenu, c.nPos) & MFT_OWNERDRAW) != 0);
    }
    EXPECT_TRUE(pPlugIn->IsLeftAlone(0x8500));
    EXPECT_EQ(3, pPlugIn->GetItemCount(hMenu));

    // Measuring: text width + image + 30, at least a menu line and the image + 4 high.
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_DATA;
    ::GetMenuItemInfoA(hMenu, 0, TRUE, &mii);
    MEASUREITEMSTRUCT mis = {ODT_MENU, 0, 0x8101, 0, 0, mii.dwItemData};
    pPlugIn->MeasureItem(&mis);
    EXPECT_GT(mis.itemWidth, 16U + 30U);
    EXPECT_GE(mis.itemHeight, static_cast<UINT>(::GetSystemMetrics(SM_CYMENU)));
    EXPECT_GE(mis.itemHeight, 15U + 4U);

    // Drawing: the image at the left, the text after it.
    CTestDib dib(static_cast<int>(mis.itemWidth) + 40, static_cast<int>(mis.itemHeight));
    DRAWITEMSTRUCT dis = {ODT_MENU,
                          0,
                          0x8101,
                          ODA_DRAWENTIRE,
                          0,
                          reinterpret_cast<HWND>(hMenu),
                          dib.DC().GetSafeHdc(),
                          CRect(0, 0, dib.Width(), dib.Height()),
                          mii.dwItemData};
    pPlugIn->DrawItem(&dis);
    const COLORREF crMenu = ::GetSysColor(COLOR_MENU);
    EXPECT_GT(dib.CountInk(CRect(2, 0, 18, dib.Height()), crMenu), 20);
    EXPECT_GT(dib.CountInk(CRect(30, 0, dib.Width(), dib.Height()), crMenu), 10);
    SavePng(TestImagePath("fwbmpmenu-item.png").c_str(), dib.Bits(), dib.Width(), dib.Height());

    // The mnemonic chooses the item; an unknown letter is left to the system.
    EXPECT_EQ(MAKELRESULT(0, MNC_EXECUTE), pPlugIn->FindMenuChar(hMenu, 'N'));
    EXPECT_EQ(MAKELRESULT(5, MNC_EXECUTE), pPlugIn->FindMenuChar(hMenu, 's'));
    EXPECT_EQ(0, pPlugIn->FindMenuChar(hMenu, 'z'));

    // Going, it gives the items back as text.
    delete pPlugIn;
    EXPECT_EQ(0U, ItemType(hMenu, 0) & MFT_OWNERDRAW);
    char szText[64] = {};
    ::GetMenuStringA(hMenu, 0, szText, sizeof(szText), MF_BYPOSITION);
    EXPECT_STREQ("&New\tCtrl+N", szText);
    EXPECT_NE(0U, ItemType(hMenu, 3) & MFT_OWNERDRAW);
}

TEST(FwBmpMenuPlugInTest, StaleMenusAndItemsArePurged)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    HMENU hMenu = menu;
    ::AppendMenuA(hMenu, MF_STRING, 0x8101, "&New");
    ::AppendMenuA(hMenu, MF_STRING, 0x8102, "&Open");
    CMenu gone;
    ASSERT_TRUE(gone.CreatePopupMenu());
    HMENU hGone = gone;
    ::AppendMenuA(hGone, MF_STRING, 0x8103, "&Save");
    FwBmpMenuPlugIn plugIn(TRUE);
    plugIn.ConvertPopup(hMenu);
    plugIn.ConvertPopup(hGone);
    gone.DestroyMenu();
    ::DeleteMenu(hMenu, 0x8102, MF_BYCOMMAND);
    plugIn.PurgeStaleItems();
    EXPECT_EQ(1, plugIn.GetItemCount(hMenu));
    EXPECT_EQ(0, plugIn.GetItemCount(hGone));
}
