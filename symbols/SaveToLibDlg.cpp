#include "symbols/SaveToLibDlg.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "platform/db/Command.h"
#include "platform/db/FxDbErrorRecords.h"
#include "platform/db/Session.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Pen.h"
#include "platform/win/DataExchange.h"
#include "platform/win/MsgBox.h"
#include "symbols/res/resource.h"

namespace
{
const char szSubFolderSQL[] = "SELECT CN_ID, \t\t\t\t\t\t\t\tCN_NAME \t\t\t\t\t\t FROM\tTN_SYS_CUSTSYMBOL \t\t\t\t\t\t "
                              "WHERE\tCN_PARENTID = %d \t\t\t\t\t\t AND\tCN_ISFOLDER = 1";
const char szSymbolSQL[] = "SELECT\tCN_ID, \t\t\t\t\t\t\tCN_NAME, \t\t\t\t\t\t\tCN_BLOBID, \t\t\t\t\t\t\tCN_GUID "
                           "\t\t\t\t   FROM\t\tTN_SYS_CUSTSYMBOL \t\t           WHERE\tCN_ISFOLDER = 0 "
                           "\t\t\t\t   AND\t\tCN_PARENTID = %d";
// The GUID travels as a parameter: pasted into the text, a quote in it would rewrite the statement.
const char szGuidSQL[] = "SELECT CN_BLOBID \t\t\t\t\t\t FROM\tTN_SYS_CUSTSYMBOL \t\t\t\t\t\t WHERE\tCN_GUID = ? ";
const char szBlobSQL[] = "SELECT CN_ID, CN_COMPRESSED, CN_BLOB FROM %s WHERE CN_ID = %d";
const char szBlobTable[] = "TN_SYS_CAPPBLOB";
const ULONG cbBlobChunk = 0x10000;
const int cxPreviewMargin = 8;

// A message for the user, or for the caller's report when it asked not to be interrupted.
void Report(CString* pstrReport, HWND hOwner, LPCSTR pszText, LPCSTR pszCaption, UINT nType)
{
    if (pstrReport != nullptr) {
        if (!pstrReport->IsEmpty())
            *pstrReport += "\n";
        *pstrReport += pszText;
        return;
    }
    FxMessageBox(hOwner, pszText, pszCaption, nType);
}

void OleDbErrorBox(CString* pstrReport, LPCSTR pszFormat, ...)
{
    char szBuf[2048];
    va_list args;
    va_start(args, pszFormat);
    vsnprintf(szBuf, sizeof(szBuf), pszFormat, args);
    va_end(args);
    szBuf[sizeof(szBuf) - 1] = '\0';
    Report(pstrReport, nullptr, szBuf, "OLE DB Error Message", MB_OK);
}

// The thread's database error records, one box each.
void ShowOleDbErrorRecords(HRESULT hr, CString* pstrReport)
{
    if (hr != S_OK)
        OleDbErrorBox(pstrReport, "OLE DB Error Record dump for hr = 0x%x\n", static_cast<unsigned>(hr));
    int nCount = CFxDbErrorRecords::GetCount();
    if (nCount == 0) {
        OleDbErrorBox(pstrReport, "No OLE DB Error Information found: hr = 0x%x\n", static_cast<unsigned>(E_FAIL));
        return;
    }
    for (int i = 0; i < nCount; ++i) {
        CString strState;
        CString strMessage;
        long nNative = 0;
        if (!CFxDbErrorRecords::GetRecord(i, strState, nNative, strMessage)) {
            OleDbErrorBox(pstrReport, "OLE DB Error Record dump retrieval failed: hr = 0x%x\n",
                          static_cast<unsigned>(E_FAIL));
            return;
        }
        // ODBC records carry a state where OLE DB names a source, and no help file or interface.
        OleDbErrorBox(pstrReport, "Source:\"%s\"\nDescription:\"%s\"\nHelp File:\"%s\"\nHelp Context:%4d\nGUID:%s\n",
                      strState.GetString(), strMessage.GetString(), "", static_cast<int>(nNative),
                      "{00000000-0000-0000-0000-000000000000}");
    }
}

void ReportStatement(CString* pstrReport, HWND hOwner, LPCSTR pszSQL)
{
    CString strMsg;
    strMsg.Format("SQL语句：%s执行出错", pszSQL);
    Report(pstrReport, hOwner, strMsg, nullptr, MB_OK);
}

// The text of one blob row, read in 64 KB chunks; 1 on success. A missing row or a NULL blob
// leaves strText as it was.
int ReadBlobText(CSession& session, int nID, CString strTable, CString& strText, CString* pstrReport)
{
    CString strSQL;
    strSQL.Format(szBlobSQL, strTable.GetString(), nID);
    CCommand cmd;
    HRESULT hr = cmd.Open(session, strSQL);
    if (FAILED(hr)) {
        ShowOleDbErrorRecords(hr, pstrReport);
        return 0;
    }
    hr = cmd.MoveFirst();
    if (FAILED(hr)) {
        ShowOleDbErrorRecords(hr, pstrReport);
        return 0;
    }
    if (hr != S_OK)
        return 0;
    std::vector<char> buf(cbBlobChunk + 1);
    ULONG cbRead = 0;
    hr = cmd.ReadBlob(3, buf.data(), cbBlobChunk, &cbRead);
    // S_FALSE: a NULL value.
    if (hr != S_OK) {
        if (FAILED(hr))
            ShowOleDbErrorRecords(hr, pstrReport);
        return 0;
    }
    strText.Empty();
    for (;;) {
        // A zero byte ends the chunk's text: symbol strings are text.
        buf[cbRead] = '\0';
        strText += buf.data();
        if (cbRead < cbBlobChunk)
            return 1;
        hr = cmd.ReadBlob(3, buf.data(), cbBlobChunk, &cbRead);
        if (hr != S_OK) {
            ShowOleDbErrorRecords(hr, pstrReport);
            return 0;
        }
    }
}

struct FolderRow
{
    int nID;
    CString strName;
};
} // namespace

