// The cell flows of the sheet view on the bundled process card, answered as the user would: the
// cell style sheet on a variable cell (a used name refused, every page in the saved file, Cancel
// changing nothing), static and graphic cells made, edited and removed, automatic variable names,
// the profile defaults, properties by name, one style for a tracked area, and the line undo
// history that adding a cell ends.
#include "tests/designer/sheet/CellToolTestFixture.h"

#include <algorithm>

#include "basedlg/res/resource.h"
#include "core/CappLine.h"
#include "designer/cells/SetCellStyleSh.h"
#include "designer/template/TemplateFile.h"
#include "platform/win/Menu.h"
#include "tests/support/TempFolder.h"

namespace
{
struct Snapshot
{
    CString strVar;
    int nDataType, nDecimals, bTrimZero, nDataPos, nFormat, nDisplay, nEditFlags;
    LONG lEscapement;
    bool operator==(const Snapshot& o) const
    {
        return strVar == o.strVar && nDataType == o.nDataType && nDecimals == o.nDecimals && bTrimZero == o.bTrimZero &&
               nDataPos == o.nDataPos && nFormat == o.nFormat && nDisplay == o.nDisplay && nEditFlags == o.nEditFlags &&
               lEscapement == o.lEscapement;
    }
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

// The user's edits on every page of a variable cell's sheet.
void EditAllPages(CPropertySheet& sh)
{
    CTestDlg field = CTestSheets::Page(sh, 0);
    field.SetText(IDC_CEL_FIELD_NAME, "D1");
    field.SelectCombo(IDC_CEL_FIELD_TYPE, 2);
    field.SetText(IDC_CEL_FIELD_DECIMALS, "2");
    if (!field.IsChecked(IDC_CEL_FIELD_TRIM_ZERO)) {
        field.Click(IDC_CEL_FIELD_TRIM_ZERO);
    }
    field.Click(IDC_CEL_FIELD_POS_PAGE);
    CTestDlg text = CTestSheets::Page(sh, 2);
    text.SetText(IDC_CEL_TEXT_ANGLE, "45");
    text.Click(IDC_CEL_TEXT_RIGHT);
    text.Click(IDC_CEL_TEXT_BOTTOM);
    CTestDlg display = CTestSheets::Page(sh, 3);
    if (!display.IsChecked(IDC_CEL_DIS_WRAP)) {
        display.Click(IDC_CEL_DIS_WRAP);
    }
    CTestDlg ext = CTestSheets::Page(sh, 4);
    if (ext.IsChecked(IDC_CEL_EXT_EDIT)) {
        ext.Click(IDC_CEL_EXT_EDIT);
    }
}

const std::vector<CString> kVariableTabs = {"变量", "文本", "格式", "显示方式", "扩展属性"};
const std::vector<CString> kStaticTabs = {"静态文本", "文本", "格式"};
} // namespace

TEST_F(CCellToolTest, VariableCellSheetRefusesAUsedNameAndItsPagesReachTheFile)
{
    CCappCell* pCell = FindCell(CCappCell::kindVariable, "零件名称");
    ASSERT_NE(nullptr, pCell);
    const int nCells = CountCells();
    Click(CentreOf(pCell));
    EXPECT_TRUE(Update(ID_SHEET_CELL_EDIT).m_bEnabled) << "a cell at the selection: properties enabled";

    CTestUi ui;
    CTestSheets sheets;
    std::vector<CString> tabs;
    sheets.OnSheet([&](CPropertySheet& sh) {
        tabs = CTestSheets::TabTexts(sh);
        EditAllPages(sh);
        CTestDlg field = CTestSheets::Page(sh, 0);
        field.SetText(IDC_CEL_FIELD_NAME, "零件图号");
        CTestSheets::Press(sh, IDOK);
        EXPECT_EQ(std::vector<CString>{"当前变量名已使用！"}, ui.TakeBoxTexts());
        EXPECT_TRUE(::IsWindowVisible(sh.m_hWnd)) << "the sheet stays open";
        EXPECT_EQ("零件图号", field.GetText(IDC_CEL_FIELD_NAME));
        field.SetText(IDC_CEL_FIELD_NAME, "D1");
        CTestSheets::Press(sh, IDOK);
    });
    Command(ID_SHEET_CELL_EDIT);
    EXPECT_EQ(1, sheets.GetSheetsOpened());
    EXPECT_EQ(kVariableTabs, tabs);
    EXPECT_TRUE(ui.TakeBoxTexts().empty());
    EXPECT_EQ(CCappSheetDefView::saveStateChanged, m_pView->GetSaveState());
    EXPECT_EQ(nCells, CountCells());
    ExpectEdited(*pCell);
    EXPECT_NE(nullptr, m_pSheet->m_PageCellList.Find(pCell)) << "a page cell now";
    EXPECT_EQ(nullptr, m_pSheet->m_HeadCellList.Find(pCell));

    CTestTempFolder folder;
    CString strError;
    const CString strPath = folder.PathOf("Edited.znt");
    ASSERT_TRUE(CTemplateFile::Save(strPath, *m_pSheet, strError)) << strError.GetString();
    CCappSheet back;
    ASSERT_TRUE(CTemplateFile::Load(strPath, back, strError)) << strError.GetString();
    const CCappCell* pBack = nullptr;
    for (POSITION pos = back.m_PageCellList.GetHeadPosition(); pos != nullptr;) {
        auto* p = static_cast<CCappCell*>(back.m_PageCellList.GetNext(pos));
        pBack = p->m_strVarName == "D1" ? p : pBack;
    }
    ASSERT_NE(nullptr, pBack);
    ExpectEdited(*pBack);
}

TEST_F(CCellToolTest, CancelledSheetsLeaveTheTemplateUnchanged)
{
    CCappCell* pCell = FindCell(CCappCell::kindVariable, "零件名称");
    ASSERT_NE(nullptr, pCell);
    const Snapshot before = Take(*pCell);
    const int nCells = CountCells();
    Click(CentreOf(pCell));
    CTestUi ui;
    CTestSheets sheets;
    sheets.OnSheet([&](CPropertySheet& sh) {
        EditAllPages(sh);
        CTestSheets::Press(sh, IDCANCEL);
    });
    Command(ID_SHEET_CELL_EDIT);
    // A new cell made for a cancelled sheet goes again.
    const std::vector<CCappRange> empty = EmptyRanges();
    ASSERT_FALSE(empty.empty());
    sheets.OnSheet([&](CPropertySheet& sh) {
        CTestSheets::Page(sh, 0).SetText(IDC_CEL_FIELD_NAME, "D7");
        CTestSheets::Press(sh, IDCANCEL);
    });
    Command(ID_SHEET_CELL_VARIABLE_TOOL);
    Click(empty[0].m_rect.CenterPoint());

    EXPECT_EQ(2, sheets.GetSheetsOpened());
    EXPECT_TRUE(before == Take(*pCell));
    EXPECT_EQ(nCells, CountCells());
    EXPECT_EQ(CCappSheetDefView::saveStateSaved, m_pView->GetSaveState());
}

// Each role tool makes a cell of its kind on an empty range, and the tool stays armed; the
// properties command edits it again, and an emptied text or name removes it.
TEST_F(CCellToolTest, RoleToolsMakeCellsThatPropertiesEditAndEmptyingRemoves)
{
    const std::vector<CCappRange> empty = FreeRanges(3);
    ASSERT_GE(empty.size(), 3u);
    struct RoleCase
    {
        const char* szName;
        UINT nToolID;
        int nMode;
        int nKind;
        const char* szValue;
    };
    const RoleCase cases[] = {
        {"static text", ID_SHEET_CELL_STATIC_TOOL, CSheetViewAux::modeStaticTool, CCappCell::kindStatic, "刀具"},
        {"card variable", ID_SHEET_CELL_VARIABLE_TOOL, CSheetViewAux::modeVariableTool, CCappCell::kindVariable, "D9"},
        {"graphic variable", ID_SHEET_CELL_IMAGE_TOOL, CSheetViewAux::modeImageTool, CCappCell::kindImage, "图1"},
    };
    CTestUi ui;
    CTestSheets sheets;
    // The user types the value into the text, name or field box, or empties it.
    auto answer = [&](int nKind, const char* pszValue) {
        if (nKind == CCappCell::kindImage) {
            ui.OnDialog(IDD_IMAGE_VAR, [=](CTestDlg& dlg) {
                dlg.SetText(IDC_IMAGE_VAR_NAME, pszValue);
                dlg.Ok();
            });
            return;
        }
        sheets.OnSheet([=](CPropertySheet& sh) {
            CTestSheets::Page(sh, 0).SetText(nKind == CCappCell::kindStatic ? IDC_CEL_STATIC_TEXT : IDC_CEL_FIELD_NAME,
                                             pszValue);
            CTestSheets::Press(sh, IDOK);
        });
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const RoleCase& c = cases[i];
        SCOPED_TRACE(c.szName);
        const CPoint pt = empty[i].m_rect.CenterPoint();
        const int nCells = CountCells();
        m_pView->SetSaveState(CCappSheetDefView::saveStateSaved);
        Command(c.nToolID);
        answer(c.nKind, c.szValue);
        Click(pt);
        EXPECT_EQ(c.nMode, m_pView->m_nEditMode) << "the tool stays armed";
        CCappCell* pCell = CellAt(pt);
        ASSERT_NE(nullptr, pCell);
        EXPECT_EQ(c.nKind, pCell->m_nContentKind);
        EXPECT_STREQ(c.szValue, (c.nKind == CCappCell::kindStatic ? pCell->m_strText : pCell->m_strVarName));
        EXPECT_EQ(CCappCell::seatHead, pCell->m_nDataPos);
        EXPECT_EQ(nCells + 1, CountCells());
        EXPECT_EQ(CCappSheetDefView::saveStateChanged, m_pView->GetSaveState());

        Command(ID_SHEET_CELL_SELECT_TOOL);
        Click(pt);
        answer(c.nKind, "");
        Command(ID_SHEET_CELL_PROPERTIES);
        EXPECT_EQ(nullptr, CellAt(pt)) << "emptied: removed";
        EXPECT_EQ(nCells, CountCells());
    }
}

// With automatic names on, a new variable right of a label, else below one, is named after it,
// without blanks, with "!" appended while the name is taken; off, nothing is proposed.
TEST_F(CCellToolTest, NewVariablesAreNamedAfterTheirLabel)
{
    CCappCell* pLabel = FindCell(CCappCell::kindStatic, "零件名称");
    CCappCell* pLabel2 = FindCell(CCappCell::kindStatic, "材料牌号");
    ASSERT_NE(nullptr, pLabel);
    ASSERT_NE(nullptr, pLabel2);
    const CRect rcLabel = m_pSheet->GetCellRect(pLabel);
    const CRect rcLabel2 = m_pSheet->GetCellRect(pLabel2);
    const CPoint ptVar(rcLabel.right + 5, rcLabel.CenterPoint().y);
    const CPoint ptVar2(rcLabel2.right + 5, rcLabel2.CenterPoint().y);
    ASSERT_NE(nullptr, CellAt(ptVar));
    ASSERT_NE(nullptr, CellAt(ptVar2));
    m_pView->m_aux.RemoveCell(CellAt(ptVar), FALSE);
    m_pView->m_aux.RemoveCell(CellAt(ptVar2), FALSE);

    CTestUi ui;
    CTestSheets sheets;
    // The second label becomes "零件 名称", a blank inside.
    sheets.OnSheet([&](CPropertySheet& sh) {
        CTestSheets::Page(sh, 0).SetText(IDC_CEL_STATIC_TEXT, "零件 名称");
        CTestSheets::Press(sh, IDOK);
    });
    Click(CentreOf(pLabel2));
    Command(ID_SHEET_CELL_EDIT);

    struct NameCase
    {
        const char* szName;
        int nAuto;
        CPoint pt;
        const char* szProposed;
        BOOL bKeep;
    };
    const NameCase cases[] = {
        {"right of the label", 1, ptVar, "零件名称", TRUE},
        {"the same label again, with a blank", 1, ptVar2, "零件名称!", FALSE},
        {"automatic names off", 0, ptVar2, "", FALSE},
        {"below a label, none beside it", 1, rcLabel2.CenterPoint(), "零件名称!", FALSE},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.szName);
        if (c.pt == rcLabel2.CenterPoint()) {
            m_pView->m_aux.RemoveCell(pLabel2, FALSE);
        }
        m_app.WriteProfileInt("DesignOption", "AutoVarName", c.nAuto);
        CString strShown;
        sheets.OnSheet([&](CPropertySheet& sh) {
            strShown = CTestSheets::Page(sh, 0).GetText(IDC_CEL_FIELD_NAME);
            CTestSheets::Press(sh, c.bKeep ? IDOK : IDCANCEL);
        });
        Command(ID_SHEET_CELL_VARIABLE_TOOL);
        Click(c.pt);
        Command(ID_SHEET_CELL_SELECT_TOOL);
        EXPECT_STREQ(c.szProposed, strShown.GetString());
        EXPECT_EQ(c.bKeep, CellAt(c.pt) != nullptr);
    }
}

