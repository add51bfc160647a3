// The cell style sheet on cells of the bundled process card: the pages a cell kind gets, a used
// variable name refused with the sheet kept open, every page's values in the cell after OK and
// after a save and reload, nothing changed by Cancel.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <vector>

#include "core/CappCell.h"
#include "core/CappDCHelper.h"
#include "core/CappSheet.h"
#include "designer/cells/SetCellStyleSh.h"
#include "designer/template/TemplateFile.h"
#include "designer/res/resource.h"
#include "tests/support/DrivenSheet.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "tests/support/SysDlgDriver.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"
#include "tests/support/UiDriver.h"

#include <commctrl.h>

namespace
{
// Runs modally like the designer's command, and lets the test act once the sheet is up.
class CDrivenCellSheet : public CTestDrivenSheet<CSetCellStyleSh, CDrivenCellSheet>
{
public:
    CDrivenCellSheet(int nKind, Drive fnDrive) : CTestDrivenSheet("属性设置", nullptr, 0, nKind)
    {
        SetDrive(std::move(fnDrive));
    }
};

CString SamplePath(const char* pszName)
{
    return TestDataPath("..\\..\\..\\samples\\workdir\\Template\\") + pszName;
}

CCappCell* FindVar(CCappSheet& sheet, const char* pszName)
{
    for (CObList* pList : {&sheet.m_HeadCellList, &sheet.m_PageCellList}) {
        POSITION pos = pList->GetHeadPosition();
        while (pos != nullptr) {
            auto* pCell = static_cast<CCappCell*>(pList->GetNext(pos));
            if (pCell->m_nContentKind == CCappCell::kindVariable && pCell->m_strVarName == pszName) {
                return pCell;
            }
        }
    }
    return nullptr;
}

// The bundled process card, and its variable cell of that name (null when missing).
CCappCell* LoadSampleVar(CCappSheet& tpl, const char* pszName)
{
    CString strError;
    EXPECT_TRUE(CTemplateFile::Load(SamplePath("ProcessCard.znt"), tpl, strError)) << strError.GetString();
    return FindVar(tpl, pszName);
}

CCappCell* FindStatic(CCappSheet& sheet, const char* pszText)
{
    POSITION pos = sheet.m_HeadCellList.GetHeadPosition();
    while (pos != nullptr) {
        auto* pCell = static_cast<CCappCell*>(sheet.m_HeadCellList.GetNext(pos));
        if (pCell->m_nContentKind == CCappCell::kindStatic && pCell->m_strText == pszText) {
            return pCell;
        }
    }
    return nullptr;
}

void CollectUsedNames(CCappSheet& sheet, const CCappCell* pSelf, CStringArray& arrNames)
{
    for (CObList* pList : {&sheet.m_HeadCellList, &sheet.m_PageCellList}) {
        POSITION pos = pList->GetHeadPosition();
        while (pos != nullptr) {
            auto* pCell = static_cast<CCappCell*>(pList->GetNext(pos));
            if (pCell != pSelf && pCell->m_nContentKind == CCappCell::kindVariable) {
                arrNames.Add(pCell->m_strVarName);
            }
        }
    }
}

struct Snapshot
{
    CString strVar;
    int nDataType, nDecimals, bTrimZero, nDataPos, nFormat, nDisplay, nEditFlags;
    LONG lEscapement;
};

Snapshot Take(const CCappCell& c)
{
    return {c.m_strVarName,  c.m_nDataType, c.m_nDecimals,  c.m_bTrimZero,          c.m_nDataPos,
            c.m_nTextFormat, c.m_nDisplay,  c.m_nEditFlags, c.m_lfFont.lfEscapement};
}

void ExpectEdited(const CCappCell& c)
{
    EXPECT_STREQ("D1", c.m_strVarName.GetString());
    EXPECT_EQ(3, c.m_nDataType);
    EXPECT_EQ(2, c.m_nDecimals);
    EXPECT_EQ(1, c.m_bTrimZero);
    EXPECT_EQ(1, c.m_nDataPos);
    EXPECT_EQ(450, c.m_lfFont.lfEscapement);
    EXPECT_EQ(0x2A, c.m_nTextFormat);
    EXPECT_EQ(0x04, c.m_nDisplay & 0x04) << "word wrap";
    EXPECT_EQ(0x80, c.m_nEditFlags & 0x80) << "not editable";
}

// The user's edits on every page of a variable cell.
void EditAllPages(CDrivenCellSheet& sh, bool bPictures)
{
    CTestDlg field = sh.Page(0);
    field.SetText(IDC_CEL_FIELD_NAME, "D1");
    field.SelectCombo(IDC_CEL_FIELD_TYPE, 2);
    EXPECT_FALSE(field.IsEnabled(IDC_CEL_FIELD_LENGTH));
    EXPECT_TRUE(field.IsEnabled(IDC_CEL_FIELD_DECIMALS));
    field.SetText(IDC_CEL_FIELD_DECIMALS, "2");
    if (!field.IsChecked(IDC_CEL_FIELD_TRIM_ZERO)) {
        field.Click(IDC_CEL_FIELD_TRIM_ZERO);
    }
    field.Click(IDC_CEL_FIELD_POS_PAGE);
    if (bPictures) {
        EXPECT_TRUE(SaveWindowPicture(sh.m_hWnd, "cell-style-field.png"));
    }

    sh.Page(1);
    if (bPictures) {
        EXPECT_TRUE(SaveWindowPicture(sh.m_hWnd, "cell-style-font.png"));
    }
    CTestDlg text = sh.Page(2);
    text.SetText(IDC_CEL_TEXT_ANGLE, "45");
    text.Click(IDC_CEL_TEXT_RIGHT);
    text.Click(IDC_CEL_TEXT_BOTTOM);
    if (bPictures) {
        EXPECT_TRUE(SaveWindowPicture(sh.m_hWnd, "cell-style-text.png"));
    }
    CTestDlg display = sh.Page(3);
    if (!display.IsChecked(IDC_CEL_DIS_WRAP)) {
        display.Click(IDC_CEL_DIS_WRAP);
    }
    if (bPictures) {
        EXPECT_TRUE(SaveWindowPicture(sh.m_hWnd, "cell-style-display.png"));
    }
    CTestDlg ext = sh.Page(4);
    if (ext.IsChecked(IDC_CEL_EXT_EDIT)) {
        ext.Click(IDC_CEL_EXT_EDIT);
    }
    if (bPictures) {
        EXPECT_TRUE(SaveWindowPicture(sh.m_hWnd, "cell-style-ext.png"));
    }
}
} // namespace

