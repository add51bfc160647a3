// The data input dialog on its own: grids filled from the variable lists and the data file, the
// row buttons, open and save as, and the exact file OK writes.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "gridkit/GkGridWnd.h"
#include "platform/base/FxResourceSwitch.h"
#include "simulator/SimDataDlg.h"
#include "simulator/SimDataFile.h"
#include "simulator/res/resource.h"
#include "support/TempFolder.h"
#include "support/UiDriver.h"

namespace
{
const char kGolden[] = "<?xml version='1.0' encoding='gb2312' ?> <BODY><HEAD VARS='A;B;'><VAL>1</VAL><VAL>2</VAL>"
                       "</HEAD><MD><MDITEM NAME='M' VARS='X;Y;'><ROW><VAL>p</VAL><VAL>q</VAL></ROW></MDITEM></MD>"
                       "</BODY>";

// The file dialog answered from a queue of names.
class CTestSimDataDlg : public CSimDataDlg
{
public:
    std::deque<CString> m_names;

protected:
    BOOL PromptFileName(CString& strPath) override
    {
        if (m_names.empty()) {
            return FALSE;
        }
        strPath = m_names.front();
        m_names.pop_front();
        return TRUE;
    }
};

CString FileText(const CString& strPath)
{
    CString strText;
    CSimDataFile::ReadFileText(strPath, strText);
    return strText;
}

void WriteFile(const CString& strPath, const char* pszText)
{
    ASSERT_TRUE(CSimDataFile::WriteFileText(strPath, pszText));
}

// The MD rows as "a,b;c,d;".
std::string Rows(CGkGridWnd& grid)
{
    std::string rows;
    for (UINT nRow = 1; nRow <= grid.GetRowCount(); ++nRow) {
        for (UINT nCol = 1; nCol <= grid.GetColCount(); ++nCol) {
            rows += std::string(nCol > 1 ? "," : "") + grid.GetCellValue(nRow, nCol).GetString();
        }
        rows += ";";
    }
    return rows;
}

class SimDataDlgTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(GkInitLibrary(1536, 0, 0)); }

    // Runs the dialog for the variables of the data examples and the file, with fnHandler
    // driving it; the dialog's result.
    INT_PTR Run(CTestSimDataDlg& dlg, const CString& strFile, TestDlgHandler fnHandler, LPCSTR pszHeadVars = "A;B;",
                LPCSTR pszMDName = "M", LPCSTR pszMDVars = "X;Y;")
    {
        dlg.m_strDataFile = strFile;
        dlg.m_strHeadVars = pszHeadVars;
        dlg.m_strMDName = pszMDName;
        dlg.m_strMDVars = pszMDVars;
        m_ui.OnDialog(IDD_SIMDATA, fnHandler);
        return dlg.DoModal();
    }

    CFxResourceSwitch m_resources{"VornSimulator.dll"};
    CTestUi m_ui;
    CTestTempFolder m_folder;
};
} // namespace

TEST_F(SimDataDlgTest, FirstRunWritesTheExactFile)
{
    CTestSimDataDlg dlg;
    const CString strFile = m_folder.PathOf("card.znw");
    const INT_PTR nResult = Run(dlg, strFile, [&](CTestDlg& d) {
        EXPECT_STREQ("数据输入对话框", d.GetCaption());
        CGkGridWnd& head = dlg.GetHeadGrid();
        ASSERT_EQ(2u, head.GetRowCount());
        ASSERT_EQ(2u, head.GetColCount());
        EXPECT_STREQ("表头变量", head.GetCellValue(0, 1));
        EXPECT_STREQ("值", head.GetCellValue(0, 2));
        EXPECT_STREQ("A", head.GetCellValue(1, 1));
        EXPECT_STREQ("B", head.GetCellValue(2, 1));
        CGkGridWnd& md = dlg.GetMDGrid();
        ASSERT_EQ(2u, md.GetColCount());
        EXPECT_STREQ("X", md.GetCellValue(0, 1));
        EXPECT_STREQ("Y", md.GetCellValue(0, 2));
        EXPECT_EQ(0u, md.GetRowCount());
        // The names are the template's, not typed.
        CGkStyle style;
        ASSERT_TRUE(head.GetCellStyle(1, 1, style));
        EXPECT_TRUE(style.GetReadOnly());

        head.SetCellValue(1, 2, "1");
        head.SetCellValue(2, 2, "2");
        d.Click(IDC_SIMDATA_ADD);
        ASSERT_EQ(1u, md.GetRowCount());
        md.SetCellValue(1, 1, "p");
        md.SetCellValue(1, 2, "q");
        EXPECT_TRUE(d.SavePicture("simulator-data-dialog.png"));
        d.Ok();
    });
    EXPECT_EQ(IDOK, nResult);
    EXPECT_STREQ(kGolden, dlg.m_strXml);
    EXPECT_STREQ(kGolden, FileText(strFile));
}

