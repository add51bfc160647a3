#include "designer/template/DesignDropTarget.h"

#include "platform/win/Wnd.h"

namespace
{
const LRESULT kAnswerMove = 2;
const LRESULT kAnswerCopy = 3;
} // namespace

CDesignDropTarget::CDesignDropTarget()
    : m_dwKeyState(0), m_point(0, 0), m_pDataObject(nullptr), m_dropEffect(DROPEFFECT_NONE), m_pOwner(nullptr),
      m_pEventWnd(nullptr)
{
}

DROPEFFECT CDesignDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD dwKeyState, CPoint)
{
    return (dwKeyState & MK_SHIFT) != 0 ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

DROPEFFECT CDesignDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    m_pEventWnd = pWnd;
    m_pDataObject = pDataObject;
    m_dwKeyState = dwKeyState;
    m_point = point;
    if (m_pOwner == nullptr || m_pOwner->m_hWnd == nullptr) {
        return DROPEFFECT_NONE;
    }
    switch (m_pOwner->SendMessage(WM_DESIGN_DRAG_OVER, 0, 0)) {
    case kAnswerMove:
        return DROPEFFECT_MOVE;
    case kAnswerCopy:
        return DROPEFFECT_COPY;
    default:
        return DROPEFFECT_NONE;
    }
}

BOOL CDesignDropTarget::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    m_pDataObject = pDataObject;
    m_point = point;
    m_dropEffect = dropEffect;
    m_pEventWnd = pWnd;
    if (m_pOwner == nullptr || pWnd == nullptr || pWnd->m_hWnd == nullptr) {
        return FALSE;
    }
    return pWnd->SendMessage(WM_DESIGN_DROP, 0, 0) != 0;
}

void CDesignDropTarget::OnDragLeave(CWnd*)
{
    // A leave before any drag-over has no window to tell.
    if (m_pOwner != nullptr && m_pEventWnd != nullptr && m_pEventWnd->m_hWnd != nullptr) {
        m_pEventWnd->SendMessage(WM_DESIGN_DRAG_LEAVE, 0, 0);
    }
}
