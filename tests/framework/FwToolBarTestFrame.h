// A designer-like main frame for the tool-bar tests: it drives the framework in the designer's
// order (manager and MDI menu bar, bitmap menus, three image resources, five default bars, cool
// look, menus 128, 131 and 137) and records the commands that reach it.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/FwBmpMgr.h"
#include "framework/FwCustomToolBar.h"
#include "framework/FwMDIFrameWnd.h"
#include "framework/FwMDIMenuBar.h"
#include "framework/FwMenuBar.h"
#include "framework/FwToolBarManager.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/WinApp.h"
#include "tests/framework/res/fwtoolbar_resource.h"
#include "tests/support/MessagePump.h"
#include "tests/support/UiDriver.h"

// The default bars' button tables (0 a separator).
inline const UINT* FwTbStandardButtons()
{
    static const UINT ids[21] = {0x8101, 0x8102, 0x8103, 0,      0x8104, 0x8105, 0x8106, 0x8107, 0x8108, 0,     0x8109,
                                 0x810A, 0x810B, 0x810C, 0x810D, 0,      0x810E, 0x810F, 0x8110, 0x8111, 0x8112};
    return ids;
}
inline const UINT* FwTbEditButtons()
{
    static const UINT ids[10] = {0x8201, 0x8202, 0x8203, 0, 0x8204, 0x8205, 0, 0x8206, 0x8207, 0x8208};
    return ids;
}
inline const UINT* FwTbViewButtons()
{
    static const UINT ids[6] = {0x8113, 0x8114, 0, 0x8115, 0x8116, 0x8117};
    return ids;
}
inline const UINT* FwTbDrawButtons()
{
    static const UINT ids[10] = {0x8301, 0x8302, 0x8303, 0x8304, 0, 0x8305, 0x8306, 0x8307, 0x8308, 0x8309};
    return ids;
}
inline const UINT* FwTbShapeButtons()
{
    static const UINT ids[18] = {0x830A, 0x830B, 0x830C, 0x830D, 0,      0x830E, 0x830F, 0x8310, 0x8311,
                                 0,      0x8312, 0x8313, 0x8314, 0x8315, 0,      0x8316, 0x8317, 0x8318};
    return ids;
}

class CFwTbFrame : public FwMDIFrameWnd
{
public:
    // The designer's constructor: manager with the frame and no owner, the MDI menu bar, bitmap menus.
    CFwTbFrame()
    {
        m_pManager = new FwToolBarManager(this, nullptr);
        SetToolBarManager(m_pManager);
        m_pMDIMenuBar = new FwMDIMenuBar;
        SetMenuBar(m_pMDIMenuBar);
        EnableBmpMenus(TRUE, TRUE);
        // The test frame handles its commands in OnCommand, which the update probe does not see.
        m_bAutoMenuEnable = FALSE;
    }
    ~CFwTbFrame() override
    {
        delete m_pMDIMenuBar;
        delete m_pManager;
    }

