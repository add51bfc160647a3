#include "framework/FwDockBar.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "framework/FwControlBar.h"
#include "framework/FwControlBarInfo.h"
#include "framework/FwSystemColors.h"
#include "platform/frame/DockContext.h"
#include "platform/frame/FrameWnd.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/WindowDC.h"

namespace
{
FwControlBar* AsFwBar(CControlBar* pBar)
{
    return pBar != nullptr && pBar->IsKindOf(FX_RUNTIME_CLASS(FwControlBar)) ? static_cast<FwControlBar*>(pBar)
                                                                             : nullptr;
}

// An FwControlBar without a fixed length takes its share of the row; other bars keep their size.
BOOL IsStretchable(CControlBar* pBar)
{
    FwControlBar* pFw = AsFwBar(pBar);
    return pFw != nullptr && (pFw->m_dwExStyle & FWCBS_EX_FIXEDLENGTH) == 0;
}

// The smallest fraction a sizer move leaves a bar.
const float minSizerFraction = 0.05f;
const float minFractionDefault = 0.05f;
} // namespace

FX_IMPLEMENT_DYNCREATE(FwDockBar, CDockBar)

FwDockBar::FwDockBar() : FwDockBar(FALSE, FALSE)
{
}

FwDockBar::FwDockBar(BOOL bFloating, BOOL bMDIChild)
    : CDockBar(bFloating), m_bMDIChild(bMDIChild), m_pLastChanged(nullptr), m_bPainting(FALSE), m_bLayoutChanged(FALSE),
      m_bInLayout(FALSE), m_fMinFraction(minFractionDefault)
{
}

CFrameWnd* FwDockBar::GetLayoutFrame() const
{
    if (m_hWnd == nullptr) {
        return nullptr;
    }
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    return pParent != nullptr && pParent->IsKindOf(FX_RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(pParent)
                                                                                : nullptr;
}

int FwDockBar::RowEndAfter(int nRowStart) const
{
    const int nSize = static_cast<int>(m_arrBars.GetSize());
    for (int i = nRowStart + 1; i < nSize; ++i) {
        if (m_arrBars[i] == nullptr) {
            return i;
        }
    }
    return nSize;
}

int FwDockBar::FindRowStart(CControlBar* pBar) const
{
    const int nPos = FindBar(pBar);
    if (nPos < 0) {
        return -1;
    }
    int i = nPos;
    while (i > 0 && m_arrBars[i] != nullptr) {
        --i;
    }
    return i;
}

void FwDockBar::GetVisibleBars(int nRowStart, int nRowEnd, std::vector<CControlBar*>& bars) const
{
    bars.clear();
    for (int i = nRowStart + 1; i < nRowEnd; ++i) {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar != nullptr && pBar->IsVisible()) {
            bars.push_back(pBar);
        }
    }
}

void FwDockBar::GetRowBars(CControlBar* pBar, CPtrArray& arrBars, BOOL bVisibleOnly) const
{
    arrBars.RemoveAll();
    const int nStart = FindRowStart(pBar);
    if (nStart < 0) {
        return;
    }
    const int nEnd = RowEndAfter(nStart);
    for (int i = nStart + 1; i < nEnd; ++i) {
        CControlBar* pOther = GetDockedControlBar(i);
        if (pOther != nullptr && (!bVisibleOnly || pOther->IsVisible() || pOther == pBar)) {
            arrBars.Add(pOther);
        }
    }
}

int FwDockBar::GetRowLength() const
{
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    CRect rc(m_rectLayout);
    if (rc.IsRectEmpty() && m_hWnd != nullptr) {
        GetClientRect(&rc);
    }
    return bHorz ? rc.Width() : rc.Height();
}

void FwDockBar::UpdateMinFraction()
{
    const int nLength = GetRowLength();
    const float f = nLength > 0 ? static_cast<float>(minBarLength) / static_cast<float>(nLength) : minFractionDefault;
    m_fMinFraction = std::clamp(f, 0.0f, 1.0f);
}

namespace
{
// Scales the fractions to a sum of 1 and raises those below fMin to it; what raising costs is
// taken from the fractions after it, in a second pass from the start, and at last from
// nChanged.
void NormalizeFractions(std::vector<float>& fractions, float fMin, size_t nChanged)
{
    if (fractions.empty()) {
        return;
    }
    float fSum = 0.0f;
    for (float f : fractions) {
        fSum += f;
    }
    const float fScale = fSum > 0.0f ? 1.0f / fSum : 1.0f;
    for (float& f : fractions) {
        f *= fScale;
    }
    float fCarry = 0.0f;
    for (int nPass = 0; nPass < 2; ++nPass) {
        for (float& f : fractions) {
            const float fNew = f + fCarry;
            if (fNew < fMin) {
                fCarry = fNew - fMin;
                f = fMin;
            } else {
                fCarry = 0.0f;
                f = fNew;
            }
        }
        if (fCarry == 0.0f) {
            return;
        }
    }
    fractions[nChanged < fractions.size() ? nChanged : 0] += fCarry;
}
} // namespace

