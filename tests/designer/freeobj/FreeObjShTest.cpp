// The free-object property sheet on working copies: the pages a kind gets, what each page shows
// and stores on OK, the width range keeping the sheet open, nothing changed by Cancel, and the
// sheet opened by a double click in the designer's view.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <vector>

#include "core/CappCircleArrow.h"
#include "core/CappDCHelper.h"
#include "core/CappFreeCircle.h"
#include "core/CappFreeCloud.h"
#include "core/CappFreeLine.h"
#include "core/CappFreeLineArrow.h"
#include "core/CappFreeRect.h"
#include "core/CappFreeRectArrow.h"
#include "core/CappFreeRound.h"
#include "core/CappFreeSpline.h"
#include "core/CappFreeTriangle.h"
#include "designer/freeobj/FreeObjSh.h"
#include "tests/designer/sheet/CellToolTestFixture.h"
#include "designer/res/resource.h"
#include "platform/base/Archive.h"
#include "platform/base/MemFile.h"
#include "tests/support/DrivenSheet.h"
#include "tests/support/SheetTimer.h"
#include "tests/support/SysDlgDriver.h"
#include "tests/support/UiDriver.h"

namespace
{
const UINT kColorChanged = 0x52D;

// Runs modally like the tool's command, and lets the test act once the sheet is up.
class CDrivenFreeObjSh : public CTestDrivenSheet<CFreeObjSh, CDrivenFreeObjSh>
{
public:
    CDrivenFreeObjSh(int nKind, Drive fnDrive) : CTestDrivenSheet("属性设置", nullptr, 0, nKind)
    {
        SetDrive(std::move(fnDrive));
    }
};

std::vector<BYTE> Bytes(CCappFreeObj& obj)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        obj.Serialize(ar);
        ar.Close();
    }
    std::vector<BYTE> v(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(v.data(), static_cast<UINT>(v.size()));
    return v;
}

std::vector<CPoint> Handles(CCappFreeObj* pObj)
{
    std::vector<CPoint> points;
    for (int i = 1; i <= pObj->GetHandleCount(); ++i) {
        points.push_back(pObj->GetHandlePoint(i));
    }
    return points;
}

template <class T> std::unique_ptr<CCappFreeObj> Box(const CRect& rc)
{
    auto p = std::make_unique<T>();
    p->SetBoxRect(rc);
    return p;
}

std::unique_ptr<CCappFreeObj> Line(int nKind, CPoint pt1, CPoint pt2)
{
    std::unique_ptr<CCappFreeLine> p;
    if (nKind == CCappFreeObj::kindLineArrow) {
        p = std::make_unique<CCappFreeLineArrow>();
    } else {
        p = std::make_unique<CCappFreeLine>();
    }
    p->m_ptStart.SetValue(pt1);
    p->m_ptEnd.SetValue(pt2);
    if (auto* pArrow = dynamic_cast<CCappFreeLineArrow*>(p.get())) {
        pArrow->CalcArrow();
    }
    return p;
}

// Runs the sheet on a working copy of pObj as the tool does; the copy goes back only on OK.
INT_PTR RunSheet(CCappFreeObj& obj, std::function<void(CDrivenFreeObjSh&)> fnDrive)
{
    CDrivenFreeObjSh sheet(obj.m_nKind, std::move(fnDrive));
    sheet.CreateWorkObj(&obj);
    EXPECT_NE(nullptr, sheet.m_pObj);
    const INT_PTR nResult = sheet.DoModal();
    if (nResult == IDOK) {
        EXPECT_EQ(1, sheet.CopyWorkObjTo(&obj));
    }
    return nResult;
}

CString PageCaption(CDrivenFreeObjSh& sh, int nPage)
{
    sh.SetActivePage(nPage);
    char sz[64] = {};
    ::GetWindowTextA(sh.GetPage(nPage)->m_hWnd, sz, sizeof(sz));
    return sz;
}
} // namespace

