#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <memory>

#include "platform/frame/FrameWnd.h"
#include "platform/gdi/FxTempMap.h"
#include "platform/win/ComboBox.h"
#include "platform/win/DataExchange.h"
#include "platform/win/Dialog.h"
#include "platform/win/Edit.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/Menu.h"
#include "platform/win/MsgBox.h"
#include "platform/win/SpinButtonCtrl.h"
#include "tests/platform/res/fxtest_resource.h"
#include "tests/support/MessagePump.h"
#include "tests/support/SysDlgDriver.h"
#include "tests/support/UiDriver.h"

namespace
{
class CFxTestDlg : public CDialog
{
public:
    explicit CFxTestDlg(CWnd* pParent = nullptr) : CDialog(IDD_FXTEST, pParent) {}

    CString m_strName;
    int m_nCount = 0;
    CString m_strCode;
    int m_bCheck = 0;
    int m_nRadio = -1;
    CString m_strCombo;
    CComboBox m_combo;
    int m_nNameChanges = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_FXTEST_COMBO, m_combo);
        DDX_Text(pDX, IDC_FXTEST_NAME, m_strName);
        DDX_Text(pDX, IDC_FXTEST_COUNT, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, 0, 99);
        DDX_Text(pDX, IDC_FXTEST_CODE, m_strCode);
        DDV_MaxChars(pDX, m_strCode, 2);
        DDX_Check(pDX, IDC_FXTEST_CHECK, m_bCheck);
        DDX_Radio(pDX, IDC_FXTEST_RADIO1, m_nRadio);
        DDX_CBString(pDX, IDC_FXTEST_COMBO, m_strCombo);
    }
    void OnNameChange() { ++m_nNameChanges; }

    FX_DECLARE_MESSAGE_MAP()
};

FX_BEGIN_MESSAGE_MAP(CFxTestDlg, CDialog)
FX_ON_EN_CHANGE(IDC_FXTEST_NAME, OnNameChange)
FX_END_MESSAGE_MAP()

class CFxListDlg : public CDialog
{
public:
    CFxListDlg() : CDialog(IDD_FXTEST_LIST) {}
    CListCtrl m_list;
    CSpinButtonCtrl m_spin;
    int m_nDblClicks = 0;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
        m_list.InsertColumn(0, "名称", LVCFMT_LEFT, 80);
        m_list.InsertColumn(1, "取值", LVCFMT_LEFT, 80);
        for (int i = 0; i < 3; ++i) {
            CString str;
            str.Format("名%d", i);
            int nItem = m_list.InsertItem(i, str);
            m_list.SetItemText(nItem, 1, "值");
            m_list.SetItemData(nItem, static_cast<DWORD_PTR>(100 + i));
        }
        m_spin.SetRange32(0, 50);
        m_spin.SetPos32(7);
        return TRUE;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_FXTEST_LIST, m_list);
        DDX_Control(pDX, IDC_FXTEST_SPIN, m_spin);
    }
    void OnDblClkList(NMHDR*, LRESULT* pResult)
    {
        ++m_nDblClicks;
        *pResult = 0;
    }
    FX_DECLARE_MESSAGE_MAP()
};

FX_BEGIN_MESSAGE_MAP(CFxListDlg, CDialog)
FX_ON_NOTIFY(NM_DBLCLK, IDC_FXTEST_LIST, OnDblClkList)
FX_END_MESSAGE_MAP()

// A modeless dialog whose control wrappers are members: deleting it while it is open must not
// let its controls' last notices reach handlers of the part already destroyed.
class CFxDyingDlg : public CDialog
{
public:
    explicit CFxDyingDlg(int& nLateCalls) : CDialog(IDD_FXTEST), m_nLateCalls(nLateCalls) {}
    ~CFxDyingDlg() override { m_bGone = true; }

    CEdit m_editName;
    CEdit m_editCode;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_FXTEST_NAME, m_editName);
        DDX_Control(pDX, IDC_FXTEST_CODE, m_editCode);
    }
    void OnFocusNotice()
    {
        if (m_bGone) {
            ++m_nLateCalls;
        }
    }

    FX_DECLARE_MESSAGE_MAP()

private:
    int& m_nLateCalls;
    bool m_bGone = false;
};

FX_BEGIN_MESSAGE_MAP(CFxDyingDlg, CDialog)
FX_ON_EN_KILLFOCUS(IDC_FXTEST_NAME, OnFocusNotice)
FX_ON_EN_SETFOCUS(IDC_FXTEST_NAME, OnFocusNotice)
FX_ON_EN_KILLFOCUS(IDC_FXTEST_CODE, OnFocusNotice)
FX_ON_EN_SETFOCUS(IDC_FXTEST_CODE, OnFocusNotice)
FX_END_MESSAGE_MAP()
} // namespace

