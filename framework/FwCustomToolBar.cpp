#include "framework/FwCustomToolBar.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/FwBarButton.h"
#include "framework/FwBmpMgr.h"
#include "framework/FwButtonPaintCache.h"
#include "framework/FwControlBarInfo.h"
#include "framework/FwCustomToolBarInfoEx.h"
#include "framework/FwSystemColors.h"
#include "framework/FwToolBarManager.h"
#include "platform/frame/DockBar.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/MiniDockFrameWnd.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/PaintDC.h"
#include "platform/win/CmdUI.h"

FX_IMPLEMENT_DYNCREATE(FwCustomToolBar, FwControlBar)

namespace
{
// The command-update object of a bar's buttons: m_nIndex is the button's index.
class FwToolBarCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        FwCustomToolBar* pBar = static_cast<FwCustomToolBar*>(m_pOther);
        const DWORD dwStyle = pBar->GetButtonStyle(static_cast<int>(m_nIndex));
        pBar->SetButtonStyle(static_cast<int>(m_nIndex), bOn ? (dwStyle & ~FWBS_DISABLED) : (dwStyle | FWBS_DISABLED));
    }
    void SetCheck(int nCheck) override
    {
        FwCustomToolBar* pBar = static_cast<FwCustomToolBar*>(m_pOther);
        DWORD dwStyle = pBar->GetButtonStyle(static_cast<int>(m_nIndex));
        dwStyle = (dwStyle | FWBS_CHECK) & ~(FWBS_CHECKED | FWBS_INDETERMINATE);
        if (nCheck == 1) {
            dwStyle |= FWBS_CHECKED;
        } else if (nCheck == 2) {
            dwStyle |= FWBS_INDETERMINATE;
        }
        pBar->SetButtonStyle(static_cast<int>(m_nIndex), dwStyle);
    }
    void SetText(LPCSTR) override {}
};

// A user bar emptied from inside its own mouse handling goes once that handling is over.
UINT DestroyBarMessage()
{
    static const UINT s_nMsg = ::RegisterWindowMessageA("WM_FW_DESTROYBAR");
    return s_nMsg;
}

const int kGripperStrip = 2 + 3 + 1 + 3 + 2;
// The status text of an idle frame.
const UINT kIdleMessage = 0xE001;

// The tip of a command: its string after the first '\n' (the whole string when it has none).
CString CommandTip(UINT nID)
{
    CString str;
    if (nID == 0 || !str.LoadString(nID)) {
        return CString();
    }
    const int nEnd = str.Find('\n');
    return nEnd >= 0 ? str.Mid(nEnd + 1) : str;
}
} // namespace

struct FwCustomToolBar::Row
{
    int nFirst;
    int nLast;
    BOOL bSeparator;
    int nWidth;
    int nHeight;
};

// ---- the bar -----------------------------------------------------------------------------

FwCustomToolBar::FwCustomToolBar()
    : m_nRowGapBase(8), m_pOwnButtonMap(nullptr), m_bKeepButtons(FALSE), m_pBmpMgr(new FwBmpMgr), m_nSelected(-1),
      m_nHot(-1), m_nFlyBy(-1), m_nFocus(-1), m_bCustomizeMode(FALSE), m_pOwnPaintCache(nullptr), m_nButtonMode(0),
      m_nWidest(0), m_hFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))), m_nTracked(-1),
      m_bTrackOver(FALSE), m_nDragged(-1), m_bDragCopy(FALSE), m_bDragOutsideCustomize(FALSE), m_nRowsLaidOut(0)
{
    m_cyTopBorder = 3;
    m_cyBottomBorder = 3;
}

FwCustomToolBar::~FwCustomToolBar()
{
    for (INT_PTR i = 0; i < m_arrButtons.GetSize(); ++i) {
        delete static_cast<FwBarButton*>(m_arrButtons[i]);
    }
    m_arrButtons.RemoveAll();
    // The manager may be gone already: the selection was dropped when the window went.
    m_pBmpMgr.Close();
    delete m_pOwnPaintCache;
}

UINT FwCustomToolBar::GetNoDelayHideMessage()
{
    static const UINT s_nMsg = ::RegisterWindowMessageA("WM_NODELAYHIDE");
    return s_nMsg;
}

FwToolBarManager* FwCustomToolBar::GetManager() const
{
    return dynamic_cast<FwToolBarManager*>(m_pBarManager);
}

BOOL FwCustomToolBar::Create(CWnd* pParent, DWORD dwStyle, UINT nID, LPCSTR lpszTitle)
{
    return Create(0, pParent, dwStyle, nID, lpszTitle);
}

BOOL FwCustomToolBar::Create(DWORD dwExStyle, CWnd* pParent, DWORD dwStyle, UINT nID, LPCSTR lpszTitle)
{
    static const char* const s_szClass = "FwCustomToolBar";
    WNDCLASSA wc = {};
    if (!::GetClassInfoA(::GetModuleHandleA(nullptr), s_szClass, &wc)) {
        // Redrawn whole on a size change: the borders sit at the right and bottom edges.
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = FxWndProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        wc.lpszClassName = s_szClass;
        if (::RegisterClassA(&wc) == 0) {
            return FALSE;
        }
    }
    if (!FwControlBar::Create(s_szClass, lpszTitle != nullptr ? lpszTitle : "", dwExStyle | FWCBS_EX_FIXEDLENGTH,
                              dwStyle, CRect(0, 0, 0, 0), pParent, nID)) {
        return FALSE;
    }
    Notify(FWBN_CREATED);
    return TRUE;
}

void FwCustomToolBar::SetBmpMgr(FwBmpMgr* pBmpMgr)
{
    if (pBmpMgr == nullptr || pBmpMgr == m_pBmpMgr) {
        return;
    }
    pBmpMgr->AddRef();
    m_pBmpMgr.Attach(pBmpMgr);
    Remeasure();
}

void FwCustomToolBar::Remeasure()
{
    m_nWidest = 0;
    for (int i = 0; i < GetButtonCount(); ++i) {
        FwBarButton* pButton = GetButton(i);
        if (pButton->m_nKind == FWBK_STANDARD && !pButton->IsSeparator()) {
            pButton->m_nImage = m_pBmpMgr->GetImageIndex(pButton->m_nID);
        }
        pButton->Measure();
        m_nWidest = std::max(m_nWidest, pButton->m_cx);
    }
}

void FwCustomToolBar::ApplyButtonSize()
{
    Remeasure();
    if (m_hWnd != nullptr) {
        Invalidate();
    }
}