void FwDockBar::NormalizeRow(int nRowStart, CControlBar* pChanged)
{
    UpdateMinFraction();
    std::vector<CControlBar*> visible;
    GetVisibleBars(nRowStart, RowEndAfter(nRowStart), visible);
    std::vector<FwControlBar*> bars;
    std::vector<float> fractions;
    size_t nChanged = 0;
    for (CControlBar* pBar : visible) {
        if (IsStretchable(pBar)) {
            nChanged = pBar == pChanged ? bars.size() : nChanged;
            bars.push_back(static_cast<FwControlBar*>(pBar));
            fractions.push_back(bars.back()->m_fWidthFraction);
        }
    }
    NormalizeFractions(fractions, m_fMinFraction, nChanged);
    for (size_t i = 0; i < bars.size(); ++i) {
        bars[i]->m_fWidthFraction = fractions[i];
    }
}

BOOL FwDockBar::IsBarExpanded(CControlBar* pBar)
{
    const int nStart = FindRowStart(pBar);
    if (nStart < 0) {
        return FALSE;
    }
    std::vector<CControlBar*> bars;
    GetVisibleBars(nStart, RowEndAfter(nStart), bars);
    int nAbove = 0;
    BOOL bBarAbove = FALSE;
    for (CControlBar* pOther : bars) {
        FwControlBar* pFw = AsFwBar(pOther);
        if (pFw != nullptr && pFw->m_fWidthFraction > m_fMinFraction) {
            ++nAbove;
            bBarAbove = bBarAbove || pOther == pBar;
        }
    }
    return bBarAbove && nAbove == 1;
}

BOOL FwDockBar::IsBarAloneInRow(CControlBar* pBar)
{
    const int nStart = FindRowStart(pBar);
    if (nStart < 0) {
        return FALSE;
    }
    std::vector<CControlBar*> bars;
    GetVisibleBars(nStart, RowEndAfter(nStart), bars);
    return bars.size() == 1 && bars.front() == pBar;
}

void FwDockBar::ExpandBar(CControlBar* pBar, int nCode)
{
    const int nStart = FindRowStart(pBar);
    if (nStart < 0 || (nCode != expandBar && nCode != contractBar)) {
        return;
    }
    std::vector<CControlBar*> bars;
    GetVisibleBars(nStart, RowEndAfter(nStart), bars);
    for (CControlBar* pOther : bars) {
        if (FwControlBar* pFw = AsFwBar(pOther)) {
            if (nCode == expandBar) {
                pFw->m_fWidthFraction = pOther == pBar ? 1.0f : 0.0f;
            } else {
                pFw->m_fWidthFraction = 0.1f;
            }
        }
    }
    NormalizeRow(nStart, pBar);
    if (CFrameWnd* pFrame = GetLayoutFrame()) {
        pFrame->DelayRecalcLayout();
    }
}

void FwDockBar::OnBarVisibilityChanged(CControlBar* pBar)
{
    if (IsBarAloneInRow(pBar)) {
        NormalizeRow(FindRowStart(pBar), pBar);
    }
    m_pLastChanged = pBar;
}

void FwDockBar::ForgetMovedBar(CControlBar* pBar)
{
    for (INT_PTR i = m_arrMoved.GetSize() - 1; i >= 0; --i) {
        if (m_arrMoved[i] == pBar) {
            m_arrMoved.RemoveAt(i);
        }
    }
}

void FwDockBar::RepaintMovedBars()
{
    if (m_arrMoved.GetSize() > 0 && m_hWnd != nullptr) {
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
    }
}

int FwDockBar::InsertAtPlacement(CControlBar* pBar, int nRow, int nColumn, DWORD dwFlags)
{
    ForgetMovedBar(pBar);
    if (m_arrBars.GetSize() == 0 || m_arrBars[0] != nullptr) {
        m_arrBars.InsertAt(0, static_cast<void*>(nullptr));
    }
    if (m_arrBars[m_arrBars.GetSize() - 1] != nullptr) {
        m_arrBars.Add(nullptr);
    }
    if (m_arrBars.GetSize() == 1) {
        // No rows yet: the bar makes the only one.
        m_arrBars.Add(nullptr);
        return 1;
    }
    std::vector<int> ends;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
        if (m_arrBars[i] == nullptr) {
            ends.push_back(static_cast<int>(i));
        }
    }
    const int nRows = static_cast<int>(ends.size()) - 1;
    const int nRowIndex = (dwFlags & placeFromLastRow) != 0 ? nRows - 1 - nRow : nRow;
    if (nRowIndex < 0) {
        // Beyond the first row counting backwards: a new row in front.
        m_arrBars.InsertAt(1, static_cast<void*>(nullptr));
        return 1;
    }
    if (nRowIndex >= nRows) {
        // Beyond the last row: a new row at the end.
        m_arrBars.Add(nullptr);
        return static_cast<int>(m_arrBars.GetSize()) - 1;
    }
    const int nStart = ends[static_cast<size_t>(nRowIndex)];
    const int nEnd = ends[static_cast<size_t>(nRowIndex) + 1];
    if ((dwFlags & placeNewRow) != 0) {
        m_arrBars.InsertAt(nStart + 1, static_cast<void*>(nullptr));
        return nStart + 1;
    }
    if ((dwFlags & placeFromRowEnd) != 0) {
        int nSeen = 0;
        for (int i = nEnd - 1; i > nStart; --i) {
            CControlBar* pOther = GetDockedControlBar(i);
            if (pOther == nullptr || !pOther->IsVisible()) {
                continue;
            }
            if (nSeen++ == nColumn - 1 || nColumn <= 0) {
                return nColumn <= 0 ? nEnd : i;
            }
        }
        return nColumn <= 0 ? nEnd : nStart + 1;
    }
    if (nColumn <= 0) {
        return nStart + 1;
    }
    int nSeen = 0;
    for (int i = nStart + 1; i < nEnd; ++i) {
        CControlBar* pOther = GetDockedControlBar(i);
        if (pOther != nullptr && pOther->IsVisible() && ++nSeen == nColumn) {
            return i + 1;
        }
    }
    return nEnd;
}

