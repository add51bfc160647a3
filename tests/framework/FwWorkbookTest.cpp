// The workbook's ordered worksheets: documents opened in order, activated, closed and walked, the
// tab width they would share, and no tab strip drawn.
#include <gtest/gtest.h>

#include <vector>

#include "framework/FwWorkbook.h"
#include "framework/FwWorkbookClient.h"
#include "framework/FwWorksheet.h"
#include "platform/doc/DocTemplate.h"
#include "platform/doc/Document.h"
#include "platform/doc/MultiDocTemplate.h"
#include "platform/doc/View.h"
#include "platform/frame/WinApp.h"
#include "tests/framework/res/fwtest_resource.h"
#include "tests/support/UiDriver.h"

namespace
{
class CSheetDoc : public CDocument
{
    FX_DECLARE_DYNCREATE(CSheetDoc)
};
FX_IMPLEMENT_DYNCREATE(CSheetDoc, CDocument)

class CSheetView : public CView
{
    FX_DECLARE_DYNCREATE(CSheetView)

public:
    void OnDraw(CDC*) override {}
};
FX_IMPLEMENT_DYNCREATE(CSheetView, CView)

// A worksheet whose window can't be made.
class CBrokenSheet : public FwWorksheet
{
public:
    int OnCreate(LPCREATESTRUCT) override { return -1; }
};

class FwWorkbookTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pWorkbook = new FwWorkbook;
        ASSERT_TRUE(m_pWorkbook->LoadFrame(IDR_FWTEST_CARD, WS_OVERLAPPEDWINDOW));
        m_pWorkbook->MoveWindow(0, 0, 640, 480);
        m_pWorkbook->ShowWindow(SW_SHOWNA);
        m_app.m_pMainWnd = m_pWorkbook;
        m_pTemplate = new CMultiDocTemplate(IDR_FWTEST_CARD, FX_RUNTIME_CLASS(CSheetDoc), FX_RUNTIME_CLASS(FwWorksheet),
                                            FX_RUNTIME_CLASS(CSheetView));
        m_app.AddDocTemplate(m_pTemplate);
    }
    void TearDown() override
    {
        if (::IsWindow(m_pWorkbook->m_hWnd)) {
            ::DestroyWindow(m_pWorkbook->m_hWnd);
        }
        m_app.m_pMainWnd = nullptr;
    }
    std::vector<CString> Labels() const
    {
        std::vector<CString> labels;
        for (int i = 0; i < m_pWorkbook->GetWorksheetCount(); ++i) {
            labels.push_back(m_pWorkbook->GetTabLabel(m_pWorkbook->GetWorksheet(i)));
        }
        return labels;
    }
    // Every worksheet knows its place.
    void ExpectIndicesInOrder() const
    {
        for (int i = 0; i < m_pWorkbook->GetWorksheetCount(); ++i) {
            EXPECT_EQ(i, m_pWorkbook->GetWorksheet(i)->m_nIndex);
        }
    }

    CWinApp m_app{"FwWorkbookTest"};
    FwWorkbook* m_pWorkbook = nullptr;
    CDocTemplate* m_pTemplate = nullptr;
};
} // namespace

TEST_F(FwWorkbookTest, ThreeDocumentsAreThreeWorksheetsInOrderThroughActivatingClosingAndWalking)
{
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(nullptr, m_pTemplate->OpenDocumentFile(nullptr));
    }
    ASSERT_EQ(3, m_pWorkbook->GetWorksheetCount());
    const std::vector<CString> opened = Labels();
    EXPECT_EQ((std::vector<CString>{"Card1", "Card2", "Card3"}), opened);
    ExpectIndicesInOrder();
    EXPECT_NE(nullptr, m_pWorkbook->GetToolTipWnd());

    // Activating changes which one is active, never the order.
    FwWorksheet* pFirst = m_pWorkbook->GetWorksheet(0);
    FwWorksheet* pSecond = m_pWorkbook->GetWorksheet(1);
    FwWorksheet* pThird = m_pWorkbook->GetWorksheet(2);
    m_pWorkbook->MDIActivate(pFirst);
    EXPECT_EQ(pFirst, m_pWorkbook->MDIGetActive());
    // The client reports the menu change; the frame remembers the active tab.
    ::SendMessageA(m_pWorkbook->m_hWndMDIClient, WM_FWWORKBOOK_REFRESHTABS, static_cast<WPARAM>(-1),
                   static_cast<LPARAM>(-1));
    EXPECT_EQ(0, m_pWorkbook->m_nLastActiveTab);
    m_pWorkbook->MDIActivate(pThird);
    ::SendMessageA(m_pWorkbook->m_hWndMDIClient, WM_FWWORKBOOK_REFRESHTABS, static_cast<WPARAM>(-1),
                   static_cast<LPARAM>(-1));
    EXPECT_EQ(2, m_pWorkbook->m_nLastActiveTab);
    EXPECT_EQ(opened, Labels());

    // No strip: the MDI client reaches the frame's bottom edge.
    EXPECT_FALSE(m_pWorkbook->IsTabDisplayOn());
    CRect rcFrame;
    m_pWorkbook->GetClientRect(&rcFrame);
    CRect rcClient;
    ::GetWindowRect(m_pWorkbook->m_hWndMDIClient, &rcClient);
    ::MapWindowPoints(nullptr, m_pWorkbook->m_hWnd, reinterpret_cast<POINT*>(&rcClient), 2);
    EXPECT_EQ(rcFrame.bottom, rcClient.bottom);
    SaveWindowPicture(m_pWorkbook->m_hWnd, "fwworkbook-three-sheets.png");

    // Closing the second renumbers the third.
    pSecond->SendMessage(WM_CLOSE);
    ASSERT_EQ(2, m_pWorkbook->GetWorksheetCount());
    EXPECT_EQ(pFirst, m_pWorkbook->GetWorksheet(0));
    EXPECT_EQ(pThird, m_pWorkbook->GetWorksheet(1));
    ExpectIndicesInOrder();

    // The designer's walk at closing: last to first.
    for (int i = m_pWorkbook->GetWorksheetCount() - 1; i >= 0; --i) {
        m_pWorkbook->GetWorksheet(i)->SendMessage(WM_CLOSE);
    }
    EXPECT_EQ(0, m_pWorkbook->GetWorksheetCount());
}

