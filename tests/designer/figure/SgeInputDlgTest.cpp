// The figure-text editor as the user meets it: its controls and keyword colours, typing, the
// syntax check's verdicts, the preview button, the layout after a resize, OK and Cancel.
#include <gtest/gtest.h>

#include "core/GraphEntity.h"
#include "designer/figure/SgeInputDlg.h"
#include "designer/figure/SgePreviewDlg.h"
#include "designer/res/resource.h"
#include "platform/frame/WinApp.h"
#include "tests/support/UiDriver.h"

namespace
{
// A profile of its own, so sizes saved by one test do not reach another.
class CEditorApp : public CWinApp
{
public:
    CEditorApp() : CWinApp("SgeInputDlgTest")
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornSgeInputTest");
        SetRegistryKey("VornSgeInputTest");
    }
    ~CEditorApp() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornSgeInputTest"); }
};

COLORREF ColourAt(HWND hEdit, int nPos)
{
    CHARRANGE chrg{nPos, nPos + 1};
    ::SendMessageA(hEdit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&chrg));
    CHARFORMATA cf{};
    cf.cbSize = sizeof cf;
    ::SendMessageA(hEdit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return cf.crTextColor;
}

CRect ItemRect(HWND hDlg, int nID)
{
    CRect rc;
    ::GetWindowRect(::GetDlgItem(hDlg, nID), &rc);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<LPPOINT>(&rc), 2);
    return rc;
}
} // namespace

TEST(SgeInputDlgTest, TypedFigureLinesAreColouredAndStoredOnOk)
{
    CEditorApp app;
    CTestUi ui;
    ui.OnDialog(IDD_SGE_INPUT, [](CTestDlg& d) {
        EXPECT_EQ("SGE 输入", d.GetCaption());
        HWND hEdit = d.Item(IDC_SGE_EDIT);
        EXPECT_EQ(0, ::SendMessageA(hEdit, EM_GETMODIFY, 0, 0)) << "the text set is no change";
        EXPECT_EQ(RGB(0, 0, 255), ColourAt(hEdit, static_cast<int>(::SendMessageA(hEdit, EM_LINEINDEX, 1, 0))))
            << "the text set is coloured";

        // Typed at the end, after a new line.
        ::SendMessageA(hEdit, EM_SETSEL, static_cast<WPARAM>(-1), -1);
        ::SendMessageA(hEdit, WM_KEYDOWN, VK_RETURN, 1);
        for (const char* p = "line 0,0,100,100"; *p != '\0'; ++p) {
            ::SendMessageA(hEdit, WM_CHAR, static_cast<unsigned char>(*p), 1);
        }
        const int nLine = static_cast<int>(::SendMessageA(hEdit, EM_LINEINDEX, 2, 0));
        EXPECT_EQ(RGB(0, 0, 255), ColourAt(hEdit, nLine)) << "Line in the keyword colour";
        EXPECT_EQ(RGB(255, 0, 255), ColourAt(hEdit, nLine + 5)) << "a number";
        EXPECT_EQ(RGB(0, 128, 0), ColourAt(hEdit, 0)) << "a comment";
        ::SendMessageA(hEdit, EM_SETSEL, 0, 0);
        EXPECT_TRUE(d.SavePicture("sge-input.png"));
        d.Ok();
    });
    CSgeInputDlg dlg;
    dlg.SetSgeText("' 零件图的外框\r\nrectangle[a] 10,10,200,100,B,RGB(0,0,255),2");
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("' 零件图的外框\r\nRectangle[A] 10,10,200,100,B,RGB(0,0,255),2\r\nLine 0,0,100,100", dlg.GetSgeText());
}

