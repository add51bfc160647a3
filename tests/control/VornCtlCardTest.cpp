// The report control's card through its dispatch interface, called by dispid as the simulator
// does: templates, XML data, values, item looks, scripts, packed card files and the pop-up menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/CardScriptEngine.h"
#include "control/VornCtlCtrl.h"
#include "control/VornCtlIds.h"
#include "core/CappCell.h"
#include "core/CappSheet.h"
#include "core/CardObj.h"
#include "core/CellFieldDataItem.h"
#include "core/ScriptItem.h"
#include "platform/base/Archive.h"
#include "platform/base/File.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/FxFindHandle.h"
#include "platform/base/FxHandle.h"
#include "platform/base/FxVariant.h"
#include "platform/ole/OleDispatchDriver.h"
#include "platform/win/Menu.h"
#include "support/DibCanvas.h"
#include "support/LoopbackHttpServer.h"
#include "support/PngFile.h"
#include "support/SysDlgDriver.h"
#include "support/TempFolder.h"
#include "support/TestData.h"
#include "support/TestFiles.h"
#include "support/UiDriver.h"

// After the windows headers.
#include <ocidl.h>

namespace
{
enum {
    idZntFileName = 1,
    idInitVornData = 4,
    idSetVarData = 6,
    idUpdateCurPageData = 8,
    idGetPageCount = 12,
    idInsertRow = 20,
    idSaveToFile = 23,
    idGetFileName = 24,
    idOpenZndFile = 25,
    idLoadADMLDataFile = 35,
    idLoadADMLData = 36,
    idSetZntFile = 37,
    idAddPopupMenuItem = 38,
    idGetCardVars = 39,
    idLoadScript = 40,
    idModifyItemStyle = 41,
    idGetVarData = 43,
    idGetScriptNames = 45,
    idGetMDNames = 46,
    idExecScript = 47,
    idLoadADMLURL = 50,
    idGetRowUseCount = 54,
    idMoveRow = 56,
    idDownloadLimit = 59,
};

CString SampleTemplate(LPCSTR pszName)
{
    return TestDataPath((CString("..\\..\\..\\samples\\workdir\\Template\\") + pszName).GetString());
}

void WriteText(const CString& strPath, const char* pszText)
{
    CFxHandle h(CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    DWORD cb = 0;
    WriteFile(h, pszText, static_cast<DWORD>(strlen(pszText)), &cb, nullptr);
}

// Working in a temporary folder that holds the two sample templates as T1.znt and T2.znt, so
// that relative names work as the simulator passes them.
class CCardFolder
{
public:
    CCardFolder()
    {
        GetCurrentDirectoryA(MAX_PATH, m_szOld);
        CopyFileA(SampleTemplate("ProcessCard.znt"), m_folder.PathOf("T1.znt"), FALSE);
        CopyFileA(SampleTemplate("ProcessCardNext.znt"), m_folder.PathOf("T2.znt"), FALSE);
        SetCurrentDirectoryA(m_folder.GetPath());
    }
    ~CCardFolder() { SetCurrentDirectoryA(m_szOld); }
    CString PathOf(LPCSTR pszName) const { return m_folder.PathOf(pszName); }
    const CString& GetPath() const { return m_folder.GetPath(); }

private:
    CTestTempFolder m_folder;
    char m_szOld[MAX_PATH] = "";
};

// One control and a driver calling it by dispid.
struct CtlDriver
{
    CVornCtlCtrl ctl;
    COleDispatchDriver disp;
    CtlDriver() { disp.AttachDispatch(ctl.GetIDispatch(TRUE)); }

    template <class R, class... A> R Call(DISPID id, const A&... args)
    {
        R r{};
        EXPECT_EQ(S_OK, disp.InvokeHelper(id, DISPATCH_METHOD, &r, args...)) << "dispid " << id;
        return r;
    }
    CString Zntfile()
    {
        CString str;
        EXPECT_EQ(S_OK, disp.GetProperty(idZntFileName, &str));
        return str;
    }
    // Templates T1 (and T2), then the card started from them.
    void Start(LPCSTR pszExtra = "")
    {
        ASSERT_EQ(0, Call<long>(idSetZntFile, CString("T1.znt"), CString(pszExtra)));
        ASSERT_TRUE(Call<int>(idInitVornData));
    }
    CString Var(LPCSTR pszName, long nRow = 0) { return Call<CString>(idGetVarData, CString(pszName), nRow, short(0)); }
};

// The head variable names of the started card.
std::vector<CString> HeadVars(CtlDriver& d)
{
    CString strVars = d.Call<CString>(idGetCardVars, short(0), CString(""));
    std::vector<CString> vars;
    while (!strVars.IsEmpty()) {
        const int n = strVars.Find(';');
        const CString strName = n >= 0 ? strVars.Left(n) : strVars;
        strVars = n >= 0 ? strVars.Mid(n + 1) : CString();
        if (!strName.IsEmpty()) {
            vars.push_back(strName);
        }
    }
    return vars;
}

// The current sheet's head cell bound to that variable.
const CCappCell* HeadCell(CtlDriver& d, const CString& strVar)
{
    CCappSheet* pSheet = d.ctl.GetCappObj().m_CardObj.GetCurSheet();
    for (POSITION pos = pSheet != nullptr ? pSheet->m_HeadCellList.GetHeadPosition() : nullptr; pos != nullptr;) {
        auto* pCell = static_cast<const CCappCell*>(pSheet->m_HeadCellList.GetNext(pos));
        if (pCell->m_strVarName == strVar) {
            return pCell;
        }
    }
    return nullptr;
}

CString HeadXml(const CString& strVar1, const CString& strVar2, LPCSTR pszVal1, LPCSTR pszVal2)
{
    CString strXml;
    strXml.Format("<DATA><HEAD VARS=\"%s;%s;\"><VAL>%s</VAL><VAL>%s</VAL></HEAD></DATA>", strVar1.GetString(),
                  strVar2.GetString(), pszVal1, pszVal2);
    return strXml;
}

VARIANT IntVariant(long n)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = n;
    return v;
}

VARIANT BoolVariant(bool b)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BOOL;
    v.boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}
} // namespace

