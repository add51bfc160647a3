// Print preview driven as a user drives it: opened from the view's command, two pages, next and
// previous page by button, key and scroll bar, zoom by button and click, closed; the frame gets
// its bars and view back. The pages it shows are the printer's pages recorded in metafiles.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/doc/Document.h"
#include "platform/doc/PreviewView.h"
#include "platform/frame/FrameIds.h"
#include "platform/gdi/DC.h"
#include "platform/print/PreviewBar.h"
#include "platform/print/FxResource.h"
#include "platform/print/PrintInfo.h"
#include "platform/print/PrintPreviewState.h"
#include "platform/res/resource.h"
#include "tests/support/MessagePump.h"
#include "tests/support/PrintTestPrinter.h"
#include "tests/platform/PrintTestView.h"
#include "tests/support/UiDriver.h"

namespace
{
std::string ButtonText(HWND hBar, UINT nID)
{
    char sz[64] = {};
    ::GetDlgItemTextA(hBar, static_cast<int>(nID), sz, sizeof(sz));
    return sz;
}

// A preview whose closing hook is its own.
class CHookPreview : public CPreviewView
{
    FX_DECLARE_DYNCREATE(CHookPreview)

public:
    static int s_nCloses;
    void OnPreviewClose() override
    {
        ++s_nCloses;
        CPreviewView::OnPreviewClose();
    }
};
int CHookPreview::s_nCloses = 0;
FX_IMPLEMENT_DYNCREATE(CHookPreview, CPreviewView)

// A document that keeps its frame open and counts how often it was asked.
class CKeepOpenDoc : public CDocument
{
public:
    int m_nAsked = 0;
    BOOL CanCloseFrame(CFrameWnd*) override
    {
        ++m_nAsked;
        return FALSE;
    }
};

class PreviewTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CString strError;
        ASSERT_TRUE(EnsureTestPrinter(strError)) << static_cast<LPCSTR>(strError);
        ASSERT_TRUE(m_app.Start("预览测试文档"));
        ASSERT_TRUE(SelectTestPrinter(&m_app));
        // A bar of the frame's own, which the preview must put aside and give back.
        ASSERT_TRUE(m_bar.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, m_app.m_pFrame->m_hWnd,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(0xE81B))));
        m_app.m_pFrame->MoveWindow(0, 0, 800, 600);
        m_pView = m_app.m_pView;
    }

    CPreviewView* Preview() const
    {
        CView* pView = m_app.m_pFrame->GetActiveView();
        return pView != nullptr && pView->IsKindOf(FX_RUNTIME_CLASS(CPreviewView)) ? static_cast<CPreviewView*>(pView)
                                                                                   : nullptr;
    }
    HWND BarHwnd() const { return ::GetDlgItem(m_app.m_pFrame->m_hWnd, FX_IDW_PREVIEW_BAR); }

    CPrintTestApp m_app;
    CWnd m_bar;
    CPagesView* m_pView = nullptr;
};

