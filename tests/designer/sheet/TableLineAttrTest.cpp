// The table-line properties dialog, opened by its command and by a double click on the selected
// line: width 0 to 20 and a colour from the colour button, written to the line on OK only.
#include <gtest/gtest.h>

#include <windows.h>

#include "core/CappLine.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/res/resource.h"
#include "tests/designer/sheet/TableLineTestSheet.h"
#include "tests/support/UiDriver.h"

TEST_F(CTableLineToolTest, PropertiesDialogSetsWidthAndColourOnOkOnly)
{
    using namespace line_sheet;
    struct AttrCase
    {
        const char* szName;
        BOOL bDoubleClick; // else the command
        const char* pszWidth;
        COLORREF crChosen;
        BOOL bOk;   // else Cancel
        int nBoxes; // refusals shown
        int nWidthAfter;
        COLORREF crAfter;
    };
    const COLORREF crBlue = RGB(0, 0, 255);
    const AttrCase cases[] = {
        {"width 5 in blue", FALSE, "5", crBlue, TRUE, 0, 5, crBlue},
        {"width 0 is accepted", FALSE, "0", crBlue, TRUE, 0, 0, crBlue},
        {"width 20 by a double click", TRUE, "20", RGB(0, 128, 0), TRUE, 0, 20, RGB(0, 128, 0)},
        {"width 21 is refused and the dialog stays", FALSE, "21", crBlue, TRUE, 1, 2, 0},
        {"cancel changes nothing", FALSE, "7", crBlue, FALSE, 0, 2, 0},
    };
    for (const AttrCase& c : cases) {
        SCOPED_TRACE(c.szName);
        ResetTool();
        CCappLine* pLine = Line(keyV3);
        pLine->m_nWidth = 2;
        pLine->m_crColor = 0;
        EXPECT_FALSE(Update(ID_SHEET_LINE_PROPERTIES).m_bEnabled);
        SelectByMouse(keyV3);
        ASSERT_EQ(pLine, m_pView->m_pHighlightLine);
        EXPECT_TRUE(Update(ID_SHEET_LINE_PROPERTIES).m_bEnabled);
        m_pView->SetSaveState(CCappSheetDefView::saveStateSaved);
        const int nUndoIndex = m_pSheet->m_DefUndo.GetCurIndex();

        CTestUi ui;
        ui.OnDialog(IDD_LINE_ATTR, [&](CTestDlg& d) {
            EXPECT_EQ(CString("表格线属性"), d.GetCaption());
            EXPECT_EQ(CString("2"), d.GetText(IDC_LINE_ATTR_WIDTH));
            if (c.nWidthAfter == 5) {
                EXPECT_TRUE(d.SavePicture("line-attr-dialog.png"));
            }
            d.SetText(IDC_LINE_ATTR_WIDTH, c.pszWidth);
            ::SendMessageA(d.GetHwnd(), 0x52D, IDC_LINE_ATTR_COLOR, static_cast<LPARAM>(c.crChosen));
            if (!c.bOk) {
                d.Cancel();
                return;
            }
            d.Ok();
            if (c.nBoxes > 0) {
                EXPECT_TRUE(::IsWindow(d.GetHwnd())) << "the dialog stays open";
                d.Cancel();
            }
        });
        if (c.bDoubleClick) {
            const CPoint pt = LineDefOf(keyV3).ptPick;
            Send(WM_LBUTTONDBLCLK, MK_LBUTTON, pt.x, pt.y);
        } else {
            Command(ID_SHEET_LINE_PROPERTIES);
        }
        EXPECT_EQ(1, ui.GetDialogsOpened());
        EXPECT_EQ(static_cast<size_t>(c.nBoxes), ui.GetBoxes().size());
        EXPECT_EQ(c.nWidthAfter, pLine->m_nWidth);
        EXPECT_EQ(c.crAfter, pLine->m_crColor);
        const BOOL bChanged = c.bOk && c.nBoxes == 0;
        EXPECT_EQ(bChanged ? CCappSheetDefView::saveStateChanged : CCappSheetDefView::saveStateSaved,
                  m_pView->GetSaveState());
        // The pen of a line is kept out of the line history.
        EXPECT_EQ(nUndoIndex, m_pSheet->m_DefUndo.GetCurIndex());
    }
}
