// One tab of a tab strip: its label, its measured width, whether it is selected, the window it
// shows and two values its owner keeps with it.
#pragma once

#include "platform/base/Object.h"
#include "platform/base/String.h"

class CWnd;

class FwTab : public CObject
{
    FX_DECLARE_DYNCREATE(FwTab)

public:
    FwTab();

    CString m_strLabel;
    // Text width in the active font plus 20.
    int m_nWidth;
    BOOL m_bSelected;
    // Shown for this tab; not owned.
    CWnd* m_pWnd;
    DWORD m_dwExtra1;
    DWORD m_dwExtra2;
};