int CSaveToLibDlg::ReadStringFromDB(CSession& session, CString strGuid, CString& strSymbol, CString* pstrReport)
{
    CCommand cmd;
    cmd.AddParam(strGuid);
    if (cmd.Open(session, szGuidSQL) != S_OK) {
        ReportStatement(pstrReport, nullptr, szGuidSQL);
        return 0;
    }
    if (cmd.MoveFirst() != S_OK)
        return 0;
    int nBlobID = static_cast<int>(cmd.GetValueLong(1));
    cmd.Close();
    return ReadBlobText(session, nBlobID, szBlobTable, strSymbol, pstrReport);
}

FX_BEGIN_MESSAGE_MAP(CSaveToLibDlg, ResizableDialog)
FX_ON_NOTIFY(TVN_SELCHANGEDA, IDC_SYMLIB_TREE, OnSelChangedTree)
FX_ON_NOTIFY(TVN_SELCHANGEDW, IDC_SYMLIB_TREE, OnSelChangedTree)
FX_ON_NOTIFY(TVN_SELCHANGINGA, IDC_SYMLIB_TREE, OnSelChangingTree)
FX_ON_NOTIFY(TVN_SELCHANGINGW, IDC_SYMLIB_TREE, OnSelChangingTree)
FX_ON_NOTIFY(NM_DBLCLK, IDC_SYMLIB_TREE, OnDblClkTree)
FX_END_MESSAGE_MAP()

CSaveToLibDlg::CSaveToLibDlg(CWnd* pParent) : ResizableDialog(IDD_SAVETOLIB, pParent), m_pSession(nullptr)
{
    AddAnchor(IDOK, anchorMoveRight | anchorMoveDown);
    AddAnchor(IDCANCEL, anchorMoveRight | anchorMoveDown);
    AddAnchor(IDC_SYMLIB_PREVIEW, anchorStretchRight | anchorStretchDown);
    AddAnchor(IDC_SYMLIB_NOTE, anchorStretchRight | anchorMoveDown);
    AddAnchor(IDC_SYMLIB_TREE, anchorStretchDown);
}

CSaveToLibDlg::~CSaveToLibDlg()
{
    DetachList();
}

void CSaveToLibDlg::DoDataExchange(CDataExchange* pDX)
{
    ResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SYMLIB_PREVIEW, m_wndPreview);
    DDX_Control(pDX, IDC_SYMLIB_TREE, m_treeSym);
}

