#include "framework/FwBmpMenuItemInfo.h"

#include "framework/FwMnemonic.h"

FX_IMPLEMENT_DYNAMIC(FwBmpMenuItemInfo, CObject)

FwBmpMenuItemInfo::FwBmpMenuItemInfo(UINT nID, const CString& strText)
    : m_nID(nID), m_strText(strText), m_chMnemonic(FwMnemonicOf(strText))
{
}
