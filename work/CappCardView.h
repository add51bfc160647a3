// The card filling view an outside host embeds: shows the current page of a card at a zoom, pages
// through it, edits its cells in place and tells its parent frame of page, selection and value
// changes.
#pragma once

#include "common/KvZoomView.h"
#include "platform/base/ObList.h"
#include "platform/base/PtrList.h"
#include "platform/base/Rect.h"
#include "platform/base/StringArray.h"
#include "platform/base/UIntArray.h"
#include "platform/win/Edit.h"
#include "work/CardCellEditor.h"
#include "work/VornWorkExport.h"

class CCappCell;
class CCappMidData;
class CCappMDData;
class CCappObj;
class CCappSheet;
class CCardObj;
class CCellFieldDataItem;
class CCmdUI;
class CPrintInfo;
class CSession;
struct IXMLDOMElement;

class VORNWORK_API CCappCardView : public CKvZoomView
{
    FX_DECLARE_DYNCREATE(CCappCardView)

public:
    // Messages to the parent frame.
    enum {
        msgSelChanged = 0x518,  // (0, 0)
        msgVarChanged = 0x516,  // (0, CString* variable name)
        msgPageChanged = 0x5F4, // (page count, current page)
    };

    CCappCardView();
    ~CCappCardView() override;
    CCappCardView(const CCappCardView&) = delete;
    CCappCardView& operator=(const CCappCardView&) = delete;

    // Load, save and host operations. Every one of them is refused without a card file object.
    void LoadCardObj(const CString& strUnused1, const CString& strUnused2, CCappObj* pObj);
    void LoadCardObj(CCappObj* pObj);
    void PostOpenCappObj();
    void InitialUpdate();
    // The card's save result: 0 when the card data could not be written.
    int SaveCardData();
    int SaveCardDataAs(const CString& strUnused);
    int TaskReWriteCard();
    void KillEditControl();
    void SetViewType(int nType);
    // Page make-up: pages nFirst to nLast use the card of that name; its sheet is loaded as needed.
    void PageMake(int nFirst, int nLast, const CString& strCardName);
    void SetPageMake(const CObList& listEntries);
    void SetPageMake(const CString& strText);
    void DetachList() {}
    // Stores the text as the card's text, then PostOpenCappObj; the rest is not used.
    void NewCappObj(CSession& session, int nUnused, CString strText, CString strUnused);
    // Head data, else the page data of page nRow, else the detail data in list order: 1 when
    // one of them knows the name.
    int SetVarData(CString strName, int nRow, CString strValue);
    // A string value of HKLM "SOFTWARE\Saelo\CAPP"; 0, after telling the user, when missing.
    int GetRegStringValue(CString strValueName, CString& strOut);
    void ReplaceCurEditData(CString strText);
    void BeginInputDataToCell(CPoint point);
    int SetCurCellFocus(CString strVarName, int nDataRow);
    // 1 when a zoom tool was active and has been left.
    int ResertState();
    // A client point to sheet units.
    void TrunToFact(CPoint& point);
    void ReDrawHeadCell();
    void ReDrawPageCell();
    void ReDrawPageInfoCell();
    // The detail area of that name and its extensions; every area for an empty name.
    void ReDrawMDCell(CString strName, int nUnused);
    void AfterRowsInsertedOrDeleted(CCardObj* pCard, int nRedraw);
    // Scrolls a rectangle in sheet units into the client area.
    void ScrollToShow(const CRect& rcSheet);
    int IsPDMVer() { return 0; }
    // Kept for hosts; nothing of them is built here.
    void AddNewSubCard(int) {}
    void GetResDataFromDict(int) {}
    void OnShowAudit(CRect&) {}
    void UpdateAllExistControl(CCappCell*) {}
    void ChangeRowIndex() {}
    void CreateAllExistControl() {}
    void InBatchMDData() {}
    void LoadFreeObjData() {}
    void SaveFreeObjData() {}
    void SetPageSortInfo() {}
    void OnCappworkSetPageOrderType() {}
    void SignData(CString) {}

