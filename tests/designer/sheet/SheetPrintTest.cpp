// The sheet window prints its template on the template's own paper, turned as the template is
// drawn: the bundled process card is A4 landscape, the test printer's settings A4 portrait.
#include "tests/designer/sheet/SheetViewFixture.h"

#include <string>

#include "platform/doc/PreviewView.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/FrameWnd.h"
#include "platform/res/resource.h"
#include "tests/support/PngFile.h"
#include "tests/support/PrintTestPrinter.h"
#include "tests/support/SysDlgDriver.h"

namespace
{
short AppOrientation(const CWinApp& app)
{
    return DevModeOrientation(app.m_hDevMode);
}

class CSheetPrintTest : public CSheetViewFixture
{
protected:
    void SetUp() override
    {
        CString strError;
        ASSERT_TRUE(EnsureTestPrinter(strError)) << static_cast<LPCSTR>(strError);
        CSheetViewFixture::SetUp();
        ASSERT_TRUE(SelectTestPrinter(&m_app));
        ASSERT_EQ(DMORIENT_PORTRAIT, AppOrientation(m_app));
    }
};
} // namespace

TEST_F(CSheetPrintTest, PrintsTheTemplateInItsOwnOrientation)
{
    ASSERT_GT(m_pSheet->m_nPageWidth, m_pSheet->m_nPageHeight);
    const struct
    {
        const char* pszName;
        UINT nCommand;
        BOOL bPrintDialog;
    } cases[] = {
        {"printed directly", ID_FILE_PRINT_DIRECT, FALSE},
        {"through the print dialog, accepted as offered", ID_FILE_PRINT, TRUE},
    };
    int nJob = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CString strName;
        strName.Format("job%d.ps", ++nJob);
        const CString strPs = m_temp.PathOf(strName);
        {
            CTestSysDialogs dialogs;
            if (c.bPrintDialog) {
                dialogs.OnDialog([](CTestSysDlg& d) { d.Ok(); });
            }
            dialogs.OnDialog(AnswerPrintToFile(strPs));
            Command(c.nCommand);
            Idle();
        }
        EXPECT_EQ(std::vector<std::string>{"Landscape"}, PostScriptPageOrientations(ReadWholeFile(strPs)));
        if (nJob == 1) {
            // Direct printing leaves the application's printer settings as they were.
            EXPECT_EQ(DMORIENT_PORTRAIT, AppOrientation(m_app));
            const std::string strKept = TestImagePath("designer-print-landscape.ps");
            ::CopyFileA(strPs, strKept.c_str(), FALSE);
        }
    }
}

TEST_F(CSheetPrintTest, PreviewShowsTheTemplatesOrientation)
{
    Command(ID_FILE_PRINT_PREVIEW);
    Idle();
    auto* pPreview = dynamic_cast<CPreviewView*>(m_pChild->GetActiveView());
    ASSERT_NE(nullptr, pPreview);
    CDC* pPrinterDC = pPreview->GetPrinterDC();
    ASSERT_NE(nullptr, pPrinterDC);
    EXPECT_GT(pPrinterDC->GetDeviceCaps(HORZRES), pPrinterDC->GetDeviceCaps(VERTRES));
    EXPECT_TRUE(SaveWindowPicture(m_pMain->m_hWnd, "designer-preview-landscape.png"));
    pPreview->SendMessage(WM_COMMAND, FX_ID_PREVIEW_CLOSE);
    Idle();
    EXPECT_EQ(m_pView, m_pChild->GetActiveView());
}