BOOL CSaveToLibDlg::OnInitDialog()
{
    ResizableDialog::OnInitDialog();
    if (m_imageList.GetSafeHandle() == nullptr) {
        m_imageList.Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 0);
        const UINT images[] = {IDB_SYMLIB_ROOT, IDB_SYMLIB_FOLDER, IDB_SYMLIB_SYMBOL};
        for (UINT nID : images) {
            CBitmap bmp;
            if (bmp.LoadBitmap(nID))
                m_imageList.Add(&bmp, RGB(0xC0, 0xC0, 0xC0));
        }
    }
    m_treeSym.SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(m_imageList.GetSafeHandle()));
    m_treeSym.ModifyStyle(0, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT);
    m_treeSym.SendMessage(TVM_SETBKCOLOR, 0, static_cast<LPARAM>(RGB(255, 255, 255)));

    LoadData();

    m_nPreviewLeft = m_nPreviewBottom = m_nPreviewHeight = 0;
    m_strSymbol.Empty();
    m_bSkipFolder = 1;
    m_curItem.m_bFolder = 1;
    DrawCustSymbol();
    return TRUE;
}

void CSaveToLibDlg::LoadData()
{
    m_treeSym.DeleteAllItems();
    DetachList();
    m_arrLoadedFolder.RemoveAll();
    HTREEITEM hRoot = m_treeSym.InsertItem("符号库", 0, 0, TVI_ROOT, TVI_LAST);
    m_treeSym.SetItemData(hRoot, 0);
    LoadSubFolder(hRoot, 0);
    m_treeSym.Expand(hRoot, TVE_EXPAND);
}

void CSaveToLibDlg::LoadSubFolder(HTREEITEM hParent, int nParentID)
{
    if (m_pSession == nullptr)
        return;
    for (INT_PTR i = 0; i < m_arrLoadedFolder.GetSize(); ++i) {
        if (static_cast<int>(m_arrLoadedFolder[i]) == nParentID)
            return;
    }
    m_arrLoadedFolder.Add(static_cast<DWORD>(nParentID));

    CString strSQL;
    strSQL.Format(szSubFolderSQL, nParentID);
    // The rows of a level are read before its folders are walked, so one statement is open at a time.
    std::vector<FolderRow> rows;
    {
        CCommand cmd;
        if (cmd.Open(*m_pSession, strSQL) != S_OK) {
            ReportStatement(nullptr, m_hWnd, strSQL);
            return;
        }
        for (HRESULT hr = cmd.MoveFirst(); hr == S_OK; hr = cmd.MoveNext()) {
            CString strName = cmd.GetValueText(2);
            strName.TrimRight();
            rows.push_back({static_cast<int>(cmd.GetValueLong(1)), strName});
        }
    }
    for (const FolderRow& row : rows) {
        // A folder already in the tree (its own or an ancestor's parent) is not entered again.
        BOOL bLoaded = FALSE;
        for (INT_PTR i = 0; i < m_arrLoadedFolder.GetSize() && !bLoaded; ++i)
            bLoaded = static_cast<int>(m_arrLoadedFolder[i]) == row.nID;
        if (bLoaded)
            continue;
        CSymStructItem* pItem = new CSymStructItem;
        pItem->m_nID = row.nID;
        pItem->m_strName = row.strName;
        pItem->m_bFolder = 1;
        m_listItem.AddTail(pItem);
        HTREEITEM hItem = m_treeSym.InsertItem(row.strName, 1, 1, hParent, TVI_LAST);
        m_treeSym.SetItemData(hItem, static_cast<DWORD_PTR>(static_cast<UINT>(row.nID)));
        LoadSubFolder(hItem, row.nID);
    }
    LoadSymbol(hParent, nParentID);
}

void CSaveToLibDlg::LoadSymbol(HTREEITEM hParent, int nParentID)
{
    if (m_pSession == nullptr)
        return;
    CString strSQL;
    strSQL.Format(szSymbolSQL, nParentID);
    CCommand cmd;
    if (cmd.Open(*m_pSession, strSQL) != S_OK) {
        ReportStatement(nullptr, m_hWnd, strSQL);
        return;
    }
    for (HRESULT hr = cmd.MoveFirst(); hr == S_OK; hr = cmd.MoveNext()) {
        CSymStructItem* pItem = new CSymStructItem;
        pItem->m_nID = static_cast<int>(cmd.GetValueLong(1));
        pItem->m_strName = cmd.GetValueText(2);
        pItem->m_strName.TrimRight();
        pItem->m_bFolder = 0;
        pItem->m_nBlobID = static_cast<int>(cmd.GetValueLong(3));
        pItem->m_strGuid = cmd.GetValueText(4);
        pItem->m_strGuid.TrimRight();
        m_listItem.AddTail(pItem);
        HTREEITEM hItem = m_treeSym.InsertItem(pItem->m_strName, 2, 2, hParent, TVI_LAST);
        m_treeSym.SetItemData(hItem, static_cast<DWORD_PTR>(static_cast<UINT>(pItem->m_nID)));
    }
    Invalidate();
}

