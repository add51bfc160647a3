// The bundled templates (process card, continuation, inspection card): the committed files are what SampleTemplates.h
// makes (VORN_WRITE_SAMPLES=1 writes them afresh), and a card made from them loads, fills,
// pages over the master and continuation sheets, saves and loads back equal.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "core/CappMDData.h"
#include "core/CappMidData.h"
#include "core/CardObj.h"
#include "platform/base/Archive.h"
#include "platform/base/File.h"
#include "platform/base/FxHandle.h"
#include "tests/core/SampleTemplates.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/PngFile.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"

namespace
{

CString SamplePath(const char* pszName)
{
    return TestDataPath("..\\..\\..\\samples\\workdir\\Template\\") + pszName + ".znt";
}

void WriteSheet(CCappSheet* pSheet, const CString& strPath)
{
    std::unique_ptr<CCappSheet> pOwned(pSheet);
    CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    pOwned->Serialize(ar);
    ar.Close();
}

std::string ReadBytes(const CString& strPath)
{
    std::string bytes;
    CFxHandle hFile(CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (hFile == INVALID_HANDLE_VALUE) {
        return bytes;
    }
    char buffer[4096];
    DWORD dwRead = 0;
    while (ReadFile(hFile, buffer, sizeof(buffer), &dwRead, nullptr) && dwRead > 0) {
        bytes.append(buffer, dwRead);
    }
    return bytes;
}

struct SampleCase
{
    const char* pszName;
    CCappSheet* (*fnMake)();
};
const SampleCase kSamples[] = {
    {sample::kMasterName, sample::MakeProcessCardMaster},
    {sample::kNextName, sample::MakeProcessCardNext},
    {sample::kInspectionName, sample::MakeInspectionCard},
};

// "row,offset" of each page of the card's operations.
std::string PageStarts(const CCardObj& card)
{
    std::string str;
    for (int p = 1; p <= card.m_CardData.m_nPageCount; ++p) {
        int nRow = 0;
        int nOffset = 0;
        int bLast = 0;
        card.GetPageBegDataRowIndex(p, sample::kMDName, nRow, nOffset, bLast);
        str += (p > 1 ? " " : "") + std::to_string(nRow) + "," + std::to_string(nOffset);
    }
    return str;
}

void SavePagePicture(CCardObj& card, int nPage, const char* pszFile)
{
    CCappSheet* pSheet = card.SetCurPage(nPage);
    ASSERT_NE(nullptr, pSheet);
    CTestDib dib(2970 * 96 / 254, 2100 * 96 / 254, RGB(128, 128, 128));
    CDC& dc = dib.DC();
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(2540, 2540);
    dc.SetViewportExt(960, 960);
    pSheet->DrawSheet(&dc);
    EXPECT_TRUE(SavePng(TestImagePath(pszFile).c_str(), dib.Bits(), dib.Width(), dib.Height()));
    // The ruling and texts left ink inside the frame.
    EXPECT_GT(dib.CountInk(CRect(40, 40, dib.Width() - 40, dib.Height() - 40)), 1000);
}

} // namespace

TEST(SampleTemplateTest, BundledTemplatesAreWhatTheCodeMakes)
{
    const char* pszWrite = std::getenv("VORN_WRITE_SAMPLES");
    const bool bWrite = pszWrite != nullptr && std::string(pszWrite) == "1";
    CTestTempFolder folder;
    for (const SampleCase& c : kSamples) {
        SCOPED_TRACE(c.pszName);
        if (bWrite) {
            WriteSheet(c.fnMake(), SamplePath(c.pszName));
        }
        const CString strFresh = folder.PathOf(c.pszName);
        WriteSheet(c.fnMake(), strFresh);
        const std::string fresh = ReadBytes(strFresh);
        ASSERT_FALSE(fresh.empty());
        EXPECT_TRUE(fresh == ReadBytes(SamplePath(c.pszName))) << "run with VORN_WRITE_SAMPLES=1 to rewrite";
    }
}

class SampleCardTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const SampleCase& c : kSamples) {
            ASSERT_TRUE(CopyFileA(SamplePath(c.pszName), m_folder.PathOf(c.pszName) + ".znt", FALSE));
        }
    }

    CTestTempFolder m_folder;
};