int FwDockBar::InsertKeepingRowRules(int nIndex, CControlBar* pBar)
{
    nIndex = std::clamp(nIndex, 1, static_cast<int>(m_arrBars.GetSize()));
    m_arrBars.InsertAt(nIndex, pBar);
    auto ownRow = [this](int i) {
        if (i < 0 || i >= m_arrBars.GetSize()) {
            return false;
        }
        FwControlBar* pFw = AsFwBar(GetDockedControlBar(i));
        return pFw != nullptr && (pFw->m_dwExStyle & FWCBS_EX_OWNROW) != 0;
    };
    const BOOL bOwn = ownRow(nIndex);
    const BOOL bPrevBar = m_arrBars[nIndex - 1] != nullptr;
    if (bPrevBar && (bOwn || ownRow(nIndex - 1))) {
        m_arrBars.InsertAt(nIndex, static_cast<void*>(nullptr));
        ++nIndex;
    }
    if (nIndex + 1 >= m_arrBars.GetSize()) {
        m_arrBars.Add(nullptr);
    } else if (m_arrBars[nIndex + 1] != nullptr && (bOwn || ownRow(nIndex + 1))) {
        m_arrBars.InsertAt(nIndex + 1, static_cast<void*>(nullptr));
    }
    return nIndex;
}

void FwDockBar::InsertAsFirstRow(CControlBar* pBar)
{
    m_arrBars.InsertAt(1, pBar);
    m_arrBars.InsertAt(2, static_cast<void*>(nullptr));
}

void FwDockBar::DockControlBarAt(CControlBar* pBar, int nRow, int nColumn, DWORD dwFlags)
{
    AdoptAt(pBar, [&]() { return InsertAtPlacement(pBar, nRow, nColumn, dwFlags); });
}

void FwDockBar::DockControlBarAtPoint(CControlBar* pBar, CPoint point)
{
    AdoptAt(pBar, [&]() { return InsertByPoint(pBar, point); });
}

void FwDockBar::AdoptAt(CControlBar* pBar, const std::function<int()>& pickIndex)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr || m_hWnd == nullptr) {
        return;
    }
    if (m_bFloating && (pBar->m_dwDockStyle & CBRS_FLOAT_MULTI) != 0) {
        m_dwStyle |= CBRS_FLOAT_MULTI;
    }
    m_dwStyle = (m_dwStyle & ~(CBRS_SIZE_DYNAMIC | CBRS_SIZE_FIXED)) |
                (pBar->m_dwStyle & (CBRS_SIZE_DYNAMIC | CBRS_SIZE_FIXED));
    CDockBar* pOld = pBar->m_pDockBar;
    if (pOld == this) {
        const int nOld = FindBar(pBar);
        if (nOld >= 0) {
            m_arrBars.RemoveAt(nOld);
            CollapseEmptyRows();
        }
    } else {
        RemovePlaceHolder(pBar);
    }
    ForgetMovedBar(pBar);
    InsertKeepingRowRules(pickIndex(), pBar);
    CollapseEmptyRows();
    pBar->SetBarStyle((pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (m_dwStyle & CBRS_ALIGN_ANY) |
                      CBRS_BORDER_ANY | (m_bFloating ? CBRS_FLOATING : 0));
    // Reparented before it leaves its old dock bar: a floating frame left empty destroys itself.
    if (::GetParent(pBar->m_hWnd) != m_hWnd) {
        ::SetParent(pBar->m_hWnd, m_hWnd);
    }
    if (pBar->m_pDockSite == nullptr) {
        pBar->m_pDockSite = m_pDockSite;
    }
    pBar->m_pDockBar = this;
    if (pOld != nullptr && pOld != this) {
        pOld->RemoveControlBar(pBar, -1, m_bFloating && !pOld->m_bFloating);
    }
    if (GetDockedCount() == 1) {
        char szTitle[261] = {};
        ::GetWindowTextA(pBar->m_hWnd, szTitle, sizeof(szTitle));
        ::SetWindowTextA(m_hWnd, szTitle);
    }
    if (CFrameWnd* pFrame = GetLayoutFrame()) {
        pFrame->DelayRecalcLayout();
    }
}

