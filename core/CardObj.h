// One filled card: the template sheets its pages use, its values, the current page, and the
// page and detail-row operations a card view or the report control calls.
#pragma once

#include <functional>

#include "core/CappCardData.h"
#include "core/VornCardExport.h"
#include "platform/base/ObList.h"
#include "platform/base/Object.h"
#include "platform/base/StringArray.h"

class CCappMDData;
class CCappMidData;
class CCappObj;
class CCappSheet;
class CDC;
class CWnd;
struct IXMLDOMElement;

class VORNCARD_API CCardObj : public CObject
{
    FX_DECLARE_SERIAL(CCardObj)
public:
    // m_nPrintSelect; 0 prints everything.
    enum {
        printStatic = 0x1,   // head cells of content kind 1
        printImage = 0x2,    // head cells of content kind 4
        printVariable = 0x4, // head cells of content kind 2
        printPageCell = 0x8, // page cells
        printMidData = 0x10, // detail areas
        printTable = 0x100,  // background, table lines, free objects and figures
    };

    CCardObj();
    ~CCardObj() override;
    CCardObj(const CCardObj&) = delete;
    CCardObj& operator=(const CCardObj&) = delete;

    // Loading and saving.
    // Reads "<dir>\<dataName>.ccd" when it exists, else starts a new card of masterName (0 when
    // that is empty), then loads the sheets by page numbering. 0 when the archive is damaged.
    int LoadCard(const CString& strDir, const CString& strMasterName, const CString& strDataName, CCappObj* pCappObj,
                 CWnd* pWnd);
    // The same without a card file and without sheets.
    int LoadCard(const CString& strDir, const CString& strMasterName, const CString& strDataName);
    // Writes the archive beside a temporary name and replaces the old file only when complete;
    // 0 when writing failed or the card's last load failed (its data is incomplete).
    int SaveData();
    void Serialize(CArchive& ar) override;
    void SetCCDFileName();
    void SetSubDataFileName(const CString& strDir);
    void GetSubFileInfo(CStringArray& arrNames, CStringArray& arrShown) const;
    void SetParentView(CWnd* pWnd) { m_pParentView = pWnd; }

    // Sheets.
    CCappSheet* LoadSheet(CWnd* pWnd, const CString& strName);
    CCappSheet* LoadSheetByFileName(CWnd* pWnd, const CString& strPath);
    void LoadAllSheetByPageMaker(CWnd* pWnd);
    CCappSheet* LoadSheetByPage(CWnd* pWnd, int nPage);
    // An unknown or empty name gives the first sheet.
    CCappSheet* GetSheetByName(const CString& strName) const;
    CCappSheet* GetSheetByPage(int nPage, int bBeyondCount) const;
    CCappSheet* GetCurSheet() const { return GetSheetByPage(m_nCurPage, 0); }
    CCappSheet* GetMasterSheet() const;
    void InitSheet(CWnd* pWnd);
    void RelSheetMDData(CCappSheet*& pSheet);
    void ReSetSheetPrivePageSet();
    // "" or "m_listSheet": frees every sheet.
    void DetachList(const CString& strName);

    // Pages.
    CCappSheet* SetCurPage(int nPage);
    void UpdateCurPageData() { SetCurPage(m_nCurPage); }
    int AddNewPage(int nUnused, int bRecount);
    int InsertNewPage(int nPage);
    int DeletePage(int nPage);
    int IsEmptyPage(int nPage) const;
    int GetPageByRowIndex(const CString& strMDName, int nRow) const;
    void ReSetPageCount(int& bChanged, int nFromPage);
    int GetPageBegDataRowIndex(int nPage, const CString& strMDName, int& nFirstRow, int& nRowOffset,
                               int& bLastPage) const;