    // LoadFrame, then the designer's creation sequence.
    BOOL Create(int cx = 760, int cy = 420)
    {
        if (!LoadFrame(IDR_FWTB_FRAME, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN)) {
            return FALSE;
        }
        MoveWindow(0, 0, cx, cy);
        m_pManager->AddToolBarResource(MAKEINTRESOURCEA(IDR_FWTB_MAIN), MAKEINTRESOURCEA(IDR_FWTB_MAIN_LARGE));
        m_pManager->AddToolBarResource(MAKEINTRESOURCEA(IDR_FWTB_EDIT), MAKEINTRESOURCEA(IDR_FWTB_EDIT_LARGE));
        m_pManager->AddToolBarResource(MAKEINTRESOURCEA(IDR_FWTB_SHAPES), MAKEINTRESOURCEA(IDR_FWTB_SHAPES_LARGE));
        m_pManager->NoOp();
        m_pManager->AddDefaultToolBar(0xE800, "Standard", 21, FwTbStandardButtons(), CBRS_ALIGN_ANY, FX_IDW_DOCKBAR_TOP,
                                      0, TRUE, TRUE);
        m_pManager->AddDefaultToolBar(0xE806, "Edit", 10, FwTbEditButtons(), CBRS_ALIGN_ANY, FX_IDW_DOCKBAR_TOP, 0xE800,
                                      TRUE, TRUE);
        m_pManager->AddDefaultToolBar(0xE804, "View", 6, FwTbViewButtons(), CBRS_ALIGN_ANY, FX_IDW_DOCKBAR_TOP, 0xE806,
                                      TRUE, TRUE);
        m_pManager->AddDefaultToolBar(0xE805, "Draw", 10, FwTbDrawButtons(), CBRS_ALIGN_ANY, FX_IDW_DOCKBAR_LEFT, 0,
                                      TRUE, TRUE);
        m_pManager->AddDefaultToolBar(0xE807, "Shapes", 18, FwTbShapeButtons(), CBRS_ALIGN_ANY, FX_IDW_DOCKBAR_LEFT,
                                      0xE805, TRUE, TRUE);
        m_pManager->EnableCoolLook(TRUE, 0x300);
        EnableDocking(CBRS_ALIGN_ANY);
        if (!m_pManager->SetMenuBarMenus(3, IDR_FWTB_FRAME, IDR_FWTB_CARD, IDR_FWTB_SCRIPT)) {
            return FALSE;
        }
        m_pManager->CreateDefaultToolBars();
        ShowWindow(SW_SHOWNA);
        RecalcLayout();
        UpdateWindow();
        return TRUE;
    }

    FwCustomToolBar* Bar(UINT nID) const { return m_pManager->FindToolBar(nID); }
    CRect BarRect(UINT nID) const
    {
        CRect rc(0, 0, 0, 0);
        if (CControlBar* pBar = GetControlBar(nID)) {
            pBar->GetWindowRect(&rc);
        }
        return rc;
    }
    // Idle processing as the message loop would run it.
    void Idle()
    {
        CWinApp* pApp = FxGetApp();
        pApp->m_pMainWnd = this;
        pApp->OnIdle(0);
        RecalcLayout();
        UpdateWindow();
    }

    FwToolBarManager* m_pManager = nullptr;
    FwMDIMenuBar* m_pMDIMenuBar = nullptr;
    std::vector<UINT> m_commands;
    // Popups as they open (the system menu's counted apart).
    std::vector<HMENU> m_popups;
    int m_nSystemMenus = 0;
    int m_nCancelModes = 0;
    // Messages posted when the n-th popup opens (null window: the frame).
    struct Input
    {
        UINT nMessage;
        WPARAM wParam;
        LPARAM lParam;
        HWND hWnd;
    };
    std::vector<std::vector<Input>> m_script;
    // The next menu that idles is pictured under this name and closed.
    const char* m_pszMenuPicture = nullptr;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CANCELMODE) {
            ++m_nCancelModes;
        }
        if (message == WM_INITMENUPOPUP) {
            if (HIWORD(lParam) != 0) {
                ++m_nSystemMenus;
            } else {
                m_popups.push_back(reinterpret_cast<HMENU>(wParam));
            }
            // What a person does once this popup is open, read by its own menu loop.
            const size_t nOpened = m_popups.size() + static_cast<size_t>(m_nSystemMenus);
            if (nOpened <= m_script.size()) {
                for (const Input& input : m_script[nOpened - 1]) {
                    ::PostMessageA(input.hWnd != nullptr ? input.hWnd : m_hWnd, input.nMessage, input.wParam,
                                   input.lParam);
                }
            }
        }
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU && m_pszMenuPicture != nullptr) {
            const char* pszName = m_pszMenuPicture;
            m_pszMenuPicture = nullptr;
            ::RedrawWindow(reinterpret_cast<HWND>(lParam), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            SaveWindowPicture(m_hWnd, pszName);
            ::EndMenu();
        }
        return FwMDIFrameWnd::WindowProc(message, wParam, lParam);
    }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        const UINT nID = LOWORD(wParam);
        if (nID >= 0x8100 && nID < 0x8700) {
            m_commands.push_back(nID);
            return TRUE;
        }
        return FwMDIFrameWnd::OnCommand(wParam, lParam);
    }
};