    // Detail rows of the current area (CardRowOps.cpp).
    enum {
        idDataDeleteRow = 0x8004,
        idDataInsertRow = 0x8005,
        idCellSelImageFile = 0x8015,
        idCellDelImageFile = 0x8017,
        msgDataDeleteRow = WM_APP + 4,
        msgDataInsertRow = WM_APP + 5,
    };
    void OnDataInsert();
    void OnDataDeltrow();
    // Asks how to renumber the selected index column, then renumbers it.
    void ResetRowOrder();
    // Renumbers one index level of the current area; 0 when refused.
    int ResetVarOrder(int nLevel, int nStart, int bFromCur, int bGroupOnly);
    // Every index level of the current area from the top.
    void ResetMDOrder(CString strName);
    // The order text a new row at nRow of the area would get; "" for no index column.
    CString GetRowAutoOrder(int nRow, CString strMDName, CString strVarName);
    // Sorts the current area by its index columns; a negative marker says it has none.
    void SortCurMDRowIndex(int nIndexMarker);
    void SortMDRow(CString strName);
    // By the key, or by the index columns in order for an empty key; empty rows keep their indexes.
    void SortMDRowByMDName(CString strMDName, CString strKeyName);
    int SortTextNest(CCappMDData* pData, CStringArray& keys, int nFirst, int nLast);
    // Swaps the entry ending at row nA with the entry beginning at row nB.
    int BulkExchangeRow(CCappMDData* pData, CString strKey, int nA, int nB, int nFirst, int nLast);
    void ResertUserRowCount(CString strName);
    int InsertSubCard(int, CString, int, int, CString, CString, CString) { return 1; }
    int RemoveSubCard(int, CString, int, int) { return 1; }
    void OnDataNewHeadsubcard() { AddNewSubCard(0); }
    void OnDataNewPagesubcard() { AddNewSubCard(1); }
    void OnDataNewMDsubcard() { AddNewSubCard(2); }
    // Asks for an image file and attaches it to the current cell.
    void OnCellSelBmpFile();
    // Copies the file into the card directory and points the current cell's value at the copy;
    // the cell is left as it was, and the failure told to the main window, when the copy fails.
    BOOL AttachImageFile(const CString& strSrcPath);
    // No in-cell controls exist here to carry an image: nothing to remove.
    void OnCellDelImageFile() {}
    LRESULT OnDataInsertMsg(WPARAM, LPARAM);
    LRESULT OnDataDeltrowMsg(WPARAM, LPARAM);

    // Messages of the editor's menu and double click (CardViewCompute.cpp); each returns 0.
    enum {
        msgSetIndexString = 0x498,
        msgCurEditComputer = 0x511,
        msgUserEditDlg = 0x514,
        msgPopupCurEditRes = 0x515,
        msgPopupCurEditPdm = 0x50F,
        msgPopupCurEditDict = 0x50E,
        msgEditCode = 0x510,
        msgSaveTypeRow = 0x512,
        msgLoadTypeRow = 0x513,
        msgSaveToKnowledge = 0x519,
        msgCalcWeight = 0x523,
    };
    // The open editor's text becomes the cell's computed value; the card takes it when the
    // edit ends.
    LRESULT OnCurEditComputer_ByMsg(WPARAM, LPARAM);
    LRESULT OnSetIndexString_ByMsg(WPARAM, LPARAM);
    // The open editor's text in the special-character editor; its text comes back on OK.
    LRESULT OnMsgUserEditDlg(WPARAM, LPARAM);
    // The next order text of the selected detail cell's column; "" for other cells.
    CString GetNextIndexText();
    // Related resources and product data through the data-source hooks (CardXmlReaders.cpp).
    LRESULT OnPopupCurEditRes_ByMsg(WPARAM, LPARAM);
    LRESULT OnPopupCurEditPdm_ByMsg(WPARAM, LPARAM);
    LRESULT OnPopupCurEditDict_ByMsg(WPARAM, LPARAM) { return 0; }
    LRESULT OnMsgInDataToIDI(WPARAM, LPARAM) { return 0; }
    LRESULT OnCurEditCalcWeight_ByMsg(WPARAM w, LPARAM l) { return OnMsgInDataToIDI(w, l); }
    LRESULT OnMsgLoadTypeRow(WPARAM w, LPARAM l) { return OnMsgInDataToIDI(w, l); }
    LRESULT OnMsgSeveToTypeRow(WPARAM w, LPARAM l) { return OnMsgInDataToIDI(w, l); }
    LRESULT OnPopupCurEditCode_ByMsg(WPARAM w, LPARAM l) { return OnMsgInDataToIDI(w, l); }
    // Requests to the host for a cell's related resources and row texts of card values; empty
    // when the cell has no related resource or the area is null.
    CString GetResInfo(CCappCell* pCell);
    CString GetOtherTBResInfo(CCappCell* pCell);
    CString GetOtherDBResInfo(CCappCell* pCell);
    CString GetRowDataML(CCappMidData* pArea, int nFirst, int nLast);

