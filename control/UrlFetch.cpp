#include "control/UrlFetch.h"

BOOL IsUrlPath(LPCSTR)
{
    return FALSE;
}

BOOL FetchUrlBytes(LPCSTR, CByteArray&, CString& strError)
{
    strError = "Not available";
    return FALSE;
}

BOOL FetchUrlToTempFile(LPCSTR, LPCSTR, CString& strTempPath, CString& strError)
{
    strTempPath.Empty();
    strError = "Not available";
    return FALSE;
}
