// One stored value of a card variable: the text, a second text kept beside it, and for a file
// variable the full path of its sub-file copy; display attributes go along into the filled cell.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/ObList.h"

class VORNCARD_API CCellFieldDataItem : public CObject
{
    FX_DECLARE_SERIAL(CCellFieldDataItem)
public:
    CCellFieldDataItem();
    ~CCellFieldDataItem() override;
    CCellFieldDataItem(const CCellFieldDataItem& src);
    // Copies every member but the list and the version.
    CCellFieldDataItem& operator=(const CCellFieldDataItem& src);

    CString GetData() const { return m_strValue; }
    void SetData(const CString& strValue) { m_strValue = strValue; }

    // Value, second text, then the list.
    void Serialize(CArchive& ar) override;

    CString m_strValue;
    CString m_strText2;
    CObList m_listData;    // owned; empty in the cards the system writes
    CString m_strVersion;  // in memory only
    CString m_strFilePath; // file variables: the sub-file copy
    int m_nDispWord;
    int m_nDispFlag;
    LOGFONTA m_lfFont;
    int m_nDisp1;
    int m_nDisp2;
    int m_nDisp3;
};
