#include <gtest/gtest.h>

#include "OleTestCtl.h"
#include "platform/base/FxComPtr.h"
#include "platform/ole/OleDispatchDriver.h"
#include "platform/ole/OleScriptSite.h"

namespace
{
struct ScriptRun
{
    HRESULT hrParse;
    HRESULT hrRun;
    HRESULT hrLastError;
    ULONG nLine;
    SCODE scode;
    CString strSource;
    CString strDescription;
};

// One run as a host makes it: engine, parse, the control as the item "Vorn", connect, close.
ScriptRun RunScript(LPCSTR pszScript, IDispatch* pCtl)
{
    ScriptRun run = {E_FAIL, E_FAIL, S_OK, 0, 0, CString(), CString()};
    CFxComPtr<COleScriptSite> pSite(new COleScriptSite);
    COleScriptSite::CreateStep step = COleScriptSite::stepNone;
    if (FAILED(pSite->CreateEngine(CLSID_FxVBScript, &step))) {
        ADD_FAILURE() << "engine not created, step " << step;
        return run;
    }
    run.hrParse = pSite->ParseScriptText(pszScript);
    if (SUCCEEDED(run.hrParse)) {
        EXPECT_EQ(S_OK, pSite->AddNamedItem("Vorn", SCRIPTITEM_ISVISIBLE | SCRIPTITEM_ISSOURCE, pCtl));
        run.hrRun = pSite->Connect();
    }
    pSite->CloseEngine();
    run.hrLastError = pSite->m_hrLastError;
    run.nLine = pSite->m_nErrorLine;
    run.scode = pSite->m_scodeError;
    run.strSource = pSite->m_strErrorSource;
    run.strDescription = pSite->m_strErrorDescription;
    return run;
}
} // namespace

TEST(OleScriptSiteTest, ScriptCallsTheNamedControlInStatementAndExpressionForm)
{
    CFxComPtr<IDispatch> pCtl(CreateTestCtlDispatch());
    ASSERT_NE(nullptr, static_cast<IDispatch*>(pCtl));
    const ScriptRun run = RunScript("Vorn.Count = 5\n"
                                    "Vorn.SetData \"数据\"\n"
                                    "Vorn.Caption = Vorn.Echo(\"x\") & Vorn.Add(1, Vorn.Count)\n"
                                    "vorn.Flag = Not vorn.Negate(True)\n"
                                    "VORN.Size = 4\n",
                                    pCtl);
    EXPECT_EQ(S_OK, run.hrParse);
    EXPECT_EQ(S_OK, run.hrRun) << run.strDescription.GetString();

    COleDispatchDriver driver(pCtl, FALSE);
    CString strCaption;
    CString strData;
    long lCount = 0;
    BOOL bFlag = TRUE;
    short nSize = 0;
    driver.GetProperty(dispidCaption, &strCaption);
    driver.GetProperty(dispidCount, &lCount);
    driver.GetProperty(dispidFlag, &bFlag);
    driver.GetProperty(dispidSize, &nSize);
    driver.InvokeHelper(dispidGetData, DISPATCH_METHOD, &strData);
    EXPECT_STREQ("<x>6", strCaption);
    EXPECT_EQ(5, lCount);
    EXPECT_TRUE(bFlag);
    EXPECT_EQ(4, nSize);
    EXPECT_STREQ("数据", strData);
}

TEST(OleScriptSiteTest, ErrorsAreReportedWithLineAndDescription)
{
    CFxComPtr<IDispatch> pCtl(CreateTestCtlDispatch());
    ASSERT_NE(nullptr, static_cast<IDispatch*>(pCtl));

    const ScriptRun syntax = RunScript("x = 1\nIf Then\n", pCtl);
    EXPECT_TRUE(FAILED(syntax.hrParse));
    EXPECT_EQ(E_FAIL, syntax.hrLastError);
    EXPECT_EQ(1u, syntax.nLine);
    EXPECT_FALSE(syntax.strDescription.IsEmpty()) << std::hex << syntax.scode;
    EXPECT_TRUE(FAILED(syntax.scode));

    // A call with a wrong argument count fails inside the control and stops the script.
    const ScriptRun runtime = RunScript("x = 1\ny = Vorn.Add(1)\nVorn.Count = 99\n", pCtl);
    EXPECT_EQ(S_OK, runtime.hrParse);
    EXPECT_EQ(E_FAIL, runtime.hrRun);
    EXPECT_EQ(1u, runtime.nLine);
    EXPECT_FALSE(runtime.strDescription.IsEmpty());
    long lCount = 0;
    COleDispatchDriver(pCtl, FALSE).GetProperty(dispidCount, &lCount);
    EXPECT_EQ(0, lCount);
}

TEST(OleScriptSiteTest, ScriptsMayNotCreateObjects)
{
    // The class exists in the prefix: only the site's refusal stops the script.
    CLSID clsid;
    ASSERT_EQ(S_OK, CLSIDFromProgID(L"Scripting.FileSystemObject", &clsid));
    CFxComPtr<IDispatch> pCtl(CreateTestCtlDispatch());
    const ScriptRun run = RunScript("Vorn.Count = 1\n"
                                    "Set fso = CreateObject(\"Scripting.FileSystemObject\")\n"
                                    "Vorn.Count = 2\n",
                                    pCtl);
    EXPECT_EQ(S_OK, run.hrParse);
    EXPECT_EQ(E_FAIL, run.hrRun);
    EXPECT_EQ(1u, run.nLine);
    EXPECT_FALSE(run.strDescription.IsEmpty());
    long lCount = 0;
    COleDispatchDriver(pCtl, FALSE).GetProperty(dispidCount, &lCount);
    EXPECT_EQ(1, lCount);
}
