#include "platform/frame/DockBar.h"

#include <algorithm>

#include "platform/frame/ControlBarInfo.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/MiniDockFrameWnd.h"

namespace
{
// Neighbouring bars and rows overlap by their 2-pixel borders.
const int kOverlap = 2;

// The frame that lays the dock bar out: the main frame, or the floating frame it sits in.
CFrameWnd* LayoutFrameOf(const CDockBar* pDockBar)
{
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(pDockBar->m_hWnd));
    return pParent != nullptr && pParent->IsKindOf(FX_RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(pParent)
                                                                                : nullptr;
}

void* PlaceholderOf(const CControlBar* pBar)
{
    return reinterpret_cast<void*>(static_cast<UINT_PTR>(LOWORD(pBar->GetDlgCtrlID())));
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating), m_bLayoutQuery(FALSE)
{
    m_arrBars.Add(nullptr);
    SetBorders(0, 0, 0, 0);
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    return CWnd::Create(nullptr, nullptr, (dwStyle & ~CBRS_ALL) | WS_CHILD, CRect(0, 0, 0, 0), pParentWnd, nID);
}

CControlBar* CDockBar::GetDockedControlBar(int nPos) const
{
    void* p = m_arrBars[nPos];
    return p == nullptr || IsPlaceholder(p) ? nullptr : static_cast<CControlBar*>(p);
}

int CDockBar::GetDockedCount() const
{
    int nCount = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
        if (GetDockedControlBar(static_cast<int>(i)) != nullptr) {
            ++nCount;
        }
    }
    return nCount;
}

int CDockBar::GetDockedVisibleCount() const
{
    int nCount = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
        CControlBar* pBar = GetDockedControlBar(static_cast<int>(i));
        if (pBar != nullptr && pBar->IsVisible()) {
            ++nCount;
        }
    }
    return nCount;
}

int CDockBar::FindBar(const void* pBar, int nPosExclude) const
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
        if (i != nPosExclude && m_arrBars[i] == pBar) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int CDockBar::Insert(CControlBar* pBar, CRect rect, CPoint ptMid)
{
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    const int nCross = bHorz ? ptMid.y : ptMid.x;
    const int nAlong = bHorz ? rect.left : rect.top;
    INT_PTR nRowStart = 0;
    for (INT_PTR nEnd = 1; nEnd < m_arrBars.GetSize(); ++nEnd) {
        if (m_arrBars[nEnd] != nullptr) {
            continue;
        }
        // The band the row's visible bars cover across the dock bar.
        int nBandStart = INT_MAX;
        int nBandEnd = INT_MIN;
        for (INT_PTR i = nRowStart + 1; i < nEnd; ++i) {
            CControlBar* pOther = GetDockedControlBar(static_cast<int>(i));
            if (pOther == nullptr || pOther == pBar || !pOther->IsVisible()) {
                continue;
            }
            CRect rc;
            pOther->GetWindowRect(&rc);
            ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
            nBandStart = std::min<int>(nBandStart, bHorz ? rc.top : rc.left);
            nBandEnd = std::max<int>(nBandEnd, bHorz ? rc.bottom : rc.right);
        }
        if (nBandStart <= nBandEnd) {
            if (nCross < nBandStart) {
                // A new row in front of this one.
                m_arrBars.InsertAt(nRowStart + 1, static_cast<void*>(nullptr));
                return static_cast<int>(nRowStart + 1);
            }
            if (nCross < nBandEnd) {
                // In this row, before the first bar that starts after the dropped rectangle.
                for (INT_PTR i = nRowStart + 1; i < nEnd; ++i) {
                    CControlBar* pOther = GetDockedControlBar(static_cast<int>(i));
                    if (pOther == nullptr || pOther == pBar || !pOther->IsVisible()) {
                        continue;
                    }
                    CRect rc;
                    pOther->GetWindowRect(&rc);
                    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
                    if ((bHorz ? rc.left : rc.top) > nAlong) {
                        return static_cast<int>(i);
                    }
                }
                return static_cast<int>(nEnd);
            }
        }
        nRowStart = nEnd;
    }
    // A new last row.
    const INT_PTR nPos = m_arrBars.GetSize();
    m_arrBars.Add(nullptr);
    return static_cast<int>(nPos);
}

