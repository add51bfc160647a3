#include "framework/FwTreeCtrl.h"

#include <mbstring.h>

#include <algorithm>
#include <vector>

#include "framework/FwColumnTextMap.h"
#include "framework/FwTreeDragImageFun.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/ImageList.h"
#include "platform/gdi/Pen.h"

namespace
{
const int defaultIndent = 20;
const UINT textBufferSize = 2048;
// The marker that splits a wrapping label; never shown.
const char splitMarker[] = "\\{HI}";

BOOL IsKeyDown(int nVirtKey)
{
    return (GetKeyState(nVirtKey) & 0x8000) != 0;
}

// The bold copy of an item font, shared by all trees and rebuilt when the font changes.
CFont* BoldFontFor(CFont* pFont)
{
    static CFont bold;
    static HGDIOBJ hMadeFrom = nullptr;
    if (pFont == nullptr) {
        return nullptr;
    }
    if (bold.m_hObject == nullptr || hMadeFrom != pFont->m_hObject) {
        LOGFONTA lf = {};
        pFont->GetLogFont(&lf);
        lf.lfWeight = FW_BOLD;
        bold.DeleteObject();
        bold.CreateFontIndirect(&lf);
        hMadeFrom = pFont->m_hObject;
    }
    return &bold;
}
} // namespace

FwTreeCtrl::FwTreeCtrl() : m_pRoot(nullptr), m_pColumnTexts(nullptr), m_nIndent(defaultIndent)
{
    ResetRoot();
    m_dwStyle = FWLS_REPORT | FWLS_SINGLESEL | FWLS_NOLABELWRAP | FWLS_NOCOLUMNHEADER;
}

FwTreeCtrl::~FwTreeCtrl()
{
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) {
        DestroyWindow();
    }
    delete m_pRoot;
    delete m_pColumnTexts;
}

void FwTreeCtrl::ResetRoot()
{
    delete m_pRoot;
    m_pRoot = CreateTreeItem();
    m_pRoot->SetExpanded(TRUE);
}

FwTreeItem* FwTreeCtrl::CreateTreeItem()
{
    return new FwTreeItem;
}

// Creation and styles.

void FwTreeCtrl::TakeStyles(DWORD& dwStyle, DWORD& dwExStyle)
{
    m_styles.TakeFrom(dwStyle, dwExStyle);
    FwListCtrl::TakeStyles(dwStyle, dwExStyle);
    m_dwStyle |= FWLS_REPORT;
    if (m_styles.GetStyle() & FWTS_EDITLABELS) {
        m_dwStyle |= FWLS_EDITLABELS;
    }
    if (m_styles.GetStyle() & FWTS_SHOWSELALWAYS) {
        m_dwStyle |= FWLS_SHOWSELALWAYS;
    }
    m_styles.ApplyBehaviour(m_dwStyle, m_dwExStyle);
    m_dwExStyle |= FWLS_EX_FITCOLUMNS;
}

BOOL FwTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, dwStyle, rect, pParentWnd, nID);
}

BOOL FwTreeCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (GetColumnCount() == 0) {
        InsertColumn(0, "", LVCFMT_LEFT, rect.right - rect.left);
    }
    return FwListCtrl::CreateEx(dwExStyle, dwStyle, rect, pParentWnd, nID);
}

void FwTreeCtrl::GetTreeStyles(DWORD& dwStyle, DWORD& dwExStyle) const
{
    dwStyle = m_styles.GetStyle();
    dwExStyle = m_styles.GetExStyle();
}

void FwTreeCtrl::SetTreeStyles(DWORD dwStyle, DWORD dwExStyle)
{
    m_styles.Set(dwStyle, dwExStyle);
    Invalidate(FALSE);
}

void FwTreeCtrl::SetTreeStyle(DWORD dwStyle)
{
    SetTreeStyles(dwStyle, m_styles.GetExStyle());
}

void FwTreeCtrl::SetTreeExStyle(DWORD dwExStyle)
{
    SetTreeStyles(m_styles.GetStyle(), dwExStyle);
}

void FwTreeCtrl::ModifyTreeStyle(DWORD dwRemove, DWORD dwAdd)
{
    SetTreeStyles((m_styles.GetStyle() & ~dwRemove) | dwAdd, m_styles.GetExStyle());
}

void FwTreeCtrl::ModifyTreeExStyle(DWORD dwRemove, DWORD dwAdd)
{
    SetTreeStyles(m_styles.GetStyle(), (m_styles.GetExStyle() & ~dwRemove) | dwAdd);
}

void FwTreeCtrl::ModifyTreeStyles(DWORD dwRemove, DWORD dwAdd, DWORD dwExRemove, DWORD dwExAdd)
{
    SetTreeStyles((m_styles.GetStyle() & ~dwRemove) | dwAdd, (m_styles.GetExStyle() & ~dwExRemove) | dwExAdd);
}

void FwTreeCtrl::SetLabelsWrap(BOOL bWrap)
{
    m_styles.SetBehaviour(FWTB_WRAPLABELS, bWrap);
    FwListCtrl::SetLabelsWrap(bWrap);
}

void FwTreeCtrl::SetInfoTips(BOOL bTips)
{
    m_styles.SetBehaviour(FWTB_INFOTIP, bTips);
    FwListCtrl::SetInfoTips(bTips);
}

void FwTreeCtrl::SetMultiSelect(BOOL bMulti)
{
    m_styles.SetBehaviour(FWTB_MULTISELECT, bMulti);
    FwListCtrl::SetMultiSelect(bMulti);
}

void FwTreeCtrl::SetHeaderShown(BOOL bShown)
{
    m_styles.SetBehaviour(FWTB_HEADER, bShown);
    FwListCtrl::SetHeaderShown(bShown);
}

void FwTreeCtrl::SetIndent(int nIndent)
{
    m_nIndent = std::max(nIndent, 0);
    if (m_nIndent % 2 != 0) {
        ++m_nIndent;
    }
    for (FwListItem* pRow : m_rows) {
        pRow->nHeight = -1;
    }
    Relayout();
}

CImageList* FwTreeCtrl::SetImageList(CImageList* pImageList, int nWhich)
{
    // The tree draws its rows' images from the normal list: the list takes it as its small one.
    CImageList* pOld = FwListCtrl::SetImageList(pImageList, nWhich == 0 ? 1 : nWhich);
    int cx = 0;
    int cy = 0;
    if (nWhich == 0 && pImageList != nullptr && pImageList->GetIconSize(cx, cy) && cx > m_nIndent) {
        SetIndent(cx);
    }
    return pOld;
}

// Items and rows.

FwTreeItem* FwTreeCtrl::Resolve(HTREEITEM hItem) const
{
    return hItem == nullptr || hItem == TVI_ROOT ? m_pRoot : FwTreeItem::FromHandle(hItem);
}

int FwTreeCtrl::FindRow(const FwTreeItem* pItem) const
{
    for (int i = 0; i < GetItemCount(); ++i) {
        if (reinterpret_cast<const FwTreeItem*>(m_rows[static_cast<size_t>(i)]->lParam) == pItem) {
            return i;
        }
    }
    return -1;
}

FwTreeItem* FwTreeCtrl::ItemOfRow(int nRow) const
{
    const FwListItem* pRow = GetRow(nRow);
    return pRow != nullptr ? reinterpret_cast<FwTreeItem*>(pRow->lParam) : nullptr;
}

int FwTreeCtrl::LevelOf(const FwTreeItem* pItem) const
{
    int nLevel = 0;
    for (const FwTreeNode* p = pItem; p != nullptr && p != m_pRoot; p = p->GetParent()) {
        ++nLevel;
    }
    return nLevel;
}

