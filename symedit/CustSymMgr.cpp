#include "symedit/CustSymMgr.h"

#include "platform/base/FxRegKey.h"
#include "platform/db/DataSource.h"
#include "platform/db/Session.h"
#include "platform/win/MsgBox.h"
#include "symbols/SaveToLibDlg.h"
#include "symedit/CustSymItem.h"

namespace
{
const char szCappKey[] = "SOFTWARE\\Saelo\\CAPP";
const char szTitle[] = "系统提示";
const char szEmbeddedFile[] = "SymbolLib.db";

CCustSymMgr g_custSymMgr;

// The work directory of HKLM "SOFTWARE\Vorn" "WorkDir", without a trailing backslash.
BOOL GetWorkDir(CString& strDir)
{
    CFxRegKey key;
    if (key.OpenForRead(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vorn") != ERROR_SUCCESS)
        return FALSE;
    char szBuf[MAX_PATH + 1] = "";
    DWORD cbData = MAX_PATH;
    DWORD dwType = 0;
    if (RegQueryValueExA(key, "WorkDir", nullptr, &dwType, reinterpret_cast<LPBYTE>(szBuf), &cbData) != ERROR_SUCCESS ||
        dwType != REG_SZ)
        return FALSE;
    strDir = szBuf;
    strDir.TrimRight('\\');
    return !strDir.IsEmpty();
}

// A provider-style value in double quotes, its own quotes doubled, so no value can add keys.
CString Quoted(CString strValue)
{
    strValue.Replace("\"", "\"\"");
    return CString("\"") + strValue + "\"";
}

// Guards the quiet state of a lookup; lookups do not nest, but Add runs one.
class CQuietScope
{
public:
    explicit CQuietScope(BOOL& bQuiet) : m_bQuiet(bQuiet), m_bOld(bQuiet) { m_bQuiet = TRUE; }
    ~CQuietScope() { m_bQuiet = m_bOld; }
    CQuietScope(const CQuietScope&) = delete;
    CQuietScope& operator=(const CQuietScope&) = delete;

private:
    BOOL& m_bQuiet;
    BOOL m_bOld;
};
} // namespace

BOOL InitCustSymMgr()
{
    return TRUE;
}

void TermCustSymMgr()
{
}

CCustSymMgr::CCustSymMgr() : m_bQuiet(FALSE), m_bConnectFailed(FALSE), m_pReportSink(nullptr)
{
}

CCustSymMgr::~CCustSymMgr()
{
    while (!m_listItem.IsEmpty())
        delete static_cast<CCustSymItem*>(m_listItem.RemoveHead());
}

CCustSymMgr& CCustSymMgr::GetProcessMgr()
{
    return g_custSymMgr;
}

BOOL CCustSymMgr::FindItem(const CString& strGuid, CString& strSymbol) const
{
    for (POSITION pos = m_listItem.GetHeadPosition(); pos != nullptr;) {
        const CCustSymItem* pItem = static_cast<const CCustSymItem*>(m_listItem.GetNext(pos));
        if (pItem->m_strGuid.Compare(strGuid) == 0) {
            strSymbol = pItem->m_strSymbol;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CCustSymMgr::Lookup(CString strGuid, CString& strSymbol)
{
    if (FindItem(strGuid, strSymbol))
        return TRUE;
    if (m_listMissed.Find(strGuid) != nullptr)
        return FALSE;
    // Whatever happens now, this GUID costs no second connection in this session.
    m_listMissed.AddTail(strGuid);
    if (m_bConnectFailed)
        return FALSE;

    CQuietScope quiet(m_bQuiet);
    CString strSource;
    CSession conn;
    if (!OpenConnection(strSource, conn)) {
        m_bConnectFailed = TRUE;
        return FALSE;
    }
    CString strRead;
    CString strProblem;
    int nRead = CSaveToLibDlg::ReadStringFromDB(conn, strGuid, strRead, &strProblem);
    conn.Close();
    if (nRead == 0) {
        CString strReport;
        if (strProblem.IsEmpty())
            strReport.Format("符号库中没有自定义符号%s", strGuid.GetString());
        else
            strReport.Format("读取自定义符号%s出错：%s", strGuid.GetString(), strProblem.GetString());
        AddReport(strReport);
        return FALSE;
    }
    m_listMissed.RemoveAt(m_listMissed.Find(strGuid));
    m_listItem.AddTail(new CCustSymItem(strGuid, strRead));
    strSymbol = strRead;
    return TRUE;
}

BOOL CCustSymMgr::Add(CString strGuid, CString strSymbol)
{
    CString strScratch;
    if (Lookup(strGuid, strScratch))
        return FALSE;
    POSITION posMissed = m_listMissed.Find(strGuid);
    if (posMissed != nullptr)
        m_listMissed.RemoveAt(posMissed);
    m_listItem.AddTail(new CCustSymItem(strGuid, strSymbol));
    return TRUE;
}

CCustSymMgr::RegResult CCustSymMgr::QueryRegString(LPCSTR pszValueName, CString& strValue)
{
    strValue.Empty();
    CFxRegKey key;
    if (key.OpenForRead(HKEY_LOCAL_MACHINE, szCappKey) != ERROR_SUCCESS)
        return regNoKey;
    DWORD dwType = 0;
    DWORD cbData = 0;
    if (RegQueryValueExA(key, pszValueName, nullptr, &dwType, nullptr, &cbData) != ERROR_SUCCESS)
        return regNoValue;
    if (dwType != REG_SZ)
        return regNotString;
    // Room for a terminator the stored value may lack.
    LPSTR pszBuf = strValue.GetBuffer(static_cast<int>(cbData) + 1);
    pszBuf[0] = '\0';
    LONG lResult = RegQueryValueExA(key, pszValueName, nullptr, &dwType, reinterpret_cast<LPBYTE>(pszBuf), &cbData);
    pszBuf[lResult == ERROR_SUCCESS ? cbData : 0] = '\0';
    strValue.ReleaseBuffer();
    return lResult == ERROR_SUCCESS ? regOk : regNoValue;
}

BOOL CCustSymMgr::ReadRegValue(CString strValueName, CString& strValue)
{
    switch (QueryRegString(strValueName, strValue)) {
    case regOk:
        return TRUE;
    case regNoKey:
        Tell("没有找到CAPP系统的注册表!", szTitle, MB_OK | MB_ICONQUESTION);
        return FALSE;
    case regNoValue:
        Tell("没有找到注册表的相应项!", szTitle, MB_OK | MB_ICONQUESTION);
        return FALSE;
    case regNotString:
        break;
    }
    return FALSE;
}

BOOL CCustSymMgr::OpenConnection(CString& strDataSourceName, CSession& conn)
{
    if (!strDataSourceName.IsEmpty())
        return TRUE;
    CString strInit;
    CString strName;
    CString strServer;
    if (QueryRegString("ServerName", strServer) == regOk && !strServer.IsEmpty()) {
        CString strDatabase;
        if (!ReadRegValue("DataBaseName", strDatabase)) {
            Tell("在CAPP注册表中，没找到DataBaseName!", szTitle, MB_OK | MB_ICONQUESTION);
            return FALSE;
        }
        // The credentials belong to the site, next to the server name; without them the server
        // is asked to trust the Windows logon.
        CString strUser;
        CString strPassword;
        QueryRegString("UserID", strUser);
        QueryRegString("Password", strPassword);
        strInit =
            CString("Provider=SQLOLEDB.1;Data Source=") + Quoted(strServer) + ";Initial Catalog=" + Quoted(strDatabase);
        if (strUser.IsEmpty())
            strInit += ";Integrated Security=SSPI";
        else
            strInit += CString(";User ID=") + Quoted(strUser) + ";Password=" + Quoted(strPassword);
        strName = strServer;
    } else {
        CString strDir;
        if (!GetWorkDir(strDir)) {
            Tell("在CAPP注册表中，没找到Server!", szTitle, MB_OK | MB_ICONQUESTION);
            return FALSE;
        }
        strName.Format("%s\\%s", strDir.GetString(), szEmbeddedFile);
        // The SQLite driver would make an empty database where none is.
        if (GetFileAttributesA(strName) == INVALID_FILE_ATTRIBUTES) {
            CString strMsg;
            strMsg.Format("没有找到符号库数据库：%s", strName.GetString());
            Tell(strMsg, szTitle, MB_OK | MB_ICONQUESTION);
            return FALSE;
        }
        strInit.Format("Driver={SQLite3};Database=%s", strName.GetString());
    }

    conn.Close();
    CDataSource source;
    if (FAILED(source.OpenFromInitializationString(strInit))) {
        // No box here, as ever; but a lookup says why it found nothing.
        if (m_bQuiet) {
            CString strMsg;
            strMsg.Format("无法连接符号库：%s", strName.GetString());
            AddReport(strMsg);
        }
        return FALSE;
    }
    if (conn.Open(source) != S_OK) {
        Tell("Couldn't create session on data source", nullptr, MB_OK);
        return FALSE;
    }
    strDataSourceName = strName;
    return TRUE;
}

void CCustSymMgr::Tell(LPCSTR pszText, LPCSTR pszCaption, UINT nType)
{
    if (m_bQuiet)
        AddReport(pszText);
    else
        FxMessageBox(nullptr, pszText, pszCaption, nType);
}

CCustSymReportSink* CCustSymMgr::SetReportSink(CCustSymReportSink* pSink)
{
    CCustSymReportSink* pOld = m_pReportSink;
    m_pReportSink = pSink;
    return pOld;
}

void CCustSymMgr::AddReport(LPCSTR pszText)
{
    const CString strText(pszText);
    m_listReport.AddTail(strText);
    OutputDebugStringA(pszText);
    OutputDebugStringA("\n");
    if (m_pReportSink != nullptr)
        m_pReportSink->OnCustSymReport(strText);
}