TEST_F(SampleCardTest, FilledCardPagesSavesAndLoadsBackEqual)
{
    constexpr int kOperations = 40;
    {
        CCardObj card;
        ASSERT_EQ(1, card.LoadCard(m_folder.GetPath(), sample::kMasterName, "P1", nullptr, nullptr));
        card.m_CardData.PageMake(2, -1, sample::kNextName);
        card.LoadAllSheetByPageMaker(nullptr);
        ASSERT_EQ(2, card.m_listSheet.GetCount());
        card.AddNewPage(1, 0);
        ASSERT_NE(nullptr, card.SetCurPage(1));

        CCappCardData& data = card.m_CardData;
        EXPECT_TRUE(data.SetVarData("零件名称", 0, "输出轴"));
        EXPECT_TRUE(data.SetVarData("零件图号", 0, "ZQ-2031-05"));
        EXPECT_TRUE(data.SetVarData("材料牌号", 0, "45钢"));
        EXPECT_TRUE(data.SetVarData("毛坯尺寸", 0, "Φ60×245"));
        // The first page came with one empty row.
        ASSERT_EQ(1, card.GetRowCount(sample::kMDName));
        ASSERT_EQ(1, card.InsertRow(sample::kMDName, 0, kOperations - 1));
        const char* const names[] = {"下料", "粗车", "精车", "铣键槽", "钻孔"};
        for (int i = 0; i < kOperations; ++i) {
            CString strNo;
            strNo.Format("%d", (i + 1) * 5);
            EXPECT_TRUE(data.SetVarData("工序号", i, strNo));
            EXPECT_TRUE(data.SetVarData("工序名称", i, names[i % 5]));
            CString strText;
            strText.Format("%s 第%d步，按图加工", names[i % 5], i + 1);
            EXPECT_TRUE(data.SetVarData("工序内容", i, strText));
            EXPECT_TRUE(data.SetVarData("设备", i, i % 2 == 0 ? "CA6140" : "X6132"));
        }

        int bChanged = 0;
        card.ReSetPageCount(bChanged, 1);
        EXPECT_EQ(1, bChanged);
        // 15 operations on the master page, 19 on each continuation page.
        EXPECT_EQ(3, data.m_nPageCount);
        EXPECT_EQ("0,0 15,0 34,0", PageStarts(card));
        const char* const sheets[] = {sample::kMasterName, sample::kNextName, sample::kNextName};
        for (int p = 1; p <= 3; ++p) {
            SCOPED_TRACE(p);
            ASSERT_NE(nullptr, card.SetCurPage(p));
            EXPECT_STREQ(sheets[p - 1], card.GetCurSheet()->m_strName.GetString());
            CString strDate;
            strDate.Format("2026-12-%02d", p);
            EXPECT_TRUE(data.SetVarData("日期", p, strDate));
        }
        EXPECT_TRUE(data.SetVarData("编制", 1, "张工"));

        // The master page's cells of material roles.
        ASSERT_NE(nullptr, card.SetCurPage(1));
        CString strValue;
        EXPECT_EQ(1, card.GetMaterialName(strValue));
        EXPECT_STREQ("45钢", strValue.GetString());
        EXPECT_EQ(1, card.GetMaterialSize(strValue));
        EXPECT_STREQ("Φ60×245", strValue.GetString());

        SavePagePicture(card, 1, "sample-card-page1.png");
        SavePagePicture(card, 2, "sample-card-page2.png");
        EXPECT_EQ(1, card.SaveData());
    }

    CCardObj card;
    ASSERT_EQ(1, card.LoadCard(m_folder.GetPath(), "", "P1", nullptr, nullptr));
    EXPECT_EQ(2, card.m_listSheet.GetCount());
    EXPECT_EQ(3, card.m_CardData.m_nPageCount);
    EXPECT_STREQ("输出轴", card.GetHeadVarData("零件名称").GetString());
    EXPECT_STREQ("Φ60×245", card.GetHeadVarData("毛坯尺寸").GetString());
    const CCappMDData* pMD = card.m_CardData.GetMDData(sample::kMDName);
    ASSERT_NE(nullptr, pMD);
    ASSERT_EQ(kOperations, pMD->GetRowCount());
    CString strValue;
    EXPECT_TRUE(pMD->GetVarData(39, "工序内容", strValue, CCappMDData::inheritNever));
    EXPECT_STREQ("钻孔 第40步，按图加工", strValue.GetString());
    EXPECT_TRUE(card.m_CardData.GetVarData("日期", 3, CCappMDData::inheritNever, strValue));
    EXPECT_STREQ("2026-12-03", strValue.GetString());
    EXPECT_EQ("0,0 15,0 34,0", PageStarts(card));
    EXPECT_STREQ(sample::kNextName, card.GetSheetByPage(3, 0)->m_strName.GetString());

    // Saved again under another name, the loaded card writes the same bytes.
    card.m_strCcdFile = "P2.ccd";
    ASSERT_EQ(1, card.SaveData());
    const std::string first = ReadBytes(m_folder.PathOf("P1.ccd"));
    ASSERT_FALSE(first.empty());
    EXPECT_TRUE(first == ReadBytes(m_folder.PathOf("P2.ccd")));
}