TEST(SetCellStyleShTest, PagesFollowTheCellKind)
{
    struct KindCase
    {
        const char* szName;
        int nKind;
        int nPages;
        const char* apszTabs[5];
        // A picture of each page; the variable cell's pages are pictured with their values.
        const char* apszPictures[5];
    };
    const KindCase cases[] = {
        {"static text",
         CSetCellStyleSh::kindStatic,
         3,
         {"静态文本", "文本", "格式"},
         {"cell-style-static.png", "cell-style-static-text.png", "cell-style-static-format.png"}},
        {"card variable", CSetCellStyleSh::kindVariable, 5, {"变量", "文本", "格式", "显示方式", "扩展属性"}, {}},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        CDrivenCellSheet sheet(c.nKind, [&](CDrivenCellSheet& sh) {
            HWND hTab = reinterpret_cast<HWND>(sh.SendMessage(PSM_GETTABCONTROL));
            ASSERT_EQ(c.nPages, static_cast<int>(::SendMessageA(hTab, TCM_GETITEMCOUNT, 0, 0)));
            for (int i = 0; i < c.nPages; ++i) {
                sh.SetActivePage(i);
                CString strCaption;
                ::GetWindowTextA(sh.GetPage(i)->m_hWnd, strCaption.GetBuffer(64), 64);
                strCaption.ReleaseBuffer();
                EXPECT_STREQ(c.apszTabs[i], strCaption.GetString()) << i;
                if (c.apszPictures[i] != nullptr) {
                    EXPECT_TRUE(SaveWindowPicture(sh.m_hWnd, c.apszPictures[i]));
                }
            }
            sh.SetActivePage(0);
            sh.PressButton(IDCANCEL);
        });
        EXPECT_EQ(c.nPages, sheet.GetPageCount());
        EXPECT_EQ(IDCANCEL, sheet.DoModal());
    }
}

