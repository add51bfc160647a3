// Scripts run by the report control: the control as "Vorn", the messages of failed runs, and no
// object creation for scripts that come with downloaded cards.
#include <gtest/gtest.h>

#include <vector>

#include "control/CardScriptEngine.h"
#include "control/ScriptEngine.h"
#include "control/VornCtlCtrl.h"
#include "core/CappCardVarItem.h"
#include "core/CardObj.h"
#include "platform/base/FxComPtr.h"
#include "support/TempFolder.h"
#include "support/UiDriver.h"

namespace
{
// A control whose card has the string variable "A".
class CScriptCtl
{
public:
    CScriptCtl()
    {
        CCappHFData& hf = m_ctl.GetCappObj().m_CardObj.m_CardData.m_HFData;
        auto* pVar = new CCappCardVarItem;
        pVar->m_strName = "A";
        pVar->m_nKind = CCappCardVarItem::kindTyped;
        pVar->m_nDataType = CCappCardVarItem::typeString;
        hf.m_listCardVar.AddTail(pVar);
        hf.m_arrVarName.Add("A");
        hf.ResertDataList();
        m_ctl.GetCappObj().m_CardObj.m_CardData.m_nPageCount = 3;
    }
    CString ValueOfA()
    {
        CString strValue;
        m_ctl.GetCappObj().m_CardObj.m_CardData.GetVarData("A", 0, 0, strValue);
        return strValue;
    }

    CVornCtlCtrl m_ctl;
};

BOOL StartsWith(const CString& str, LPCSTR pszPrefix)
{
    return strncmp(str, pszPrefix, strlen(pszPrefix)) == 0;
}
} // namespace

TEST(ScriptEngineTest, RunsReachTheControlOrReportWhyTheyFailed)
{
    CTestTempFolder folder;
    const CString strVictim = folder.PathOf("made-by-script.txt");
    const CString strCreate = "Vorn.SetVarData \"A\", 0, \"1\"\n"
                              "Set fso = CreateObject(\"Scripting.FileSystemObject\")\n"
                              "fso.CreateTextFile \"" +
                              strVictim + "\"\nVorn.SetVarData \"A\", 0, \"2\"\n";
    const CString strGet = "Vorn.SetVarData \"A\", 0, \"1\"\n"
                           "Set fso = GetObject(\"\", \"Scripting.FileSystemObject\")\n"
                           "fso.CreateTextFile \"" +
                           strVictim + "\"\nVorn.SetVarData \"A\", 0, \"2\"\n";
    const struct
    {
        const char* pszName;
        CString strScript;
        BOOL bResult;
        const char* pszA;   // the value of A afterwards
        const char* pszBox; // start of the one message, null: no message at all
    } cases[] = {
        {"statement", "Vorn.SetVarData \"A\", 0, \"X\"", TRUE, "X", nullptr},
        {"lower case and result", "n = vorn.GetPageCount\nVORN.SetVarData \"A\", 0, \"p\" & n", TRUE, "p3", nullptr},
        {"empty text", "", TRUE, "", nullptr},
        {"GBK text", "Vorn.SetVarData \"A\", 0, \"数据\"", TRUE, "数据", nullptr},
        // Lines as the script editor numbers them, from 1.
        {"syntax error", "Vorn.SetVarData \"A\", 0, \"1\"\nIf Then\n", FALSE, "", "脚本第 2 行出错。"},
        {"runtime error", "Vorn.SetVarData \"A\", 0, \"1\"\nVorn.NoSuchMethod 1\nVorn.SetVarData \"A\", 0, \"2\"\n",
         FALSE, "1", "脚本第 2 行出错。"},
        {"CreateObject", strCreate, FALSE, "1", "脚本第 2 行出错。"},
        {"GetObject", strGet, FALSE, "1", "脚本第 2 行出错。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CScriptCtl ctl;
        CTestUi ui;
        EXPECT_EQ(c.bResult, RunCardScript(&ctl.m_ctl, c.strScript));
        EXPECT_STREQ(c.pszA, ctl.ValueOfA());
        const std::vector<CString> boxes = ui.TakeBoxTexts();
        if (c.pszBox == nullptr) {
            EXPECT_TRUE(boxes.empty()) << boxes.front().GetString();
        } else {
            // One box: no second one with a bare return code.
            ASSERT_EQ(1u, boxes.size());
            EXPECT_TRUE(StartsWith(boxes.front(), c.pszBox)) << boxes.front().GetString();
        }
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(strVictim));
    }
}

