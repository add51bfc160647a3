// The control bar's saved state: what a bar writes into its record and takes back from it, through
// the profile and the archive, on real frames; a dialog bar made again from its template.
#include <gtest/gtest.h>

#include <functional>

#include "framework/FwControlBar.h"
#include "framework/FwControlBarInfo.h"
#include "framework/FwDialogBar.h"
#include "framework/FwDockBar.h"
#include "framework/FwDockContext.h"
#include "framework/FwDockState.h"
#include "framework/FwFrameWnd.h"
#include "platform/base/Archive.h"
#include "platform/base/MemFile.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/WinApp.h"
#include "tests/framework/res/fwtest_resource.h"

namespace
{
const UINT kOutputBar = 0xE910;
const UINT kWorkspaceBar = 0xE911;
const UINT kDialogBar = 0xE912;

struct CStateFrame
{
    FwFrameWnd* pFrame = nullptr;
    FwControlBar output;
    FwControlBar workspace;

    BOOL Create()
    {
        pFrame = new FwFrameWnd;
        if (!pFrame->LoadFrame(IDR_FWTEST_CARD, WS_OVERLAPPEDWINDOW)) {
            return FALSE;
        }
        pFrame->MoveWindow(0, 0, 640, 480);
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        const DWORD dwStyle = WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC;
        if (!output.Create(pFrame, "输出", dwStyle, 0x200, kOutputBar) ||
            !workspace.Create(pFrame, "工作区", dwStyle, 0x200, kWorkspaceBar)) {
            return FALSE;
        }
        output.EnableDocking(CBRS_ALIGN_ANY);
        workspace.EnableDocking(CBRS_ALIGN_ANY);
        pFrame->ShowWindow(SW_SHOWNA);
        return TRUE;
    }
    ~CStateFrame()
    {
        if (pFrame != nullptr && ::IsWindow(pFrame->m_hWnd)) {
            ::DestroyWindow(pFrame->m_hWnd);
        }
    }
};

FwDockContext* ContextOf(FwControlBar& bar)
{
    return static_cast<FwDockContext*>(bar.m_pDockContext);
}

class FwControlBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFwControlBarTest");
        m_app.SetRegistryKey("VornFwControlBarTest");
    }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFwControlBarTest"); }

    CWinApp m_app{"FwControlBarTest"};
};

// Carries a collected layout to a fresh dock state by one of the stored forms.
struct FormCase
{
    const char* szName;
    std::function<void(FwDockState& from, FwDockState& to)> carry;
};

void CarryByProfile(FwDockState& from, FwDockState& to)
{
    from.CleanBarIDArrays();
    from.SaveState("BarStateTest");
    to.LoadState("BarStateTest");
}

void CarryByArchive(FwDockState& from, FwDockState& to)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        from.Serialize(ar);
        ar.Close();
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    to.Serialize(ar);
}
} // namespace

