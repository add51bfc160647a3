// Reading card files, templates and data from addresses on the net through WinINet.
#pragma once

#include "control/VornCtlExport.h"
#include "platform/base/ByteArray.h"
#include "platform/base/String.h"

// True for "http://", "https://" and "ftp://" addresses (case-insensitive).
VORNCTL_API BOOL IsUrlPath(LPCSTR pszPath);
// Downloads a URL's whole body (growing buffer); FALSE with an error text on failure.
VORNCTL_API BOOL FetchUrlBytes(LPCSTR pszUrl, CByteArray& arrBytes, CString& strError);
// Downloads into a uniquely named temporary file whose path is returned; the caller deletes it.
VORNCTL_API BOOL FetchUrlToTempFile(LPCSTR pszUrl, LPCSTR pszExt, CString& strTempPath, CString& strError);
