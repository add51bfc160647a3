// What the designer's bars and menus tell a user: every tool-bar button shows a picture, a tip
// and a status-bar hint, every menu item a hint, all from the command's own string ("hint\ntip").
// The bars (small and large buttons) and the menus with their images are drawn under
// build/test-images to be looked at.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "designer/shell/MainFrame.h"
#include "designer/shell/VornDesignApp.h"
#include "designer/res/resource.h"
#include "framework/FwBarButton.h"
#include "framework/FwBmpMenuPlugIn.h"
#include "framework/FwBmpMgr.h"
#include "framework/FwCustomToolBar.h"
#include "framework/FwToolBarManager.h"
#include "platform/frame/FrameIds.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/res/resource.h"
#include "platform/win/Menu.h"
#include "platform/win/ToolTipCtrl.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"
#include "tests/support/UiDriver.h"

namespace
{
struct BarCase
{
    const char* szName;
    UINT nID;
};
const BarCase kBars[] = {
    {"file", ID_BAR_FILE}, {"table-line", ID_BAR_TABLE_LINE},   {"view", ID_BAR_VIEW},
    {"cell", ID_BAR_CELL}, {"free-object", ID_BAR_FREE_OBJECT},
};

struct MenuCase
{
    const char* szName;
    UINT nID;
};
const MenuCase kMenus[] = {
    {"main", IDR_MAINFRAME},
    {"template", IDR_CAPPSHEETDEF},
    {"script", IDR_SCRIPT},
    {"cell", IDR_SHEET_CELL_MENU},
};

// The part of a command's string before or after its first '\n'.
std::string CommandText(UINT nID, bool bTip)
{
    CString str;
    if (!str.LoadString(nID)) {
        return std::string();
    }
    const int nEnd = str.Find('\n');
    if (nEnd < 0) {
        return static_cast<LPCSTR>(str);
    }
    return static_cast<LPCSTR>(bTip ? str.Mid(nEnd + 1) : str.Left(nEnd));
}

// Every command item of a menu and its popups, with the popup path as its name.
void CollectCommands(HMENU hMenu, const std::string& strPath, std::vector<std::pair<UINT, std::string>>& items)
{
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i) {
        char szText[128] = {};
        ::GetMenuStringA(hMenu, static_cast<UINT>(i), szText, sizeof szText, MF_BYPOSITION);
        if (HMENU hSub = ::GetSubMenu(hMenu, i)) {
            CollectCommands(hSub, strPath + szText + " / ", items);
            continue;
        }
        const UINT nID = ::GetMenuItemID(hMenu, i);
        if (nID != 0 && nID != static_cast<UINT>(-1)) {
            items.emplace_back(nID, strPath + szText);
        }
    }
}

// The designer started with a new template window, so that the template menu is shown.
class CDesignFaceTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pWorkDir = std::make_unique<CDesignWorkDirSetting>(DesignSampleWorkDir());
        m_app.m_strCmdLine = "";
        m_app.m_nCmdShow = SW_SHOWNA;
        CTestUi ui;
        ui.OnDialog(IDD_FX_NEWTYPE, [](CTestDlg& d) {
            ::SendMessageA(d.Item(IDC_FX_NEWTYPE_LIST), LB_SETCURSEL, 0, 0);
            d.Ok();
        });
        // The first kind is a template: start-up runs the designer's own New, made from a sample.
        ui.OnDialog(IDD_NEW_TEMPLATE, [](CTestDlg& d) {
            d.SetText(IDC_NEW_TEMPLATE_PATH, DesignSampleWorkDir() + "\\Template\\ProcessCard.znt");
            d.Ok();
        });
        ASSERT_TRUE(m_app.InitInstance());
        m_pFrame = m_app.GetMainFrame();
        ASSERT_NE(nullptr, m_pFrame);
        m_pFrame->MoveWindow(0, 0, 1200, 1000);
        Idle();
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd)) {
            m_pFrame->DestroyWindow();
        }
        m_app.m_pMainWnd = nullptr;
        PumpTestMessages();
    }
    void Idle()
    {
        PumpTestMessages();
        m_app.OnIdle(0);
        m_pFrame->RecalcLayout();
        m_pFrame->UpdateWindow();
    }
    std::string StatusText() const { return static_cast<LPCSTR>(m_pFrame->m_wndStatusBar.GetPaneText(0)); }

    CVornDesignApp m_app;
    CMainFrame* m_pFrame = nullptr;
    std::unique_ptr<CDesignWorkDirSetting> m_pWorkDir;
};
} // namespace

