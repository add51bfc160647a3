// Reads templates, packed cards and data from internet addresses.
#pragma once

#include "platform/base/ByteArray.h"
#include "platform/base/String.h"

// True for "http://", "https://" and "ftp://" addresses (case-insensitive).
BOOL IsUrlPath(LPCSTR pszPath);
// Downloads a URL's whole body (growing buffer); FALSE with an error text on failure.
BOOL FetchUrlBytes(LPCSTR pszUrl, CByteArray& arrBytes, CString& strError);
// Downloads into a uniquely named temporary file whose path is returned; the caller deletes it.
BOOL FetchUrlToTempFile(LPCSTR pszUrl, LPCSTR pszExt, CString& strTempPath, CString& strError);