BOOL FwTreeCtrl::IsShown(const FwTreeItem* pItem) const
{
    if (pItem == nullptr || pItem == m_pRoot) {
        return FALSE;
    }
    if (pItem->m_nExtraState & FWTIS_HIDDEN) {
        return FALSE;
    }
    for (const FwTreeItem* p = pItem->GetParentItem(); p != nullptr && p != m_pRoot; p = p->GetParentItem()) {
        if (!p->IsExpanded() || (p->m_nExtraState & FWTIS_HIDDEN)) {
            return FALSE;
        }
    }
    return TRUE;
}

void FwTreeCtrl::InsertRowFor(FwTreeItem* pItem)
{
    int nRow = 0;
    for (FwTreeNode* pPrev = pItem->GetPrevInOrder(); pPrev != nullptr && pPrev != m_pRoot;
         pPrev = pPrev->GetPrevInOrder()) {
        const int nPrevRow = FindRow(static_cast<FwTreeItem*>(pPrev));
        if (nPrevRow >= 0) {
            nRow = nPrevRow + 1;
            break;
        }
    }
    LVITEMA row = {};
    row.mask = LVIF_TEXT | LVIF_PARAM;
    row.iItem = nRow;
    row.pszText = LPSTR_TEXTCALLBACKA;
    row.lParam = reinterpret_cast<LPARAM>(pItem);
    FwListCtrl::InsertItem(&row);
}

int FwTreeCtrl::InsertChildRows(FwTreeItem* pItem, int nRow)
{
    int nInserted = 0;
    for (FwTreeItem* pChild = pItem->GetFirstChildItem(); pChild != nullptr; pChild = pChild->GetNextSiblingItem()) {
        if (pChild->m_nExtraState & FWTIS_HIDDEN) {
            continue;
        }
        LVITEMA row = {};
        row.mask = LVIF_TEXT | LVIF_PARAM;
        row.iItem = nRow + nInserted;
        row.pszText = LPSTR_TEXTCALLBACKA;
        row.lParam = reinterpret_cast<LPARAM>(pChild);
        FwListCtrl::InsertItem(&row);
        ++nInserted;
        if (pChild->IsExpanded()) {
            nInserted += InsertChildRows(pChild, nRow + nInserted);
        }
    }
    return nInserted;
}

void FwTreeCtrl::RemoveDescendantRows(FwTreeItem* pItem)
{
    const int nRow = FindRow(pItem);
    const int nFirst = pItem == m_pRoot ? 0 : nRow + 1;
    if (pItem != m_pRoot && nRow < 0) {
        return;
    }
    int nCount = 0;
    while (nFirst + nCount < GetItemCount() && pItem->IsDescendantOf(ItemOfRow(nFirst + nCount))) {
        FwListCtrl::SelectItem(nFirst + nCount, FALSE);
        ++nCount;
    }
    if (nCount > 0) {
        FwListCtrl::DeleteItems(nFirst, nCount);
    }
}

HTREEITEM FwTreeCtrl::InsertItem(LPCSTR pszText, int nImage, int nSelectedImage, HTREEITEM hParent,
                                 HTREEITEM hInsertAfter)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = hParent;
    insert.hInsertAfter = hInsertAfter;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<LPSTR>(pszText);
    insert.item.iImage = nImage;
    insert.item.iSelectedImage = nSelectedImage;
    return InsertItem(&insert);
}

HTREEITEM FwTreeCtrl::InsertItem(LPCSTR pszText, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = hParent;
    insert.hInsertAfter = hInsertAfter;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<LPSTR>(pszText);
    return InsertItem(&insert);
}

HTREEITEM FwTreeCtrl::InsertItem(const TVINSERTSTRUCTA* pInsert)
{
    if (pInsert == nullptr) {
        return nullptr;
    }
    FwTreeItem* pParent = Resolve(pInsert->hParent);
    const TVITEMA& rec = pInsert->item;
    FwTreeItem* pNew = CreateTreeItem();
    pNew->SetText((rec.mask & TVIF_TEXT) ? rec.pszText : "");
    if (rec.mask & TVIF_IMAGE) {
        pNew->m_item.iImage = rec.iImage;
    }
    if (rec.mask & TVIF_SELECTEDIMAGE) {
        pNew->m_item.iSelectedImage = rec.iSelectedImage;
    }
    if (rec.mask & TVIF_PARAM) {
        pNew->m_item.lParam = rec.lParam;
    }
    if (rec.mask & TVIF_STATE) {
        pNew->m_item.state = rec.state & rec.stateMask & ~static_cast<UINT>(TVIS_EXPANDED | TVIS_SELECTED);
        // Expanded only when both the mask and the state say so.
        if (rec.state & rec.stateMask & TVIS_EXPANDED) {
            pNew->m_item.state |= TVIS_EXPANDED;
        }
    }
    if (rec.mask & TVIF_CHILDREN) {
        pNew->m_item.cChildren = rec.cChildren;
    }
    FwTreeNode* pAfter = FwTreeNode::InsertLast;
    const HTREEITEM hAfter = pInsert->hInsertAfter;
    if (hAfter == TVI_FIRST) {
        pAfter = FwTreeNode::InsertFirst;
    } else if (hAfter == TVI_SORT || hAfter == FWTI_SORTDESCENDING) {
        const int nSign = hAfter == TVI_SORT ? 1 : -1;
        pAfter = FwTreeNode::InsertFirst;
        for (FwTreeItem* pChild = pParent->GetFirstChildItem(); pChild != nullptr;
             pChild = pChild->GetNextSiblingItem()) {
            if (nSign * CompareItems(pChild, pNew) > 0) {
                break;
            }
            pAfter = pChild;
        }
    } else if (hAfter != nullptr && hAfter != TVI_ROOT && hAfter != TVI_LAST) {
        pAfter = FwTreeItem::FromHandle(hAfter);
        if (pParent->GetFirstChild() != nullptr && pAfter->GetParent() != pParent) {
            delete pNew;
            return nullptr;
        }
    }
    if (!pParent->InsertChild(pNew, pAfter)) {
        delete pNew;
        return nullptr;
    }
    if (IsShown(pNew)) {
        InsertRowFor(pNew);
        if (pNew->IsExpanded()) {
            InsertChildRows(pNew, FindRow(pNew) + 1);
        }
    }
    // The parent's button may appear.
    InvalidateItem(pParent->GetHandle());
    if (m_hWnd != nullptr && IsWindowVisible()) {
        Relayout();
    }
    return pNew->GetHandle();
}

void FwTreeCtrl::NotifyTreeDeleteItem(FwTreeItem* pItem)
{
    SendTreeNotify(TVN_DELETEITEMA, pItem, nullptr, 0);
    if (m_pColumnTexts != nullptr) {
        m_pColumnTexts->Remove(pItem);
    }
}

void FwTreeCtrl::DeleteOneItem(FwTreeItem* pItem)
{
    pItem->Unlink();
    const int nRow = FindRow(pItem);
    if (nRow >= 0) {
        FwListCtrl::DeleteItems(nRow, 1);
    }
    NotifyTreeDeleteItem(pItem);
    delete pItem;
}

BOOL FwTreeCtrl::DeleteItem(HTREEITEM hItem)
{
    FwTreeItem* pItem = Resolve(hItem);
    if (pItem == m_pRoot) {
        return DeleteAllItems();
    }
    FwTreeItem* pParent = pItem->GetParentItem();
    while (pItem->GetFirstChild() != nullptr) {
        DeleteOneItem(static_cast<FwTreeItem*>(pItem->GetDeepestFirstChild()));
    }
    DeleteOneItem(pItem);
    if (pParent != nullptr) {
        InvalidateItem(pParent->GetHandle());
    }
    return TRUE;
}