FwBarButton* FwCustomToolBar::GetButton(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetButtonCount()) {
        return nullptr;
    }
    return static_cast<FwBarButton*>(m_arrButtons[nIndex]);
}

UINT FwCustomToolBar::GetButtonID(int nIndex) const
{
    const FwBarButton* pButton = GetButton(nIndex);
    return pButton != nullptr ? pButton->m_nID : 0;
}

void FwCustomToolBar::GetButtonRect(int nIndex, LPRECT lpRect) const
{
    const FwBarButton* pButton = GetButton(nIndex);
    *lpRect = pButton != nullptr ? pButton->GetRect() : CRect(0, 0, 0, 0);
}

int FwCustomToolBar::FindButton(FwBarButton* pButton) const
{
    for (int i = 0; i < GetButtonCount(); ++i) {
        if (GetButton(i) == pButton) {
            return i;
        }
    }
    return -1;
}

int FwCustomToolBar::CommandToIndex(UINT nID) const
{
    for (int i = 0; i < GetButtonCount(); ++i) {
        if (!GetButton(i)->IsSeparator() && GetButton(i)->m_nID == nID) {
            return i;
        }
    }
    return -1;
}

FwBarButton* FwCustomToolBar::CreateButton(UINT nID)
{
    FwBarButton* pButton = nullptr;
    const FwToolBarManager* pManager = GetManager();
    const FwButtonMapEntry* pEntry = pManager != nullptr ? pManager->m_pButtonMap : m_pOwnButtonMap;
    while (pEntry != nullptr && pEntry->pfnCreate != nullptr && pEntry->nID != nID) {
        ++pEntry;
    }
    if (pEntry != nullptr && pEntry->pfnCreate != nullptr) {
        pButton = pEntry->pfnCreate();
        if (pButton == nullptr) {
            return nullptr;
        }
        pButton->m_dwStyle = pEntry->dwStyle;
    } else {
        pButton = new FwBarButton;
    }
    pButton->m_nID = nID;
    pButton->SetUp(this);
    pButton->SetMode(m_nButtonMode);
    return pButton;
}

FwBarButton* FwCustomToolBar::CreateSeparator()
{
    FwBarButton* pButton = new FwBarButton;
    pButton->m_dwStyle = FWBS_SEPARATOR;
    pButton->SetUp(this);
    return pButton;
}

void FwCustomToolBar::SetButtons(const UINT* pIDs, int nCount)
{
    RemoveAllButtons();
    for (int i = 0; i < nCount && pIDs != nullptr; ++i) {
        InsertButton(GetButtonCount(), pIDs[i], pIDs[i] == 0, TRUE);
    }
    if (m_hWnd != nullptr) {
        Invalidate();
    }
}

BOOL FwCustomToolBar::InsertButton(int nIndex, UINT nID, BOOL bSeparator, BOOL bNoRedraw)
{
    FwBarButton* pButton = bSeparator ? CreateSeparator() : CreateButton(nID);
    if (pButton == nullptr) {
        return FALSE;
    }
    nIndex = std::clamp(nIndex, 0, GetButtonCount());
    m_arrButtons.InsertAt(nIndex, pButton);
    m_nWidest = std::max(m_nWidest, pButton->m_cx);
    if (m_nSelected >= nIndex) {
        ++m_nSelected;
    }
    m_nHot = -1;
    if (!bNoRedraw && m_hWnd != nullptr) {
        if (m_pDockSite != nullptr && m_pDockSite->m_hWnd != nullptr) {
            m_pDockSite->RecalcLayout();
        }
        if (IsFloating() && GetDockingFrame() != nullptr) {
            GetDockingFrame()->RecalcLayout();
        }
        Invalidate();
    }
    return TRUE;
}

BOOL FwCustomToolBar::IsUserBar() const
{
    const int nID = m_hWnd != nullptr ? GetDlgCtrlID() : 0;
    return nID >= FW_IDW_FIRSTUSERBAR && nID != FW_IDW_MENUBAR;
}

BOOL FwCustomToolBar::RemoveButton(int nIndex, BOOL bNoRedraw)
{
    if (nIndex < 0 || nIndex >= GetButtonCount()) {
        return FALSE;
    }
    if (m_nSelected == nIndex) {
        ClearSelection(FALSE);
    }
    delete GetButton(nIndex);
    m_arrButtons.RemoveAt(nIndex);
    if (m_nSelected > nIndex) {
        --m_nSelected;
    }
    // Separators left first, last or doubled go too.
    for (int i = GetButtonCount() - 1; i >= 0; --i) {
        const BOOL bSep = GetButton(i)->IsSeparator();
        const BOOL bEdge = i == 0 || i == GetButtonCount() - 1;
        if (bSep && (bEdge || GetButton(i - 1)->IsSeparator())) {
            if (m_nSelected == i) {
                ClearSelection(FALSE);
            }
            delete GetButton(i);
            m_arrButtons.RemoveAt(i);
            if (m_nSelected > i) {
                --m_nSelected;
            }
        }
    }
    m_nHot = -1;
    Remeasure();
    if (GetButtonCount() == 0 && IsUserBar()) {
        // Hidden now, destroyed once the message that emptied it is handled.
        ::ShowWindow(m_hWnd, SW_HIDE);
        PostMessage(DestroyBarMessage());
    }
    if (!bNoRedraw && m_hWnd != nullptr) {
        if (m_pDockSite != nullptr && m_pDockSite->m_hWnd != nullptr) {
            m_pDockSite->RecalcLayout();
        }
        if (IsFloating() && GetDockingFrame() != nullptr) {
            GetDockingFrame()->RecalcLayout();
        }
        Invalidate();
    }
    return TRUE;
}

void FwCustomToolBar::RemoveAllButtons()
{
    ClearSelection(FALSE);
    for (INT_PTR i = 0; i < m_arrButtons.GetSize(); ++i) {
        delete static_cast<FwBarButton*>(m_arrButtons[i]);
    }
    m_arrButtons.RemoveAll();
    m_nHot = -1;
    m_nTracked = -1;
    m_nWidest = 0;
}

void FwCustomToolBar::SetButtonStyle(int nIndex, DWORD dwStyle)
{
    FwBarButton* pButton = GetButton(nIndex);
    if (pButton != nullptr && pButton->m_dwStyle != dwStyle) {
        pButton->SetStyle(dwStyle);
        pButton->Invalidate();
    }
}

