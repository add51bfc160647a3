// Where a saved bar record keeps its named values: the profile section of the dock state, or a
// form a derived record adds. A missing value reads as the default given.
#pragma once

#include <windows.h>

#include "platform/base/FxExport.h"

class CByteArray;
class CString;

class FX_API CBarInfoStore
{
public:
    virtual ~CBarInfoStore() = default;

    virtual int GetInt(LPCSTR lpszKey, int nDefault) = 0;
    virtual BOOL GetBool(LPCSTR lpszKey, BOOL bDefault) = 0;
    virtual CString GetString(LPCSTR lpszKey) = 0;
    // FALSE when the value is missing.
    virtual BOOL GetBinary(LPCSTR lpszKey, CByteArray& data) = 0;
    virtual void SetInt(LPCSTR lpszKey, int nValue) = 0;
    virtual void SetBool(LPCSTR lpszKey, BOOL bValue) = 0;
    virtual void SetString(LPCSTR lpszKey, LPCSTR lpszValue) = 0;
    virtual void SetBinary(LPCSTR lpszKey, const BYTE* pData, UINT nBytes) = 0;
};
