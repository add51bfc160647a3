// The card view's resource and product-data menu items reaching a host's data-source hooks, and
// the row text of a cell's current values sent with a request.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CellDataItem.h"
#include "core/CellIndexItem.h"
#include "core/RelResItem.h"
#include "core/RelVarFormat.h"
#include "symedit/CappBaseCtrl.h"
#include "tests/support/UiDriver.h"
#include "tests/work/CardViewTestHost.h"

namespace
{
// A host's view whose data sources answer with set texts and record each question.
class CAnsweringView : public CCappCardView
{
public:
    int GetIDIData(CCappCell* pCell, int nRow, CString& strData, CString& strFormat, int nFlag) override
    {
        m_calls.push_back("IDI " + Name(pCell) + " " + std::to_string(nRow) + " " + std::to_string(nFlag));
        strData = m_strData.c_str();
        strFormat = m_strFormat.c_str();
        return m_nResult;
    }
    int GetOtherTbData(CCappCell* pCell, int nRow, CString& strData, CString& strFormat) override
    {
        m_calls.push_back("TB " + Name(pCell) + " " + std::to_string(nRow));
        strData = m_strData.c_str();
        strFormat = m_strFormat.c_str();
        return m_nResult;
    }
    int GetPDMData(CCappCell* pCell, CString& strData, CStringArray& arrValues) override
    {
        m_calls.push_back("PDM " + Name(pCell));
        strData = m_strData.c_str();
        for (const std::string& strValue : m_values) {
            arrValues.Add(strValue.c_str());
        }
        return m_nResult;
    }

