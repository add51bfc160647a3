#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <vector>

#include "basedlg/TipDayDlg.h"
#include "basedlg/res/resource.h"
#include "support/TempFolder.h"
#include "support/UiDriver.h"

namespace
{
// GBK-extension characters whose trail byte lies below 0x80: 0x8140, 0x815C (a backslash as
// trail), 0x887E; among common characters and ASCII.
const char kLongTip[] = "丂\x81\x5C\x88\x7E工艺卡片的表格线可以合并，丂丂也可以剪断；单元格的文字按行折返，"
                        "abc 丂\x81\x5C每页显示若干行，按下一页翻页。";

CString WriteTipFile(const CTestTempFolder& folder, const char* pszName, const char* pszText)
{
    CString strPath = folder.PathOf(pszName);
    FILE* pFile = fopen(strPath, "wb");
    if (pFile != nullptr) {
        fputs(pszText, pFile);
        fclose(pFile);
    }
    return strPath;
}

// Five topics stated, three present: ten one-line tips, the long tip, an empty tip and a short one.
CString WritePagingFile(const CTestTempFolder& folder)
{
    CString strText = "[COMM]\r\nTopicCount=5\r\nCaption=  每日提示  \r\n"
                      "[Topic0]\r\nTipCount=10\r\nTopicName=卡片设计  \r\n";
    for (int i = 0; i < 10; ++i) {
        CString strTip;
        strTip.Format("Tip%d=第%d条\r\n", i, i);
        strText += strTip;
    }
    strText += "[Topic1]\r\nTipCount=1\r\nTopicName=折行\r\nTip0=";
    strText += kLongTip;
    strText += "\r\n[Topic2]\r\nTipCount=2\r\nTopicName=空提示\r\nTip0=   \r\nTip1=最后一条\r\n";
    return WriteTipFile(folder, "tips.ini", strText);
}

CTipDayDlg* TipOf(CTestDlg& dlg)
{
    return static_cast<CTipDayDlg*>(dlg.GetDialog());
}

// Character starts of a GBK text: a lead byte 0x81-0xFE with a trail 0x40-0xFE (not 0x7F) is one.
std::vector<int> CharStarts(const CString& strText)
{
    std::vector<int> starts;
    const int nLength = strText.GetLength();
    for (int i = 0; i < nLength;) {
        starts.push_back(i);
        const BYTE bLead = static_cast<BYTE>(strText[i]);
        const BYTE bTrail = i + 1 < nLength ? static_cast<BYTE>(strText[i + 1]) : 0;
        i += (bLead >= 0x81 && bLead <= 0xFE && bTrail >= 0x40 && bTrail <= 0xFE && bTrail != 0x7F) ? 2 : 1;
    }
    starts.push_back(nLength);
    return starts;
}
} // namespace

TEST(TipDayDlgTest, TakesOneCharacterAtATime)
{
    struct CharCase
    {
        const char* szName;
        const char* szText;
        BOOL bResult;
        const char* szChar;
        const char* szRest;
    };
    const CharCase charCases[] = {
        {"empty", "", FALSE, "", ""},
        {"ASCII", "ab", TRUE, "a", "b"},
        {"common character", "工艺", TRUE, "工", "艺"},
        {"trail byte 0x40", "\x81\x40x", TRUE, "\x81\x40", "x"},
        {"trail byte is a backslash", "\x81\x5C\x81\x40", TRUE, "\x81\x5C", "\x81\x40"},
        {"trail byte 0x7E", "\x88\x7E", TRUE, "\x88\x7E", ""},
        {"0x7F is no trail byte", "\x81\x7F", TRUE, "\x81", "\x7F"},
        {"lead byte at the end stands alone", "a\x81", TRUE, "a", "\x81"},
        {"lone lead byte", "\x81", TRUE, "\x81", ""},
        {"0x80 is no lead byte", "\x80\x41", TRUE, "\x80", "\x41"},
    };
    CTipDayDlg dlg;
    for (const CharCase& c : charCases) {
        SCOPED_TRACE(c.szName);
        CString strText = c.szText;
        CString strChar = "stale";
        EXPECT_EQ(c.bResult, dlg.GetItemStr(strText, strChar));
        EXPECT_STREQ(c.szChar, strChar);
        EXPECT_STREQ(c.szRest, strText);
    }
}

