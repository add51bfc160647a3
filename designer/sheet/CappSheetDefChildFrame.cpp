#include "designer/sheet/CappSheetDefChildFrame.h"

#include "core/CardCommFun.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/sheet/DesignShellLink.h"
#include "designer/res/resource.h"
#include "platform/frame/WinApp.h"
#include "platform/frame/FrameIds.h"
#include "platform/win/CmdUI.h"
#include "platform/win/MsgBox.h"

namespace
{
// The simulator's one export: template path, data file path; it runs modally.
typedef void (*SimulatorProc)(LPCSTR lpszTemplate, LPCSTR lpszDataFile);

void TellUser(HWND hOwner, UINT nIDText, LPCSTR lpszArgument)
{
    CString strFormat;
    strFormat.LoadString(nIDText);
    CString strText;
    strText.Format(strFormat, lpszArgument);
    FxMessageBox(hOwner, strText, FxGetApp()->m_strAppName, MB_OK | MB_ICONWARNING);
}
} // namespace

FX_IMPLEMENT_DYNCREATE(CCappSheetDefChildFrame, FwWorksheet)

FX_BEGIN_MESSAGE_MAP(CCappSheetDefChildFrame, FwWorksheet)
FX_ON_COMMAND(ID_SHEET_RULERS, OnViewRulers)
FX_ON_UPDATE_COMMAND_UI(ID_SHEET_RULERS, OnUpdateViewRulers)
FX_ON_COMMAND(ID_SHEET_SCRIPT, OnScriptEdit)
FX_ON_COMMAND(ID_SHEET_SIMULATE, OnSimulate)
FX_ON_COMMAND(ID_SHEET_FRAME_SAVE, OnFrameSave)
FX_END_MESSAGE_MAP()

CCappSheetDefChildFrame::CCappSheetDefChildFrame()
    : m_bRulerScaled(FALSE), m_strSimulatorDll("VornSimulator.dll"), m_pShell(nullptr)
{
}

CCappSheetDefChildFrame::~CCappSheetDefChildFrame()
{
}

CCappSheetDefView* CCappSheetDefChildFrame::GetSheetDefView() const
{
    if (auto* pView = dynamic_cast<CCappSheetDefView*>(GetActiveView())) {
        return pView;
    }
    return dynamic_cast<CCappSheetDefView*>(CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, FX_IDW_PANE_FIRST)));
}

int CCappSheetDefChildFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (FwWorksheet::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    m_wndHRuler.SetBorders(0, 0, 1000, 0);
    if (!m_wndHRuler.Create(this, 0x5000280C, 0) || !m_wndVRuler.Create(this, 0x50001008, 0)) {
        return -1;
    }
    return 0;
}

void CCappSheetDefChildFrame::UpdateRulers()
{
    CCappSheetDefView* pView = GetSheetDefView();
    CRect rcDevice;
    CSize sizeTenthMm;
    if (pView == nullptr || !pView->GetPageRectDevice(rcDevice, sizeTenthMm)) {
        return;
    }
    // The view's pixels as each ruler counts them: the rulers sit beside the view, not over it.
    for (CRulerBar* pRuler : {static_cast<CRulerBar*>(&m_wndHRuler), static_cast<CRulerBar*>(&m_wndVRuler)}) {
        if (pRuler->m_hWnd == nullptr || !pRuler->IsWindowVisible()) {
            continue;
        }
        CPoint ptStart = rcDevice.TopLeft();
        ::MapWindowPoints(pView->m_hWnd, pRuler->m_hWnd, &ptStart, 1);
        if (pRuler->IsHorz()) {
            pRuler->SetScale(sizeTenthMm.cx, ptStart.x, rcDevice.Width());
        } else {
            pRuler->SetScale(sizeTenthMm.cy, ptStart.y, rcDevice.Height());
        }
        m_bRulerScaled = TRUE;
    }
}

void CCappSheetDefChildFrame::OnViewRulers()
{
    for (CRulerBar* pRuler : {static_cast<CRulerBar*>(&m_wndHRuler), static_cast<CRulerBar*>(&m_wndVRuler)}) {
        ShowControlBar(pRuler, !pRuler->IsWindowVisible(), FALSE);
    }
}

void CCappSheetDefChildFrame::OnUpdateViewRulers(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndHRuler.m_hWnd != nullptr && m_wndHRuler.IsWindowVisible() ? 1 : 0);
}

CFrameWnd* CCappSheetDefChildFrame::GetScriptWindow() const
{
    return m_pShell != nullptr ? m_pShell->FindScriptWindow(this) : nullptr;
}

void CCappSheetDefChildFrame::OnScriptEdit()
{
    if (m_pShell != nullptr) {
        m_pShell->OpenScriptWindow(this);
    }
}

void CCappSheetDefChildFrame::OnClose()
{
    // The script window goes first; when it stays open, so does this window.
    if (m_pShell != nullptr && !m_pShell->CloseScriptWindow(this)) {
        return;
    }
    FwWorksheet::OnClose();
}

void CCappSheetDefChildFrame::OnSimulate()
{
    RunSimulator();
}

BOOL CCappSheetDefChildFrame::RunSimulator()
{
    CCappSheetDefView* pView = GetSheetDefView();
    if (pView == nullptr) {
        return FALSE;
    }
    // An empty path would send the simulator off with a data file named ".znw" and no template.
    const CString strTemplate = pView->GetPath();
    if (strTemplate.IsEmpty()) {
        TellUser(m_hWnd, IDS_SHEET_SAVE_FIRST, "");
        return FALSE;
    }
    CString strWorkDir;
    if (!CCardCommFun::GetCappWorkDir(strWorkDir)) {
        return FALSE;
    }
    const CString strDataDir = strWorkDir + "\\data";
    if (!CCardCommFun::ExistDir(strDataDir) && !::CreateDirectoryA(strDataDir, nullptr)) {
        return FALSE;
    }
    const CString strDataFile = strDataDir + "\\" + CCardCommFun::GetFileName_NoExt(strTemplate) + ".znw";
    HMODULE hSimulator = ::LoadLibraryA(m_strSimulatorDll);
    auto pfnSimulator =
        hSimulator != nullptr
            ? reinterpret_cast<SimulatorProc>(reinterpret_cast<void*>(::GetProcAddress(hSimulator, "Simulator")))
            : nullptr;
    if (pfnSimulator == nullptr) {
        if (hSimulator != nullptr) {
            ::FreeLibrary(hSimulator);
        }
        TellUser(m_hWnd, IDS_SHEET_NO_SIMULATOR, m_strSimulatorDll);
        return FALSE;
    }
    pfnSimulator(strTemplate, strDataFile);
    ::FreeLibrary(hSimulator);
    return TRUE;
}

void CCappSheetDefChildFrame::OnFrameSave()
{
    if (CCappSheetDefView* pView = GetSheetDefView()) {
        pView->SaveTemplate(CCappSheetDefView::saveModeSave);
    }
}
