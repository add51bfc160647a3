// The card report control: shows one process card in any ActiveX container. It keeps one or two
// card templates, persists them with its properties, and draws the template (before the card's
// data are initialised) or the card's current sheet, zoomed by its display base; it prints page
// lists and opens a print preview window.
//
// Kept on purpose, as the existing scripts and the simulator rely on it: ZoomIn divides the zoom
// factor by 1.25 (the picture shrinks) and ZoomOut multiplies it (the picture grows).
#pragma once

#include "control/VornCtlExport.h"
#include "control/ZoomOleControl.h"
#include "core/CappObj.h"
#include "platform/base/FxArray.h"
#include "platform/base/StringArray.h"
#include "platform/base/UIntArray.h"
#include "platform/print/PrintPageSetup.h"

class CCappSheet;
class CDocTemplate;
class CFrameWnd;
class CMenu;
class CPrintDialog;
class CCappMDData;

class VORNCTL_API CVornCtlCtrl : public CZoomOleControl
{
public:
    CVornCtlCtrl();
    ~CVornCtlCtrl() override;

    // The card file object; its card holds the templates and, once the data are initialised, the
    // pages drawn and printed.
    CCappObj& GetCappObj() { return m_CappObj; }
    BOOL IsDataInitialised() const { return m_bDataInitialised; }
    // Template display (FALSE) or card display (TRUE); the display is laid out again.
    void SetDataInitialised(BOOL bInitialised);
    int GetPageCount() const { return m_CappObj.m_CardObj.m_CardData.m_nPageCount; }
    BOOL IsPreviewOpen() const { return m_bPreviewOpen; }
    CFrameWnd* GetPreviewFrame() const { return m_pPreviewFrame; }

    // Zoom and printing commands.
    void Zoom100();
    void ZoomIn();
    void ZoomOut();
    // The whole current sheet, in the window and in whatever bounds a container draws into,
    // until another zoom is chosen.
    void ZoomViewAll();
    BOOL IsViewAll() const { return m_bViewAll; }
    // Any zoom other than the whole page ends the whole-page display.
    void SetZoom(double dZoom, const CPoint* pptCentre = nullptr) override;
    // Pan tool on, or off when it is on; FALSE before the data are initialised.
    BOOL ZoomMove();
    // Zoom-rectangle tool on or off; FALSE before the data are initialised.
    BOOL ZoomRange();
    short GetZoomState() const { return static_cast<short>(GetTool()); }
    // Bits of lRemove cleared, then bits of lAdd set (each only when positive).
    BOOL ModifyPrintStyle(long lRemove, long lAdd);
    // 1: fit to the printable area and subtract the printer's offset; other values: real size.
    void SetZoomPrint(short nType);
    // "1, 3-4,2": pages in the order listed, repeats included; empty: every page. TRUE when the
    // document was ended; FALSE without a printer or when the printer refused a page.
    BOOL PrintPage(LPCSTR pszPages);
    // The print dialog over pages 1 to the card's page count; FALSE when cancelled.
    BOOL PrintData();
    // Opens the preview window, or brings the application's main window forward when it is open.
    void PrintPreview();
    // The preview window tells the control it has gone.
    void OnPreviewClosed();

    // The pages of a page list: items cut at ","; "a-b" adds a to b (nothing when b < a).
    static void ParsePageList(LPCSTR pszPages, CFxArray<int, int>& arrPages);
    // A template prints on its own paper, turned as it is drawn; empty without a sheet.
    static CPrintPageSetup GetSheetPageSetup(const CCappSheet* pSheet);

    // Templates persist as "Sheet%d" blobs: a 32-bit archive length, then the sheet's archive.
    // The block holds exactly the archive; null when it cannot be stored.
    static HGLOBAL StoreSheetBlob(CCappSheet* pSheet);
    // A new sheet from a blob's bytes; null when the stored length exceeds the bytes or the
    // archive is damaged.
    static CCappSheet* LoadSheetBlob(const BYTE* pBytes, DWORD cbBytes);