TEST(VornCtlCardTest, SimulatorCallsByDispidStartAndFillTheCard)
{
    CCardFolder folder;
    CtlDriver d;
    EXPECT_EQ(0, d.Call<long>(idSetZntFile, CString("T1.znt"), CString("")));
    EXPECT_STREQ("0;T1.znt;", d.Zntfile());
    EXPECT_EQ(1, d.ctl.GetCappObj().m_CardObj.m_listSheet.GetCount());
    EXPECT_TRUE(d.Call<int>(idInitVornData));
    EXPECT_EQ(1, d.Call<long>(idGetPageCount));
    // A second start keeps the card.
    EXPECT_TRUE(d.Call<int>(idInitVornData));
    EXPECT_EQ(1, d.Call<long>(idGetPageCount));

    const std::vector<CString> vars = HeadVars(d);
    ASSERT_GE(vars.size(), 2u);
    EXPECT_EQ(0, d.Call<long>(idLoadADMLData, HeadXml(vars[0], vars[1], "零件A", "42"), 0L));
    EXPECT_STREQ("零件A", d.Var(vars[0]));
    EXPECT_STREQ("42", d.Var(vars[1]));
    EXPECT_EQ(0, d.Call<long>(idSetVarData, vars[1], 0L, CString("__A16(C4E3)")));
    EXPECT_STREQ("\xC4\xE3", d.Var(vars[1]));
    // The page shows the values once it is brought up to date.
    d.Call<int>(idUpdateCurPageData);
    const CCappCell* pCell = HeadCell(d, vars[1]);
    ASSERT_NE(nullptr, pCell);
    EXPECT_STREQ("\xC4\xE3", pCell->m_strText);
    EXPECT_STREQ("零件A", HeadCell(d, vars[0])->m_strText);
    EXPECT_EQ(-1, d.Call<long>(idSetVarData, CString("NoSuchVar"), 0L, CString("x")));
    EXPECT_STREQ("", d.Var("NoSuchVar"));
    // The sample master has one detail area.
    EXPECT_STREQ("工序", d.Call<CString>(idGetMDNames));
    EXPECT_EQ(-1, d.Call<long>(idGetRowUseCount, CString(""), 1L));
    EXPECT_EQ(-1, d.Call<long>(idGetRowUseCount, CString("无此表"), 1L));
    EXPECT_FALSE(d.Call<int>(idMoveRow, CString("无此表"), 1L, 1L, 2L));

    CTestDib dib(1150, 420);
    CFxComPtr<IViewObject> pView;
    ASSERT_EQ(S_OK, d.ctl.GetIDispatch(FALSE)->QueryInterface(IID_IViewObject, pView.ReceiveVoid()));
    RECTL rcl = {0, 0, 1150, 420};
    ASSERT_EQ(S_OK, pView->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dib.DC().GetSafeHdc(), &rcl, nullptr,
                                nullptr, 0));
    EXPECT_GT(dib.CountInk(CRect(0, 0, 600, 420)), 1000);
    SavePng(TestImagePath("vornctl-started-card.png").c_str(), dib.Bits(), dib.Width(), dib.Height());
}

