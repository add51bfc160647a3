#include <gtest/gtest.h>

#include "basedlg/WaitDlg.h"
#include "basedlg/res/resource.h"
#include "support/UiDriver.h"

TEST(WaitDlgTest, ShowsPromptAndIcon)
{
    CWaitDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_WAIT));
    CString strPrompt;
    dlg.GetDlgItemText(IDC_WAIT_PROMPT, strPrompt);
    EXPECT_STREQ("请等待.....", strPrompt);
    dlg.SetPrompt("正在保存卡片...");
    dlg.GetDlgItemText(IDC_WAIT_PROMPT, strPrompt);
    EXPECT_STREQ("正在保存卡片...", strPrompt);
    dlg.SetDefIcon();
    ASSERT_NE(nullptr, dlg.m_hIcon);
    EXPECT_EQ(reinterpret_cast<LRESULT>(dlg.m_hIcon), dlg.m_iconStatic.SendMessage(STM_GETICON));
    // An icon found nowhere keeps the current one.
    dlg.SetWaitIcon(4242);
    EXPECT_EQ(reinterpret_cast<LRESULT>(dlg.m_hIcon), dlg.m_iconStatic.SendMessage(STM_GETICON));
    EXPECT_TRUE(SaveWindowPicture(dlg.m_hWnd, "wait-dialog.png"));
    dlg.SetDefPromp();
    dlg.GetDlgItemText(IDC_WAIT_PROMPT, strPrompt);
    EXPECT_STREQ("请等待.....", strPrompt);
    dlg.DestroyWindow();
}