    // Host pop-up menu: the command of a command name ("ID_VORN_ZOOMIN" ...), 0 when unknown.
    static UINT PopupCommandId(LPCSTR pszCommand);
    // The entries the host added, in order; FALSE without entries.
    BOOL BuildPopupMenu(CMenu& menu) const;
    // Runs a pop-up command; FALSE for a command that is not one of ours.
    BOOL RunPopupCommand(UINT nCommand);
    // Whether a page command can run now.
    BOOL IsPopupCommandEnabled(UINT nCommand) const;

    // A sheet read from a template file or URL; null when it cannot be read.
    static CCappSheet* ReadTemplate(const CString& strSource);
    // Unique name in the temporary folder with that extension; empty without a temporary folder.
    static CString MakeTempFileName(LPCSTR pszPrefix, LPCSTR pszExt);

    // Host settings of template scripts and downloads (dispids 57-59; not stored with the control).
    static constexpr long kDefaultScriptTimeLimit = 30;
    // Seconds a template script may run; 0 or less: no limit.
    long GetScriptTimeLimit() const { return m_lScriptTimeLimit; }
    void SetScriptTimeLimit(long lSeconds);
    BOOL GetRunTemplateScripts() const { return m_bRunTemplateScripts; }
    void SetRunTemplateScripts(BOOL bRun);
    // The most bytes a template, XML data or card file read from an address may have.
    long GetDownloadLimit() const { return m_lDownloadLimit; }
    void SetDownloadLimit(long cbLimit);
    // Whether a template script may read (or, bWrite, write) this file or address: files in the
    // card's work folder (and, to read, in the folder of a template loaded from a file), the card's
    // own file, addresses of the same origin as a template loaded from one. Empty: the card's own.
    BOOL IsScriptTargetAllowed(const CString& strTarget, BOOL bWrite) const;

    // Dispatch methods 21-56, in dispid order.
    void PrintSet();
    BOOL SetPrintOrientation(short nOrientation);
    long SaveToFile(LPCSTR pszFileName, BOOL bTranToGoalFile);
    CString GetFileName();
    long OpenZndFile(LPCSTR pszFileName, long lParam);
    long OpenZndFileDisp(LPCSTR pszFileName, long lParam);
    void SetZoomPrintDisp(short nType) { SetZoomPrint(nType); }
    short GetZoomStateDisp() { return GetZoomState(); }
    long LoadADMLDataFile(LPCSTR pszFileName, long lFlag);
    long LoadADMLData(LPCSTR pszData, long lFlag);
    long SetZntFile(LPCSTR pszZntFile, LPCSTR pszExtZntFile);
    void AddPopupMenuItem(short nType, LPCSTR pszPrompt, LPCSTR pszCommand);
    CString GetCardVars(short nSeat, LPCSTR pszSeatName);
    void LoadScript(short nType, LPCSTR pszName, LPCSTR pszScript);
    BOOL ModifyItemStyle(LPCSTR pszVarName, long nRow, LPCSTR pszType, VARIANT& vData);
    BOOL LoadPrintSet(LPCSTR pszPrintSetFile);
    CString GetVarData(LPCSTR pszVarName, long nRow, short nInheritType);
    BOOL SetPrinterName(LPCSTR pszName);
    CString GetScriptNames(short nType);
    CString GetMDNames();
    BOOL ExecScript(short nType, LPCSTR pszName);
    BOOL PrintPageDisp(LPCSTR pszPages) { return PrintPage(pszPages); }
    BOOL PrintDataDisp() { return PrintData(); }
    long LoadADMLURL(LPCSTR pszURL, long lFlag);
    long LoadADMLURLDisp(LPCSTR pszURL, long lFlag);
    long SetPrintOnly(long lDataType, BOOL bSelect);
    IDispatch* GetCtlIDispatch(BOOL bAddRef);
    BOOL ExchangeRow(LPCSTR pszMDName, long nSRow, long nSRowCount, long nDRow, long nDRowCount);
    long GetRowUseCount(LPCSTR pszMDName, long nRow);
    BOOL IsEmptyPage(long nPage);
    BOOL MoveRow(LPCSTR pszMDName, long nSRow, long nSRowCount, long nMoveTo);

protected:
    void OnDraw(CDC* pDC, const CRect& rcBounds, const CRect& rcInvalid) override;
    void DoPropExchange(CPropExchange* pPX) override;
    const CLSID* GetPropPageIDs(ULONG& nPages) override;
    void OnRButtonUp(UINT nFlags, CPoint point) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // Dispatch handlers, in dispid order.
    CString GetZntFileName() const;
    void SetZntFileName(LPCSTR pszZntFileName);
    BOOL GetDrawFrameOnPrint() const;
    void SetDrawFrameOnPrint(BOOL bDraw);
    long GetStyleEx() const;
    void SetStyleEx(long lStyle);
    BOOL InitVornData();
    long SetVarData(LPCSTR pszVarName, long nRow, LPCSTR pszData);
    long ReSetPageCount(short nStartPage);
    void UpdateCurPageData();
    BOOL DelRow(LPCSTR pszMDName, long nRow);
    BOOL EmptyRow(LPCSTR pszMDName, long nRow);
    BOOL IsEmptyRow(LPCSTR pszMDName, long nRow);
    long GetPageCountProp();
    long GetCurPage();
    BOOL DelAllRow(LPCSTR pszMDName);
    BOOL DelPage(short nPage);
    BOOL InsertPage(short nPage);
    void About();
    long GetRowCount(LPCSTR pszMDName);
    long SetCurPage(short nPage);
    BOOL InsertRow(LPCSTR pszMDName, long nRow, short nCount);