TEST(VornCtlCardTest, TemplatesFollowTheZntFileNameText)
{
    CCardFolder folder;
    WriteText(folder.PathOf("junk.znt"), "not a template");
    const struct
    {
        const char* pszName;
        const char* pszMain;
        const char* pszExtra;
        long nResult;
        int nTemplates;
    } cases[] = {
        {"main only", "T1.znt", "", 0, 1},
        {"main and extra", "T1.znt", "T2.znt", 0, 2},
        {"missing main", "missing.znt", "", -1, 0},
        {"main that is no template", "junk.znt", "", -1, 0},
        {"marker at the start is a local path", "://T1.znt", "", -1, 0},
        {"nothing named", "", "", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CtlDriver d;
        EXPECT_EQ(c.nResult, d.Call<long>(idSetZntFile, CString(c.pszMain), CString(c.pszExtra)));
        EXPECT_EQ(c.nTemplates, d.ctl.GetCappObj().m_CardObj.m_listSheet.GetCount());
    }

    // A second call reloads from the files; a shorter list drops the extra template.
    CtlDriver d;
    ASSERT_EQ(0, d.Call<long>(idSetZntFile, CString("T1.znt"), CString("T2.znt")));
    EXPECT_EQ(2, d.ctl.GetCappObj().m_CardObj.m_listSheet.GetCount());
    EXPECT_EQ(0, d.Call<long>(idSetZntFile, CString("T1.znt"), CString("T2.znt")));
    EXPECT_FALSE(d.ctl.IsDataInitialised());
    EXPECT_EQ(2, d.ctl.GetCappObj().m_CardObj.m_listSheet.GetCount());
    EXPECT_EQ(S_OK, d.disp.SetProperty(idZntFileName, CString("0;T1.znt")));
    EXPECT_EQ(1, d.ctl.GetCappObj().m_CardObj.m_listSheet.GetCount());
}

TEST(VornCtlCardTest, XmlDataFromTextAndFileGiveMinusOneWhenNothingLoads)
{
    CCardFolder folder;
    CtlDriver d;
    d.Start();
    const std::vector<CString> vars = HeadVars(d);
    ASSERT_GE(vars.size(), 2u);
    const CString strGood = HeadXml(vars[0], vars[1], "a", "b");
    WriteText(folder.PathOf("data.xml"), strGood);
    WriteText(folder.PathOf("bad.xml"), "<DATA><HEAD");
    const struct
    {
        const char* pszName;
        DISPID id;
        CString strArg;
        long nResult;
    } cases[] = {
        {"text", idLoadADMLData, strGood, 0},
        {"empty text", idLoadADMLData, "", -1},
        {"text that is not XML", idLoadADMLData, "<DATA><HEAD", -1},
        {"file", idLoadADMLDataFile, folder.PathOf("data.xml"), 0},
        {"missing file", idLoadADMLDataFile, folder.PathOf("none.xml"), -1},
        {"file that is not XML", idLoadADMLDataFile, folder.PathOf("bad.xml"), -1},
        {"empty file name", idLoadADMLDataFile, "", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        EXPECT_EQ(0, d.Call<long>(idSetVarData, vars[0], 0L, CString("old")));
        EXPECT_EQ(c.nResult, d.Call<long>(c.id, c.strArg, 0L));
        EXPECT_STREQ(c.nResult == 0 ? "a" : "old", d.Var(vars[0]));
    }
}

TEST(VornCtlCardTest, ModifyItemStyleTellsWhetherTheItemChanged)
{
    CCardFolder folder;
    CtlDriver d;
    d.Start();
    const std::vector<CString> vars = HeadVars(d);
    ASSERT_GE(vars.size(), 1u);
    ASSERT_EQ(0, d.Call<long>(idSetVarData, vars[0], 0L, CString("v")));
    CCellFieldDataItem* pItem = d.ctl.GetCappObj().m_CardObj.m_CardData.GetVarDataItem(vars[0], 0, nullptr, nullptr);
    ASSERT_NE(nullptr, pItem);

    CFxVariant text;
    VARIANT& vText = text;
    vText.vt = VT_BSTR;
    vText.bstrVal = SysAllocString(L"SimHei");
    const struct
    {
        const char* pszType;
        VARIANT v;
        BOOL bResult;
        int nFlagsSet;
    } cases[] = {
        {"_TEXTCOLOR_", IntVariant(255), TRUE, 0x2},
        {"_BKCOLOR_", IntVariant(0xFF00), TRUE, 0x1},
        {"_INVERTCOLOR_", BoolVariant(true), TRUE, 0x10},
        {"_FONTHEIGHT_", IntVariant(-40), TRUE, 0x4},
        {"_FONTNAME_", vText, TRUE, 0x4},
        {"_TEXTCOLOR_", BoolVariant(true), FALSE, 0},
        {"_textcolor_", IntVariant(255), FALSE, 0},
        {"_UNKNOWN_", IntVariant(1), FALSE, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszType);
        pItem->m_nDispFlag = 0;
        EXPECT_EQ(c.bResult, d.Call<int>(idModifyItemStyle, vars[0], 0L, CString(c.pszType), c.v));
        EXPECT_EQ(c.nFlagsSet, pItem->m_nDispFlag & c.nFlagsSet) << std::hex << pItem->m_nDispFlag;
        if (!c.bResult) {
            EXPECT_EQ(0, pItem->m_nDispFlag);
        }
    }
    EXPECT_EQ(255, pItem->m_nDisp2);
    EXPECT_EQ(0xFF00, pItem->m_nDisp1);
    // Once the item has its own font, later font changes build on it instead of the cell's.
    pItem->m_nDispFlag = 0;
    EXPECT_TRUE(d.Call<int>(idModifyItemStyle, vars[0], 0L, CString("_FONTNAME_"), vText));
    EXPECT_TRUE(d.Call<int>(idModifyItemStyle, vars[0], 0L, CString("_FONTHEIGHT_"), IntVariant(-40)));
    EXPECT_EQ(-40, pItem->m_lfFont.lfHeight);
    EXPECT_STREQ("SimHei", pItem->m_lfFont.lfFaceName);
    EXPECT_FALSE(d.Call<int>(idModifyItemStyle, CString("NoSuchVar"), 0L, CString("_TEXTCOLOR_"), IntVariant(1)));
    // False clears the invert flag and still counts as a change.
    pItem->m_nDispFlag = 0x10;
    EXPECT_TRUE(d.Call<int>(idModifyItemStyle, vars[0], 0L, CString("_INVERTCOLOR_"), BoolVariant(false)));
    EXPECT_EQ(0, pItem->m_nDispFlag);
}

TEST(VornCtlCardTest, ScriptsAreListedReplacedAndRunByName)
{
    CCardFolder folder;
    CtlDriver none;
    // Without a master sheet nothing is kept and nothing runs.
    none.Call<int>(idLoadScript, short(1), CString("s"), CString("x = 1"));
    EXPECT_STREQ("", none.Call<CString>(idGetScriptNames, short(1)));
    EXPECT_FALSE(none.Call<int>(idExecScript, short(1), CString("s")));

    CtlDriver d;
    d.Start();
    CCappSheet* pMaster = d.ctl.GetCappObj().m_CardObj.GetMasterSheet();
    ASSERT_NE(nullptr, pMaster);
    const CString strBefore = d.Call<CString>(idGetScriptNames, short(1));
    const INT_PTR nBefore = pMaster->m_listScript.GetCount();
    d.Call<int>(idLoadScript, short(1), CString("s"), CString("first"));
    d.Call<int>(idLoadScript, short(1), CString("s"), CString("second"));
    d.Call<int>(idLoadScript, short(2), CString("other"), CString("ignored"));
    EXPECT_EQ(nBefore + 1, pMaster->m_listScript.GetCount());
    EXPECT_STREQ("second", static_cast<CScriptItem*>(pMaster->m_listScript.GetTail())->m_strScript);
    EXPECT_STREQ(strBefore.IsEmpty() ? CString("s") : strBefore + ";s", d.Call<CString>(idGetScriptNames, short(1)));
    EXPECT_STREQ("", d.Call<CString>(idGetScriptNames, short(2)));
    // Unknown names and other kinds run nothing and succeed.
    EXPECT_TRUE(d.Call<int>(idExecScript, short(1), CString("nope")));
    EXPECT_TRUE(d.Call<int>(idExecScript, short(2), CString("s")));

    // A script writes a head value through the control; a failing one reports and gives FALSE.
    const std::vector<CString> vars = HeadVars(d);
    ASSERT_GE(vars.size(), 1u);
    const struct
    {
        const char* pszName;
        CString strScript;
        BOOL bResult;
        const char* pszValue;
        size_t nBoxes;
    } runs[] = {
        {"statement", "Vorn.SetVarData \"" + vars[0] + "\", 0, \"X\"", TRUE, "X", 0},
        {"lower case", "vorn.SetVarData \"" + vars[0] + "\", 0, \"p\" & vorn.GetPageCount", TRUE, "p1", 0},
        {"runtime error", "Vorn.SetVarData \"" + vars[0] + "\", 0, \"Y\"\nVorn.NoSuchMethod", FALSE, "Y", 1},
        {"object creation", "Set o = CreateObject(\"Scripting.FileSystemObject\")", FALSE, "Y", 1},
    };
    for (const auto& r : runs) {
        SCOPED_TRACE(r.pszName);
        CTestUi ui;
        d.Call<int>(idLoadScript, short(1), CString("run"), r.strScript);
        EXPECT_EQ(r.bResult, d.Call<int>(idExecScript, short(1), CString("run")));
        EXPECT_STREQ(r.pszValue, d.Var(vars[0]));
        EXPECT_EQ(r.nBoxes, ui.TakeBoxTexts().size());
    }
}

TEST(VornCtlCardTest, PackedCardFileComesBackWhole)
{
    CCardFolder folder;
    CtlDriver d;
    d.Start("T2.znt");
    const std::vector<CString> vars = HeadVars(d);
    ASSERT_GE(vars.size(), 2u);
    ASSERT_EQ(0, d.Call<long>(idSetVarData, vars[0], 0L, CString("零件A")));
    ASSERT_EQ(0, d.Call<long>(idSetVarData, vars[1], 0L, CString("42")));
    d.ctl.GetCappObj().m_CardObj.InsertNewPage(2);
    const long nPages = d.Call<long>(idGetPageCount);
    d.Call<int>(idLoadScript, short(1), CString("s"), CString("Vorn.SetVarData \"A\", 0, \"X\""));
    EXPECT_EQ(0, d.Call<long>(idSaveToFile, CString("c.znd"), 1));
    EXPECT_EQ(0, GetFileAttributesA(folder.PathOf("c.znd")) == INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(d.Call<CString>(idGetFileName).IsEmpty());

    CtlDriver again;
    EXPECT_EQ(0, again.Call<long>(idOpenZndFile, CString("c.znd"), 0L));
    EXPECT_EQ(nPages, again.Call<long>(idGetPageCount));
    EXPECT_STREQ("零件A", again.Var(vars[0]));
    EXPECT_STREQ("42", again.Var(vars[1]));
    EXPECT_STREQ(d.Call<CString>(idGetScriptNames, short(1)), again.Call<CString>(idGetScriptNames, short(1)));
    EXPECT_TRUE(again.ctl.IsDataInitialised());

    // A script changed after opening survives the next save.
    again.Call<int>(idLoadScript, short(1), CString("s"), CString("changed"));
    EXPECT_EQ(0, again.Call<long>(idSaveToFile, CString("c.znd"), 1));
    CtlDriver third;
    ASSERT_EQ(0, third.Call<long>(idOpenZndFile, CString("c.znd"), 0L));
    CCappSheet* pMaster = third.ctl.GetCappObj().m_CardObj.GetMasterSheet();
    ASSERT_NE(nullptr, pMaster);
    CString strText;
    for (POSITION pos = pMaster->m_listScript.GetHeadPosition(); pos != nullptr;) {
        auto* pItem = static_cast<CScriptItem*>(pMaster->m_listScript.GetNext(pos));
        if (pItem->m_strName == "s") {
            strText = pItem->m_strScript;
        }
    }
    EXPECT_STREQ("changed", strText);

    CTestDib dib(600, 420);
    CFxComPtr<IViewObject> pView;
    ASSERT_EQ(S_OK, third.ctl.GetIDispatch(FALSE)->QueryInterface(IID_IViewObject, pView.ReceiveVoid()));
    RECTL rcl = {0, 0, 600, 420};
    ASSERT_EQ(S_OK, pView->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dib.DC().GetSafeHdc(), &rcl, nullptr,
                                nullptr, 0));
    EXPECT_GT(dib.CountInk(CRect(0, 0, 600, 420)), 1000);
    SavePng(TestImagePath("vornctl-opened-znd.png").c_str(), dib.Bits(), dib.Width(), dib.Height());
}

TEST(VornCtlCardTest, PackedFilesThatCannotBeOpenedOrSavedGiveMinusOne)
{
    CCardFolder folder;
    WriteText(folder.PathOf("plain.znd"), "this is not a compound file");
    {
        WCHAR wszPath[MAX_PATH] = L"";
        folder.PathOf("empty.znd").ToWide(wszPath, MAX_PATH);
        CFxComPtr<IStorage> pStg;
        ASSERT_TRUE(SUCCEEDED(
            StgCreateDocfile(wszPath, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, pStg.Receive())));
    }
    const struct
    {
        const char* pszName;
        const char* pszFile;
    } cases[] = {
        {"not a compound file", "plain.znd"},
        {"missing file", "missing.znd"},
        {"empty name", ""},
        {"compound file without a card", "empty.znd"},
    };
    CTestUi ui;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CtlDriver d;
        EXPECT_EQ(-1, d.Call<long>(idOpenZndFile, CString(c.pszFile), 0L));
        EXPECT_EQ(0, d.Call<long>(idGetPageCount));
    }
    EXPECT_TRUE(ui.GetBoxes().empty());

    // No temporary folder to make the work folder in.
    char szOldTmp[MAX_PATH] = "";
    char szOldTemp[MAX_PATH] = "";
    GetEnvironmentVariableA("TMP", szOldTmp, MAX_PATH);
    GetEnvironmentVariableA("TEMP", szOldTemp, MAX_PATH);
    CtlDriver d;
    ASSERT_EQ(0, d.Call<long>(idSetZntFile, CString("T1.znt"), CString("")));
    const CString strGone = folder.PathOf("gone\\deeper");
    SetEnvironmentVariableA("TMP", strGone);
    SetEnvironmentVariableA("TEMP", strGone);
    const long nResult = d.Call<long>(idSaveToFile, CString("c.znd"), 1);
    SetEnvironmentVariableA("TMP", szOldTmp);
    SetEnvironmentVariableA("TEMP", szOldTemp);
    EXPECT_EQ(-1, nResult);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(folder.PathOf("c.znd")));
}