TEST_F(CDesignFaceTest, EveryToolBarButtonHasAPictureATipAndAHint)
{
    FwToolBarManager* pManager = m_pFrame->m_pToolBarManager;
    m_pFrame->SendMessage(WM_SETMESSAGESTRING, 0xE001, 0);
    const std::string strIdle = StatusText();
    for (const BarCase& bar : kBars) {
        FwCustomToolBar* pBar = pManager->FindToolBar(bar.nID);
        ASSERT_NE(nullptr, pBar) << bar.szName;
        FwBmpMgr* pBmpMgr = pBar->GetBmpMgr();
        ASSERT_NE(nullptr, pBmpMgr);
        for (int i = 0; i < pBar->GetButtonCount(); ++i) {
            const FwBarButton* pButton = pBar->GetButton(i);
            if (pButton->IsSeparator()) {
                continue;
            }
            const UINT nID = pButton->m_nID;
            SCOPED_TRACE(std::string(bar.szName) + " button " + std::to_string(i) + " command " + std::to_string(nID));
            // A picture of its own: the strip loads and the button's image is more than face colour.
            HBITMAP hStrip = nullptr;
            int nImage = -1;
            ASSERT_TRUE(pBmpMgr->GetImage(nID, hStrip, nImage, TRUE));
            ASSERT_NE(nullptr, hStrip);
            const CSize szImage = pBmpMgr->GetImageSize();
            const COLORREF crFace = ::GetSysColor(COLOR_BTNFACE);
            CTestDib dib(szImage.cx, szImage.cy, crFace);
            CDC dcStrip;
            ASSERT_TRUE(dcStrip.CreateCompatibleDC(&dib.DC()));
            CFxSelectGuard stripSel(&dcStrip, CBitmap::FromHandle(hStrip));
            dib.DC().BitBlt(0, 0, szImage.cx, szImage.cy, &dcStrip, nImage * szImage.cx, 0, SRCCOPY);
            const RECT rcImage = {0, 0, szImage.cx, szImage.cy};
            // Some ink, and a background that is the button face whatever its colour.
            const int nInk = dib.CountInk(rcImage, crFace);
            EXPECT_GT(nInk, 12);
            EXPECT_GT(szImage.cx * szImage.cy - nInk, szImage.cx * szImage.cy / 4);
            const std::string strTip = CommandText(nID, true);
            const std::string strHint = CommandText(nID, false);
            EXPECT_FALSE(strTip.empty());
            EXPECT_FALSE(strHint.empty());

            // The bar names the button as a tool with the command's tip.
            CRect rc;
            pBar->GetButtonRect(i, &rc);
            const CPoint pt = rc.CenterPoint();
            TOOLINFOA ti = {};
            EXPECT_EQ(static_cast<INT_PTR>(nID), pBar->OnToolHitTest(pt, &ti));
            EXPECT_EQ(strTip, ti.lpszText != nullptr ? ti.lpszText : "");
            free(ti.lpszText);

            // The mouse over the button: the tool-tip control holds the tip, the status bar the hint.
            pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
            ASSERT_NE(nullptr, pBar->GetToolTip());
            EXPECT_EQ(strTip, static_cast<LPCSTR>(pBar->GetToolTip()->GetText(pBar, nID)));
            EXPECT_EQ(strHint, StatusText());
        }
        // Off the buttons the status bar goes back to its idle text.
        pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(30000, 30000));
        EXPECT_EQ(strIdle, StatusText()) << bar.szName;
    }
}

TEST_F(CDesignFaceTest, EveryMenuItemShowsAHintInTheStatusBar)
{
    for (const MenuCase& menuCase : kMenus) {
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(menuCase.nID)) << menuCase.szName;
        std::vector<std::pair<UINT, std::string>> items;
        CollectCommands(menu.m_hMenu, std::string(menuCase.szName) + ": ", items);
        EXPECT_FALSE(items.empty());
        for (const auto& item : items) {
            SCOPED_TRACE(item.second);
            const std::string strHint = CommandText(item.first, false);
            EXPECT_FALSE(strHint.empty());
            m_pFrame->SetMessageText("");
            m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(item.first, MF_STRING),
                                  reinterpret_cast<LPARAM>(menu.m_hMenu));
            EXPECT_EQ(strHint, StatusText());
        }
    }
}