TEST_F(SimDataDlgTest, RowButtonsChangeTheWrittenRows)
{
    const struct
    {
        const char* szName;
        const char* szMDVars;
        const char* szFile; // the rows of the file given, "" for no file
        UINT nCurRow;       // 0: no current cell
        std::vector<int> buttons;
        const char* szRows;
    } cases[] = {
        {"add appends after the last row", "X;Y;", "a,b;c,d", 1, {IDC_SIMDATA_ADD}, "a,b;c,d;,;"},
        {"insert goes before the current row", "X;Y;", "a,b;c,d", 2, {IDC_SIMDATA_INSERT}, "a,b;,;c,d;"},
        {"insert without a current row does nothing", "X;Y;", "a,b", 0, {IDC_SIMDATA_INSERT}, "a,b;"},
        {"delete takes the current row", "X;Y;", "a,b;c,d;e,f", 2, {IDC_SIMDATA_DELETE}, "a,b;e,f;"},
        {"delete twice from the first row", "X;Y;", "a,b;c,d;e,f", 1, {IDC_SIMDATA_DELETE, IDC_SIMDATA_DELETE}, "e,f;"},
        {"delete moves up, then deletes that row",
         "X;Y;",
         "a,b;c,d;e,f",
         3,
         {IDC_SIMDATA_DELETE, IDC_SIMDATA_DELETE},
         "a,b;"},
        {"insert moves the current row down", "X;Y;", "a,b", 1, {IDC_SIMDATA_INSERT, IDC_SIMDATA_INSERT}, ",;,;a,b;"},
        {"one column takes rows too", "X;", "", 0, {IDC_SIMDATA_ADD, IDC_SIMDATA_ADD}, ";;"},
        {"no columns take no rows", "", "", 0, {IDC_SIMDATA_ADD, IDC_SIMDATA_INSERT, IDC_SIMDATA_DELETE}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        const CString strFile = m_folder.PathOf("rows.znw");
        DeleteFileA(strFile);
        if (*c.szFile != '\0') {
            CSimDataFile data;
            data.m_strMDName = "M";
            data.m_arrMDVars.Split(c.szMDVars, ';', FALSE);
            CStringArray arrRows;
            arrRows.Split(c.szFile, ';', FALSE);
            for (int i = 0; i < arrRows.GetSize(); ++i) {
                CStringArray arrValues;
                arrValues.Split(arrRows[i], ',', TRUE);
                data.AddRow(arrValues);
            }
            WriteFile(strFile, data.BuildText());
        }
        CTestSimDataDlg dlg;
        Run(
            dlg, strFile,
            [&](CTestDlg& d) {
                if (c.nCurRow > 0) {
                    ASSERT_TRUE(dlg.GetMDGrid().SetCurrentCell(c.nCurRow, 1));
                }
                for (int nID : c.buttons) {
                    d.Click(nID);
                }
                d.Ok();
            },
            "A;", "M", c.szMDVars);
        EXPECT_EQ(c.szRows, Rows(dlg.GetMDGrid()));
        CSimDataFile written;
        ASSERT_TRUE(written.LoadText(FileText(strFile)));
        EXPECT_EQ(static_cast<int>(dlg.GetMDGrid().GetRowCount()), written.GetRowCount());
    }
}

TEST_F(SimDataDlgTest, SaveAsAddsTheExtensionAndOpenLoadsTheChosenFile)
{
    CTestSimDataDlg dlg;
    const CString strOther = m_folder.PathOf("other.znw");
    WriteFile(strOther, "<?xml version='1.0' encoding='gb2312' ?> <BODY><HEAD VARS='Gone;B;A;'><VAL>g</VAL>"
                        "<VAL>b&lt;2</VAL><VAL>a</VAL></HEAD><MD><MDITEM NAME='Old' VARS='Y;Z;'><ROW><VAL>y1</VAL>"
                        "<VAL>z1</VAL></ROW></MDITEM></MD></BODY>");
    const CString strJunk = m_folder.PathOf("junk.znw");
    WriteFile(strJunk, "not a data file");
    dlg.m_names = {m_folder.PathOf("x"), m_folder.PathOf("y.znw"), m_folder.PathOf("z.ZNW"), strJunk, strOther};
    Run(dlg, "", [&](CTestDlg& d) {
        dlg.GetHeadGrid().SetCellValue(1, 2, "1");
        d.Click(IDC_SIMDATA_ADD);
        dlg.GetMDGrid().SetCellValue(1, 1, "p");
        for (int i = 0; i < 3; ++i) {
            d.Click(IDC_SIMDATA_SAVEAS);
        }
        EXPECT_STREQ(m_folder.PathOf("z.ZNW.znw"), dlg.m_strDataFile);
        // A file that is no data file changes nothing.
        d.Click(IDC_SIMDATA_OPEN);
        EXPECT_STREQ("1", dlg.GetHeadGrid().GetCellValue(1, 2));
        EXPECT_EQ("p,;", Rows(dlg.GetMDGrid()));
        // A name the template lacks is passed over; the rest loads, over what was typed.
        d.Click(IDC_SIMDATA_OPEN);
        EXPECT_STREQ("a", dlg.GetHeadGrid().GetCellValue(1, 2));
        EXPECT_STREQ("b<2", dlg.GetHeadGrid().GetCellValue(2, 2));
        EXPECT_EQ(",y1;", Rows(dlg.GetMDGrid()));
        EXPECT_STREQ(strOther, dlg.m_strDataFile);
        // Cancelling the file dialog keeps everything.
        d.Click(IDC_SIMDATA_OPEN);
        EXPECT_STREQ(strOther, dlg.m_strDataFile);
        d.Cancel();
    });
    const CString strSaved = "<?xml version='1.0' encoding='gb2312' ?> <BODY><HEAD VARS='A;B;'><VAL>1</VAL><VAL></VAL>"
                             "</HEAD><MD><MDITEM NAME='M' VARS='X;Y;'><ROW><VAL>p</VAL><VAL></VAL></ROW></MDITEM>"
                             "</MD></BODY>";
    for (const char* pszName : {"x.znw", "y.znw", "z.ZNW.znw"}) {
        SCOPED_TRACE(pszName);
        EXPECT_STREQ(strSaved, FileText(m_folder.PathOf(pszName)));
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(m_folder.PathOf("x")));
    // Cancel wrote nothing over the opened file.
    EXPECT_STRNE(strSaved, FileText(strOther));
}

TEST_F(SimDataDlgTest, TemplateWithoutAreaWritesAnEmptyArea)
{
    CTestSimDataDlg dlg;
    const CString strFile = m_folder.PathOf("head-only.znw");
    Run(
        dlg, strFile,
        [&](CTestDlg& d) {
            EXPECT_EQ(0u, dlg.GetMDGrid().GetColCount());
            dlg.GetHeadGrid().SetCellValue(1, 2, "v");
            d.Ok();
        },
        "A", "", "");
    EXPECT_STREQ("<?xml version='1.0' encoding='gb2312' ?> <BODY><HEAD VARS='A;'><VAL>v</VAL></HEAD>"
                 "<MD><MDITEM NAME='' VARS=''></MDITEM></MD></BODY>",
                 FileText(strFile));
}

TEST_F(SimDataDlgTest, FileThatCannotBeWrittenIsReported)
{
    CTestSimDataDlg dlg;
    const CString strFile = m_folder.PathOf("no-such-folder\\card.znw");
    EXPECT_EQ(IDOK, Run(dlg, strFile, [&](CTestDlg& d) { d.Ok(); }));
    const std::vector<CString> boxes = m_ui.TakeBoxTexts();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_GE(boxes[0].Find(strFile), 0) << boxes[0].GetString();
    // The typed data still reach the caller.
    EXPECT_GE(dlg.m_strXml.Find("<HEAD VARS='A;B;'>"), 0);
}

TEST_F(SimDataDlgTest, TextStillBeingTypedIsWritten)
{
    CTestSimDataDlg dlg;
    const CString strFile = m_folder.PathOf("typed.znw");
    Run(dlg, strFile, [&](CTestDlg& d) {
        // A row to type into, then the head value typed and left open when OK is pressed.
        d.Click(IDC_SIMDATA_ADD);
        ASSERT_TRUE(dlg.GetMDGrid().SetCurrentCell(1, 2));
        ASSERT_TRUE(dlg.GetMDGrid().BeginEdit());
        ::SetWindowTextA(::FindWindowExA(dlg.GetMDGrid().m_hWnd, nullptr, "Edit", nullptr), "row text");
        // Adding a row ends the edit first.
        d.Click(IDC_SIMDATA_ADD);
        EXPECT_STREQ("row text", dlg.GetMDGrid().GetCellValue(1, 2));
        ASSERT_TRUE(dlg.GetHeadGrid().SetCurrentCell(2, 2));
        ASSERT_TRUE(dlg.GetHeadGrid().BeginEdit());
        ::SetWindowTextA(::FindWindowExA(dlg.GetHeadGrid().m_hWnd, nullptr, "Edit", nullptr), "typed<2>");
        d.Ok();
    });
    CSimDataFile written;
    ASSERT_TRUE(written.LoadText(FileText(strFile)));
    EXPECT_STREQ("typed<2>", written.m_arrHeadVals[1]);
    ASSERT_EQ(2, written.GetRowCount());
    EXPECT_STREQ("row text", written.GetRowValue(0, 1));
}