TEST(VornCtlCardTest, TemporaryFilesGetUniqueNames)
{
    std::vector<CString> paths;
    for (int i = 0; i < 3; ++i) {
        paths.push_back(CVornCtlCtrl::MakeTempFileName("TEMPZND-", ".znd"));
        ASSERT_FALSE(paths.back().IsEmpty());
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(paths.back()));
        EXPECT_EQ(paths.back().GetLength() - 4, paths.back().Find(".znd"));
    }
    EXPECT_STRNE(paths[0], paths[1]);
    EXPECT_STRNE(paths[1], paths[2]);
    for (const CString& strPath : paths) {
        DeleteFileA(strPath);
    }
}

// A card file that cannot be read whole is refused before the shown card is given up.
TEST(VornCtlCardTest, ADamagedCardFileLeavesTheShownCard)
{
    CCardFolder folder;
    CString strVar;
    {
        CtlDriver d;
        d.Start("T2.znt");
        const std::vector<CString> vars = HeadVars(d);
        ASSERT_FALSE(vars.empty());
        strVar = vars[0];
        ASSERT_EQ(0, d.Call<long>(idSetVarData, strVar, 0L, CString("零件A")));
        ASSERT_EQ(0, d.Call<long>(idSaveToFile, CString("c.znd"), 1));
    }
    std::string good;
    {
        good = TestReadBytes(folder.PathOf("c.znd"));
        ASSERT_FALSE(good.empty());
    }
    ASSERT_GT(good.size(), 1024u);
    // A card file whose storage is whole but whose card data archive is cut short.
    {
        ASSERT_TRUE(CopyFileA(folder.PathOf("c.znd"), folder.PathOf("cut-ccd.znd"), FALSE));
        WCHAR wszPath[MAX_PATH] = L"";
        folder.PathOf("cut-ccd.znd").ToWide(wszPath, MAX_PATH);
        CFxComPtr<IStorage> pStg;
        ASSERT_TRUE(SUCCEEDED(
            StgOpenStorage(wszPath, nullptr, STGM_READWRITE | STGM_SHARE_EXCLUSIVE, nullptr, 0, pStg.Receive())));
        CFxComPtr<IStream> pStream;
        ASSERT_TRUE(SUCCEEDED(
            pStg->OpenStream(L"MAST.ccd", nullptr, STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, pStream.Receive())));
        ULARGE_INTEGER size = {};
        size.QuadPart = 20;
        ASSERT_TRUE(SUCCEEDED(pStream->SetSize(size)));
    }
    struct Case
    {
        const char* pszName;
        std::string bytes;
    };
    std::string flipped = good;
    flipped[0x1E] = 10; // sector shift
    const Case cases[] = {
        {"last sector missing", good.substr(0, good.size() - 512)},
        {"bad sector shift", flipped},
    };
    for (int nShown = 0; nShown < 2; ++nShown) {
        SCOPED_TRACE(nShown == 0 ? "card opened from a file" : "card started from templates");
        CtlDriver d;
        if (nShown == 0) {
            ASSERT_EQ(0, d.Call<long>(idOpenZndFile, CString("c.znd"), 0L));
        } else {
            d.Start("T2.znt");
            ASSERT_EQ(0, d.Call<long>(idSetVarData, strVar, 0L, CString("零件A")));
        }
        const CCappSheet* pMaster = d.ctl.GetCappObj().m_CardObj.GetMasterSheet();
        ASSERT_NE(nullptr, pMaster);
        const long nPages = d.Call<long>(idGetPageCount);
        const CString strFile = d.Call<CString>(idGetFileName);
        for (const Case& c : cases) {
            TestWriteBytes(folder.PathOf("bad.znd"), c.bytes);
            SCOPED_TRACE(c.pszName);
            CTestUi ui;
            EXPECT_EQ(-1, d.Call<long>(idOpenZndFile, CString("bad.znd"), 0L));
            EXPECT_EQ(1u, ui.GetBoxes().size());
            EXPECT_EQ(pMaster, d.ctl.GetCappObj().m_CardObj.GetMasterSheet());
            EXPECT_STREQ("零件A", d.Var(strVar));
            EXPECT_EQ(nPages, d.Call<long>(idGetPageCount));
            EXPECT_STREQ(strFile, d.Call<CString>(idGetFileName));
        }
        {
            SCOPED_TRACE("card data archive cut short");
            CTestUi ui;
            EXPECT_EQ(-1, d.Call<long>(idOpenZndFile, CString("cut-ccd.znd"), 0L));
            EXPECT_EQ(pMaster, d.ctl.GetCappObj().m_CardObj.GetMasterSheet());
            EXPECT_STREQ("零件A", d.Var(strVar));
        }
        // The card shown is still whole: it saves and opens again.
        EXPECT_EQ(0, d.Call<long>(idSaveToFile, CString("again.znd"), 0));
        CtlDriver again;
        EXPECT_EQ(0, again.Call<long>(idOpenZndFile, CString("again.znd"), 0L));
        EXPECT_STREQ("零件A", again.Var(strVar));
    }
}

