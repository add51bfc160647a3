// A main frame as the designer builds it: a workbook with the output bar docked at the bottom
// (0.75, 130 pixels) and the workspace at the left (1.0, 220 pixels), both hidden until shown.
#pragma once

#include "framework/FwControlBar.h"
#include "framework/FwDockBar.h"
#include "framework/FwWorkbook.h"
#include "platform/frame/FrameIds.h"
#include "tests/framework/res/fwtest_resource.h"

const UINT kOutputBar = 0xE900;
const UINT kWorkspaceBar = 0xE901;
// Caption buttons, gripper, flat borders, context menu and "Float In Main Window".
const DWORD kDesignerBarExStyle = 0xF31;

struct CDesignerFrame
{
    FwWorkbook* pFrame = nullptr;
    FwControlBar output;
    FwControlBar workspace;

    explicit CDesignerFrame(CRuntimeClass* pFrameClass = nullptr) : m_pFrameClass(pFrameClass) {}
    CDesignerFrame(const CDesignerFrame&) = delete;
    CDesignerFrame& operator=(const CDesignerFrame&) = delete;

    BOOL Create()
    {
        CObject* pObject =
            m_pFrameClass != nullptr ? m_pFrameClass->CreateObject() : FX_RUNTIME_CLASS(FwWorkbook)->CreateObject();
        pFrame = dynamic_cast<FwWorkbook*>(pObject);
        if (pFrame == nullptr) {
            delete pObject;
            return FALSE;
        }
        if (!pFrame->LoadFrame(IDR_FWTEST_CARD, WS_OVERLAPPEDWINDOW)) {
            return FALSE;
        }
        pFrame->MoveWindow(0, 0, 640, 480);
        const DWORD dwStyle = CBRS_BOTTOM | CBRS_SIZE_DYNAMIC;
        if (!output.Create(pFrame, "Output Window", dwStyle, kDesignerBarExStyle, kOutputBar) ||
            !workspace.Create(pFrame, "Project Workspace", dwStyle, kDesignerBarExStyle, kWorkspaceBar)) {
            return FALSE;
        }
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        output.EnableDocking(CBRS_ALIGN_ANY);
        workspace.EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBarEx(&output, FX_IDW_DOCKBAR_BOTTOM, 0, 0, 0.75f, 130);
        pFrame->ShowControlBar(&output, FALSE, TRUE);
        pFrame->DockControlBarEx(&workspace, FX_IDW_DOCKBAR_LEFT, 0, 0, 1.0f, 220);
        pFrame->ShowControlBar(&workspace, FALSE, TRUE);
        pFrame->ShowWindow(SW_SHOWNA);
        pFrame->RecalcLayout();
        return TRUE;
    }
    void ShowBoth()
    {
        pFrame->ShowControlBar(&output, TRUE, FALSE);
        pFrame->ShowControlBar(&workspace, TRUE, FALSE);
        pFrame->RecalcLayout();
    }
    ~CDesignerFrame()
    {
        // The bars are members here: their windows go before the frame's.
        if (::IsWindow(output.m_hWnd)) {
            output.DestroyWindow();
        }
        if (::IsWindow(workspace.m_hWnd)) {
            workspace.DestroyWindow();
        }
        if (pFrame != nullptr && ::IsWindow(pFrame->m_hWnd)) {
            ::DestroyWindow(pFrame->m_hWnd);
        }
    }

private:
    CRuntimeClass* m_pFrameClass;
};