FwDockBar::DropPlace FwDockBar::FindDropPlace(CControlBar* pBar, CPoint point) const
{
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    const int nAlong = bHorz ? point.x : point.y;
    const int nCross = bHorz ? point.y : point.x;
    DropPlace place = {-1, nullptr, -1, 0, 0};
    const int nSize = static_cast<int>(m_arrBars.GetSize());
    int nLastEnd = 0;
    for (int nStart = 0; nStart < nSize; nStart = RowEndAfter(nStart)) {
        std::vector<CControlBar*> bars;
        GetVisibleBars(nStart, RowEndAfter(nStart), bars);
        // The dragged bar does not count where it lies now.
        bars.erase(std::remove(bars.begin(), bars.end(), pBar), bars.end());
        if (bars.empty()) {
            continue;
        }
        int nBandStart = INT_MAX;
        int nBandEnd = INT_MIN;
        std::vector<CRect> rects;
        for (CControlBar* pOther : bars) {
            CRect rc;
            pOther->GetWindowRect(&rc);
            ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
            rects.push_back(rc);
            nBandStart = std::min<int>(nBandStart, bHorz ? rc.top : rc.left);
            nBandEnd = std::max<int>(nBandEnd, bHorz ? rc.bottom : rc.right);
        }
        if (nCross < nBandStart) {
            place.nNewRowAt = nStart;
            place.nCrossStart = nBandStart;
            place.nCrossEnd = nBandStart;
            return place;
        }
        if (nCross < nBandEnd) {
            place.nRowStart = nStart;
            place.nCrossStart = nBandStart;
            place.nCrossEnd = nBandEnd;
            for (size_t i = 0; i < bars.size(); ++i) {
                if ((bHorz ? rects[i].left : rects[i].top) > nAlong) {
                    place.pBefore = bars[i];
                    break;
                }
            }
            return place;
        }
        nLastEnd = nBandEnd;
    }
    place.nNewRowAt = nSize;
    place.nCrossStart = nLastEnd;
    place.nCrossEnd = nLastEnd;
    return place;
}

int FwDockBar::InsertByPoint(CControlBar* pBar, CPoint point)
{
    ForgetMovedBar(pBar);
    if (m_arrBars.GetSize() == 0 || m_arrBars[0] != nullptr) {
        m_arrBars.InsertAt(0, static_cast<void*>(nullptr));
    }
    const DropPlace place = FindDropPlace(pBar, point);
    if (place.nRowStart >= 0) {
        return place.pBefore != nullptr ? FindBar(place.pBefore) : RowEndAfter(place.nRowStart);
    }
    if (place.nNewRowAt >= static_cast<int>(m_arrBars.GetSize())) {
        // Beyond every row: a new last row.
        if (m_arrBars[m_arrBars.GetSize() - 1] != nullptr) {
            m_arrBars.Add(nullptr);
        }
        m_bLayoutChanged = TRUE;
        return static_cast<int>(m_arrBars.GetSize());
    }
    // A new row in front of the row starting after the row end nNewRowAt.
    m_arrBars.InsertAt(place.nNewRowAt + 1, static_cast<void*>(nullptr));
    return place.nNewRowAt + 1;
}