TEST(DialogTest, ModalDialogExchangesDataBothWays)
{
    CTestUi ui;
    CFxTestDlg dlg;
    dlg.m_strName = "旧名";
    dlg.m_nCount = 5;
    dlg.m_nRadio = 1;
    dlg.m_strCombo = "Rz";
    ui.OnDialog(IDD_FXTEST, [&](CTestDlg& d) {
        EXPECT_STREQ("测试对话框", d.GetCaption());
        EXPECT_STREQ("旧名", d.GetText(IDC_FXTEST_NAME));
        EXPECT_STREQ("5", d.GetText(IDC_FXTEST_COUNT));
        EXPECT_TRUE(d.IsChecked(IDC_FXTEST_RADIO2));
        // The template's initial data filled the combo box, Chinese text as GBK.
        ASSERT_EQ(3, d.GetComboCount(IDC_FXTEST_COMBO));
        EXPECT_STREQ("粗糙", d.GetComboText(IDC_FXTEST_COMBO, 1));
        EXPECT_STREQ("Rz", d.GetText(IDC_FXTEST_COMBO));
        d.SetText(IDC_FXTEST_NAME, "新名");
        d.SetText(IDC_FXTEST_COUNT, " 42 ");
        d.Click(IDC_FXTEST_CHECK);
        d.Click(IDC_FXTEST_RADIO1);
        d.SelectCombo(IDC_FXTEST_COMBO, 0);
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("新名", dlg.m_strName);
    EXPECT_EQ(42, dlg.m_nCount);
    EXPECT_EQ(1, dlg.m_bCheck);
    EXPECT_EQ(0, dlg.m_nRadio);
    EXPECT_STREQ("100", dlg.m_strCombo);
    EXPECT_GE(dlg.m_nNameChanges, 1);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, dlg.m_combo.m_hWnd);
    EXPECT_TRUE(ui.GetBoxes().empty());
}

TEST(DialogTest, RefusedDataKeepsTheDialogOpenWithTheStandardMessage)
{
    struct Case
    {
        const char* szName;
        const char* szCount;
        const char* szCode;
        const char* szMessage;
        int nFocus;
    };
    const Case cases[] = {
        {"not a number", "abc", "", "请输入一个整数。", IDC_FXTEST_COUNT},
        {"out of range", "100", "", "请输入一个介于 0 和 99 之间的整数。", IDC_FXTEST_COUNT},
        {"too many bytes", "1", "一二", "请输入不超过 2 个字符。", IDC_FXTEST_CODE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestUi ui;
        CFxTestDlg dlg;
        ui.OnDialog(IDD_FXTEST, [&](CTestDlg& d) {
            d.SetText(IDC_FXTEST_COUNT, c.szCount);
            // The limit set on load stops typing, not a text set by the program.
            d.SetText(IDC_FXTEST_CODE, c.szCode);
            d.Ok();
            ASSERT_EQ(1u, ui.GetBoxes().size());
            EXPECT_STREQ(c.szMessage, ui.GetBoxes()[0].strText);
            EXPECT_EQ(-1, d.GetDialog()->GetModalResult());
            EXPECT_EQ(c.nFocus, d.GetFocusID());
            d.Cancel();
        });
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
    }
}

TEST(DialogTest, EditLimitComesFromMaxChars)
{
    CTestUi ui;
    CFxTestDlg dlg;
    ui.OnDialog(IDD_FXTEST, [&](CTestDlg& d) {
        EXPECT_EQ(2, SendMessageA(d.Item(IDC_FXTEST_CODE), EM_GETLIMITTEXT, 0, 0));
        d.Cancel();
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

TEST(DialogTest, MissingTemplateFailsWithoutAWindow)
{
    CDialog dlg(4321);
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(DialogTest, ListViewNotificationsReachTheMap)
{
    CTestUi ui;
    CFxListDlg dlg;
    ui.OnDialog(IDD_FXTEST_LIST, [&](CTestDlg& d) {
        CListCtrl& list = dlg.m_list;
        ASSERT_EQ(3, list.GetItemCount());
        EXPECT_STREQ("名1", list.GetItemText(1, 0));
        EXPECT_STREQ("值", list.GetItemText(1, 1));
        EXPECT_EQ(102u, list.GetItemData(2));
        EXPECT_EQ(-1, list.GetNextItem(-1, LVNI_SELECTED));
        list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
        EXPECT_EQ(2, list.GetNextItem(-1, LVNI_SELECTED));
        EXPECT_EQ(1u, list.GetSelectedCount());
        EXPECT_EQ(7, dlg.m_spin.GetPos32());

        NMITEMACTIVATE nm = {};
        nm.hdr.hwndFrom = list.m_hWnd;
        nm.hdr.idFrom = IDC_FXTEST_LIST;
        nm.hdr.code = NM_DBLCLK;
        nm.iItem = 2;
        SendMessageA(d.GetHwnd(), WM_NOTIFY, IDC_FXTEST_LIST, reinterpret_cast<LPARAM>(&nm));
        EXPECT_EQ(1, dlg.m_nDblClicks);
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
}

TEST(DialogTest, NestedModalDialogsAreAnsweredInTurn)
{
    CTestUi ui;
    CFxTestDlg outer;
    CFxTestDlg inner;
    ui.OnDialog(IDD_FXTEST, [&](CTestDlg& d) {
        EXPECT_EQ(IDOK, inner.DoModal());
        d.Cancel();
    });
    ui.OnDialog(IDD_FXTEST, [&](CTestDlg& d) {
        d.SetText(IDC_FXTEST_NAME, "内");
        d.Ok();
    });
    EXPECT_EQ(IDCANCEL, outer.DoModal());
    EXPECT_STREQ("内", inner.m_strName);
    EXPECT_EQ(2, ui.GetDialogsOpened());
}

// A real message box shown while a modal dialog runs, owned as a script error's box is by the
// application's main window (the dialog's disabled owner), by nobody or by the dialog itself: once
// it closes the dialog is active again and its owner still disabled.
TEST(DialogTest, NestedMessageBoxLeavesTheOwnerDisabled)
{
    CWnd owner;
    ASSERT_TRUE(
        owner.CreateEx(0, "STATIC", "owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
    CFxTestDlg dlg(&owner);
    CTestUi ui;
    CTestSysDialogs boxes;
    ui.OnDialog(IDD_FXTEST, [&](CTestDlg& d) {
        ::ShowWindow(d.GetHwnd(), SW_SHOW);
        ::SetActiveWindow(d.GetHwnd());
        ASSERT_EQ(d.GetHwnd(), ::GetActiveWindow());
        EXPECT_FALSE(::IsWindowEnabled(owner.m_hWnd));
        const struct
        {
            const char* pszName;
            HWND hOwner;
        } cases[] = {
            {"owned by the disabled main window", owner.m_hWnd},
            {"owned by nobody", nullptr},
            {"owned by the dialog", d.GetHwnd()},
        };
        // The real box, not the harness's answer.
        const FX_MSGBOX_HOOK pfnUi = FxSetMessageBoxHook(nullptr);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.pszName);
            boxes.OnDialog([](CTestSysDlg& box) { box.Ok(); });
            EXPECT_EQ(IDOK, FxMessageBox(c.hOwner, "脚本错误", "提示", MB_OK));
            EXPECT_FALSE(::IsWindowEnabled(owner.m_hWnd));
            EXPECT_TRUE(::IsWindowEnabled(d.GetHwnd()));
            EXPECT_EQ(d.GetHwnd(), ::GetActiveWindow());
        }
        FxSetMessageBoxHook(pfnUi);
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(3, boxes.GetDialogsOpened());
    EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
}

TEST(DialogTest, MenuFromResourcesViewsItsSubMenuAndMessageBoxAnswers)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_FXTEST_MENU));
    CMenu* pPopup = menu.GetSubMenu(0);
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(2, pPopup->GetMenuItemCount());
    EXPECT_EQ(static_cast<UINT>(ID_FXTEST_SECOND), pPopup->GetMenuItemID(1));
    CString strItem;
    pPopup->GetMenuString(ID_FXTEST_FIRST, strItem, MF_BYCOMMAND);
    EXPECT_STREQ("第一项", strItem);
    EXPECT_FALSE(pPopup->DestroyMenu()) << "a view never destroys the menu";
    FxDeleteTempMaps();
    EXPECT_EQ(2, GetMenuItemCount(GetSubMenu(menu, 0)));

    CTestUi ui;
    ui.AnswerMessageBox(IDNO);
    CWnd wnd;
    EXPECT_EQ(IDNO, wnd.MessageBox("要保存吗?", "提示", MB_YESNO | MB_ICONQUESTION));
    ASSERT_EQ(1u, ui.GetBoxes().size());
    EXPECT_STREQ("提示", ui.GetBoxes()[0].strCaption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), ui.GetBoxes()[0].nType);
}

TEST(DialogTest, HarnessCancelsDialogsNobodyAnswers)
{
    CFxTestDlg dlg;
    INT_PTR nResult = 0;
    EXPECT_NONFATAL_FAILURE(
        {
            CTestUi ui;
            ui.OnDialog(IDD_FXTEST, [](CTestDlg& d) { d.SetText(IDC_FXTEST_NAME, "x"); });
            nResult = dlg.DoModal();
        },
        "left open");
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_NONFATAL_FAILURE(
        {
            CTestUi ui;
            nResult = dlg.DoModal();
        },
        "unexpected dialog");
    EXPECT_EQ(IDCANCEL, nResult);
}

TEST(DialogTest, ModelessDialogLivesUntilDestroyed)
{
    CTestUi ui;
    CFxTestDlg dlg;
    dlg.m_strName = "无模式";
    ASSERT_TRUE(dlg.Create(IDD_FXTEST));
    HWND hDlg = dlg.m_hWnd;
    EXPECT_FALSE(dlg.IsModal());
    CString strName;
    dlg.GetDlgItemText(IDC_FXTEST_NAME, strName);
    EXPECT_STREQ("无模式", strName);
    dlg.SetDlgItemText(IDC_FXTEST_COUNT, "8");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(8, dlg.m_nCount);
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_FALSE(IsWindow(hDlg));
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, dlg.m_combo.m_hWnd);
    // No modal loop ran: the open notice was never delivered, and no handler was expected.
    PumpTestMessages();
}

TEST(DialogTest, DeletingAnOpenModelessDialogReachesNoHandlerOfItsDestroyedPart)
{
    CTestUi ui;
    int nLateCalls = 0;
    auto* pDlg = new CFxDyingDlg(nLateCalls);
    ASSERT_TRUE(pDlg->Create(IDD_FXTEST));
    HWND hDlg = pDlg->m_hWnd;
    HWND hName = pDlg->m_editName.m_hWnd;
    ShowWindow(hDlg, SW_SHOWNA);
    ::SetFocus(hName);
    ASSERT_EQ(hName, GetFocus());
    delete pDlg;
    // The controls went with the dialog, after it was unhooked, not one by one with their wrappers.
    EXPECT_EQ(0, nLateCalls);
    EXPECT_FALSE(IsWindow(hDlg));
    EXPECT_FALSE(IsWindow(hName));
    PumpTestMessages();
}

namespace
{
// Places itself in OnInitDialog, as a dialog that remembers where it was last does.
class CFxPlacedDlg : public CDialog
{
public:
    CFxPlacedDlg() : CDialog(IDD_FXTEST) {}
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ::SetWindowPos(m_hWnd, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
};
} // namespace

// A dialog opens over the middle of its owner; with its owner hidden over the middle of the work
// area; one that placed itself stays where it went.
TEST(DialogTest, ADialogOpensOverItsOwnerUnlessItPlacedItself)
{
    CFrameWnd* pOwner = new CFrameWnd;
    ASSERT_TRUE(pOwner->CreateEx(0, nullptr, "主窗口", WS_OVERLAPPEDWINDOW, 40, 420, 600, 400, nullptr, nullptr));
    RECT rcWork = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    const CPoint ptWork = CRect(rcWork).CenterPoint();
    const struct
    {
        const char* szName;
        BOOL bOwnerShown;
        BOOL bPlacesItself;
    } cases[] = {
        {"over the owner", TRUE, FALSE},
        {"the owner hidden: over the work area", FALSE, FALSE},
        {"placed by itself", TRUE, TRUE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        pOwner->ShowWindow(c.bOwnerShown ? SW_SHOWNA : SW_HIDE);
        CRect rcOwner;
        pOwner->GetWindowRect(&rcOwner);
        std::unique_ptr<CDialog> pDlg(c.bPlacesItself ? static_cast<CDialog*>(new CFxPlacedDlg) : new CFxTestDlg);
        ASSERT_TRUE(pDlg->Create(IDD_FXTEST, pOwner));
        CRect rc;
        pDlg->GetWindowRect(&rc);
        const CPoint ptExpected = c.bPlacesItself ? CPoint(30 + rc.Width() / 2, 40 + rc.Height() / 2)
                                  : c.bOwnerShown ? rcOwner.CenterPoint()
                                                  : ptWork;
        EXPECT_NEAR(ptExpected.x, rc.CenterPoint().x, 1);
        EXPECT_NEAR(ptExpected.y, rc.CenterPoint().y, 1);
        pDlg->DestroyWindow();
    }
    pOwner->DestroyWindow();
}
