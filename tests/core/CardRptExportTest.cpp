// The page-text export: the group and page blocks of a sample card against a golden file, the
// picture records, and texts that hold the format's own separators.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/CappCell.h"
#include "core/CappSheet.h"
#include "core/CardObj.h"
#include "core/CardRptExport.h"
#include "tests/core/CardObjUtil.h"
#include "tests/support/TestData.h"

namespace
{
// Golden files are UTF-8; the export is GBK.
CString FromUtf8(const std::string& text)
{
    const int nLen = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(nLen) + 1, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], nLen);
    return CString(wide.c_str());
}

std::string ToUtf8(const CString& str)
{
    WCHAR wsz[16384] = {};
    MultiByteToWideChar(CP_ACP, 0, str, -1, wsz, 16384);
    char sz[49152] = {};
    WideCharToMultiByte(CP_UTF8, 0, wsz, -1, sz, sizeof(sz), nullptr, nullptr);
    return sz;
}

std::vector<std::string> Split(const std::string& text, const std::string& sep)
{
    std::vector<std::string> parts;
    size_t nStart = 0;
    for (size_t nAt = text.find(sep); nAt != std::string::npos; nAt = text.find(sep, nStart)) {
        parts.push_back(text.substr(nStart, nAt - nStart));
        nStart = nAt + sep.size();
    }
    parts.push_back(text.substr(nStart));
    return parts;
}

// A filled one-page card: head variables, a static head cell, an out cell, a detail area with two
// rows, a page variable and pictures.
void MakeSampleCard(CCardObj& card)
{
    SetCardSheets(card, {{"工艺卡", 3, {"零件名称", "图号"}, "工序", {"序号", "内容"}, "页码"}});
    CCappSheet* pSheet = card.GetMasterSheet();
    auto* pStatic = new CCappCell;
    pStatic->m_bOwnRect = 1;
    pStatic->m_rcOwn = CRect(100, 20, 500, 80);
    pStatic->m_strText = "机械加工工艺过程卡片";
    lstrcpyA(pStatic->m_lfFont.lfFaceName, "宋体");
    pSheet->m_HeadCellList.AddTail(pStatic);
    auto* pOut = new CCappCell;
    pOut->m_bOwnRect = 1;
    pOut->m_rcOwn = CRect(0, 2050, 300, 2090);
    pOut->m_strText = "共 页";
    pSheet->m_OutCellList.AddTail(pOut);
    auto* pDwg = new CCappCell;
    pDwg->m_bOwnRect = 1;
    pDwg->m_rcOwn = CRect(2000, 100, 2900, 600);
    pDwg->m_nContentKind = CCappCell::kindImage;
    pDwg->m_strText = "C:\\图纸\\简图.DwG";
    pDwg->m_strDrawText = "LINE 0 0 10 10";
    pSheet->m_PageCellList.AddTail(pDwg);
    auto* pBmp = new CCappCell;
    pBmp->m_bOwnRect = 1;
    pBmp->m_rcOwn = CRect(2000, 700, 2900, 900);
    pBmp->m_nContentKind = CCappCell::kindImage;
    pBmp->m_strText = "D:\\logo.bmp";
    pSheet->m_HeadCellList.AddTail(pBmp);
    auto* pOther = new CCappCell;
    pOther->m_bOwnRect = 1;
    pOther->m_rcOwn = CRect(2000, 950, 2900, 1000);
    pOther->m_nContentKind = CCappCell::kindImage;
    pOther->m_strText = "D:\\photo.jpg";
    pSheet->m_HeadCellList.AddTail(pOther);

    CCappCardData& data = card.m_CardData;
    data.m_HFData.ResertDataList();
    CString strValue = "齿轮轴";
    data.m_HFData.SetVarData("零件名称", strValue);
    data.m_nPageCount = 1;
    CCappMDData* pMD = data.GetMDData("工序");
    const char* const rows[][2] = {{"1", "粗车外圆"}, {"2", "精车"}};
    for (const auto& row : rows) {
        pMD->InsertRowData(-1, 0);
        CString strNo = row[0];
        CString strText = row[1];
        pMD->SetVarData(pMD->GetRowCount() - 1, "序号", strNo);
        pMD->SetVarData(pMD->GetRowCount() - 1, "内容", strText);
    }
    card.SetCurPage(1);
    data.m_PgData.SetVarData(1, "页码", strValue = "1");
    card.SetCurPage(1);
}
} // namespace