// Pictures to look at: each bar with small and with large buttons, each menu's popups drawn by
// the bitmap-menu plug-in with the images the bars give them.
TEST_F(CDesignFaceTest, DrawsEveryBarAndMenuWithItsPictures)
{
    FwToolBarManager* pManager = m_pFrame->m_pToolBarManager;
    for (const BOOL bLarge : {FALSE, TRUE}) {
        pManager->EnableLargeButtons(bLarge);
        Idle();
        ::RedrawWindow(m_pFrame->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_TRUE(SaveWindowPicture(m_pFrame->m_hWnd, bLarge ? "designer-bars-24.png" : "designer-bars-16.png"));
        for (const BarCase& bar : kBars) {
            FwCustomToolBar* pBar = pManager->FindToolBar(bar.nID);
            ASSERT_NE(nullptr, pBar);
            const std::string strName = std::string("designer-bar-") + bar.szName + (bLarge ? "-24.png" : "-16.png");
            EXPECT_TRUE(SaveWindowPicture(pBar->m_hWnd, strName.c_str())) << strName;
        }
    }
    pManager->EnableLargeButtons(FALSE);
    Idle();

    auto* pPlugIn = dynamic_cast<FwBmpMenuPlugIn*>(m_pFrame->GetPlugIn());
    ASSERT_NE(nullptr, pPlugIn);
    for (const MenuCase& menuCase : kMenus) {
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(menuCase.nID));
        // The popups and the popups within them, each drawn on its own.
        std::vector<std::pair<HMENU, std::string>> popups;
        std::function<void(HMENU, const std::string&)> collect = [&](HMENU hMenu, const std::string& strName) {
            for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i) {
                if (HMENU hSub = ::GetSubMenu(hMenu, i)) {
                    const std::string strSub = strName + "-" + std::to_string(i);
                    popups.emplace_back(hSub, strSub);
                    collect(hSub, strSub);
                }
            }
        };
        collect(menu.m_hMenu, std::string("designer-menu-") + menuCase.szName);
        for (const auto& popup : popups) {
            HMENU hPopup = popup.first;
            pPlugIn->ConvertPopup(hPopup);
            // Measure every item, then draw them one under the other as the popup shows them.
            const int nCount = ::GetMenuItemCount(hPopup);
            std::vector<MEASUREITEMSTRUCT> sizes(static_cast<size_t>(nCount));
            std::vector<ULONG_PTR> data(static_cast<size_t>(nCount));
            int cx = 120;
            int cy = 4;
            for (int i = 0; i < nCount; ++i) {
                MENUITEMINFOA info = {};
                info.cbSize = sizeof info;
                info.fMask = MIIM_DATA | MIIM_FTYPE | MIIM_ID;
                ::GetMenuItemInfoA(hPopup, static_cast<UINT>(i), TRUE, &info);
                MEASUREITEMSTRUCT& mis = sizes[static_cast<size_t>(i)];
                mis.CtlType = ODT_MENU;
                mis.itemID = info.wID;
                mis.itemData = info.dwItemData;
                data[static_cast<size_t>(i)] = (info.fType & MFT_OWNERDRAW) != 0 ? info.dwItemData : 0;
                if (data[static_cast<size_t>(i)] != 0) {
                    pPlugIn->MeasureItem(&mis);
                } else {
                    mis.itemHeight = ::GetSubMenu(hPopup, i) != nullptr ? 20 : 8;
                }
                cx = std::max(cx, static_cast<int>(mis.itemWidth) + 40);
                cy += static_cast<int>(mis.itemHeight);
            }
            CTestDib dib(cx, cy, ::GetSysColor(COLOR_MENU));
            HDC hDC = dib.DC().GetSafeHdc();
            RECT rcAll = {0, 0, cx, cy};
            ::DrawEdge(hDC, &rcAll, EDGE_RAISED, BF_RECT);
            int y = 2;
            for (int i = 0; i < nCount; ++i) {
                const MEASUREITEMSTRUCT& mis = sizes[static_cast<size_t>(i)];
                RECT rcItem = {2, y, cx - 2, y + static_cast<int>(mis.itemHeight)};
                if (data[static_cast<size_t>(i)] != 0) {
                    DRAWITEMSTRUCT dis = {};
                    dis.CtlType = ODT_MENU;
                    dis.itemID = mis.itemID;
                    dis.itemAction = ODA_DRAWENTIRE;
                    dis.hwndItem = reinterpret_cast<HWND>(hPopup);
                    dis.hDC = hDC;
                    dis.rcItem = rcItem;
                    dis.itemData = data[static_cast<size_t>(i)];
                    pPlugIn->DrawItem(&dis);
                } else if (::GetSubMenu(hPopup, i) != nullptr) {
                    char szText[128] = {};
                    ::GetMenuStringA(hPopup, static_cast<UINT>(i), szText, sizeof szText, MF_BYPOSITION);
                    RECT rcText = {rcItem.left + 28, rcItem.top, rcItem.right - 8, rcItem.bottom};
                    ::SetBkMode(hDC, TRANSPARENT);
                    ::DrawTextA(hDC, szText, -1, &rcText, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
                    ::DrawTextA(hDC, ">", -1, &rcText, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
                } else {
                    RECT rcLine = {rcItem.left + 2, y + 3, rcItem.right - 2, y + 5};
                    ::DrawEdge(hDC, &rcLine, EDGE_ETCHED, BF_TOP);
                }
                y = rcItem.bottom;
            }
            const std::string strName = popup.second + ".png";
            ::GdiFlush();
            EXPECT_TRUE(SavePng(TestImagePath(strName.c_str()).c_str(), dib.Bits(), cx, cy));
        }
    }
}
