// The values of one multi-row detail area of a card: the column definitions, the rows in
// display order, the rows deleted since loading, the locked row and the table of the rows on
// which printed pages begin. Rows and variables are addressed by 0-based index.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/DWordArray.h"
#include "platform/base/ObList.h"
#include "platform/base/PtrArray.h"
#include "platform/base/StringArray.h"

class CCappCardData;
class CCappCardVarItem;
class CCappMidRow;
class CCellFieldDataItem;

class VORNCARD_API CCappMDData : public CObject
{
    FX_DECLARE_SERIAL(CCappMDData)
public:
    enum {
        inheritNever = 0,
        inheritByDefinition = 1,
        inheritAlways = 2,
    };
    enum {
        lockRowsInserted = 0,
        lockRowsDeleted = 1,
    };

    CCappMDData();
    ~CCappMDData() override;
    CCappMDData(const CCappMDData&) = delete;
    // Copies version, id, owner, name, next row id and names, and deep-copies definitions,
    // deleted rows and rows; page-begin tables, modified flag and locked row stay. 1.
    int operator=(const CCappMDData& src);

    // A new row (state new, one empty value per definition) before the row at nIndex, or at the
    // end when there is no such row; nRowID 0 or less takes GetNewRowID().
    CCappMidRow* InsertRowData(int nIndex, int nRowID);
    // A loaded row moves to the deleted rows with state deleted, a new one is destroyed.
    BOOL DelRowData(int nIndex);
    void DelAllRowData();
    BOOL IsEmptyRow(const CCappMidRow* pRow) const;
    BOOL IsEmptyRow(int nIndex) const;
    int GetNewRowID();
    int GetRowCount() const { return static_cast<int>(m_listRowData.GetCount()); }
    CCappMidRow* GetRow(int nIndex) const;
    // The row's place in m_listRowData, null outside the rows; constant time while the list
    // is unchanged, so that a page costs its own rows, not the rows before it.
    POSITION GetRowPosition(int nIndex) const;

    int GetCardVarItem(const CString& strName, CCappCardVarItem*& pItem) const;
    CCappCardVarItem* GetCardVarItemByIndex(int nIndex) const;
    int GetVarIndex(const CString& strName) const;
    CString GetVarName(int nIndex) const;
    // Empty text for an unknown name.
    CString TransitionData(const CString& strName, const CString& strValue) const;

    CCellFieldDataItem* GetVarDataItem(int nRow, int nVar) const;
    CCellFieldDataItem* GetVarDataItem(int nRow, const CString& strName) const;
    CCellFieldDataItem* GetVarDataItem(CCappMidRow*& pRow, const CString& strName) const;
    // An empty value inherits from the rows above by nInheritMode (inherit* above). FALSE only
    // for an unknown name.
    BOOL GetVarData(int nRow, const CString& strName, CString& strValue, int nInheritMode) const;
    // strValue receives the value as stored.
    BOOL SetVarData(int nRow, const CString& strName, CString& strValue);
    // Sets the value of every definition of that name in the row; always 0.
    int SetVarData(CCappMidRow*& pRow, const CString& strName, CString& strValue);

    // Aligns the names and every row's values with the definitions.
    void ResertDataList();
    // Empty inheriting values of pRow take pPrevRow's; their names are remembered in the row.
    void SetInheritPrvData(CCappMidRow*& pPrevRow, CCappMidRow*& pRow);
    void DelInheritPrvData(CCappMidRow*& pRow);

    // Swaps two blocks of rows in place; the blocks may be given in either order.
    BOOL ExchangeRow(int nStart1, int nStart2, int nCount1, int nCount2);
    // Moves nCount rows at nStart so that they stand before the row now at nTarget (the end
    // when nTarget is the row count).
    BOOL MoveRow(int nStart, int nCount, int nTarget);
    // bToRowID: the row id of the row at index nValue; else the index of the row with id nValue.
    int RowIDToRowIndex(int nValue, int bToRowID) const;
    // Keeps the rows between an edit and the locked row in step after rows were inserted or
    // deleted above (lockRows* above).
    BOOL LockRowCorrespondAction(int nEditIndex, int nAction, int nCount);
    int FindRowIndex(const CString& strName, const CString& strText) const;

    // Pages count from 1; unset entries are -1.
    BOOL GetPageBegDataRowIndex(int nPage, int& nRow, int& nLineOffset) const;
    BOOL SetPageBegDataRowIndex(int nPage, int nRow, int nLineOffset);
    // Only shrinks.
    void SetPageBegDataRowIndexSize(int nSize);
    int GetPageBegDataRowIndexSize() const { return static_cast<int>(m_arrPageBegRow.GetSize()); }
    // The 1-based page that holds the row; 0 for a negative row or an empty table.
    int GetPageByRowIndex(int nRow) const;
    // nFirstPage: the page that holds the row's first line (0 with an empty table), from which a
    // recount is right; nSecond 0.
    BOOL GetRowPageInfo(int nRow, int& nFirstPage, int& nSecond) const;

    // "m_listRowData", "m_listCardVar" or "m_listDeledRowData"; other names do nothing.
    void DetachList(const CString& strName);

    void Serialize(CArchive& ar) override;

    CString m_strVersion;
    int m_nID;
    CString m_strName;
    int m_nNewRowID;
    CObList m_listRowData; // CCappMidRow, owned, in display order
    CStringArray m_arrVarName;
    CObList m_listCardVar; // CCappCardVarItem, owned
    CDWordArray m_arrPageBegRow;
    CDWordArray m_arrPageBegLineOffset;
    BOOL m_bModify;
    CCappCardData* m_pCardData;
    CObList m_listDeledRowData; // CCappMidRow, owned
    int m_nLockRowID;           // 0 or less: no row is locked

private:
    void Empty();
    void Load(CArchive& ar);
    // The names, rows and card variables after the head fields.
    void SerializeTable(CArchive& ar);

    // Positions of m_listRowData by index, rebuilt when the list's change count moves on.
    mutable CPtrArray m_arrRowPos;
    mutable INT_PTR m_nRowPosChanges = -1;
};
