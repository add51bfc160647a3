// Static helpers over delimiter-separated string lists, prompt text and number text.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/String.h"
#include "platform/base/StringArray.h"

// A list is one CString whose elements are separated by a delimiter that every caller passes.
// Every walk pops elements from a copy of the list the way GetElementItem does, so all
// operations read a list alike: a trailing delimiter makes no element, empty elements between
// delimiters count. Delimiters are matched at GBK character boundaries only.
class KVCOMM_API CKvStringMgr
{
public:
    CKvStringMgr() = delete;

    // Pops the first element; FALSE (item untouched) on an empty list.
    static BOOL GetElementItem(CString& strList, CString& strItem, const CString& strDelimiter);
    // Pops a name and its value, both trimmed; FALSE on an empty list or one without a delimiter.
    static BOOL GetElementItem(CString& strList, CString& strName, CString& strValue, const CString& strDelimiter);
    static void StringToArray(const CString& strText, CStringArray& arrItem, const CString& strDelimiter);
    // Empty elements that precede all others leave no trace: "", "b" joins to "b".
    static void ArrayToString(const CStringArray& arrItem, CString& strText, const CString& strDelimiter);
    static int GetElementCount(const CString& strList, const CString& strDelimiter);
    static void AddElementItem(CString& strList, const CString& strItem, const CString& strDelimiter);
    static void AddElementItem(CString& strList, const CString& strName, const CString& strValue,
                               const CString& strDelimiter);
    // Removes the first element equal to item; when none is, the list is rewritten by joining
    // its elements (which drops leading empty ones). Callers rely on both behaviours.
    static void DelElementItem(CString& strList, const CString& strItem, const CString& strDelimiter);
    static BOOL ExistElementItem(const CString& strList, const CString& strItem, const CString& strDelimiter);
    // An empty name or value matches any.
    static BOOL ExistElementItem(const CString& strList, const CString& strName, const CString& strValue,
                                 const CString& strDelimiter);
    static int GetElementIndex(const CString& strList, const CString& strItem, const CString& strDelimiter);
    static BOOL GetElementItemByIndex(const CString& strList, int nIndex, CString& strItem,
                                      const CString& strDelimiter);
    static void SetElement(CString& strList, int nIndex, const CString& strItem, const CString& strDelimiter);

    // Positions are byte offsets from 0.
    static void Insert(CString& strText, const CString& strPiece, int nPos);
    // Removes [nStart, nEnd); a negative end counts as nStart.
    static void Remove(CString& strText, int nStart, int nEnd);
    // The result of searching again from the start after every removal: "ab" out of "aabb" leaves "".
    static void Remove(CString& strText, const CString& strSub);
    static void Remove(CString& strText, char ch);
    static void RemoveAll(CString& strText, const CString& strSub);
    static void RemoveAll(CString& strText, char ch);
    static CString Repeat(const CString& strText, int nCount);
    static CString Repeat(char ch, int nCount);
    static void CutEndChar(CString& strText, int nCount);

    // Splits "name = value" at its first "=" into the trimmed name and value; without "=" the whole
    // trimmed item is the name, the value is empty and the result FALSE.
    static BOOL SplitNameValue(const CString& strItem, CString& strName, CString& strValue);
    // Prompt text: "name = value" items separated by ";".
    static CString GetPormpt(const CString& strPrompt, const CString& strName, const CString& strDefault);
    static BOOL SetPormpt(CString& strPrompt, const CString& strName, const CString& strValue);

    static CString PrecisionByNum(const CString& strNum, int nDecimals, BOOL bOptimize);
    static CString PrecisionByNum(double dNum, int nDigits, BOOL bGeneral);
    // Strips trailing zeros after a decimal point, then a trailing point: "1.500" -> "1.5".
    static void OptimizeByNum(CString& strNum);
    static BOOL IsInteger(const CString& strText);
    static BOOL IsNumberVal(const CString& strText);
};