CRect FwDockBar::GetDockingFeedbackRect(CControlBar* pBar, const CRect& rcDrag, CPoint point)
{
    FwControlBar* pFw = AsFwBar(pBar);
    if (pFw == nullptr || m_hWnd == nullptr || (pFw->m_dwExStyle & FWCBS_EX_FIXEDLENGTH) != 0) {
        return rcDrag;
    }
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    CPoint ptClient(point);
    ::ScreenToClient(m_hWnd, &ptClient);
    const DropPlace place = FindDropPlace(pBar, ptClient);
    const int nLength = GetRowLength();
    const int nThick = bHorz ? rcDrag.Height() : rcDrag.Width();
    int nAlong = 0;
    int nLen = nLength;
    int nCross = place.nCrossStart;
    int nCrossLen = place.nCrossEnd - place.nCrossStart;
    if (place.nRowStart < 0) {
        // A new row: the whole length, as thick as the bar is dragged, where the rows meet; on
        // a bottom or right dock bar it grows towards the frame's middle.
        nCrossLen = nThick;
        CRect rcClient;
        GetClientRect(&rcClient);
        const int nExtent = bHorz ? rcClient.Height() : rcClient.Width();
        if ((m_dwStyle & (CBRS_ALIGN_BOTTOM | CBRS_ALIGN_RIGHT)) != 0 && nCross + nThick > nExtent) {
            nCross = nExtent - nThick;
        }
    } else {
        std::vector<CControlBar*> bars;
        GetVisibleBars(place.nRowStart, RowEndAfter(place.nRowStart), bars);
        bars.erase(std::remove(bars.begin(), bars.end(), pBar), bars.end());
        const auto it = place.pBefore != nullptr ? std::find(bars.begin(), bars.end(), place.pBefore) : bars.end();
        const size_t nAt = static_cast<size_t>(it - bars.begin());
        bars.insert(it, pBar);
        // A bar that floats asks for the fraction it had docked.
        const float fOwn = pFw->m_fWidthFraction;
        if (pBar->IsFloating()) {
            pFw->m_fWidthFraction = pFw->m_fSavedFraction;
        }
        std::vector<int> lengths;
        int nAvail = 0;
        ComputeRowLengths(bars, nLength, lengths, nAvail);
        pFw->m_fWidthFraction = fOwn;
        for (size_t i = 0; i < nAt; ++i) {
            nAlong += lengths[i] + sizerWidth;
        }
        nLen = lengths[nAt];
    }
    CRect rc = bHorz ? CRect(nAlong, nCross, nAlong + nLen, nCross + nCrossLen)
                     : CRect(nCross, nAlong, nCross + nCrossLen, nAlong + nLen);
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

void FwDockBar::ComputeRowLengths(const std::vector<CControlBar*>& bars, int nLength, std::vector<int>& lengths,
                                  int& nAvail)
{
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    const DWORD dwMode = bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
    lengths.assign(bars.size(), 0);
    int nFixed = 0;
    int nLastStretch = -1;
    for (size_t i = 0; i < bars.size(); ++i) {
        if (IsStretchable(bars[i])) {
            nLastStretch = static_cast<int>(i);
        } else {
            const CSize size = bars[i]->CalcDynamicLayout(-1, dwMode);
            lengths[i] = bHorz ? size.cx : size.cy;
            nFixed += lengths[i];
        }
    }
    const int nSizers = static_cast<int>(bars.size()) - 1;
    nAvail = std::max(nLength - sizerWidth * nSizers - nFixed, 0);
    // The row's shares as normalising would leave them; the bars keep their own fractions, so a
    // bar that returns to the row finds its neighbours' shares as they were.
    std::vector<float> fractions;
    for (CControlBar* pBar : bars) {
        if (IsStretchable(pBar)) {
            fractions.push_back(static_cast<FwControlBar*>(pBar)->m_fWidthFraction);
        }
    }
    NormalizeFractions(fractions, m_fMinFraction, 0);
    size_t nShare = 0;
    int nPos = 0;
    for (size_t i = 0; i < bars.size(); ++i) {
        if (IsStretchable(bars[i])) {
            const float f = fractions[nShare++];
            // The last bar of the row reaches the row's end and takes what rounding left over.
            if (static_cast<int>(i) == nLastStretch && i + 1 == bars.size()) {
                lengths[i] = std::max(nLength - nPos, 0);
            } else {
                lengths[i] = static_cast<int>(std::lround(static_cast<float>(nAvail) * f));
            }
        }
        nPos += lengths[i] + sizerWidth;
    }
}

int FwDockBar::LayoutRow(int nRowStart, int nRowEnd, int nCross, int nLength, HDWP* phDWP)
{
    std::vector<CControlBar*> bars;
    GetVisibleBars(nRowStart, nRowEnd, bars);
    if (bars.empty()) {
        return 0;
    }
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    const BOOL bSizerBefore = (m_dwStyle & (CBRS_ALIGN_BOTTOM | CBRS_ALIGN_RIGHT)) != 0;
    const DWORD dwMode = bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
    const BOOL bStretched = std::any_of(bars.begin(), bars.end(), IsStretchable);

    int nThick = 0;
    for (CControlBar* pBar : bars) {
        const CSize size = pBar->CalcDynamicLayout(-1, dwMode);
        nThick = std::max<int>(nThick, bHorz ? size.cy : size.cx);
    }
    std::vector<int> lengths;
    int nAvail = 0;
    if (bStretched) {
        ComputeRowLengths(bars, nLength, lengths, nAvail);
    } else {
        for (CControlBar* pBar : bars) {
            const CSize size = pBar->CalcDynamicLayout(-1, dwMode);
            lengths.push_back(bHorz ? size.cx : size.cy);
        }
    }

    const int nBarsAt = nCross + (bSizerBefore ? sizerWidth : edgeWidth);
    const int nSizerAt = bSizerBefore ? nCross : nBarsAt + nThick;
    const int nEdgeAt = bSizerBefore ? nBarsAt + nThick : nCross;
    auto makeRect = [bHorz](int nAlong, int nAcross, int nAlongLen, int nAcrossLen) {
        return bHorz ? CRect(nAlong, nAcross, nAlong + nAlongLen, nAcross + nAcrossLen)
                     : CRect(nAcross, nAlong, nAcross + nAcrossLen, nAlong + nAlongLen);
    };
    const BOOL bRecord = !m_bLayoutQuery;
    int nPos = 0;
    for (size_t i = 0; i < bars.size(); ++i) {
        CControlBar* pBar = bars[i];
        int nLen = lengths[i];
        if (!bStretched) {
            // Natural sizes, kept inside the dock bar.
            nLen = std::max(std::min(nLen, nLength - nPos), 0);
        } else if (IsStretchable(pBar)) {
            // Committed as it is laid: the bar keeps the length it was given.
            const DWORD dwCommit = bHorz ? (LM_HORZ | LM_HORZDOCK | LM_COMMIT) : (LM_VERTDOCK | LM_LENGTHY | LM_COMMIT);
            pBar->CalcDynamicLayout(nLen, dwCommit);
        }
        if (FwControlBar* pFw = AsFwBar(pBar)) {
            if (bStretched) {
                pFw->m_dwExStyle &= ~static_cast<DWORD>(FWCBS_EX_NATURALROW);
            } else {
                pFw->m_dwExStyle |= FWCBS_EX_NATURALROW;
            }
        }
        const CRect rc = makeRect(nPos, nBarsAt, nLen, nThick);
        if (bRecord) {
            if (pBar->m_pDockContext != nullptr) {
                pBar->m_pDockContext->m_rectMRUDockPos = rc;
            }
            CRect rcCur;
            pBar->GetWindowRect(&rcCur);
            ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rcCur), 2);
            if (rcCur != rc) {
                ForgetMovedBar(pBar);
                m_arrMoved.Add(pBar);
                if (*phDWP != nullptr) {
                    *phDWP = ::DeferWindowPos(*phDWP, pBar->m_hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                                              SWP_NOZORDER | SWP_NOACTIVATE);
                }
            }
            if (i + 1 < bars.size()) {
                Sizer sizer = {};
                sizer.bVert = bHorz;
                sizer.bBetweenBars = TRUE;
                sizer.rc = makeRect(nPos + nLen, nBarsAt, sizerWidth, nThick);
                sizer.nBarIndex = FindBar(pBar);
                m_sizers.push_back(sizer);
            }
        }
        nPos += nLen + sizerWidth;
    }
    if (bRecord) {
        Sizer sizer = {};
        sizer.bVert = !bHorz;
        sizer.bBetweenBars = FALSE;
        sizer.rc = makeRect(0, nSizerAt, nLength, sizerWidth);
        sizer.nBarIndex = nRowStart;
        m_sizers.push_back(sizer);
        m_edges.push_back(Edge{makeRect(0, nEdgeAt, nLength, edgeWidth)});
    }
    return nThick + sizerWidth + edgeWidth;
}

