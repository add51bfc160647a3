// The card file: packing a work directory into a compound file and unpacking it again, checked
// with our own reader and with an independent one; damaged files and unsafe names refused.
#include <gtest/gtest.h>

#include <objbase.h>

#include <fstream>
#include <functional>
#include <map>
#include <string>

#include "core/CappObj.h"
#include "platform/base/FxComPtr.h"
#include "tests/core/CardObjUtil.h"
#include "tests/core/OleListUtil.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiDriver.h"
#include "tests/support/TestFiles.h"

namespace
{
BOOL Exists(const CString& strPath)
{
    return GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES;
}

CString MakeDir(const CTestTempFolder& folder, LPCSTR pszName)
{
    const CString strDir = folder.PathOf(pszName);
    CreateDirectoryA(strDir, nullptr);
    return strDir;
}

// Bytes of every value 0..255 and a GBK text, so that nothing is taken for a terminator.
std::string SampleBytes(int nSeed, size_t nSize)
{
    std::string bytes;
    for (size_t i = 0; i < nSize; ++i) {
        bytes += static_cast<char>((i * 31 + static_cast<size_t>(nSeed)) & 0xFF);
    }
    return bytes + "工艺卡片";
}

// A card in a fresh work directory: two templates (one named twice in the code item), the card
// data archive, a sub-file and another file, with GBK names.
struct SampleCard
{
    std::map<CString, std::string> files; // stream name -> bytes
};

SampleCard FillSampleCard(CCappObj& obj, const CString& strBase)
{
    EXPECT_EQ(1, obj.CreateWorkDir(strBase, "New"));
    const CString strDir = obj.GetCpoWorkDir();
    SampleCard card;
    card.files["机加工艺卡.znt"] = SampleBytes(1, 700);
    card.files["检验卡.znt"] = SampleBytes(2, 90);
    card.files["MAST.ccd"] = SampleBytes(3, 1500);
    card.files["零件图.dwg"] = SampleBytes(4, 5000);
    card.files["备注.txt"] = std::string(); // an empty file is a stream too
    for (const auto& file : card.files) {
        TestWriteBytes(strDir + "\\" + file.first, file.second);
    }
    obj.m_strMastCard = "机加工艺卡";
    CStringArray arrDefs;
    arrDefs.Add("机加工艺卡");
    arrDefs.Add("机加工艺卡");
    arrDefs.Add("检验卡");
    CStringArray arrSub;
    arrSub.Add("零件图.dwg");
    CStringArray arrSubData;
    obj.RegsetCard(7, arrDefs, arrSub, arrSubData);
    obj.AddOtherFile("备注.txt");
    obj.AddOtherFile("备注.txt");
    obj.m_nNewCodeID = 12;
    return card;
}

std::set<std::string> ExpectedListing(const CCappObj& obj, const SampleCard& card, int nHaveCardDef)
{
    std::set<std::string> lines;
    for (const auto& file : card.files) {
        lines.insert(OleLine(file.first, file.second));
    }
    CCappObj& rw = const_cast<CCappObj&>(obj);
    lines.insert(OleLine("__STRING__VER", "4.2"));
    lines.insert(OleLine("__STRING__COMPANY", std::string(obj.m_strCompany)));
    lines.insert(OleLine("__STRING__CREATER", std::string(obj.m_strCreater)));
    lines.insert(OleLine("__STRING__NEWCODEID", std::to_string(obj.m_nNewCodeID)));
    lines.insert(OleLine("__STRING__HAVECARDDEF", std::to_string(nHaveCardDef)));
    lines.insert(OleLine("__STRING__MASTERCARD", std::string(obj.m_strMastCard)));
    lines.insert(OleLine("__STRING__OTHERFILE", "备注.txt|"));
    lines.insert(OleLine("__STRING__CARDCODEINFO", std::string(rw.CardCodeInfoToString())));
    return lines;
}

// A compound file with the given streams, made directly through structured storage.
void MakeCompoundFile(const CString& strPath, const std::map<std::wstring, std::string>& streams)
{
    WCHAR wszPath[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, strPath, -1, wszPath, MAX_PATH);
    CFxComPtr<IStorage> pStg;
    ASSERT_TRUE(SUCCEEDED(StgCreateStorageEx(wszPath, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE,
                                             STGFMT_STORAGE, 0, nullptr, nullptr, IID_IStorage, pStg.ReceiveVoid())));
    for (const auto& stream : streams) {
        CFxComPtr<IStream> pStream;
        ASSERT_TRUE(SUCCEEDED(pStg->CreateStream(
            stream.first.c_str(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0, pStream.Receive())));
        ULONG nWritten = 0;
        pStream->Write(stream.second.data(), static_cast<ULONG>(stream.second.size()), &nWritten);
    }
    pStg.Close();
}
} // namespace

TEST(CappObjTest, PackAndUnpackRoundTripWithOlefile)
{
    CTestTempFolder folder;
    const CString strBase = MakeDir(folder, "base");
    const CString strFile = folder.PathOf("card.cpo");
    CCappObj obj;
    const SampleCard card = FillSampleCard(obj, strBase);
    EXPECT_STREQ("QXCAPP", obj.m_strWorkName.GetString());
    EXPECT_EQ(2, obj.GetState());

    ASSERT_EQ(1, obj.SaveDataAs(strFile, 0, 1));
    EXPECT_EQ(1, obj.m_bHaveCardDef);
    EXPECT_EQ(1, obj.GetState());
    EXPECT_FALSE(Exists(strFile + ".~tmp"));
    // Version 4 with 4,096-byte sectors (sector shift 12), which the independent reader opens too.
    const std::string header = TestReadBytes(strFile).substr(0, 0x20);
    ASSERT_EQ(0x20u, header.size());
    EXPECT_EQ(4, header[0x1A]);
    EXPECT_EQ(12, header[0x1E]);

    int nExit = -1;
    const std::set<std::string> listed = ListWithOlefile(strFile, folder.PathOf("listing.txt"), nExit);
    ASSERT_EQ(0, nExit) << "python3-olefile must be installed (scripts/setup)";
    // The have-card-definitions stream holds the value from before this pack.
    EXPECT_EQ(ExpectedListing(obj, card, 0), listed);

    CCappObj back;
    const CString strBase2 = MakeDir(folder, "base2");
    ASSERT_EQ(1, back.DeCompound(strBase2, strFile, CCappObj::partStrings | CCappObj::partFiles));
    EXPECT_STREQ("card", back.m_strWorkName.GetString());
    EXPECT_EQ(0, back.m_bNewFile);
    EXPECT_STREQ(strFile.GetString(), back.m_strFileName.GetString());
    EXPECT_STREQ("机加工艺卡", back.m_strMastCard.GetString());
    EXPECT_EQ(12, back.m_nNewCodeID);
    EXPECT_EQ(0, back.m_bHaveCardDef);
    EXPECT_EQ(7, back.m_CardCode.m_nCodeNumber);
    ASSERT_EQ(1, back.m_arrOtherFile.GetSize());
    EXPECT_STREQ("备注.txt", back.m_arrOtherFile[0].GetString());
    EXPECT_STREQ("机加工艺卡", back.GetMastCardName().GetString());
    EXPECT_EQ(static_cast<int>(card.files.size()), back.m_arrExtracted.GetSize());
    for (const auto& file : card.files) {
        SCOPED_TRACE(file.first.GetString());
        EXPECT_EQ(file.second, TestReadBytes(back.GetCpoWorkDir() + "\\" + file.first));
    }

    // Packed again from the unpacked copy: the same streams, the flag now 1.
    const CString strFile2 = folder.PathOf("again.cpo");
    ASSERT_EQ(1, back.SaveDataAs(strFile2, 1, 0));
    EXPECT_STREQ(strFile.GetString(), back.m_strFileName.GetString());
    EXPECT_EQ(ExpectedListing(back, card, 1), ListWithOlefile(strFile2, folder.PathOf("listing2.txt"), nExit));

    // The work directories go with their objects.
    const CString strWork = back.GetCpoWorkDir();
    back.DetachData();
    EXPECT_FALSE(Exists(strWork));
    EXPECT_TRUE(Exists(strBase2));
}

TEST(CappObjTest, PartsChooseStringsOrFiles)
{
    CTestTempFolder folder;
    const CString strBase = MakeDir(folder, "base");
    const CString strFile = folder.PathOf("card.cpo");
    CCappObj obj;
    FillSampleCard(obj, strBase);
    ASSERT_EQ(1, obj.SaveDataAs(strFile, 1, 1));

    CCappObj strings;
    ASSERT_EQ(1, strings.DeCompound(strBase, strFile, CCappObj::partStrings));
    EXPECT_STREQ("机加工艺卡", strings.m_strMastCard.GetString());
    EXPECT_EQ(0, strings.m_arrExtracted.GetSize());
    EXPECT_FALSE(Exists(strings.GetCpoWorkDir() + "\\MAST.ccd"));

    CCappObj files;
    ASSERT_EQ(1, files.DeCompound(strBase, strFile, CCappObj::partFiles));
    EXPECT_STREQ("", files.m_strMastCard.GetString());
    EXPECT_EQ(5, files.m_arrExtracted.GetSize());
    EXPECT_TRUE(Exists(files.GetCpoWorkDir() + "\\MAST.ccd"));
    // Each unpack has a work directory of its own.
    EXPECT_STREQ("card", strings.m_strWorkName.GetString());
    EXPECT_STREQ("card1", files.m_strWorkName.GetString());
}

TEST(CappObjTest, SavingANewCardWritesNothing)
{
    CTestTempFolder folder;
    const CString strBase = MakeDir(folder, "base");
    CCappObj obj;
    FillSampleCard(obj, strBase);
    EXPECT_EQ(0, obj.SaveData());
    EXPECT_EQ(0, obj.SaveDataAs("", 1, 0));
    const CString strFile = folder.PathOf("copy.cpo");
    EXPECT_EQ(1, obj.SaveDataAs(strFile, 1, 0));
    EXPECT_TRUE(Exists(strFile));
    EXPECT_EQ(1, obj.m_bNewFile);
    EXPECT_STREQ("", obj.m_strFileName.GetString());
    EXPECT_EQ(0, obj.m_bHaveCardDef);
    EXPECT_EQ(0, obj.SaveData());
}

TEST(CappObjTest, FailedPackLeavesTheOldFile)
{
    struct Case
    {
        const char* szName;
        std::function<void(CCappObj&, const CTestTempFolder&)> fnBreak;
    };
    const Case cases[] = {
        {"template missing", [](CCappObj& obj, const CTestTempFolder&) { obj.m_strMastCard = "不存在"; }},
        {"name of 32 characters",
         [](CCappObj& obj, const CTestTempFolder&) {
             const CString strName = "abcdefghijklmnopqrstuvwxyz12"; // 28 + ".znt"
             TestWriteBytes(obj.GetCardDefFileName(strName), "x");
             obj.m_strMastCard = strName;
         }},
        {"reserved character",
         [](CCappObj& obj, const CTestTempFolder&) {
             obj.AddOtherFile("a!b.txt");
             TestWriteBytes(obj.GetCpoWorkDir() + "\\a!b.txt", "x");
         }},
        {"file outside the work directory",
         [](CCappObj& obj, const CTestTempFolder& folder) {
             TestWriteBytes(folder.PathOf("secret.txt"), "secret");
             // As read from a file, not registered in this session.
             obj.StringToCardCodeInfo("1.0<,>C<,>1<,>机加工艺卡<,>" + folder.PathOf("secret.txt"));
         }},
        {"other file up a level",
         [](CCappObj& obj, const CTestTempFolder& folder) {
             TestWriteBytes(folder.PathOf("base\\up.txt"), "up");
             obj.AddOtherFile("..\\up.txt");
         }},
        {"two files under one stream name",
         [](CCappObj& obj, const CTestTempFolder&) {
             CStringArray arrDefs;
             arrDefs.Add("机加工艺卡");
             CStringArray arrSub;
             arrSub.Add("零件图.dwg");
             CStringArray arrData;
             arrData.Add("MAST.ccd");
             obj.RegsetCard(1, arrDefs, arrSub, arrData);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestTempFolder folder;
        const CString strBase = MakeDir(folder, "base");
        const CString strFile = folder.PathOf("card.cpo");
        TestWriteBytes(strFile, "old card");
        CCappObj obj;
        FillSampleCard(obj, strBase);
        obj.m_strFileName = strFile;
        obj.m_bNewFile = 0;
        obj.m_nState = 2;
        c.fnBreak(obj, folder);
        EXPECT_EQ(0, obj.SaveData());
        EXPECT_EQ("old card", TestReadBytes(strFile));
        EXPECT_FALSE(Exists(strFile + ".~tmp"));
        EXPECT_EQ(2, obj.m_nState);
    }
}

TEST(CappObjTest, FilesRegisteredInThisSessionMayLieOutside)
{
    CTestTempFolder folder;
    const CString strBase = MakeDir(folder, "base");
    CCappObj obj;
    FillSampleCard(obj, strBase);
    const CString strOutside = folder.PathOf("外部.bmp");
    TestWriteBytes(strOutside, "BM..");
    CStringArray arrDefs;
    arrDefs.Add("机加工艺卡");
    CStringArray arrSub;
    arrSub.Add(strOutside);
    CStringArray arrData;
    obj.RegsetCard(1, arrDefs, arrSub, arrData);

    // ImputSubFile copies into the work directory under a new item code.
    CString strStored;
    CString strFull;
    ASSERT_EQ(1, obj.ImputSubFile(strOutside, strStored, strFull));
    EXPECT_STREQ("12.bmp", strStored.GetString());
    EXPECT_STREQ((obj.GetCpoWorkDir() + "\\12.bmp").GetString(), strFull.GetString());
    EXPECT_EQ("BM..", TestReadBytes(strFull));
    obj.AddOtherFile(strStored);

    const CString strFile = folder.PathOf("card.cpo");
    ASSERT_EQ(1, obj.SaveDataAs(strFile, 1, 1));
    CCappObj back;
    ASSERT_EQ(1, back.DeCompound(strBase, strFile, 3));
    EXPECT_EQ("BM..", TestReadBytes(back.GetCpoWorkDir() + "\\外部.bmp"));
    EXPECT_EQ("BM..", TestReadBytes(back.GetCpoWorkDir() + "\\12.bmp"));
    EXPECT_EQ(13, back.m_nNewCodeID);
}

TEST(CappObjTest, DamagedAndTruncatedFilesAreRefused)
{
    CTestTempFolder folder;
    const CString strBase = MakeDir(folder, "base");
    const CString strGood = folder.PathOf("good.cpo");
    CCappObj source;
    FillSampleCard(source, strBase);
    ASSERT_EQ(1, source.SaveDataAs(strGood, 1, 1));
    const std::string good = TestReadBytes(strGood);
    const std::string ccd = TestReadBytes(strBase + "\\QXCAPP\\MAST.ccd");
    ASSERT_GT(good.size(), 2048u);

    struct Case
    {
        const char* szName;
        std::string bytes;
    };
    std::string flipped = good;
    for (size_t i = 0x30; i < 0x50; ++i) {
        flipped[i] = static_cast<char>(0xFF); // the directory and FAT pointers of the header
    }
    const Case cases[] = {
        {"not a compound file", "这不是卡片文件"},
        {"header only", good.substr(0, 512)},
        {"half of the file", good.substr(0, good.size() / 2)},
        {"last sector missing", good.substr(0, good.size() - 512)},
        {"damaged header", flipped},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        const CString strBad = folder.PathOf("bad.cpo");
        TestWriteBytes(strBad, c.bytes);
        CTestUi ui;
        CCappObj obj;
        obj.m_strFileName = folder.PathOf("previous.cpo");
        EXPECT_EQ(0, obj.DeCompound(strBase, strBad, 3));
        EXPECT_EQ(1u, ui.GetBoxes().size());
        // The path is not adopted: a later save cannot overwrite the damaged file with nothing.
        EXPECT_STRNE(strBad.GetString(), obj.m_strFileName.GetString());
        EXPECT_EQ(0, obj.SaveData());
        EXPECT_EQ(c.bytes, TestReadBytes(strBad));
        EXPECT_STREQ("", obj.m_strWorkName.GetString());
        EXPECT_FALSE(Exists(strBase + "\\bad"));
    }

    // Every truncation either reads the whole card or is refused, and never crashes.
    int nRefused = 0;
    for (size_t n = 0; n < good.size(); n += 61) {
        const CString strCut = folder.PathOf("cut.cpo");
        TestWriteBytes(strCut, good.substr(0, n));
        CTestUi ui;
        CCappObj obj;
        if (obj.DeCompound(strBase, strCut, 3) == 0) {
            ++nRefused;
        } else {
            ASSERT_EQ(ccd, TestReadBytes(obj.GetCpoWorkDir() + "\\MAST.ccd")) << "prefix " << n;
        }
    }
    EXPECT_GT(nRefused, 0);
}

TEST(CappObjTest, UnpackingRefusesNamesThatLeaveTheWorkDirectory)
{
    const std::wstring badNames[] = {L"..", L"a..b", L"\x01name", L"CON", L"lpt1.txt", L"a*b"};
    for (const std::wstring& wstrName : badNames) {
        SCOPED_TRACE(CString(wstrName.c_str()).GetString());
        CTestTempFolder folder;
        const CString strBase = MakeDir(folder, "base");
        const CString strFile = folder.PathOf("evil.cpo");
        MakeCompoundFile(strFile, {{L"ok.txt", "fine"}, {wstrName, "payload"}});
        CTestUi ui;
        CCappObj obj;
        EXPECT_EQ(0, obj.DeCompound(strBase, strFile, 3));
        EXPECT_FALSE(Exists(strBase + "\\evil"));
        EXPECT_FALSE(Exists(folder.PathOf("b")));
    }
}

TEST(CappObjTest, LongNameListsLoadWhole)
{
    CTestTempFolder folder;
    const CString strBase = MakeDir(folder, "base");
    const CString strFile = folder.PathOf("names.cpo");
    // 80,000 names of about two bytes each: a GBK character whose trail byte is "|", a letter and
    // an empty name, each followed by "|"; and as many card names in the code information.
    const char* const items[] = {"\x95\x7C", "a", ""};
    const int nNames = 80000;
    std::string other;
    std::string cards;
    for (int i = 0; i < nNames; ++i) {
        other += items[i % 3];
        other += "|";
        cards += (i > 0 ? "\n" : "") + std::string("c") + std::to_string(i);
    }
    ASSERT_GE(other.size(), 160000u);
    MakeCompoundFile(
        strFile, {{L"__STRING__OTHERFILE", other}, {L"__STRING__CARDCODEINFO", "1.0<,>C<,>7<,>" + cards + "<,>s.dat"}});
    CCappObj obj;
    ASSERT_EQ(1, obj.DeCompound(strBase, strFile, CCappObj::partStrings));
    ASSERT_EQ(nNames, obj.m_arrOtherFile.GetSize());
    for (int i = 0; i < nNames; ++i) {
        ASSERT_STREQ(items[i % 3], obj.m_arrOtherFile[i].GetString()) << i;
    }
    ASSERT_EQ(nNames, obj.m_CardCode.m_arrCardName.GetSize());
    EXPECT_STREQ("c79999", obj.m_CardCode.m_arrCardName[nNames - 1].GetString());
    ASSERT_EQ(1, obj.m_CardCode.m_arrSubFileName.GetSize());

    // The same splitting as before: no empty last element, empty ones inside kept.
    CStringArray arr;
    CCappObj::LoadStringToArray("|x||", arr);
    ASSERT_EQ(3, arr.GetSize());
    EXPECT_STREQ("", arr[0].GetString());
    EXPECT_STREQ("x", arr[1].GetString());
    EXPECT_STREQ("", arr[2].GetString());
    CCappObj::LoadStringToArray("", arr);
    EXPECT_EQ(0, arr.GetSize());
    CString strFirst;
    CStringArray arrRest;
    CCappObj::GetSubFileInfo("a\nb\n\nc", strFirst, arrRest);
    EXPECT_STREQ("a", strFirst.GetString());
    ASSERT_EQ(3, arrRest.GetSize());
    EXPECT_STREQ("", arrRest[1].GetString());
    EXPECT_STREQ("c", arrRest[2].GetString());
}

TEST(CappObjTest, DetachDataNeverDeletesARootOrAnEmptyPath)
{
    CTestTempFolder folder;
    const CString strBase = MakeDir(folder, "base");
    TestWriteBytes(strBase + "\\keep.txt", "keep");
    struct Case
    {
        const char* szName;
        CString strBase;
        CString strWork;
    };
    const Case cases[] = {
        {"empty", "", ""},
        {"no work name", strBase, ""},
        {"parent", strBase + "\\x", ".."},
        {"dot", strBase, "."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappObj obj;
        obj.m_strBaseDir = c.strBase;
        obj.m_strWorkName = c.strWork;
        obj.DetachData();
        EXPECT_TRUE(Exists(strBase + "\\keep.txt"));
    }
    EXPECT_FALSE(CCappObj::DeleteDirectory(""));
    EXPECT_FALSE(CCappObj::DeleteDirectory("C:\\"));
    EXPECT_FALSE(CCappObj::DeleteDirectory("C:"));
    EXPECT_FALSE(CCappObj::DeleteDirectory("C:windows"));

    CCappObj kept;
    ASSERT_EQ(1, kept.CreateWorkDir(strBase, "k.cpo"));
    kept.m_bKeepWorkDir = 1;
    kept.DetachData();
    EXPECT_TRUE(Exists(strBase + "\\k"));
}

TEST(CappObjTest, WorkDirectoryNamesAreMadeUnique)
{
    CTestTempFolder folder;
    const CString strBase = MakeDir(folder, "base");
    CCappObj a;
    CCappObj b;
    CCappObj c;
    ASSERT_EQ(1, a.CreateWorkDir(strBase, "D:\\cards\\零件.v2.cpo"));
    ASSERT_EQ(1, b.CreateWorkDir(strBase, "零件.cpo"));
    ASSERT_EQ(1, c.CreateWorkDir(strBase, "零件"));
    EXPECT_STREQ("零件", a.m_strWorkName.GetString());
    EXPECT_STREQ("零件1", b.m_strWorkName.GetString());
    EXPECT_STREQ("零件2", c.m_strWorkName.GetString());
    EXPECT_EQ(0, a.m_bNewFile);

    CCappObj missing;
    EXPECT_EQ(0, missing.CreateWorkDir(folder.PathOf("nowhere"), "x.cpo"));
    EXPECT_STREQ("", missing.GetCpoWorkDir().GetString());
}

TEST(CappObjTest, ThousandSubFilesReadBackByBothReaders)
{
    CTestTempFolder folder;
    const CString strBase = MakeDir(folder, "base");
    const CString strFile = folder.PathOf("many.cpo");
    CCappObj obj;
    SampleCard card = FillSampleCard(obj, strBase);
    // The code item below names neither 检验卡 nor 零件图.dwg: they stay in the folder unpacked.
    card.files.erase("检验卡.znt");
    card.files.erase("零件图.dwg");
    CStringArray arrDefs;
    arrDefs.Add("机加工艺卡");
    CStringArray arrSub;
    CStringArray arrData;
    std::map<CString, std::string> subFiles;
    for (int i = 0; i < 1000; ++i) {
        CString strName;
        strName.Format("子文件%04d.dat", i);
        const std::string bytes = SampleBytes(i, static_cast<size_t>(i % 300));
        TestWriteBytes(obj.GetCpoWorkDir() + "\\" + strName, bytes);
        arrSub.Add(strName);
        subFiles[strName] = bytes;
    }
    obj.RegsetCard(2, arrDefs, arrSub, arrData);
    std::set<std::string> expected = ExpectedListing(obj, card, 1);
    for (const auto& file : subFiles) {
        expected.insert(OleLine(file.first, file.second));
    }
    ASSERT_EQ(1, obj.SaveDataAs(strFile, 1, 1));

    int nExit = -1;
    EXPECT_EQ(expected, ListWithOlefile(strFile, folder.PathOf("listing.txt"), nExit));

    CCappObj back;
    ASSERT_EQ(1, back.DeCompound(strBase, strFile, 3));
    EXPECT_EQ(1000, back.m_CardCode.m_arrSubFileName.GetSize());
    for (const auto& file : subFiles) {
        ASSERT_EQ(file.second, TestReadBytes(back.GetCpoWorkDir() + "\\" + file.first)) << file.first.GetString();
    }
}

TEST(CappObjTest, CopyCardDataUnpacksIntoANewDirectoryAndKeepsTheOwnFile)
{
    CTestTempFolder folder;
    const CString strBase = MakeDir(folder, "base");
    const CString strFile = folder.PathOf("card.cpo");
    {
        CCappObj obj;
        FillSampleCard(obj, strBase);
        ASSERT_EQ(1, obj.SaveDataAs(strFile, 1, 1));
    }
    CCappObj obj;
    ASSERT_EQ(1, obj.CreateWorkDir(strBase, "own.cpo"));
    obj.m_strFileName = folder.PathOf("own.cpo");
    const CString strOldWork = obj.GetCpoWorkDir();
    EXPECT_EQ(0, obj.CopyCardData(""));
    EXPECT_EQ(0, obj.CopyCardData(folder.PathOf("missing.cpo")));
    ASSERT_EQ(1, obj.CopyCardData(strFile));
    EXPECT_FALSE(Exists(strOldWork));
    EXPECT_STREQ("card", obj.m_strWorkName.GetString());
    EXPECT_STREQ(folder.PathOf("own.cpo").GetString(), obj.m_strFileName.GetString());
    EXPECT_EQ(0, obj.m_bNewFile);
    EXPECT_TRUE(Exists(obj.GetCpoWorkDir() + "\\MAST.ccd"));
}

TEST(CappObjTest, SmallHelpers)
{
    struct HeadCase
    {
        const char* szCode;
        int nID;
    };
    const HeadCase heads[] = {{"12_a", 12}, {"0_x", 0}, {"_1", -1}, {"x_1", -1}, {"12", -1}, {"", -1}};
    for (const HeadCase& c : heads) {
        SCOPED_TRACE(c.szCode);
        EXPECT_EQ(c.nID, CCappObj::GetCardCodeHeadID(c.szCode));
    }
    EXPECT_STREQ("a", CCappObj::GetFileName_NoExt("C:\\d\\a.b.c").GetString());
    EXPECT_STREQ(".hidden", CCappObj::GetFileName_NoExt("C:\\d\\.hidden").GetString());
    EXPECT_STREQ("\\x", CCappObj::GetFileName("\\x").GetString());
    EXPECT_STREQ("C:\\t\\DBCPO_5.cpo", CCappObj::CreateCpoFileNameByID("C:\\t", 5).GetString());

    CString strSrc = "abcdef";
    CString strPiece;
    EXPECT_EQ(4, CCappObj::StringRead(strSrc, strPiece, 4));
    EXPECT_STREQ("ef", strSrc.GetString());
    EXPECT_EQ(0, CCappObj::StringRead(strSrc, strPiece, 0));
    EXPECT_STREQ("", strPiece.GetString());

    CStringArray arr;
    CCappObj::LoadStringToArray("a|b|", arr);
    ASSERT_EQ(2, arr.GetSize());
    EXPECT_STREQ("a|b|", CCappObj::ReadArrayToString(arr).GetString());
    CUIntArray arrNum;
    CCappObj::LoadStringToArray("3|14|", arrNum);
    EXPECT_STREQ("3|14|", CCappObj::ReadArrayToString(arrNum).GetString());

    CString strFirst;
    CStringArray arrRest;
    CCappObj::GetSubFileInfo("a\nb\nc", strFirst, arrRest);
    EXPECT_STREQ("a", strFirst.GetString());
    EXPECT_EQ(2, arrRest.GetSize());

    CStringArray codes;
    codes.Add("A");
    codes.Add("B");
    CStringArray values;
    values.Add("1");
    values.Add("2");
    CString strOut;
    EXPECT_EQ(1, CCappObj::GetNewCode("B", strOut, codes, values));
    EXPECT_STREQ("2", strOut.GetString());
    EXPECT_EQ(0, CCappObj::GetNewCode("C", strOut, codes, values));

    CCappObj obj;
    EXPECT_EQ(0, obj.GetNewCodeID());
    EXPECT_STREQ("1", obj.GetNewItemCode().GetString());
    EXPECT_STREQ("MAST", CCappObj::GetMastCardCode().GetString());
    EXPECT_EQ(&obj, obj.m_CardObj.m_pCappObj);
    obj.m_strMastCard = "m";
    obj.m_CardCode.m_arrCardName.Add("a");
    obj.m_CardCode.m_arrCardName.Add("a");
    obj.m_CardCode.m_arrCardName.Add("m");
    obj.m_CardCode.m_arrCardName.Add("b");
    CStringArray names;
    obj.GetAllCardDefName(names);
    ASSERT_EQ(3, names.GetSize());
    EXPECT_STREQ("b", names[2].GetString());
}

TEST(CappObjTest, TheCardFollowsItsCardFile)
{
    CTestTempFolder folder;
    WriteTemplate(folder.GetPath(), {"主卡", 3, {"A"}, "M", {"N"}, ""});
    for (int nState : {1, 2}) {
        SCOPED_TRACE(nState);
        CCappObj obj;
        obj.m_nState = nState;
        ASSERT_EQ(1, obj.m_CardObj.LoadCard(folder.GetPath(), "主卡", "MAST", &obj, nullptr));
        // In state 2 the host puts its own sheets into the card: none are loaded from files.
        EXPECT_EQ(nState == 2 ? 0 : 1, static_cast<int>(obj.m_CardObj.m_listSheet.GetCount()));
    }
    CCappObj obj;
    obj.m_nNewCodeID = 5;
    EXPECT_STREQ("5", obj.m_CardObj.GetNewItemIDCode().GetString());
    EXPECT_STREQ("6", obj.m_CardObj.GetNewItemIDCode().GetString());
    CCardObj alone;
    EXPECT_STREQ("", alone.GetNewItemIDCode().GetString());
}