DWORD FwCustomToolBar::GetButtonStyle(int nIndex) const
{
    const FwBarButton* pButton = GetButton(nIndex);
    return pButton != nullptr ? pButton->m_dwStyle : 0;
}

void FwCustomToolBar::NotifyButtons(UINT nID, int nCode, const DWORD* pData, BOOL bAllBars)
{
    if (bAllBars && GetManager() != nullptr) {
        GetManager()->NotifyButtons(nID, nCode, pData);
        return;
    }
    for (int i = 0; i < GetButtonCount(); ++i) {
        if (GetButton(i)->m_nID == nID && !GetButton(i)->IsSeparator()) {
            GetButton(i)->Notify(nCode, pData);
        }
    }
}

void FwCustomToolBar::SetButtonMode(int nMode)
{
    m_nButtonMode = nMode;
    for (int i = 0; i < GetButtonCount(); ++i) {
        GetButton(i)->SetMode(nMode);
    }
}

void FwCustomToolBar::SetCustomizeMode(BOOL bMode)
{
    if (bMode == m_bCustomizeMode) {
        return;
    }
    ClearSelection(FALSE);
    m_bCustomizeMode = bMode;
    if (m_hWnd != nullptr) {
        Invalidate(FALSE);
    }
}

void FwCustomToolBar::SelectButton(int nIndex, BOOL bRedraw)
{
    FwToolBarManager* pManager = GetManager();
    if (pManager != nullptr && pManager->m_pSelectedBar != nullptr && pManager->m_pSelectedBar != this) {
        pManager->m_pSelectedBar->ClearSelection(TRUE);
    }
    ClearSelection(bRedraw);
    FwBarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr) {
        return;
    }
    m_nSelected = nIndex;
    pButton->m_dwStyle |= FWBS_SELECTED;
    if (pManager != nullptr) {
        pManager->m_pSelectedBar = this;
    }
    if (bRedraw) {
        InvalidateButton(nIndex);
    }
    Notify(FWBN_SELCHANGED);
}

void FwCustomToolBar::ClearSelection(BOOL bRedraw)
{
    if (FwBarButton* pButton = GetButton(m_nSelected)) {
        pButton->m_dwStyle &= ~FWBS_SELECTED;
        if (bRedraw) {
            InvalidateButton(m_nSelected);
        }
    }
    m_nSelected = -1;
    FwToolBarManager* pManager = GetManager();
    if (pManager != nullptr && pManager->m_pSelectedBar == this) {
        pManager->m_pSelectedBar = nullptr;
    }
}

void FwCustomToolBar::InvalidateButton(int nIndex)
{
    if (FwBarButton* pButton = GetButton(nIndex)) {
        pButton->Invalidate();
    }
}

void FwCustomToolBar::Notify(LPARAM lCode)
{
    if (FwToolBarManager* pManager = GetManager()) {
        if (m_hWnd != nullptr) {
            pManager->NotifyBars(static_cast<UINT>(GetDlgCtrlID()), lCode);
        }
    }
}

// ---- layout ------------------------------------------------------------------------------

CRect FwCustomToolBar::GetInsets() const
{
    CRect rc(2, m_cyTopBorder, 2, m_cyBottomBorder);
    const int nBorder = (m_dwExStyle & FWCBS_EX_FLAT) != 0 ? 1 : 2;
    rc.left += (m_dwStyle & CBRS_BORDER_LEFT) != 0 ? nBorder : 0;
    rc.top += (m_dwStyle & CBRS_BORDER_TOP) != 0 ? nBorder : 0;
    rc.right += (m_dwStyle & CBRS_BORDER_RIGHT) != 0 ? nBorder : 0;
    rc.bottom += (m_dwStyle & CBRS_BORDER_BOTTOM) != 0 ? nBorder : 0;
    if ((m_dwExStyle & FWCBS_EX_GRIPPER) != 0 && (m_dwStyle & CBRS_FLOATING) == 0) {
        if ((m_dwStyle & CBRS_ORIENT_HORZ) != 0) {
            rc.left += kGripperStrip;
        } else {
            rc.top += kGripperStrip;
        }
    }
    return rc;
}

CSize FwCustomToolBar::LayoutRows(int nWidth, BOOL bCommit)
{
    std::vector<int> visible;
    for (int i = 0; i < GetButtonCount(); ++i) {
        // A separator laid across a column gets its own size back first.
        if (GetButton(i)->IsSeparator()) {
            GetButton(i)->Measure();
        }
        if ((GetButton(i)->m_dwStyle & FWBS_HIDDEN) == 0) {
            visible.push_back(i);
        }
    }
    std::vector<Row> rows;
    size_t k = 0;
    while (k < visible.size()) {
        Row row = {visible[k], visible[k], FALSE, 0, 0};
        int nLastSep = -1;
        size_t nNext = k;
        for (size_t j = k; j < visible.size(); ++j) {
            const FwBarButton* pButton = GetButton(visible[j]);
            // The first button of a row stays in it, however wide.
            if (j > k && row.nWidth + pButton->m_cx > nWidth + 2) {
                break;
            }
            if (pButton->IsSeparator() && j > k) {
                nLastSep = static_cast<int>(j);
            }
            row.nWidth += pButton->m_cx;
            row.nLast = visible[j];
            nNext = j + 1;
        }
        if (nNext < visible.size() && nLastSep >= 0) {
            // Ends at the last separator of the row; its width is not part of the row.
            row.nLast = visible[static_cast<size_t>(nLastSep)];
            row.bSeparator = TRUE;
            row.nWidth = 0;
            for (size_t j = k; j < static_cast<size_t>(nLastSep); ++j) {
                row.nWidth += GetButton(visible[j])->m_cx;
            }
            nNext = static_cast<size_t>(nLastSep) + 1;
        }
        for (size_t j = k; j < nNext; ++j) {
            row.nHeight = std::max(row.nHeight, GetButton(visible[j])->m_cy);
        }
        // A separator alone in its row (a column of buttons) is a short gap across the column.
        if (nNext == k + 1 && GetButton(visible[k])->IsSeparator()) {
            row.nHeight = GetButton(visible[k])->m_cx;
        }
        rows.push_back(row);
        k = nNext;
    }
    CSize extent(0, 0);
    for (const Row& row : rows) {
        extent.cx = std::max<LONG>(extent.cx, row.nWidth);
        extent.cy += row.nHeight + (row.bSeparator ? (2 * m_nRowGapBase) / 3 : 0);
    }
    if (bCommit) {
        // What the bar shows must follow the buttons: a button that moves (a maximised child's
        // icon put in front of the titles) leaves its old picture and its new click area apart.
        std::vector<CRect> before;
        for (int i = 0; i < GetButtonCount(); ++i) {
            before.push_back(GetButton(i)->GetRect());
        }
        const CRect insets = GetInsets();
        int y = insets.top;
        size_t nRow = 0;
        int x = insets.left;
        for (int i = 0; i < GetButtonCount(); ++i) {
            FwBarButton* pButton = GetButton(i);
            pButton->m_dwStyle &= ~FWBS_WRAPPED;
            if ((pButton->m_dwStyle & FWBS_HIDDEN) != 0 || nRow >= rows.size()) {
                continue;
            }
            const Row& row = rows[nRow];
            pButton->SetPos(x, y);
            if (pButton->IsSeparator()) {
                if (row.nFirst == i && row.nLast == i) {
                    pButton->m_cx = std::max(static_cast<int>(extent.cx), pButton->m_cx);
                    pButton->m_cy = row.nHeight;
                }
            }
            const BOOL bEndsRow = i == row.nLast;
            const BOOL bWrappedSep = bEndsRow && row.bSeparator;
            x += bWrappedSep ? 0 : pButton->m_cx;
            if (bEndsRow) {
                if (nRow + 1 < rows.size()) {
                    pButton->m_dwStyle |= FWBS_WRAPPED;
                }
                y += row.nHeight + (row.bSeparator ? (2 * m_nRowGapBase) / 3 : 0);
                x = insets.left;
                ++nRow;
            }
        }
        BOOL bMoved = FALSE;
        for (int i = 0; i < GetButtonCount() && !bMoved; ++i) {
            bMoved = GetButton(i)->GetRect() != before[static_cast<size_t>(i)];
        }
        if (bMoved && m_hWnd != nullptr) {
            Invalidate();
        }
    }
    m_nRowsLaidOut = static_cast<int>(rows.size());
    return extent;
}