// A new cell takes its font and format from the profile section of its kind, and an OK writes
// the cell's back.
TEST_F(CCellToolTest, NewCellsTakeTheProfileDefaultsAndOkWritesThemBack)
{
    const std::vector<CCappRange> empty = FreeRanges(2);
    ASSERT_GE(empty.size(), 2u);
    struct DefaultCase
    {
        const char* szName;
        const char* szSection;
        UINT nToolID;
        int nValueID;
    };
    const DefaultCase cases[] = {
        {"static text", "StaticCellBaseSet", ID_SHEET_CELL_STATIC_TOOL, IDC_CEL_STATIC_TEXT},
        {"card variable", "CellVarBaseSet", ID_SHEET_CELL_VARIABLE_TOOL, IDC_CEL_FIELD_NAME},
    };
    CTestUi ui;
    CTestSheets sheets;
    for (size_t i = 0; i < std::size(cases); ++i) {
        const DefaultCase& c = cases[i];
        SCOPED_TRACE(c.szName);
        m_app.WriteProfileString(c.szSection, "FontName", "黑体");
        m_app.WriteProfileInt(c.szSection, "FontHeight", 50);
        m_app.WriteProfileInt(c.szSection, "TextFormat", 0x35);
        CCappCell shown;
        sheets.OnSheet([&](CPropertySheet& sh) {
            auto* pCellSheet = dynamic_cast<CSetCellStyleSh*>(&sh);
            ASSERT_NE(nullptr, pCellSheet);
            shown = pCellSheet->m_cell;
            CTestSheets::Page(sh, 0).SetText(c.nValueID, "X1");
            // Left alignment: single line, the vertical centre kept, the other bits dropped.
            CTestSheets::Page(sh, 2).Click(IDC_CEL_TEXT_LEFT);
            CTestSheets::Press(sh, IDOK);
        });
        Command(c.nToolID);
        Click(empty[i].m_rect.CenterPoint());
        EXPECT_STREQ("黑体", shown.m_lfFont.lfFaceName);
        EXPECT_EQ(50, shown.m_nFontHeight);
        EXPECT_EQ(0x35, shown.m_nTextFormat);
        EXPECT_EQ(0x24, static_cast<int>(m_app.GetProfileInt(c.szSection, "TextFormat", 0)));
        EXPECT_STREQ("黑体", m_app.GetProfileString(c.szSection, "FontName", "").GetString());
    }
}

