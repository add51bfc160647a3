#include "framework/FwTreeStyles.h"

#include "framework/FwTreeCtrl.h"

namespace
{
const DWORD treeStyleBits = 0x3F;
const DWORD treeExStyleBits = 0x00F00000;

DWORD WithBit(DWORD dwWord, DWORD dwBit, bool bOn)
{
    return bOn ? (dwWord | dwBit) : (dwWord & ~dwBit);
}
} // namespace

void FwTreeStyles::TakeFrom(DWORD& dwStyle, DWORD& dwExStyle)
{
    m_dwStyle = dwStyle & treeStyleBits;
    m_dwExStyle = dwExStyle & treeExStyleBits;
    dwStyle &= ~treeStyleBits;
    dwExStyle &= ~treeExStyleBits;
    m_nBehaviour = 0;
    if (m_dwExStyle & FWTS_EX_MULTISELECT) {
        m_nBehaviour |= FWTB_MULTISELECT;
    }
    if (m_dwExStyle & FWTS_EX_WRAPLABELS) {
        m_nBehaviour |= FWTB_WRAPLABELS;
    }
    if (m_dwExStyle & FWTS_EX_HEADER) {
        m_nBehaviour |= FWTB_HEADER;
    }
    if (m_dwExStyle & FWTS_EX_INFOTIP) {
        m_nBehaviour |= FWTB_INFOTIP;
    }
}

void FwTreeStyles::Set(DWORD dwStyle, DWORD dwExStyle)
{
    m_dwStyle = dwStyle;
    m_dwExStyle = dwExStyle;
}

void FwTreeStyles::SetBehaviour(UINT nFlag, BOOL bOn)
{
    m_nBehaviour = bOn ? (m_nBehaviour | nFlag) : (m_nBehaviour & ~nFlag);
}

void FwTreeStyles::ApplyBehaviour(DWORD& dwListStyle, DWORD& dwListExStyle) const
{
    dwListStyle = WithBit(dwListStyle, FWLS_SINGLESEL, (m_nBehaviour & FWTB_MULTISELECT) == 0);
    dwListStyle = WithBit(dwListStyle, FWLS_NOLABELWRAP, (m_nBehaviour & FWTB_WRAPLABELS) == 0);
    dwListStyle = WithBit(dwListStyle, FWLS_NOCOLUMNHEADER, (m_nBehaviour & FWTB_HEADER) == 0);
    dwListExStyle = WithBit(dwListExStyle, FWLS_EX_INFOTIP, (m_nBehaviour & FWTB_INFOTIP) != 0);
}