CSize FwCustomToolBar::LayoutForLength(int nLength, BOOL bLengthIsHeight, BOOL bCommit)
{
    const CSize szImage = m_pBmpMgr->GetImageSize();
    const int nStep = szImage.cx + 7;
    int nMin = GetButtonCount() == 0 ? nStep : 32767;
    int nMax = 0;
    int nButtons = 0;
    for (int i = 0; i < GetButtonCount(); ++i) {
        const FwBarButton* pButton = GetButton(i);
        if ((pButton->m_dwStyle & FWBS_HIDDEN) != 0) {
            continue;
        }
        nMin = std::min(nMin, pButton->m_cx);
        nMax = std::max(nMax, pButton->m_cx);
        ++nButtons;
    }
    nMin = std::min(nMin, 32767);
    int nWidth = 0;
    CSize extent;
    if (!bLengthIsHeight) {
        nWidth = std::max(nLength, nMax);
        extent = LayoutRows(nWidth, FALSE);
    } else {
        const int nRows = nLength / (szImage.cy + 7);
        nWidth = nRows > 0 ? std::max(nMin, nStep * nButtons / nRows) : 32767;
        extent = LayoutRows(nWidth, FALSE);
        if (extent.cy > nLength) {
            while (extent.cy > nLength && m_nRowsLaidOut > 1) {
                nWidth += nStep;
                extent = LayoutRows(nWidth, FALSE);
            }
        } else if (extent.cy < nLength) {
            while (nWidth - nStep >= nMin) {
                const CSize smaller = LayoutRows(nWidth - nStep, FALSE);
                if (smaller.cy > nLength) {
                    break;
                }
                nWidth -= nStep;
                extent = smaller;
                if (smaller.cy == nLength) {
                    break;
                }
            }
        }
    }
    // Balancing: narrower rows as long as the row count stays.
    LayoutRows(nWidth, FALSE);
    const int nRowCount = m_nRowsLaidOut;
    while (nRowCount > 1 && nWidth < 32767) {
        const int nNarrower = static_cast<int>(extent.cx) - 3;
        if (nNarrower < nMax) {
            break;
        }
        const CSize narrower = LayoutRows(nNarrower, FALSE);
        if (m_nRowsLaidOut != nRowCount) {
            break;
        }
        nWidth = nNarrower;
        extent = narrower;
    }
    return LayoutRows(nWidth, bCommit);
}

CSize FwCustomToolBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    return CalcDynamicLayout(-1, bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK);
}

CSize FwCustomToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    const CRect insets = GetInsets();
    const int cxInsets = insets.left + insets.right;
    const int cyInsets = insets.top + insets.bottom;
    const BOOL bHorzDock = (dwMode & LM_HORZDOCK) != 0;
    const BOOL bVertDock = (dwMode & LM_VERTDOCK) != 0;
    if ((m_dwExStyle & FWCBS_EX_OWNROW) != 0 && (bHorzDock || bVertDock)) {
        // The whole length of its row: the parent's width, or the side dock bar's height.
        CRect rcParent(0, 0, 0, 0);
        HWND hParent = m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr;
        if (hParent != nullptr) {
            ::GetClientRect(hParent, &rcParent);
        }
        if (rcParent.IsRectEmpty() && m_pDockSite != nullptr && m_pDockSite->m_hWnd != nullptr) {
            m_pDockSite->GetClientRect(&rcParent);
        }
        if (bHorzDock) {
            const int nRow = std::max(static_cast<int>(rcParent.Width()), 1);
            const CSize extent = LayoutRows(std::max(nRow - cxInsets, m_nWidest), TRUE);
            return CSize(nRow, extent.cy + cyInsets);
        }
        const int nCol = std::max(static_cast<int>(rcParent.Height()), 1);
        const CSize extent = LayoutForLength(nCol - cyInsets, TRUE, TRUE);
        return CSize(extent.cx + cxInsets, nCol);
    }
    CSize extent;
    if (bHorzDock) {
        extent = LayoutForLength(-1, TRUE, TRUE);
    } else if (bVertDock) {
        extent = LayoutForLength(-1, FALSE, TRUE);
    } else {
        int n = nLength;
        if ((dwMode & LM_MRUWIDTH) != 0) {
            n = m_nMRUWidth;
        }
        const BOOL bHeight = (dwMode & LM_LENGTHY) != 0;
        extent = LayoutForLength(n < 0 ? 32767 : n - (bHeight ? cyInsets : cxInsets), bHeight, TRUE);
        if ((dwMode & LM_COMMIT) != 0 && !bHeight) {
            m_nMRUWidth = static_cast<int>(extent.cx) + cxInsets;
        }
    }
    if (GetButtonCount() == 0) {
        extent = CSize(m_pBmpMgr->GetImageSize().cx + 7, m_pBmpMgr->GetImageSize().cy + 7);
    }
    return CSize(extent.cx + cxInsets, extent.cy + cyInsets);
}