TEST_F(PreviewTest, OpenTwoPagesNavigateZoomAndCloseGivesTheFrameBack)
{
    CTestUi ui;
    m_app.m_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    CPreviewView* pPreview = Preview();
    ASSERT_NE(nullptr, pPreview);
    EXPECT_EQ("prepare;begin;", m_pView->m_strLog.substr(0, 14));
    EXPECT_TRUE(pPreview->GetPrintInfo()->m_bPreview);
    // The frame's view and bar are put aside; the preview and its bar take their place.
    EXPECT_FALSE(m_pView->IsWindowVisible());
    EXPECT_EQ(FX_IDW_PANE_SAVE, m_pView->GetDlgCtrlID());
    EXPECT_FALSE(m_bar.IsWindowVisible());
    EXPECT_EQ(FX_IDW_PANE_FIRST, pPreview->GetDlgCtrlID());
    HWND hBar = BarHwnd();
    ASSERT_NE(nullptr, hBar);
    EXPECT_TRUE(::IsWindowVisible(hBar));
    EXPECT_EQ(1u, pPreview->GetCurrentPage());
    EXPECT_EQ(1u, pPreview->GetPageCount());
    // The page keeps the printer's proportions.
    const CRect rcPage = pPreview->GetPageRect(0);
    const CSize sizePrinter(pPreview->GetPrinterDC()->GetDeviceCaps(HORZRES),
                            pPreview->GetPrinterDC()->GetDeviceCaps(VERTRES));
    EXPECT_NEAR(static_cast<double>(sizePrinter.cx) / sizePrinter.cy,
                static_cast<double>(rcPage.Width()) / rcPage.Height(), 0.01);
    SaveWindowPicture(m_app.m_pFrame->m_hWnd, "preview-one-page.png");

    pPreview->SendMessage(WM_COMMAND, FX_ID_PREVIEW_NUMPAGE);
    EXPECT_EQ(2u, pPreview->GetPageCount());
    const CString strOnePage = FxLoadFxString(FX_IDS_ONEPAGE);
    EXPECT_EQ(static_cast<LPCSTR>(strOnePage), ButtonText(hBar, FX_ID_PREVIEW_NUMPAGE));
    EXPECT_LT(pPreview->GetPageRect(0).right, pPreview->GetPageRect(1).left);
    SaveWindowPicture(m_app.m_pFrame->m_hWnd, "preview-two-pages.png");

    struct Step
    {
        const char* szName;
        UINT nMessage; // WM_COMMAND, WM_KEYDOWN or WM_VSCROLL
        WPARAM wParam;
        UINT nPage;
        BOOL bNextEnabled;
        BOOL bPrevEnabled;
    };
    const Step steps[] = {
        {"next page button", WM_COMMAND, FX_ID_PREVIEW_NEXT, 2, FALSE, TRUE},
        {"next at the end stays", WM_COMMAND, FX_ID_PREVIEW_NEXT, 2, FALSE, TRUE},
        {"page up key", WM_KEYDOWN, VK_PRIOR, 1, TRUE, FALSE},
        {"previous at the start stays", WM_COMMAND, FX_ID_PREVIEW_PREV, 1, TRUE, FALSE},
        {"scroll bar line down", WM_VSCROLL, SB_LINEDOWN, 2, FALSE, TRUE},
        {"home key", WM_KEYDOWN, VK_HOME, 1, TRUE, FALSE},
        {"end key shows the last two", WM_KEYDOWN, VK_END, 2, FALSE, TRUE},
        {"scroll bar top", WM_VSCROLL, SB_TOP, 1, TRUE, FALSE},
        {"page down key", WM_KEYDOWN, VK_NEXT, 2, FALSE, TRUE},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.szName);
        pPreview->SendMessage(step.nMessage, step.wParam);
        EXPECT_EQ(step.nPage, pPreview->GetCurrentPage());
        EXPECT_EQ(step.bNextEnabled, ::IsWindowEnabled(::GetDlgItem(hBar, FX_ID_PREVIEW_NEXT)));
        EXPECT_EQ(step.bPrevEnabled, ::IsWindowEnabled(::GetDlgItem(hBar, FX_ID_PREVIEW_PREV)));
    }
    SaveWindowPicture(m_app.m_pFrame->m_hWnd, "preview-two-pages-2-3.png");

    // Zoom: the buttons step it, a click steps it about the point and wraps to whole pages.
    pPreview->SendMessage(WM_COMMAND, FX_ID_PREVIEW_ZOOMIN);
    EXPECT_EQ(1, pPreview->GetZoomState());
    EXPECT_EQ(1u, pPreview->GetPageCount());
    EXPECT_GT(pPreview->GetPageRect(0).Height(), rcPage.Height());
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hBar, FX_ID_PREVIEW_ZOOMOUT)));
    SaveWindowPicture(m_app.m_pFrame->m_hWnd, "preview-zoomed.png");
    pPreview->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 200));
    EXPECT_EQ(2, pPreview->GetZoomState());
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hBar, FX_ID_PREVIEW_ZOOMIN)));
    pPreview->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 200));
    EXPECT_EQ(0, pPreview->GetZoomState());
    EXPECT_EQ(2u, pPreview->GetPageCount());

    m_pView->m_strLog.clear();
    pPreview->SendMessage(WM_COMMAND, FX_ID_PREVIEW_CLOSE);
    PumpTestMessages();
    EXPECT_EQ("end;", m_pView->m_strLog);
    EXPECT_EQ(m_pView, m_app.m_pFrame->GetActiveView());
    EXPECT_TRUE(m_pView->IsWindowVisible());
    EXPECT_EQ(FX_IDW_PANE_FIRST, m_pView->GetDlgCtrlID());
    EXPECT_TRUE(m_bar.IsWindowVisible());
    EXPECT_EQ(nullptr, BarHwnd());
    CRect rcView;
    m_pView->GetClientRect(&rcView);
    EXPECT_GT(rcView.Width(), 0);
    EXPECT_TRUE(ui.GetBoxes().empty());
}

