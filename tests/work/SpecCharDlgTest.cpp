// The special-character editor: a larger special edit for the selected cell's text that follows
// the dialog's size.
#include <gtest/gtest.h>

#include "core/CardObj.h"
#include "symedit/GlyphworkEdit.h"
#include "tests/support/UiDriver.h"
#include "tests/work/CardViewTestHost.h"
#include "platform/base/FxResourceSwitch.h"
#include "work/SpecCharDlg.h"
#include "work/res/resource.h"

namespace
{
CString EditText(CCappBaseCtrl* pEdit)
{
    CString strText;
    if (pEdit != nullptr) {
        pEdit->GetData(strText);
    }
    return strText;
}

CRect EditRect(CSpecCharDlg& dlg)
{
    CRect rc;
    if (dlg.GetEditCtrl() != nullptr) {
        dlg.GetEditCtrl()->GetWindowRect(&rc);
    }
    return rc;
}

CSize WindowSize(HWND hWnd)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    return CSize(rc.right - rc.left, rc.bottom - rc.top);
}

void Resize(HWND hWnd, int cx, int cy)
{
    SetWindowPos(hWnd, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
}
} // namespace

TEST(SpecCharDlgTest, TheCellsTextIsEditedAndComesBackOnOk)
{
    struct Case
    {
        const char* szName;
        bool bOk;
        const char* szEditor; // the cell editor's text afterwards
    };
    const Case cases[] = {
        {"OK takes the text", true, "oldXY"},
        {"Cancel leaves it", false, "old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        CCardViewTestHost host;
        ASSERT_TRUE(host.Open());
        CCappCardView& view = *host.m_pView;
        CString strOld = "old";
        host.Card().m_CardData.m_HFData.SetVarData("零件名称", strOld);
        CCappCell* pCell = host.FindCell("零件名称");
        ASSERT_NE(nullptr, pCell);
        const CRect rc = view.GetCurSheet()->GetCellRect(pCell);
        CPoint pt((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        view.LpToDp(pt);
        view.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        ASSERT_NE(nullptr, view.m_cellEditor.m_pEditCtrl);

        ui.OnDialog(IDD_SPECCHAR, [&](CTestDlg& t) {
            auto& dlg = *static_cast<CSpecCharDlg*>(t.GetDialog());
            EXPECT_STREQ("特殊字符编辑器", t.GetCaption());
            ASSERT_NE(nullptr, dlg.GetEditCtrl());
            EXPECT_STREQ("old", EditText(dlg.GetEditCtrl()));
            for (int i = 0; i < CSpecCharDlg::buttonCount; ++i) {
                EXPECT_NE(nullptr, t.Item(CSpecCharDlg::idFirstButton + i));
            }
            // Typed text survives a resize, which makes the edit again; the edit widens too.
            dlg.GetEditCtrl()->SendMessage(WM_KEYDOWN, VK_END, 1);
            dlg.GetEditCtrl()->SendMessage(WM_CHAR, 'X', 1);
            dlg.GetEditCtrl()->SendMessage(WM_CHAR, 'Y', 1);
            const CSize size = WindowSize(t.GetHwnd());
            const CRect rcBefore = EditRect(dlg);
            Resize(t.GetHwnd(), size.cx + 60, size.cy + 40);
            const CRect rcAfter = EditRect(dlg);
            EXPECT_EQ(CSize(size.cx + 60, size.cy + 40), WindowSize(t.GetHwnd()));
            EXPECT_EQ(rcBefore.Width() + 60, rcAfter.Width());
            EXPECT_EQ(rcBefore.Height() + 40, rcAfter.Height());
            EXPECT_STREQ("oldXY", EditText(dlg.GetEditCtrl()));
            // Never smaller than it opened.
            Resize(t.GetHwnd(), size.cx - 80, size.cy - 50);
            EXPECT_EQ(size, WindowSize(t.GetHwnd()));
            if (c.bOk) {
                t.SavePicture("special-character-editor.png");
                t.Ok();
            } else {
                t.Cancel();
            }
        });
        EXPECT_EQ(0, view.SendMessage(CCappCardView::msgUserEditDlg, 0, 0));
        EXPECT_EQ(1, ui.GetDialogsOpened());
        EXPECT_STREQ(c.szEditor, EditText(view.m_cellEditor.m_pEditCtrl));
    }
}

TEST(SpecCharDlgTest, AutoSizeWidensForTheCellAndThenOnlyGrowsTaller)
{
    CTestUi ui;
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CSize sizePlain;
    ui.OnDialog(IDD_SPECCHAR, [&](CTestDlg& t) {
        sizePlain = WindowSize(t.GetHwnd());
        t.Cancel();
    });
    {
        CSpecCharDlg dlg(host.m_pView);
        CFxResourceSwitch resources("VornWork.dll");
        dlg.DoModal();
    }
    ui.OnDialog(IDD_SPECCHAR, [&](CTestDlg& t) {
        auto& dlg = *static_cast<CSpecCharDlg*>(t.GetDialog());
        CRect rcArea;
        GetWindowRect(t.Item(IDC_SPECCHAR_AREA), &rcArea);
        const int nExtra = dlg.m_nCellWidth - rcArea.Width() + 16;
        const CSize size = WindowSize(t.GetHwnd());
        EXPECT_EQ(sizePlain.cx + nExtra, size.cx) << "widened by the cell's extra width";
        EXPECT_EQ(rcArea.Width() + nExtra, EditRect(dlg).Width());
        Resize(t.GetHwnd(), size.cx + 50, size.cy + 30);
        EXPECT_EQ(CSize(size.cx, size.cy + 30), WindowSize(t.GetHwnd()));
        t.Cancel();
    });
    CSpecCharDlg dlg(host.m_pView);
    dlg.m_bAutoSize = 1;
    dlg.m_nCellWidth = 700;
    dlg.m_strText = "abc";
    CFxResourceSwitch resources("VornWork.dll");
    dlg.DoModal();
    EXPECT_STREQ("abc", dlg.m_strText);
}