// A name read from a template must not lead the save out of the control's work folder.
TEST(VornCtlCardTest, SaveRefusesTemplateNamesThatLeaveTheWorkFolder)
{
    CCardFolder folder;
    // The temporary folder the work folder is made in lies inside the test's folder, so that an
    // escape would land where the test can see it.
    const CString strTemp = folder.PathOf("tmp\\a\\b");
    CreateDirectoryA(folder.PathOf("tmp"), nullptr);
    CreateDirectoryA(folder.PathOf("tmp\\a"), nullptr);
    CreateDirectoryA(strTemp, nullptr);
    char szOldTmp[MAX_PATH] = "";
    char szOldTemp[MAX_PATH] = "";
    GetEnvironmentVariableA("TMP", szOldTmp, MAX_PATH);
    GetEnvironmentVariableA("TEMP", szOldTemp, MAX_PATH);
    SetEnvironmentVariableA("TMP", strTemp);
    SetEnvironmentVariableA("TEMP", strTemp);
    const char* const names[] = {"..\\..\\..\\escaped", "..\\escaped", "C:escaped", "sub\\escaped", "CON", "lpt1"};
    for (const char* pszName : names) {
        SCOPED_TRACE(pszName);
        {
            CCappSheet sheet;
            CFile in(SampleTemplate("ProcessCard.znt"), CFile::modeRead);
            CArchive arIn(&in, CArchive::load);
            sheet.Serialize(arIn);
            sheet.m_strName = pszName;
            CFile out(folder.PathOf("evil.znt"), CFile::modeCreate | CFile::modeWrite);
            CArchive arOut(&out, CArchive::store);
            sheet.Serialize(arOut);
            arOut.Close();
        }
        CtlDriver d;
        ASSERT_EQ(0, d.Call<long>(idSetZntFile, CString("evil.znt"), CString("")));
        ASSERT_TRUE(d.Call<int>(idInitVornData));
        CTestUi ui;
        EXPECT_EQ(-1, d.Call<long>(idSaveToFile, CString("c.znd"), 1));
        EXPECT_EQ(1u, ui.GetBoxes().size());
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(folder.PathOf("c.znd")));
        for (const char* pszEscape : {"tmp\\escaped.znt", "tmp\\a\\b\\escaped.znt", "escaped.znt", "tmp\\a\\b\\sub"}) {
            EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(folder.PathOf(pszEscape))) << pszEscape;
        }
    }
    SetEnvironmentVariableA("TMP", szOldTmp);
    SetEnvironmentVariableA("TEMP", szOldTemp);
}