    std::vector<std::string> m_calls;
    std::string m_strData;
    std::string m_strFormat;
    std::vector<std::string> m_values;
    int m_nResult = 1;

private:
    static std::string Name(const CCappCell* pCell) { return pCell != nullptr ? pCell->m_strVarName.GetString() : "-"; }
};

void SetHead(CCardObj& card, const char* pszName, const char* pszValue)
{
    CString strValue = pszValue;
    card.m_CardData.m_HFData.SetVarData(pszName, strValue);
}

void SelectHead(CCardViewTestHost& host, const char* pszVar)
{
    CCappCell* pCell = host.FindCell(pszVar);
    ASSERT_NE(nullptr, pCell);
    CRect rc = host.m_pView->GetCurSheet()->GetCellRect(pCell);
    CPoint pt((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    host.m_pView->LpToDp(pt);
    host.m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    ASSERT_EQ(pCell, host.m_pView->m_pCurCell);
    ASSERT_NE(nullptr, host.m_pView->m_cellEditor.m_pEditCtrl);
}

CString EditorText(CCappCardView& view)
{
    CString strText;
    if (view.m_cellEditor.m_pEditCtrl != nullptr) {
        view.m_cellEditor.m_pEditCtrl->GetData(strText);
    }
    return strText;
}

CRelResItem* AddRes(CCappCell* pCell)
{
    auto* pRes = new CRelResItem;
    pRes->m_strName = "res";
    pCell->m_listRelRes.AddTail(pRes);
    return pRes;
}

using Strings = std::vector<std::string>;
} // namespace

TEST(CardResHooksTest, TheResourceItemAsksTheHookOfTheCellsKind)
{
    const std::string strRow = "<BODY>\r\n<ROW>\r\n<COLITEM NAME='零件名称'><![CDATA[轴/*套*/]]></COLITEM>\r\n"
                               "<COLITEM NAME='材料牌号'><![CDATA[45钢]]></COLITEM></ROW></BODY>";
    struct Case
    {
        const char* szName;
        int nResKind;
        int nResult;
        const char* szData;
        const char* szFormat;
        Strings calls;
        const char* szEditor;
        const char* szNeighbour;
    };
    const Case cases[] = {
        {"knowledge base, row format", 1, 1, strRow.c_str(), "FDataML", {"IDI 零件名称 0 0"}, "轴", "45钢"},
        {"related resource, plain text", 4, 1, "M8", "TEXT", {"TB 零件名称 0"}, "M8", "Q235"},
        {"related resource of kind 5", 5, 1, "M8", "", {"TB 零件名称 0"}, "M8", "Q235"},
        {"a hook that says no", 4, 0, "M8", "TEXT", {"TB 零件名称 0"}, "old", "Q235"},
        {"a hook without data", 1, 1, "", "TEXT", {"IDI 零件名称 0 0"}, "old", "Q235"},
        {"product data is no resource here", 2, 1, "M8", "TEXT", {}, "old", "Q235"},
        {"no resource kind", 0, 1, "M8", "TEXT", {}, "old", "Q235"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardViewTestHost host;
        auto* pView = new CAnsweringView;
        ASSERT_TRUE(host.Open(true, 900, 640, pView));
        SetHead(host.Card(), "零件名称", "old");
        SetHead(host.Card(), "材料牌号", "Q235");
        CCappCell* pCell = host.FindCell("零件名称");
        pCell->m_byCellByte = static_cast<BYTE>(c.nResKind);
        pCell->m_wCellWord = 1;
        SelectHead(host, "零件名称");
        pView->m_nResult = c.nResult;
        pView->m_strData = c.szData;
        pView->m_strFormat = c.szFormat;

        EXPECT_EQ(0, pView->SendMessage(CCappCardView::msgPopupCurEditRes, 0, 0));
        EXPECT_EQ(c.calls, pView->m_calls);
        EXPECT_STREQ(c.szEditor, EditorText(*pView));
        EXPECT_STREQ(c.szNeighbour, host.Card().GetHeadVarData("材料牌号"));
    }
}

TEST(CardResHooksTest, TheProductDataItemAsksThePdmHook)
{
    struct Case
    {
        const char* szName;
        bool bHasRes;
        int nResult;
        const char* szData;
        Strings calls;
        const char* szEditor;
    };
    const Case cases[] = {
        {"a text from the hook", true, 1, "PDM-7", {"PDM 零件名称"}, "PDM-7"},
        {"an empty text", true, 1, "", {"PDM 零件名称"}, "old"},
        {"a refusal", true, 0, "PDM-7", {"PDM 零件名称"}, "old"},
        {"a cell without related resources asks nothing", false, 1, "PDM-7", {}, "old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardViewTestHost host;
        auto* pView = new CAnsweringView;
        ASSERT_TRUE(host.Open(true, 900, 640, pView));
        SetHead(host.Card(), "零件名称", "old");
        CCappCell* pCell = host.FindCell("零件名称");
        pCell->m_wCellWord = 1;
        if (c.bHasRes) {
            AddRes(pCell);
        }
        SelectHead(host, "零件名称");
        pView->m_nResult = c.nResult;
        pView->m_strData = c.szData;

        EXPECT_EQ(0, pView->SendMessage(CCappCardView::msgPopupCurEditPdm, 0, 0));
        EXPECT_EQ(c.calls, pView->m_calls);
        EXPECT_STREQ(c.szEditor, EditorText(*pView));
        EXPECT_STREQ("old", host.Card().GetHeadVarData("零件名称"));
    }
}

TEST(CardResHooksTest, ProductDataValuesGoToTheVariablesOfTheResource)
{
    CCardViewTestHost host;
    auto* pView = new CAnsweringView;
    ASSERT_TRUE(host.Open(true, 900, 640, pView));
    for (const char* pszVar : {"零件名称", "材料牌号", "零件图号"}) {
        SetHead(host.Card(), pszVar, "old");
    }
    CCappCell* pCell = host.FindCell("零件名称");
    pCell->m_wCellWord = 1;
    CRelResItem* pRes = AddRes(pCell);
    for (const char* pszVar : {"材料牌号", "无此变量", "零件图号"}) {
        auto* pFormat = new CRelVarFormat;
        pFormat->m_strColumn = pszVar;
        pRes->m_listFormat.AddTail(pFormat);
    }
    SelectHead(host, "零件名称");
    pView->m_strData = "输出轴";
    pView->m_values = {"45钢", "x", "ZQ-2031"};

    CTestUi ui;
    EXPECT_EQ(0, pView->SendMessage(CCappCardView::msgPopupCurEditPdm, 0, 0));
    EXPECT_STREQ("输出轴", EditorText(*pView));
    EXPECT_STREQ("45钢", host.Card().GetHeadVarData("材料牌号"));
    EXPECT_STREQ("ZQ-2031", host.Card().GetHeadVarData("零件图号"));
    // The variable without a cell is reported and the rest still stored.
    ASSERT_EQ(1u, ui.GetBoxes().size());
    EXPECT_STREQ("存储数据出错，找不到卡片变量 无此变量 ！", ui.GetBoxes()[0].strText);
    EXPECT_STREQ("提示", ui.GetBoxes()[0].strCaption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), ui.GetBoxes()[0].nType & (MB_TYPEMASK | MB_ICONMASK));
    // The editor's own cell gets its text when the edit ends.
    EXPECT_STREQ("old", host.Card().GetHeadVarData("零件名称"));
}

TEST(CardResHooksTest, TheViewsOwnHooksGiveNothing)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    CString strData = "kept";
    CString strFormat = "kept";
    CStringArray arrValues;
    EXPECT_EQ(0, view.GetIDIData(nullptr, 0, strData, strFormat, 0));
    EXPECT_EQ(0, view.GetOtherTbData(nullptr, 0, strData, strFormat));
    EXPECT_EQ(1, view.GetPDMData(nullptr, strData, arrValues));
    EXPECT_STREQ("kept", strData);
    EXPECT_STREQ("kept", strFormat);
    EXPECT_EQ(0, arrValues.GetSize());
}

TEST(CardResHooksTest, TheCurrentValuesGoOutAsOneRow)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    SetHead(host.Card(), "零件名称", "stored <&>");
    SetHead(host.Card(), "材料牌号", "45钢");
    CCappCell* pCell = host.FindCell("零件名称");
    EXPECT_STREQ("", view.GetResInitDataInfo(pCell, 0)) << "no related resource";
    CRelResItem* pRes = AddRes(pCell);
    for (const char* pszVar : {"材料牌号", "无此变量"}) {
        auto* pFormat = new CRelVarFormat;
        pFormat->m_strColumn = pszVar;
        pRes->m_listFormat.AddTail(pFormat);
    }
    const char* const kOwn =
        "<BODY>\r\n<ROW>\r\n<COLITEM NAME='零件名称'><![CDATA[stored <&>]]></COLITEM>\r\n\r\n</ROW></BODY>";
    const char* const kWithFormats =
        "<BODY>\r\n<ROW>\r\n<COLITEM NAME='零件名称'><![CDATA[stored <&>]]></COLITEM>\r\n\r\n"
        "<COLITEM NAME='材料牌号'><![CDATA[45钢]]></COLITEM>\r\n\r\n</ROW></BODY>";
    const char* const kEdited = "<BODY>\r\n<ROW>\r\n<COLITEM NAME='零件名称'><![CDATA[typed]]></COLITEM>\r\n\r\n"
                                "<COLITEM NAME='材料牌号'><![CDATA[45钢]]></COLITEM>\r\n\r\n</ROW></BODY>";
    EXPECT_STREQ(kOwn, view.GetResInitDataInfo(pCell, 0)) << "formats are off";
    pRes->m_bFormatsOn = 1;
    EXPECT_STREQ(kWithFormats, view.GetResInitDataInfo(pCell, 0)) << "a format without a cell is skipped";
    SelectHead(host, "零件名称");
    view.m_cellEditor.m_pEditCtrl->Replace("typed");
    EXPECT_STREQ(kEdited, view.GetResInitDataInfo(pCell, 0)) << "the open editor's text counts";
}

TEST(CardResHooksTest, TheEditorOffersTheResourceItem)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    host.FindCell("零件名称")->m_byCellByte = 4;
    SelectHead(host, "零件名称");
    CCappBaseCtrl* pEdit = host.m_pView->m_cellEditor.m_pEditCtrl;
    ASSERT_LE(2, pEdit->m_arrMenuText.GetSize());
    EXPECT_STREQ("关联资源", pEdit->m_arrMenuText[0]);
    EXPECT_EQ(0x515u, pEdit->m_arrMenuMsg[0]);
    EXPECT_STREQ("editdlg", pEdit->m_arrMenuText[1]);
    EXPECT_EQ(0x515u, pEdit->m_nDBClickMsg);
}