BOOL FwTreeCtrl::DeleteAllItems()
{
    FwListCtrl::DeleteAllItems();
    if (m_pRoot == nullptr) {
        return TRUE;
    }
    while (m_pRoot->GetFirstChild() != nullptr) {
        FwTreeItem* pLeaf = static_cast<FwTreeItem*>(m_pRoot->GetDeepestFirstChild());
        pLeaf->Unlink();
        NotifyTreeDeleteItem(pLeaf);
        delete pLeaf;
    }
    ResetRoot();
    return TRUE;
}

void FwTreeCtrl::OnDestroy()
{
    DeleteAllItems();
    FwListCtrl::OnDestroy();
}

// Text and records.

CString FwTreeCtrl::TextOf(FwTreeItem* pItem)
{
    if (!pItem->m_bCallbackText) {
        return pItem->m_strText;
    }
    TVITEMA answer = {};
    NotifyTreeGetDispInfo(pItem, TVIF_TEXT, answer);
    return CString(answer.pszText != nullptr && answer.pszText != LPSTR_TEXTCALLBACKA ? answer.pszText : "");
}

BOOL FwTreeCtrl::NotifyTreeGetDispInfo(FwTreeItem* pItem, UINT nMask, TVITEMA& answer)
{
    NMTVDISPINFOA info = {};
    info.hdr.code = TVN_GETDISPINFOA;
    info.item = pItem->GetRecord();
    info.item.mask = nMask | TVIF_HANDLE;
    info.item.pszText = m_pszTextBuffer;
    info.item.cchTextMax = static_cast<int>(textBufferSize);
    m_pszTextBuffer[0] = '\0';
    SendNotify(&info.hdr);
    answer = info.item;
    return TRUE;
}

void FwTreeCtrl::NotifyTreeSetDispInfo(FwTreeItem* pItem, LPCSTR pszText)
{
    NMTVDISPINFOA info = {};
    info.hdr.code = TVN_SETDISPINFOA;
    info.item = pItem->GetRecord();
    info.item.mask = TVIF_TEXT | TVIF_HANDLE;
    info.item.pszText = const_cast<LPSTR>(pszText);
    SendNotify(&info.hdr);
}

// 8. Drag images.

BOOL FwTreeCtrl::CreateLabelBitmap(HTREEITEM hItem, CBitmap& bitmap)
{
    FwTreeItem* pItem = Resolve(hItem);
    if (pItem == m_pRoot || bitmap.m_hObject != nullptr) {
        return FALSE;
    }
    CString strText = TextOf(pItem);
    const int nFeed = strText.Find('\n');
    if (nFeed >= 0) {
        strText = strText.Left(nFeed);
    }
    strText.Replace(splitMarker, "");
    return FwTreeDragImageFun::CreateLabelBitmap(strText, GetItemFont(), GetBkColor(), GetTextColor(), bitmap);
}

BOOL FwTreeCtrl::CreateImageListFromBitmap(CBitmap* pBitmap, COLORREF crMask, CImageList& imageList)
{
    return FwTreeDragImageFun::CreateImageListFromBitmap(pBitmap, crMask, imageList);
}

BOOL FwTreeCtrl::CreateImageListFromIcon(HICON hIcon, CImageList& imageList)
{
    return FwTreeDragImageFun::CreateImageListFromIcon(hIcon, imageList);
}

BOOL FwTreeCtrl::MergeImageLists(const CImageList* pList1, int nImage1, const CImageList* pList2, int nImage2, int dx,
                                 int dy, CImageList& merged)
{
    return merged.Create(pList1, nImage1, pList2, nImage2, dx, dy);
}

CString FwTreeCtrl::GetItemText(HTREEITEM hItem, int nCol)
{
    FwTreeItem* pItem = Resolve(hItem);
    if (pItem == m_pRoot) {
        return CString();
    }
    if (nCol == 0) {
        return TextOf(pItem);
    }
    if (m_pColumnTexts != nullptr) {
        const CStringArray* pTexts = m_pColumnTexts->Lookup(pItem, FALSE);
        return pTexts != nullptr && nCol - 1 < pTexts->GetSize() ? pTexts->GetAt(nCol - 1) : CString();
    }
    const int nRow = FindRow(pItem);
    return nRow >= 0 ? FwListCtrl::GetItemText(nRow, nCol) : CString();
}

BOOL FwTreeCtrl::SetItemText(HTREEITEM hItem, int nCol, LPCSTR pszText)
{
    FwTreeItem* pItem = Resolve(hItem);
    if (pItem == m_pRoot) {
        return FALSE;
    }
    if (nCol == 0) {
        return SetLabelText(hItem, pszText);
    }
    if (m_pColumnTexts != nullptr) {
        return SetColumnText(hItem, nCol, pszText);
    }
    const int nRow = FindRow(pItem);
    return nRow >= 0 && FwListCtrl::SetItemText(nRow, nCol, pszText);
}

BOOL FwTreeCtrl::SetLabelText(HTREEITEM hItem, LPCSTR pszText)
{
    FwTreeItem* pItem = Resolve(hItem);
    if (pItem == m_pRoot) {
        return FALSE;
    }
    if (pItem->m_bCallbackText && pszText != LPSTR_TEXTCALLBACKA) {
        // The parent keeps the text of a callback item.
        NotifyTreeSetDispInfo(pItem, pszText);
    } else {
        pItem->SetText(pszText);
    }
    const int nRow = FindRow(pItem);
    if (nRow >= 0) {
        m_rows[static_cast<size_t>(nRow)]->nHeight = -1;
        Relayout();
    }
    return TRUE;
}

void FwTreeCtrl::CreateColumnTexts(BOOL bCreate)
{
    if (bCreate && m_pColumnTexts == nullptr) {
        m_pColumnTexts = new FwColumnTextMap;
    } else if (!bCreate) {
        delete m_pColumnTexts;
        m_pColumnTexts = nullptr;
    }
}

BOOL FwTreeCtrl::SetColumnText(HTREEITEM hItem, int nCol, LPCSTR pszText)
{
    FwTreeItem* pItem = Resolve(hItem);
    if (m_pColumnTexts == nullptr || pItem == m_pRoot || nCol <= 0 || nCol >= GetColumnCount()) {
        return FALSE;
    }
    CStringArray* pTexts = m_pColumnTexts->Lookup(pItem, TRUE);
    if (pTexts->GetSize() < nCol) {
        pTexts->SetSize(nCol);
    }
    pTexts->SetAt(nCol - 1, pszText != nullptr ? pszText : "");
    InvalidateItem(hItem);
    return TRUE;
}

BOOL FwTreeCtrl::GetItem(LVITEMA* pItem, BOOL bCopyText, BOOL bAskParent)
{
    FwTreeItem* pTree = pItem != nullptr ? ItemOfRow(pItem->iItem) : nullptr;
    if (pTree == nullptr || !(pItem->mask & LVIF_TEXT) || (pItem->iSubItem > 0 && m_pColumnTexts == nullptr)) {
        return FwListCtrl::GetItem(pItem, bCopyText, bAskParent);
    }
    // The row's texts are the tree's: the label and the column-text store.
    static CString s_strAnswer;
    s_strAnswer = GetItemText(pTree->GetHandle(), pItem->iSubItem);
    if (bCopyText) {
        if (pItem->pszText != nullptr && pItem->pszText != LPSTR_TEXTCALLBACKA && pItem->cchTextMax > 0) {
            lstrcpynA(pItem->pszText, s_strAnswer, pItem->cchTextMax);
        }
    } else {
        pItem->pszText = const_cast<LPSTR>(static_cast<LPCSTR>(s_strAnswer));
    }
    LVITEMA rest = *pItem;
    rest.mask &= ~static_cast<UINT>(LVIF_TEXT);
    const BOOL bResult = rest.mask == 0 || FwListCtrl::GetItem(&rest, bCopyText, bAskParent);
    rest.mask = pItem->mask;
    rest.pszText = pItem->pszText;
    *pItem = rest;
    return bResult;
}