TEST(SetCellStyleShTest, UsedNameRefusedThenEveryPageReachesTheCellAndTheFile)
{
    CTestTempFolder folder;
    CCappSheet tpl;
    CCappCell* pCell = LoadSampleVar(tpl, "零件名称");
    ASSERT_NE(nullptr, pCell);

    CTestUi ui;
    CDrivenCellSheet sheet(CSetCellStyleSh::kindVariable, [&](CDrivenCellSheet& sh) {
        EditAllPages(sh, true);
        // A name another cell holds: refused, and the sheet stays on the user's values.
        CTestDlg field = sh.Page(0);
        field.SetText(IDC_CEL_FIELD_NAME, "零件图号");
        sh.PressButton(IDOK);
        EXPECT_EQ(std::vector<CString>{"当前变量名已使用！"}, ui.TakeBoxTexts());
        // No page applied its values: the options page has not written "允许编辑" yet.
        EXPECT_EQ(0, sh.m_cell.m_nEditFlags & 0x80);
        EXPECT_EQ("零件图号", field.GetText(IDC_CEL_FIELD_NAME));
        EXPECT_TRUE(field.IsChecked(IDC_CEL_FIELD_POS_PAGE));
        field.SetText(IDC_CEL_FIELD_NAME, "D1");
        sh.PressButton(IDOK);
        EXPECT_TRUE(ui.TakeBoxTexts().empty());
    });
    CollectUsedNames(tpl, pCell, sheet.m_arrUsedNames);
    sheet.SetCell(*pCell);
    ASSERT_EQ(IDOK, sheet.DoModal());
    sheet.GetCell(*pCell);
    ExpectEdited(*pCell);
    // As the view's command does: a cell whose seat changed moves to that seat's list, which is
    // what the file keeps.
    tpl.m_HeadCellList.RemoveAt(tpl.m_HeadCellList.Find(pCell));
    tpl.m_PageCellList.AddTail(pCell);

    const CString strPath = folder.PathOf("Edited.znt");
    CString strError;
    ASSERT_TRUE(CTemplateFile::Save(strPath, tpl, strError)) << strError.GetString();
    CCappSheet back;
    ASSERT_TRUE(CTemplateFile::Load(strPath, back, strError)) << strError.GetString();
    const CCappCell* pBack = FindVar(back, "D1");
    ASSERT_NE(nullptr, pBack);
    ExpectEdited(*pBack);
}

TEST(SetCellStyleShTest, CancelLeavesTheTemplateCell)
{
    CCappSheet tpl;
    CCappCell* pCell = LoadSampleVar(tpl, "零件名称");
    ASSERT_NE(nullptr, pCell);
    const Snapshot before = Take(*pCell);

    CTestUi ui;
    CDrivenCellSheet sheet(CSetCellStyleSh::kindVariable, [&](CDrivenCellSheet& sh) {
        EditAllPages(sh, false);
        sh.PressButton(IDCANCEL);
    });
    sheet.SetCell(*pCell);
    if (sheet.DoModal() == IDOK) {
        sheet.GetCell(*pCell);
    }
    const Snapshot after = Take(*pCell);
    EXPECT_STREQ(before.strVar.GetString(), after.strVar.GetString());
    EXPECT_EQ(before.nDataType, after.nDataType);
    EXPECT_EQ(before.nDecimals, after.nDecimals);
    EXPECT_EQ(before.bTrimZero, after.bTrimZero);
    EXPECT_EQ(before.nDataPos, after.nDataPos);
    EXPECT_EQ(before.nFormat, after.nFormat);
    EXPECT_EQ(before.nDisplay, after.nDisplay);
    EXPECT_EQ(before.nEditFlags, after.nEditFlags);
    EXPECT_EQ(before.lEscapement, after.lEscapement);
}

