#include <gtest/gtest.h>

#include "KvTestHost.h"
#include "common/KvHyperLink.h"
#include "tests/common/res/kvtest_resource.h"
#include "support/UiDriver.h"

TEST(KvHyperLinkTest, ColourFollowsStateAndStyle)
{
    const COLORREF crLink = RGB(0, 0, 255);
    const COLORREF crActive = RGB(0, 128, 128);
    const COLORREF crVisited = RGB(128, 0, 128);
    const COLORREF crHover = RGB(255, 0, 0);
    struct StateCase
    {
        const char* szName;
        DWORD dwStyle;
        bool bOver;
        bool bActive;
        bool bVisited;
        COLORREF crExpected;
    };
    const StateCase cases[] = {
        {"plain link", 21, false, false, false, crLink},
        {"visited", 21, false, false, true, crVisited},
        {"active", 21, false, true, true, crActive},
        {"over without hover style", 21, true, false, false, crLink},
        {"over with hover style", 21 | KVHL_HOVERCOLOR, true, true, true, crHover},
        {"no active colour: visited", 21 | KVHL_NOACTIVECOLOR, false, true, true, crVisited},
        {"no active colour: link", 21 | KVHL_NOACTIVECOLOR, false, true, false, crLink},
    };
    CKvTestHost host(IDD_KVTEST_CONTROLS);
    ASSERT_TRUE(host.Open());
    host.Show();
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CKvHyperLink link;
        ASSERT_TRUE(link.SubclassDlgItem(IDC_KVTEST_LINK, &host));
        link.SetLinkStyle(c.dwStyle, FALSE);
        link.SetVisited(c.bVisited);
        if (c.bActive) {
            link.SetFocus();
        }
        if (c.bOver) {
            link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        }
        EXPECT_EQ(c.crExpected, link.GetCurrentColor());
        if (c.bOver) {
            link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(-50, -50));
            EXPECT_FALSE(link.IsOver());
        }
        host.SetFocus();
        link.UnsubclassWindow();
    }
}

TEST(KvHyperLinkTest, TargetAndTextFillEachOther)
{
    CKvTestHost host(IDD_KVTEST_CONTROLS);
    ASSERT_TRUE(host.Open());
    CKvHyperLink link;
    ASSERT_TRUE(link.SubclassDlgItem(IDC_KVTEST_LINK, &host));
    EXPECT_EQ(CString("http://vorn.invalid/帮助"), link.GetURL());
    ASSERT_NE(nullptr, link.GetLinkCursor());
    // Sized to its text: narrower than the template's 120 dialog units.
    CRect rc;
    link.GetWindowRect(&rc);
    RECT rcTemplate = {0, 0, 120, 10};
    MapDialogRect(host.m_hWnd, &rcTemplate);
    EXPECT_LT(rc.Width(), rcTemplate.right);
    link.SetVisited(TRUE);
    EXPECT_TRUE(SaveWindowPicture(host.m_hWnd, "hyperlink-visited.png"));

    CKvHyperLink empty;
    ASSERT_TRUE(empty.SubclassDlgItem(IDC_KVTEST_BMPSTATIC, &host, "http://vorn.invalid/a"));
    CString strText;
    empty.GetWindowText(strText);
    EXPECT_EQ(CString("http://vorn.invalid/a"), strText);
    empty.SetURL("http://vorn.invalid/b");
    EXPECT_EQ(CString("http://vorn.invalid/b"), empty.GetURL());
}

TEST(KvHyperLinkTest, ModifyLinkStyleRefusesOverlappingBits)
{
    CKvHyperLink link;
    EXPECT_EQ(21u, link.GetLinkStyle());
    EXPECT_FALSE(link.ModifyLinkStyle(1, 1, TRUE));
    EXPECT_EQ(21u, link.GetLinkStyle());
    EXPECT_TRUE(link.ModifyLinkStyle(KVHL_UNDERLINE, KVHL_DOWNCLICK, FALSE));
    EXPECT_EQ(static_cast<DWORD>(KVHL_AUTOSIZE | KVHL_GETFOCUS | KVHL_DOWNCLICK), link.GetLinkStyle());
    link.SetHoverColor(0xFFFFFFFF);
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), link.GetHoverColor());
}

TEST(KvHyperLinkTest, BrowserCommandQuotesTheTarget)
{
    struct CommandCase
    {
        const char* szName;
        const char* szClassCommand;
        const char* szURL;
        const char* szExpected;
    };
    const CommandCase cases[] = {
        {"quoted %1 cut", "\"C:\\Web\\browse.exe\" -nohome \"%1\"", "http://a/b c",
         "\"C:\\Web\\browse.exe\" -nohome \"http://a/b c\""},
        {"bare %1 cut", "browse.exe %1", "x.htm", "browse.exe \"x.htm\""},
        {"no %1 kept whole", "browse.exe -new", "x.htm", "browse.exe -new \"x.htm\""},
        {"a quote in the target cannot end the argument", "browse.exe %1", "a\" -evil \"b", "browse.exe \"a -evil b\""},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(CString(c.szExpected), CKvHyperLink::BuildBrowserCommand(c.szClassCommand, c.szURL));
    }
}

TEST(KvHyperLinkTest, ErrorTextsByShellCode)
{
    struct ErrorCase
    {
        int nCode;
        const char* szTail;
    };
    const ErrorCase cases[] = {
        {2, "The specified file was not found."},
        {31, "There is no application associated\nwith the given filename extension."},
        {99, "Unknown Error (99) occurred."},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.nCode);
        EXPECT_EQ(CString("Can't open link:\n\n") + c.szTail, CKvHyperLink::ErrorText(c.nCode));
    }
}

TEST(KvHyperLinkTest, ErrorIsReportedInAMessageBox)
{
    CTestUi ui;
    CKvTestHost host(IDD_KVTEST_CONTROLS);
    ASSERT_TRUE(host.Open());
    CKvHyperLink link;
    ASSERT_TRUE(link.SubclassDlgItem(IDC_KVTEST_LINK, &host));
    link.ReportError(99);
    ASSERT_EQ(1u, ui.GetBoxes().size());
    EXPECT_EQ(CString("Can't open link:\n\nUnknown Error (99) occurred."), ui.GetBoxes()[0].strText);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), ui.GetBoxes()[0].nType & MB_ICONMASK);
}
