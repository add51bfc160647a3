// A VARIANT turned into a plain value: an integer, a text or a boolean.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include "core/VornCardExport.h"
#include "platform/base/String.h"

class VORNCARD_API CVariantMgr
{
public:
    enum {
        typeInteger = 1,
        typeText = 2,
        typeBool = 3,
    };

    CVariantMgr();
    virtual ~CVariantMgr();
    CVariantMgr(const CVariantMgr&) = default;
    CVariantMgr& operator=(const CVariantMgr&) = default;

    // Integers, texts (converted with the system code page) and booleans, one level of
    // VT_BYREF|VT_VARIANT followed; other types change nothing.
    void Load(const VARIANT* pVar);

    short m_bValue;
    int m_nType;
    long m_nValue;
    CString m_strValue;
};