TEST(TipDayDlgTest, PagesThroughTheTopicsPresent)
{
    CTestTempFolder folder;
    const CString strFile = WritePagingFile(folder);
    CTestUi ui;
    struct Step
    {
        int nTopic;
        int nPage;
        CString strTopicName;
        int nLines;
        BOOL bNextEnabled;
    };
    std::vector<Step> steps;
    CString strCaption;
    int nTopicCount = 0;
    CString strJoined;
    std::vector<CString> lines;
    ui.OnDialog(IDD_TIPDAY, [&](CTestDlg& dlg) {
        CTipDayDlg* pTip = TipOf(dlg);
        strCaption = dlg.GetCaption();
        nTopicCount = pTip->m_nTopicCount;
        EXPECT_GT(pTip->m_nLinesPerPage, 4);
        pTip->m_nLinesPerPage = 4;
        EXPECT_EQ(3, pTip->GetPageCountOfTopic());
        auto record = [&]() {
            steps.push_back({pTip->m_nTopicIndex, pTip->m_nPage, pTip->m_strTopicName,
                             static_cast<int>(pTip->m_arrLines.GetSize()), dlg.IsEnabled(IDC_TIP_NEXT)});
        };
        record();
        for (int i = 0; i < 5; ++i) {
            dlg.Click(IDC_TIP_NEXT);
            record();
            if (pTip->m_nTopicIndex == 1) {
                for (INT_PTR n = 0; n < pTip->m_arrLines.GetSize(); ++n) {
                    lines.push_back(pTip->m_arrLines[n]);
                    strJoined += pTip->m_arrLines[n];
                }
                EXPECT_TRUE(dlg.SavePicture("tipday-dialog.png"));
            }
        }
        dlg.Click(IDC_TIP_STARTUP);
        dlg.Ok();
    });
    CTipDayDlg dlg;
    dlg.SetData(strFile, TRUE, 7);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("每日提示", strCaption);
    EXPECT_EQ(3, nTopicCount);

    struct Expected
    {
        int nTopic;
        int nPage;
        const char* szTopicName;
        int nLines;
    };
    const Expected expected[] = {
        {0, 0, "卡片设计", 10}, {0, 1, "卡片设计", 10}, {0, 2, "卡片设计", 10},
        {1, 0, "折行", -1},     {2, 0, "空提示", 1},    {0, 0, "卡片设计", 10},
    };
    ASSERT_EQ(std::size(expected), steps.size());
    for (size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(expected[i].nTopic, steps[i].nTopic);
        EXPECT_EQ(expected[i].nPage, steps[i].nPage);
        EXPECT_STREQ(expected[i].szTopicName, steps[i].strTopicName);
        if (expected[i].nLines >= 0) {
            EXPECT_EQ(expected[i].nLines, steps[i].nLines);
        }
        EXPECT_TRUE(steps[i].bNextEnabled);
    }

    // The long tip is wrapped whole, on character boundaries only, into several lines.
    EXPECT_GT(lines.size(), 1u);
    EXPECT_STREQ(CString("    ") + kLongTip, strJoined);
    const std::vector<int> starts = CharStarts(strJoined);
    int nOffset = 0;
    for (const CString& strLine : lines) {
        nOffset += strLine.GetLength();
        EXPECT_NE(starts.end(), std::find(starts.begin(), starts.end(), nOffset)) << strLine;
    }

    int nTopic = -1;
    int bStartup = -1;
    dlg.GetData(nTopic, bStartup);
    EXPECT_EQ(0, nTopic);
    EXPECT_EQ(0, bStartup);
    EXPECT_EQ(0, dlg.GetTopicIndex());
    EXPECT_EQ(0, dlg.GetStartup());
}

TEST(TipDayDlgTest, OneShortTopicHasNoNextPage)
{
    CTestTempFolder folder;
    const CString strFile =
        WriteTipFile(folder, "one.ini", "[COMM]\r\nTopicCount=1\r\n[Topic0]\r\nTipCount=1\r\nTip0=只有一条\r\n");
    CTestUi ui;
    BOOL bNextEnabled = TRUE;
    CString strCaption;
    ui.OnDialog(IDD_TIPDAY, [&](CTestDlg& dlg) {
        bNextEnabled = dlg.IsEnabled(IDC_TIP_NEXT);
        strCaption = dlg.GetCaption();
        EXPECT_TRUE(dlg.IsChecked(IDC_TIP_STARTUP));
        dlg.Ok();
    });
    CTipDayDlg dlg;
    dlg.SetData(strFile, TRUE, 3);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(bNextEnabled);
    EXPECT_STREQ("日积月累", strCaption);
    EXPECT_EQ(0, dlg.GetTopicIndex());
    EXPECT_EQ(1, dlg.GetStartup());
}

TEST(TipDayDlgTest, NoTopicsEndsBeforeShowing)
{
    CTestTempFolder folder;
    struct FileCase
    {
        const char* szName;
        const char* szFile; // null: no file name; "" a missing file
        const char* szText;
    };
    const FileCase fileCases[] = {
        {"no file name", nullptr, nullptr},
        {"missing file", "", nullptr},
        {"topic count 0", "zero.ini", "[COMM]\r\nTopicCount=0\r\n[Topic0]\r\nTipCount=1\r\nTip0=x\r\n"},
        {"count without sections", "empty.ini", "[COMM]\r\nTopicCount=3\r\n"},
    };
    for (const FileCase& c : fileCases) {
        SCOPED_TRACE(c.szName);
        CString strFile;
        if (c.szFile != nullptr) {
            strFile = c.szText != nullptr ? WriteTipFile(folder, c.szFile, c.szText) : folder.PathOf("absent.ini");
        }
        CTestUi ui;
        CTipDayDlg dlg;
        dlg.SetData(strFile, TRUE, 0);
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        EXPECT_EQ(0, ui.GetDialogsOpened());
    }
}
