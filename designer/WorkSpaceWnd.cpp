#include "designer/WorkSpaceWnd.h"

#include <vector>

#include "core/CardCommFun.h"
#include "designer/MainFrame.h"
#include "designer/res/resource.h"
#include "platform/frame/WinApp.h"

namespace
{
const COLORREF kWhite = RGB(255, 255, 255);
const char kTemplateExt[] = ".ZNT";
} // namespace

CDesignTree::CDesignTree() : m_bFilled(FALSE)
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
        HBITMAP hBitmap = static_cast<HBITMAP>(
            ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TEMPLATE_TREE), IMAGE_BITMAP, 0, 0, 0));
        if (hBitmap != nullptr) {
            m_images.Add(hBitmap, RGB(192, 192, 192));
            ::DeleteObject(hBitmap);
        }
        SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(m_images.GetSafeHandle()));
    }
    return TRUE;
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
    CString strRoot;
    strRoot.LoadString(IDS_TEMPLATE_ROOT);
    HTREEITEM hRoot = InsertItem(strRoot, imageRoot, imageRoot);
    WalkFolder(m_strTemplateDir, hRoot);
    Expand(hRoot, TVE_EXPAND);
    m_bFilled = TRUE;
}

void CDesignTree::WalkFolder(const CString& strFolder, HTREEITEM hParent)
{
    std::vector<CString> folders;
    std::vector<CString> templates;
    WIN32_FIND_DATAA fd{};
    HANDLE hFind = ::FindFirstFileA(strFolder + "\\*.*", &fd);
    if (hFind == INVALID_HANDLE_VALUE) {
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
        if (strName.GetLength() <= 4) {
            continue;
        }
        CString strExt = strName.Right(4);
        strExt.MakeUpper();
        if (strExt == kTemplateExt) {
            templates.push_back(strName.Left(strName.GetLength() - 4));
        }
    } while (::FindNextFileA(hFind, &fd));
    ::FindClose(hFind);

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
    if (!::SendMessageA(m_hWnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) {
        return -1;
    }
    return item.iImage;
}

CString CDesignTree::GetTemplatePath(HTREEITEM hItem) const
{
    if (hItem == nullptr || GetImage(hItem) != imageTemplate) {
        return CString();
    }
    CString strPath = GetItemText(hItem) + ".znt";
    for (HTREEITEM hParent = GetParentItem(hItem); hParent != nullptr && GetParentItem(hParent) != nullptr;
         hParent = GetParentItem(hParent)) {
        strPath = GetItemText(hParent) + "\\" + strPath;
    }
    return m_strTemplateDir + "\\" + strPath;
}

FX_IMPLEMENT_DYNAMIC(CWorkSpaceWnd, FwControlBar)

FX_BEGIN_MESSAGE_MAP(CWorkSpaceWnd, FwControlBar)
FX_ON_WM_CREATE()
FX_ON_WM_SIZE()
FX_ON_NOTIFY(NM_DBLCLK, IDC_DESIGN_TREE, OnTreeDblClk)
FX_END_MESSAGE_MAP()

CWorkSpaceWnd::CWorkSpaceWnd() : m_bFilled(FALSE)
{
}

CWorkSpaceWnd::~CWorkSpaceWnd()
{
}

int CWorkSpaceWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (FwControlBar::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    if (!m_wndTree.Create(0x50800027, CRect(0, 0, 0, 0), this, IDC_DESIGN_TREE)) {
        return -1;
    }
    const LONG_PTR exStyle = ::GetWindowLongPtrA(m_wndTree.m_hWnd, GWL_EXSTYLE);
    ::SetWindowLongPtrA(m_wndTree.m_hWnd, GWL_EXSTYLE, exStyle | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME);
    ::SetWindowPos(m_wndTree.m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    m_wndTree.Init();
    return 0;
}

void CWorkSpaceWnd::OnSize(UINT nType, int cx, int cy)
{
    FwControlBar::OnSize(nType, cx, cy);
    if (m_wndTree.m_hWnd != nullptr) {
        CRect rcInside;
        GetInsideRect(rcInside);
        ::SetWindowPos(m_wndTree.m_hWnd, nullptr, rcInside.left, rcInside.top, rcInside.Width(), rcInside.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CWorkSpaceWnd::FirstFill()
{
    m_bFilled = TRUE;
    m_wndTree.Fill();
}

void CWorkSpaceWnd::OnTreeDblClk(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    TVHITTESTINFO hit{};
    ::GetCursorPos(&hit.pt);
    ::ScreenToClient(m_wndTree.m_hWnd, &hit.pt);
    auto hItem = reinterpret_cast<HTREEITEM>(m_wndTree.SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (hItem == nullptr) {
        return;
    }
    m_wndTree.SelectItem(hItem);
    const CString strPath = m_wndTree.GetTemplatePath(hItem);
    if (strPath.IsEmpty()) {
        return;
    }
    if (auto* pFrame = dynamic_cast<CMainFrame*>(FxGetMainWnd())) {
        pFrame->OpenTemplate(strPath);
    }
}