void CDockBar::AdoptBar(CControlBar* pBar)
{
    pBar->SetBarStyle((pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (m_dwStyle & CBRS_ALIGN_ANY) |
                      (m_bFloating ? CBRS_FLOATING : 0));
    if (::GetParent(pBar->m_hWnd) != m_hWnd) {
        ::SetParent(pBar->m_hWnd, m_hWnd);
    }
    if (pBar->m_pDockSite == nullptr) {
        pBar->m_pDockSite = m_pDockSite;
    }
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr) {
        return;
    }
    CRect rcBar;
    pBar->GetWindowRect(&rcBar);
    if (pBar->m_pDockBar == this && (lpRect == nullptr || rcBar == *lpRect)) {
        return;
    }
    int nPos = -1;
    if (lpRect != nullptr) {
        CRect rc(*lpRect);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        nPos = Insert(pBar, rc, rc.CenterPoint());
        // The bar goes where it was dropped; the layout keeps that place along its row.
        AdoptBar(pBar);
        ::SetWindowPos(pBar->m_hWnd, nullptr, rc.left, rc.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        nPos = static_cast<int>(m_arrBars.GetSize());
        m_arrBars.Add(nullptr);
    }
    m_arrBars.InsertAt(nPos, static_cast<void*>(pBar));
    // Reparented before it leaves its old dock bar: a floating frame left empty destroys itself
    // and must not take the bar with it.
    AdoptBar(pBar);
    CDockBar* pOld = pBar->m_pDockBar;
    pBar->m_pDockBar = this;
    if (pOld == this) {
        RemoveControlBar(pBar, nPos, FALSE);
    } else {
        RemovePlaceHolder(pBar);
        if (pOld != nullptr) {
            // Leaving the frame's side for a floating frame keeps the place to come back to.
            pOld->RemoveControlBar(pBar, -1, m_bFloating && !pOld->m_bFloating);
        }
    }
    if (CFrameWnd* pFrame = LayoutFrameOf(this)) {
        pFrame->DelayRecalcLayout();
    }
}

void CDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    const int nPlace = FindBar(PlaceholderOf(pBar));
    if (nPlace < 0) {
        DockControlBar(pBar, lpRect);
        return;
    }
    m_arrBars[nPlace] = pBar;
    AdoptBar(pBar);
    CDockBar* pOld = pBar->m_pDockBar;
    pBar->m_pDockBar = this;
    if (pOld != nullptr && pOld != this) {
        pOld->RemoveControlBar(pBar, -1, FALSE);
    }
    if (CFrameWnd* pFrame = LayoutFrameOf(this)) {
        pFrame->DelayRecalcLayout();
    }
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, BOOL bAddPlaceHolder)
{
    const int nPos = FindBar(pBar, nPosExclude);
    if (nPos < 0) {
        return FALSE;
    }
    if (bAddPlaceHolder) {
        void* pPlace = PlaceholderOf(pBar);
        const int nOld = FindBar(pPlace);
        m_arrBars[nPos] = pPlace;
        if (nOld >= 0) {
            m_arrBars.RemoveAt(nOld);
        }
    } else {
        m_arrBars.RemoveAt(nPos);
    }
    CollapseEmptyRows();
    if (pBar->m_pDockBar == this && nPosExclude < 0) {
        pBar->m_pDockBar = nullptr;
    }
    if (m_bFloating) {
        UpdateFloatingFrame();
        return TRUE;
    }
    if (CFrameWnd* pFrame = LayoutFrameOf(this)) {
        pFrame->DelayRecalcLayout();
    }
    return TRUE;
}

void CDockBar::RemovePlaceHolder(CControlBar* pBar)
{
    const int nPos = FindBar(PlaceholderOf(pBar));
    if (nPos >= 0) {
        m_arrBars.RemoveAt(nPos);
        CollapseEmptyRows();
    }
}

void CDockBar::CollapseEmptyRows()
{
    for (INT_PTR i = m_arrBars.GetSize() - 1; i > 0; --i) {
        if (m_arrBars[i] == nullptr && m_arrBars[i - 1] == nullptr) {
            m_arrBars.RemoveAt(i);
        }
    }
    if (m_arrBars.GetSize() == 0) {
        m_arrBars.Add(nullptr);
    }
}

