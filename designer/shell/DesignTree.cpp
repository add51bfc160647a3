#include "designer/shell/DesignTree.h"

#include <vector>

#include <windowsx.h>

#include <cstring>

#include "basedlg/InDataDlg.h"
#include "core/CardCommFun.h"
#include "designer/shell/MainFrame.h"
#include "designer/template/TemplateFile.h"
#include "designer/res/resource.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/FxFindHandle.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/Bitmap.h"
#include "platform/ole/OleDataSource.h"
#include "platform/win/Menu.h"
#include "platform/win/MsgBox.h"
#include "work/CappBaseFun.h"

namespace
{
const COLORREF kWhite = RGB(255, 255, 255);
const char kQuestionTitle[] = "Vorn";
const char kDragText[] = "Ouch, you dropped me!";
const LRESULT kRefuse = 1;
const LRESULT kMove = 2;

CString LoadText(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}

CString FormatText(UINT nID, LPCSTR lpszArg)
{
    CString str;
    str.Format(LoadText(nID), lpszArg);
    return str;
}

CString FormatText(UINT nID, LPCSTR lpszArg1, LPCSTR lpszArg2)
{
    CString str;
    str.Format(LoadText(nID), lpszArg1, lpszArg2);
    return str;
}

// A failure the user hears of: errors pane, then a message box.
void ReportFailure(HWND hOwner, const CString& strText)
{
    if (CWnd* pMain = FxGetMainWnd()) {
        CString strCopy(strText);
        pMain->SendMessage(WM_DESIGN_ERROR, 0, reinterpret_cast<LPARAM>(&strCopy));
    }
    FxMessageBox(hOwner, strText, kQuestionTitle, MB_OK | MB_ICONERROR);
}

// A name that makes exactly one folder inside its parent: not empty, not "." or "..", and none
// of the characters Windows refuses in a name ("/" too: Wine takes it for a separator). The scan
// steps over GBK double-byte characters, whose trail byte can be "\" or "|".
BOOL IsPlainFolderName(const CString& strName)
{
    if (strName.IsEmpty() || strName == "." || strName == "..") {
        return FALSE;
    }
    const char* const pszForbidden = "\\/:*?\"<>|";
    for (int i = 0; i < strName.GetLength(); ++i) {
        const auto ch = static_cast<unsigned char>(strName[i]);
        if (ch >= 0x81 && ch <= 0xFE && i + 1 < strName.GetLength()) {
            ++i;
            continue;
        }
        if (ch < 0x20 || strchr(pszForbidden, ch) != nullptr) {
            return FALSE;
        }
    }
    return TRUE;
}

BOOL PathExists(const CString& strPath)
{
    return ::GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

FX_IMPLEMENT_DYNAMIC(CDesignTree, CTreeCtrl)

FX_BEGIN_MESSAGE_MAP(CDesignTree, CTreeCtrl)
FX_ON_MESSAGE(WM_DESIGN_DRAG_OVER, OnDesignDragOver)
FX_ON_MESSAGE(WM_DESIGN_DROP, OnDesignDrop)
FX_ON_MESSAGE(WM_DESIGN_DRAG_LEAVE, OnDesignDragLeave)
FX_ON_MESSAGE(WM_CONTEXTMENU, OnContextMenuMsg)
FX_ON_COMMAND(ID_TREE_NEW_FOLDER, OnNewFolder)
FX_ON_COMMAND(ID_TREE_DELETE, OnDeleteSelected)
FX_ON_COMMAND(ID_TREE_DELETE_CHOSEN, OnDeleteChosen)
FX_ON_COMMAND(ID_TREE_REFRESH, OnRefresh)
FX_ON_COMMAND(ID_TREE_NEW_TEMPLATE, OnNewTemplate)
FX_END_MESSAGE_MAP()

CDesignTree::CDesignTree() : m_hDeleteItem(nullptr), m_hDragItem(nullptr), m_hDropItem(nullptr), m_bFilled(FALSE)
{
}

CDesignTree::~CDesignTree()
{
}

BOOL CDesignTree::Init()
{
    ModifyStyle(0, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT);
    SendMessage(TVM_SETBKCOLOR, 0, kWhite);
    if (m_images.GetSafeHandle() == nullptr && m_images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 1)) {
        CBitmap bitmap;
        if (bitmap.Attach(static_cast<HBITMAP>(::LoadImageA(
                ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TEMPLATE_TREE), IMAGE_BITMAP, 0, 0, 0)))) {
            m_images.Add(&bitmap, RGB(192, 192, 192));
        }
        SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(m_images.GetSafeHandle()));
    }
    // Without OLE on the thread the tree only takes no drops.
    m_dropTarget.m_pOwner = this;
    m_dropTarget.Register(this);
    return TRUE;
}