// One page as recorded: the mapping its OnPrepareDC set and the text it printed.
struct PageRecord
{
    std::vector<POINT> windowOrgs;
    std::vector<SIZE> windowExts;
    std::vector<SIZE> viewportExts;
    std::wstring text;
};

PageRecord ReadPage(HENHMETAFILE hEmf)
{
    PageRecord page;
    const UINT nBytes = ::GetEnhMetaFileBits(hEmf, 0, nullptr);
    std::vector<BYTE> bits(nBytes);
    ::GetEnhMetaFileBits(hEmf, nBytes, bits.data());
    for (size_t nAt = 0; nAt + sizeof(EMR) <= bits.size();) {
        const EMR* pRecord = reinterpret_cast<const EMR*>(&bits[nAt]);
        if (pRecord->nSize == 0) {
            break;
        }
        switch (pRecord->iType) {
        case EMR_SETWINDOWORGEX: {
            const POINTL& pt = reinterpret_cast<const EMRSETWINDOWORGEX*>(pRecord)->ptlOrigin;
            page.windowOrgs.push_back(POINT{pt.x, pt.y});
        } break;
        case EMR_SETWINDOWEXTEX:
            page.windowExts.push_back(reinterpret_cast<const EMRSETWINDOWEXTEX*>(pRecord)->szlExtent);
            break;
        case EMR_SETVIEWPORTEXTEX:
            page.viewportExts.push_back(reinterpret_cast<const EMRSETVIEWPORTEXTEX*>(pRecord)->szlExtent);
            break;
        case EMR_EXTTEXTOUTW: {
            const EMREXTTEXTOUTW* pText = reinterpret_cast<const EMREXTTEXTOUTW*>(pRecord);
            const wchar_t* psz = reinterpret_cast<const wchar_t*>(&bits[nAt] + pText->emrtext.offString);
            page.text.append(psz, pText->emrtext.nChars);
            break;
        }
        default:
            break;
        }
        nAt += pRecord->nSize;
    }
    return page;
}

TEST_F(PreviewTest, EachPageIsRecordedWithItsOwnMappingAtThePrintersResolution)
{
    m_app.m_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    CPreviewView* pPreview = Preview();
    ASSERT_NE(nullptr, pPreview);
    const int cxPrinter = pPreview->GetPrinterDC()->GetDeviceCaps(HORZRES);
    const int cyPrinter = pPreview->GetPrinterDC()->GetDeviceCaps(VERTRES);
    const std::wstring pageTexts[] = {L"第 1 页", L"第 2 页", L"第 3 页"};
    for (UINT nPage = 1; nPage <= 3; ++nPage) {
        SCOPED_TRACE(nPage);
        HENHMETAFILE hEmf = pPreview->RenderPage(nPage);
        ASSERT_NE(nullptr, hEmf);
        const PageRecord page = ReadPage(hEmf);
        ::DeleteEnhMetaFile(hEmf);
        ASSERT_FALSE(page.windowOrgs.empty());
        EXPECT_EQ(-static_cast<int>(nPage) * CPagesView::kOrgStep, page.windowOrgs.back().x);
        ASSERT_FALSE(page.windowExts.empty());
        EXPECT_EQ(CPagesView::kPageWidth, page.windowExts.back().cx);
        EXPECT_EQ(CPagesView::kPageHeight, page.windowExts.back().cy);
        ASSERT_FALSE(page.viewportExts.empty());
        EXPECT_EQ(cxPrinter, page.viewportExts.back().cx);
        EXPECT_EQ(cyPrinter, page.viewportExts.back().cy);
        EXPECT_EQ(pageTexts[nPage - 1], page.text);
    }
    EXPECT_EQ(nullptr, pPreview->RenderPage(4));
    pPreview->SendMessage(WM_COMMAND, FX_ID_PREVIEW_CLOSE);
    PumpTestMessages();
}