TEST_F(SampleCardTest, InspectionCardFillsItsItemsAndVerdicts)
{
    CCardObj card;
    ASSERT_EQ(1, card.LoadCard(m_folder.GetPath(), sample::kInspectionName, "Q1", nullptr, nullptr));
    card.AddNewPage(1, 0);
    ASSERT_NE(nullptr, card.SetCurPage(1));
    CCappCardData& data = card.m_CardData;
    EXPECT_TRUE(data.SetVarData("零件名称", 0, "输出轴"));
    EXPECT_TRUE(data.SetVarData("检验工序", 0, "30 精车"));
    EXPECT_TRUE(data.SetVarData("材料牌号", 0, "45钢"));
    struct Item
    {
        const char* szItem;
        const char* szRequirement;
        const char* szMethod;
        const char* szGauge;
        const char* szMeasured;
        const char* szVerdict;
    };
    const Item items[] = {
        {"外圆直径", "Φ40h6", "两点测量", "外径千分尺", "39.990", "合格"},
        {"总长", "240±0.1", "直接测量", "游标卡尺", "240.05", "合格"},
        {"表面粗糙度", "Ra1.6", "比较法", "粗糙度样板", "Ra3.2", "不合格"},
    };
    ASSERT_EQ(1, card.GetRowCount(sample::kInspectionMDName));
    ASSERT_EQ(1, card.InsertRow(sample::kInspectionMDName, 0, 2));
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(items[i].szItem);
        EXPECT_TRUE(data.SetVarData("序号", i, std::to_string(i + 1).c_str()));
        EXPECT_TRUE(data.SetVarData("检验项目", i, items[i].szItem));
        EXPECT_TRUE(data.SetVarData("技术要求", i, items[i].szRequirement));
        EXPECT_TRUE(data.SetVarData("检验方法", i, items[i].szMethod));
        EXPECT_TRUE(data.SetVarData("量具", i, items[i].szGauge));
        EXPECT_TRUE(data.SetVarData("实测值", i, items[i].szMeasured));
        EXPECT_TRUE(data.SetVarData("结论", i, items[i].szVerdict));
    }
    EXPECT_TRUE(data.SetVarData("检验", 1, "李工"));
    CString strValue;
    EXPECT_EQ(1, card.GetMaterialName(strValue));
    EXPECT_STREQ("45钢", strValue.GetString());
    EXPECT_EQ(3, card.GetRowCount(sample::kInspectionMDName));
    SavePagePicture(card, 1, "sample-inspection-card.png");
}

TEST(SampleTemplateTest, CellsThatTakeNotationDrawSegmentText)
{
    struct Case
    {
        const char* szName;
        const char* szTemplate;
        const char* szVar;
        bool bNotation;
    };
    const Case cases[] = {
        {"process content", sample::kMasterName, "工序内容", true},
        {"blank size", sample::kMasterName, "毛坯尺寸", true},
        {"process content of the continuation", sample::kNextName, "工序内容", true},
        {"requirement", sample::kInspectionName, "技术要求", true},
        {"measured value", sample::kInspectionName, "实测值", true},
        {"equipment stays plain text", sample::kMasterName, "设备", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        // The committed file, as the card view reads it.
        CCappSheet sheet;
        CFile file(SamplePath(c.szTemplate), CFile::modeRead);
        CArchive ar(&file, CArchive::load);
        sheet.Serialize(ar);
        ar.Close();
        const CCappCell* pFound = nullptr;
        for (const CObList* pList : {&sheet.m_HeadCellList, &sheet.m_PageCellList}) {
            POSITION pos = pList->GetHeadPosition();
            while (pos != nullptr && pFound == nullptr) {
                const auto* pCell = static_cast<const CCappCell*>(pList->GetNext(pos));
                pFound = pCell->m_strVarName == c.szVar ? pCell : nullptr;
            }
        }
        POSITION pos = sheet.m_MidDataList.GetHeadPosition();
        while (pos != nullptr && pFound == nullptr) {
            pFound = static_cast<CCappMidData*>(sheet.m_MidDataList.GetNext(pos))->GetCellByName(c.szVar);
        }
        ASSERT_NE(nullptr, pFound);
        // Drawn through the special edit: display flag 0x08 or several-lines flag 0x10.
        EXPECT_EQ(c.bNotation, (pFound->m_nDisplay & 0x08) != 0 || (pFound->m_nEditFlags & 0x10) != 0);
        // A detail cell keeps display 1: its value is still laid out over the grid rows.
        if (pFound->m_nDataPos == CCappCell::seatMidData) {
            EXPECT_EQ(1, pFound->m_nDisplay);
        }
    }
}
