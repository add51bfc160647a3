// A dialog bar whose template places the test OLE control: the control is made with the bar,
// docked with it in a frame, left usable by the idle update, and gone with the bar.
#include <gtest/gtest.h>

#include "framework/FwDialogBar.h"
#include "framework/FwFrameWnd.h"
#include "platform/frame/DockBar.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/WinApp.h"
#include "platform/ole/OleControlSite.h"
#include "platform/ole/OleControlWnd.h"
#include "tests/framework/res/fwtest_resource.h"
#include "tests/support/UiDriver.h"

namespace
{
// The test control's caption property.
const DISPID dispidCaption = 1;

// Registers VornTestCtl.dll from beside the test program, once.
HRESULT RegisterTestControl()
{
    static HRESULT hr = E_PENDING;
    if (hr != E_PENDING) {
        return hr;
    }
    char szPath[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    char* pSlash = strrchr(szPath, '\\');
    if (pSlash != nullptr) {
        lstrcpyA(pSlash + 1, "VornTestCtl.dll");
    }
    // Stays loaded: COM loads the same module for its objects.
    HMODULE hCtl = ::LoadLibraryA(szPath);
    typedef HRESULT(STDAPICALLTYPE * PFNREGISTER)();
    PFNREGISTER pfnRegister =
        hCtl != nullptr
            ? reinterpret_cast<PFNREGISTER>(reinterpret_cast<void*>(::GetProcAddress(hCtl, "DllRegisterServer")))
            : nullptr;
    hr = pfnRegister != nullptr ? pfnRegister() : E_FAIL;
    return hr;
}
} // namespace

TEST(FwDialogBarTest, TemplateOleControlIsMadeDockedAndLeftUsable)
{
    ASSERT_EQ(S_OK, RegisterTestControl());
    ASSERT_TRUE(FxEnableControlContainer());
    FwFrameWnd* pFrame = new FwFrameWnd;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_FWTEST_CARD, WS_OVERLAPPEDWINDOW));
    HWND hFrame = pFrame->m_hWnd;
    pFrame->MoveWindow(10, 10, 520, 300);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    {
        FwDialogBar bar;
        ASSERT_TRUE(bar.Create(pFrame, IDD_FWTEST_OLEBAR, WS_VISIBLE | CBRS_TOP, FWCBS_EX_PROPORTIONAL, 0x320));
        COleControlWnd* pHost = bar.GetOleControl(IDC_FWTEST_OLECTL);
        ASSERT_NE(nullptr, pHost);
        ASSERT_NE(nullptr, pHost->GetControlSite());
        EXPECT_EQ(nullptr, bar.GetOleControl(IDC_FWTEST_OLEEDIT));
        HWND hCtl = pHost->GetControlSite()->GetControlWindow();
        ASSERT_NE(nullptr, hCtl);
        EXPECT_EQ(S_OK, pHost->GetDispatchDriver().SetProperty(dispidCaption, CString("停靠栏中的控件")));

        bar.EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBarEx(&bar, FX_IDW_DOCKBAR_TOP, 0, 0, 1.0f, 0);
        pFrame->RecalcLayout();
        EXPECT_EQ(pFrame->GetControlBar(FX_IDW_DOCKBAR_TOP), static_cast<CControlBar*>(bar.m_pDockBar));
        // No handler: the push button goes grey, the edit and the OLE control stay usable.
        bar.SendMessage(FxGetIdleUpdateMessage(), TRUE, 0);
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(bar.m_hWnd, IDC_FWTEST_UNHANDLED)));
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(bar.m_hWnd, IDC_FWTEST_OLEEDIT)));
        EXPECT_TRUE(::IsWindowEnabled(pHost->m_hWnd));
        // The control keeps filling its site as the bar lays its children out.
        CRect rcHost;
        CRect rcCtl;
        ::GetClientRect(pHost->m_hWnd, &rcHost);
        ::GetClientRect(hCtl, &rcCtl);
        EXPECT_TRUE(rcHost == rcCtl);
        EXPECT_TRUE(SaveWindowPicture(hFrame, "fwdialogbar-olecontrol.png"));
        bar.DestroyWindow();
        EXPECT_FALSE(::IsWindow(hCtl));
    }
    ::DestroyWindow(hFrame);
}