TEST(SgeInputDlgTest, CancelKeepsTheTextAndResizingMovesTheButtons)
{
    CEditorApp app;
    CTestUi ui;
    ui.OnDialog(IDD_SGE_INPUT, [](CTestDlg& d) {
        HWND hDlg = d.GetHwnd();
        struct LayoutCase
        {
            const char* szName;
            int nID;
            int dLeft, dTop, dRight, dBottom;
        };
        const LayoutCase cases[] = {
            {"the edit stretches both ways", IDC_SGE_EDIT, 0, 0, 1, 1},
            {"preview moves right", IDC_SGE_PREVIEW, 1, 0, 1, 0},
            {"check moves right", IDC_SGE_CHECK, 1, 0, 1, 0},
            {"OK moves with the corner", IDOK, 1, 1, 1, 1},
            {"Cancel moves with the corner", IDCANCEL, 1, 1, 1, 1},
        };
        CRect before[5];
        for (size_t k = 0; k < 5; ++k) {
            before[k] = ItemRect(hDlg, cases[k].nID);
        }
        CRect rcWindow;
        ::GetWindowRect(hDlg, &rcWindow);
        ::SetWindowPos(hDlg, nullptr, 0, 0, rcWindow.Width() + 120, rcWindow.Height() + 80,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        for (size_t k = 0; k < 5; ++k) {
            const LayoutCase& c = cases[k];
            SCOPED_TRACE(c.szName);
            EXPECT_EQ(CRect(before[k].left + 120 * c.dLeft, before[k].top + 80 * c.dTop,
                            before[k].right + 120 * c.dRight, before[k].bottom + 80 * c.dBottom),
                      ItemRect(hDlg, c.nID));
        }
        ::SetWindowTextA(d.Item(IDC_SGE_EDIT), "Circle 1,1,1");
        EXPECT_TRUE(d.SavePicture("sge-input-resized.png"));
        d.Cancel();
    });
    CSgeInputDlg dlg;
    dlg.SetSgeText("Line 0,0,1,1");
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_STREQ("Line 0,0,1,1", dlg.GetSgeText());
    EXPECT_NE(-1, static_cast<int>(app.GetProfileInt("13b8", "CX", -1))) << "the size is kept under 13b8";
}

TEST(SgeInputDlgTest, CheckShowsTheLibraryVerdict)
{
    CEditorApp app;
    struct CheckCase
    {
        const char* szName;
        const char* szText;
        const char* szShown;
        UINT nIcon;
        const char* szTitle; // fits the verdict
    };
    const CheckCase cases[] = {
        {"a good line", "Line 0,0,100,100", "语法正确", MB_ICONINFORMATION, "提示"},
        {"comments and blank lines only", "' note\r\n\r\n' more", "语法正确", MB_ICONINFORMATION, "提示"},
        {"a wrong line", "Line 0,0,100",
         "第1行语法错误\n错误原因为：缺少参数(可能是：参数个数不匹配)\n该行内容为：'Line 0,0,100'", MB_ICONSTOP,
         "错误"},
        {"the second line wrong", "Circle 5,5,2\r\nPolygon 0,0,1,1",
         "第2行语法错误\n错误原因为：点的坐标数据不足\n该行内容为：'Polygon 0,0,1,1'", MB_ICONSTOP, "错误"},
    };
    CTestUi ui;
    ui.OnDialog(IDD_SGE_INPUT, [&](CTestDlg& d) {
        for (const CheckCase& c : cases) {
            SCOPED_TRACE(c.szName);
            ::SetWindowTextA(d.Item(IDC_SGE_EDIT), c.szText);
            d.Click(IDC_SGE_CHECK);
            ASSERT_EQ(1u, ui.GetBoxes().size());
            EXPECT_EQ(c.nIcon, ui.GetBoxes()[0].nType & MB_ICONMASK);
            EXPECT_STREQ(c.szTitle, ui.GetBoxes()[0].strCaption);
            const std::vector<CString> boxes = ui.TakeBoxTexts();
            EXPECT_EQ(c.szShown, boxes[0]);
            CString strLibrary;
            if (!CGraphEntity::DoCheckSyntax(c.szText, strLibrary)) {
                EXPECT_EQ(strLibrary, boxes[0]) << "the library's own words";
            }
        }
        d.Cancel();
    });
    CSgeInputDlg dlg;
    dlg.DoModal();
}

TEST(SgeInputDlgTest, PreviewGetsTheEditedText)
{
    CEditorApp app;
    CTestUi ui;
    INT_PTR nFigures = -1;
    ui.OnDialog(IDD_SGE_INPUT, [](CTestDlg& d) {
        ::SetWindowTextA(d.Item(IDC_SGE_EDIT), "Circle 50,50,40,B\r\n' a note\r\nRectangle 10,10,80,80,B");
        d.Click(IDC_SGE_PREVIEW);
        d.Cancel();
    });
    ui.OnDialog(IDD_SGE_PREVIEW, [&](CTestDlg& d) {
        nFigures = static_cast<CSgePreviewDlg*>(d.GetDialog())->m_listSGE.GetCount();
        d.Cancel();
    });
    CSgeInputDlg dlg;
    dlg.DoModal();
    EXPECT_EQ(2, nFigures);
}