    FX_DECLARE_DISPATCH_MAP()

private:
    CObList& Templates() { return m_CappObj.m_CardObj.m_listSheet; }
    // The template at the shown index, else the first; null without templates.
    CCappSheet* GetShownTemplate();
    void LayOut();
    // Maps the DC so that the sheet with a margin fits the bounds, centred.
    static void MapWholePage(CDC* pDC, const CRect& rcBounds, const CCappSheet* pSheet);
    // The template names as one title: the first.
    CString GetFirstTemplateName() const;
    // Keeps or loads templates to match the ZntFileName text.
    void ApplyZntFileName();
    // Starts the card from the templates when the data are initialised and it has no page.
    void StartCard();
    // Adds a first page when the card has none, else shows page 1.
    void ShowFirstPage();
    // Column order and used line counts of every detail data after XML data were loaded.
    void RenewRows();
    // Loads XML text into the card; -1 when the text is empty or not XML.
    long LoadXmlText(const CString& strXml, long lFlag, BOOL bRenewRows);
    // The current sheet's area of that name, followed to the area it extends; its data.
    CCappMDData* FindRowData(LPCSTR pszMDName) const;
    // The template list as ZntFileName gives it after loading: "0", or "1;name;name".
    void RebuildZntFileName();
    // The parsed page list, or every page of the card when the text is empty.
    void ListPagesToPrint(LPCSTR pszPages, CFxArray<int, int>& arrPages);
    // Prints the listed pages as one document on a printer DC made by printer; with
    // bTemplateSetups each page first takes its template's page setup on that printer, without it
    // the DC's settings serve every page.
    BOOL PrintPageList(CDC& dcPrint, const CFxArray<int, int>& arrPages, const CPrintDialog& printer,
                       BOOL bTemplateSetups);

    BOOL m_bPreviewOpen;
    CFrameWnd* m_pPreviewFrame;
    CDocTemplate* m_pPreviewTemplate;
    BOOL m_bLaidOut;
    BOOL m_bFirstPaintDone;
    CCappObj m_CappObj;
    CString m_strMasterCardName;
    BOOL m_bDataInitialised;
    short m_nSheetCount;
    long m_lStyleEx;
    CStringArray m_arrTemplateNames;
    int m_nShownTemplate;
    CStringArray m_arrPopupPrompts;
    CUIntArray m_arrPopupCommands;
    CString m_strZntFileName;
    BOOL m_bDrawFrameOnPrint;
    BOOL m_bViewAll;
    long m_lScriptTimeLimit;
    BOOL m_bRunTemplateScripts;
    long m_lDownloadLimit;
};