TEST(SetCellStyleShTest, StaticPageWritesTextAndDirection)
{
    CCappSheet tpl;
    CString strError;
    ASSERT_TRUE(CTemplateFile::Load(SamplePath("ProcessCard.znt"), tpl, strError)) << strError.GetString();
    CCappCell* pCell = FindStatic(tpl, "零件名称");
    ASSERT_NE(nullptr, pCell);
    pCell->m_nTextDir = 1;
    CTestUi ui;
    CDrivenCellSheet sheet(CSetCellStyleSh::kindStatic, [&](CDrivenCellSheet& sh) {
        CTestDlg page = sh.Page(0);
        EXPECT_EQ("零件名称", page.GetText(IDC_CEL_STATIC_TEXT));
        EXPECT_EQ("水平", page.GetText(IDC_CEL_STATIC_DIR));
        page.SetText(IDC_CEL_STATIC_TEXT, "零件名");
        page.SelectCombo(IDC_CEL_STATIC_DIR, 1);
        sh.PressButton(IDOK);
    });
    sheet.SetCell(*pCell);
    ASSERT_EQ(IDOK, sheet.DoModal());
    sheet.GetCell(*pCell);
    EXPECT_STREQ("零件名", pCell->m_strText.GetString());
    EXPECT_EQ(2, pCell->m_nTextDir);
}

TEST(SetCellStyleShTest, FieldKindMovesTheDataPosition)
{
    struct PosCase
    {
        const char* szName;
        int nPos;
        int nFieldType;
        int nKindPicked; // 0 regular field, 1 page number
        int nPosAfter;
        bool bHeadEnabled;
    };
    const PosCase cases[] = {
        {"page number on a head cell keeps head", 0, 1, 1, 0, true},
        {"page number on a page cell moves it to the head", 1, 1, 1, 0, true},
        {"back to a regular field goes to the page", 0, 8, 0, 1, true},
        {"a detail-area cell keeps its seat", 2, 1, 1, 2, false},
        {"a stray seat becomes head", 7, 1, 0, 1, true},
    };
    for (const PosCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappCell cell;
        cell.m_nContentKind = CCappCell::kindVariable;
        cell.m_strVarName = "V";
        cell.m_nDataType = 1;
        cell.m_nDataPos = c.nPos;
        cell.m_nFieldType = c.nFieldType;
        CTestUi ui;
        CDrivenCellSheet sheet(CSetCellStyleSh::kindVariable, [&](CDrivenCellSheet& sh) {
            CTestDlg field = sh.Page(0);
            field.SelectCombo(IDC_CEL_FIELD_KIND, c.nKindPicked);
            EXPECT_EQ(c.nKindPicked == 1, field.IsEnabled(IDC_CEL_FIELD_FORMAT) != FALSE);
            EXPECT_EQ(c.bHeadEnabled, field.IsEnabled(IDC_CEL_FIELD_POS_HEAD) != FALSE);
            EXPECT_FALSE(field.IsEnabled(IDC_CEL_FIELD_POS_MID));
            sh.PressButton(IDOK);
        });
        sheet.SetCell(cell);
        ASSERT_EQ(IDOK, sheet.DoModal());
        sheet.GetCell(cell);
        EXPECT_EQ(c.nPosAfter, cell.m_nDataPos);
        EXPECT_EQ(c.nKindPicked == 1 ? 8 : 1, cell.m_nFieldType);
    }
}

