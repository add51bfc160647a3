// The process's cache of custom symbols: GUID to symbol string, filled from the symbol library
// database on a miss.
#pragma once

#include "platform/base/ObList.h"
#include "platform/base/StringList.h"
#include "symedit/CustSymReportSink.h"
#include "symedit/CustSymSource.h"
#include "symedit/MarkwellExport.h"

class CSession;

class MARKWELL_API CCustSymMgr : public CCustSymSource
{
public:
    CCustSymMgr();
    ~CCustSymMgr() override;
    CCustSymMgr(const CCustSymMgr&) = delete;
    CCustSymMgr& operator=(const CCustSymMgr&) = delete;

    // The one instance of the process, living as long as Markwell is loaded.
    static CCustSymMgr& GetProcessMgr();

    // The GUID's symbol string: from the cache, else read once from the library and kept. A GUID
    // the library lacks, or that could not be read, is remembered as missing for the session.
    // Lookups run while cells are drawn or printed: they never show a message box; problems go to
    // the reports instead, each once.
    BOOL Lookup(CString strGuid, CString& strSymbol) override;
    // FALSE, keeping the first string, when the GUID is known already.
    BOOL Add(CString strGuid, CString strSymbol);
    // Opens a session on the symbol library: the server named by "ServerName" and "DataBaseName"
    // (with "UserID" and "Password" when set) under HKLM "SOFTWARE\Saelo\CAPP", else the embedded
    // database "SymbolLib.db" in the work directory. Does nothing when strDataSourceName is not
    // empty; on success it names the data source.
    BOOL OpenConnection(CString& strDataSourceName, CSession& conn);
    // A string value of HKLM "SOFTWARE\Saelo\CAPP"; FALSE for a missing key or value, or a value
    // that is no string.
    BOOL ReadRegValue(CString strValueName, CString& strValue);

    // What lookups could not do, oldest first (also sent to the debugger's output and the sink).
    const CStringList& GetReports() const { return m_listReport; }
    // The sink that hears each report as it is made, or null; the caller keeps it alive while it
    // is installed. Returns the one installed before.
    CCustSymReportSink* SetReportSink(CCustSymReportSink* pSink);
    CCustSymReportSink* GetReportSink() const { return m_pReportSink; }

    CObList m_listItem; // owned CCustSymItem, in the order added

private:
    enum RegResult {
        regOk,
        regNoKey,
        regNoValue,
        regNotString,
    };
    static RegResult QueryRegString(LPCSTR pszValueName, CString& strValue);
    BOOL FindItem(const CString& strGuid, CString& strSymbol) const;
    // A message box for the user, or a report while a lookup runs.
    void Tell(LPCSTR pszText, LPCSTR pszCaption, UINT nType);
    void AddReport(LPCSTR pszText);

    CStringList m_listMissed;
    CStringList m_listReport;
    BOOL m_bQuiet;
    BOOL m_bConnectFailed;
    CCustSymReportSink* m_pReportSink;
};

// Exported set-up entries kept for hosts that call them; the cache needs no set-up.
MARKWELL_API BOOL InitCustSymMgr();
MARKWELL_API void TermCustSymMgr();