    // Detail rows of the current sheet's area of that name (a linked area is followed first).
    long GetRowCount(const CString& strMD) const;
    int InsertRow(const CString& strMD, long nAt, short nCount);
    int EmptyRow(const CString& strMD, long nRow);
    int DelRow(const CString& strMD, long nRow);
    int DelAllRow(const CString& strMD);
    int IsEmptyRow(const CString& strMD, long nRow) const;
    void ResertUserRowCount(const CString& strMD, CDC* pDC);
    // The detail data of the current sheet's area of that name (a linked area followed first).
    CCappMDData* GetRowData(const CString& strMD) const { return FindRowData(strMD); }

    // Variables and values.
    CString GetCardVars(short nMode, const CString& strMD) const;
    void LoadFieldList();
    CString GetHeadVarData(const CString& strName) const;
    // The head value of the current sheet's first head cell of that role; 0 when there is no
    // such cell or its variable has no value.
    int GetMaterialSize(CString& strValue) const;
    int GetMaterialName(CString& strValue) const;
    // The "[name]" references of the link texts of the master sheet's inheriting head cells,
    // each once, each followed by ","; PickOutVars: its out cells' link texts, each followed by ",".
    CString PickInheritVars() const;
    CString PickOutVars() const;
    // For each ","-separated name its head value, else its value in the row of that id of the
    // detail data of that key; each value followed by "<,>".
    CString GetInheritData(const CString& strNames, int nMDKey, int nRowID) const;
    // Fill the link texts' references of the out cells (line-feed separated names and values) or
    // of the inheriting cells (names ended by ",", values by "<,>") and store them as head values.
    void SetOutData(const CString& strNames, const CString& strValues);
    void SetInheritData(const CString& strNames, const CString& strValues);
    // The card file's next item code; empty without a card file.
    CString GetNewItemIDCode();
    // The XML data import and the page-text export, kept in their own classes.
    void LoadADMLDataToObj(const CString& strXml, long nReserved);
    BOOL ParseADMLData(IXMLDOMElement* pRoot);
    static void CappSheetToRPTBlock(CCappSheet*& pSheet, const CString& strGroupName, CString& strOut);
    static void SaveRPTPage(CCappSheet*& pSheet, CString& strOut);
    static int ExistFile(const CString& strPath);

    CString m_strCardDir;
    int m_nCurPage;
    CWnd* m_pParentView;
    CString m_strCcdFile;
    int m_nReserved1;
    int m_bKeepSheets;
    int m_nReserved2;
    CString m_strReserved;
    int m_nPrintSelect;
    CCappObj* m_pCappObj;
    CObList m_listSheet; // CCappSheet, owned; the first is the master card's
    CString m_strVersion;
    CString m_strCardTag;
    CCappCardData m_CardData;

private:
    // Each paged detail area of page nPage's sheet that has data, with the first data row that
    // begins on the page.
    void ForEachAreaOnPage(int nPage, const std::function<void(CCappMidData*, CCappMDData*, int)>& fnArea);
    // The page-set type split into cell names and formats.
    void GetPageSetArrays(CStringArray& arrNames, CStringArray& arrFormats) const;
    void SetUpSheet(CCappSheet* pSheet, CWnd* pWnd);
    // The current sheet's area of that name, followed to the area it extends; its detail data.
    CCappMidData* FindRowArea(const CString& strMD) const;
    CCappMDData* FindRowData(const CString& strMD) const;
    // The area of that name on a page's sheet; null when the page has no sheet or no such area.
    CCappMidData* GetPageArea(int nPage, const CString& strMDName) const;
    // The head value of the current sheet's first head cell of that role.
    int GetRoleVarData(int nRole, CString& strValue) const;
    // The master sheet's head cells of that link kind.
    void GetLinkCells(int nLinkKind, CObList& listCells) const;
    // Walks one detail data's pages from nFrom on; the page count grows while rows remain.
    void RecountMDData(CCappMDData* pMDData, int nFrom, int nOldCount);

    // The last load failed: its data is partial and must not replace a good file.
    BOOL m_bLoadFailed;
};
