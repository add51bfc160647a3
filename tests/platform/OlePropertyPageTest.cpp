#include <gtest/gtest.h>

#include "OleTestCtl.h"
#include "platform/base/FxCoTaskMem.h"
#include "platform/base/FxComPtr.h"
#include "platform/ole/OleDispatchDriver.h"
#include "platform/win/Wnd.h"
#include "support/TestCom.h"
#include "support/TestPageSite.h"
#include "support/UiDriver.h"

// After the windows headers, which it needs.
#include <ocidl.h>

namespace
{
// Ids of the test control's page (its own resources).
const int idcCaption = 201;
const int idcFlag = 202;
const int idcCount = 203;

} // namespace

TEST(OlePropertyPageTest, PageShowsAndAppliesTheBoundProperties)
{
    CFxComPtr<IDispatch> pCtl(CreateTestCtlDispatch());
    ASSERT_NE(nullptr, static_cast<IDispatch*>(pCtl));
    COleDispatchDriver driver(pCtl, FALSE);
    driver.SetProperty(dispidCaption, CString("首页模板"));
    driver.SetProperty(dispidCount, 8L);

    CFxComPtr<IPropertyPage> pPage;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_TestCtlPage, nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage,
                                     pPage.ReceiveVoid()));
    PROPPAGEINFO info = {};
    ASSERT_EQ(S_OK, pPage->GetPageInfo(&info));
    CFxCoTaskMem<WCHAR> title(info.pszTitle);
    EXPECT_STREQ(L"General", info.pszTitle);
    EXPECT_LT(0, info.size.cx);

    CTestPageSite site;
    ASSERT_EQ(S_OK, pPage->SetPageSite(&site));
    IUnknown* objects[1] = {pCtl};
    ASSERT_EQ(S_OK, pPage->SetObjects(1, objects));
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, "属性", WS_POPUP | WS_CAPTION, 0, 0, info.size.cx + 20, info.size.cy + 40,
                               nullptr, nullptr));
    RECT rcPage = {0, 0, info.size.cx, info.size.cy};
    ASSERT_EQ(S_OK, pPage->Activate(frame.GetSafeHwnd(), &rcPage, FALSE));
    HWND hPage = ::GetWindow(frame.GetSafeHwnd(), GW_CHILD);
    ASSERT_NE(nullptr, hPage);

    EXPECT_STREQ("首页模板", ItemText(hPage, idcCaption));
    EXPECT_STREQ("8", ItemText(hPage, idcCount));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(hPage, idcFlag));
    EXPECT_EQ(S_FALSE, pPage->IsPageDirty());

    // As the user types and ticks: the page becomes dirty and tells its site.
    SetDlgItemTextA(hPage, idcCaption, "继页模板");
    SendDlgItemMessageA(hPage, idcFlag, BM_CLICK, 0, 0);
    EXPECT_EQ(S_OK, pPage->IsPageDirty());
    EXPECT_LT(0, site.m_nChanges);
    EXPECT_NE(0u, site.m_dwLastStatus & PROPPAGESTATUS_DIRTY);
    EXPECT_TRUE(SaveWindowPicture(frame.GetSafeHwnd(), "ole-property-page.png"));

    // Enter in the page (IDOK from the dialog manager) leaves it open: the frame applies.
    SendMessageA(hPage, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(IsWindow(hPage));
    EXPECT_TRUE(IsWindowVisible(hPage));

    ASSERT_EQ(S_OK, pPage->Apply());
    EXPECT_EQ(S_FALSE, pPage->IsPageDirty());
    CString strCaption;
    BOOL bFlag = FALSE;
    long lCount = 0;
    driver.GetProperty(dispidCaption, &strCaption);
    driver.GetProperty(dispidFlag, &bFlag);
    driver.GetProperty(dispidCount, &lCount);
    EXPECT_STREQ("继页模板", strCaption);
    EXPECT_TRUE(bFlag);
    EXPECT_EQ(8, lCount);

    EXPECT_EQ(S_OK, pPage->Deactivate());
    EXPECT_EQ(nullptr, ::GetWindow(frame.GetSafeHwnd(), GW_CHILD));
    pPage->SetObjects(0, nullptr);
    pPage->SetPageSite(nullptr);
    frame.DestroyWindow();
}