int FwCustomToolBar::ButtonFromPoint(int x, int y, LPRECT lpRect) const
{
    for (int i = 0; i < GetButtonCount(); ++i) {
        const FwBarButton* pButton = GetButton(i);
        if ((pButton->m_dwStyle & FWBS_HIDDEN) != 0 || pButton->m_x < 0) {
            continue;
        }
        const CRect rc = pButton->GetRect();
        if (y >= rc.top && y < rc.bottom && x >= rc.left && x < rc.right) {
            if (pButton->IsSeparator()) {
                return -1;
            }
            if (lpRect != nullptr) {
                *lpRect = rc;
            }
            return i;
        }
    }
    return -1;
}

INT_PTR FwCustomToolBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    CRect rc;
    const int nIndex = (m_dwStyle & CBRS_TOOLTIPS) != 0 ? ButtonFromPoint(point.x, point.y, &rc) : -1;
    const FwBarButton* pButton = nIndex >= 0 ? GetButton(nIndex) : nullptr;
    const CString strTip =
        pButton != nullptr && pButton->m_nKind == FWBK_STANDARD ? CommandTip(pButton->m_nID) : CString();
    if (strTip.IsEmpty()) {
        return FwControlBar::OnToolHitTest(point, pTI);
    }
    if (pTI != nullptr) {
        pTI->hwnd = m_hWnd;
        pTI->uId = pButton->m_nID;
        pTI->rect = rc;
        // The caller frees the copy with free(), as tool texts handed out are.
        pTI->lpszText = _strdup(static_cast<LPCSTR>(strTip));
    }
    return static_cast<INT_PTR>(pButton->m_nID);
}

// ---- painting ----------------------------------------------------------------------------

FwButtonPaintCache* FwCustomToolBar::GetPaintCache()
{
    if (FwToolBarManager* pManager = GetManager()) {
        return pManager->GetPaintCache();
    }
    if (m_pOwnPaintCache == nullptr) {
        m_pOwnPaintCache = new FwButtonPaintCache;
    }
    return m_pOwnPaintCache;
}

void FwCustomToolBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    if ((m_dwStyle & CBRS_FLOATING) != 0) {
        return;
    }
    FwSystemColors& colors = FwGetSystemColors();
    const CRect insets = GetInsets();
    if ((m_dwStyle & CBRS_ORIENT_HORZ) != 0) {
        const int x = rect.left + 2;
        for (int i = 0; i < 2; ++i) {
            pDC->Draw3dRect(x + i * 4, rect.top + 2, 3, rect.Height() - 4, colors.m_clrBtnHilite,
                            colors.m_clrBtnShadow);
        }
    } else {
        const int y = rect.top + 2;
        for (int i = 0; i < 2; ++i) {
            pDC->Draw3dRect(rect.left + 2, y + i * 4, rect.Width() - 4, 3, colors.m_clrBtnHilite,
                            colors.m_clrBtnShadow);
        }
    }
    (void)insets;
}

void FwCustomToolBar::DoPaint(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    FwSystemColors& colors = FwGetSystemColors();
    pDC->FillSolidRect(&rc, colors.m_clrBtnFace);
    if ((m_dwExStyle & FWCBS_EX_FLAT) != 0) {
        const DWORD dwStyle = m_dwStyle;
        if ((dwStyle & CBRS_BORDER_LEFT) != 0) {
            pDC->FillSolidRect(rc.left, rc.top, 1, rc.Height(), colors.m_clrBtnHilite);
        }
        if ((dwStyle & CBRS_BORDER_RIGHT) != 0) {
            pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), colors.m_clrBtnShadow);
        }
        if ((dwStyle & CBRS_BORDER_BOTTOM) != 0) {
            pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, colors.m_clrBtnShadow);
        }
        if ((dwStyle & CBRS_FLOATING) == 0) {
            pDC->FillSolidRect(rc.left, rc.top, rc.Width(), 1, colors.m_clrBtnShadow);
            pDC->FillSolidRect(rc.left, rc.top + 1, rc.Width(), 1, colors.m_clrBtnHilite);
        }
        if ((m_dwExStyle & FWCBS_EX_GRIPPER) != 0) {
            CRect rcGrip(rc);
            rcGrip.DeflateRect(1, 2);
            if ((m_dwStyle & CBRS_ORIENT_HORZ) != 0) {
                rcGrip.right = rcGrip.left + kGripperStrip;
            } else {
                rcGrip.bottom = rcGrip.top + kGripperStrip;
            }
            DrawGripper(pDC, rcGrip);
        }
    } else {
        CRect rcBorders(rc);
        FwControlBar::DrawBorders(pDC, rcBorders);
    }
    FwButtonPaintCache* pCache = GetPaintCache();
    int cxMax = 1;
    int cyMax = 1;
    for (int i = 0; i < GetButtonCount(); ++i) {
        cxMax = std::max(cxMax, GetButton(i)->m_cx);
        cyMax = std::max(cyMax, GetButton(i)->m_cy);
    }
    if (!pCache->BeginBarPaint(cxMax, cyMax, GetBarFont())) {
        return;
    }
    CRect rcClip;
    pDC->GetClipBox(&rcClip);
    for (int i = 0; i < GetButtonCount(); ++i) {
        FwBarButton* pButton = GetButton(i);
        if ((pButton->m_dwStyle & FWBS_HIDDEN) != 0 || pButton->m_x < 0) {
            continue;
        }
        const CRect rcButton = pButton->GetRect();
        CRect rcHit;
        if (!rcHit.IntersectRect(&rcButton, &rcClip)) {
            continue;
        }
        pButton->Paint(&pCache->m_dcCompose, pCache);
        pDC->BitBlt(pButton->m_x, pButton->m_y, pButton->m_cx, pButton->m_cy, &pCache->m_dcCompose, 0, 0, SRCCOPY);
    }
    pCache->EndBarPaint();
}

// ---- commands and state ------------------------------------------------------------------

void FwCustomToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    FwToolBarManager* pManager = GetManager();
    if (pManager != nullptr && pManager->IsCustomizing()) {
        return;
    }
    FwToolBarCmdUI ui;
    ui.m_pOther = this;
    for (int i = 0; i < GetButtonCount(); ++i) {
        const FwBarButton* pButton = GetButton(i);
        if (pButton->IsSeparator() || pButton->m_nKind != FWBK_STANDARD) {
            continue;
        }
        ui.m_nID = pButton->m_nID;
        ui.m_nIndex = static_cast<UINT>(i);
        const BOOL bKeep = (pButton->m_dwStyle & FWBS_KEEPENABLED) != 0;
        ui.DoUpdate(pTarget, bDisableIfNoHndler && !bKeep);
    }
}

HWND FwCustomToolBar::GetCommandTarget() const
{
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (hOwner != nullptr) {
        return hOwner;
    }
    return m_pDockSite != nullptr ? m_pDockSite->m_hWnd : ::GetParent(m_hWnd);
}

void FwCustomToolBar::SendButtonCommand(int nIndex)
{
    FwBarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr) {
        return;
    }
    FwToolBarManager* pManager = GetManager();
    FwToolBarManager::CommandSource* pSource = pManager != nullptr ? pManager->m_pCommandSource : nullptr;
    if (pSource != nullptr) {
        pSource->rcButton = pButton->GetRect();
        ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&pSource->rcButton), 2);
        pSource->bRunning = TRUE;
    }
    const UINT nID = pButton->m_nID;
    HWND hTarget = GetCommandTarget();
    if ((pButton->m_dwStyle & FWBS_DROPDOWN) != 0) {
        NMTOOLBARA nm = {};
        nm.hdr.hwndFrom = m_hWnd;
        nm.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
        nm.hdr.code = TBN_DROPDOWN;
        nm.iItem = static_cast<int>(nID);
        nm.tbButton.idCommand = static_cast<int>(nIndex);
        ::SendMessageA(hTarget, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
    } else {
        ::SendMessageA(hTarget, WM_COMMAND, MAKEWPARAM(nID, 0), 0);
    }
    if (pSource != nullptr) {
        pSource->bRunning = FALSE;
    }
}

// ---- mouse -------------------------------------------------------------------------------

void FwCustomToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int nIndex = ButtonFromPoint(point.x, point.y, nullptr);
    FwToolBarManager* pManager = GetManager();
    const BOOL bRunning = pManager != nullptr && pManager->m_pCommandSource->bRunning;
    const BOOL bAltDrag = ::GetKeyState(VK_MENU) < 0 && pManager != nullptr && !bRunning;
    if (nIndex >= 0 && (m_bCustomizeMode || bAltDrag)) {
        SelectButton(nIndex, TRUE);
        m_nDragged = nIndex;
        m_bDragCopy = IsCopyDrag();
        m_bDragOutsideCustomize = !m_bCustomizeMode;
        ::SetCapture(m_hWnd);
        if (m_bDragCopy) {
            HCURSOR hCopy = ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(20691));
            ::SetCursor(hCopy != nullptr ? hCopy : ::LoadCursor(nullptr, IDC_ARROW));
        }
        return;
    }
    FwBarButton* pButton = GetButton(nIndex);
    if (pButton != nullptr && (pButton->m_dwStyle & FWBS_DISABLED) == 0) {
        m_nTracked = nIndex;
        m_bTrackOver = TRUE;
        SetHot(-1);
        if (pButton->OnPress()) {
            m_nTracked = -1;
            return;
        }
        ::SetCapture(m_hWnd);
        SetButtonStyle(nIndex, pButton->m_dwStyle | FWBS_PRESSED);
        UpdateWindow();
        if (m_pDockSite != nullptr && m_pDockSite->m_hWnd != nullptr) {
            ::SendMessageA(m_pDockSite->m_hWnd, WM_SETMESSAGESTRING, pButton->m_nID, 0);
        }
        return;
    }
    FwControlBar::OnLButtonDown(nFlags, point);
}

void FwCustomToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (::GetKeyState(VK_MENU) < 0) {
        FwControlBar::OnLButtonDblClk(nFlags, point);
        return;
    }
    if (ButtonFromPoint(point.x, point.y, nullptr) >= 0) {
        OnLButtonDown(nFlags, point);
        return;
    }
    FwControlBar::OnLButtonDblClk(nFlags, point);
}

void FwCustomToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nTracked >= 0) {
        const BOOL bOver = ButtonFromPoint(point.x, point.y, nullptr) == m_nTracked;
        if (bOver != m_bTrackOver) {
            m_bTrackOver = bOver;
            const DWORD dwStyle = GetButtonStyle(m_nTracked);
            SetButtonStyle(m_nTracked, bOver ? (dwStyle | FWBS_PRESSED) : (dwStyle & ~FWBS_PRESSED));
        }
        return;
    }
    if (m_nDragged >= 0) {
        return;
    }
    FwToolBarManager* pManager = GetManager();
    const BOOL bRunning = pManager != nullptr && pManager->m_pCommandSource->bRunning;
    if (!m_bCustomizeMode) {
        UpdateFlyBy(ButtonFromPoint(point.x, point.y, nullptr));
    }
    if (!IsCoolLook() || m_bCustomizeMode || bRunning) {
        FwControlBar::OnMouseMove(nFlags, point);
        return;
    }
    // Only while one of our windows is in front.
    HWND hForeground = ::GetForegroundWindow();
    DWORD dwProcess = 0;
    if (hForeground != nullptr) {
        ::GetWindowThreadProcessId(hForeground, &dwProcess);
    }
    if (hForeground != nullptr && dwProcess != ::GetCurrentProcessId()) {
        return;
    }
    const int nIndex = ButtonFromPoint(point.x, point.y, nullptr);
    const FwBarButton* pButton = GetButton(nIndex);
    SetHot(pButton != nullptr && (pButton->m_dwStyle & FWBS_DISABLED) == 0 ? nIndex : -1);
}

void FwCustomToolBar::SetHot(int nIndex)
{
    if (nIndex == m_nHot) {
        return;
    }
    if (FwBarButton* pOld = GetButton(m_nHot)) {
        pOld->m_dwStyle &= ~FWBS_HOT;
        pOld->Invalidate();
    }
    m_nHot = nIndex;
    if (FwBarButton* pNew = GetButton(nIndex)) {
        pNew->m_dwStyle |= FWBS_HOT;
        pNew->Invalidate();
        SetTimer(FW_HOTTIMER_ID, 100);
    } else {
        m_nHot = -1;
        // The timer stays while a fly-by hint shows.
        if (m_hWnd != nullptr && m_nFlyBy < 0) {
            KillTimer(FW_HOTTIMER_ID);
        }
    }
}

void FwCustomToolBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != FW_HOTTIMER_ID) {
        FwControlBar::OnTimer(nIDEvent);
        return;
    }
    POINT pt = {};
    ::GetCursorPos(&pt);
    int nUnder = -1;
    if (::WindowFromPoint(pt) == m_hWnd) {
        ::ScreenToClient(m_hWnd, &pt);
        nUnder = ButtonFromPoint(pt.x, pt.y, nullptr);
    }
    if (m_nHot >= 0 && nUnder != m_nHot) {
        SetHot(-1);
        UpdateWindow();
    }
    UpdateFlyBy(nUnder);
}

void FwCustomToolBar::UpdateFlyBy(int nIndex)
{
    const FwBarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr || pButton->m_nKind != FWBK_STANDARD || pButton->m_nID == 0) {
        nIndex = -1;
    }
    if (nIndex != m_nFlyBy) {
        m_nFlyBy = nIndex;
        if ((m_dwStyle & CBRS_FLYBY) != 0 && m_pDockSite != nullptr && m_pDockSite->m_hWnd != nullptr) {
            ::SendMessageA(m_pDockSite->m_hWnd, WM_SETMESSAGESTRING, nIndex >= 0 ? pButton->m_nID : kIdleMessage, 0);
        }
    }
    // The hot timer also sees the mouse leave a button whose hint shows.
    if (m_nFlyBy >= 0 && m_hWnd != nullptr) {
        SetTimer(FW_HOTTIMER_ID, 100);
    }
}

void FwCustomToolBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_nDragged >= 0) {
        const int nDragged = m_nDragged;
        const BOOL bOutside = m_bDragOutsideCustomize;
        m_nDragged = -1;
        if (::GetCapture() == m_hWnd) {
            ::ReleaseCapture();
        }
        CPoint ptScreen(point);
        ::ClientToScreen(m_hWnd, &ptScreen);
        if (bOutside) {
            ClearSelection(TRUE);
        }
        DropButton(nDragged, ptScreen, m_bDragCopy);
        return;
    }
    if (m_nTracked >= 0) {
        const int nIndex = m_nTracked;
        const BOOL bOver = ButtonFromPoint(point.x, point.y, nullptr) == nIndex;
        m_nTracked = -1;
        if (::GetCapture() == m_hWnd) {
            ::ReleaseCapture();
        }
        if (m_pDockSite != nullptr && m_pDockSite->m_hWnd != nullptr) {
            ::SendMessageA(m_pDockSite->m_hWnd, WM_SETMESSAGESTRING, kIdleMessage, 0);
        }
        m_nFlyBy = -1;
        SetButtonStyle(nIndex, GetButtonStyle(nIndex) & ~FWBS_PRESSED);
        if (bOver) {
            SendButtonCommand(nIndex);
        }
        return;
    }
    FwControlBar::OnLButtonUp(nFlags, point);
}

// ---- customising -------------------------------------------------------------------------

FwCustomToolBar* FwCustomToolBar::BarAtScreenPoint(CPoint ptScreen)
{
    for (HWND hWnd = ::WindowFromPoint(ptScreen); hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (FwCustomToolBar* pBar = dynamic_cast<FwCustomToolBar*>(pWnd)) {
            return pBar;
        }
        if (CMiniDockFrameWnd* pMini = dynamic_cast<CMiniDockFrameWnd*>(pWnd)) {
            // A floating frame stands for the first custom bar of its dock bar.
            for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild != nullptr;
                 hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
                for (HWND hBar = ::GetWindow(hChild, GW_CHILD); hBar != nullptr;
                     hBar = ::GetWindow(hBar, GW_HWNDNEXT)) {
                    if (FwCustomToolBar* pBar = dynamic_cast<FwCustomToolBar*>(CWnd::FromHandlePermanent(hBar))) {
                        return pBar;
                    }
                }
            }
            (void)pMini;
            return nullptr;
        }
    }
    return nullptr;
}

int FwCustomToolBar::DropIndexAt(CPoint point) const
{
    int nLastInRow = -1;
    for (int i = 0; i < GetButtonCount(); ++i) {
        const FwBarButton* pButton = GetButton(i);
        if ((pButton->m_dwStyle & FWBS_HIDDEN) != 0 || pButton->m_x < 0) {
            continue;
        }
        if (point.y < pButton->m_y || point.y >= pButton->m_y + pButton->m_cy) {
            continue;
        }
        if (pButton->m_x + pButton->m_cx > point.x) {
            return pButton->IsSeparator() && point.x >= pButton->m_x ? i + 1 : i;
        }
        nLastInRow = i;
    }
    return nLastInRow >= 0 ? nLastInRow + 1 : GetButtonCount();
}