// Adding a cell makes the line edits before it no longer undoable; removing one does not.
TEST_F(CCellToolTest, AddingACellEndsLineUndoRemovingDoesNot)
{
    const std::vector<CCappRange> empty = FreeRanges(2);
    ASSERT_GE(empty.size(), 2u);
    struct UndoCase
    {
        const char* szName;
        const char* szText;
        BOOL bUndoable;
    };
    const UndoCase cases[] = {
        {"adding a static text", "新增", FALSE},
        {"removing it by an empty text", "", TRUE},
    };
    CTestUi ui;
    CTestSheets sheets;
    const CCappRange& range = empty[0];
    for (size_t i = 0; i < std::size(cases); ++i) {
        const UndoCase& c = cases[i];
        SCOPED_TRACE(c.szName);
        // A line ruled across the second empty range, recorded for undo.
        const CCappRange& ruled = empty[1];
        const int nX = ruled.m_rect.left + ruled.m_rect.Width() * static_cast<int>(i + 1) / 4;
        ASSERT_NE(nullptr,
                  m_pSheet->AddCellLineBySpace(2, -1, nX, ruled.m_pTopLine->m_nID, ruled.m_pBottomLine->m_nID, 1));
        ASSERT_TRUE(m_pSheet->m_DefUndo.CanUndo());
        sheets.OnSheet([&](CPropertySheet& sh) {
            CTestSheets::Page(sh, 0).SetText(IDC_CEL_STATIC_TEXT, c.szText);
            CTestSheets::Press(sh, IDOK);
        });
        Click(range.m_rect.CenterPoint());
        Command(ID_SHEET_CELL_STATIC);
        EXPECT_EQ(c.bUndoable, m_pSheet->m_DefUndo.CanUndo());
        EXPECT_EQ(c.szText[0] != 0, CellAt(range.m_rect.CenterPoint()) != nullptr);
    }
}

