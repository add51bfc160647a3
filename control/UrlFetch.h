// Reading card files, templates and data from addresses on the net through WinINet, bounded in
// time, size and redirects: a server that stalls, floods or loops gets a failure, never a hang.
#pragma once

#include "control/VornCtlExport.h"
#include "platform/base/ByteArray.h"
#include "platform/base/String.h"

// True for "http://", "https://" and "ftp://" addresses (case-insensitive).
VORNCTL_API BOOL IsUrlPath(LPCSTR pszPath);
// Downloads a URL's whole body; FALSE with an error text on failure (also for a body shorter than
// its announced length, one over the size limit, or too many redirects).
VORNCTL_API BOOL FetchUrlBytes(LPCSTR pszUrl, CByteArray& arrBytes, CString& strError);
// Downloads into a uniquely named temporary file whose path is returned; the caller deletes it.
// On failure no file is left.
VORNCTL_API BOOL FetchUrlToTempFile(LPCSTR pszUrl, LPCSTR pszExt, CString& strTempPath, CString& strError);
