#include "common/KvOutBarCtrl.h"

#include <mbstring.h>

#include <algorithm>

#include "common/res/resource.h"
#include "platform/base/FxResMgr.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/FxSavedDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/ImageList.h"
#include "platform/gdi/PaintDC.h"

namespace
{
struct CBarItem
{
    int nImage;
    CString strText;
    DWORD dwData;
};

// Loaded cursors are shared resources: never destroyed.
HCURSOR BarCursor(UINT nId)
{
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(nId), MAKEINTRESOURCEA(12)); // RT_GROUP_CURSOR
    HCURSOR hCursor = hInst != nullptr ? ::LoadCursorA(hInst, MAKEINTRESOURCEA(nId)) : nullptr;
    return hCursor != nullptr ? hCursor : ::LoadCursorA(nullptr, IDC_ARROW);
}

CPoint MsgPoint(const MSG& msg)
{
    return CPoint(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
}

// A caption read from top to bottom: a line break after every two bytes, never inside a
// double-byte character.
CString StackedText(const CString& strText)
{
    CString strOut;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(static_cast<LPCSTR>(strText));
    int nOnLine = 0;
    while (*p != 0) {
        const int nLen = (_ismbblead(*p) && p[1] != 0) ? 2 : 1;
        if (nOnLine + nLen > 2 && nOnLine > 0) {
            strOut += '\n';
            nOnLine = 0;
        }
        for (int i = 0; i < nLen; ++i) {
            strOut += static_cast<char>(p[i]);
        }
        nOnLine += nLen;
        p += nLen;
    }
    return strOut;
}
} // namespace

struct CKvOutBarCtrl::CBarFolder
{
    CString strName;
    DWORD dwData = 0;
    CImageList* pImageList = nullptr;
    CPtrArray arItem;
    CWnd* pChild = nullptr;

    ~CBarFolder()
    {
        for (INT_PTR i = 0; i < arItem.GetSize(); ++i) {
            delete static_cast<CBarItem*>(arItem[i]);
        }
    }
    int Count() const { return static_cast<int>(arItem.GetSize()); }
    CBarItem* Item(int nItem) const
    {
        return nItem >= 0 && nItem < Count() ? static_cast<CBarItem*>(arItem[nItem]) : nullptr;
    }
};

FX_IMPLEMENT_DYNCREATE(CKvOutBarCtrl, CWnd)

FX_BEGIN_MESSAGE_MAP(CKvOutBarCtrl, CWnd)
FX_ON_WM_PAINT()
FX_ON_WM_SIZE()
FX_ON_WM_ERASEBKGND()
FX_ON_WM_MOUSEMOVE()
FX_ON_WM_LBUTTONDOWN()
FX_ON_MESSAGE(WM_SETCURSOR, OnSetCursor)
FX_END_MESSAGE_MAP()

CKvOutBarCtrl::CKvOutBarCtrl()
    : m_bDragItem(0), m_nLayout(1), m_crBackground(::GetSysColor(COLOR_BACKGROUND)),
      m_crFrame(::GetSysColor(COLOR_BACKGROUND)), m_crText(::GetSysColor(COLOR_WINDOW)),
      m_cr3DFace(::GetSysColor(COLOR_3DFACE)), m_cr3DLight(::GetSysColor(COLOR_3DLIGHT)),
      m_crHighlight(::GetSysColor(COLOR_3DHILIGHT)), m_cr3DShadow(::GetSysColor(COLOR_3DSHADOW)),
      m_crDarkShadow(::GetSysColor(COLOR_3DDKSHADOW)), m_nFolderHeight(22), m_nLabelGap(3), m_szLargeSpacing(8, 8),
      m_szSmallSpacing(5, 5), m_dwFlags(15), m_nSelFolder(1), m_nFirstItem(0), m_nHighlightFolder(-1),
      m_nHighlightItem(-1), m_bHighlightPressed(false), m_nLastSel(-1), m_bUpArrow(FALSE), m_bDownArrow(FALSE),
      m_bUpPressed(FALSE), m_bDownPressed(FALSE), m_pImageList(nullptr), m_penBlack(PS_SOLID, 1, RGB(0, 0, 0)),
      m_nLastHit(htNothing), m_nLastHitIndex(-1)
{
}

CKvOutBarCtrl::~CKvOutBarCtrl()
{
    // The window outlives this part (the base destroys it, unhooked): no message reaches the folders.
    for (INT_PTR i = 0; i < m_arFolder.GetSize(); ++i) {
        delete static_cast<CBarFolder*>(m_arFolder[i]);
    }
    m_arFolder.RemoveAll();
}