TEST(VornCtlCardTest, PopupMenuHoldsTheHostsEntriesAndRunsTheirCommands)
{
    EXPECT_EQ(0x8000u, CVornCtlCtrl::PopupCommandId("ID_VORN_ZOOMIN"));
    EXPECT_EQ(0x800Cu, CVornCtlCtrl::PopupCommandId("ID_VORN_PRINTPREVIEW"));
    EXPECT_EQ(0u, CVornCtlCtrl::PopupCommandId("id_vorn_zoomin"));
    EXPECT_EQ(0u, CVornCtlCtrl::PopupCommandId("ID_VORN_NOTHING"));

    CCardFolder folder;
    CtlDriver d;
    CMenu empty;
    EXPECT_FALSE(d.ctl.BuildPopupMenu(empty));
    d.Start("T2.znt");
    d.ctl.GetCappObj().m_CardObj.InsertNewPage(2);
    d.ctl.GetCappObj().m_CardObj.InsertNewPage(3);
    ASSERT_EQ(3, d.Call<long>(idGetPageCount));
    d.Call<int>(idAddPopupMenuItem, short(1), CString("放大"), CString("ID_VORN_ZOOMIN"));
    d.Call<int>(idAddPopupMenuItem, short(0), CString(""), CString(""));
    d.Call<int>(idAddPopupMenuItem, short(1), CString("Next"), CString("ID_VORN_NEXTPAGE"));
    d.Call<int>(idAddPopupMenuItem, short(1), CString("First"), CString("ID_VORN_HOMEPAGE"));
    d.Call<int>(idAddPopupMenuItem, short(1), CString("Unknown"), CString("NOPE"));

    CMenu menu;
    ASSERT_TRUE(d.ctl.BuildPopupMenu(menu));
    const struct
    {
        UINT nId;
        const char* pszText;
        bool bGrayed;
    } items[] = {
        {0x8000, "放大", false}, {0, "", false},        {0x8009, "Next", false},
        {0x8006, "First", true}, {0, "Unknown", false},
    };
    ASSERT_EQ(5, menu.GetMenuItemCount());
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        CString strText;
        menu.GetMenuString(i, strText, MF_BYPOSITION);
        EXPECT_STREQ(items[i].pszText, strText);
        const UINT nState = GetMenuState(menu, i, MF_BYPOSITION);
        EXPECT_EQ(i == 1, (nState & MF_SEPARATOR) != 0);
        if (i != 1) {
            EXPECT_EQ(items[i].nId, menu.GetMenuItemID(i));
            EXPECT_EQ(items[i].bGrayed, (nState & MF_GRAYED) != 0);
        }
    }

    // The commands, as the menu's choice or a WM_COMMAND reaches them.
    const double dZoom = d.ctl.GetZoomFactor();
    EXPECT_TRUE(d.ctl.RunPopupCommand(0x8000));
    EXPECT_NEAR(dZoom / 1.25, d.ctl.GetZoomFactor(), 1e-9);
    CCardObj& card = d.ctl.GetCappObj().m_CardObj;
    const struct
    {
        UINT nId;
        int nFrom;
        int nTo;
    } pages[] = {
        {0x8009, 1, 2}, {0x8009, 3, 3}, {0x8008, 2, 1}, {0x8008, 1, 1}, {0x8006, 3, 1}, {0x8007, 1, 3}, {0x8007, 3, 3},
    };
    for (const auto& p : pages) {
        SCOPED_TRACE(testing::Message() << std::hex << p.nId << " from " << p.nFrom);
        card.SetCurPage(p.nFrom);
        EXPECT_TRUE(d.ctl.RunPopupCommand(p.nId));
        EXPECT_EQ(p.nTo, card.m_nCurPage);
    }
    EXPECT_FALSE(d.ctl.RunPopupCommand(0));
}