CSize FwDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (m_bFloating) {
        return CDockBar::CalcFixedLayout(bStretch, bHorz);
    }
    const BOOL bHorzDock = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    const int nLength = GetRowLength();
    UpdateMinFraction();
    HDWP hDWP = m_bLayoutQuery ? nullptr : ::BeginDeferWindowPos(static_cast<int>(m_arrBars.GetSize()));
    for (INT_PTR i = 0; i < m_arrBars.GetSize() && hDWP != nullptr; ++i) {
        if (CControlBar* pBar = GetDockedControlBar(static_cast<int>(i))) {
            pBar->ApplyDelayShow(&hDWP);
        }
    }
    if (!m_bLayoutQuery) {
        m_sizers.clear();
        m_edges.clear();
    }
    m_bInLayout = TRUE;
    int nCross = 0;
    int nRowStart = 0;
    const int nSize = static_cast<int>(m_arrBars.GetSize());
    for (int i = 1; i <= nSize; ++i) {
        if (i == nSize || m_arrBars[i] == nullptr) {
            nCross += LayoutRow(nRowStart, i, nCross, nLength, &hDWP);
            nRowStart = i;
        }
    }
    if (hDWP != nullptr) {
        ::EndDeferWindowPos(hDWP);
    }
    m_bInLayout = FALSE;
    const int nAlong = bStretch ? 32767 : nLength;
    return bHorzDock ? CSize(nAlong, nCross) : CSize(nCross, nAlong);
}

void FwDockBar::GetSizerRange(const Sizer& sizer, int& nMin, int& nMax)
{
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    const int nAt = sizer.bVert ? sizer.rc.left : sizer.rc.top;
    if (sizer.bBetweenBars) {
        // Every visible bar on either side keeps 24 pixels.
        const int nStart = FindRowStart(static_cast<CControlBar*>(m_arrBars[sizer.nBarIndex]));
        std::vector<CControlBar*> bars;
        GetVisibleBars(nStart, RowEndAfter(nStart), bars);
        int nBefore = 0;
        int nAfter = 0;
        BOOL bAfter = FALSE;
        for (CControlBar* pBar : bars) {
            CRect rc;
            pBar->GetWindowRect(&rc);
            const int nSpare = std::max<int>((bHorz ? rc.Width() : rc.Height()) - minDragLength, 0);
            (bAfter ? nAfter : nBefore) += nSpare;
            bAfter = bAfter || pBar == m_arrBars[sizer.nBarIndex];
        }
        nMin = nAt - nBefore;
        nMax = nAt + nAfter + sizerWidth;
        return;
    }
    // Between rows: the row may take the frame's free client area less 19 pixels, or shrink away.
    int nFree = 0;
    if (CFrameWnd* pFrame = GetLayoutFrame()) {
        CRect rcFree;
        pFrame->RepositionBars(0, 0xFFFF, FX_IDW_PANE_FIRST, CFrameWnd::reposQuery, &rcFree);
        nFree = std::max<int>((bHorz ? rcFree.Height() : rcFree.Width()) - 19, 0);
    }
    const int nStart = sizer.nBarIndex;
    std::vector<CControlBar*> bars;
    GetVisibleBars(nStart, RowEndAfter(nStart), bars);
    int nThick = 0;
    for (CControlBar* pBar : bars) {
        CRect rc;
        pBar->GetWindowRect(&rc);
        nThick = std::max<int>(nThick, bHorz ? rc.Height() : rc.Width());
    }
    const BOOL bSizerBefore = (m_dwStyle & (CBRS_ALIGN_BOTTOM | CBRS_ALIGN_RIGHT)) != 0;
    if (bSizerBefore) {
        nMin = nAt - nFree;
        nMax = nAt + nThick + sizerWidth;
    } else {
        nMin = nAt - nThick;
        nMax = nAt + nFree + sizerWidth;
    }
}

