// Static services of the card library that the sheet draws with.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/PtrArray.h"
#include "platform/base/String.h"

class CCappCardVarItem;
class CCappCell;
class CCappMDData;
class CCardObj;
class CDC;
class CObList;
class CRect;
class CStringArray;
class CTime;
class CUIntArray;

class VORNCARD_API CCardCommFun
{
public:
    CCardCommFun() = delete;

    // Draws the figures (CGraphEntity) of a sheet's m_listSGE in list order; other objects are
    // passed over. The result is the number of figures drawn.
    static int SGEDrawList(CDC* pDC, CObList& listSGE);
    // Frees the list's objects and makes one CGraphEntity of every CR LF separated line that is
    // neither empty nor a "'" comment (leading blanks ignored). At the first refused line: 0, the
    // figure's reason in strError, the figures before it kept. 1 otherwise.
    static int SGESetList(const CString& strText, CObList& listSGE, CString& strError, int nFlag);
    // The extension after the last dot of the file name, without the dot; empty when none.
    static CString GetFileExtName(const CString& strPath);

    // Card helpers -------------------------------------------------------------------------
    // Byte position of the first ch at or after nStart, stepping over GBK characters; -1 when
    // none. ReverseFindChar: the last one.
    static int FindChar(const CString& strText, char ch, int nStart = 0);
    static int ReverseFindChar(const CString& strText, char ch);
    // The pieces between the delimiters, found on character boundaries; an empty last piece is
    // dropped, so "a<,>b<,>" gives a and b, as lists that end each element with it are written.
    static void SplitString(const CString& strText, const CString& strDelimiter, CStringArray& arrPieces);

    // HKLM "SOFTWARE\Vorn" "WorkDir" without a final "\"; 0 when missing or empty.
    static int GetCappWorkDir(CString& strDir);
    static int GetTempWorkDir(CString& strDir);
    static int GetDefFileName(const CString& strName, CString& strPath);
    // 1 when the pattern matches a file (ExistFile) or a directory (ExistDir).
    static int ExistFile(const CString& strPattern);
    static int ExistDir(const CString& strPattern);
    // The part after the last "\"; NoExt also cut before the last "." unless it leads.
    static CString GetFileName(const CString& strPath);
    static CString GetFileName_NoExt(const CString& strPath);
    // Appends the file's bytes; 0 when it cannot be opened.
    static int ReadTextFromFile(const CString& strPath, CString& strText);
    // "TN_CARDDB_HEAD_" kind 5, "TN_CARDDB_PAGE_" 2, "TN_CARDDB_MD_" 1 with the name after the last
    // "_"; 0 for any other table.
    static int GetCardDBInfo(const CString& strTable, int& nKind, CString& strMD);
    static CString FormatTime(const CTime& time);

    // "[name]" references, left to right, each name once; a "[" without "]" or an empty name
    // ends the scan.
    static void PickVars(const CString& strText, CStringArray& arrNames);
    // The names, each followed by ",".
    static CString PickVars(const CString& strText);
    // Each reference to a name of arrNames replaced by the value of its index (empty text past
    // the values).
    static CString RepliceVar(const CString& strText, const CStringArray& arrNames, const CStringArray& arrValues);
    // Names and values as line-feed separated texts.
    static CString RepliceVar(const CString& strText, const CString& strNames, const CString& strValues);
    static CString RepliceVar(const CString& strText, const CStringArray& arrNames, const CUIntArray& arrValues);
    static int FindStringInArray(const CStringArray& arr, const CString& str);
    // "__A16(hex pairs)" becomes the bytes they give; other texts stay.
    static void TransStringData(CString& strText);
    static int HexStrToDec(const CString& strHex);
    static int CharToInt(char ch);
    // Trailing zeros after a decimal point dropped, then a trailing point.
    static CString OptimizeValue(const CString& strValue);

    // Copies a cell's variable attributes into a definition; the two forms do the same.
    static void SetCardVarItem(CCappCardVarItem*& pItem, CCappCell* pCell);
    static void SetCellFieldItem(CCappCardVarItem*& pItem, CCappCell* pCell);
    // The shown value of each value item.
    static void GetDisSubData(const CObList& listItems, CStringArray& arrShown);
    static void DeflateCellTextRect(CRect& rect);
    // Page-set type text: entries "name|format" separated by ";"; entries with no "|" after their
    // first character are skipped.
    static void GetPageSetType(const CString& strText, CStringArray& arrNames, CStringArray& arrFormats);
    static void SetPageSetType(CString& strText, const CStringArray& arrNames, const CStringArray& arrFormats);

    // Sort-info text: "1", then a line "name,type,direction" per key (CSortItem).
    static void GetSortItemListFromSortInfo(const CString& strInfo, CObList& listKeys);
    static void GetSortInfoFromSortItemList(CString& strInfo, const CObList& listKeys);
    // Sorts the rows by the keys and numbers their "序号" from 1.
    static void SortMDData(const CString& strSortInfo, CCappMDData* pMDData);
    // One CStringArray per row (owned by the caller) with the row's stored values.
    static void InitArray(const CCappMDData* pMDData, CPtrArray& arrRecords);
    // Folds following rows equal in the merge-condition variables of the master sheet's area of
    // that name into the first, summing the summed variables.
    static void MergeData(CCardObj* pCardObj, CCappMDData* pMDData);
};
