// Lets a window take OLE drags in its own message handlers: each drag event goes to the window
// as a message, and the handler reads what the event carried from the target's members.
#pragma once

#include "platform/ole/OleDropTarget.h"

class CWnd;

// wParam and lParam 0. Drag over: answer 2 for move, 3 for copy, anything else refuses.
const UINT WM_DESIGN_DRAG_OVER = 0x2299;
// Drop: non-zero when the window took it.
const UINT WM_DESIGN_DROP = 0x229A;
const UINT WM_DESIGN_DRAG_LEAVE = 0x229B;

class CDesignDropTarget : public COleDropTarget
{
public:
    CDesignDropTarget();

    // Copy, or move with Shift held; the owner is not asked.
    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;
    void OnDragLeave(CWnd* pWnd) override;

    // What the last drag-over or drop carried.
    DWORD m_dwKeyState;
    CPoint m_point; // client coordinates of the event window
    COleDataObject* m_pDataObject;
    DROPEFFECT m_dropEffect;
    // Set by the owning window; without it nothing is forwarded and nothing dropped.
    CWnd* m_pOwner;
    CWnd* m_pEventWnd;
};
