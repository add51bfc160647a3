// Modal dialog "符号入库": browses the custom-symbol library of the database as a tree of folders
// and symbols, previews the selected symbol and hands the chosen one to the caller. Also the reader
// of symbol strings from that library.
#pragma once

#include "platform/base/ObList.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/ImageList.h"
#include "platform/win/Static.h"
#include "platform/win/TreeCtrl.h"
#include "symbols/CustSymbol.h"
#include "symbols/ResizableDialog.h"
#include "symbols/SymStructItem.h"

#include <commctrl.h>

class CSession;

class GLYPHWORK_API CSaveToLibDlg : public ResizableDialog
{
public:
    explicit CSaveToLibDlg(CWnd* pParent = nullptr);
    ~CSaveToLibDlg() override;

    // The symbol string of the symbol named by the GUID; 1 when read, 0 otherwise (no row, a NULL
    // blob: the string then stays as it was). Failures are shown in message boxes, or, when
    // pstrReport is given, appended there instead so that a caller drawing cells is not stopped.
    static int ReadStringFromDB(CSession& session, CString strGuid, CString& strSymbol, CString* pstrReport = nullptr);

    void LoadData();
    void LoadSubFolder(HTREEITEM hParent, int nParentID);
    void LoadSymbol(HTREEITEM hParent, int nParentID);
    int SetCurSymItem();
    CSymStructItem* GetSymbolStur(int nID);
    void PreviewSymbol();
    void DrawCustSymbol();
    void DrawSolidRectangle(CRect rc, COLORREF crFill, COLORREF crPen);
    void DrawRectBound(CRect rc, COLORREF cr);
    void DetachList();

    BOOL OnInitDialog() override;

    CCustSymbol m_symPreview;
    CObList m_listItem;       // owned nodes
    CSymStructItem m_curItem; // copy of the selected node; a folder when nothing is selected
    CImageList m_imageList;   // the tree only borrows it
    CString m_strSymbol;      // the chosen symbol's string after IDOK
    CSession* m_pSession;     // the caller's, open before DoModal
    CStatic m_wndPreview;
    CTreeCtrl m_treeSym;
    int m_nPreviewLeft = 0;
    int m_nPreviewBottom = 0;
    int m_nPreviewHeight = 0;
    int m_bSkipFolder = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnDestroy() override;
    void OnSelChangedTree(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSelChangingTree(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDblClkTree(NMHDR* pNMHDR, LRESULT* pResult);

    FX_DECLARE_MESSAGE_MAP()

private:
    // Folder ids already in the tree: a folder naming itself or a descendant as its parent is
    // loaded once, not forever.
    CDWordArray m_arrLoadedFolder;
    // The picture the preview frame shows; the frame only borrows it.
    CBitmap m_bmpPreview;
    // Where the drawing helpers draw while the preview is drawn.
    CDC* m_pDrawDC = nullptr;
};