TEST_F(PreviewTest, ADerivedPreviewsClosingHookRunsAndEscapeCloses)
{
    CHookPreview::s_nCloses = 0;
    ASSERT_TRUE(m_pView->DoPrintPreview(m_pView, FX_RUNTIME_CLASS(CHookPreview), new CPrintPreviewState));
    CPreviewView* pPreview = Preview();
    ASSERT_NE(nullptr, pPreview);
    EXPECT_TRUE(pPreview->IsKindOf(FX_RUNTIME_CLASS(CHookPreview)));
    pPreview->SendMessage(WM_KEYDOWN, VK_ESCAPE);
    PumpTestMessages();
    EXPECT_EQ(1, CHookPreview::s_nCloses);
    EXPECT_EQ(m_pView, m_app.m_pFrame->GetActiveView());
    EXPECT_TRUE(m_bar.IsWindowVisible());
}

TEST_F(PreviewTest, PrintLeavesThePreviewAndThenAsksTheFrameToPrint)
{
    m_app.m_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    CPreviewView* pPreview = Preview();
    ASSERT_NE(nullptr, pPreview);
    m_pView->m_strLog.clear();
    pPreview->SendMessage(WM_COMMAND, FX_ID_PREVIEW_PRINT);
    EXPECT_EQ("end;", m_pView->m_strLog);
    EXPECT_EQ(m_pView, m_app.m_pFrame->GetActiveView());
    // The print command waits in the queue for the frame (taken here: its dialog is the system's).
    MSG msg = {};
    ASSERT_TRUE(::PeekMessageA(&msg, m_app.m_pFrame->m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(static_cast<WPARAM>(ID_FILE_PRINT), msg.wParam);
    PumpTestMessages();
}

TEST_F(PreviewTest, APreviewThatCannotStartSaysSoAndLeavesTheFrameAsItWas)
{
    CTestUi ui;
    // OnPreparePrinting refusing (as a cancelled dialog does) stops the preview before it shows.
    m_pView->m_bRefusePrinting = TRUE;
    m_app.m_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    const CString strExpected = FxLoadFxString(FX_IDS_COMMAND_FAILED);
    ASSERT_EQ(1u, ui.GetBoxes().size());
    EXPECT_EQ(strExpected, ui.GetBoxes()[0].strText);
    EXPECT_EQ(m_pView, m_app.m_pFrame->GetActiveView());
    EXPECT_TRUE(m_pView->IsWindowVisible());
    EXPECT_TRUE(m_bar.IsWindowVisible());
    EXPECT_EQ(nullptr, BarHwnd());
}
TEST_F(PreviewTest, ClosingTheFrameInPreviewLeavesThePreviewAndAsksTheDocument)
{
    CKeepOpenDoc doc;
    doc.AddView(m_pView);
    m_app.m_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(nullptr, Preview());
    m_app.m_pFrame->SendMessage(WM_CLOSE);
    PumpTestMessages();
    EXPECT_EQ(1, doc.m_nAsked);
    EXPECT_TRUE(::IsWindow(m_app.m_pFrame->m_hWnd));
    EXPECT_EQ(m_pView, m_app.m_pFrame->GetActiveView());
    EXPECT_TRUE(m_pView->IsWindowVisible());
    doc.RemoveView(m_pView);
}
} // namespace