namespace
{
// Downloaded files left in the temporary folder; an opened card's work folder there is not one.
int CountTempDownloads()
{
    char szTemp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, szTemp);
    WIN32_FIND_DATAA fd;
    CFxFindHandle find;
    if (!find.FindFirst(CString(szTemp) + "TEMPZND-*", fd)) {
        return 0;
    }
    int n = 0;
    do {
        n += (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ? 1 : 0;
    } while (find.FindNext(fd));
    return n;
}

// T1.znt with a script long enough that the template outgrows 100 KB.
void WriteBigTemplate(const CString& strFrom, const CString& strTo, int cchScript)
{
    CCappSheet sheet;
    {
        CFile file(strFrom, CFile::modeRead);
        CArchive ar(&file, CArchive::load);
        sheet.Serialize(ar);
    }
    auto* pItem = new CScriptItem;
    pItem->m_nKind = 1;
    pItem->m_strName = "long";
    pItem->m_strScript = CString('\'', cchScript);
    sheet.m_listScript.AddTail(pItem);
    CFile file(strTo, CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    sheet.Serialize(ar);
}
} // namespace

TEST(VornCtlCardTest, TemplatesPackedCardsAndDataComeFromUrls)
{
    CCardFolder folder;
    const int cchScript = 150 * 1024;
    WriteBigTemplate(folder.PathOf("T1.znt"), folder.PathOf("Big.znt"), cchScript);
    WIN32_FILE_ATTRIBUTE_DATA attr = {};
    ASSERT_TRUE(GetFileAttributesExA(folder.PathOf("Big.znt"), GetFileExInfoStandard, &attr));
    ASSERT_GT(attr.nFileSizeLow, 102400u);
    CLoopbackHttpServer server;
    ASSERT_TRUE(server.Start(folder.GetPath()));

    // Templates: one over 100 KB arrives whole; a missing one loads nothing.
    {
        CtlDriver d;
        EXPECT_EQ(0, d.Call<long>(idSetZntFile, server.UrlOf("T1.znt"), server.UrlOf("Big.znt")));
        EXPECT_STREQ("0;" + server.UrlOf("T1.znt") + ";" + server.UrlOf("Big.znt"), d.Zntfile());
        CObList& sheets = d.ctl.GetCappObj().m_CardObj.m_listSheet;
        ASSERT_EQ(2, sheets.GetCount());
        auto* pBig = static_cast<CCappSheet*>(sheets.GetTail());
        ASSERT_FALSE(pBig->m_listScript.IsEmpty());
        EXPECT_EQ(cchScript, static_cast<CScriptItem*>(pBig->m_listScript.GetTail())->m_strScript.GetLength());
        EXPECT_EQ(-1, d.Call<long>(idSetZntFile, server.UrlOf("missing.znt"), CString("")));
        EXPECT_EQ(0, sheets.GetCount());
    }

    // A packed card and XML data to serve.
    CString strVar;
    {
        CtlDriver d;
        d.Start();
        const std::vector<CString> vars = HeadVars(d);
        ASSERT_GE(vars.size(), 2u);
        strVar = vars[0];
        ASSERT_EQ(0, d.Call<long>(idSetVarData, strVar, 0L, CString("packed")));
        d.Call<int>(idLoadScript, short(1), CString("s"), CString("x = 1"));
        ASSERT_EQ(0, d.Call<long>(idSaveToFile, folder.PathOf("c.znd"), 1));
        WriteText(folder.PathOf("data.xml"), HeadXml(vars[0], vars[1], "from xml", "2"));
    }

    const int nTempsBefore = CountTempDownloads();
    CtlDriver d;
    EXPECT_EQ(0, d.Call<long>(idOpenZndFile, server.UrlOf("c.znd"), 0L));
    EXPECT_STREQ("packed", d.Var(strVar));
    EXPECT_STREQ("s", d.Call<CString>(idGetScriptNames, short(1)));
    EXPECT_EQ(1, d.Call<long>(idGetPageCount));
    // The download is not the card's file and is gone once unpacked.
    EXPECT_STREQ("", d.Call<CString>(idGetFileName));
    EXPECT_EQ(nTempsBefore, CountTempDownloads());

    EXPECT_EQ(0, d.Call<long>(idLoadADMLURL, server.UrlOf("data.xml"), 0L));
    EXPECT_STREQ("from xml", d.Var(strVar));

    // Missing files give -1 and leave the card as it was.
    EXPECT_EQ(-1, d.Call<long>(idLoadADMLURL, server.UrlOf("missing.xml"), 0L));
    EXPECT_EQ(-1, d.Call<long>(idOpenZndFile, server.UrlOf("missing.znd"), 0L));
    EXPECT_STREQ("from xml", d.Var(strVar));
    EXPECT_STREQ("s", d.Call<CString>(idGetScriptNames, short(1)));
    EXPECT_EQ(1, d.Call<long>(idGetPageCount));
    EXPECT_EQ(nTempsBefore, CountTempDownloads());
}

// A template's script reaches files only in the card's work folder (reading also beside its
// template) and addresses only of its template's origin; the host calling the same methods is not
// limited.
TEST(VornCtlCardTest, TemplateScriptsReachOnlyTheCardAndItsOrigin)
{
    CCardFolder folder;
    CTestTempFolder other;
    CLoopbackHttpServer server;
    ASSERT_TRUE(server.Start(folder.GetPath()));
    CtlDriver d;
    d.Start();
    const std::vector<CString> vars = HeadVars(d);
    ASSERT_GE(vars.size(), 2u);
    WriteText(folder.PathOf("near.xml"), HeadXml(vars[0], vars[1], "near", "2"));
    WriteText(other.PathOf("far.xml"), HeadXml(vars[0], vars[1], "far", "2"));
    // The host saves where it likes; the card has a work folder from then on.
    ASSERT_EQ(0, d.Call<long>(idSaveToFile, other.PathOf("host.znd"), 1));
    const CString strWork = d.ctl.GetCappObj().GetCpoWorkDir();
    ASSERT_FALSE(strWork.IsEmpty());
    // Another card beside the card's own file.
    ASSERT_TRUE(CopyFileA(other.PathOf("host.znd"), other.PathOf("copy.znd"), FALSE));

    auto quoted = [](const CString& str) { return "\"" + str + "\""; };
    const struct
    {
        const char* pszName;
        CString strCall;
        BOOL bAllowed;
        const char* pszValue; // the first head value afterwards
        CString strNotMade;   // a file the call must not make
    } cases[] = {
        {"save outside", "Vorn.SaveToFile(" + quoted(other.PathOf("s.znd")) + ", True)", FALSE, "before",
         other.PathOf("s.znd")},
        {"save out of the work folder by ..", "Vorn.SaveToFile(" + quoted(strWork + "\\..\\up.znd") + ", False)", FALSE,
         "before", strWork + "\\..\\up.znd"},
        {"save through the control's own dispatch",
         "Vorn.GetCtlIDispatch(True).SaveToFile(" + quoted(other.PathOf("g.znd")) + ", True)", FALSE, "before",
         other.PathOf("g.znd")},
        {"save in the work folder", "Vorn.SaveToFile(" + quoted(strWork + "\\in.znd") + ", False)", TRUE, "before", ""},
        {"data file outside", "Vorn.LoadADMLDataFile(" + quoted(other.PathOf("far.xml")) + ", 0)", FALSE, "before", ""},
        {"data file beside the template", "Vorn.LoadADMLDataFile(" + quoted(folder.PathOf("near.xml")) + ", 0)", TRUE,
         "near", ""},
        {"address of another origin", "Vorn.LoadADMLURL(" + quoted(server.UrlOf("near.xml")) + ", 0)", FALSE, "before",
         ""},
        {"print settings outside", "Vorn.LoadPrintSet(" + quoted(other.PathOf("p.ini")) + ")", FALSE, "before", ""},
        {"card file outside", "Vorn.OpenZndFile(" + quoted(other.PathOf("copy.znd")) + ", 0)", FALSE, "before", ""},
        {"templates outside", "Vorn.SetZntFile(" + quoted(other.PathOf("T1.znt")) + ", \"\")", FALSE, "before", ""},
        {"template list outside", "Vorn.ZntFileName = \"0;" + other.PathOf("T1.znt") + "\"", FALSE, "before", ""},
    };
    const long nRequests = server.GetRequestCount();
    const CString strTemplates = d.Zntfile();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CTestUi ui;
        ASSERT_EQ(0, d.Call<long>(idSetVarData, vars[0], 0L, CString("before")));
        // A call as a value, an assignment as it stands.
        const CString strScript = c.strCall.Find(" = ") >= 0 ? c.strCall : "x = " + c.strCall;
        d.Call<int>(idLoadScript, short(1), CString("run"), strScript);
        EXPECT_EQ(c.bAllowed, d.Call<int>(idExecScript, short(1), CString("run")));
        EXPECT_STREQ(c.pszValue, d.Var(vars[0]));
        const std::vector<CString> boxes = ui.TakeBoxTexts();
        if (c.bAllowed) {
            EXPECT_TRUE(boxes.empty());
        } else {
            ASSERT_EQ(1u, boxes.size());
            EXPECT_NE(nullptr, strstr(boxes.front(), "脚本只能访问本卡片的工作目录和模板来源"))
                << boxes.front().GetString();
        }
        if (!c.strNotMade.IsEmpty()) {
            EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(c.strNotMade));
        }
    }
    EXPECT_EQ(nRequests, server.GetRequestCount());
    // The card is still the one the host started.
    EXPECT_STREQ(strTemplates, d.Zntfile());
    EXPECT_EQ(1, d.ctl.GetCappObj().m_CardObj.m_listSheet.GetCount());

    // The host itself reads and writes anywhere.
    EXPECT_EQ(0, d.Call<long>(idLoadADMLDataFile, other.PathOf("far.xml"), 0L));
    EXPECT_STREQ("far", d.Var(vars[0]));

    // A card whose template came from an address reads from that origin only.
    CtlDriver web;
    ASSERT_EQ(0, web.Call<long>(idSetZntFile, server.UrlOf("T1.znt"), CString("")));
    ASSERT_TRUE(web.Call<int>(idInitVornData));
    CString strOtherOrigin;
    strOtherOrigin.Format("http://localhost:%d/near.xml", server.GetPort());
    const struct
    {
        const char* pszName;
        CString strUrl;
        BOOL bAllowed;
    } origins[] = {
        {"same origin", server.UrlOf("near.xml"), TRUE},
        {"another host name", strOtherOrigin, FALSE},
        {"a user name before the host", "http://127.0.0.1@localhost:" + CString(strOtherOrigin.Mid(17)), FALSE},
        {"a local file", folder.PathOf("near.xml"), FALSE},
    };
    for (const auto& o : origins) {
        SCOPED_TRACE(o.pszName);
        CTestUi ui;
        ASSERT_EQ(0, web.Call<long>(idSetVarData, vars[0], 0L, CString("before")));
        web.Call<int>(idLoadScript, short(1), CString("run"),
                      "x = Vorn.LoadADMLURL(" + quoted(o.strUrl) + ", 0)\nx = Vorn.LoadADMLDataFile(" +
                          quoted(o.strUrl) + ", 0)");
        EXPECT_EQ(o.bAllowed, web.Call<int>(idExecScript, short(1), CString("run")));
        EXPECT_EQ(o.bAllowed, web.Var(vars[0]) == "near");
        EXPECT_EQ(o.bAllowed ? 0u : 1u, ui.TakeBoxTexts().size());
    }
}