TEST_F(FwWorkbookTest, TabsShareTheClientWidthUpToTheCap)
{
    // The MDI client made exactly 600 pixels wide.
    CRect rcClient;
    ::GetClientRect(m_pWorkbook->m_hWndMDIClient, &rcClient);
    CRect rcWnd;
    m_pWorkbook->GetWindowRect(&rcWnd);
    m_pWorkbook->MoveWindow(0, 0, rcWnd.Width() + 600 - rcClient.Width(), rcWnd.Height());
    ::GetClientRect(m_pWorkbook->m_hWndMDIClient, &rcClient);
    ASSERT_EQ(600, rcClient.Width());

    struct WidthCase
    {
        const char* szName;
        int nSheets;
        int nTabWidth;
    };
    const WidthCase cases[] = {
        {"two stay at the cap", 2, 90},
        {"seven share 605", 7, 86},
        {"thirty share 605", 30, 20},
    };
    std::vector<FwWorksheet*> sheets;
    for (const WidthCase& c : cases) {
        SCOPED_TRACE(c.szName);
        while (static_cast<int>(sheets.size()) < c.nSheets) {
            FwWorksheet* pSheet = new FwWorksheet;
            ASSERT_TRUE(pSheet->LoadFrame(IDR_FWTEST_SCRIPT));
            sheets.push_back(pSheet);
        }
        EXPECT_EQ(c.nSheets, m_pWorkbook->GetWorksheetCount());
        EXPECT_EQ(c.nTabWidth, m_pWorkbook->GetTabWidth());
    }
    ExpectIndicesInOrder();
    // Back to two: the cap again.
    while (sheets.size() > 2) {
        sheets.back()->SendMessage(WM_CLOSE);
        sheets.pop_back();
    }
    EXPECT_EQ(90, m_pWorkbook->GetTabWidth());
}

TEST_F(FwWorkbookTest, OnlyMadeWorksheetsJoinAndIconsFollowTheFlag)
{
    CBrokenSheet* pBroken = new CBrokenSheet;
    EXPECT_FALSE(pBroken->LoadFrame(IDR_FWTEST_CARD));
    EXPECT_EQ(0, m_pWorkbook->GetWorksheetCount());

    FwWorksheet* pSheet = new FwWorksheet;
    ASSERT_TRUE(pSheet->LoadFrame(IDR_FWTEST_SCRIPT));
    ASSERT_EQ(1, m_pWorkbook->GetWorksheetCount());
    // Without a document the label is the window text.
    pSheet->SetWindowText("Sheet A");
    EXPECT_EQ(CString("Sheet A"), m_pWorkbook->GetTabLabel(pSheet));

    HICON hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
    EXPECT_FALSE(m_pWorkbook->SetTabIcon(nullptr, hIcon, TRUE));
    EXPECT_TRUE(m_pWorkbook->SetTabIcon(pSheet, hIcon, TRUE));
    EXPECT_EQ(hIcon, m_pWorkbook->GetTabIcon(pSheet));
    m_pWorkbook->m_bTabIcons = FALSE;
    EXPECT_EQ(nullptr, m_pWorkbook->GetTabIcon(pSheet));
    EXPECT_EQ(hIcon, pSheet->m_hTabIcon);
}
