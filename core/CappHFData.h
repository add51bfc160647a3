// The single-valued variables of a card, those of its head and foot cells: one value each.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/ObList.h"
#include "platform/base/StringArray.h"

class CCappCardData;
class CCappCardVarItem;
class CCellFieldDataItem;

class VORNCARD_API CCappHFData : public CObject
{
    FX_DECLARE_SERIAL(CCappHFData)
public:
    CCappHFData();
    ~CCappHFData() override;
    CCappHFData(const CCappHFData&) = delete;
    // Copies spare words and text, version and names; deep-copies definitions and values. 1.
    int operator=(const CCappHFData& src);

    // "_SYS_PRVPAGECOUNT_" answers the owner's page count whether or not it is a variable.
    BOOL GetVarData(const CString& strName, CString& strValue) const;
    // strValue receives the value as stored. FALSE for a name without a definition.
    BOOL SetVarData(const CString& strName, CString& strValue);
    CCellFieldDataItem* GetVarDataItem(const CString& strName) const;
    int GetCardVarItem(const CString& strName, CCappCardVarItem*& pItem) const;
    CCappCardVarItem* GetCardVarItemByIndex(int nIndex) const;
    int GetVarIndex(const CString& strName) const;
    CString GetVarName(int nIndex) const;
    // Empty text for an unknown name.
    CString TransitionData(const CString& strName, const CString& strValue) const;
    void ResertDataList();
    // Empties every value; the argument makes no difference.
    BOOL EmptyAllData(int nUnused);
    // "m_listCardVar" or "m_listVarData"; other names do nothing.
    void DetachList(const CString& strName);

    void Serialize(CArchive& ar) override;

    BOOL m_bModify;
    CObList m_listCardVar; // CCappCardVarItem, owned
    int m_nSpare1;
    CString m_strSpare;
    int m_nSpare2;
    CCappCardData* m_pCardData;
    CString m_strVersion;
    CStringArray m_arrVarName; // values are read by their position here
    CObList m_listVarData;     // CCellFieldDataItem, owned

private:
    void Empty();
};
