#include <gtest/gtest.h>

#include "OleTestCtl.h"
#include "platform/base/FxComPtr.h"
#include "platform/gdi/ClientDC.h"
#include "platform/ole/OleControlSite.h"
#include "platform/ole/OleControlWnd.h"
#include "platform/win/Dialog.h"
#include "tests/platform/res/oletest_resource.h"
#include "support/DibCanvas.h"
#include "support/MetafileRecorder.h"
#include "support/PngFile.h"
#include "support/UiDriver.h"

// After the windows headers, which it needs.
#include <oleidl.h>

namespace
{
const COLORREF crControl = RGB(255, 255, 224);
const COLORREF crFrame = RGB(0, 0, 128);

CRect ClientRectOf(HWND hWnd)
{
    CRect rc;
    ::GetClientRect(hWnd, &rc);
    return rc;
}

// Draws the control through its view object into a memory DC.
HRESULT DrawControl(IUnknown* pCtl, HDC hdc, const RECT& rc)
{
    CFxComPtr<IViewObject> pView;
    HRESULT hr = pCtl->QueryInterface(IID_IViewObject, pView.ReceiveVoid());
    if (FAILED(hr)) {
        return hr;
    }
    RECTL rcl = {rc.left, rc.top, rc.right, rc.bottom};
    return pView->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, hdc, &rcl, nullptr, nullptr, 0);
}
} // namespace

TEST(OleContainerTest, DialogCreatesTheControlsItsTemplateNamesInPlace)
{
    ASSERT_EQ(S_OK, RegisterTestCtl());
    ASSERT_TRUE(FxEnableControlContainer());
    CTestUi ui;
    CDialog dlg(IDD_OLETEST_CONTAINER);
    ui.OnDialog(IDD_OLETEST_CONTAINER, [&](CTestDlg& d) {
        for (int nID : {IDC_OLETEST_BY_PROGID, IDC_OLETEST_BY_CLSID}) {
            SCOPED_TRACE(nID);
            COleControlWnd* pHost = COleControlWnd::FromHostHandle(d.Item(nID));
            ASSERT_NE(nullptr, pHost);
            ASSERT_NE(nullptr, pHost->GetControlSite());
            HWND hWndCtl = pHost->GetControlSite()->GetControlWindow();
            ASSERT_NE(nullptr, hWndCtl);
            EXPECT_EQ(pHost->GetSafeHwnd(), ::GetParent(hWndCtl));
            EXPECT_EQ(ClientRectOf(pHost->GetSafeHwnd()), ClientRectOf(hWndCtl));
        }
        COleControlWnd* pHost = COleControlWnd::FromHostHandle(d.Item(IDC_OLETEST_BY_PROGID));
        EXPECT_EQ(S_OK, pHost->GetDispatchDriver().SetProperty(dispidCaption, CString("容器中的控件")));
        EXPECT_EQ(S_OK, pHost->GetDispatchDriver().SetProperty(dispidFlag, TRUE));
        EXPECT_EQ(3, pHost->GetControlSite()->GetLastChangedDispID());
        EXPECT_LE(2, pHost->GetControlSite()->GetChangeCount());

        // Sizing follows the host; the focus goes into the control.
        HWND hWndCtl = pHost->GetControlSite()->GetControlWindow();
        pHost->MoveWindow(10, 40, 300, 90);
        EXPECT_EQ(CRect(0, 0, 300, 90), ClientRectOf(hWndCtl));
        ::SetFocus(pHost->GetSafeHwnd());
        EXPECT_EQ(hWndCtl, ::GetFocus());

        EXPECT_TRUE(d.SavePicture("ole-container-dialog.png"));
        // What the window shows in place: the control's colour inside its frame.
        ::UpdateWindow(hWndCtl);
        CClientDC dc(hWndCtl);
        EXPECT_EQ(crControl, GetPixel(dc.GetSafeHdc(), 5, 5));
        EXPECT_EQ(crFrame, GetPixel(dc.GetSafeHdc(), 0, 0));
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
}

TEST(OleContainerTest, CreatedByCodeInAWindowAndDrawnIntoDcAndMetafile)
{
    ASSERT_EQ(S_OK, RegisterTestCtl());
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, "frame", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
    COleControlWnd host;
    ASSERT_TRUE(host.CreateControl(TESTCTL_PROGID, "", WS_VISIBLE, CRect(10, 10, 210, 110), &frame, 100));
    EXPECT_EQ(100, host.GetDlgCtrlID());
    ASSERT_NE(nullptr, host.GetControlUnknown());
    COleControlWnd missing;
    EXPECT_FALSE(missing.CreateControl("No.Such.Control", "", WS_VISIBLE, CRect(0, 0, 10, 10), &frame, 101));
    EXPECT_EQ(nullptr, missing.GetSafeHwnd());

    CTestDib dib(120, 60, RGB(255, 255, 255));
    ASSERT_EQ(S_OK, DrawControl(host.GetControlUnknown(), dib.DC().GetSafeHdc(), CRect(0, 0, 120, 60)));
    EXPECT_EQ(crFrame, dib.Pixel(0, 0));
    EXPECT_EQ(crControl, dib.Pixel(3, 3));
    EXPECT_LT(0, dib.CountInk(CRect(20, 20, 100, 40), crControl));
    SavePng(TestImagePath("ole-control-dib.png").c_str(), dib.Bits(), dib.Width(), dib.Height());

    CTestMetafile emf;
    ASSERT_EQ(S_OK, DrawControl(host.GetControlUnknown(), emf.DC().GetSafeHdc(), CRect(0, 0, 200, 100)));
    bool bCaption = false;
    for (const EmfTextCall& call : emf.TextCalls()) {
        bCaption = bCaption || call.text == L"测试控件";
    }
    EXPECT_TRUE(bCaption) << emf.Dump();
    host.DestroyWindow();
    frame.DestroyWindow();
}