BOOL FwCustomToolBar::DropButton(int nIndex, CPoint ptScreen, BOOL bCopy)
{
    FwBarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr) {
        return FALSE;
    }
    FwToolBarManager* pManager = GetManager();
    CFrameWnd* pFrame = m_pDockSite;
    const UINT nID = pButton->m_nID;
    const BOOL bSeparator = pButton->IsSeparator();
    FwCustomToolBar* pTarget = BarAtScreenPoint(ptScreen);
    if (pTarget == this) {
        CPoint pt(ptScreen);
        ::ScreenToClient(m_hWnd, &pt);
        int nAt = DropIndexAt(pt);
        if (nAt == nIndex || nAt == nIndex + 1) {
            return FALSE;
        }
        m_arrButtons.RemoveAt(nIndex);
        if (nAt > nIndex) {
            --nAt;
        }
        m_arrButtons.InsertAt(nAt, pButton);
        if (m_nSelected == nIndex) {
            m_nSelected = nAt;
        } else {
            ClearSelection(FALSE);
        }
        m_nHot = -1;
    } else if (pTarget != nullptr) {
        if (!pTarget->AcceptsDrop() || m_bKeepButtons) {
            return FALSE;
        }
        CPoint pt(ptScreen);
        ::ScreenToClient(pTarget->m_hWnd, &pt);
        pTarget->InsertButton(pTarget->DropIndexAt(pt), nID, bSeparator, FALSE);
        if (!bCopy) {
            RemoveButton(FindButton(pButton), FALSE);
        }
    } else {
        CRect rcDialog(0, 0, 0, 0);
        if (pManager != nullptr) {
            pManager->GetCustomizeDialogRect(&rcDialog);
        }
        CRect rcDrop(ptScreen, CSize(pButton->m_cx, pButton->m_cy));
        CRect rcHit;
        if (rcHit.IntersectRect(&rcDrop, &rcDialog)) {
            return FALSE;
        }
        if (bCopy) {
            FwCustomToolBar* pNew = pManager != nullptr ? pManager->CreateUserToolBar(nullptr) : nullptr;
            if (pNew == nullptr || pFrame == nullptr) {
                return FALSE;
            }
            pNew->InsertButton(0, nID, bSeparator, TRUE);
            pFrame->FloatControlBar(pNew, ptScreen, CBRS_ALIGN_TOP);
            // The floating frame moves so that the bar's client area starts at the drop point.
            CFrameWnd* pMini = pNew->GetDockingFrame();
            if (pMini != nullptr && pMini != pFrame && pMini->m_hWnd != nullptr) {
                CRect rcBar;
                pNew->GetWindowRect(&rcBar);
                CRect rcMini;
                pMini->GetWindowRect(&rcMini);
                ::SetWindowPos(pMini->m_hWnd, nullptr, rcMini.left + ptScreen.x - rcBar.left,
                               rcMini.top + ptScreen.y - rcBar.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        } else {
            RemoveButton(nIndex, FALSE);
            return TRUE;
        }
    }
    if (pFrame != nullptr && pFrame->m_hWnd != nullptr) {
        pFrame->RecalcLayout();
    }
    if (m_hWnd != nullptr) {
        Invalidate();
    }
    return TRUE;
}

// ---- saving ------------------------------------------------------------------------------

void FwCustomToolBar::SaveButtons(FwCustomToolBarInfoEx* pInfoEx)
{
    GetWindowText(pInfoEx->m_strTitle);
    pInfoEx->RemoveAllButtons();
    for (int i = 0; i < GetButtonCount(); ++i) {
        const FwBarButton* pButton = GetButton(i);
        BYTE extra[255] = {};
        const int nExtra = pButton->GetExtraData(extra, sizeof(extra));
        pInfoEx->AddButton(pButton->IsSeparator() ? 0 : pButton->m_nID, extra, std::clamp(nExtra, 0, 255));
    }
}

void FwCustomToolBar::RestoreButtons(const FwCustomToolBarInfoEx* pInfoEx)
{
    if (!pInfoEx->m_strTitle.IsEmpty()) {
        SetWindowText(pInfoEx->m_strTitle);
    }
    if (!pInfoEx->m_bButtonsValid) {
        return;
    }
    RemoveAllButtons();
    for (int i = 0; i < pInfoEx->GetButtonCount(); ++i) {
        const FwCustomToolBarInfoEx::ButtonRecord* pRecord = pInfoEx->GetButton(i);
        if (!InsertButton(GetButtonCount(), pRecord->nID, pRecord->nID == 0, TRUE)) {
            continue;
        }
        GetButton(GetButtonCount() - 1)
            ->RestoreExtraData(pRecord->extra.data(), static_cast<int>(pRecord->extra.size()));
    }
}

void FwCustomToolBar::OnWriteBarState(FwControlBarInfo* pInfo)
{
    FwCustomToolBarInfoEx* pInfoEx = new FwCustomToolBarInfoEx;
    SaveButtons(pInfoEx);
    pInfo->SetInfoEx(pInfoEx);
}

void FwCustomToolBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd)
{
    FwControlBar::SetBarInfo(pInfo, pFrameWnd);
    FwControlBarInfo* pFwInfo = dynamic_cast<FwControlBarInfo*>(pInfo);
    const FwCustomToolBarInfoEx* pInfoEx =
        pFwInfo != nullptr ? dynamic_cast<FwCustomToolBarInfoEx*>(pFwInfo->m_pInfoEx) : nullptr;
    if (pInfoEx != nullptr) {
        RestoreButtons(pInfoEx);
    }
}

// ---- messages ----------------------------------------------------------------------------

void FwCustomToolBar::OnDestroy()
{
    ClearSelection(FALSE);
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
    }
    Notify(FWBN_DESTROYED);
    FwControlBar::OnDestroy();
}

LRESULT FwCustomToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == DestroyBarMessage()) {
        CFrameWnd* pFrame = m_pDockSite;
        if (GetButtonCount() == 0 && IsUserBar()) {
            DestroyWindow();
            if (pFrame != nullptr && pFrame->m_hWnd != nullptr) {
                pFrame->RecalcLayout();
            }
        }
        return 0;
    }
    switch (message) {
    case WM_MOUSEACTIVATE:
        if (m_bCustomizeMode && !IsFloating()) {
            return MA_NOACTIVATE;
        }
        break;
    case WM_SHOWWINDOW:
        Notify(wParam != 0 ? FWBN_SHOWN : FWBN_HIDDEN);
        break;
    case WM_CANCELMODE:
        if (m_nTracked >= 0 && !m_bCustomizeMode && m_nDragged < 0) {
            SetButtonStyle(m_nTracked, GetButtonStyle(m_nTracked) & ~FWBS_PRESSED);
            m_nTracked = -1;
            if (::GetCapture() == m_hWnd) {
                ::ReleaseCapture();
            }
        }
        break;
    case WM_SYSCOLORCHANGE:
        GetPaintCache()->MakeDitherBrush();
        m_pBmpMgr->Reload(TRUE);
        Invalidate();
        break;
    case TB_ADDBUTTONS: {
        const TBBUTTON* pButtons = reinterpret_cast<const TBBUTTON*>(lParam);
        const int nCount = static_cast<int>(wParam);
        for (int i = 0; i < nCount && pButtons != nullptr; ++i) {
            const UINT nID = static_cast<UINT>(pButtons[i].idCommand);
            if (InsertButton(GetButtonCount(), nID, nID == 0, i + 1 < nCount)) {
                FwBarButton* pButton = GetButton(GetButtonCount() - 1);
                pButton->m_dwStyle |= static_cast<DWORD>(pButtons[i].fsState) << 16 | pButtons[i].fsStyle;
            }
        }
        return TRUE;
    }
    case TB_DELETEBUTTON:
        return RemoveButton(static_cast<int>(wParam), FALSE);
    default:
        break;
    }
    return FwControlBar::WindowProc(message, wParam, lParam);
}