int CSaveToLibDlg::SetCurSymItem()
{
    m_curItem.m_bFolder = 1;
    HTREEITEM hItem = m_treeSym.GetSelectedItem();
    if (hItem == nullptr || hItem == m_treeSym.GetRootItem())
        return 0;
    CSymStructItem* pItem = GetSymbolStur(static_cast<int>(m_treeSym.GetItemData(hItem)));
    if (pItem == nullptr)
        return 0;
    m_curItem.m_nID = pItem->m_nID;
    m_curItem.m_strName = pItem->m_strName;
    m_curItem.m_bFolder = pItem->m_bFolder;
    m_curItem.m_nBlobID = pItem->m_nBlobID;
    m_curItem.m_strGuid = pItem->m_strGuid;
    return 1;
}

CSymStructItem* CSaveToLibDlg::GetSymbolStur(int nID)
{
    for (POSITION pos = m_listItem.GetHeadPosition(); pos != nullptr;) {
        CSymStructItem* pItem = static_cast<CSymStructItem*>(m_listItem.GetNext(pos));
        if (pItem->m_nID == nID)
            return pItem;
    }
    return nullptr;
}

void CSaveToLibDlg::PreviewSymbol()
{
    m_strSymbol.Empty();
    m_symPreview.FreeAll();
    if (!m_curItem.m_bFolder && m_pSession != nullptr) {
        ReadBlobText(*m_pSession, m_curItem.m_nBlobID, szBlobTable, m_strSymbol, nullptr);
        if (!m_symPreview.SetSymbolString(m_strSymbol)) {
            m_symPreview.FreeAll();
            MessageBox("Symbol string in bad format!", nullptr, MB_OK);
        }
    }
    m_symPreview.SetTransparent(TRUE);
    DrawCustSymbol();
}

void CSaveToLibDlg::DrawCustSymbol()
{
    if (IsIconic(m_hWnd) || !m_wndPreview.IsWindow())
        return;
    CRect rcFrame;
    m_wndPreview.GetWindowRect(&rcFrame);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(&rcFrame), 2);
    m_nPreviewHeight = rcFrame.Height();
    if (m_nPreviewHeight <= 0) {
        m_nPreviewLeft = m_nPreviewBottom = m_nPreviewHeight = 0;
        return;
    }
    m_nPreviewLeft = rcFrame.left;
    m_nPreviewBottom = rcFrame.bottom;

    // The picture is drawn into a bitmap the frame shows, so the frame repaints it by itself.
    CClientDC dcWnd(m_hWnd);
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(&dcWnd))
        return;
    CBitmap bmpNew;
    if (!bmpNew.CreateCompatibleBitmap(&dcWnd, rcFrame.Width(), rcFrame.Height()))
        return;
    {
        CFxSelectGuard guardBmp(&dcMem, &bmpNew);
        m_pDrawDC = &dcMem;
        CRect rcArea(0, 0, rcFrame.Width(), rcFrame.Height());
        if (m_curItem.m_bFolder) {
            CBitmap bmpFolder;
            BITMAP bm = {};
            if (bmpFolder.LoadBitmap(IDB_SYMLIB_FOLDERVIEW) && bmpFolder.GetBitmap(&bm) != 0) {
                CDC dcPic;
                dcPic.CreateCompatibleDC(&dcWnd);
                CFxSelectGuard guardPic(&dcPic, &bmpFolder);
                dcMem.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &dcPic, 0, 0, SRCCOPY);
            }
            DrawSolidRectangle(CRect(bm.bmWidth - 4, 0, rcArea.right, rcArea.bottom), RGB(255, 255, 255),
                               RGB(255, 255, 255));
            DrawSolidRectangle(CRect(0, bm.bmHeight - 4, rcArea.right, rcArea.bottom), RGB(255, 255, 255),
                               RGB(255, 255, 255));
            DrawRectBound(rcArea, RGB(0, 0, 0));
        } else {
            DrawSolidRectangle(rcArea, RGB(255, 255, 255), RGB(0, 0, 0));
            // Scaled to the frame's height, or lower when it would be wider than the frame, and centred
            // with a small margin.
            CCustSymbol sym(m_symPreview);
            long lHeight = m_nPreviewHeight - 2 * cxPreviewMargin;
            long lWidth = 0;
            long cxRoom = rcArea.Width() - 2 * cxPreviewMargin;
            if (lHeight > 0 && sym.QueryWidth(&dcMem, lHeight, lWidth) && lWidth > cxRoom && cxRoom > 0) {
                lHeight = lHeight * cxRoom / lWidth;
                sym.QueryWidth(&dcMem, lHeight, lWidth);
            }
            if (lHeight > 0) {
                int x = (rcArea.Width() - static_cast<int>(lWidth)) / 2;
                int y = rcArea.bottom - (rcArea.Height() - static_cast<int>(lHeight)) / 2;
                sym.Draw(&dcMem, CPoint(x > 0 ? x : 0, y), lHeight);
            }
        }
        m_pDrawDC = nullptr;
    }
    HBITMAP hOld = reinterpret_cast<HBITMAP>(
        m_wndPreview.SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(static_cast<HBITMAP>(bmpNew))));
    // The frame only borrows the picture: the old one is ours to free once replaced.
    if (hOld != nullptr && hOld == static_cast<HBITMAP>(m_bmpPreview))
        m_bmpPreview.DeleteObject();
    m_bmpPreview.Attach(bmpNew.Detach());
}