    // Pages, numbered from 1.
    void AddNewPage(int bSetCur, int bResetSel);
    void InsertNewPage();
    // Refused on a card's only page: a card keeps at least one page to show and select on.
    void DeleteCurPage();
    void ResertCurPage();
    BOOL SetCurPage(int nPage, int bResetSel);
    void UpDataCurPage(int nPage);

    // Drawing.
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void PrepareDrawDC(CDC& dc);
    void LpToDp(CPoint& pt);
    void MyInvalidateRect(CRect rc, int nUnused);
    // No in-cell controls are made here: what is left is closing the editor, text kept.
    void ReSzieAllExistControl();
    void ReCreateSheetCell();

    // Zoom commands.
    void OnZoomIn();
    void OnZoomOut();
    void OnZoomViewAll();
    void OnZoomCardSize();
    void OnZoom25();
    void OnZoom75();
    void OnZoom100();
    void OnZoom200();
    void OnZoom400();
    void OnZoomMDSize();
    void OnZoomRect();
    void OnZoomMove();
    void OnUpdateZoomRect(CCmdUI* pCmdUI);
    void OnUpdateZoomMove(CCmdUI* pCmdUI);

    // Edit commands go to the open editor.
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    void OnEditUndo();
    // Message 1303 to the application's main window.
    void OnFullScreen();

    // Printing: the page shown comes back after the job.
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnCardPrintPreview();
    void OnViewPrint();

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnRButtonUp(UINT nFlags, CPoint point) override;
    void OnSize(UINT nType, int cx, int cy) override;
    LRESULT OnEndEditByKey_ByMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnEditChange(WPARAM wParam, LPARAM lParam);
    // Which popup of menu 3032 a right click shows now: 0 plain, 1 detail cell, 2 image cell,
    // 3 read-only.
    int GetPopupIndex() const;
    // That popup of menu 3032, the full-screen item added or removed; the caller owns it.
    HMENU CreatePopupMenu(int nIndex) const;
    // Selects the head or page card-variable cell under the client point; (0, 0) clears.
    void SetCurCell(CPoint point);

    // The card shown, and its current sheet; null without a card file object.
    CCardObj* GetCard() const;
    CCappSheet* GetCurSheet() const;
    // Sends a message to the parent frame; 0 without one.
    LRESULT NotifyParent(UINT nMessage, WPARAM wParam, LPARAM lParam) const;