BOOL CKvOutBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwFlags)
{
    m_dwFlags = dwFlags;
    return CWnd::CreateEx(WS_EX_STATICEDGE, nullptr, nullptr, dwStyle | WS_CHILD, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top,
                          pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

void CKvOutBarCtrl::ModifyFlag(const DWORD& dwRemove, const DWORD& dwAdd, UINT nRedraw)
{
    m_dwFlags = (m_dwFlags & ~dwRemove) | dwAdd;
    if (m_hWnd == nullptr) {
        return;
    }
    if (nRedraw != 0) {
        const UINT nKeep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | nKeep | nRedraw);
    } else {
        Invalidate();
    }
}

// ---- folders and items

CKvOutBarCtrl::CBarFolder* CKvOutBarCtrl::Folder(int nFolder) const
{
    return nFolder >= 0 && nFolder < GetFolderCount() ? static_cast<CBarFolder*>(m_arFolder[nFolder]) : nullptr;
}

int CKvOutBarCtrl::OpenFolder() const
{
    // The selected index starts at 1 and may point past the folders (one folder, or all removed).
    const int nCount = GetFolderCount();
    return nCount == 0 ? -1 : std::max(0, std::min(m_nSelFolder, nCount - 1));
}

int CKvOutBarCtrl::AddFolder(const char* pszName, DWORD dwData)
{
    auto* pFolder = new CBarFolder;
    pFolder->strName = pszName != nullptr ? pszName : "";
    pFolder->dwData = dwData;
    return static_cast<int>(m_arFolder.Add(pFolder));
}

int CKvOutBarCtrl::AddFolderBar(const char* pszName, CWnd* pChild, DWORD dwData)
{
    const int nFolder = AddFolder(pszName, dwData);
    Folder(nFolder)->pChild = pChild;
    return nFolder;
}

int CKvOutBarCtrl::InsertItem(int nFolder, int nIndex, const char* pszText, int nImage, DWORD dwData)
{
    CBarFolder* pFolder = Folder(nFolder);
    if (pFolder == nullptr) {
        return -1;
    }
    auto* pItem = new CBarItem{nImage, pszText != nullptr ? pszText : "", dwData};
    if (nIndex < 0 || nIndex >= pFolder->Count()) {
        nIndex = pFolder->Count();
    }
    pFolder->arItem.InsertAt(nIndex, pItem);
    return nIndex;
}

void CKvOutBarCtrl::SetFolderText(int nFolder, const char* pszText)
{
    if (CBarFolder* pFolder = Folder(nFolder)) {
        pFolder->strName = pszText != nullptr ? pszText : "";
    }
}

void CKvOutBarCtrl::SetItemText(int nItem, const char* pszText)
{
    CBarFolder* pFolder = Folder(OpenFolder());
    if (CBarItem* pItem = pFolder != nullptr ? pFolder->Item(nItem) : nullptr) {
        pItem->strText = pszText != nullptr ? pszText : "";
    }
}

CWnd* CKvOutBarCtrl::NotifyTarget() const
{
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    return CWnd::FromHandle(hOwner != nullptr ? hOwner : ::GetParent(m_hWnd));
}

void CKvOutBarCtrl::SetSelFolder(int nFolder)
{
    CBarFolder* pNew = Folder(nFolder);
    if (pNew == nullptr) {
        return;
    }
    CBarFolder* pOld = Folder(OpenFolder());
    if (pOld != nullptr && pOld->pChild != nullptr && pOld->pChild->m_hWnd != nullptr) {
        pOld->pChild->ShowWindow(SW_HIDE);
    }
    m_nSelFolder = nFolder;
    m_nFirstItem = 0;
    // Highlights name items of the folder that was open.
    m_nHighlightItem = -1;
    m_nHighlightFolder = -1;
    if (pNew->pChild != nullptr && pNew->pChild->m_hWnd != nullptr) {
        CRect rcIn;
        GetInsideRect(rcIn);
        pNew->pChild->MoveWindow(rcIn.left, rcIn.top, rcIn.Width(), rcIn.Height(), TRUE);
        pNew->pChild->ShowWindow(SW_SHOW);
    }
    if (m_hWnd != nullptr) {
        if (CWnd* pTarget = NotifyTarget()) {
            pTarget->SendMessage(WM_KV_OUTBAR_NOTIFY, KV_OBN_FOLDERCHANGE, nFolder);
        }
        Invalidate();
    }
}

int CKvOutBarCtrl::GetItemCount() const
{
    const CBarFolder* pFolder = Folder(OpenFolder());
    return pFolder != nullptr ? pFolder->Count() : 0;
}

void CKvOutBarCtrl::RemoveFolder(int nFolder)
{
    CBarFolder* pFolder = Folder(nFolder);
    if (pFolder == nullptr) {
        return;
    }
    delete pFolder;
    m_arFolder.RemoveAt(nFolder);
    if (m_nSelFolder >= nFolder) {
        m_nSelFolder = nFolder - 1;
        if (m_nSelFolder < 0 && GetFolderCount() > 0) {
            m_nSelFolder = 0;
        }
    }
    m_nHighlightFolder = -1;
    m_nHighlightItem = -1;
    if (m_hWnd != nullptr) {
        Invalidate();
    }
}

void CKvOutBarCtrl::RemoveItem(int nItem)
{
    CBarFolder* pFolder = Folder(OpenFolder());
    if (pFolder == nullptr || pFolder->Item(nItem) == nullptr) {
        return;
    }
    delete pFolder->Item(nItem);
    pFolder->arItem.RemoveAt(nItem);
    m_nHighlightItem = -1;
    if (m_nLastSel >= pFolder->Count()) {
        m_nLastSel = -1;
    }
    m_nFirstItem = std::max(0, std::min(m_nFirstItem, pFolder->Count() - 1));
    if (m_hWnd != nullptr) {
        CRect rcIn;
        GetInsideRect(rcIn);
        InvalidateRect(rcIn);
    }
}

void CKvOutBarCtrl::KvRemoveitem()
{
    if (m_nLastHit == htFolder) {
        RemoveFolder(m_nLastHitIndex);
    } else if (m_nLastHit == htItem) {
        RemoveItem(m_nLastHitIndex);
    }
    m_nLastHit = htNothing;
    m_nLastHitIndex = -1;
}

bool CKvOutBarCtrl::IsValidItem(int nItem) const
{
    const CBarFolder* pFolder = Folder(OpenFolder());
    return pFolder != nullptr && pFolder->Item(nItem) != nullptr;
}

DWORD CKvOutBarCtrl::GetItemData(int nItem) const
{
    const CBarFolder* pFolder = Folder(OpenFolder());
    const CBarItem* pItem = pFolder != nullptr ? pFolder->Item(nItem) : nullptr;
    return pItem != nullptr ? pItem->dwData : 0;
}

void CKvOutBarCtrl::SetItemData(int nItem, DWORD dwData)
{
    CBarFolder* pFolder = Folder(OpenFolder());
    if (CBarItem* pItem = pFolder != nullptr ? pFolder->Item(nItem) : nullptr) {
        pItem->dwData = dwData;
    }
}

int CKvOutBarCtrl::GetItemImage(int nItem) const
{
    const CBarFolder* pFolder = Folder(OpenFolder());
    const CBarItem* pItem = pFolder != nullptr ? pFolder->Item(nItem) : nullptr;
    return pItem != nullptr ? pItem->nImage : -1;
}

void CKvOutBarCtrl::SetItemImage(int nItem, int nImage)
{
    CBarFolder* pFolder = Folder(OpenFolder());
    if (CBarItem* pItem = pFolder != nullptr ? pFolder->Item(nItem) : nullptr) {
        pItem->nImage = nImage;
    }
}

CString CKvOutBarCtrl::GetItemText(int nItem) const
{
    const CBarFolder* pFolder = Folder(OpenFolder());
    const CBarItem* pItem = pFolder != nullptr ? pFolder->Item(nItem) : nullptr;
    return pItem != nullptr ? pItem->strText : CString();
}

CWnd* CKvOutBarCtrl::GetFolderChild(int nFolder) const
{
    const CBarFolder* pFolder = Folder(nFolder < 0 ? OpenFolder() : nFolder);
    return pFolder != nullptr ? pFolder->pChild : nullptr;
}

DWORD CKvOutBarCtrl::GetFolderData(int nFolder) const
{
    const CBarFolder* pFolder = Folder(nFolder < 0 ? OpenFolder() : nFolder);
    return pFolder != nullptr ? pFolder->dwData : 0;
}

CImageList* CKvOutBarCtrl::SetImageList(CImageList* pImageList)
{
    CImageList* pOld = m_pImageList;
    m_pImageList = pImageList;
    return pOld;
}

CImageList* CKvOutBarCtrl::SetFolderImageList(int nFolder, CImageList* pImageList)
{
    CBarFolder* pFolder = Folder(nFolder);
    if (pFolder == nullptr) {
        return nullptr;
    }
    CImageList* pOld = pFolder->pImageList;
    pFolder->pImageList = pImageList;
    return pOld;
}

CImageList* CKvOutBarCtrl::GetFolderImageList(int nFolder) const
{
    const CBarFolder* pFolder = Folder(nFolder);
    return pFolder != nullptr && pFolder->pImageList != nullptr ? pFolder->pImageList : m_pImageList;
}

CImageList* CKvOutBarCtrl::ImageListOf(int nFolder) const
{
    return GetFolderImageList(nFolder);
}

// ---- geometry

BOOL CKvOutBarCtrl::GetFolderRect(int nFolder, CRect& rect) const
{
    const int nCount = GetFolderCount();
    if (nFolder < 0 || nFolder >= nCount || m_hWnd == nullptr) {
        return FALSE;
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    const int h = m_nFolderHeight;
    const bool bVert = m_nLayout == 1;
    int nNear = 0;
    if (nFolder <= OpenFolder()) {
        nNear = (bVert ? rcClient.top : rcClient.left) + nFolder * h - 1;
    } else {
        nNear = (bVert ? rcClient.bottom : rcClient.right) - (nCount - nFolder) * h;
    }
    const int nFar = nNear + h;
    rect =
        bVert ? CRect(rcClient.left, nNear, rcClient.right, nFar) : CRect(nNear, rcClient.top, nFar, rcClient.bottom);
    return TRUE;
}

void CKvOutBarCtrl::GetInsideRect(CRect& rect) const
{
    if (m_hWnd == nullptr) {
        rect.SetRectEmpty();
        return;
    }
    GetClientRect(&rect);
    const int nCount = GetFolderCount();
    if (nCount == 0) {
        return;
    }
    const int nOpen = OpenFolder();
    const int h = m_nFolderHeight;
    if (m_nLayout == 1) {
        rect.top += (nOpen + 1) * h - 1;
        rect.bottom -= (nCount - nOpen - 1) * h;
    } else {
        rect.left += (nOpen + 1) * h - 1;
        rect.right -= (nCount - nOpen - 1) * h;
    }
}

CSize CKvOutBarCtrl::Spacing(int nFolder) const
{
    int cx = 0;
    int cy = 0;
    const CImageList* pList = ImageListOf(nFolder);
    if (pList != nullptr && pList->GetSafeHandle() != nullptr) {
        pList->GetIconSize(cx, cy);
    }
    return cx >= 32 ? m_szLargeSpacing : m_szSmallSpacing;
}

CSize CKvOutBarCtrl::GetItemSize(int nFolder, int nItem, int nPart)
{
    const CBarFolder* pFolder = Folder(nFolder);
    const CBarItem* pItem = pFolder != nullptr ? pFolder->Item(nItem) : nullptr;
    if (pItem == nullptr) {
        return CSize(0, 0);
    }
    CSize szIcon(0, 0);
    const CImageList* pList = ImageListOf(nFolder);
    if (pList != nullptr && pList->GetSafeHandle() != nullptr) {
        int cx = 0;
        int cy = 0;
        pList->GetIconSize(cx, cy);
        szIcon = CSize(cx, cy);
    }
    if (nPart == ipIcon) {
        return szIcon;
    }
    CRect rcIn;
    GetInsideRect(rcIn);
    const CSize sp = Spacing(nFolder);
    CRect rcText(0, 0, std::max(1, rcIn.Width() - 2 * static_cast<int>(sp.cx)), 0);
    if (!pItem->strText.IsEmpty()) {
        CClientDC dc(m_hWnd);
        CFxSelectGuard guard(&dc, DEFAULT_GUI_FONT);
        dc.DrawText(pItem->strText, &rcText, DT_CALCRECT | DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    }
    const CSize szLabel(rcText.Width(), rcText.Height());
    if (nPart == ipLabel) {
        return szLabel;
    }
    return CSize(std::max(szIcon.cx, szLabel.cx), szIcon.cy + m_nLabelGap + szLabel.cy);
}

void CKvOutBarCtrl::GetIconRect(int nFolder, int nItem, CRect& rect)
{
    CRect rcIn;
    GetInsideRect(rcIn);
    const CSize sp = Spacing(nFolder);
    // Item tops run from the first visible item, upwards for the items above it. The spacing
    // lies above and below every item, so the drop band between two items clears both.
    int y = rcIn.top + sp.cy;
    if (nItem >= m_nFirstItem) {
        for (int i = m_nFirstItem; i < nItem; ++i) {
            y += GetItemSize(nFolder, i, ipBoth).cy + 2 * sp.cy;
        }
    } else {
        for (int i = nItem; i < m_nFirstItem; ++i) {
            y -= GetItemSize(nFolder, i, ipBoth).cy + 2 * sp.cy;
        }
    }
    const CSize szIcon = GetItemSize(nFolder, nItem, ipIcon);
    const int x = rcIn.left + (rcIn.Width() - szIcon.cx) / 2;
    rect = CRect(x, y, x + szIcon.cx, y + szIcon.cy);
}

void CKvOutBarCtrl::GetLabelRect(int nFolder, int nItem, CRect& rect)
{
    CRect rcIcon;
    GetIconRect(nFolder, nItem, rcIcon);
    CRect rcIn;
    GetInsideRect(rcIn);
    const CSize szLabel = GetItemSize(nFolder, nItem, ipLabel);
    const int x = rcIn.left + (rcIn.Width() - szLabel.cx) / 2;
    const int y = rcIcon.bottom + m_nLabelGap;
    rect = CRect(x, y, x + szLabel.cx, y + szLabel.cy);
}

void CKvOutBarCtrl::GetItemRect(int nFolder, int nItem, CRect& rect)
{
    CRect rcIcon;
    CRect rcLabel;
    GetIconRect(nFolder, nItem, rcIcon);
    GetLabelRect(nFolder, nItem, rcLabel);
    rect = CRect(std::min(rcIcon.left, rcLabel.left), rcIcon.top, std::max(rcIcon.right, rcLabel.right),
                 std::max(rcIcon.bottom, rcLabel.bottom));
}

void CKvOutBarCtrl::GetVisibleRange(int nFolder, int& nFirst, int& nLast)
{
    nFirst = m_nFirstItem;
    nLast = m_nFirstItem;
    const CBarFolder* pFolder = Folder(nFolder);
    if (pFolder == nullptr) {
        return;
    }
    CRect rcIn;
    GetInsideRect(rcIn);
    // The last item wholly inside; the first counts even when it does not fit.
    for (int i = m_nFirstItem + 1; i < pFolder->Count(); ++i) {
        CRect rc;
        GetItemRect(nFolder, i, rc);
        if (rc.bottom > rcIn.bottom) {
            break;
        }
        nLast = i;
    }
}

int CKvOutBarCtrl::GetDragItemRect(int nPosition, CRect& rect)
{
    CRect rcIn;
    GetInsideRect(rcIn);
    const int nOpen = OpenFolder();
    const int nCount = GetItemCount();
    int nKind = 1;
    int nTop = 0;
    int nBottom = 0;
    if (nPosition >= nCount && nCount > 0) {
        CRect rcLast;
        GetItemRect(nOpen, nCount - 1, rcLast);
        nTop = rcLast.bottom + 6;
        nBottom = rcLast.bottom + 11;
        nKind = 2;
    } else if (nPosition <= 0) {
        CRect rcFirst;
        GetItemRect(nOpen, 0, rcFirst);
        nTop = rcFirst.top - 4 + 2;
        nBottom = rcFirst.top - 4 + 7;
        nKind = 0;
    } else {
        CRect rcItem;
        GetItemRect(nOpen, nPosition, rcItem);
        nTop = rcItem.top - 4 - 9;
        nBottom = rcItem.top - 4;
    }
    rect = CRect(rcIn.left + 2, nTop, rcIn.right - 2, nBottom);
    return nKind;
}

void CKvOutBarCtrl::GetArrowRect(BOOL bDown, CRect& rect) const
{
    CRect rcIn;
    GetInsideRect(rcIn);
    const int n = ::GetSystemMetrics(SM_CXVSCROLL);
    const int y = bDown ? rcIn.bottom - 5 - n : rcIn.top + 5;
    rect = CRect(rcIn.right - 5 - n, y, rcIn.right - 5, y + n);
}

void CKvOutBarCtrl::UpdateArrows()
{
    const int nOpen = OpenFolder();
    const CBarFolder* pFolder = Folder(nOpen);
    if (pFolder == nullptr || pFolder->pChild != nullptr) {
        m_bUpArrow = FALSE;
        m_bDownArrow = FALSE;
        return;
    }
    int nFirst = 0;
    int nLast = 0;
    GetVisibleRange(nOpen, nFirst, nLast);
    m_bUpArrow = m_nFirstItem > 0;
    m_bDownArrow = pFolder->Count() > 0 && nLast < pFolder->Count() - 1;
}

int CKvOutBarCtrl::HitTestEx(const CPoint& point, int& nIndex)
{
    nIndex = -1;
    CRect rc;
    if (m_bUpArrow) {
        GetArrowRect(FALSE, rc);
        if (rc.PtInRect(point)) {
            return htUpScroll;
        }
    }
    if (m_bDownArrow) {
        GetArrowRect(TRUE, rc);
        if (rc.PtInRect(point)) {
            return htDownScroll;
        }
    }
    for (int i = 0; i < GetFolderCount(); ++i) {
        if (GetFolderRect(i, rc) && rc.PtInRect(point)) {
            nIndex = i;
            return htFolder;
        }
    }
    const int nOpen = OpenFolder();
    const CBarFolder* pFolder = Folder(nOpen);
    if (pFolder == nullptr || pFolder->pChild != nullptr) {
        return htNothing;
    }
    CRect rcIn;
    GetInsideRect(rcIn);
    if (!rcIn.PtInRect(point)) {
        return htNothing;
    }
    for (int i = m_nFirstItem; i < pFolder->Count(); ++i) {
        CRect rcIcon;
        CRect rcLabel;
        GetIconRect(nOpen, i, rcIcon);
        if (rcIcon.top >= rcIn.bottom) {
            break;
        }
        GetLabelRect(nOpen, i, rcLabel);
        if (rcIcon.PtInRect(point) || rcLabel.PtInRect(point)) {
            nIndex = i;
            return htItem;
        }
    }
    return htNothing;
}

void CKvOutBarCtrl::MoveChildren()
{
    CRect rcIn;
    GetInsideRect(rcIn);
    for (int i = 0; i < GetFolderCount(); ++i) {
        CWnd* pChild = Folder(i)->pChild;
        if (pChild != nullptr && pChild->m_hWnd != nullptr) {
            pChild->MoveWindow(rcIn.left, rcIn.top, rcIn.Width(), rcIn.Height(), TRUE);
        }
    }
}

// ---- drawing

void CKvOutBarCtrl::KvDrawFloderTest(CDC* pDC, CString strText, CRect rect)
{
    CFxSavedDC saved(pDC);
    pDC->SelectStockObject(DEFAULT_GUI_FONT);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    if (m_nLayout == 1) {
        pDC->DrawText(strText, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        return;
    }
    const CString strStacked = StackedText(strText);
    CRect rcCalc(0, 0, rect.Width(), 0);
    pDC->DrawText(strStacked, &rcCalc, DT_CALCRECT | DT_CENTER | DT_NOPREFIX);
    CRect rcText = rect;
    rcText.top += std::max(0, (rect.Height() - rcCalc.Height()) / 2);
    pDC->DrawText(strStacked, &rcText, DT_CENTER | DT_NOPREFIX);
}

void CKvOutBarCtrl::DrawFolder(CDC* pDC, int nFolder, CRect rect, bool bPressed)
{
    const CBarFolder* pFolder = Folder(nFolder);
    if (pFolder == nullptr) {
        return;
    }
    pDC->FillSolidRect(&rect, m_cr3DFace);
    CRect rcEdge = rect;
    if (bPressed) {
        pDC->Draw3dRect(&rcEdge, m_crDarkShadow, m_crHighlight);
        rcEdge.DeflateRect(1, 1);
        pDC->Draw3dRect(&rcEdge, m_crFrame, m_cr3DFace);
    } else {
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, RGB(255, 255, 255));
        rcEdge.top += 1;
        pDC->Draw3dRect(&rcEdge, m_crHighlight, RGB(0x81, 0x81, 0x81));
    }
    CRect rcText = rect;
    rcText.DeflateRect(2, 2);
    if (bPressed) {
        rcText.OffsetRect(1, 1);
    }
    KvDrawFloderTest(pDC, pFolder->strName, rcText);
}

void CKvOutBarCtrl::DrawItem(CDC* pDC, int nFolder, CRect rect, int nItem, bool bOnlyImage)
{
    const CBarFolder* pFolder = Folder(nFolder);
    const CBarItem* pItem = pFolder != nullptr ? pFolder->Item(nItem) : nullptr;
    if (pItem == nullptr) {
        return;
    }
    CFxSavedDC saved(pDC);
    ::IntersectClipRect(pDC->GetSafeHdc(), rect.left, rect.top, rect.right, rect.bottom);
    CRect rcIcon;
    GetIconRect(nFolder, nItem, rcIcon);
    const CImageList* pList = ImageListOf(nFolder);
    if (pList != nullptr && pList->GetSafeHandle() != nullptr) {
        pList->Draw(pDC, pItem->nImage, rcIcon.TopLeft(), ILD_TRANSPARENT);
    }
    if ((m_dwFlags & KV_OBF_SELHIGHLIGHT) != 0 && nItem == m_nLastSel && nFolder == OpenFolder()) {
        CRect rcSel = rcIcon;
        rcSel.InflateRect(1, 1);
        pDC->Draw3dRect(&rcSel, m_crDarkShadow, m_cr3DLight);
    }
    if (bOnlyImage) {
        return;
    }
    CRect rcLabel;
    GetLabelRect(nFolder, nItem, rcLabel);
    pDC->SelectStockObject(DEFAULT_GUI_FONT);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_crText);
    pDC->DrawText(pItem->strText, &rcLabel, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
}

void CKvOutBarCtrl::DrawArrow(CDC* pDC, BOOL bDown, BOOL bPushed)
{
    CRect rc;
    GetArrowRect(bDown, rc);
    pDC->DrawFrameControl(&rc, DFC_SCROLL, (bDown ? DFCS_SCROLLDOWN : DFCS_SCROLLUP) | (bPushed ? DFCS_PUSHED : 0));
}

void CKvOutBarCtrl::PaintItems(CDC* pDC, int nFolder, CRect rect)
{
    const CBarFolder* pFolder = Folder(nFolder);
    if (pFolder == nullptr) {
        return;
    }
    for (int i = m_nFirstItem; i < pFolder->Count(); ++i) {
        CRect rcItem;
        GetItemRect(nFolder, i, rcItem);
        if (rcItem.top >= rect.bottom) {
            break;
        }
        DrawItem(pDC, nFolder, rect, i, false);
    }
    UpdateArrows();
    if (m_bUpArrow) {
        DrawArrow(pDC, FALSE, m_bUpPressed);
    }
    if (m_bDownArrow) {
        DrawArrow(pDC, TRUE, m_bDownPressed);
    }
}

void CKvOutBarCtrl::OnPaint()
{
    CPaintDC dc(m_hWnd);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty()) {
        return;
    }
    {
        CDC dcMem;
        CBitmap bmp;
        if (!dcMem.CreateCompatibleDC(&dc) || !bmp.CreateCompatibleBitmap(&dc, rcClient.Width(), rcClient.Height())) {
            return;
        }
        CFxSelectGuard guard(&dcMem, &bmp);
        const int nOpen = OpenFolder();
        const CBarFolder* pOpen = Folder(nOpen);
        CRect rcIn;
        GetInsideRect(rcIn);
        if (pOpen == nullptr) {
            dcMem.FillSolidRect(&rcClient, m_crBackground);
        } else if (pOpen->pChild == nullptr) {
            dcMem.FillSolidRect(&rcIn, m_crBackground);
        }
        for (int i = 0; i < GetFolderCount(); ++i) {
            CRect rc;
            GetFolderRect(i, rc);
            DrawFolder(&dcMem, i, rc, false);
        }
        if (pOpen != nullptr && pOpen->pChild == nullptr) {
            PaintItems(&dcMem, nOpen, rcIn);
        }
        dc.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &dcMem, 0, 0, SRCCOPY);
    }
    // The highlights live on the screen only: draw them again over the copy.
    if (m_nHighlightFolder >= 0) {
        const int nFolder = m_nHighlightFolder;
        m_nHighlightFolder = -1;
        HighlightFolder(nFolder);
    }
    if (m_nHighlightItem >= 0) {
        DrawHighlightFrame(&dc, m_nHighlightItem, m_bHighlightPressed, false);
    }
}

BOOL CKvOutBarCtrl::OnEraseBkgnd(CDC* /*pDC*/)
{
    // OnPaint covers every pixel.
    return TRUE;
}

void CKvOutBarCtrl::HighlightFolder(int nFolder)
{
    if (nFolder == m_nHighlightFolder || m_hWnd == nullptr) {
        return;
    }
    CClientDC dc(m_hWnd);
    CRect rc;
    if (GetFolderRect(m_nHighlightFolder, rc)) {
        dc.FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, m_crFrame);
        dc.FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), m_crFrame);
        dc.FillSolidRect(rc.left + 1, rc.bottom - 2, rc.Width() - 2, 1, m_cr3DFace);
        dc.FillSolidRect(rc.right - 2, rc.top + 1, 1, rc.Height() - 2, m_cr3DFace);
    }
    m_nHighlightFolder = nFolder;
    if (GetFolderRect(nFolder, rc)) {
        dc.FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, m_crDarkShadow);
        dc.FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), m_crDarkShadow);
        dc.FillSolidRect(rc.left + 1, rc.bottom - 2, rc.Width() - 2, 1, m_crFrame);
        dc.FillSolidRect(rc.right - 2, rc.top + 1, 1, rc.Height() - 2, m_crFrame);
    }
}