void CSaveToLibDlg::DrawSolidRectangle(CRect rc, COLORREF crFill, COLORREF crPen)
{
    if (m_pDrawDC == nullptr)
        return;
    CPen pen(PS_SOLID, 1, crPen);
    CBrush brush;
    brush.CreateSolidBrush(crFill);
    CFxSelectGuard guardPen(m_pDrawDC, &pen);
    CFxSelectGuard guardBrush(m_pDrawDC, &brush);
    m_pDrawDC->Rectangle(&rc);
}

void CSaveToLibDlg::DrawRectBound(CRect rc, COLORREF cr)
{
    if (m_pDrawDC == nullptr)
        return;
    CPen pen(PS_SOLID, 1, cr);
    CFxSelectGuard guardPen(m_pDrawDC, &pen);
    CFxSelectGuard guardBrush(m_pDrawDC, NULL_BRUSH);
    m_pDrawDC->Rectangle(&rc);
}

void CSaveToLibDlg::DetachList()
{
    while (!m_listItem.IsEmpty())
        delete static_cast<CSymStructItem*>(m_listItem.RemoveHead());
}

void CSaveToLibDlg::OnSize(UINT nType, int cx, int cy)
{
    ResizableDialog::OnSize(nType, cx, cy);
    if (m_wndPreview.IsWindow())
        DrawCustSymbol();
}

void CSaveToLibDlg::OnDestroy()
{
    m_wndPreview.SendMessage(STM_SETIMAGE, IMAGE_BITMAP, 0);
    ResizableDialog::OnDestroy();
}

void CSaveToLibDlg::OnSelChangedTree(NMHDR*, LRESULT* pResult)
{
    SetCurSymItem();
    if (!(m_curItem.m_bFolder && m_bSkipFolder))
        PreviewSymbol();
    else
        DrawCustSymbol();
    Invalidate();
    *pResult = 0;
}

void CSaveToLibDlg::OnSelChangingTree(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
}

void CSaveToLibDlg::OnDblClkTree(NMHDR*, LRESULT* pResult)
{
    // A folder only expands or collapses, as the tree does by itself.
    *pResult = 0;
    SetCurSymItem();
    if (!m_curItem.m_bFolder)
        OnOK();
}

void CSaveToLibDlg::OnOK()
{
    if (!SetCurSymItem() || m_curItem.m_bFolder)
        return;
    if (m_strSymbol.IsEmpty() && m_pSession != nullptr)
        ReadBlobText(*m_pSession, m_curItem.m_nBlobID, szBlobTable, m_strSymbol, nullptr);
    ResizableDialog::OnOK();
}
