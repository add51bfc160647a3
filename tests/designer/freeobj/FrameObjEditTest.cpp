// The frame of a graphic variable is edited in the free-object sheet without its text page; the
// change is written into the template's own object, so it stays when the outer dialog is cancelled.
#include <gtest/gtest.h>

#include "core/CappFreeRect.h"
#include "designer/freeobj/FreeObjSh.h"
#include "designer/freeobj/ImageVarFieldDlg.h"
#include "designer/res/resource.h"
#include "tests/designer/sheet/CellToolTestFixture.h"
#include "tests/support/UiDriver.h"

TEST(FrameObjEditTest, TheFrameButtonEditsTheFrameWithoutItsText)
{
    const struct
    {
        const char* szName;
        int nFrameAnswer;  // the inner sheet's button
        int nDialogAnswer; // the image-variable dialog's button
        int nWidthAfter;
    } cases[] = {
        {"frame OK, dialog OK", IDOK, IDOK, 7},
        {"frame OK, dialog cancelled", IDOK, IDCANCEL, 7},
        {"frame cancelled", IDCANCEL, IDOK, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappFreeRect frame;
        frame.m_nLineWidth = 2;
        frame.m_strText = "Image [x]";
        CImageVarFieldDlg dlg(nullptr);
        dlg.m_pFrameObj = &frame;
        CTestUi ui;
        CTestSheets sheets;
        int nPages = -1;
        bool bTextShown = true;
        sheets.OnSheet([&](CPropertySheet& sh) {
            nPages = sh.GetPageCount();
            CTestDlg base = CTestSheets::Page(sh, 0);
            bTextShown = base.IsVisible(IDC_FREEOBJ_TEXT) != FALSE;
            base.SetText(IDC_FREEOBJ_WIDTH, "7");
            CTestSheets::Press(sh, c.nFrameAnswer);
        });
        ui.OnDialog(IDD_IMAGE_VAR, [&](CTestDlg& d) {
            d.Click(IDC_IMAGE_VAR_FRAME);
            if (c.nDialogAnswer == IDOK) {
                d.Ok();
            } else {
                d.Cancel();
            }
        });
        dlg.DoModal();
        EXPECT_EQ(1, nPages) << "the base page only";
        EXPECT_FALSE(bTextShown) << "the cell gives the frame its text";
        EXPECT_EQ(c.nWidthAfter, frame.m_nLineWidth);
        EXPECT_EQ(1, sheets.GetSheetsOpened());
    }
}