BOOL FwTreeCtrl::SetItem(const LVITEMA* pItem, BOOL bRedraw)
{
    FwTreeItem* pTree = pItem != nullptr ? ItemOfRow(pItem->iItem) : nullptr;
    if (pTree == nullptr || !(pItem->mask & LVIF_TEXT) || (pItem->iSubItem > 0 && m_pColumnTexts == nullptr)) {
        return FwListCtrl::SetItem(pItem, bRedraw);
    }
    if (pItem->iSubItem == 0) {
        SetLabelText(pTree->GetHandle(), pItem->pszText);
    } else {
        SetColumnText(pTree->GetHandle(), pItem->iSubItem, pItem->pszText);
    }
    LVITEMA rest = *pItem;
    rest.mask &= ~static_cast<UINT>(LVIF_TEXT);
    return rest.mask == 0 || FwListCtrl::SetItem(&rest, bRedraw);
}

BOOL FwTreeCtrl::NotifyGetDispInfo(LVITEMA* pItem)
{
    // Rows are the tree's: nothing of theirs is asked of the parent as list records.
    if (ItemOfRow(pItem->iItem) != nullptr) {
        if (pItem->mask & LVIF_TEXT) {
            lstrcpynA(pItem->pszText, TextOf(ItemOfRow(pItem->iItem)), pItem->cchTextMax);
        }
        return TRUE;
    }
    return FwListCtrl::NotifyGetDispInfo(pItem);
}

BOOL FwTreeCtrl::GetTreeItem(TVITEMA* pItem)
{
    if (pItem == nullptr) {
        return FALSE;
    }
    FwTreeItem* pTree = Resolve(pItem->hItem);
    if (pTree == m_pRoot) {
        return FALSE;
    }
    UINT nAsk = 0;
    if (pItem->mask & TVIF_TEXT) {
        if (pTree->m_bCallbackText) {
            nAsk |= TVIF_TEXT;
        } else if (pItem->pszText != nullptr && pItem->cchTextMax > 0) {
            lstrcpynA(pItem->pszText, pTree->m_strText, pItem->cchTextMax);
        }
    }
    if (pItem->mask & TVIF_IMAGE) {
        pItem->iImage = pTree->m_item.iImage;
        if (pTree->m_item.iImage == I_IMAGECALLBACK) {
            nAsk |= TVIF_IMAGE;
        }
    }
    if (pItem->mask & TVIF_SELECTEDIMAGE) {
        pItem->iSelectedImage = pTree->m_item.iSelectedImage;
        if (pTree->m_item.iSelectedImage == I_IMAGECALLBACK) {
            nAsk |= TVIF_SELECTEDIMAGE;
        }
    }
    if (pItem->mask & TVIF_PARAM) {
        pItem->lParam = pTree->m_item.lParam;
    }
    if (pItem->mask & TVIF_STATE) {
        pItem->state = GetItemState(pItem->hItem, pItem->stateMask);
    }
    if (pItem->mask & TVIF_CHILDREN) {
        pItem->cChildren = pTree->m_item.cChildren;
        if (pTree->m_item.cChildren == I_CHILDRENCALLBACK) {
            nAsk |= TVIF_CHILDREN;
        }
    }
    if (nAsk != 0) {
        TVITEMA answer = {};
        NotifyTreeGetDispInfo(pTree, nAsk, answer);
        if ((nAsk & TVIF_TEXT) && pItem->pszText != nullptr && pItem->cchTextMax > 0) {
            lstrcpynA(pItem->pszText, answer.pszText != nullptr ? answer.pszText : "", pItem->cchTextMax);
        }
        if (nAsk & TVIF_IMAGE) {
            pItem->iImage = answer.iImage;
        }
        if (nAsk & TVIF_SELECTEDIMAGE) {
            pItem->iSelectedImage = answer.iSelectedImage;
        }
        if (nAsk & TVIF_CHILDREN) {
            pItem->cChildren = answer.cChildren;
        }
    }
    return TRUE;
}

BOOL FwTreeCtrl::SetTreeItemExtraState(HTREEITEM hItem, UINT nExtraState)
{
    FwTreeItem* pItem = Resolve(hItem);
    if (pItem == m_pRoot) {
        return FALSE;
    }
    const BOOL bWasHidden = (pItem->m_nExtraState & FWTIS_HIDDEN) != 0;
    pItem->m_nExtraState = nExtraState & (FWTIS_HIDDEN | FWTIS_INHERITED);
    const int nRow = FindRow(pItem);
    if (nRow >= 0) {
        FwListCtrl::SetItemExtraState(nRow, pItem->m_nExtraState);
    }
    const BOOL bHidden = (pItem->m_nExtraState & FWTIS_HIDDEN) != 0;
    if (bHidden && nRow >= 0) {
        RemoveDescendantRows(pItem);
        FwListCtrl::SelectItem(nRow, FALSE);
        FwListCtrl::DeleteItems(nRow, 1);
    } else if (!bHidden && bWasHidden && IsShown(pItem)) {
        InsertRowFor(pItem);
        if (pItem->IsExpanded()) {
            InsertChildRows(pItem, FindRow(pItem) + 1);
        }
    }
    Relayout();
    return TRUE;
}

UINT FwTreeCtrl::GetTreeItemExtraState(HTREEITEM hItem) const
{
    const FwTreeItem* pItem = Resolve(hItem);
    UINT nState = pItem->m_nExtraState & FWTIS_HIDDEN;
    for (const FwTreeItem* p = pItem; p != nullptr; p = p->GetParentItem()) {
        if (p->m_nExtraState & FWTIS_INHERITED) {
            nState |= FWTIS_INHERITED;
        }
    }
    return nState;
}

int FwTreeCtrl::CompareItems(FwTreeItem* pItem1, FwTreeItem* pItem2)
{
    const CString str1 = TextOf(pItem1);
    const CString str2 = TextOf(pItem2);
    return _mbsicmp(reinterpret_cast<const unsigned char*>(static_cast<LPCSTR>(str1)),
                    reinterpret_cast<const unsigned char*>(static_cast<LPCSTR>(str2)));
}

BOOL FwTreeCtrl::ItemHasChildren(HTREEITEM hItem)
{
    return HasChildrenIndicator(Resolve(hItem));
}

BOOL FwTreeCtrl::HasChildrenIndicator(FwTreeItem* pItem)
{
    if (pItem->GetFirstChild() != nullptr || pItem->m_item.cChildren > 0) {
        return TRUE;
    }
    if (pItem->m_item.cChildren == I_CHILDRENCALLBACK) {
        TVITEMA answer = {};
        NotifyTreeGetDispInfo(pItem, TVIF_CHILDREN, answer);
        return answer.cChildren > 0;
    }
    return FALSE;
}

BOOL FwTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage)
{
    TVITEMA item = {};
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = hItem;
    if (!GetTreeItem(&item)) {
        return FALSE;
    }
    nImage = item.iImage;
    nSelectedImage = item.iSelectedImage;
    return TRUE;
}

UINT FwTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask)
{
    FwTreeItem* pItem = Resolve(hItem);
    UINT nState = pItem->m_item.state & ~static_cast<UINT>(TVIS_SELECTED | TVIS_DROPHILITED);
    const int nRow = FindRow(pItem);
    if (nRow >= 0 && IsSelected(nRow)) {
        nState |= TVIS_SELECTED;
    }
    if (nRow >= 0 && nRow == GetDropHilite()) {
        nState |= TVIS_DROPHILITED;
    }
    return nState & nStateMask;
}