TEST(SetCellStyleShTest, DialAngleReachesTheEditAndTheRotation)
{
    CCappCell cell;
    cell.m_nContentKind = CCappCell::kindStatic;
    cell.m_strText = "T";
    cell.m_nTextFormat = 0x35;
    CTestUi ui;
    CDrivenCellSheet sheet(CSetCellStyleSh::kindStatic, [&](CDrivenCellSheet& sh) {
        CTestDlg text = sh.Page(2);
        EXPECT_TRUE(text.IsChecked(IDC_CEL_TEXT_HCENTER));
        EXPECT_TRUE(text.IsChecked(IDC_CEL_TEXT_VCENTER));
        EXPECT_EQ(0x25, sh.m_cell.m_nTextFormat) << "rewritten from the radios on opening";
        // (60, 46) from the dial's centre: 37.5 degrees downwards, between two marks.
        CTextAngleCtrl& dial = sh.m_pageText.m_picker;
        RECT rc = {};
        dial.GetClientRect(&rc);
        const int yCentre = 4 + (rc.bottom - 8) / 2;
        const LPARAM lPoint = MAKELPARAM(4 + 60, yCentre + 46);
        dial.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        dial.SendMessage(WM_LBUTTONUP, 0, lPoint);
        EXPECT_EQ(-375, dial.GetAngle());
        MSG msg;
        while (::PeekMessageA(&msg, sh.m_pageText.m_hWnd, 0, 0, PM_REMOVE)) {
            ::DispatchMessageA(&msg);
        }
        EXPECT_EQ("-37", text.GetText(IDC_CEL_TEXT_ANGLE));
        EXPECT_EQ(-370, sh.m_cell.m_lfFont.lfEscapement);
        // Typed back: the number times ten, the dial follows.
        text.SetText(IDC_CEL_TEXT_ANGLE, "60");
        EXPECT_EQ(600, sh.m_cell.m_lfFont.lfEscapement);
        EXPECT_EQ(600, dial.GetAngle());
        text.Click(IDC_CEL_TEXT_LEFT);
        sh.PressButton(IDOK);
    });
    sheet.SetCell(cell);
    ASSERT_EQ(IDOK, sheet.DoModal());
    sheet.GetCell(cell);
    EXPECT_EQ(600, cell.m_lfFont.lfEscapement);
    EXPECT_EQ(0x24, cell.m_nTextFormat) << "left keeps single line and vertical centre only";
}

TEST(SetCellStyleShTest, LengthOutOfRangeKeepsTheSheetOpen)
{
    CCappCell cell;
    cell.m_nContentKind = CCappCell::kindVariable;
    cell.m_strVarName = "V";
    cell.m_nDataType = 1;
    cell.m_nLength = 20;
    CTestUi ui;
    CDrivenCellSheet sheet(CSetCellStyleSh::kindVariable, [&](CDrivenCellSheet& sh) {
        CTestDlg field = sh.Page(0);
        EXPECT_EQ("20", field.GetText(IDC_CEL_FIELD_LENGTH));
        field.SetText(IDC_CEL_FIELD_LENGTH, "1001");
        sh.PressButton(IDOK);
        EXPECT_EQ(1u, ui.TakeBoxTexts().size()) << "the range message";
        field.SetText(IDC_CEL_FIELD_LENGTH, "1000");
        sh.PressButton(IDOK);
    });
    sheet.SetCell(cell);
    ASSERT_EQ(IDOK, sheet.DoModal());
    sheet.GetCell(cell);
    EXPECT_EQ(1000, cell.m_nLength);
}