TEST_F(CCellToolTest, PropertiesByNameOpenTheNamedCellOrSayItIsMissing)
{
    struct ByNameCase
    {
        const char* szName;
        const char* szTyped;
        int nSheets;
        std::vector<CString> boxes;
    };
    const ByNameCase cases[] = {
        {"a card variable of the list", "零件名称", 1, {}},
        {"a name not in the list", "无此变量", 0, {"找不到 CELL 无此变量"}},
    };
    for (const ByNameCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        CTestSheets sheets;
        CString strTitle;
        CString strPrompt;
        ui.OnDialog(IDD_SELDATA, [&](CTestDlg& dlg) {
            strTitle = dlg.GetCaption();
            strPrompt = dlg.GetText(IDC_SELDATA_PROMPT);
            dlg.SetText(IDC_SELDATA_EDIT, c.szTyped);
            dlg.Ok();
        });
        CString strShown;
        if (c.nSheets > 0) {
            sheets.OnSheet([&](CPropertySheet& sh) {
                strShown = CTestSheets::Page(sh, 0).GetText(IDC_CEL_FIELD_NAME);
                CTestSheets::Press(sh, IDCANCEL);
            });
        }
        Command(ID_SHEET_CELL_BY_NAME);
        EXPECT_STREQ("设置单元格属性", strTitle.GetString());
        EXPECT_STREQ("请选择（输入）变量名：", strPrompt.GetString());
        EXPECT_EQ(c.nSheets, sheets.GetSheetsOpened());
        EXPECT_EQ(c.nSheets > 0 ? CString(c.szTyped) : CString(), strShown);
        EXPECT_EQ(c.boxes, ui.TakeBoxTexts());
    }
}