TEST(CardResHooksTest, AnAnsweredNewRowIsNumbered)
{
    constexpr const char* kMDName = "工序";
    constexpr const char* kNo = "工序号";
    constexpr const char* kName = "工序名称";
    struct Case
    {
        const char* szName;
        BOOL bAutoIndex;
        int nSteps;
        Strings numbers;
    };
    const Case cases[] = {
        {"numbered from the top", TRUE, 1, {"10", "20"}},
        {"left alone without automatic numbering", FALSE, 1, {"7", ""}},
        {"left alone with two sequence columns", TRUE, 2, {"7", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCardViewTestHost host;
        auto* pView = new CAnsweringView;
        ASSERT_TRUE(host.Open(true, 1200, 900, pView));
        CCardObj& card = host.Card();
        CCappMDData* pData = card.m_CardData.GetMDData(kMDName);
        ASSERT_NE(nullptr, pData);
        while (pData->GetRowCount() > 0) {
            pData->DelRowData(0);
        }
        pData->InsertRowData(-1, 0);
        CString strNo = "7";
        pData->SetVarData(0, kNo, strNo);
        int bChanged = 0;
        card.ReSetPageCount(bChanged, 1);
        pView->ResertCurPage();
        auto* pArea = static_cast<CCappMidData*>(pView->GetCurSheet()->m_MidDataList.GetHead());
        for (int i = 0; i < c.nSteps; ++i) {
            auto* pStep = new CCellIndexItem;
            pStep->m_nOrder = i;
            pStep->m_strVarName = i == 0 ? kNo : kName;
            pStep->m_strInitValue = "10";
            pStep->m_nStep = 10;
            pArea->m_listIndexItem.AddTail(pStep);
        }
        pView->m_bAutoIndex = c.bAutoIndex;
        CCappCell* pCell = pArea->GetCellByName(kName);
        ASSERT_NE(nullptr, pCell);
        pCell->m_byCellByte = 4;
        pCell->m_wCellWord = 1;
        // Grid row 1 lies past the data: the editor makes the empty row it edits.
        const CRect rc =
            static_cast<CCellDataItem*>(pCell->m_listCellData.GetAt(pCell->m_listCellData.FindIndex(1)))->m_rect;
        CPoint pt((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        pView->LpToDp(pt);
        pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        ASSERT_NE(nullptr, pView->m_cellEditor.m_pEditCtrl);
        pView->m_strData = "磨";
        pView->m_strFormat = "TEXT";

        EXPECT_EQ(0, pView->SendMessage(CCappCardView::msgPopupCurEditRes, 0, 0));
        EXPECT_EQ(Strings{"TB 工序名称 1"}, pView->m_calls);
        EXPECT_STREQ("磨", EditorText(*pView));
        Strings numbers;
        for (int r = 0; r < pData->GetRowCount(); ++r) {
            CString strValue;
            pData->GetVarData(r, kNo, strValue, CCappMDData::inheritNever);
            numbers.emplace_back(strValue.GetString());
        }
        EXPECT_EQ(c.numbers, numbers);
    }
}

TEST(CardResHooksTest, RequestsTakeTheCardsValuesAsLiterals)
{
    CCardViewTestHost host;
    ASSERT_TRUE(host.Open());
    CCappCardView& view = *host.m_pView;
    SetHead(host.Card(), "材料牌号", "x' OR '1'='1");
    CCappCell* pCell = host.FindCell("零件名称");
    CRelResItem* pRes = AddRes(pCell);
    pRes->m_strCondition = "DSN=parts$@$SELECT * FROM M WHERE N = [材料牌号]";
    pRes->m_strColumnText = "NAME";
    SelectHead(host, "零件名称");
    const CString strRequest = view.GetOtherDBResInfo(pCell);
    EXPECT_GE(strRequest.Find("<SQL><![CDATA[SELECT * FROM M WHERE N = 'x'' OR ''1''=''1']]></SQL>"), 0) << strRequest;
    EXPECT_GE(strRequest.Find("<CONNECTSTRING>DSN=parts</CONNECTSTRING>"), 0) << strRequest;
    EXPECT_GE(view.GetResInfo(pCell).Find("<WHERE>DSN=parts$@$SELECT * FROM M WHERE N = 'x'' OR ''1''=''1'</WHERE>"),
              0);
}