void CDesignTree::OnDestroy()
{
    m_dropTarget.Revoke();
    CTreeCtrl::OnDestroy();
}

void CDesignTree::Fill()
{
    if (m_bFilled) {
        return;
    }
    CString strWorkDir;
    if (!CCardCommFun::GetCappWorkDir(strWorkDir)) {
        return;
    }
    FillFrom(strWorkDir + "\\Template");
}

void CDesignTree::Refresh()
{
    m_bFilled = FALSE;
    Fill();
}

void CDesignTree::FillFrom(LPCSTR lpszTemplateDir)
{
    m_strTemplateDir = lpszTemplateDir;
    DeleteAllItems();
    m_hDeleteItem = nullptr;
    m_hDragItem = nullptr;
    m_hDropItem = nullptr;
    HTREEITEM hRoot = InsertItem(LoadText(IDS_TEMPLATE_ROOT), imageRoot, imageRoot);
    WalkFolder(m_strTemplateDir, hRoot);
    Expand(hRoot, TVE_EXPAND);
    m_bFilled = TRUE;
}

void CDesignTree::WalkFolder(const CString& strFolder, HTREEITEM hParent)
{
    std::vector<CString> folders;
    std::vector<CString> templates;
    WIN32_FIND_DATAA fd{};
    CFxFindHandle find;
    if (!find.FindFirst(strFolder + "\\*.*", fd)) {
        return;
    }
    do {
        const CString strName(fd.cFileName);
        if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            if (strName != "." && strName != "..") {
                folders.push_back(strName);
            }
            continue;
        }
        // A short name is only passed over: the files after it still show.
        const CString strTitle = CTemplateFile::TemplateTitle(strName);
        if (!strTitle.IsEmpty()) {
            templates.push_back(strTitle);
        }
    } while (find.FindNext(fd));

    for (const CString& strName : folders) {
        HTREEITEM hItem = InsertItem(strName, imageFolder, imageFolder, hParent);
        WalkFolder(strFolder + "\\" + strName, hItem);
    }
    for (const CString& strName : templates) {
        InsertItem(strName, imageTemplate, imageTemplate, hParent);
    }
}