TEST(CardRptExportTest, SampleCardMatchesGoldenFile)
{
    CCardObj card;
    MakeSampleCard(card);
    CCappSheet* pSheet = card.GetMasterSheet();
    CString strGroup;
    CString strPage;
    CCardObj::CappSheetToRPTBlock(pSheet, "工艺卡", strGroup);
    CCardObj::SaveRPTPage(pSheet, strPage);
    const std::string actual = ToUtf8(strGroup) + "\r\n=====\r\n" + ToUtf8(strPage);

    const CString strGolden = TestDataPath("rpt-sample-card.txt");
    std::ifstream in(static_cast<LPCSTR>(strGolden), std::ios::binary);
    if (!in) {
        std::ofstream(static_cast<LPCSTR>(strGolden), std::ios::binary) << actual;
        FAIL() << "golden file written; check it and run again";
    }
    const std::string golden((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(golden, actual);
    EXPECT_STREQ(FromUtf8(golden.substr(0, golden.find("\r\n=====\r\n"))).GetString(), strGroup.GetString());
}

TEST(CardRptExportTest, PicturesByExtensionAndAnEmptySheet)
{
    CCardObj card;
    MakeSampleCard(card);
    CCappSheet* pSheet = card.GetMasterSheet();
    CString strPage;
    CCardRptExport::SaveRPTPage(pSheet, strPage);
    const std::string page(strPage.GetString());
    EXPECT_NE(std::string::npos, page.find("\r\nDWG:2000$@$100$@$2900$@$600$@$简图.DwG$@$LINE 0 0 10 10$@$$*$"));
    EXPECT_NE(std::string::npos, page.find("\r\nBMP:2000$@$700$@$2900$@$900$@$logo.bmp$@$$*$"));
    EXPECT_EQ(std::string::npos, page.find("photo"));

    CCappSheet empty;
    CCappSheet* pEmpty = &empty;
    empty.m_nPageWidth = 2970;
    empty.m_nPageHeight = 2100;
    CCardRptExport::SaveRPTPage(pEmpty, strPage);
    EXPECT_STREQ("SEGMENT:PAGE$@$2970$@$2100$@$$*$", strPage.GetString());
}

TEST(CardRptExportTest, TextsCannotBreakARecord)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        const char* szField;
    };
    const Case cases[] = {
        {"plain", "车$削", "车$削"},
        {"field separator", "a$@$b", "a$@ $b"},
        {"record end", "a$*$b", "a$* $b"},
        {"separator start at the end", "x$@", "x$@ "},
        {"line breaks", "一\r\n二\n三\r四", "一 二 三 四"},
        {"GBK trail byte 0x40 after a lead byte", "\x81\x40$@", "\x81\x40$@ "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_STREQ(c.szField, CCardRptExport::EscapeField(c.szText).GetString());

        CCappSheet sheet;
        CCappSheet* pSheet = &sheet;
        auto* pCell = new CCappCell;
        pCell->m_bOwnRect = 1;
        pCell->m_rcOwn = CRect(1, 2, 3, 4);
        pCell->m_nContentKind = CCappCell::kindVariable;
        pCell->m_strText = c.szText;
        sheet.m_HeadCellList.AddTail(pCell);
        CString strPage;
        CCardRptExport::SaveRPTPage(pSheet, strPage);
        const std::vector<std::string> records = Split(std::string(strPage), "\r\n");
        ASSERT_EQ(2u, records.size());
        const std::string& text = records[1];
        ASSERT_EQ(text.size() - 3, text.find("$*$"));
        const std::vector<std::string> fields = Split(text.substr(0, text.size() - 3), "$@$");
        // 24 fields, each followed by the separator: 25 parts, the last empty.
        ASSERT_EQ(25u, fields.size());
        EXPECT_EQ(std::string(c.szField), fields[9]);
        EXPECT_EQ("", fields[24]);
    }
}