BOOL FwTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
{
    FwTreeItem* pItem = Resolve(hItem);
    if (pItem == m_pRoot) {
        return FALSE;
    }
    const int nRow = FindRow(pItem);
    if ((nStateMask & TVIS_SELECTED) && nRow >= 0) {
        FwListCtrl::SelectItem(nRow, (nState & TVIS_SELECTED) != 0);
    }
    if ((nStateMask & TVIS_DROPHILITED) && nRow >= 0) {
        SetDropHilite((nState & TVIS_DROPHILITED) ? nRow : -1);
    }
    const UINT nOwn = nStateMask & ~static_cast<UINT>(TVIS_SELECTED | TVIS_DROPHILITED | TVIS_EXPANDED);
    pItem->m_item.state = (pItem->m_item.state & ~nOwn) | (nState & nOwn);
    if (nStateMask & TVIS_EXPANDED) {
        Expand(hItem, (nState & TVIS_EXPANDED) ? TVE_EXPAND : TVE_COLLAPSE);
    }
    InvalidateItem(hItem);
    return TRUE;
}

LPARAM FwTreeCtrl::GetItemData(HTREEITEM hItem)
{
    FwTreeItem* pItem = Resolve(hItem);
    return pItem != m_pRoot ? pItem->m_item.lParam : 0;
}

void FwTreeCtrl::InvalidateItem(HTREEITEM hItem)
{
    InvalidateRow(FindRow(Resolve(hItem)));
}

// Navigation.

HTREEITEM FwTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode)
{
    FwTreeItem* pItem = Resolve(hItem);
    FwTreeItem* pResult = nullptr;
    switch (nCode) {
    case TVGN_ROOT:
        if (pItem == m_pRoot) {
            pResult = m_pRoot->GetFirstChildItem();
        } else {
            FwTreeItem* pTop = pItem;
            while (pTop->GetParentItem() != nullptr && pTop->GetParentItem() != m_pRoot) {
                pTop = pTop->GetParentItem();
            }
            pResult = pTop->GetFirstChildItem();
        }
        break;
    case TVGN_NEXT:
        pResult = pItem->GetNextSiblingItem();
        break;
    case TVGN_PREVIOUS:
        pResult = pItem->GetPrevSiblingItem();
        break;
    case TVGN_PARENT:
        pResult = pItem->GetParentItem();
        break;
    case TVGN_CHILD:
        pResult = pItem->GetFirstChildItem();
        break;
    case TVGN_FIRSTVISIBLE:
        pResult = ItemOfRow(GetTopIndex());
        break;
    case TVGN_NEXTVISIBLE: {
        const int nRow = FindRow(pItem);
        if (nRow >= 0) {
            pResult = ItemOfRow(nRow + 1);
            break;
        }
        for (FwTreeNode* p = pItem->GetNextInOrder(); p != nullptr; p = p->GetNextInOrder()) {
            if (IsShown(static_cast<FwTreeItem*>(p))) {
                pResult = static_cast<FwTreeItem*>(p);
                break;
            }
        }
        break;
    }
    case TVGN_PREVIOUSVISIBLE: {
        const int nRow = FindRow(pItem);
        if (nRow >= 0) {
            pResult = ItemOfRow(nRow - 1);
            break;
        }
        for (FwTreeNode* p = pItem->GetPrevInOrder(); p != nullptr && p != m_pRoot; p = p->GetPrevInOrder()) {
            if (IsShown(static_cast<FwTreeItem*>(p))) {
                pResult = static_cast<FwTreeItem*>(p);
                break;
            }
        }
        break;
    }
    case TVGN_DROPHILITE:
        pResult = ItemOfRow(GetDropHilite());
        break;
    case TVGN_CARET:
        pResult = ItemOfRow(GetCaret());
        break;
    case FWTGN_FIRSTSELECTED:
        pResult = m_selection.IsEmpty() ? nullptr : ItemOfRow(m_selection.GetAt(0));
        break;
    case FWTGN_NEXTSELECTED: {
        const int nSel = m_selection.GetNextAfter(FindRow(pItem));
        pResult = nSel >= 0 ? ItemOfRow(nSel) : nullptr;
        break;
    }
    case FWTGN_PREVSELECTED: {
        const int nSel = m_selection.GetPrevBefore(FindRow(pItem));
        pResult = nSel >= 0 ? ItemOfRow(nSel) : nullptr;
        break;
    }
    default:
        break;
    }
    return pResult != nullptr && pResult != m_pRoot ? pResult->GetHandle() : nullptr;
}

// Expanding and selecting.

BOOL FwTreeCtrl::NotifyItemExpanding(FwTreeItem* pItem, UINT nCode)
{
    return SendTreeNotify(TVN_ITEMEXPANDINGA, nullptr, pItem, nCode) != 1;
}

void FwTreeCtrl::NotifyItemExpanded(FwTreeItem* pItem, UINT nCode)
{
    SendTreeNotify(TVN_ITEMEXPANDEDA, nullptr, pItem, nCode);
}

BOOL FwTreeCtrl::Expand(HTREEITEM hItem, UINT nCode, BOOL bRedraw)
{
    FwTreeItem* pItem = Resolve(hItem);
    if (pItem == m_pRoot) {
        return TRUE;
    }
    const UINT nAction = nCode & 0x3;
    const BOOL bReset = (nCode & TVE_COLLAPSERESET) != 0;
    BOOL bExpand = nAction == TVE_EXPAND || (nAction == TVE_TOGGLE && !pItem->IsExpanded());
    if (bReset) {
        bExpand = FALSE;
    } else if (nAction == 0) {
        return FALSE;
    }
    if (!HasChildrenIndicator(pItem)) {
        return TRUE;
    }
    if (bExpand && pItem->IsExpanded()) {
        return TRUE;
    }
    if (!bExpand && !pItem->IsExpanded() && !bReset) {
        return TRUE;
    }
    if (!NotifyItemExpanding(pItem, nCode)) {
        return FALSE;
    }
    const int nRow = FindRow(pItem);
    if (bExpand) {
        // The parent inserts children on demand during the notification.
        if (pItem->GetFirstChild() == nullptr) {
            return FALSE;
        }
        pItem->SetExpanded(TRUE);
        if (nRow >= 0) {
            InsertChildRows(pItem, nRow + 1);
        }
    } else {
        FwTreeItem* pCaret = ItemOfRow(GetCaret());
        if (pCaret != nullptr && pItem->IsDescendantOf(pCaret)) {
            if (!SelectCaret(pItem, 0)) {
                return FALSE;
            }
        }
        pItem->SetExpanded(FALSE);
        RemoveDescendantRows(pItem);
        if (bReset) {
            while (pItem->GetFirstChild() != nullptr) {
                DeleteOneItem(static_cast<FwTreeItem*>(pItem->GetDeepestFirstChild()));
            }
            pItem->m_item.state &= ~static_cast<UINT>(TVIS_EXPANDEDONCE);
        }
    }
    NotifyItemExpanded(pItem, nCode);
    if (bRedraw && m_hWnd != nullptr) {
        if (bExpand && nRow >= 0) {
            FwTreeItem* pLast = static_cast<FwTreeItem*>(pItem->GetLastDescendant());
            while (pLast != nullptr && FindRow(pLast) < 0) {
                pLast = pLast->GetParentItem();
            }
            if (pLast != nullptr && pLast != m_pRoot) {
                FwListCtrl::EnsureVisible(FindRow(pLast), FALSE);
            }
        }
        Relayout();
    }
    return TRUE;
}