TEST_F(FwControlBarTest, BarStateRoundTripsThroughEachForm)
{
    const FormCase cases[] = {
        {"profile", CarryByProfile},
        {"archive", CarryByArchive},
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(c.szName);
        FwDockState collected;
        {
            CStateFrame first;
            ASSERT_TRUE(first.Create());
            first.pFrame->DockControlBarEx(&first.output, FX_IDW_DOCKBAR_BOTTOM, 0, 0, 0.75f, 130);
            first.pFrame->DockControlBarEx(&first.workspace, FX_IDW_DOCKBAR_BOTTOM, 0, 1, 0.25f, 130);
            first.pFrame->RecalcLayout();
            first.output.m_szVert = CSize(150, 222);
            first.output.m_szFloat = CSize(333, 111);
            first.output.m_nMRUWidth = 250;
            first.output.m_dwSavedDockStyle = CBRS_ALIGN_LEFT;
            first.output.SetExtendedStyle(0xF31, FALSE);
            ContextOf(first.output)->m_bPrevFloating = TRUE;
            ContextOf(first.output)->m_ptMRUFloatPos = CPoint(77, 88);
            ContextOf(first.output)->m_dwMRUFloatStyle = CBRS_ALIGN_TOP;
            ContextOf(first.output)->m_uMRUDockID = FX_IDW_DOCKBAR_BOTTOM;
            first.pFrame->ShowControlBar(&first.workspace, FALSE, FALSE);

            ASSERT_TRUE(collected.CollectFromFrame(first.pFrame));
            FwControlBarInfo info;
            first.output.FillBarInfo(&info);
            EXPECT_EQ(kOutputBar, info.m_nBarID);
            EXPECT_TRUE(info.m_bVisible);
            EXPECT_FLOAT_EQ(0.75f, info.m_fWidthFraction);
            EXPECT_EQ(CSize(150, 222), info.m_szVertDock);
            EXPECT_EQ(CSize(333, 111), info.m_szFloat);
            EXPECT_EQ(130, info.m_szHorzDock.cy);
            EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_LEFT), info.m_dwMRUDockingState);
            EXPECT_EQ(static_cast<DWORD>(0xF31), info.m_dwExStyle);
            EXPECT_TRUE(info.m_bPrevFloating);
            EXPECT_TRUE(info.m_bDocking);
            EXPECT_EQ(static_cast<UINT>(FX_IDW_DOCKBAR_BOTTOM), info.m_uMRUDockID);
            EXPECT_EQ(CPoint(77, 88), info.m_ptMRUFloatPos);
            EXPECT_EQ(CString("FwControlBar"), info.m_strClassName);
            EXPECT_EQ(CString("输出"), info.m_strWindowName);
        }
        FwDockState carried;
        c.carry(collected, carried);

        CStateFrame second;
        ASSERT_TRUE(second.Create());
        second.pFrame->DockControlBar(&second.output, FX_IDW_DOCKBAR_TOP);
        second.pFrame->DockControlBar(&second.workspace, FX_IDW_DOCKBAR_TOP);
        second.pFrame->RecalcLayout();
        ASSERT_TRUE(carried.ApplyToFrame(second.pFrame));

        FwControlBar& bar = second.output;
        EXPECT_EQ(second.pFrame->GetControlBar(FX_IDW_DOCKBAR_BOTTOM), bar.m_pDockBar);
        EXPECT_FLOAT_EQ(0.75f, bar.m_fWidthFraction);
        EXPECT_EQ(CSize(150, 222), bar.m_szVert);
        EXPECT_EQ(CSize(333, 111), bar.m_szFloat);
        EXPECT_EQ(130, bar.m_szHorz.cy);
        EXPECT_EQ(250, bar.m_nMRUWidth);
        EXPECT_EQ(static_cast<DWORD>(0xF31), bar.GetExtendedStyle());
        EXPECT_TRUE(ContextOf(bar)->m_bPrevFloating);
        EXPECT_EQ(CPoint(77, 88), ContextOf(bar)->m_ptMRUFloatPos);
        EXPECT_EQ(static_cast<UINT>(FX_IDW_DOCKBAR_BOTTOM), ContextOf(bar)->m_uMRUDockID);
        EXPECT_NE(0u, bar.GetBarStyle() & CBRS_ALIGN_BOTTOM);
        EXPECT_TRUE(bar.IsVisible());
        // The hidden bar stays hidden, in its row after the output bar.
        EXPECT_FALSE(second.workspace.IsVisible());
        EXPECT_FLOAT_EQ(0.25f, second.workspace.m_fWidthFraction);
        EXPECT_EQ(bar.m_pDockBar, second.workspace.m_pDockBar);
    }
}

TEST_F(FwControlBarTest, DialogBarIsMadeAgainFromItsTemplate)
{
    {
        CStateFrame first;
        ASSERT_TRUE(first.Create());
        FwDialogBar* pBar = new FwDialogBar;
        ASSERT_TRUE(pBar->Create(first.pFrame, IDD_FWTEST_DLGBAR, WS_VISIBLE | CBRS_TOP, 0x100, kDialogBar));
        pBar->SetWindowText("对话栏");
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        first.pFrame->DockControlBarEx(pBar, FX_IDW_DOCKBAR_TOP, 0, 0, 1.0f, 0);
        first.pFrame->RecalcLayout();
        FwControlBarInfo info;
        pBar->FillBarInfo(&info);
        EXPECT_EQ(static_cast<UINT>(IDD_FWTEST_DLGBAR), info.m_nResourceID);
        EXPECT_EQ(CString("FwDialogBar"), info.m_strClassName);
        first.pFrame->SaveBarState("DialogBarTest");
        pBar->DestroyWindow();
        delete pBar;
    }
    UINT nSavedID = 0;
    for (int i = 0; i < static_cast<int>(m_app.GetProfileInt("DialogBarTest-Summary", "Bars", 0)); ++i) {
        CString strSection;
        strSection.Format("DialogBarTest-Bar%d", i);
        if (m_app.GetProfileInt(strSection, "BarID", 0) == kDialogBar) {
            nSavedID = m_app.GetProfileInt(strSection, "ResourceID", 0);
        }
    }
    EXPECT_EQ(static_cast<UINT>(IDD_FWTEST_DLGBAR), nSavedID);

    // The frame makes the missing bar from its template and owns it from then on.
    CStateFrame second;
    ASSERT_TRUE(second.Create());
    second.pFrame->LoadBarState("DialogBarTest");
    ASSERT_EQ(1, second.pFrame->m_listOwnedObjects.GetCount());
    FwDialogBar* pMade = dynamic_cast<FwDialogBar*>(second.pFrame->GetControlBar(kDialogBar));
    ASSERT_NE(nullptr, pMade);
    EXPECT_EQ(second.pFrame->m_listOwnedObjects.GetHead(), static_cast<void*>(static_cast<CObject*>(pMade)));
    EXPECT_EQ(static_cast<UINT>(IDD_FWTEST_DLGBAR), pMade->GetResourceID());
    EXPECT_NE(nullptr, ::GetDlgItem(pMade->m_hWnd, IDC_FWTEST_HANDLED));
    EXPECT_EQ(second.pFrame->GetControlBar(FX_IDW_DOCKBAR_TOP), static_cast<CControlBar*>(pMade->m_pDockBar));
    EXPECT_EQ(static_cast<DWORD>(0x100), pMade->GetExtendedStyle());
}