// Properties of a tracked area set one style on every cell inside it.
TEST_F(CCellToolTest, PropertiesOfATrackedAreaStyleEveryCellInside)
{
    CCappCell* pLabel = FindCell(CCappCell::kindStatic, "零件名称");
    ASSERT_NE(nullptr, pLabel);
    const CRect rcLabel = m_pSheet->GetCellRect(pLabel);
    const CPoint ptFar(rcLabel.right + 5, rcLabel.bottom + 5);
    const CRect rcArea(rcLabel.TopLeft(), RangeAt(ptFar).m_rect.BottomRight());
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, rcLabel.CenterPoint());
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, ptFar);
    Mouse(WM_LBUTTONUP, 0, ptFar);
    ASSERT_FALSE(CSheetDefRangeFun::IsEmpty(m_pView->m_rangeTrack));

    std::vector<CCappCell*> inside;
    std::vector<int> outsideFormats;
    for (CObList* pList : {&m_pSheet->m_HeadCellList, &m_pSheet->m_PageCellList}) {
        for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
            auto* pCell = static_cast<CCappCell*>(pList->GetNext(pos));
            CRect rc = m_pSheet->GetCellRect(pCell);
            if (rc.left >= rcArea.left && rc.top >= rcArea.top && rc.right <= rcArea.right &&
                rc.bottom <= rcArea.bottom) {
                inside.push_back(pCell);
            } else {
                outsideFormats.push_back(pCell->m_nTextFormat);
            }
        }
    }
    ASSERT_EQ(4u, inside.size()) << "two labels and their variables";

    CTestUi ui;
    CTestSheets sheets;
    sheets.OnSheet([&](CPropertySheet& sh) {
        CTestDlg page = CTestSheets::Page(sh, 0);
        page.Click(IDC_CEL_TEXT_RIGHT);
        page.Click(IDC_CEL_TEXT_BOTTOM);
        CTestSheets::Press(sh, IDOK);
    });
    Command(ID_SHEET_CELL_EDIT);
    EXPECT_EQ(1, sheets.GetSheetsOpened());
    for (const CCappCell* pCell : inside) {
        EXPECT_EQ(0x2A, pCell->m_nTextFormat) << pCell->m_strText.GetString() << pCell->m_strVarName.GetString();
    }
    std::vector<int> outsideAfter;
    for (CObList* pList : {&m_pSheet->m_HeadCellList, &m_pSheet->m_PageCellList}) {
        for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
            auto* pCell = static_cast<CCappCell*>(pList->GetNext(pos));
            if (std::find(inside.begin(), inside.end(), pCell) == inside.end()) {
                outsideAfter.push_back(pCell->m_nTextFormat);
            }
        }
    }
    EXPECT_EQ(outsideFormats, outsideAfter) << "cells outside keep theirs";
    EXPECT_EQ(CCappSheetDefView::saveStateChanged, m_pView->GetSaveState());
}

