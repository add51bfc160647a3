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
    // Copies every member but the nested values.
    CCellFieldDataItem& operator=(const CCellFieldDataItem& src);

    CString GetData() const { return m_strValue; }
    void SetData(const CString& strValue) { m_strValue = strValue; }

    // Value, second text, then the nested values as a list.
    void Serialize(CArchive& ar) override;

    CString m_strValue;
    CString m_strText2;
    // Owned; null unless an archive held nested values, which the system never writes: a card
    // holds a value per cell, and an empty list in each would cost its memory for nothing.
    CObList* m_pListData;
    CString m_strFilePath; // file variables: the sub-file copy
    int m_nDispWord;
    int m_nDispFlag;
    LOGFONTA m_lfFont;
    int m_nDisp1;
    int m_nDisp2;
    int m_nDisp3;
};
