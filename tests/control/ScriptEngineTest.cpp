// Scripts run by the report control: the control as "Vorn", the messages of failed runs, and no
// object creation for scripts that come with downloaded cards.
#include <gtest/gtest.h>

#include <vector>

#include "control/ScriptEngine.h"
#include "control/VornCtlCtrl.h"
#include "core/CappCardVarItem.h"
#include "core/CardObj.h"
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
        const char* pszA;        // the value of A afterwards
        const char* pszFirstBox; // start of the first message, null: no message at all
        const char* pszLastBox;  // start of the last message
    } cases[] = {
        {"statement", "Vorn.SetVarData \"A\", 0, \"X\"", TRUE, "X", nullptr, nullptr},
        {"lower case and result", "n = vorn.GetPageCount\nVORN.SetVarData \"A\", 0, \"p\" & n", TRUE, "p3", nullptr,
         nullptr},
        {"empty text", "", TRUE, "", nullptr, nullptr},
        {"GBK text", "Vorn.SetVarData \"A\", 0, \"数据\"", TRUE, "数据", nullptr, nullptr},
        {"syntax error", "Vorn.SetVarData \"A\", 0, \"1\"\nIf Then\n", FALSE, "", "Script error detected at line 1.",
         "Failed to parse script.\nReturn code = "},
        {"runtime error", "Vorn.SetVarData \"A\", 0, \"1\"\nVorn.NoSuchMethod 1\nVorn.SetVarData \"A\", 0, \"2\"\n",
         FALSE, "1", "Script error detected at line 1.", "Script failed to run.\nReturn code = 80004005"},
        {"CreateObject", strCreate, FALSE, "1", "Script error detected at line 1.",
         "Script failed to run.\nReturn code = 80004005"},
        {"GetObject", strGet, FALSE, "1", "Script error detected at line 1.",
         "Script failed to run.\nReturn code = 80004005"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CScriptCtl ctl;
        CTestUi ui;
        EXPECT_EQ(c.bResult, RunCardScript(&ctl.m_ctl, c.strScript));
        EXPECT_STREQ(c.pszA, ctl.ValueOfA());
        const std::vector<CString> boxes = ui.TakeBoxTexts();
        if (c.pszFirstBox == nullptr) {
            EXPECT_TRUE(boxes.empty()) << boxes.front().GetString();
        } else {
            ASSERT_EQ(2u, boxes.size());
            EXPECT_TRUE(StartsWith(boxes.front(), c.pszFirstBox)) << boxes.front().GetString();
            EXPECT_TRUE(StartsWith(boxes.back(), c.pszLastBox)) << boxes.back().GetString();
        }
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(strVictim));
    }
}

TEST(ScriptEngineTest, ErrorMessageNamesLineSourceAndDescription)
{
    CScriptCtl ctl;
    CTestUi ui;
    EXPECT_FALSE(RunCardScript(&ctl.m_ctl, "x = 1\ny = 2\nVorn.NoSuchMethod 1\n"));
    ASSERT_EQ(2u, ui.GetBoxes().size());
    const CTestUi::Box& box = ui.GetBoxes().front();
    EXPECT_TRUE(StartsWith(box.strText, "Script error detected at line 2.")) << box.strText.GetString();
    EXPECT_NE(nullptr, strstr(box.strText, "\nDescription: ")) << box.strText.GetString();
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), box.nType & MB_ICONMASK);
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
        CCardScriptEngine* pEngine = new CCardScriptEngine(&ctl.m_ctl);
        IUnknown* pUnk = reinterpret_cast<IUnknown*>(1);
        ITypeInfo* pInfo = reinterpret_cast<ITypeInfo*>(1);
        EXPECT_EQ(c.hr, pEngine->GetItemInfo(c.pszName, SCRIPTINFO_IUNKNOWN | SCRIPTINFO_ITYPEINFO, &pUnk, &pInfo));
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
        if (pUnk != nullptr) {
            pUnk->Release();
        }
        pEngine->Release();
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
        CScriptEngine* pEngine = new CCardScriptEngine(nullptr);
        EXPECT_EQ(S_OK, pEngine->OnStateChange(static_cast<SCRIPTSTATE>(c.nState)));
        const std::vector<CString> boxes = ui.TakeBoxTexts();
        ASSERT_EQ(c.nBoxes, boxes.size());
        if (c.nBoxes == 2) {
            EXPECT_STREQ("Error detected in file ScriptEngine.cpp at line 293.", boxes[0]);
            EXPECT_STREQ("State -> Invalid", boxes[1]);
        }
        pEngine->Release();
    }
}