TEST(FreeObjShTest, PagesFollowTheKind)
{
    struct Case
    {
        const char* szName;
        std::function<std::unique_ptr<CCappFreeObj>()> fnMake;
        std::vector<CString> tabs;
        std::vector<const char*> pictures;
    };
    const CRect rc(100, 100, 500, 300);
    const Case cases[] = {
        {"line",
         [] {
             return Line(CCappFreeObj::kindLine, {100, 100}, {400, 200});
         },
         {"线"},
         {"free-object-line.png"}},
        {"line arrow",
         [] {
             return Line(CCappFreeObj::kindLineArrow, {100, 100}, {400, 200});
         },
         {"线"},
         {}},
        {"rectangle",
         [&] { return Box<CCappFreeRect>(rc); },
         {"基本", "文本"},
         {"free-object-base.png", "free-object-text.png"}},
        {"circle", [&] { return Box<CCappFreeCircle>(rc); }, {"基本", "文本"}, {}},
        {"cloud", [&] { return Box<CCappFreeCloud>(rc); }, {"基本", "文本"}, {}},
        {"circle arrow", [&] { return Box<CCappCircleArrow>(rc); }, {"基本", "文本"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        std::unique_ptr<CCappFreeObj> pObj = c.fnMake();
        CTestUi ui;
        const INT_PTR nResult = RunSheet(*pObj, [&](CDrivenFreeObjSh& sh) {
            HWND hTab = reinterpret_cast<HWND>(sh.SendMessage(PSM_GETTABCONTROL));
            EXPECT_EQ(c.tabs.size(), static_cast<size_t>(::SendMessageA(hTab, TCM_GETITEMCOUNT, 0, 0)));
            for (size_t i = 0; i < c.tabs.size(); ++i) {
                EXPECT_EQ(c.tabs[i], PageCaption(sh, static_cast<int>(i))) << i;
                if (i < c.pictures.size()) {
                    EXPECT_TRUE(SaveWindowPicture(sh.m_hWnd, c.pictures[i]));
                }
            }
            sh.PressButton(IDCANCEL);
        });
        EXPECT_EQ(IDCANCEL, nResult);
    }
}

TEST(FreeObjShTest, BasePageTurnsThePositionIntoEdgeHandlesOnlyForBoxKinds)
{
    struct Case
    {
        const char* szName;
        std::function<std::unique_ptr<CCappFreeObj>()> fnMake;
        // Typed left, top, right, bottom.
        int anTyped[4];
        // The handles after OK; empty: the geometry stays as it was.
        std::vector<CPoint> handles;
        bool bWidthEnabled;
    };
    const CRect rc(100, 100, 500, 301);
    const Case cases[] = {
        {"rectangle, left typed larger than right: swapped",
         [&] { return Box<CCappFreeRect>(rc); },
         {900, 200, 300, 600},
         {{300, 400}, {600, 600}, {900, 400}, {600, 200}},
         true},
        {"circle, top typed larger than bottom: swapped, middles in integer division",
         [&] { return Box<CCappFreeCircle>(rc); },
         {10, 501, 21, 200},
         {{10, 350}, {15, 501}, {21, 350}, {15, 200}},
         true},
        {"rounded box",
         [&] { return Box<CCappFreeRound>(rc); },
         {0, 0, 40, 20},
         {{0, 10}, {20, 20}, {40, 10}, {20, 0}},
         true},
        {"triangle: position shown, not stored", [&] { return Box<CCappFreeTriangle>(rc); }, {0, 0, 40, 20}, {}, true},
        {"cloud", [&] { return Box<CCappFreeCloud>(rc); }, {0, 0, 40, 20}, {}, false},
        {"rectangle arrow", [&] { return Box<CCappFreeRectArrow>(rc); }, {0, 0, 40, 20}, {}, false},
        {"circle arrow", [&] { return Box<CCappCircleArrow>(rc); }, {0, 0, 40, 20}, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        std::unique_ptr<CCappFreeObj> pObj = c.fnMake();
        const std::vector<CPoint> before = Handles(pObj.get());
        const CRect rcShown = pObj->GetOutRect();
        CTestUi ui;
        ASSERT_EQ(IDOK, RunSheet(*pObj, [&](CDrivenFreeObjSh& sh) {
                      CTestDlg base = sh.Page(0);
                      EXPECT_EQ(rcShown.left, atoi(base.GetText(IDC_FREEOBJ_LEFT)));
                      EXPECT_EQ(rcShown.top, atoi(base.GetText(IDC_FREEOBJ_TOP)));
                      EXPECT_EQ(rcShown.right, atoi(base.GetText(IDC_FREEOBJ_RIGHT)));
                      EXPECT_EQ(rcShown.bottom, atoi(base.GetText(IDC_FREEOBJ_BOTTOM)));
                      EXPECT_EQ(c.bWidthEnabled, base.IsEnabled(IDC_FREEOBJ_WIDTH) != FALSE);
                      const int* p = c.anTyped;
                      const int ids[] = {IDC_FREEOBJ_LEFT, IDC_FREEOBJ_TOP, IDC_FREEOBJ_RIGHT, IDC_FREEOBJ_BOTTOM};
                      for (int i = 0; i < 4; ++i) {
                          CString s;
                          s.Format("%d", p[i]);
                          base.SetText(ids[i], s);
                      }
                      base.SetText(IDC_FREEOBJ_WIDTH, "7");
                      base.SetText(IDC_FREEOBJ_TEXT, "标注");
                      base.Click(IDC_FREEOBJ_TRANSPARENT);
                      sh.PressButton(IDOK);
                  }));
        std::vector<CPoint> after = Handles(pObj.get());
        if (!c.handles.empty()) {
            after.resize(4);
        }
        EXPECT_EQ(c.handles.empty() ? before : c.handles, after);
        EXPECT_EQ(7, pObj->m_nLineWidth);
        EXPECT_STREQ("标注", pObj->m_strText.GetString());
        EXPECT_EQ(1, pObj->m_bTransparent);
        EXPECT_TRUE(ui.TakeBoxTexts().empty());
    }
}

TEST(FreeObjShTest, LinePageStoresPointsOnlyForAPlainLine)
{
    struct Case
    {
        const char* szName;
        int nKind;
        bool bPointsStored;
    };
    const Case cases[] = {
        {"line", CCappFreeObj::kindLine, true},
        {"line with an arrow", CCappFreeObj::kindLineArrow, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        std::unique_ptr<CCappFreeObj> pObj = Line(c.nKind, {100, 100}, {400, 200});
        pObj->m_nLineWidth = 3;
        CTestUi ui;
        ASSERT_EQ(IDOK, RunSheet(*pObj, [&](CDrivenFreeObjSh& sh) {
                      CTestDlg line = sh.Page(0);
                      EXPECT_EQ("3", line.GetText(IDC_FREEOBJ_WIDTH));
                      EXPECT_EQ("400", line.GetText(IDC_FREEOBJ_END_X));
                      EXPECT_EQ(c.bPointsStored, line.IsEnabled(IDC_FREEOBJ_WIDTH) != FALSE);
                      line.SetText(IDC_FREEOBJ_START_X, "10");
                      line.SetText(IDC_FREEOBJ_START_Y, "20");
                      line.SetText(IDC_FREEOBJ_END_X, "30");
                      line.SetText(IDC_FREEOBJ_END_Y, "40");
                      ::SendMessageA(line.GetHwnd(), kColorChanged, IDC_FREEOBJ_COLOR, RGB(255, 0, 0));
                      EXPECT_EQ(RGB(255, 0, 0), sh.m_pObj->m_crLine) << "at once, on the working copy";
                      EXPECT_EQ(RGB(0, 0, 0), pObj->m_crLine);
                      sh.PressButton(IDOK);
                  }));
        auto* pLine = static_cast<CCappFreeLine*>(pObj.get());
        const std::vector<CPoint> expected =
            c.bPointsStored ? std::vector<CPoint>{{10, 20}, {30, 40}} : std::vector<CPoint>{{100, 100}, {400, 200}};
        EXPECT_EQ(expected, (std::vector<CPoint>{pLine->m_ptStart.GetValue(), pLine->m_ptEnd.GetValue()}));
        EXPECT_EQ(RGB(255, 0, 0), pObj->m_crLine);
    }
}

TEST(FreeObjShTest, TextPageShowsAndRebuildsTheAlignmentBits)
{
    struct Case
    {
        const char* szName;
        int nFormat;
        int nHorzShown;
        int nVertShown;
        std::vector<int> clicks;
        int nStored;
    };
    const Case cases[] = {
        {"a new object's 5: centred both ways", 5, IDC_FREEOBJ_ALIGN_CENTER, IDC_FREEOBJ_VALIGN_CENTER, {}, 5},
        {"right and bottom; other bits kept",
         0x20 | 5,
         IDC_FREEOBJ_ALIGN_CENTER,
         IDC_FREEOBJ_VALIGN_CENTER,
         {IDC_FREEOBJ_ALIGN_RIGHT, IDC_FREEOBJ_VALIGN_BOTTOM},
         0x20 | 2 | 8},
        {"left and top clear the four bits",
         2 | 8,
         IDC_FREEOBJ_ALIGN_RIGHT,
         IDC_FREEOBJ_VALIGN_BOTTOM,
         {IDC_FREEOBJ_ALIGN_LEFT, IDC_FREEOBJ_VALIGN_TOP},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        std::unique_ptr<CCappFreeObj> pObj = Box<CCappFreeRect>(CRect(0, 0, 100, 100));
        pObj->m_nTextFormat = c.nFormat;
        pObj->m_nFontHeight = -31;
        CTestUi ui;
        ASSERT_EQ(IDOK, RunSheet(*pObj, [&](CDrivenFreeObjSh& sh) {
                      CTestDlg text = sh.Page(1);
                      EXPECT_TRUE(text.IsChecked(c.nHorzShown));
                      EXPECT_TRUE(text.IsChecked(c.nVertShown));
                      EXPECT_EQ("-31", text.GetText(IDC_FREEOBJ_FONT_SIZE));
                      for (int nID : c.clicks) {
                          text.Click(nID);
                      }
                      sh.PressButton(IDOK);
                  }));
        EXPECT_EQ(c.nStored, pObj->m_nTextFormat);
    }
}

// The font dialog opens on the family the object's text is drawn with, also where its face is one
// the system only maps to another, and lists no vertical faces; OK takes the chosen font back.
TEST(FreeObjShTest, FontDialogOpensOnTheDrawnFamilyWithoutVerticalFaces)
{
    std::unique_ptr<CCappFreeObj> pObj = Box<CCappFreeRect>(CRect(0, 0, 100, 100));
    lstrcpynA(pObj->m_lfFont.lfFaceName, "宋体", LF_FACESIZE);
    pObj->m_nFontHeight = -42;
    LOGFONTA lfDrawn = pObj->m_lfFont;
    lfDrawn.lfHeight = CCappFreeObj::CCappDCHelper__GetTextHeightInDevice(nullptr, pObj->m_nFontHeight);
    CCappDCHelper::UseDrawnFamily(lfDrawn);
    ASSERT_STRNE("宋体", lfDrawn.lfFaceName) << "this machine has the face itself; the case needs a mapped one";
    CString strDialogFace;
    int nVertical = 0;
    int nListed = 0;
    CTestUi ui;
    CTestSysDialogs sysDialogs;
    sysDialogs.OnDialog([&](CTestSysDlg& d) {
        strDialogFace = d.GetText(1136); // the face box
        for (const CString& strFace : d.GetListItems(1136)) {
            ++nListed;
            nVertical += strFace[0] == '@' ? 1 : 0;
        }
        d.Ok();
    });
    ASSERT_EQ(IDOK, RunSheet(*pObj, [&](CDrivenFreeObjSh& sh) {
                  CTestDlg text = sh.Page(1);
                  text.Click(IDC_FREEOBJ_FONT);
                  EXPECT_EQ(CString(lfDrawn.lfFaceName), text.GetText(IDC_FREEOBJ_FONT_NAME));
                  sh.PressButton(IDOK);
              }));
    EXPECT_EQ(1, sysDialogs.GetDialogsOpened());
    EXPECT_STREQ(lfDrawn.lfFaceName, strDialogFace);
    EXPECT_GT(nListed, 0);
    EXPECT_EQ(0, nVertical);
    EXPECT_STREQ(lfDrawn.lfFaceName, pObj->m_lfFont.lfFaceName);
}

TEST(FreeObjShTest, CancelAndAWidthOutOfRangeChangeNothing)
{
    std::unique_ptr<CCappFreeObj> pObj = Box<CCappFreeRect>(CRect(100, 100, 500, 300));
    const std::vector<BYTE> before = Bytes(*pObj);
    CTestUi ui;
    EXPECT_EQ(IDCANCEL, RunSheet(*pObj, [&](CDrivenFreeObjSh& sh) {
                  CTestDlg base = sh.Page(0);
                  base.SetText(IDC_FREEOBJ_LEFT, "900");
                  base.SetText(IDC_FREEOBJ_TEXT, "x");
                  ::SendMessageA(base.GetHwnd(), kColorChanged, IDC_FREEOBJ_COLOR, RGB(0, 0, 255));
                  sh.Page(1).Click(IDC_FREEOBJ_ALIGN_RIGHT);
                  // Out of range: the page stays open with the range message.
                  CTestDlg again = sh.Page(0);
                  again.SetText(IDC_FREEOBJ_WIDTH, "1001");
                  sh.PressButton(IDOK);
                  EXPECT_EQ(1u, ui.TakeBoxTexts().size());
                  EXPECT_TRUE(::IsWindow(sh.m_hWnd));
                  sh.PressButton(IDCANCEL);
              }));
    EXPECT_EQ(before, Bytes(*pObj));
}

namespace
{
class CFreeObjShViewTest : public CCellToolTest
{
};
} // namespace

TEST_F(CFreeObjShViewTest, DoubleClickOnARectangleOpensTheSheetAndOkApplies)
{
    if (!m_pView->IsFreeObjectOn()) {
        Command(ID_SHEET_FREE_SWITCH);
    }
    ASSERT_TRUE(m_pView->IsFreeObjectOn());
    auto* pRect = new CCappFreeRect;
    pRect->SetBoxRect(CRect(400, 400, 1400, 1000));
    m_pView->m_freeObjTool.m_listFreeObj.AddTail(pRect);
    m_pView->SetSaveState(CCappSheetDefView::saveStateSaved);

    CTestUi ui;
    bool bOpened = false;
    // The sheet a double click opens runs its own modal loop: a timer started before the click
    // acts inside that loop.
    CTestSheetTimer sheetTimer("属性设置", [&](HWND hSheet) {
        bOpened = true;
        HWND hPage = reinterpret_cast<HWND>(::SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        auto* pPage = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hPage));
        ASSERT_NE(nullptr, pPage);
        CTestDlg base(pPage);
        EXPECT_EQ(IDD_FREEOBJ_BASE, static_cast<int>(base.GetTemplateID()));
        base.SetText(IDC_FREEOBJ_TEXT, "孔");
        base.SetText(IDC_FREEOBJ_RIGHT, "1600");
        ::SendMessageA(::GetDlgItem(hSheet, IDOK), BM_CLICK, 0, 0);
    });
    Mouse(WM_LBUTTONDBLCLK, MK_LBUTTON, CPoint(900, 700));
    EXPECT_TRUE(bOpened);
    EXPECT_STREQ("孔", pRect->m_strText.GetString());
    EXPECT_EQ(CRect(400, 400, 1600, 1000), pRect->GetOutRect());
    EXPECT_EQ(CCappSheetDefView::saveStateChanged, m_pView->GetSaveState());
}

TEST(FreeObjShTest, ASplineGetsNoWorkingCopyAndNothingIsCopiedBack)
{
    CCappFreeSpline spline;
    spline.AddPoint(CPoint(10, 10));
    spline.AddPoint(CPoint(50, 80));
    const std::vector<BYTE> before = Bytes(spline);
    CFreeObjSh sheet("属性设置", nullptr, 0, spline.m_nKind);
    sheet.CreateWorkObj(&spline);
    EXPECT_EQ(nullptr, sheet.m_pObj);
    EXPECT_EQ(0, sheet.CopyWorkObjTo(&spline));
    EXPECT_EQ(before, Bytes(spline));
}
