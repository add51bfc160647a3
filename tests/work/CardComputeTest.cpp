// Computed entries and order texts the editor's menu asks the card view for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CardObj.h"
#include "core/CellDataItem.h"
#include "symedit/CappBaseCtrl.h"
#include "tests/work/CardViewTestHost.h"
#include "work/CardCompute.h"

namespace
{
constexpr const char* kMDName = "工序";
constexpr const char* kNo = "工序号";

void ClickRect(CCappCardView& view, const CRect& rc)
{
    CPoint pt((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    view.LpToDp(pt);
    view.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
}

CString EditorText(CCappCardView& view)
{
    CString strText;
    if (view.m_cellEditor.m_pEditCtrl != nullptr) {
        view.m_cellEditor.m_pEditCtrl->GetData(strText);
    }
    return strText;
}

void SetHead(CCardObj& card, const char* pszName, const char* pszValue)
{
    CString strValue = pszValue;
    card.m_CardData.m_HFData.SetVarData(pszName, strValue);
}
} // namespace

TEST(CardComputeTest, ExpressionsReadValuesAsNumbers)
{
    struct Case
    {
        const char* szName;
        const char* szExpress;
        const char* szB;
        const char* szResult;
    };
    const Case cases[] = {
        {"a product", "[A]*[B]", "3.5", "7"},
        {"text without a leading number counts as 0", "[A]*[B]", "abc", "0"},
        {"a leading number is read up to the text", "[A]*[B]", "3.5kg", "7"},
        {"a sum", "[A]+[B]", "3.5", "5.5"},
        {"an expression the evaluator rejects gives nothing", "[A]*", "3.5", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CStringArray names;
        CStringArray values;
        names.Add("A");
        values.Add("2");
        names.Add("B");
        values.Add(c.szB);
        EXPECT_STREQ(c.szResult, CCardCompute::Compute(c.szExpress, names, values));
    }
}

TEST(CardComputeTest, TheComputedEntryGoesIntoTheEditorAndThenTheCard)
{
    struct Case
    {
        const char* szName;
        int nKind;
        const char* szExpress;
        const char* szB;
        const char* szEditor; // the editor's text afterwards
    };
    const Case cases[] = {
        {"computed from the head values", 4, "[材料牌号]*[毛坯尺寸]", "3.5", "7"},
        {"a value that is no number counts as 0", 4, "[材料牌号]*[毛坯尺寸]", "圆钢", "0"},
        {"a rejected expression leaves the text", 4, "[材料牌号]*", "3.5", "old"},
        {"a cell that is not computed leaves the text", 5, "[材料牌号]*[毛坯尺寸]", "3.5", "old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardViewTestHost host;
        ASSERT_TRUE(host.Open());
        CCappCardView& view = *host.m_pView;
        CCardObj& card = host.Card();
        SetHead(card, "材料牌号", "2");
        SetHead(card, "毛坯尺寸", c.szB);
        SetHead(card, "零件名称", "old");
        CCappCell* pCell = host.FindCell("零件名称");
        ASSERT_NE(nullptr, pCell);
        pCell->m_nCellInt14 = c.nKind;
        pCell->m_strCellText6 = c.szExpress;
        ClickRect(view, view.GetCurSheet()->GetCellRect(pCell));
        ASSERT_NE(nullptr, view.m_cellEditor.m_pEditCtrl);
        ASSERT_STREQ("old", EditorText(view));

        EXPECT_EQ(0, view.SendMessage(CCappCardView::msgCurEditComputer, 0, 0));
        EXPECT_STREQ(c.szEditor, EditorText(view));
        EXPECT_STREQ("old", card.GetHeadVarData("零件名称")) << "the card waits for the edit to end";
        view.m_cellEditor.EndEdit(1);
        EXPECT_STREQ(c.szEditor, card.GetHeadVarData("零件名称"));
    }
}

TEST(CardComputeTest, OrderTextsCountOnFromTheClosestValueAbove)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open(true, 1200, 900));
    CCappCardView& view = *host.m_pView;
    CCardObj& card = host.Card();
    CCappMDData* pData = card.m_CardData.GetMDData(kMDName);
    ASSERT_NE(nullptr, pData);
    const char* const orders[] = {"10", "", "", "20"};
    for (int r = 0; r < 4; ++r) {
        pData->InsertRowData(-1, 0);
        CString strValue = orders[r];
        pData->SetVarData(r, kNo, strValue);
    }
    int bChanged = 0;
    card.ReSetPageCount(bChanged, 1);
    view.ResertCurPage();
    CCappMidData* pArea = static_cast<CCappMidData*>(view.GetCurSheet()->m_MidDataList.GetHead());
    CCappCell* pCell = pArea->GetCellByName(kNo);
    ASSERT_NE(nullptr, pCell);

    struct Case
    {
        const char* szName;
        int nGridRow;
        bool bReadOnly;
        const char* szEditor;
    };
    const Case cases[] = {
        {"empty rows above are passed over", 2, false, "11"},
        {"the row below a value", 1, false, "11"},
        {"past the data the last row counts", 6, false, "21"},
        {"the first row has none", 0, false, ""},
        {"nor does a read-only editor take an empty text", 0, true, "10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        POSITION pos = pCell->m_listCellData.FindIndex(c.nGridRow);
        ASSERT_NE(nullptr, pos);
        ClickRect(view, static_cast<CCellDataItem*>(pCell->m_listCellData.GetAt(pos))->m_rect);
        ASSERT_NE(nullptr, view.m_cellEditor.m_pEditCtrl);
        if (c.bReadOnly) {
            view.m_cellEditor.m_pEditCtrl->ModifyEditStyle(0, 0x80);
        }
        EXPECT_EQ(0, view.SendMessage(CCappCardView::msgSetIndexString, 0, 0));
        EXPECT_STREQ(c.szEditor, EditorText(view));
        view.m_cellEditor.EndEdit(0);
    }
}

TEST(CardComputeTest, TheOtherMenuMessagesChangeNothing)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    SetHead(host.Card(), "零件名称", "old");
    CCappCell* pCell = host.FindCell("零件名称");
    ASSERT_NE(nullptr, pCell);
    ClickRect(view, view.GetCurSheet()->GetCellRect(pCell));
    ASSERT_NE(nullptr, view.m_cellEditor.m_pEditCtrl);
    for (UINT nMsg : {0x50E, 0x50F, 0x510, 0x512, 0x513, 0x515, 0x519, 0x523}) {
        SCOPED_TRACE(nMsg);
        EXPECT_EQ(0, view.SendMessage(nMsg, 0, 0));
        EXPECT_STREQ("old", EditorText(view));
        EXPECT_STREQ("old", host.Card().GetHeadVarData("零件名称"));
    }
}
