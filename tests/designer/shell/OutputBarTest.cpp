// The output bar on a real frame: its tab window and two read-only panes, their labels, scroll
// styles and fonts, the layout after a resize, and what the panes let the user do.
#include <gtest/gtest.h>

#include <string>

#include "designer/shell/OutputBar.h"
#include "designer/res/resource.h"
#include "framework/FwTabControlBase.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/FrameWnd.h"
#include "platform/gdi/ClientDC.h"
#include "tests/support/TestClipboard.h"
#include "tests/support/UiDriver.h"

namespace
{
class COutputBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->CreateEx(0, nullptr, "设计", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr, nullptr));
        ASSERT_TRUE(m_bar.Create(m_pFrame, "Output Window", WS_VISIBLE | CBRS_BOTTOM, 0, 0xE881));
        m_bar.MoveWindow(0, 0, 520, 180);
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd)) {
            m_pFrame->DestroyWindow();
        }
    }
    static std::string Text(HWND hWnd)
    {
        char sz[256] = {};
        ::GetWindowTextA(hWnd, sz, sizeof sz);
        return sz;
    }

    CFrameWnd* m_pFrame = nullptr;
    COutputBar m_bar;
};
} // namespace

TEST_F(COutputBarTest, TwoReadOnlyPanesOnTabsWithTheirFonts)
{
    HWND hTabs = ::GetDlgItem(m_bar.m_hWnd, FX_IDW_PANE_FIRST);
    ASSERT_EQ(m_bar.m_wndTabs.m_hWnd, hTabs);

    struct PaneCase
    {
        const char* szName;
        int nID;
        const char* szLabel;
        CEdit* pEdit;
    };
    const PaneCase panes[] = {
        {"tips", IDC_OUTPUT_TIPS, "提示信息", &m_bar.m_editTips},
        {"errors", IDC_OUTPUT_ERRORS, "出错信息", &m_bar.m_editErrors},
    };
    FwTabControlBase* pTabs = m_bar.m_wndTabs.GetTabControl();
    ASSERT_NE(nullptr, pTabs);
    ASSERT_EQ(2, pTabs->GetTabCount());
    EXPECT_EQ(0, pTabs->GetActiveIndex());
    EXPECT_EQ(&m_bar.m_editTips, m_bar.m_wndTabs.GetActiveWnd());

    CClientDC dc(m_bar.m_hWnd);
    const int nHeight = -::MulDiv(9, dc.GetDeviceCaps(LOGPIXELSY), 72);
    for (int i = 0; i < 2; ++i) {
        const PaneCase& c = panes[i];
        SCOPED_TRACE(c.szName);
        HWND hPane = ::GetDlgItem(hTabs, c.nID);
        ASSERT_EQ(c.pEdit->m_hWnd, hPane);
        const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongA(hPane, GWL_STYLE));
        const DWORD dwPane = WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | ES_WANTRETURN;
        EXPECT_EQ(dwPane, dwStyle & (dwPane | WS_HSCROLL | WS_VSCROLL | WS_POPUP));
        EXPECT_EQ(i == 0, (dwStyle & WS_VISIBLE) != 0) << "only the active pane shows";

        CString strLabel;
        BOOL bSelected = FALSE;
        CWnd* pWnd = nullptr;
        DWORD dw1 = 0;
        DWORD dw2 = 0;
        ASSERT_TRUE(pTabs->GetTabInfo(i, strLabel, bSelected, pWnd, dw1, dw2));
        EXPECT_EQ(c.szLabel, strLabel);
        EXPECT_EQ(c.pEdit, pWnd);
        EXPECT_EQ(static_cast<DWORD>(WS_VSCROLL | WS_HSCROLL), m_bar.m_wndTabs.GetTabScrollStyle(i));

        LOGFONTA lf{};
        ASSERT_NE(0, ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(hPane, WM_GETFONT, 0, 0)), sizeof lf, &lf));
        EXPECT_STREQ("宋体", lf.lfFaceName);
        EXPECT_EQ(nHeight, lf.lfHeight);
        EXPECT_EQ(GB2312_CHARSET, lf.lfCharSet);
        EXPECT_EQ(OUT_STROKE_PRECIS, lf.lfOutPrecision);
        EXPECT_EQ(CLIP_STROKE_PRECIS, lf.lfClipPrecision);
        EXPECT_EQ(DRAFT_QUALITY, lf.lfQuality);
        EXPECT_EQ(0x32, lf.lfPitchAndFamily);
    }
    for (CFont* pFont : {m_bar.m_wndTabs.GetActiveTabFont(), m_bar.m_wndTabs.GetSelectedTabFont(),
                         m_bar.m_wndTabs.GetInactiveTabFont()}) {
        LOGFONTA lf{};
        ASSERT_NE(nullptr, pFont);
        ASSERT_NE(0, pFont->GetLogFont(&lf));
        EXPECT_STREQ("宋体", lf.lfFaceName);
        EXPECT_EQ(nHeight, lf.lfHeight);
    }
}

TEST_F(COutputBarTest, TabWindowFillsTheInsideAndPanesOnlyLetTextBeCopied)
{
    for (const SIZE size : {SIZE{520, 180}, SIZE{400, 240}}) {
        m_bar.MoveWindow(0, 0, size.cx, size.cy);
        CRect rcTabs;
        m_bar.m_wndTabs.GetWindowRect(&rcTabs);
        ::MapWindowPoints(nullptr, m_bar.m_hWnd, reinterpret_cast<LPPOINT>(&rcTabs), 2);
        CRect rcInside;
        m_bar.GetInsideRect(rcInside);
        EXPECT_EQ(rcInside, rcTabs);
        EXPECT_GT(rcTabs.Width(), size.cx / 2);
    }

    HWND hTips = m_bar.m_editTips.m_hWnd;
    ::SetWindowTextA(hTips, "模板已保存\r\nTemplate saved");
    ::SendMessageA(hTips, WM_CHAR, 'x', 1);
    EXPECT_EQ("模板已保存\r\nTemplate saved", Text(hTips)) << "typing does nothing";
    ::SendMessageA(hTips, EM_SETSEL, 0, ::SendMessageA(hTips, EM_LINELENGTH, 0, 0));
    ::SendMessageA(hTips, WM_COPY, 0, 0);
    std::string strClip;
    ASSERT_TRUE(TestReadClipboardText(strClip));
    EXPECT_EQ("模板已保存", strClip);

    ::SetWindowTextA(m_bar.m_editErrors.m_hWnd, "第1行语法错误");
    m_bar.MoveWindow(0, 0, 520, 180);
    // The bar shows on screen only inside its shown frame.
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    EXPECT_TRUE(SaveWindowPicture(m_bar.m_hWnd, "output-bar-tips.png"));
    m_bar.m_wndTabs.ActivateTab(1);
    EXPECT_TRUE(SaveWindowPicture(m_bar.m_hWnd, "output-bar-errors.png"));
}