LRESULT FwTreeCtrl::SendTreeNotify(UINT nCode, FwTreeItem* pOld, FwTreeItem* pNew, UINT nAction, CPoint pt)
{
    NMTREEVIEWA nm = {};
    nm.hdr.code = nCode;
    nm.action = nAction;
    if (pOld != nullptr && pOld != m_pRoot) {
        nm.itemOld = pOld->GetRecord();
        nm.itemOld.state = GetItemState(pOld->GetHandle(), 0xFFFF);
    }
    if (pNew != nullptr && pNew != m_pRoot) {
        nm.itemNew = pNew->GetRecord();
        nm.itemNew.state = GetItemState(pNew->GetHandle(), 0xFFFF);
    }
    nm.ptDrag = pt;
    return SendNotify(&nm.hdr);
}

BOOL FwTreeCtrl::OnSelChanging(int nOld, int nNew, int nAction)
{
    return SendTreeNotify(TVN_SELCHANGINGA, ItemOfRow(nOld), ItemOfRow(nNew), static_cast<UINT>(nAction)) != 1;
}

void FwTreeCtrl::OnSelChanged(int nOld, int nNew, int nAction)
{
    SendTreeNotify(TVN_SELCHANGEDA, ItemOfRow(nOld), ItemOfRow(nNew), static_cast<UINT>(nAction));
}

BOOL FwTreeCtrl::SelectCaret(FwTreeItem* pItem, UINT nAction)
{
    if (pItem == nullptr || pItem == m_pRoot) {
        return FALSE;
    }
    if (!EnsureVisible(pItem->GetHandle())) {
        return FALSE;
    }
    const int nRow = FindRow(pItem);
    const int nOld = GetCaret();
    if (!OnSelChanging(nOld, nRow, static_cast<int>(nAction))) {
        return FALSE;
    }
    if (!GetMultiSelect()) {
        ClearSelection(nRow);
    }
    FwListCtrl::SelectItem(nRow, TRUE);
    SetCaret(nRow);
    m_nAnchor = nRow;
    OnSelChanged(nOld, nRow, static_cast<int>(nAction));
    return TRUE;
}

BOOL FwTreeCtrl::Select(HTREEITEM hItem, UINT nCode)
{
    FwTreeItem* pItem = Resolve(hItem);
    switch (nCode) {
    case TVGN_CARET:
        if (pItem == m_pRoot) {
            ClearSelection();
            SetCaret(-1);
            return TRUE;
        }
        return SelectCaret(pItem, 0);
    case TVGN_DROPHILITE:
        if (pItem == m_pRoot) {
            return SetDropHilite(-1);
        }
        if (!EnsureVisible(hItem)) {
            return FALSE;
        }
        return SetDropHilite(FindRow(pItem));
    case TVGN_FIRSTVISIBLE:
        if (pItem == m_pRoot || !EnsureVisible(hItem)) {
            return FALSE;
        }
        FwListCtrl::ScrollVert(SB_THUMBPOSITION, FindRow(pItem));
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL FwTreeCtrl::SelectItem(HTREEITEM hItem)
{
    FwTreeItem* pItem = Resolve(hItem);
    if (pItem == m_pRoot) {
        return Select(nullptr, TVGN_CARET);
    }
    if (!EnsureVisible(hItem)) {
        return FALSE;
    }
    const int nRow = FindRow(pItem);
    const int nOld = GetCaret();
    if (!OnSelChanging(nOld, nRow, 0)) {
        return FALSE;
    }
    if (!GetMultiSelect()) {
        ClearSelection(nRow);
    }
    FwListCtrl::SelectItem(nRow, TRUE);
    OnSelChanged(nOld, nRow, 0);
    if (!GetMultiSelect()) {
        return Select(hItem, TVGN_CARET);
    }
    return TRUE;
}

BOOL FwTreeCtrl::SelectDropTarget(HTREEITEM hItem, BOOL bExpandParents)
{
    if (!bExpandParents && hItem != nullptr && FindRow(Resolve(hItem)) < 0) {
        return FALSE;
    }
    return Select(hItem, TVGN_DROPHILITE);
}

BOOL FwTreeCtrl::EnsureVisible(HTREEITEM hItem, BOOL bWithParent)
{
    FwTreeItem* pItem = Resolve(hItem);
    if (pItem == m_pRoot) {
        return FALSE;
    }
    if (FindRow(pItem) < 0) {
        for (FwTreeItem* p = pItem->GetParentItem(); p != nullptr && p != m_pRoot; p = p->GetParentItem()) {
            if (!p->IsExpanded()) {
                if (!NotifyItemExpanding(p, TVE_EXPAND) || p->GetFirstChild() == nullptr) {
                    return FALSE;
                }
                p->SetExpanded(TRUE);
                NotifyItemExpanded(p, TVE_EXPAND);
            }
        }
        // Bring the rows in line with what is now shown.
        std::vector<FwTreeItem*> shown;
        for (FwTreeNode* p = m_pRoot->GetFirstChild(); p != nullptr; p = p->GetNextInOrder()) {
            if (IsShown(static_cast<FwTreeItem*>(p))) {
                shown.push_back(static_cast<FwTreeItem*>(p));
            }
        }
        for (int i = GetItemCount() - 1; i >= 0; --i) {
            if (!IsShown(ItemOfRow(i))) {
                FwListCtrl::SelectItem(i, FALSE);
                FwListCtrl::DeleteItems(i, 1);
            }
        }
        for (size_t i = 0; i < shown.size(); ++i) {
            if (ItemOfRow(static_cast<int>(i)) != shown[i]) {
                LVITEMA row = {};
                row.mask = LVIF_TEXT | LVIF_PARAM;
                row.iItem = static_cast<int>(i);
                row.pszText = LPSTR_TEXTCALLBACKA;
                row.lParam = reinterpret_cast<LPARAM>(shown[i]);
                FwListCtrl::InsertItem(&row);
            }
        }
        Relayout();
    }
    const int nRow = FindRow(pItem);
    if (nRow < 0) {
        return FALSE;
    }
    if (bWithParent) {
        const int nParentRow = FindRow(pItem->GetParentItem());
        if (nParentRow >= 0) {
            FwListCtrl::EnsureVisible(nParentRow, FALSE);
        }
    }
    return FwListCtrl::EnsureVisible(nRow, FALSE);
}

// Hit testing, keys and mouse.

BOOL FwTreeCtrl::GetButtonRect(FwTreeItem* pItem, const CRect& rcRow, CRect& rcButton)
{
    rcButton.SetRectEmpty();
    if (!(m_styles.GetStyle() & FWTS_HASBUTTONS) || !HasChildrenIndicator(pItem)) {
        return FALSE;
    }
    if (LevelOf(pItem) == 1 && !(m_styles.GetStyle() & FWTS_LINESATROOT)) {
        return FALSE;
    }
    int nSide = 8;
    if (GetImageList(1) != nullptr) {
        nSide = std::min(rcRow.Height() * 20 / 33, 15);
    }
    if (nSide % 2 == 0) {
        ++nSide;
    }
    const int x = rcRow.left + LineColumn(pItem);
    const int y = rcRow.top + rcRow.Height() / 2;
    rcButton = CRect(x - nSide / 2, y - nSide / 2, x - nSide / 2 + nSide, y - nSide / 2 + nSide);
    return TRUE;
}

HTREEITEM FwTreeCtrl::HitTest(CPoint pt, UINT* pFlags)
{
    UINT nFlags = 0;
    const int nRow = FwListCtrl::HitTest(pt, &nFlags);
    FwTreeItem* pItem = ItemOfRow(nRow);
    // The list's codes are the tree-view flags but for the button inside the indent.
    if (pItem != nullptr && (nFlags & FWLHT_INDENT)) {
        CRect rcButton;
        if (GetButtonRect(pItem, RowRect(nRow), rcButton) && rcButton.PtInRect(pt)) {
            nFlags = FWLHT_ONITEM | TVHT_ONITEMBUTTON;
        }
    }
    if (pFlags != nullptr) {
        *pFlags = nFlags;
    }
    return pItem != nullptr ? pItem->GetHandle() : nullptr;
}

void FwTreeCtrl::OnKeyLeftRight(UINT nChar, BOOL, BOOL)
{
    FwTreeItem* pCaret = ItemOfRow(GetCaret());
    if (pCaret == nullptr) {
        return;
    }
    if (nChar == VK_LEFT) {
        if (pCaret->IsExpanded() && pCaret->GetFirstChild() != nullptr) {
            Expand(pCaret->GetHandle(), TVE_COLLAPSE);
        } else if (pCaret->GetParentItem() != nullptr && pCaret->GetParentItem() != m_pRoot) {
            ClearSelection();
            SelectCaret(pCaret->GetParentItem(), TVC_BYKEYBOARD);
        }
        return;
    }
    if (!pCaret->IsExpanded() && HasChildrenIndicator(pCaret)) {
        Expand(pCaret->GetHandle(), TVE_EXPAND);
    } else if (pCaret->IsExpanded() && pCaret->GetFirstChild() != nullptr) {
        SelectCaret(pCaret->GetFirstChildItem(), TVC_BYKEYBOARD);
    }
}

void FwTreeCtrl::OnKeyBack()
{
    OnKeyLeftRight(VK_LEFT, FALSE, FALSE);
}

void FwTreeCtrl::OnKeyPlusMinus(UINT nChar)
{
    if (nChar == VK_SUBTRACT || nChar == VK_OEM_MINUS) {
        OnKeyLeftRight(VK_LEFT, FALSE, FALSE);
        return;
    }
    if (nChar == VK_ADD || nChar == VK_OEM_PLUS) {
        OnKeyLeftRight(VK_RIGHT, FALSE, FALSE);
        return;
    }
    FwTreeItem* pCaret = ItemOfRow(GetCaret());
    if (nChar != VK_MULTIPLY || pCaret == nullptr) {
        return;
    }
    Expand(pCaret->GetHandle(), TVE_EXPAND, FALSE);
    // Children inserted on demand are walked as they appear.
    for (FwTreeNode* p = pCaret->GetFirstChild(); p != nullptr && pCaret->IsDescendantOf(p); p = p->GetNextInOrder()) {
        Expand(static_cast<FwTreeItem*>(p)->GetHandle(), TVE_EXPAND, FALSE);
    }
    Relayout();
}

void FwTreeCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    UINT nHit = 0;
    HTREEITEM hItem = HitTest(point, &nHit);
    if (hItem != nullptr && (nHit & TVHT_ONITEMBUTTON)) {
        SetFocus();
        Expand(hItem, TVE_TOGGLE);
        return;
    }
    FwListCtrl::OnLButtonDown(nFlags, point);
}

void FwTreeCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    FwListCtrl::OnLButtonDblClk(nFlags, point);
    UINT nHit = 0;
    HTREEITEM hItem = HitTest(point, &nHit);
    if (hItem != nullptr && (nHit & (TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMBUTTON)) && !IsKeyDown(VK_SHIFT) &&
        !IsKeyDown(VK_CONTROL)) {
        Expand(hItem, TVE_TOGGLE);
    }
}