int CDesignTree::GetImage(HTREEITEM hItem) const
{
    TVITEMA item{};
    item.mask = TVIF_IMAGE | TVIF_HANDLE;
    item.hItem = hItem;
    if (hItem == nullptr || !::SendMessageA(m_hWnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) {
        return -1;
    }
    return item.iImage;
}

CString CDesignTree::GetTemplatePath(HTREEITEM hItem) const
{
    if (GetImage(hItem) != imageTemplate) {
        return CString();
    }
    return GetFolderPath(GetParentItem(hItem)) + "\\" + GetItemText(hItem) + ".znt";
}

CString CDesignTree::GetFolderPath(HTREEITEM hItem) const
{
    const int nImage = GetImage(hItem);
    if (nImage == imageRoot) {
        return m_strTemplateDir;
    }
    if (nImage != imageFolder) {
        return CString();
    }
    return GetFolderPath(GetParentItem(hItem)) + "\\" + GetItemText(hItem);
}

BOOL CDesignTree::IsWithin(HTREEITEM hItem, HTREEITEM hAncestor) const
{
    for (HTREEITEM h = hItem; h != nullptr; h = GetParentItem(h)) {
        if (h == hAncestor) {
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CDesignTree::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_NOTIFY) {
        return CTreeCtrl::OnChildNotify(message, wParam, lParam, pResult);
    }
    const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
    const auto* pTree = reinterpret_cast<const NMTREEVIEWA*>(lParam);
    if (pHdr->code == TVN_DELETEITEMA || pHdr->code == TVN_DELETEITEMW) {
        if (pTree->itemOld.hItem == m_hDeleteItem) {
            m_hDeleteItem = nullptr;
        }
        if (pTree->itemOld.hItem == m_hDragItem) {
            m_hDragItem = nullptr;
        }
        if (pTree->itemOld.hItem == m_hDropItem) {
            m_hDropItem = nullptr;
        }
    } else if (pHdr->code == TVN_BEGINDRAGA || pHdr->code == TVN_BEGINDRAGW) {
        BeginDrag(pTree->itemNew.hItem);
    }
    // The parent still sees the notification (the double click opens there).
    return FALSE;
}

void CDesignTree::BeginDrag(HTREEITEM hItem)
{
    if (hItem == nullptr || GetImage(hItem) == imageRoot) {
        return;
    }
    m_hDragItem = hItem;
    CFxComPtr<COleDataSource> pSource(new COleDataSource);
    if (pSource->CacheText(kDragText, static_cast<int>(sizeof(kDragText) - 1))) {
        pSource->DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE);
    }
    m_hDragItem = nullptr;
}

void CDesignTree::MarkDropItem(HTREEITEM hItem)
{
    // The item's own state, not TVM_SELECTITEM: Wine keeps the old drop highlight when asked to
    // give it to no item.
    TVITEMA item{};
    item.mask = TVIF_STATE | TVIF_HANDLE;
    item.stateMask = TVIS_DROPHILITED;
    if (m_hDropItem != nullptr && m_hDropItem != hItem) {
        item.hItem = m_hDropItem;
        item.state = 0;
        SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    m_hDropItem = hItem;
    if (hItem != nullptr) {
        item.hItem = hItem;
        item.state = TVIS_DROPHILITED;
        SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
}

LRESULT CDesignTree::OnDesignDragOver(WPARAM, LPARAM)
{
    TVHITTESTINFO hit{};
    hit.pt = m_dropTarget.m_point;
    auto hItem = reinterpret_cast<HTREEITEM>(SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    const int nImage = GetImage(hItem);
    // Only the root and folders take drops, and a folder never goes into itself.
    if (hItem == nullptr || nImage == imageTemplate || m_hDragItem == nullptr || IsWithin(hItem, m_hDragItem)) {
        MarkDropItem(nullptr);
        return kRefuse;
    }
    MarkDropItem(hItem);
    return kMove;
}

LRESULT CDesignTree::OnDesignDragLeave(WPARAM, LPARAM)
{
    MarkDropItem(nullptr);
    return 0;
}

LRESULT CDesignTree::OnDesignDrop(WPARAM, LPARAM)
{
    HTREEITEM hTarget = m_hDropItem;
    const int nTarget = GetImage(hTarget);
    MarkDropItem(nullptr);
    HTREEITEM hDragged = m_hDragItem;
    if ((nTarget != imageRoot && nTarget != imageFolder) || hDragged == nullptr || IsWithin(hTarget, hDragged)) {
        return 0;
    }
    const BOOL bFolder = GetImage(hDragged) == imageFolder;
    const CString strName = GetItemText(hDragged);
    const CString strQuestion = FormatText(bFolder ? IDS_TREE_MOVE_FOLDER : IDS_TREE_MOVE_TEMPLATE, strName);
    if (FxMessageBox(m_hWnd, strQuestion, kQuestionTitle, MB_YESNO | MB_ICONINFORMATION) != IDYES) {
        return 0;
    }
    const CString strSource = bFolder ? GetFolderPath(hDragged) : GetTemplatePath(hDragged);
    const CString strTarget = GetFolderPath(hTarget) + "\\" + CCardCommFun::GetFileName(strSource);
    // A failed move leaves disk and tree as they were.
    if (!::MoveFileA(strSource, strTarget)) {
        return 0;
    }
    DeleteItem(hDragged);
    if (bFolder) {
        HTREEITEM hNew = InsertItem(strName, imageFolder, imageFolder, hTarget);
        WalkFolder(strTarget, hNew);
    } else {
        InsertItem(strName, imageTemplate, imageTemplate, hTarget);
    }
    return 1;
}

void CDesignTree::OnNewFolder()
{
    HTREEITEM hParent = GetSelectedItem();
    const int nImage = GetImage(hParent);
    if (nImage != imageRoot && nImage != imageFolder) {
        return;
    }
    CInDataDlg dlg(this);
    dlg.SetData(LoadText(IDS_TREE_NEW_FOLDER_TITLE), LoadText(IDS_TREE_NEW_FOLDER_PROMPT), CString(), 1, TRUE, 0.0f);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    const CString strName = dlg.m_strValue;
    if (!IsPlainFolderName(strName)) {
        FxMessageBox(m_hWnd, FormatText(IDS_TREE_BAD_FOLDER_NAME, strName), kQuestionTitle, MB_OK | MB_ICONINFORMATION);
        return;
    }
    const CString strPath = GetFolderPath(hParent) + "\\" + strName;
    if (!::CreateDirectoryA(strPath, nullptr)) {
        ReportFailure(m_hWnd,
                      FormatText(IDS_TREE_FOLDER_FAILED, strPath, CTemplateFile::SystemMessage(::GetLastError())));
        return;
    }
    InsertItem(strName, imageFolder, imageFolder, hParent);
    Expand(hParent, TVE_COLLAPSE);
    Expand(hParent, TVE_EXPAND);
}

void CDesignTree::OnDeleteSelected()
{
    m_hDeleteItem = GetSelectedItem();
    OnDeleteChosen();
}

void CDesignTree::OnDeleteChosen()
{
    if (m_hDeleteItem != nullptr) {
        DeleteOnDisk(m_hDeleteItem);
    }
}

void CDesignTree::DeleteOnDisk(HTREEITEM hItem)
{
    const int nImage = GetImage(hItem);
    if (nImage != imageFolder && nImage != imageTemplate) {
        return;
    }
    const BOOL bFolder = nImage == imageFolder;
    const CString strQuestion = LoadText(bFolder ? IDS_TREE_DELETE_FOLDER : IDS_TREE_DELETE_TEMPLATE);
    if (FxMessageBox(m_hWnd, strQuestion, kQuestionTitle, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    const CString strPath = bFolder ? GetFolderPath(hItem) : GetTemplatePath(hItem);
    if (bFolder) {
        CCappBaseFun::DeleteDirectory(strPath);
    } else {
        ::DeleteFileA(strPath);
    }
    // The item goes only with its file: a tree that still shows it tells the truth.
    if (PathExists(strPath)) {
        ReportFailure(m_hWnd, FormatText(IDS_TREE_DELETE_FAILED, strPath));
        return;
    }
    DeleteItem(hItem);
}

void CDesignTree::OnRefresh()
{
    Refresh();
}

void CDesignTree::OnNewTemplate()
{
    if (auto* pFrame = dynamic_cast<CMainFrame*>(FxGetMainWnd())) {
        pFrame->OnFileNew();
    }
}

LRESULT CDesignTree::OnContextMenuMsg(WPARAM, LPARAM lParam)
{
    CPoint pt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    CPoint ptClient = pt;
    ::ScreenToClient(m_hWnd, &ptClient);
    TVHITTESTINFO hit{};
    hit.pt = ptClient;
    auto hItem = reinterpret_cast<HTREEITEM>(SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (hItem != nullptr) {
        SelectItem(hItem);
    }
    const int nImage = GetImage(GetSelectedItem());
    CMenu menu;
    if (!menu.CreatePopupMenu()) {
        return 0;
    }
    const UINT nFolderFlags = nImage == imageRoot || nImage == imageFolder ? MF_STRING : MF_STRING | MF_GRAYED;
    const UINT nDeleteFlags = nImage == imageFolder || nImage == imageTemplate ? MF_STRING : MF_STRING | MF_GRAYED;
    menu.AppendMenu(MF_STRING, ID_TREE_NEW_TEMPLATE, LoadText(IDS_TREE_MENU_NEW_TEMPLATE));
    menu.AppendMenu(nFolderFlags, ID_TREE_NEW_FOLDER, LoadText(IDS_TREE_MENU_NEW_FOLDER));
    menu.AppendMenu(nDeleteFlags, ID_TREE_DELETE, LoadText(IDS_TREE_MENU_DELETE));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_TREE_REFRESH, LoadText(IDS_TREE_MENU_REFRESH));
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, this);
    return 0;
}