TEST(ScriptEngineTest, ErrorMessageNamesLineSourceAndDescription)
{
    CScriptCtl ctl;
    CTestUi ui;
    EXPECT_FALSE(RunCardScript(&ctl.m_ctl, "x = 1\ny = 2\nVorn.NoSuchMethod 1\n"));
    ASSERT_EQ(1u, ui.GetBoxes().size());
    const CTestUi::Box& box = ui.GetBoxes().front();
    EXPECT_TRUE(StartsWith(box.strText, "脚本第 3 行出错。\n错误：")) << box.strText.GetString();
    // The engine's own description follows, not a placeholder.
    EXPECT_EQ(nullptr, strstr(box.strText, "未知错误")) << box.strText.GetString();
    EXPECT_EQ(nullptr, strstr(box.strText, "Script")) << box.strText.GetString();
    EXPECT_STREQ("系统提示", box.strCaption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), box.nType & MB_ICONMASK);
}

// Scripts that never end are stopped at the host's limit, whatever they loop on, and the control
// runs the next script as before.
TEST(ScriptEngineTest, EndlessScriptsStopAtTheTimeLimit)
{
    const struct
    {
        const char* pszName;
        const char* pszScript;
    } cases[] = {
        {"empty loop", "Vorn.SetVarData \"A\", 0, \"1\"\nDo : Loop\n"},
        {"loop calling the control", "Do : Vorn.SetVarData \"A\", 0, \"1\" : Loop\n"},
        {"loop ignoring errors", "On Error Resume Next\nDo : Vorn.SetVarData \"A\", 0, \"1\" : Loop\n"},
        {"loop growing a text", "Vorn.SetVarData \"A\", 0, \"1\"\ns = \"\"\nDo : s = s & \"x\" : Loop\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CScriptCtl ctl;
        ctl.m_ctl.SetScriptTimeLimit(1);
        CTestUi ui;
        const DWORD dwStart = GetTickCount();
        EXPECT_FALSE(RunCardScript(&ctl.m_ctl, c.pszScript));
        const DWORD dwElapsed = GetTickCount() - dwStart;
        EXPECT_GE(dwElapsed, 900u);
        EXPECT_LT(dwElapsed, 10000u);
        EXPECT_STREQ("1", ctl.ValueOfA());
        const std::vector<CString> boxes = ui.TakeBoxTexts();
        ASSERT_EQ(1u, boxes.size());
        EXPECT_STREQ("脚本运行超过 1 秒，已被终止。", boxes.front());
        // The engine's thread has really ended.
        EXPECT_EQ(0, GetScriptThreadCount());

        EXPECT_TRUE(RunCardScript(&ctl.m_ctl, "Vorn.SetVarData \"A\", 0, \"after\""));
        EXPECT_STREQ("after", ctl.ValueOfA());
        EXPECT_TRUE(ui.TakeBoxTexts().empty());
    }
}

TEST(ScriptEngineTest, HostSettingsAreTheHostsOwn)
{
    CScriptCtl ctl;
    CTestUi ui;
    // Scripts read the settings and cannot change them.
    EXPECT_TRUE(RunCardScript(&ctl.m_ctl, "Vorn.SetVarData \"A\", 0, CStr(Vorn.ScriptTimeLimit) & \",\" & "
                                          "CStr(Abs(Vorn.RunTemplateScripts))"));
    EXPECT_STREQ("30,1", ctl.ValueOfA());
    for (const char* pszSet : {"Vorn.ScriptTimeLimit = 0", "Vorn.RunTemplateScripts = False",
                               "Vorn.DownloadLimit = 1000000000", "Vorn.GetCtlIDispatch(True).ScriptTimeLimit = 0"}) {
        SCOPED_TRACE(pszSet);
        EXPECT_FALSE(RunCardScript(&ctl.m_ctl, pszSet));
        EXPECT_EQ(1u, ui.TakeBoxTexts().size());
    }
    EXPECT_EQ(static_cast<long>(CVornCtlCtrl::kDefaultScriptTimeLimit), ctl.m_ctl.GetScriptTimeLimit());
    EXPECT_TRUE(ctl.m_ctl.GetRunTemplateScripts());

    // Turned off by the host, scripts do not run and say nothing.
    ctl.m_ctl.SetRunTemplateScripts(FALSE);
    EXPECT_FALSE(RunCardScript(&ctl.m_ctl, "Vorn.SetVarData \"A\", 0, \"ran\""));
    EXPECT_STREQ("30,1", ctl.ValueOfA());
    EXPECT_TRUE(ui.TakeBoxTexts().empty());
}

TEST(ScriptEngineTest, OnlyTheNameVornIsKnownInAnyCase)
{
    CScriptCtl ctl;
    IDispatch* pCtlDispatch = ctl.m_ctl.GetIDispatch(FALSE);
    const struct
    {
        const wchar_t* pszName;
        HRESULT hr;
        BOOL bGivesControl;
    } cases[] = {
        {L"Vorn", S_OK, TRUE},
        {L"vORN", S_OK, TRUE},
        {L"Vorn2", E_UNEXPECTED, FALSE},
        {L"Other", E_UNEXPECTED, FALSE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(CString(c.pszName).GetString());
        CTestUi ui;
        CFxComPtr<CCardScriptEngine> pEngine(new CCardScriptEngine(&ctl.m_ctl));
        IUnknown* pUnk = reinterpret_cast<IUnknown*>(1);
        ITypeInfo* pInfo = reinterpret_cast<ITypeInfo*>(1);
        EXPECT_EQ(c.hr, pEngine->GetItemInfo(c.pszName, SCRIPTINFO_IUNKNOWN | SCRIPTINFO_ITYPEINFO, &pUnk, &pInfo));
        // The reference handed out, when one was.
        CFxComPtr<IUnknown> unk(pUnk);
        EXPECT_EQ(nullptr, pInfo);
        if (c.bGivesControl) {
            EXPECT_EQ(static_cast<IUnknown*>(pCtlDispatch), pUnk);
            EXPECT_TRUE(ui.GetBoxes().empty());
        } else {
            EXPECT_EQ(nullptr, pUnk);
            ASSERT_EQ(1u, ui.GetBoxes().size());
            EXPECT_EQ(CString("The script engine asked for information\nfor an unknown object named \"") +
                          CString(c.pszName) + "\".",
                      ui.GetBoxes().front().strText);
        }
    }
}

TEST(ScriptEngineTest, OnlyUnknownEngineStatesAreShown)
{
    const struct
    {
        int nState;
        size_t nBoxes;
    } cases[] = {{0, 0}, {1, 0}, {2, 0}, {4, 0}, {5, 0}, {6, 2}, {-1, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nState);
        CTestUi ui;
        CFxComPtr<CScriptEngine> pEngine(new CCardScriptEngine(nullptr));
        EXPECT_EQ(S_OK, pEngine->OnStateChange(static_cast<SCRIPTSTATE>(c.nState)));
        const std::vector<CString> boxes = ui.TakeBoxTexts();
        ASSERT_EQ(c.nBoxes, boxes.size());
        if (c.nBoxes == 2) {
            EXPECT_STREQ("Error detected in file ScriptEngine.cpp at line 293.", boxes[0]);
            EXPECT_STREQ("State -> Invalid", boxes[1]);
        }
    }
}
