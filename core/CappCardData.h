// Every value of one card: head and foot values, page values, detail data, free objects and
// page numbering. Values are reached by variable name, head/foot first, then page, then each
// detail data in turn.
#pragma once

#include "core/CappEditCache.h"
#include "core/CappHFData.h"
#include "core/CappPgData.h"
#include "core/VornCardExport.h"
#include "platform/base/ObList.h"
#include "platform/base/StringArray.h"

class CCappMDData;
class CCappSheet;
class CCardObj;

class VORNCARD_API CCappCardData : public CObject
{
    FX_DECLARE_SERIAL(CCappCardData)
public:
    // The value kinds GetVarDataItem reports.
    enum {
        partHeadFoot = 0,
        partPage = 1,
        partDetail = 2,
    };

    CCappCardData();
    ~CCappCardData() override;
    CCappCardData(const CCappCardData&) = delete;
    CCappCardData& operator=(const CCappCardData&) = delete;

    // nIndex is the page for page variables and the row for detail variables; nInheritMode as
    // CCappMDData::GetVarData.
    BOOL GetVarData(const CString& strName, int nIndex, int nInheritMode, CString& strValue) const;
    BOOL SetVarData(const CString& strName, int nIndex, CString strValue);
    // pnKind receives part*; pstrMDName the detail data's name. Either may be null.
    CCellFieldDataItem* GetVarDataItem(const CString& strName, long nIndex, int* pnKind, CString* pstrMDName) const;
    // The definition's position within its part; -1 when absent.
    int GetCardVarItem(const CString& strName, CCappCardVarItem*& pItem) const;
    CCappMDData* GetMDData(const CString& strName) const;
    CCappMDData* GetMDData(int nID) const;
    int GetNewID();
    // "%s_%d" of the data name and a new id.
    CString GetNewItemIDCode();
    // Seat 0 sets the head/foot variable; other seats do nothing.
    void SetInheritData(const CString& strName, int nSeat, const CString& strUnused, const CString& strValue);
    // Every "[name]" of the text replaced by that head/foot variable's value.
    CString ReplaceDataOnHead(const CString& strText) const;
    // Binds the sheet's template and run-time detail areas to the detail data of their names;
    // an area without one is bound to null and reported to the main window (message 0x442).
    void RelData(CCappSheet*& pSheet) const;
    BOOL IsModify() const;
    // "m_MDDataList", "m_listFreeObj", "m_listPageMaker", or all three for an empty name.
    void DetachList(const CString& strName);

    // Sets pages nFirst to nLast (a negative last: to the end) to the card strCardName.
    void PageMake(int nFirst, int nLast, const CString& strCardName);
    void SetPageMake(const CObList& listEntries);
    // Entries "card,first page" separated by ";".
    void SetPageMake(const CString& strText);
    CString GetCardNameByPage(int nPage) const;
    // The master card name, then each entry's name, each once.
    void GetCardNames(CStringArray& arrNames) const;

    void Serialize(CArchive& ar) override;

    CString m_strVersion;
    int m_nReserved1;
    int m_nReserved2;
    CString m_strDataName; // base name of the ".ccd" archive, prefix of item codes
    int m_nPageCount;
    int m_nNextID;
    CObList m_listFreeObj; // CCappFreeObj, owned
    CCappHFData m_HFData;
    CCappPgData m_PgData;
    CObList m_MDDataList; // CCappMDData, owned, one per detail area name
    CString m_strPageSetType;
    int m_nReserved3;
    CCardObj* m_pCardObj;
    CString m_strMasterName;
    CObList m_listPageMaker; // CPageMaker, owned, by first page
    CString m_strReserved;
    // Run time only.
    CCappEditCache m_EditCache;

private:
    void ClearModify();
    // Back to a new card's state, owner pointers kept.
    void Empty();
    void Load(CArchive& ar);
};