void CDockBar::UpdateFloatingFrame()
{
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    if (pParent == nullptr || !pParent->IsKindOf(FX_RUNTIME_CLASS(CMiniDockFrameWnd))) {
        return;
    }
    CMiniDockFrameWnd* pFrame = static_cast<CMiniDockFrameWnd*>(pParent);
    if (pFrame->m_bInDestroy) {
        return;
    }
    if (GetDockedCount() == 0) {
        // The frame (and this dock bar in it) goes: nothing may touch this object afterwards.
        pFrame->DestroyWindow();
        return;
    }
    if (GetDockedVisibleCount() == 0) {
        pFrame->ShowWindow(SW_HIDE);
    } else {
        pFrame->RecalcLayout();
    }
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize sizeMax(32767, 32767);
    if (!m_bFloating && !m_rectLayout.IsRectEmpty()) {
        sizeMax = m_rectLayout.Size();
    }
    FX_SIZEPARENTPARAMS layout = {};
    layout.hDWP = m_bLayoutQuery ? nullptr : ::BeginDeferWindowPos(static_cast<int>(m_arrBars.GetSize()));
    // Bars start 2 pixels before the inside of the dock bar: their own top and left borders
    // overlap its edge and the row before.
    CRect rcInside(0, 0, 0, 0);
    CalcInsideRect(rcInside, bHorz);
    const int nOverlap = m_bFloating ? 0 : kOverlap;
    const CPoint ptStart(rcInside.left - nOverlap, rcInside.top - nOverlap);
    CPoint pt(ptStart);
    int nRowThick = 0;
    BOOL bRowHasBar = FALSE;
    BOOL bAnyBar = FALSE;
    int nAlongMax = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
        CControlBar* pBar = GetDockedControlBar(static_cast<int>(i));
        // A pending show or hide takes effect with this layout.
        if (pBar != nullptr && layout.hDWP != nullptr) {
            pBar->ApplyDelayShow(&layout.hDWP);
        }
        if (pBar != nullptr && pBar->IsVisible()) {
            // Floating, a dynamic bar takes its last floating width; others their fixed size.
            CSize sizeBar;
            if (!m_bFloating) {
                sizeBar = pBar->CalcDynamicLayout(-1, bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK);
            } else if ((pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) != 0) {
                sizeBar = pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH);
            } else {
                sizeBar = pBar->CalcFixedLayout(FALSE, bHorz);
            }
            CRect rc(pt, sizeBar);
            if (!m_bFloating) {
                // A bar keeps the place it was dropped at along its row, within the dock bar.
                CRect rcCur;
                pBar->GetWindowRect(&rcCur);
                ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rcCur), 2);
                if (bHorz) {
                    if (rcCur.left > rc.left) {
                        rc.OffsetRect(rcCur.left - rc.left, 0);
                    }
                    if (rc.right > sizeMax.cx) {
                        rc.OffsetRect(std::max<int>(pt.x, sizeMax.cx - rc.Width()) - rc.left, 0);
                    }
                } else {
                    if (rcCur.top > rc.top) {
                        rc.OffsetRect(0, rcCur.top - rc.top);
                    }
                    if (rc.bottom > sizeMax.cy) {
                        rc.OffsetRect(0, std::max<int>(pt.y, sizeMax.cy - rc.Height()) - rc.top);
                    }
                }
            }
            if (bHorz) {
                pt.x = rc.right - nOverlap;
                nRowThick = std::max<int>(nRowThick, sizeBar.cy);
                nAlongMax = std::max<int>(nAlongMax, rc.right);
            } else {
                pt.y = rc.bottom - nOverlap;
                nRowThick = std::max<int>(nRowThick, sizeBar.cx);
                nAlongMax = std::max<int>(nAlongMax, rc.bottom);
            }
            bRowHasBar = TRUE;
            bAnyBar = TRUE;
            FxRepositionWindow(&layout, pBar->m_hWnd, &rc);
        } else if (m_arrBars[i] == nullptr && bRowHasBar) {
            if (bHorz) {
                pt.x = ptStart.x;
                pt.y += nRowThick - nOverlap;
            } else {
                pt.y = ptStart.y;
                pt.x += nRowThick - nOverlap;
            }
            nRowThick = 0;
            bRowHasBar = FALSE;
        }
    }
    if (layout.hDWP != nullptr) {
        ::EndDeferWindowPos(layout.hDWP);
    }
    if (!bAnyBar) {
        return CSize(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
    }
    CSize size;
    if (bHorz) {
        size.cy = pt.y + nOverlap - rcInside.bottom;
        size.cx = bStretch ? 32767 : nAlongMax - rcInside.right;
    } else {
        size.cx = pt.x + nOverlap - rcInside.right;
        size.cy = bStretch ? 32767 : nAlongMax - rcInside.bottom;
    }
    return size;
}