// A script that starts another endless one cannot outrun its limit: both runs are stopped.
TEST(VornCtlCardTest, EndlessScriptsStartedByScriptsAreStoppedToo)
{
    CCardFolder folder;
    CtlDriver d;
    d.Start();
    EXPECT_EQ(S_OK, d.disp.SetProperty(dispidScriptTimeLimit, 2L));
    d.Call<int>(idLoadScript, short(1), CString("endless"), CString("Do : Loop"));
    d.Call<int>(idLoadScript, short(1), CString("outer"), CString("x = Vorn.ExecScript(1, \"endless\")\nDo : Loop"));
    CTestUi ui;
    const DWORD dwStart = GetTickCount();
    EXPECT_FALSE(d.Call<int>(idExecScript, short(1), CString("outer")));
    const DWORD dwElapsed = GetTickCount() - dwStart;
    EXPECT_LT(dwElapsed, 6000u);
    // The inner run, then the outer one, each stopped with its message.
    const std::vector<CString> boxes = ui.TakeBoxTexts();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_STREQ("脚本运行超过 2 秒，已被终止。", boxes.front());
    EXPECT_STREQ("脚本运行超过 2 秒，已被终止。", boxes.back());
    EXPECT_EQ(0, GetScriptThreadCount());
}

TEST(VornCtlCardTest, DownloadLimitIsTheHosts)
{
    CCardFolder folder;
    CLoopbackHttpServer server;
    ASSERT_TRUE(server.Start(folder.GetPath()));
    CtlDriver d;
    d.Start();
    const std::vector<CString> vars = HeadVars(d);
    ASSERT_GE(vars.size(), 2u);
    const CString strXml = HeadXml(vars[0], vars[1], "from xml", "2");
    WriteText(folder.PathOf("data.xml"), strXml);
    long lLimit = 0;
    EXPECT_EQ(S_OK, d.disp.GetProperty(idDownloadLimit, &lLimit));
    EXPECT_EQ(32L * 1024 * 1024, lLimit);

    EXPECT_EQ(S_OK, d.disp.SetProperty(idDownloadLimit, static_cast<long>(strXml.GetLength() - 1)));
    EXPECT_EQ(-1, d.Call<long>(idLoadADMLURL, server.UrlOf("data.xml"), 0L));
    EXPECT_STRNE("from xml", d.Var(vars[0]));
    CtlDriver templates;
    templates.disp.SetProperty(idDownloadLimit, 1000L);
    EXPECT_EQ(-1, templates.Call<long>(idSetZntFile, server.UrlOf("T1.znt"), CString("")));

    EXPECT_EQ(S_OK, d.disp.SetProperty(idDownloadLimit, static_cast<long>(strXml.GetLength())));
    EXPECT_EQ(0, d.Call<long>(idLoadADMLURL, server.UrlOf("data.xml"), 0L));
    EXPECT_STREQ("from xml", d.Var(vars[0]));
}

TEST(VornCtlCardTest, DetailValuesRecountTheLinesOfTheirRow)
{
    CCardFolder folder;
    CtlDriver d;
    d.Start();
    const CString strArea = "工序";
    const CString strVars = d.Call<CString>(idGetCardVars, short(2), strArea);
    ASSERT_LT(0, strVars.Find(';'));
    const CString strVar = strVars.Left(strVars.Find(';'));
    ASSERT_TRUE(d.Call<int>(idInsertRow, strArea, 0L, short(2)));
    CString strLong;
    for (int i = 0; i < 60; ++i) {
        strLong += "工序内容";
    }
    const struct
    {
        const char* pszName;
        CString strValue;
        bool bMoreLines;
    } cases[] = {
        {"short value", "车", false},
        {"long value", strLong, true},
        {"emptied again", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        ASSERT_EQ(0, d.Call<long>(idSetVarData, strVar, 1L, c.strValue));
        EXPECT_EQ(c.bMoreLines, d.Call<long>(idGetRowUseCount, strArea, 1L) > 1);
        EXPECT_EQ(1, d.Call<long>(idGetRowUseCount, strArea, 2L));
    }
}

TEST(VornCtlCardTest, SavingWithoutANameAsksOnlyWhenTheCardHasNoFile)
{
    CCardFolder folder;
    CtlDriver d;
    d.Start();
    std::vector<CString> captions;
    {
        CTestSysDialogs dialogs;
        dialogs.OnDialog([&](CTestSysDlg& dlg) {
            captions.push_back(dlg.GetCaption());
            dlg.Cancel();
        });
        // Cancelled: -1.
        EXPECT_EQ(-1, d.Call<long>(idSaveToFile, CString(""), 1));
        ASSERT_EQ(0, d.Call<long>(idSaveToFile, CString("c.znd"), 1));
        EXPECT_EQ(0, d.Call<long>(idSaveToFile, CString(""), 1));
        EXPECT_EQ(1, dialogs.GetDialogsOpened());
    }
    ASSERT_EQ(1u, captions.size());
    EXPECT_STREQ("保存", captions[0]);
    // With a file, an empty name saved to it without asking.
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(folder.PathOf("c.znd")));
}

TEST(VornCtlCardTest, SimulatorDataTextFillsHeadAndDetailRows)
{
    CCardFolder folder;
    CtlDriver d;
    d.Start();
    const std::vector<CString> vars = HeadVars(d);
    ASSERT_GE(vars.size(), 2u);
    const CString strMDVars = d.Call<CString>(idGetCardVars, short(2), CString("工序"));
    ASSERT_LT(0, strMDVars.Find(';'));
    const CString strMDVar = strMDVars.Left(strMDVars.Find(';'));
    // The simulator's data file line, as its data input dialog writes it.
    CString strXml;
    strXml.Format("<?xml version='1.0' encoding='gb2312' ?> <BODY><HEAD VARS='%s;%s;'><VAL>轴</VAL><VAL>45</VAL>"
                  "</HEAD><MD><MDITEM NAME='工序' VARS='%s;'><ROW><VAL>车外圆</VAL></ROW><ROW><VAL>铣槽</VAL></ROW>"
                  "</MDITEM></MD></BODY>",
                  vars[0].GetString(), vars[1].GetString(), strMDVar.GetString());
    EXPECT_EQ(0, d.Call<long>(idLoadADMLData, strXml, 0L));
    EXPECT_STREQ("轴", d.Var(vars[0]));
    EXPECT_STREQ("45", d.Var(vars[1]));
    // Detail rows count from 0.
    EXPECT_STREQ("车外圆", d.Var(strMDVar, 0));
    EXPECT_STREQ("铣槽", d.Var(strMDVar, 1));
}
