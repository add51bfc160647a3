// Helpers of the card data tests: definitions, detail data filled from tables, columns as text.
#pragma once

#include <string>
#include <vector>

#include "core/CappCardVarItem.h"
#include "core/CappMDData.h"
#include "core/CappMidRow.h"
#include "core/CellFieldDataItem.h"

// A typed string variable unless told otherwise.
inline CCappCardVarItem* AddCardVar(CObList& listCardVar, CStringArray& arrName, const char* pszName,
                                    int nKind = CCappCardVarItem::kindTyped, int nType = CCappCardVarItem::typeString)
{
    auto* pCardVar = new CCappCardVarItem;
    pCardVar->m_strName = pszName;
    pCardVar->m_nKind = nKind;
    pCardVar->m_nDataType = nType;
    listCardVar.AddTail(pCardVar);
    arrName.Add(pszName);
    return pCardVar;
}

// One string variable per name, one row per entry of rows (values in variable order); the
// rows are marked as loaded (unchanged) unless bNew.
inline void FillMDData(CCappMDData& md, const std::vector<const char*>& vars,
                       const std::vector<std::vector<const char*>>& rows, bool bNew = false)
{
    for (const char* pszVar : vars) {
        AddCardVar(md.m_listCardVar, md.m_arrVarName, pszVar);
    }
    for (const auto& values : rows) {
        CCappMidRow* pRow = md.InsertRowData(-1, 0);
        POSITION pos = pRow->m_listVarData.GetHeadPosition();
        for (const char* pszValue : values) {
            static_cast<CCellFieldDataItem*>(pRow->m_listVarData.GetNext(pos))->SetData(pszValue);
        }
        pRow->m_nState = bNew ? CCappMidRow::stateNew : CCappMidRow::stateUnchanged;
    }
}

// One row per letter, in the variable "V".
inline void FillLetters(CCappMDData& md, const char* pszLetters)
{
    std::vector<std::vector<const char*>> rows;
    static const char* const letters[] = {"A", "B", "C", "D", "E", "F", "G", "H"};
    for (const char* p = pszLetters; *p != '\0'; ++p) {
        rows.push_back({letters[*p - 'A']});
    }
    FillMDData(md, {"V"}, rows);
}

// The values of one variable down the rows, joined by blanks ("-" for an empty value).
inline std::string Column(const CCappMDData& md, const char* pszVar)
{
    std::string strColumn;
    for (int i = 0; i < md.GetRowCount(); ++i) {
        const CCellFieldDataItem* pItem = md.GetVarDataItem(i, pszVar);
        std::string strValue = pItem != nullptr ? pItem->GetData().GetString() : "?";
        if (i > 0) {
            strColumn += ' ';
        }
        strColumn += strValue.empty() ? "-" : strValue;
    }
    return strColumn;
}
