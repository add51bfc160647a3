// The one check for file names taken from stored data or host calls: nothing that could lead out
// of the folder the name is joined to, or open a device, gets through.
#include <gtest/gtest.h>

#include "core/CappFileNameFun.h"
#include "core/CappObj.h"
#include "tests/core/CardObjUtil.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiDriver.h"

namespace
{
TEST(CappFileNameFunTest, OnlyPlainNamesStayInTheirFolder)
{
    struct Case
    {
        const char* szName;
        const char* szFileName;
        BOOL bPlain;
    };
    const Case cases[] = {
        {"plain name", "ProcessCard", TRUE},
        {"name with extension", "MAST.ccd", TRUE},
        {"GBK name", "机加工艺卡", TRUE},
        {"GBK trail byte 0x5C is no separator", "\x95\x5C\xB1\xED", TRUE},
        {"GBK trail byte 0x7C is no pipe", "\x95\x7C", TRUE},
        {"leading dot", ".hidden", TRUE},
        {"device name as part of a word", "CONSOLE", TRUE},
        {"COM without digit", "COM", TRUE},
        {"COM0", "COM0.txt", TRUE},
        {"empty", "", FALSE},
        {"parent", "..", FALSE},
        {"current", ".", FALSE},
        {"parent path", "..\\..\\..\\users\\Public\\escaped", FALSE},
        {"parent path with slashes", "../escaped", FALSE},
        {"sub-folder", "a\\b", FALSE},
        {"forward slash", "a/b", FALSE},
        {"drive letter", "C:escaped", FALSE},
        {"absolute path", "C:\\users\\Public\\escaped", FALSE},
        {"UNC path", "\\\\server\\share\\x", FALSE},
        {"alternate data stream", "a.txt:secret", FALSE},
        {"dots inside", "a..b", FALSE},
        {"trailing dot", "name.", FALSE},
        {"trailing blank", "name ", FALSE},
        {"wildcard", "a*b", FALSE},
        {"question mark", "a?b", FALSE},
        {"control character",
         "a\x01"
         "b",
         FALSE},
        {"CON", "CON", FALSE},
        {"con with extension", "con.znt", FALSE},
        {"PRN", "PRN", FALSE},
        {"AUX with extension", "Aux.txt", FALSE},
        {"NUL", "nul", FALSE},
        {"NUL with blank before the extension", "NUL .txt", FALSE},
        {"COM1", "COM1", FALSE},
        {"com9 with extension", "com9.znd", FALSE},
        {"LPT1", "LPT1", FALSE},
        {"lpt5 with two extensions", "lpt5.a.b", FALSE},
        {"CONIN$", "CONIN$", FALSE},
        {"lead byte without trail", "a\x95", FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bPlain, CCappFileNameFun::IsPlainFileName(c.szFileName));
    }
    EXPECT_FALSE(CCappFileNameFun::IsPlainFileName(CString('x', MAX_PATH + 1)));
    EXPECT_FALSE(CCappFileNameFun::IsPlainFileNameW(nullptr));
    EXPECT_FALSE(CCappFileNameFun::IsPlainFileNameW(L"a\\b"));
    EXPECT_TRUE(CCappFileNameFun::IsPlainFileNameW(L"\x96F6\x4EF6.dwg"));
}

TEST(CappFileNameFunTest, NamesFromCardDataStayInTheCardFolder)
{
    CTestTempFolder folder;
    const CString strCardDir = folder.PathOf("card");
    CreateDirectoryA(strCardDir, nullptr);
    // A template beside the card folder that a page's stored template name reaches with "..\".
    WriteTemplate(folder.GetPath(), {"outside", 3, {"A"}, "M", {"N"}, ""});
    {
        CCardObj card;
        card.m_strCardDir = strCardDir;
        CTestUi ui;
        EXPECT_EQ(nullptr, card.LoadSheet(nullptr, "..\\outside"));
        EXPECT_TRUE(card.m_listSheet.IsEmpty());
        EXPECT_EQ(1u, ui.GetBoxes().size());
    }

    // A card file named like a device gets a work folder of the usual new-card name.
    CCappObj obj;
    ASSERT_EQ(1, obj.CreateWorkDir(folder.GetPath(), "D:\\cards\\CON.cpo"));
    EXPECT_STREQ("QXCAPP", obj.m_strWorkName.GetString());
    obj.m_strFileName = "D:\\cards\\lpt1.cpo";
    CString strCpv;
    CString strRpd;
    EXPECT_EQ(0, obj.GetDefSRPFileName(strCpv, strRpd));
}
} // namespace
