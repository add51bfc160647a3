// The card code information of a card file: its code and number, the card definitions it
// holds (the first is the master card) and the files packed with it.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/StringArray.h"

class VORNCARD_API CCardCodeItem
{
public:
    CCardCodeItem();
    virtual ~CCardCodeItem();
    CCardCodeItem(const CCardCodeItem& src);
    // Copies version, code, card names, number and sub-file names; the sub-file data stays.
    CCardCodeItem& operator=(const CCardCodeItem& src);

    // "version<,>code<,>number<,>card names<,>sub-file names", the lists joined by "\n".
    CString SaveToString();
    BOOL LoadFromString(const CString& strText);
    // Cuts the text before the first delimiter (all of it without one) into strOut; FALSE for
    // an empty list.
    static BOOL GetElementItem(CString& strList, CString& strOut, const CString& strDelimiter);
    static void StringToStringArray(const CString& strText, CStringArray& arr);
    static CString StringArrayToString(const CStringArray& arr);
    // The first card name, whatever the argument.
    CString GetCardName(int nIndex) const;
    CString GetSubFileData(int nIndex) const;

    CString m_strVersion;
    CString m_strCode;
    CStringArray m_arrCardName;
    int m_nCodeNumber;
    CStringArray m_arrSubFileName;
    CStringArray m_arrSubFileData; // beside the names; not in the text form
};