void CKvOutBarCtrl::DrawHighlightFrame(CDC* pDC, int nItem, bool bPressed, bool bErase)
{
    const int nOpen = OpenFolder();
    if (!IsValidItem(nItem) || GetFolderChild(nOpen) != nullptr) {
        return;
    }
    CRect rcIn;
    GetInsideRect(rcIn);
    CFxSavedDC saved(pDC);
    ::IntersectClipRect(pDC->GetSafeHdc(), rcIn.left, rcIn.top, rcIn.right, rcIn.bottom);
    CRect rc;
    GetIconRect(nOpen, nItem, rc);
    rc.InflateRect(2, 2);
    if (bErase) {
        pDC->Draw3dRect(&rc, m_crBackground, m_crBackground);
    } else if (bPressed) {
        pDC->Draw3dRect(&rc, m_crDarkShadow, m_cr3DLight);
    } else {
        pDC->Draw3dRect(&rc, m_cr3DLight, m_crDarkShadow);
    }
}

void CKvOutBarCtrl::HighlightItem(int nItem, bool bPressed)
{
    if (m_hWnd == nullptr || (nItem == m_nHighlightItem && bPressed == m_bHighlightPressed)) {
        return;
    }
    CClientDC dc(m_hWnd);
    DrawHighlightFrame(&dc, m_nHighlightItem, false, true);
    m_nHighlightItem = nItem;
    m_bHighlightPressed = bPressed;
    DrawHighlightFrame(&dc, nItem, bPressed, false);
}

