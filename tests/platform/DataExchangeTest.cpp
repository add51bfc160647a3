#include <gtest/gtest.h>

#include "platform/win/DataExchange.h"
#include "platform/win/Wnd.h"

namespace
{
const int kIdcControl = 400;

// One state exchange: the control it talks to, how to read and set that control's state directly.
struct StateCase
{
    const char* szName;
    const char* szClass;
    DWORD dwStyle;
    void (*pfnExchange)(CDataExchange*, int, int&);
    UINT nGetMsg;
    UINT nSetMsg;
    int nLoaded;      // member value shown in the control on load (the control starts at 0)
    int nControlSave; // control state read back on save, unlike nLoaded
};

LRESULT ControlState(HWND hCtl, const StateCase& c)
{
    return ::SendMessageA(hCtl, c.nGetMsg, 0, 0);
}

void SetControlState(HWND hCtl, const StateCase& c, int nState)
{
    ::SendMessageA(hCtl, c.nSetMsg, static_cast<WPARAM>(nState), 0);
}

// Rows use states other than 0 and -1, which a control answers to a message it does not know.
TEST(DataExchangeTest, StateExchangesTalkToTheirOwnControlInTheRightDirection)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "dx", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr));
    const StateCase cases[] = {
        {"three-state check box", "BUTTON", BS_AUTO3STATE, DDX_Check, BM_GETCHECK, BM_SETCHECK, BST_INDETERMINATE,
         BST_CHECKED},
        {"plain check box", "BUTTON", BS_AUTOCHECKBOX, DDX_Check, BM_GETCHECK, BM_SETCHECK, BST_CHECKED, BST_UNCHECKED},
        {"combo box index", "COMBOBOX", CBS_DROPDOWNLIST, DDX_CBIndex, CB_GETCURSEL, CB_SETCURSEL, 2, 1},
        {"combo box index none", "COMBOBOX", CBS_DROPDOWNLIST, DDX_CBIndex, CB_GETCURSEL, CB_SETCURSEL, -1, 2},
        {"list box index", "LISTBOX", LBS_NOTIFY, DDX_LBIndex, LB_GETCURSEL, LB_SETCURSEL, 2, 1},
        {"list box index none", "LISTBOX", LBS_NOTIFY, DDX_LBIndex, LB_GETCURSEL, LB_SETCURSEL, -1, 2},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.szName);
        HWND hCtl = ::CreateWindowExA(0, c.szClass, "", WS_CHILD | c.dwStyle, 0, 0, 100, 100, parent.m_hWnd,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdcControl)), nullptr, nullptr);
        ASSERT_NE(nullptr, hCtl);
        for (const char* szItem : {"甲", "乙", "丙"}) {
            ::SendMessageA(hCtl, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(szItem)); // ignored by the others
            ::SendMessageA(hCtl, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(szItem));
        }
        SetControlState(hCtl, c, 0);

        // Load: the member reaches the control and stays as it was.
        int nMember = c.nLoaded;
        CDataExchange dxLoad(&parent, FALSE);
        c.pfnExchange(&dxLoad, kIdcControl, nMember);
        EXPECT_EQ(c.nLoaded, ControlState(hCtl, c));
        EXPECT_EQ(c.nLoaded, nMember);

        // Save: the control's state reaches the member and the control keeps it.
        SetControlState(hCtl, c, c.nControlSave);
        CDataExchange dxSave(&parent, TRUE);
        c.pfnExchange(&dxSave, kIdcControl, nMember);
        EXPECT_EQ(c.nControlSave, nMember);
        EXPECT_EQ(c.nControlSave, ControlState(hCtl, c));
        EXPECT_FALSE(dxSave.m_bFailed);

        // A missing control leaves the member alone in both directions.
        for (BOOL bSave : {FALSE, TRUE}) {
            int nKept = 7;
            CDataExchange dx(&parent, bSave);
            c.pfnExchange(&dx, kIdcControl + 1, nKept);
            EXPECT_EQ(7, nKept);
        }
        ::DestroyWindow(hCtl);
    }
}
} // namespace
