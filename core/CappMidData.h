// A multi-row detail area of a sheet: its seats on the grid, its cells and index fields.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/ObList.h"
#include "platform/base/StringArray.h"
#include "platform/base/UIntArray.h"

class CCappCell;
class CCappMDData;
class CCappMidRow;
class CDC;

class VORNCARD_API CCappMidData : public CObject
{
    FX_DECLARE_SERIAL(CCappMidData)
public:
    enum {
        typeTemplate = 1,  // an area of the template
        typeRunTime = 2,   // added at run time
        typeTemporary = 4, // never stored, never drawn
    };
    // Lists for DetachList.
    enum {
        listAll = 0,
        listSeat = 1,
        listCell = 2,
        listIndex = 3,
        listSub = 4,
    };
    // The bits of m_nMidFlags, stored as they are.
    enum {
        midSortAuto = 0x01,  // sort the rows automatically
        midMergeAuto = 0x02, // merge automatically (with midMergeRows)
        midMergeRows = 0x04, // merge the rows
    };

    CCappMidData();
    ~CCappMidData() override;
    CCappMidData(const CCappMidData&) = delete;
    CCappMidData& operator=(const CCappMidData&) = delete;

    void Serialize(CArchive& ar) override;

    // Frees the entries of one list (listIndex: the index items), or of all of them.
    void DetachList(int nWhich);
    // Appends a seat of the four line ids, in the order given.
    void AddSeatItem(int nTopLineID, int nLeftLineID, int nRightLineID, int nBottomLineID);
    // Splits the hiding text ("1$@$keys$@$hidden", names separated by ";") into the key and
    // hidden name arrays.
    void SetHideDataInfo();

    // Run-time side (CappMidDataRows.cpp).
    // The first cell of that variable; null for an empty name or none.
    CCappCell* GetCellByName(const CString& strVarName) const;
    // The index step of the variable; 1 when it has none.
    int GetIndexStepByVarName(const CString& strVarName) const;
    // Index 0 and every sub-area start.
    BOOL IsMDBeginIndex(int nIndex) const;
    // The area's own name for index 0, else the sub-area the index falls into; "" when none.
    CString GetMDNameByDataIndex(int nIndex) const;
    // FALSE, with an empty name and -1, -1, when the area has no sub-areas.
    BOOL GetSubMDInfo(int nIndex, CString& strName, int& nFirst, int& nLast) const;
    // A new row of the bound detail data before the row at nIndex (-1: at the end); null unbound.
    CCappMidRow* InsertRowData(int nIndex);
    // Measures the row's line count from its values laid out as the cells show them; bChanged
    // tells whether the count changed. Values of more than 49 lines stay laid out in the card
    // data's cache for the page filling. The row's line count.
    int SetUseRowCount(CDC* pDC, CCappMidRow*& pRow, BOOL& bChanged, BOOL bMeasure);
    // Where the page that starts at data row nStart, nShown of whose lines earlier pages showed,
    // ends: nLast is the row the next page starts with and nRest the lines of it that still fit
    // here (0: the page ends with a whole row). FALSE when the data ends before the page does.
    BOOL SetRowDataUseRowCount(CDC* pDC, int nStart, int nShown, int& nLast, int& nRest) const;
    // Fills the cells' data ranges for the page that starts at line nFirstLine of data row
    // nStartRow. FALSE, reported to the main window, when a cell lacks a range for a grid row.
    BOOL UpdateMidCellData(CDC* pDC, int nStartRow, int nFirstLine);
    // The data row and its line shown at a grid row of the current page; bBeyond when the grid
    // row lies past the data (nDataRow then counts on past the last row). FALSE for an area that
    // extends another, and for one without bound data, whose message goes to strOut.
    BOOL GetMDCellInfoIndex(int nGridRow, int& nDataRow, int& nLine, BOOL& bBeyond, CString& strOut) const;

    CString m_strVersion;
    int m_nMidFlags; // midSortAuto, midMergeAuto, midMergeRows
    CString m_strName;
    CString m_strSortInfo;
    CString m_strSrcName;
    int m_nExtFlag; // 1: the area continues m_strSrcName
    int m_nExtOrder;
    CString m_strMDText1;
    CString m_strHideInfo;
    CString m_strMDText2;
    int m_nMDInt2;
    CObList m_listSeatItem;  // CCappMDSeatItem, owned
    CObList m_listMidCell;   // CCappCell, owned
    CObList m_listIndexItem; // CCellIndexItem, owned
    CObList m_listSubItem;   // owned; nothing of ours fills it

    // Run time only.
    int m_nType;
    CStringArray m_arrKeyName;
    CStringArray m_arrHideName;
    CCappMDData* m_pMDData; // the card's detail data shown here; not owned
    int m_nPageStartRow;    // the first data row on the current page
    int m_nFirstLine;       // its first line shown there
    CStringArray m_arrSubName;
    CUIntArray m_arrSubStart; // data row where each sub-area begins, ascending
    int m_nRowsPerPage;       // grid rows of the area on one page
};
