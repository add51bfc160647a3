#include "platform/base/Firewall.h"

#include <exception>
#include <mutex>

#include "platform/base/Exception.h"

namespace
{
std::mutex g_reportLock;
int g_nReports = 0;
CString g_strReports;

// What the exception in flight says of itself.
CString DescribeCurrentException()
{
    std::exception_ptr pCurrent = std::current_exception();
    if (!pCurrent) {
        return "no exception";
    }
    try {
        std::rethrow_exception(pCurrent);
    } catch (CException* e) {
        char szMessage[256] = {};
        CString strWhat = e->GetRuntimeClass()->m_lpszClassName;
        if (e->GetErrorMessage(szMessage, sizeof(szMessage))) {
            strWhat += CString(" ") + szMessage;
        }
        // Thrown by pointer and caught by catch (...): nobody else will free it.
        e->Delete();
        return strWhat;
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "unknown exception";
    }
}
} // namespace

void FxReportException(LPCSTR pszWhere)
{
    {
        std::lock_guard<std::mutex> lock(g_reportLock);
        ++g_nReports;
    }
    // Out of memory the text may fail too; the count alone still tells.
    try {
        CString strLine;
        strLine.Format("%s: %s", pszWhere != nullptr ? pszWhere : "?", static_cast<LPCSTR>(DescribeCurrentException()));
        OutputDebugStringA("VornFx: exception caught in " + strLine + "\n");
        std::lock_guard<std::mutex> lock(g_reportLock);
        g_strReports += strLine + "\n";
    } catch (...) {
        OutputDebugStringA("VornFx: exception caught\n");
    }
}

int FxGetReportedExceptionCount()
{
    std::lock_guard<std::mutex> lock(g_reportLock);
    return g_nReports;
}

CString FxTakeReportedExceptions()
{
    std::lock_guard<std::mutex> lock(g_reportLock);
    CString strReports = g_strReports;
    g_strReports.Empty();
    g_nReports = 0;
    return strReports;
}