namespace
{
// The family the system draws a cell's font with, and its size in points.
void ExpectedFontChoice(const CCappCell& cell, CString& strFamily, int& nPoints)
{
    LOGFONTA lf = cell.m_lfFont;
    lf.lfHeight = static_cast<LONG>(std::lround(cell.m_nFontHeight * CCappDCHelper::GetScreenDotPerTMM()));
    CFont font;
    font.CreateFontIndirect(&lf);
    CClientDC dc(nullptr);
    CFxSelectGuard guard(&dc, &font);
    std::vector<BYTE> buffer(::GetOutlineTextMetricsA(dc.m_hDC, 0, nullptr));
    auto* pMetrics = reinterpret_cast<OUTLINETEXTMETRICA*>(buffer.data());
    if (buffer.size() >= sizeof(OUTLINETEXTMETRICA) &&
        ::GetOutlineTextMetricsA(dc.m_hDC, static_cast<UINT>(buffer.size()), pMetrics) != 0) {
        strFamily = reinterpret_cast<const char*>(buffer.data() + reinterpret_cast<size_t>(pMetrics->otmpFamilyName));
    }
    nPoints = ::MulDiv(std::abs(static_cast<int>(lf.lfHeight)), 72, dc.GetDeviceCaps(LOGPIXELSY));
}
} // namespace

// The font page shows the cell's height as stored, with the sign that says what it measures, and
// stores a typed height at once; a lone minus sign (the start of a negative height) keeps the last
// one. The font dialog opens on the cell's own face and size, and lists no vertical faces.
TEST(SetCellStyleShTest, FontPageShowsStoredHeightsAndTheDialogOpensOnTheCellsFont)
{
    CCappSheet tpl;
    CCappCell* pCell = LoadSampleVar(tpl, "零件名称");
    ASSERT_NE(nullptr, pCell);
    const struct
    {
        const char* szName;
        int nHeight;
        const char* szShown;
        const char* szTyped;
        int nStored;
    } cases[] = {
        {"a character height", -31, "-31", "-40", -40},
        {"a line height", 35, "35", "42", 42},
        {"a sign typed changes what the height measures", 31, "31", "-25", -25},
        {"a lone minus keeps the last height", 31, "31", "-", 31},
        {"a height beyond the spin's range stops at its end", -31, "-31", "-1500", -999},
    };
    CString strFace;
    int nPoints = 0;
    CString strDialogFace;
    CString strDialogSize;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        pCell->m_nFontHeight = c.nHeight;
        CTestUi ui;
        CTestSysDialogs sysDialogs;
        if (c.nHeight < 0) {
            sysDialogs.OnDialog([&](CTestSysDlg& d) {
                strDialogFace = d.GetText(1136); // the face box
                strDialogSize = d.GetText(1138); // the size box
                EXPECT_TRUE(SaveWindowPicture(d.GetHwnd(), "cell-style-font-dialog.png"));
                for (const CString& strFace : d.GetListItems(1136)) {
                    EXPECT_NE('@', strFace[0]) << "a vertical face is listed: " << strFace.GetString();
                }
                d.Cancel();
            });
        }
        CDrivenCellSheet sheet(CSetCellStyleSh::kindVariable, [&](CDrivenCellSheet& sh) {
            CTestDlg font = sh.Page(1);
            EXPECT_STREQ(c.szShown, font.GetText(IDC_CEL_FONT_HEIGHT));
            if (c.nHeight < 0) {
                font.Click(IDC_CEL_FONT_CHOOSE);
            }
            font.SetText(IDC_CEL_FONT_HEIGHT, c.szTyped);
            sh.PressButton(IDOK);
        });
        sheet.SetCell(*pCell);
        ASSERT_EQ(IDOK, sheet.DoModal());
        sheet.GetCell(*pCell);
        EXPECT_EQ(c.nStored, pCell->m_nFontHeight);
        if (c.nHeight < 0) {
            EXPECT_EQ(1, sysDialogs.GetDialogsOpened());
            pCell->m_nFontHeight = c.nHeight;
            ExpectedFontChoice(*pCell, strFace, nPoints);
            EXPECT_STREQ(strFace, strDialogFace);
            EXPECT_EQ(nPoints, std::atoi(strDialogSize));
        }
    }
}