void FwDockBar::ApplySizerMove(int nSizer, int nDelta)
{
    if (nDelta == 0 || nSizer < 0 || nSizer >= static_cast<int>(m_sizers.size())) {
        return;
    }
    const Sizer sizer = m_sizers[static_cast<size_t>(nSizer)];
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    if (sizer.bBetweenBars) {
        CControlBar* pBefore = GetDockedControlBar(sizer.nBarIndex);
        const int nStart = FindRowStart(pBefore);
        if (nStart < 0) {
            return;
        }
        std::vector<CControlBar*> bars;
        GetVisibleBars(nStart, RowEndAfter(nStart), bars);
        const auto it = std::find(bars.begin(), bars.end(), pBefore);
        if (it == bars.end() || it + 1 == bars.end()) {
            return;
        }
        const int k = static_cast<int>(it - bars.begin());
        std::vector<int> lengths;
        int nAvail = 0;
        ComputeRowLengths(bars, GetRowLength(), lengths, nAvail);
        const int nCount = static_cast<int>(bars.size());
        // The bar on the growing side gains what the bars on the other side give up, each of
        // them down to 18 pixels at the least, nearest first.
        const int nStep = nDelta > 0 ? 1 : -1;
        const int nGrow = nDelta > 0 ? k : k + 1;
        int nNeed = std::abs(nDelta);
        for (int j = nDelta > 0 ? k + 1 : k; j >= 0 && j < nCount && nNeed > 0; j += nStep) {
            if (!IsStretchable(bars[static_cast<size_t>(j)])) {
                continue;
            }
            const int nTake = std::min(nNeed, std::max(lengths[static_cast<size_t>(j)] - minBarLength, 0));
            lengths[static_cast<size_t>(j)] -= nTake;
            nNeed -= nTake;
        }
        lengths[static_cast<size_t>(nGrow)] += std::abs(nDelta) - nNeed;
        if (nAvail > 0) {
            for (int j = 0; j < nCount; ++j) {
                if (FwControlBar* pFw = AsFwBar(bars[static_cast<size_t>(j)]); pFw != nullptr && IsStretchable(pFw)) {
                    const float f = static_cast<float>(lengths[static_cast<size_t>(j)]) / static_cast<float>(nAvail);
                    pFw->m_fWidthFraction = std::max(f, minSizerFraction);
                }
            }
        }
    } else {
        const BOOL bSizerBefore = (m_dwStyle & (CBRS_ALIGN_BOTTOM | CBRS_ALIGN_RIGHT)) != 0;
        const int nChange = bSizerBefore ? -nDelta : nDelta;
        std::vector<CControlBar*> bars;
        GetVisibleBars(sizer.nBarIndex, RowEndAfter(sizer.nBarIndex), bars);
        int nThick = 0;
        const DWORD dwMode = bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
        for (CControlBar* pBar : bars) {
            const CSize size = pBar->CalcDynamicLayout(-1, dwMode);
            nThick = std::max<int>(nThick, bHorz ? size.cy : size.cx);
        }
        const int nNew = std::max(nThick + nChange, 0);
        for (CControlBar* pBar : bars) {
            if (FwControlBar* pFw = AsFwBar(pBar)) {
                (bHorz ? pFw->m_szHorz.cy : pFw->m_szVert.cx) = nNew;
            }
        }
    }
    if (CFrameWnd* pFrame = GetLayoutFrame()) {
        pFrame->DelayRecalcLayout();
    }
}

int FwDockBar::SizerFromPoint(CPoint point) const
{
    for (size_t i = 0; i < m_sizers.size(); ++i) {
        if (m_sizers[i].rc.PtInRect(point)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int FwDockBar::TrackSizer(int nSizer, CPoint point)
{
    if (nSizer < 0 || nSizer >= static_cast<int>(m_sizers.size())) {
        return 0;
    }
    const Sizer sizer = m_sizers[static_cast<size_t>(nSizer)];
    int nMin = 0;
    int nMax = 0;
    GetSizerRange(sizer, nMin, nMax);
    const BOOL bVert = sizer.bVert;
    const int nStart = bVert ? sizer.rc.left : sizer.rc.top;
    const int nGrab = (bVert ? point.x : point.y) - nStart;
    // The track rectangle, one pixel narrower across, drawn on the frame's window.
    CWnd* pFrame = GetLayoutFrame();
    HWND hDrawWnd = pFrame != nullptr ? pFrame->m_hWnd : m_hWnd;
    auto trackRect = [&](int nAt) {
        CRect rc(sizer.rc);
        if (bVert) {
            rc.OffsetRect(nAt - rc.left, 0);
            rc.DeflateRect(0, 1, 0, 0);
        } else {
            rc.OffsetRect(0, nAt - rc.top);
            rc.DeflateRect(1, 0, 0, 0);
        }
        ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
        CRect rcWnd;
        ::GetWindowRect(hDrawWnd, &rcWnd);
        rc.OffsetRect(-rcWnd.left, -rcWnd.top);
        return rc;
    };
    ::SetCapture(m_hWnd);
    CWindowDC dc(hDrawWnd);
    const CSize sizeDrag(5, 5);
    int nAt = nStart;
    CRect rcLast = trackRect(nAt);
    dc.DrawDragRect(&rcLast, sizeDrag, nullptr, sizeDrag);
    BOOL bDone = FALSE;
    BOOL bCancel = FALSE;
    MSG msg = {};
    while (!bDone && ::GetCapture() == m_hWnd) {
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            bCancel = TRUE;
            break;
        }
        switch (msg.message) {
        case WM_MOUSEMOVE: {
            CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
            if (msg.hwnd != m_hWnd) {
                ::MapWindowPoints(msg.hwnd, m_hWnd, &pt, 1);
            }
            const int nNew =
                std::clamp<int>((bVert ? pt.x : pt.y) - nGrab, nMin, std::max<int>(nMin, nMax - sizerWidth));
            if (nNew != nAt) {
                nAt = nNew;
                const CRect rc = trackRect(nAt);
                dc.DrawDragRect(&rc, sizeDrag, &rcLast, sizeDrag);
                rcLast = rc;
            }
            break;
        }
        case WM_LBUTTONUP:
            bDone = TRUE;
            break;
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE) {
                bCancel = TRUE;
                bDone = TRUE;
            }
            break;
        case WM_RBUTTONDOWN:
            bCancel = TRUE;
            bDone = TRUE;
            break;
        default:
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            break;
        }
    }
    dc.DrawDragRect(&rcLast, CSize(0, 0), &rcLast, sizeDrag);
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
    }
    return bCancel ? 0 : nAt - nStart;
}

void FwDockBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int nSizer = SizerFromPoint(point);
    if (nSizer < 0) {
        CDockBar::OnLButtonDown(nFlags, point);
        return;
    }
    const int nDelta = TrackSizer(nSizer, point);
    if (nDelta != 0) {
        ApplySizerMove(nSizer, nDelta);
    }
}

void FwDockBar::OnMouseMove(UINT nFlags, CPoint point)
{
    const int nSizer = SizerFromPoint(point);
    FwSystemColors& colors = FwGetSystemColors();
    ::SetCursor(nSizer >= 0 ? colors.GetSizerCursor(m_sizers[static_cast<size_t>(nSizer)].bVert) : colors.m_hcurArrow);
    CDockBar::OnMouseMove(nFlags, point);
}

LRESULT FwDockBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT) {
        // The cursor is set on WM_MOUSEMOVE.
        return TRUE;
    }
    return CDockBar::WindowProc(message, wParam, lParam);
}

void FwDockBar::DrawSizer(CDC* pDC, const Sizer& sizer)
{
    FwSystemColors& colors = FwGetSystemColors();
    const CRect& rc = sizer.rc;
    if (sizer.bVert) {
        pDC->FillSolidRect(rc.left, rc.top, rc.Width(), rc.Height() - 3, colors.m_clrBtnFace);
        pDC->FillSolidRect(rc.left, rc.top, 1, rc.Height() - 3, colors.m_clrBtnHilite);
        pDC->FillSolidRect(rc.right - 3, rc.top, 1, rc.Height() - 3, colors.m_clrBtnShadow);
        pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height() - 3, colors.m_clrWindowFrame);
    } else {
        pDC->FillSolidRect(rc.left, rc.top, rc.Width() - 3, rc.Height(), colors.m_clrBtnFace);
        pDC->FillSolidRect(rc.left, rc.top, rc.Width() - 3, 1, colors.m_clrBtnHilite);
        pDC->FillSolidRect(rc.left, rc.bottom - 3, rc.Width() - 3, 1, colors.m_clrBtnShadow);
        pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width() - 3, 1, colors.m_clrWindowFrame);
    }
}

void FwDockBar::DrawEdge(CDC* pDC, const Edge& edge)
{
    FwSystemColors& colors = FwGetSystemColors();
    const CRect& rc = edge.rc;
    if ((m_dwStyle & CBRS_ORIENT_HORZ) != 0) {
        pDC->FillSolidRect(rc.left, rc.top, rc.Width(), 1, colors.m_clrBtnShadow);
        pDC->FillSolidRect(rc.left, rc.top + 1, rc.Width(), 1, colors.m_clrBtnHilite);
    } else {
        pDC->FillSolidRect(rc.left, rc.top, 1, rc.Height(), colors.m_clrBtnShadow);
        pDC->FillSolidRect(rc.left + 1, rc.top, 1, rc.Height(), colors.m_clrBtnHilite);
    }
}

void FwDockBar::DoPaint(CDC* pDC)
{
    for (const Sizer& sizer : m_sizers) {
        DrawSizer(pDC, sizer);
    }
    for (const Edge& edge : m_edges) {
        DrawEdge(pDC, edge);
    }
    for (INT_PTR i = 0; i < m_arrMoved.GetSize(); ++i) {
        CControlBar* pBar = static_cast<CControlBar*>(m_arrMoved[i]);
        if (pBar->m_hWnd != nullptr) {
            ::RedrawWindow(pBar->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        }
    }
    m_arrMoved.RemoveAll();
    CDockBar::DoPaint(pDC);
}

void FwDockBar::FillBarInfo(FwControlBarInfo* pInfo)
{
    if (pInfo == nullptr) {
        return;
    }
    GetBarInfo(pInfo);
    pInfo->m_bMDIChild = m_bMDIChild;
    if (m_bMDIChild && m_hWnd != nullptr) {
        pInfo->m_pointPos = CPoint(0, 0);
        pInfo->m_wndPlacement.length = sizeof(WINDOWPLACEMENT);
        ::GetWindowPlacement(::GetParent(m_hWnd), &pInfo->m_wndPlacement);
    } else if (m_bFloating && m_hWnd != nullptr) {
        // A floating frame is kept by where its client area starts on the screen: applying the
        // layout grows the frame's rectangle around that point.
        POINT pt = {0, 0};
        ::ClientToScreen(::GetParent(m_hWnd), &pt);
        pInfo->m_pointPos = pt;
    }
}
