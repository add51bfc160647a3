// The designer started on the bundled work directory with one template open in a sheet-definition
// window: the set-up, tear-down and helpers the sheet view's tests share.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/shell/MainFrame.h"
#include "designer/shell/VornDesignApp.h"
#include "platform/gdi/ClientDC.h"
#include "platform/win/CmdUI.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/support/TempFolder.h"

// Records what a command's update handler says.
class CViewProbeCmdUI : public CCmdUI
{
public:
    explicit CViewProbeCmdUI(UINT nID) { m_nID = nID; }
    void Enable(BOOL bOn) override { m_bEnabled = bOn; }
    void SetCheck(int nCheck) override { m_nCheck = nCheck; }
    BOOL m_bEnabled = TRUE;
    int m_nCheck = -1;
};

class CSheetViewFixture : public testing::Test
{
protected:
    // By default a copy of the bundled process card, so that saving leaves the sample alone.
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(Open(CopyOfSample("card.znt"))); }
    void TearDown() override
    {
        if (m_pMain != nullptr && ::IsWindow(m_pMain->m_hWnd)) {
            // Nothing asks to save on the way out; a test may have closed the view already.
            for (CCappSheetDefView* pView : m_pMain->GetSheetDefViews()) {
                pView->SetSaveState(CCappSheetDefView::saveStateSaved);
            }
            m_pMain->DestroyWindow();
        }
        m_app.m_pMainWnd = nullptr;
        m_app.WriteProfileString("Recent File List", nullptr, nullptr);
        PumpTestMessages();
    }

    static CString SampleTemplate() { return DesignSampleWorkDir() + "\\Template\\ProcessCard.znt"; }
    // The bundled process card copied into the test's folder under that name.
    CString CopyOfSample(LPCSTR pszName)
    {
        const CString strPath = m_temp.PathOf(pszName);
        EXPECT_TRUE(DesignWriteBytes(strPath, DesignReadBytes(SampleTemplate())));
        return strPath;
    }
    // Starts the designer with its main frame at that size and opens the template in it.
    void Open(const CString& strTemplate, int cx = 900, int cy = 640)
    {
        m_pWorkDir = std::make_unique<CDesignWorkDirSetting>(DesignSampleWorkDir());
        m_app.WriteProfileString("Recent File List", nullptr, nullptr);
        m_app.m_strCmdLine = "";
        m_app.m_nCmdShow = SW_SHOWNA;
        ASSERT_TRUE(DesignStartApp(m_app));
        m_pMain = m_app.GetMainFrame();
        ASSERT_NE(nullptr, m_pMain);
        m_pMain->MoveWindow(0, 0, cx, cy);
        m_strTemplate = strTemplate;
        m_pMain->OpenTemplate(m_strTemplate);
        Idle();
        for (int i = 0; i < m_pMain->GetWorksheetCount() && m_pView == nullptr; ++i) {
            auto* pChild = dynamic_cast<CCappSheetDefChildFrame*>(m_pMain->GetWorksheet(i));
            CCappSheetDefView* pView = pChild != nullptr ? pChild->GetSheetDefView() : nullptr;
            if (pView != nullptr && pView->GetPath() == m_strTemplate) {
                m_pChild = pChild;
                m_pView = pView;
            }
        }
        ASSERT_NE(nullptr, m_pView);
        ASSERT_TRUE(m_pView->IsTemplateLoaded());
        m_pSheet = m_pView->m_pSheet;
        ASSERT_NE(nullptr, m_pSheet);
    }

    void Idle()
    {
        PumpTestMessages();
        m_app.OnIdle(0);
        m_pMain->RecalcLayout();
        m_pMain->UpdateWindow();
    }
    void Command(UINT nID) { m_pView->SendMessage(WM_COMMAND, nID, 0); }
    CViewProbeCmdUI Update(CCmdTarget* pTarget, UINT nID)
    {
        CViewProbeCmdUI ui(nID);
        ui.DoUpdate(pTarget, TRUE);
        return ui;
    }
    CViewProbeCmdUI Update(UINT nID) { return Update(m_pView, nID); }
    // A point of the sheet in the view's client pixels.
    CPoint ClientOf(CPoint ptSheet)
    {
        CClientDC dc(m_pView->m_hWnd);
        m_pView->OnPrepareDC(&dc, nullptr);
        dc.LPtoDP(&ptSheet, 1);
        return ptSheet;
    }
    // Head, page and detail-area cells together.
    int CountCells()
    {
        int n = static_cast<int>(m_pSheet->m_HeadCellList.GetCount() + m_pSheet->m_PageCellList.GetCount());
        for (POSITION pos = m_pSheet->m_MidDataList.GetHeadPosition(); pos != nullptr;) {
            n += static_cast<int>(
                static_cast<CCappMidData*>(m_pSheet->m_MidDataList.GetNext(pos))->m_listMidCell.GetCount());
        }
        return n;
    }

    CTestTempFolder m_temp;
    CVornDesignApp m_app;
    std::unique_ptr<CDesignWorkDirSetting> m_pWorkDir;
    CMainFrame* m_pMain = nullptr;
    CCappSheetDefChildFrame* m_pChild = nullptr;
    CCappSheetDefView* m_pView = nullptr;
    CCappSheet* m_pSheet = nullptr;
    CString m_strTemplate;
};