void CKvOutBarCtrl::DrawDragArrow(CDC* pDC, int nFrom, int nTo)
{
    if (nFrom == nTo) {
        return;
    }
    CRect rc;
    if (nFrom >= 0) {
        // The band lies between items: repaint it from the window's own drawing.
        GetDragItemRect(nFrom, rc);
        InvalidateRect(&rc, FALSE);
        UpdateWindow();
    }
    if (nTo < 0) {
        return;
    }
    GetDragItemRect(nTo, rc);
    CFxSelectGuard guard(pDC, &m_penBlack);
    const int y = (rc.top + rc.bottom) / 2;
    const int h = rc.Height() / 2;
    pDC->MoveTo(rc.left, y);
    pDC->LineTo(rc.right, y);
    // An arrow head at each end, pointing inwards.
    for (int i = 0; i <= h; ++i) {
        pDC->MoveTo(rc.left + i, y - (h - i));
        pDC->LineTo(rc.left + i, y + (h - i) + 1);
        pDC->MoveTo(rc.right - 1 - i, y - (h - i));
        pDC->LineTo(rc.right - 1 - i, y + (h - i) + 1);
    }
}

// ---- mouse

LRESULT CKvOutBarCtrl::OnSetCursor(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    POINT pt{};
    ::GetCursorPos(&pt);
    ::ScreenToClient(m_hWnd, &pt);
    int nIndex = -1;
    if (HitTestEx(CPoint(pt.x, pt.y), nIndex) == htFolder) {
        ::SetCursor(BarCursor(IDC_KV_OUTBAR_FOLDER));
        return TRUE;
    }
    return Default();
}