// The context menu's role and property items are enabled with a selection.
TEST_F(CCellToolTest, TheContextMenusRoleItemsAreEnabled)
{
    const CCappCell* pLabel = FindCell(CCappCell::kindStatic, "零件名称");
    ASSERT_NE(nullptr, pLabel);
    Click(CentreOf(pLabel));
    CMenu menu;
    int nPopup = -1;
    ASSERT_TRUE(m_pView->BuildContextMenu(menu, nPopup));
    CMenu* pPopup = menu.GetSubMenu(nPopup);
    ASSERT_NE(nullptr, pPopup);
    for (UINT nID : {ID_SHEET_CELL_STATIC, ID_SHEET_CELL_VARIABLE, ID_SHEET_CELL_IMAGE, ID_SHEET_CELL_PROPERTIES}) {
        EXPECT_EQ(0u, ::GetMenuState(pPopup->m_hMenu, nID, MF_BYCOMMAND) & MF_GRAYED) << nID;
    }
}

namespace
{
std::vector<CString> VariablesOf(const CCappMidData& mid)
{
    std::vector<CString> names;
    for (POSITION pos = mid.m_listMidCell.GetHeadPosition(); pos != nullptr;) {
        const auto* pCell = static_cast<const CCappCell*>(mid.m_listMidCell.GetNext(pos));
        if (pCell->m_nContentKind == CCappCell::kindVariable) {
            names.push_back(pCell->m_strVarName);
        }
    }
    return names;
}

CCappCell* FirstVariableOf(const CCappMidData& mid)
{
    for (POSITION pos = mid.m_listMidCell.GetHeadPosition(); pos != nullptr;) {
        auto* pCell = static_cast<CCappCell*>(mid.m_listMidCell.GetNext(pos));
        if (pCell->m_nContentKind == CCappCell::kindVariable) {
            return pCell;
        }
    }
    return nullptr;
}
} // namespace

