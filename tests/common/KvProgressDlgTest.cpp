#include <gtest/gtest.h>

#include "common/KvProgressDlg.h"
#include "common/res/resource.h"
#include "support/UiDriver.h"

#include <commctrl.h>

TEST(KvProgressDlgTest, OpensWithItsBarSettingsAndAnimation)
{
    CKvProgressDlg dlg;
    dlg.SetPrompt("正在装入模板...");
    ASSERT_TRUE(dlg.Create(IDD_KV_PROGRESS));
    CString strCaption;
    dlg.GetWindowText(strCaption);
    EXPECT_EQ(CString("请等待..."), strCaption);
    CString strPrompt;
    dlg.GetDlgItemText(IDC_KV_PROGRESS_PROMPT, strPrompt);
    EXPECT_EQ(CString("正在装入模板..."), strPrompt);
    EXPECT_TRUE(dlg.m_progress.m_bShowPercent);
    EXPECT_EQ(RGB(0, 0, 255), dlg.m_progress.GetStartColor());
    EXPECT_EQ(RGB(255, 0, 0), dlg.m_progress.GetEndColor());
    EXPECT_EQ(RGB(192, 192, 192), dlg.m_progress.GetBkColor());
    EXPECT_EQ(RGB(255, 0, 0), dlg.m_progress.GetTextColor());
    EXPECT_EQ(1, dlg.m_progress.m_nStep);
    // The clip is found in the library's resources and plays.
    EXPECT_TRUE(dlg.m_animate.Open(IDR_KV_PROGRESS_AVI));
    EXPECT_TRUE(dlg.m_animate.Play(0, static_cast<UINT>(-1), static_cast<UINT>(-1)));

    dlg.ModifyProgressStyle(FALSE, TRUE);
    EXPECT_EQ(0u, dlg.m_progress.GetStyle() & WS_BORDER);
    EXPECT_NE(0u, dlg.m_progress.GetStyle() & PBS_SMOOTH);
    dlg.ModifyProgressStyle(TRUE, FALSE);
    EXPECT_NE(0u, dlg.m_progress.GetStyle() & WS_BORDER);
    EXPECT_EQ(0u, dlg.m_progress.GetStyle() & PBS_SMOOTH);

    for (int i = 0; i < 40; ++i) {
        dlg.m_progress.StepIt();
    }
    EXPECT_EQ(40, dlg.m_progress.GetStoredPos());
    dlg.SetPrompt("已完成 40%");
    EXPECT_TRUE(SaveWindowPicture(dlg.m_hWnd, "progress-dialog.png"));
    dlg.DestroyWindow();
}

TEST(KvProgressDlgTest, StepsWhileModalAndCancels)
{
    CTestUi ui;
    int nSeen = 0;
    ui.OnDialog(IDD_KV_PROGRESS, [&nSeen](CTestDlg& dlg) {
        CKvProgressDlg* pDlg = static_cast<CKvProgressDlg*>(dlg.GetDialog());
        for (int i = 0; i < 25; ++i) {
            pDlg->m_progress.StepIt();
        }
        nSeen = pDlg->m_progress.GetStoredPos();
        dlg.Cancel();
    });
    CKvProgressDlg dlg;
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(25, nSeen);
}