    CPtrList m_listExistControl;
    int m_nReserved1;
    int m_nReserved2;
    CEdit m_editInput;
    HCURSOR m_hCursor;
    BOOL m_bReadOnly;
    BOOL m_bReadOnlyTask;
    int m_bCellSelect;
    CString m_strTitle;
    int m_nPrintSavedPage;
    CString m_strCardDir;
    BOOL m_bBrowseMode;
    CCappObj* m_pCappObj; // the host's; never assigned or freed here
    CCardCellEditor m_cellEditor;
    BOOL m_bAutoIndex;
    BOOL m_bIndexAdd;
    BOOL m_bCtrlPan;
    CCappCell* m_pCurCell;
    CCappMidData* m_pCurMidData;
    CCappMidData* m_pCurShowMidData;
    CRect m_rcCurCell; // sheet units
    int m_nCurRow;
    BOOL m_bEditOnDblClk;
    BOOL m_bPrintPages;
    CUIntArray m_arrPrintPages;

    // ---- Host exchange: answers read into the card, data-source hooks (CardXmlReaders.cpp) ----
    // The current value of the cell and of its output-format variables at nRow, in the row
    // format; empty when the cell has no related resource.
    CString GetResInitDataInfo(CCappCell* pCell, int nRow);
    // Each returns 1 when the answer was read and 0, having changed nothing, when it is no XML,
    // holds a document type, lacks the rows asked for, or a column has no name.
    int ReplaceCurEditDataDataML(CString strAnswer);
    // strFormat "FDataML" (any case): a row-format answer for the current cell and its
    // neighbours; anything else: the text as it stands for the editor.
    int LoadDataToCurCell(CString strAnswer, CString strFormat);
    int LoadDataMlToCard(CString strAnswer, int nKind, CString strMDName, int nStartRow);
    // The first row into the cells (comments cut from the values), the current cell's value into
    // its editor.
    int ParseDataToCurEdit(IXMLDOMElement* pRoot, int nKind, CString strMDName, int nRow);
    // Every row into the head (kind 0), page nStartRow on (1) or detail rows nStartRow on (2).
    int ParseData(IXMLDOMElement* pRoot, int nKind, CString strMDName, int nStartRow);
    // Asks the hook of the resource kind (1 knowledge base, 4 and 5 other tables) for data and
    // loads it into the current cell.
    void GetResData(int nResKind, int nFlag);
    void GetResDataFromPdm(int nFlag);
    // Data-source hooks: a host that reaches data sources overrides them. Here they give no data
    // (0, 0, and 1 with the outputs untouched).
    virtual int GetIDIData(CCappCell* pCell, int nRow, CString& strData, CString& strFormat, int nFlag);
    virtual int GetOtherTbData(CCappCell* pCell, int nRow, CString& strData, CString& strFormat);
    virtual int GetPDMData(CCappCell* pCell, CString& strData, CStringArray& arrValues);
    // ---- end of host exchange ----

    // ---- Printing with the fit settings (CardViewPrint.cpp) ----
    // The fit settings are the process's, shared by every view; kept in the profile's "Option".
    static void GetPrintFitSetting(int& bFit, CSize& szOffset);
    static void EnablePrintFitSetting(int bFit, CSize szOffset);
    static void LoadPrintFitSettingFromDefault();
    static void SavePrintFitSettingToDefault();
    // Prints the listed pages, in that order, on the application's printer without asking.
    void OnMyPrint(CUIntArray& arrPages);
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    static int m_bAutoPrintFit;
    static CSize m_szOffsetAtNotFit; // tenths of a millimetre
    // A file OnMyPrint writes the job to; empty: the printer's own port.
    CString m_strPrintOutput;
    // ---- end of printing ----

    // ---- Sub-card lists of CSubDataItem, owned by the list (CardSubData.cpp) ----
    // Deletes every item and empties the list.
    void DetachSubDataList(CObList& list);
    // The destination's own items are freed first; a list copied onto itself keeps its items.
    void CpySubDataList(CObList& listDest, CObList& listSrc);
    // ---- end of sub-card lists ----

protected:
    void ZoomLevelChanged() override;

private:
    // The zoom level that shows nPercent of natural size on this screen.
    static int ScreenPercent(int nPercent);
    void ZoomToRect(CRect rc);
    void OnFreeObjCommand() {}

    FX_DECLARE_MESSAGE_MAP()
};
