#include "platform/db/FxDbErrorRecords.h"

#include <vector>

#include <sqlext.h>

namespace
{
struct ErrorRecord
{
    CString strState;
    long nNative;
    CString strMessage;
};

// Per thread, as a session may be used on more than one.
std::vector<ErrorRecord>& ThreadRecords()
{
    thread_local std::vector<ErrorRecord> records;
    return records;
}

// Messages longer than this come in pieces we do not need: the head says what went wrong.
const SQLSMALLINT cchMessageMax = 1024;
} // namespace

void CFxDbErrorRecords::Capture(SQLSMALLINT nHandleType, SQLHANDLE hHandle)
{
    std::vector<ErrorRecord>& records = ThreadRecords();
    records.clear();
    if (hHandle == SQL_NULL_HANDLE)
        return;
    for (SQLSMALLINT nRec = 1;; ++nRec) {
        SQLCHAR szState[SQL_SQLSTATE_SIZE + 1] = {};
        SQLINTEGER nNative = 0;
        SQLCHAR szMessage[cchMessageMax] = {};
        SQLSMALLINT cchMessage = 0;
        SQLRETURN nRet =
            SQLGetDiagRec(nHandleType, hHandle, nRec, szState, &nNative, szMessage, cchMessageMax, &cchMessage);
        if (!SQL_SUCCEEDED(nRet))
            break;
        records.push_back({CString(reinterpret_cast<LPCSTR>(szState)), static_cast<long>(nNative),
                           CString(reinterpret_cast<LPCSTR>(szMessage))});
    }
}

void CFxDbErrorRecords::SetOwn(LPCSTR pszState, LPCSTR pszMessage)
{
    std::vector<ErrorRecord>& records = ThreadRecords();
    records.clear();
    records.push_back({CString(pszState), 0, CString(pszMessage)});
}

void CFxDbErrorRecords::Clear()
{
    ThreadRecords().clear();
}

int CFxDbErrorRecords::GetCount()
{
    return static_cast<int>(ThreadRecords().size());
}

BOOL CFxDbErrorRecords::GetRecord(int nIndex, CString& strState, long& nNativeError, CString& strMessage)
{
    const std::vector<ErrorRecord>& records = ThreadRecords();
    if (nIndex < 0 || nIndex >= static_cast<int>(records.size()))
        return FALSE;
    strState = records[nIndex].strState;
    nNativeError = records[nIndex].nNative;
    strMessage = records[nIndex].strMessage;
    return TRUE;
}

CString CFxDbErrorRecords::GetText()
{
    CString strText;
    for (const ErrorRecord& rec : ThreadRecords())
        strText.AppendFormat("[%s] %s (%ld)\r\n", rec.strState.GetString(), rec.strMessage.GetString(), rec.nNative);
    return strText;
}
