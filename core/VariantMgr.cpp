#include "core/VariantMgr.h"

#include <windows.h>

namespace
{

CString WideToText(BSTR bstr)
{
    if (bstr == nullptr) {
        return CString();
    }
    const int nWide = static_cast<int>(SysStringLen(bstr));
    const int nBytes = WideCharToMultiByte(CP_ACP, 0, bstr, nWide, nullptr, 0, nullptr, nullptr);
    CString str;
    if (nBytes > 0) {
        LPSTR psz = str.GetBuffer(nBytes);
        WideCharToMultiByte(CP_ACP, 0, bstr, nWide, psz, nBytes, nullptr, nullptr);
        str.ReleaseBuffer(nBytes);
    }
    return str;
}

} // namespace

CVariantMgr::CVariantMgr() : m_bValue(0), m_nType(0), m_nValue(0)
{
}

CVariantMgr::~CVariantMgr() = default;

void CVariantMgr::Load(const VARIANT* pVar)
{
    if (pVar == nullptr) {
        return;
    }
    switch (pVar->vt) {
    case VT_I2:
        m_nType = typeInteger;
        m_nValue = pVar->iVal;
        break;
    case VT_I4:
        m_nType = typeInteger;
        m_nValue = pVar->lVal;
        break;
    case VT_UI4:
        m_nType = typeInteger;
        m_nValue = static_cast<long>(pVar->ulVal);
        break;
    case VT_BSTR:
        m_nType = typeText;
        m_strValue = WideToText(pVar->bstrVal);
        break;
    case VT_BOOL:
        m_nType = typeBool;
        m_bValue = pVar->boolVal;
        break;
    case VT_UI1:
        m_nType = typeBool;
        m_bValue = pVar->bVal;
        break;
    case VT_BYREF | VT_VARIANT: {
        const VARIANT* pInner = pVar->pvarVal;
        if (pInner == nullptr) {
            break;
        }
        if (pInner->vt == VT_I4 || pInner->vt == VT_UI4) {
            m_nType = typeInteger;
            m_nValue = pInner->vt == VT_I4 ? pInner->lVal : static_cast<long>(pInner->ulVal);
        } else if (pInner->vt == VT_BSTR) {
            m_nType = typeText;
            m_strValue = WideToText(pInner->bstrVal);
        }
        break;
    }
    default:
        break;
    }
}