// A variable cell of a continuation area is bound to one of its source area's variables, picked
// from a list after an empty entry; the empty entry removes it.
TEST_F(CCellToolTest, ContinuationCellsPickASourceVariable)
{
    ASSERT_FALSE(m_pSheet->m_MidDataList.IsEmpty());
    auto* pMid = static_cast<CCappMidData*>(m_pSheet->m_MidDataList.GetHead());
    // The area continues itself, so its own variables are the offer.
    pMid->m_nExtFlag = 1;
    pMid->m_strSrcName = pMid->m_strName;
    CCappCell* pVar = FirstVariableOf(*pMid);
    ASSERT_NE(nullptr, pVar);
    const CPoint pt = CentreOf(pVar);
    m_pView->m_aux.RemoveCell(pVar, FALSE);
    std::vector<CString> offer = {""};
    for (const CString& strName : VariablesOf(*pMid)) {
        offer.push_back(strName);
    }
    ASSERT_GE(offer.size(), 2u);

    struct PickCase
    {
        const char* szName;
        CString strPick;
        BOOL bCell;
    };
    const PickCase cases[] = {
        {"a source variable on an empty range", offer[1], TRUE},
        {"the empty entry on that cell", "", FALSE},
    };
    for (const PickCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        std::vector<CString> shown;
        CString strTitle;
        ui.OnDialog(IDD_SELDATA, [&](CTestDlg& dlg) {
            strTitle = dlg.GetCaption();
            EXPECT_EQ("选择源表中的表格变量：", dlg.GetText(IDC_SELDATA_PROMPT));
            int nPick = -1;
            for (int i = 0; i < dlg.GetComboCount(IDC_SELDATA_LIST); ++i) {
                shown.push_back(dlg.GetComboText(IDC_SELDATA_LIST, i));
                nPick = shown.back() == c.strPick && nPick < 0 ? i : nPick;
            }
            dlg.SelectCombo(IDC_SELDATA_LIST, nPick);
            dlg.Ok();
        });
        Click(pt);
        Command(ID_SHEET_CELL_VARIABLE);
        EXPECT_STREQ("变量关联", strTitle.GetString());
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(CString(), shown[0]) << "an empty first entry";
        EXPECT_EQ(offer.size() + (c.bCell ? 0 : 1), shown.size());
        CCappCell* pCell = CellAt(pt);
        EXPECT_EQ(c.bCell, pCell != nullptr);
        if (pCell != nullptr) {
            EXPECT_EQ(c.strPick, pCell->m_strVarName);
            EXPECT_EQ(CCappCell::seatMidData, pCell->m_nDataPos);
            EXPECT_NE(nullptr, pMid->m_listMidCell.Find(pCell));
        }
    }
}

// In a detail area a graphic variable, made or edited, stays a cell of the area; a static text is a
// head cell, drawn once a page.
TEST_F(CCellToolTest, DetailAreaCellsKeepTheirOwner)
{
    ASSERT_FALSE(m_pSheet->m_MidDataList.IsEmpty());
    auto* pMid = static_cast<CCappMidData*>(m_pSheet->m_MidDataList.GetHead());
    CCappCell* pVar = FirstVariableOf(*pMid);
    ASSERT_NE(nullptr, pVar);
    const CPoint pt = CentreOf(pVar);
    m_pView->m_aux.RemoveCell(pVar, FALSE);
    struct OwnerCase
    {
        const char* szName;
        UINT nID;
        const char* szValue;
        int nKind;
        int nSeat;
    };
    const OwnerCase cases[] = {
        {"a new graphic variable", ID_SHEET_CELL_IMAGE, "图2", CCappCell::kindImage, CCappCell::seatMidData},
        {"the graphic variable edited", ID_SHEET_CELL_IMAGE, "图3", CCappCell::kindImage, CCappCell::seatMidData},
        {"a static text after it went", ID_SHEET_CELL_STATIC, "备注", CCappCell::kindStatic, CCappCell::seatHead},
    };
    for (const OwnerCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        CTestSheets sheets;
        if (c.nKind == CCappCell::kindImage) {
            ui.OnDialog(IDD_IMAGE_VAR, [&](CTestDlg& dlg) {
                dlg.SetText(IDC_IMAGE_VAR_NAME, c.szValue);
                dlg.Ok();
            });
        } else {
            if (CCappCell* pOld = CellAt(pt)) {
                m_pView->m_aux.RemoveCell(pOld, FALSE);
            }
            sheets.OnSheet([&](CPropertySheet& sh) {
                CTestSheets::Page(sh, 0).SetText(IDC_CEL_STATIC_TEXT, c.szValue);
                CTestSheets::Press(sh, IDOK);
            });
        }
        Click(pt);
        Command(c.nID);
        CCappCell* pCell = CellAt(pt);
        ASSERT_NE(nullptr, pCell);
        EXPECT_EQ(c.nKind, pCell->m_nContentKind);
        EXPECT_STREQ(c.szValue, (c.nKind == CCappCell::kindStatic ? pCell->m_strText : pCell->m_strVarName));
        EXPECT_EQ(c.nSeat, pCell->m_nDataPos);
        const CObList& list = c.nSeat == CCappCell::seatMidData ? pMid->m_listMidCell : m_pSheet->m_HeadCellList;
        EXPECT_NE(nullptr, list.Find(pCell));
    }
}