void CDockBar::GetBarInfo(CControlBarInfo* pInfo)
{
    pInfo->m_pBar = this;
    pInfo->m_nBarID = static_cast<UINT>(GetDlgCtrlID());
    pInfo->m_bDockBar = TRUE;
    pInfo->m_bFloating = m_bFloating;
    pInfo->m_bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    pInfo->m_bVisible = TRUE;
    if (m_bFloating) {
        HWND hFrame = ::GetParent(m_hWnd);
        CRect rc;
        ::GetWindowRect(hFrame, &rc);
        pInfo->m_pointPos = rc.TopLeft();
        pInfo->m_bVisible = ::IsWindowVisible(hFrame) && GetDockedVisibleCount() > 0;
    }
    pInfo->m_arrBarID.RemoveAll();
    for (INT_PTR i = 1; i < m_arrBars.GetSize(); ++i) {
        void* p = m_arrBars[i];
        if (p == nullptr) {
            pInfo->m_arrBarID.Add(0);
        } else if (IsPlaceholder(p)) {
            pInfo->m_arrBarID.Add(static_cast<DWORD>(reinterpret_cast<UINT_PTR>(p)) | 0x10000);
        } else {
            pInfo->m_arrBarID.Add(LOWORD(static_cast<CControlBar*>(p)->GetDlgCtrlID()));
        }
    }
}

void CDockBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd)
{
    CPtrArray arrNew;
    arrNew.Add(nullptr);
    auto endRow = [&arrNew]() {
        if (arrNew[arrNew.GetSize() - 1] != nullptr) {
            arrNew.Add(nullptr);
        }
    };
    auto listed = [&arrNew](const void* p) {
        for (INT_PTR i = 0; i < arrNew.GetSize(); ++i) {
            if (arrNew[i] == p) {
                return true;
            }
        }
        return false;
    };
    for (INT_PTR i = 0; i < pInfo->m_arrBarID.GetSize(); ++i) {
        const DWORD dwID = pInfo->m_arrBarID[i];
        if (dwID == 0) {
            endRow();
            continue;
        }
        // A bar the frame no longer has is skipped: its row closes up instead of staying empty.
        CControlBar* pBar = pFrameWnd != nullptr ? pFrameWnd->GetControlBar(LOWORD(dwID)) : nullptr;
        if (pBar == nullptr || pBar->IsDockBar()) {
            continue;
        }
        void* pEntry = (dwID & 0xFFFF0000) != 0 ? PlaceholderOf(pBar) : static_cast<void*>(pBar);
        if (listed(pEntry)) {
            continue;
        }
        arrNew.Add(pEntry);
        if (pEntry == pBar) {
            AdoptBar(pBar);
            CDockBar* pOld = pBar->m_pDockBar;
            pBar->m_pDockBar = this;
            if (pOld != nullptr && pOld != this) {
                pOld->RemoveControlBar(pBar, -1, FALSE);
            }
        }
    }
    endRow();
    // Bars docked here that the state does not name stay, in a row of their own at the end.
    BOOL bExtra = FALSE;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
        CControlBar* pBar = GetDockedControlBar(static_cast<int>(i));
        if (pBar != nullptr && !listed(pBar) && pBar->m_pDockBar == this) {
            arrNew.Add(pBar);
            bExtra = TRUE;
        }
    }
    if (bExtra) {
        endRow();
    }
    m_arrBars.Copy(arrNew);
    CollapseEmptyRows();
}