// Notifications the list sends in the tree's words.

BOOL FwTreeCtrl::NotifyBeginLabelEdit(int nItem, int)
{
    FwTreeItem* pItem = ItemOfRow(nItem);
    if (pItem == nullptr) {
        return TRUE;
    }
    NMTVDISPINFOA info = {};
    info.hdr.code = TVN_BEGINLABELEDITA;
    info.item = pItem->GetRecord();
    return SendNotify(&info.hdr) != 0;
}

BOOL FwTreeCtrl::NotifyEndLabelEdit(int nItem, int, LPSTR pszText)
{
    FwTreeItem* pItem = ItemOfRow(nItem);
    if (pItem == nullptr) {
        return FALSE;
    }
    NMTVDISPINFOA info = {};
    info.hdr.code = TVN_ENDLABELEDITA;
    info.item = pItem->GetRecord();
    info.item.mask = TVIF_TEXT | TVIF_HANDLE | TVIF_PARAM;
    info.item.pszText = pszText;
    info.item.cchTextMax = pszText != nullptr ? lstrlenA(pszText) + 1 : 0;
    return SendNotify(&info.hdr) != 0;
}

void FwTreeCtrl::NotifyDeleteItem(int)
{
}

void FwTreeCtrl::NotifyKeyDown(UINT nChar, UINT nFlags)
{
    NMTVKEYDOWN nm = {};
    nm.hdr.code = TVN_KEYDOWN;
    nm.wVKey = static_cast<WORD>(nChar);
    nm.flags = nFlags;
    SendNotify(&nm.hdr);
}

void FwTreeCtrl::NotifyBeginDrag(int nItem, BOOL bRight)
{
    if (m_styles.GetStyle() & FWTS_DISABLEDRAGDROP) {
        return;
    }
    SendTreeNotify(bRight ? TVN_BEGINRDRAGA : TVN_BEGINDRAGA, nullptr, ItemOfRow(nItem), 0, m_ptPress);
}

// Drawing.

FwListPaintContext* FwTreeCtrl::CreatePaintContext()
{
    return new FwTreePaintContext;
}

int FwTreeCtrl::LineColumn(const FwTreeItem* pItem) const
{
    int cxImage = 0;
    int cyImage = 0;
    const CImageList* pImages = GetImageList(1);
    if (pImages != nullptr) {
        pImages->GetIconSize(cxImage, cyImage);
    }
    int x = (LevelOf(pItem) - 2) * m_nIndent + (pImages != nullptr ? cxImage / 2 : 8);
    if ((m_styles.GetStyle() & FWTS_LINESATROOT) && (m_styles.GetStyle() & (FWTS_HASBUTTONS | FWTS_HASLINES))) {
        x += m_nIndent;
    }
    return x;
}

int FwTreeCtrl::GetRowIndent(int nItem)
{
    const FwTreeItem* pItem = ItemOfRow(nItem);
    if (pItem == nullptr) {
        return 0;
    }
    return std::max(LineColumn(pItem) + m_nIndent / 2, 0);
}

int FwTreeCtrl::MeasureRow(int nItem, CDC* pDC)
{
    FwTreeItem* pItem = ItemOfRow(nItem);
    if (pItem != nullptr && pItem->m_bSplitLabel) {
        GetLabelParts(pItem, pDC);
    }
    return FwListCtrl::MeasureRow(nItem, pDC);
}

CString FwTreeCtrl::GetLabelParts(FwTreeItem* pItem, CDC* pDC)
{
    if (!pItem->m_bSplitLabel) {
        return TextOf(pItem);
    }
    CFxSelectGuard guard(pDC, GetItemFont());
    pItem->m_cxFirstPart = pDC->GetTextExtent(pItem->m_strFirstPart).cx;
    return pItem->m_strFirstPart + pItem->m_strSecondPart;
}

void FwTreeCtrl::DrawDottedHorzLine(CDC* pDC, int x1, int x2, int y, int nRowTop)
{
    const COLORREF crLine = GetSysColor(COLOR_BTNSHADOW);
    if (pDC->IsPrinting()) {
        CPen pen;
        pen.CreatePen(PS_SOLID, 1, crLine);
        CFxSelectGuard guard(pDC, &pen);
        pDC->MoveTo(x1, y);
        pDC->LineTo(x2, y);
        return;
    }
    // Dots on even positions counted from the scrolled origin and the row top, so rows meet.
    const BOOL bOddRow = ((y - nRowTop) % 2) != 0;
    for (int x = x1; x < x2; ++x) {
        if (((x + m_nHorzOffset) % 2 == 0) != bOddRow) {
            pDC->SetPixel(x, y, crLine);
        }
    }
}

