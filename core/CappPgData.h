// The page variables of a card, those of its page cells: one value row per page. Pages count
// from 1; row n - 1 holds page n.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/ObList.h"
#include "platform/base/StringArray.h"

class CCappCardData;
class CCappCardVarItem;
class CCappPgRow;
class CCellFieldDataItem;

class VORNCARD_API CCappPgData : public CObject
{
    FX_DECLARE_SERIAL(CCappPgData)
public:
    CCappPgData();
    ~CCappPgData() override;
    CCappPgData(const CCappPgData&) = delete;
    // Copies version, modified flag, owner and names; deep-copies definitions, deleted rows
    // and rows. 1.
    int operator=(const CCappPgData& src);

    // A new row (state new, one empty value per definition): appended for -1, else before the
    // row at nIndex, or first when there is no such row.
    CCappPgRow* InsertRowData(int nIndex);
    // A loaded row moves to the deleted rows with state deleted, a new one is destroyed.
    BOOL DelRowData(int nPage);
    int GetRowCount() const { return static_cast<int>(m_listRowData.GetCount()); }
    CCappPgRow* GetRow(int nPage) const;

    BOOL GetVarData(int nPage, const CString& strName, CString& strValue) const;
    // strValue receives the value as stored.
    BOOL SetVarData(int nPage, const CString& strName, CString& strValue);
    CCellFieldDataItem* GetVarDataItem(int nPage, int nVar) const;
    CCellFieldDataItem* GetVarDataItem(int nPage, const CString& strName) const;
    CCellFieldDataItem* GetVarDataItem(const CCappPgRow* pRow, const CString& strName) const;
    int GetVarIndex(const CString& strName) const;
    CString GetVarName(int nIndex) const;
    int GetCardVarItem(const CString& strName, CCappCardVarItem*& pItem) const;
    CCappCardVarItem* GetCardVarItemByIndex(int nIndex) const;
    BOOL IsEmptyRow(const CCappPgRow* pRow) const;
    void ResertDataList();
    // "m_listRowData", "m_listCardVar" or "m_listDeledRowData"; other names do nothing.
    void DetachList(const CString& strName);

    void Serialize(CArchive& ar) override;

    CString m_strVersion;
    BOOL m_bModify;
    CStringArray m_arrVarName;
    CObList m_listCardVar;      // CCappCardVarItem, owned
    CObList m_listRowData;      // CCappPgRow, owned
    CObList m_listDeledRowData; // CCappPgRow, owned
    CCappCardData* m_pCardData;

private:
    void Empty();
    void Load(CArchive& ar);
    // The names, rows and card variables after the head fields.
    void SerializeTable(CArchive& ar);
};