void CKvOutBarCtrl::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    HWND hFocus = ::GetFocus();
    if (hFocus != nullptr && ::IsChild(m_hWnd, hFocus)) {
        return;
    }
    int nIndex = -1;
    const int nHit = HitTestEx(point, nIndex);
    HighlightFolder(nHit == htFolder ? nIndex : -1);
    HighlightItem(nHit == htItem ? nIndex : -1, false);
}

void CKvOutBarCtrl::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    int nIndex = -1;
    const int nHit = HitTestEx(point, nIndex);
    m_nLastHit = nHit;
    m_nLastHitIndex = nIndex;
    if (nHit == htNothing) {
        return;
    }
    ::SetCapture(m_hWnd);
    if (nHit == htFolder) {
        TrackFolder(nIndex);
    } else if (nHit == htItem) {
        TrackItem(nIndex);
    } else {
        TrackArrow(nHit);
    }
    // Released on every way out of the loops, a lost capture included.
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
    }
}

namespace
{
// Next message of the bar's own loop. FALSE ends the loop: capture gone, Esc, or WM_QUIT (put
// back for the outer loop). Messages the loop does not want are dispatched.
enum LoopEvent { leEnd, leMove, leUp };
LoopEvent NextEvent(HWND hWnd, MSG& msg)
{
    while (::GetCapture() == hWnd) {
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return leEnd;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            return leEnd;
        }
        if (msg.hwnd == hWnd && msg.message == WM_MOUSEMOVE) {
            return leMove;
        }
        if (msg.hwnd == hWnd && msg.message == WM_LBUTTONUP) {
            return leUp;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return leEnd;
}
} // namespace

void CKvOutBarCtrl::TrackFolder(int nFolder)
{
    CRect rc;
    GetFolderRect(nFolder, rc);
    bool bPressed = true;
    {
        CClientDC dc(m_hWnd);
        DrawFolder(&dc, nFolder, rc, true);
    }
    MSG msg{};
    LoopEvent ev = leEnd;
    while ((ev = NextEvent(m_hWnd, msg)) == leMove) {
        const bool bOver = rc.PtInRect(MsgPoint(msg)) != FALSE;
        if (bOver != bPressed) {
            bPressed = bOver;
            CClientDC dc(m_hWnd);
            DrawFolder(&dc, nFolder, rc, bPressed);
        }
    }
    const bool bOpen = ev == leUp && rc.PtInRect(MsgPoint(msg)) && nFolder != OpenFolder();
    {
        CClientDC dc(m_hWnd);
        DrawFolder(&dc, nFolder, rc, false);
    }
    if (bOpen) {
        SetSelFolder(nFolder);
    }
}

void CKvOutBarCtrl::TrackArrow(int nHit)
{
    const BOOL bDown = nHit == htDownScroll;
    BOOL& bPushed = bDown ? m_bDownPressed : m_bUpPressed;
    CRect rc;
    GetArrowRect(bDown, rc);
    bPushed = TRUE;
    {
        CClientDC dc(m_hWnd);
        DrawArrow(&dc, bDown, TRUE);
    }
    MSG msg{};
    LoopEvent ev = leEnd;
    while ((ev = NextEvent(m_hWnd, msg)) == leMove) {
        const BOOL bOver = rc.PtInRect(MsgPoint(msg));
        if (bOver != bPushed) {
            bPushed = bOver;
            CClientDC dc(m_hWnd);
            DrawArrow(&dc, bDown, bPushed);
        }
    }
    bPushed = FALSE;
    CRect rcIn;
    GetInsideRect(rcIn);
    if (ev == leUp && rc.PtInRect(MsgPoint(msg))) {
        const int nCount = GetItemCount();
        if (!bDown && m_nFirstItem > 0) {
            --m_nFirstItem;
        } else if (bDown && nCount > 0) {
            CRect rcLast;
            GetItemRect(OpenFolder(), nCount - 1, rcLast);
            if (rcLast.bottom > rcIn.bottom && m_nFirstItem < nCount - 1) {
                ++m_nFirstItem;
            }
        }
        m_nHighlightItem = -1;
    }
    InvalidateRect(&rcIn);
}

int CKvOutBarCtrl::DropPosition(int nFrom, const CPoint& point)
{
    int nIndex = -1;
    const int nHit = HitTestEx(point, nIndex);
    if (nHit == htItem) {
        if (nIndex == nFrom) {
            return -1;
        }
        // The mark shows where the item lands: before a target above it, after one below it.
        return nIndex < nFrom ? nIndex : nIndex + 1;
    }
    const int nCount = GetItemCount();
    CRect rcIn;
    GetInsideRect(rcIn);
    CRect rcLast;
    GetItemRect(OpenFolder(), nCount - 1, rcLast);
    if (rcIn.PtInRect(point) && point.y >= rcLast.bottom && nFrom != nCount - 1) {
        return nCount;
    }
    return -1;
}

void CKvOutBarCtrl::MoveItem(int nFrom, int nTo)
{
    CBarFolder* pFolder = Folder(OpenFolder());
    if (pFolder == nullptr || pFolder->Item(nFrom) == nullptr) {
        return;
    }
    void* pItem = pFolder->arItem[nFrom];
    pFolder->arItem.RemoveAt(nFrom);
    nTo = std::max(0, std::min(nTo, pFolder->Count()));
    pFolder->arItem.InsertAt(nTo, pItem);
    if (m_nLastSel == nFrom) {
        m_nLastSel = nTo;
    }
}

void CKvOutBarCtrl::TrackItem(int nItem)
{
    CRect rcIcon;
    CRect rcLabel;
    GetIconRect(OpenFolder(), nItem, rcIcon);
    GetLabelRect(OpenFolder(), nItem, rcLabel);
    auto onItem = [&](const CPoint& pt) { return rcIcon.PtInRect(pt) || rcLabel.PtInRect(pt); };
    HighlightItem(nItem, true);
    bool bPressed = true;
    bool bDragging = false;
    int nMark = -1;
    MSG msg{};
    LoopEvent ev = leEnd;
    while ((ev = NextEvent(m_hWnd, msg)) == leMove) {
        const CPoint pt = MsgPoint(msg);
        if (m_bDragItem != 0) {
            if (!bDragging && !onItem(pt)) {
                bDragging = true;
                ::SetCursor(BarCursor(IDC_KV_OUTBAR_DRAG));
            }
            if (bDragging) {
                const int nNewMark = DropPosition(nItem, pt);
                CClientDC dc(m_hWnd);
                DrawDragArrow(&dc, nMark, nNewMark);
                nMark = nNewMark;
            }
            continue;
        }
        if (onItem(pt) != bPressed) {
            bPressed = !bPressed;
            HighlightItem(bPressed ? nItem : -1, bPressed);
        }
    }
    const CPoint ptEnd = MsgPoint(msg);
    if (bDragging) {
        if (ev == leUp) {
            int nIndex = -1;
            const int nDrop = DropPosition(nItem, ptEnd);
            if (HitTestEx(ptEnd, nIndex) == htItem && nIndex != nItem) {
                // Taken out first: a target after the source ends one place earlier.
                MoveItem(nItem, nIndex);
            } else if (nDrop == GetItemCount()) {
                MoveItem(nItem, GetItemCount() - 1);
            }
        }
        m_nHighlightItem = -1;
        Invalidate();
        return;
    }
    HighlightItem(-1, false);
    if (ev != leUp || !onItem(ptEnd)) {
        return;
    }
    if (CWnd* pTarget = NotifyTarget()) {
        pTarget->SendMessage(WM_KV_OUTBAR_NOTIFY, KV_OBN_ITEMCLICK, nItem);
    }
    if ((m_dwFlags & KV_OBF_SELHIGHLIGHT) != 0 && ::IsWindow(m_hWnd)) {
        const int nOld = m_nLastSel;
        m_nLastSel = nItem;
        for (int n : {nOld, nItem}) {
            if (IsValidItem(n)) {
                CRect rc;
                GetIconRect(OpenFolder(), n, rc);
                rc.InflateRect(1, 1);
                InvalidateRect(&rc);
            }
        }
    }
}

void CKvOutBarCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    m_bUpArrow = FALSE;
    m_bDownArrow = FALSE;
    MoveChildren();
}