void FwTreeCtrl::DrawDottedVertLine(CDC* pDC, int x, int y1, int y2, int nRowTop)
{
    const COLORREF crLine = GetSysColor(COLOR_BTNSHADOW);
    if (pDC->IsPrinting()) {
        CPen pen;
        pen.CreatePen(PS_SOLID, 1, crLine);
        CFxSelectGuard guard(pDC, &pen);
        pDC->MoveTo(x, y1);
        pDC->LineTo(x, y2);
        return;
    }
    const BOOL bOddColumn = ((x + m_nHorzOffset) % 2) != 0;
    for (int y = y1; y < y2; ++y) {
        if (((y - nRowTop) % 2 == 0) != bOddColumn) {
            pDC->SetPixel(x, y, crLine);
        }
    }
}

void FwTreeCtrl::DrawLines(FwTreePaintContext& ctx)
{
    FwTreeItem* pItem = ctx.pTreeItem;
    const CRect& rcRow = ctx.pItem->rcBounds;
    const int yMid = rcRow.top + rcRow.Height() / 2;
    const BOOL bRootLines = (m_styles.GetStyle() & FWTS_LINESATROOT) != 0;
    if (!(m_styles.GetStyle() & FWTS_HASLINES)) {
        return;
    }
    // The item's own junction: up to the sibling or parent before it, down to the next sibling.
    if (ctx.nLevel > 1 || bRootLines) {
        const int x = rcRow.left + LineColumn(pItem);
        const BOOL bFromAbove = pItem->GetPrevSiblingItem() != nullptr || ctx.nLevel > 1;
        DrawDottedVertLine(ctx.pDC, x, bFromAbove ? rcRow.top : yMid,
                           pItem->GetNextSiblingItem() != nullptr ? rcRow.bottom : yMid + 1, rcRow.top);
        DrawDottedHorzLine(ctx.pDC, x, rcRow.left + GetRowIndent(ctx.nItem) + 2, yMid, rcRow.top);
    }
    // The lines of the ancestors that have siblings below.
    for (FwTreeItem* pUp = pItem->GetParentItem(); pUp != nullptr && pUp != m_pRoot; pUp = pUp->GetParentItem()) {
        if (pUp->GetNextSiblingItem() == nullptr || (LevelOf(pUp) == 1 && !bRootLines)) {
            continue;
        }
        DrawDottedVertLine(ctx.pDC, rcRow.left + LineColumn(pUp), rcRow.top, rcRow.bottom, rcRow.top);
    }
}

void FwTreeCtrl::DrawButton(FwTreePaintContext& ctx, const CRect& rcButton)
{
    CDC* pDC = ctx.pDC;
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    {
        CFxSelectGuard guard(pDC, &pen);
        CFxSelectGuard brushGuard(pDC, NULL_BRUSH);
        pDC->FillSolidRect(&rcButton, m_hWnd != nullptr && !IsWindowEnabled() ? GetBkColor() : RGB(255, 255, 255));
        pDC->Rectangle(&rcButton);
    }
    // The minus sign two thirds of the box wide; a collapsed item adds the vertical stroke.
    const COLORREF crSign = GetSysColor(COLOR_WINDOWTEXT);
    const int nSide = rcButton.Width();
    const int nHalf = (nSide * 2 / 3) / 2;
    const int xMid = rcButton.left + nSide / 2;
    const int yMid = rcButton.top + nSide / 2;
    pDC->FillSolidRect(xMid - nHalf, yMid, 2 * nHalf + 1, 1, crSign);
    if (!ctx.pTreeItem->IsExpanded()) {
        pDC->FillSolidRect(xMid, yMid - nHalf, 1, 2 * nHalf + 1, crSign);
    }
}

void FwTreeCtrl::DrawCell(FwListPaintContext& ctx)
{
    if (ctx.nSubItem != 0) {
        FwListCtrl::DrawCell(ctx);
        return;
    }
    FwTreePaintContext& tctx = static_cast<FwTreePaintContext&>(ctx);
    tctx.pTreeItem = ItemOfRow(ctx.nItem);
    tctx.nLevel = LevelOf(tctx.pTreeItem);
    FwTreeItem* pItem = tctx.pTreeItem;
    CDC* pDC = ctx.pDC;
    pDC->FillSolidRect(&ctx.rcCell, m_colors.crTextBk);
    DrawLines(tctx);
    CRect rcButton;
    if (GetButtonRect(pItem, ctx.pItem->rcBounds, rcButton)) {
        DrawButton(tctx, rcButton);
    }
    CImageList* pStates = GetImageList(2);
    const UINT nStateImage = (pItem->m_item.state & TVIS_STATEIMAGEMASK) >> 12;
    if (pStates != nullptr && nStateImage > 0 && !ctx.rcStateIcon.IsRectEmpty()) {
        pStates->Draw(pDC, static_cast<int>(nStateImage), ctx.rcStateIcon.TopLeft(), ILD_TRANSPARENT);
    }
    CImageList* pImages = GetImageList(1);
    if (pImages != nullptr) {
        int nImage = 0;
        int nSelected = 0;
        GetItemImage(pItem->GetHandle(), nImage, nSelected);
        const int nDraw = ctx.bSelected ? nSelected : nImage;
        if (nDraw >= 0) {
            pImages->Draw(pDC, nDraw, ctx.rcIcon.TopLeft(), ILD_TRANSPARENT | (pItem->m_item.state & TVIS_OVERLAYMASK));
        }
    }
    CFont* pFont = GetItemFont();
    if (pItem->m_item.state & TVIS_BOLD) {
        pFont = BoldFontFor(pFont);
    }
    CFxSelectGuard guard(pDC, pFont);
    const BOOL bMarked = ctx.bSelected || ctx.nItem == GetDropHilite();
    CRect rcLabel = ctx.rcLabel;
    if (bMarked) {
        pDC->FillSolidRect(&rcLabel, ctx.crBack);
    }
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(bMarked ? ctx.crText : m_colors.crText);
    if (m_hWnd != nullptr && !IsWindowEnabled()) {
        pDC->SetTextColor(m_colors.crDisabledText);
    }
    CRect rcText = rcLabel;
    rcText.left += 2;
    const BOOL bWrap = (m_dwStyle & FWLS_NOLABELWRAP) == 0;
    if (bWrap && pItem->m_bSplitLabel) {
        GetLabelParts(pItem, pDC);
        CRect rcFirst(rcText.left, rcText.top, rcText.left + pItem->m_cxFirstPart, rcText.bottom);
        pDC->DrawText(pItem->m_strFirstPart, &rcFirst, DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE);
        CRect rcSecond(rcFirst.right, rcText.top, std::max(rcText.right, rcFirst.right), rcText.bottom);
        pDC->DrawText(pItem->m_strSecondPart, &rcSecond, DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK);
    } else if (bWrap) {
        pDC->DrawText(TextOf(pItem), &rcText, DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER);
    } else {
        CString strText = TextOf(pItem);
        if (strText.Find('\n') >= 0) {
            strText = strText.Left(strText.Find('\n'));
        }
        pDC->DrawText(strText, &rcText, DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    }
    if (ctx.bFocused && ::GetFocus() == m_hWnd) {
        pDC->SetTextColor(RGB(0, 0, 0));
        pDC->SetBkColor(RGB(255, 255, 255));
        DrawFocusRect(pDC->m_hDC, &rcLabel);
    }
}
