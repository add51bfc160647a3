// Static helpers the card filling library and the designer share: work directory, files and
// directories, SQL names and values, variables in text, numberings, time texts and tree expansion.
#pragma once

#include "platform/base/ObList.h"
#include "platform/base/String.h"
#include "platform/base/StringArray.h"
#include "platform/base/Time.h"
#include "platform/base/UIntArray.h"
#include "work/VornWorkExport.h"

class CTreeCtrl;

class VORNWORK_API CCappBaseFun
{
public:
    CCappBaseFun() {}
    CCappBaseFun(const CCappBaseFun&) {}
    virtual ~CCappBaseFun() {}

    // Work directory and files.
    static BOOL GetCappWorkDir(CString& strDir);
    static BOOL GetTempWorkDir(CString& strDir);
    static BOOL ExistFile(CString strPath);
    static BOOL ExistDir(CString strPath);
    // Refuses an empty, relative or drive-root path; removes a link, never what it points to.
    static void DeleteDirectory(CString strDir);
    static CString GetFileName(CString strPath);
    static CString GetFileName_NoExt(CString strPath);
    static CString GetCappImageCellFileName(int nIndex, CString strExt);
    static int GetRandNum();
    static CString GetRandFileName(CString strDir, CString strExt);
    static CString GenerateGUIDString();
    static BOOL OpenFile_MayUseCustBuffer();

    // Database names and values.
    static CString GetDefaultMDTableName(CString strCard, CString strArea);
    static CString GetDefaultPTableName(CString strCard);
    static CString GetDefaultHTableName(CString strCard);
    // Field types: 1 string, 2 integer, 3 real.
    static CString GetFieldAttrib(int nType, int nSize);
    static CString FormatFieldType(int nType);
    static BOOL CheckDBTabAndFieldName(CString strName, CString& strMessage);
    static CString FormatToDBStr(CString strText);
    // A real is written "%f", or in the shortest general form that keeps its value where "%f"
    // would not ("1.5e-07").
    static CString FormatedFieldValue(CString strValue, int nType);
    static CString TranToDBData(CString strValue, int nType);
    // Over a list of CCappFieldItem records.
    static POSITION FindFieldByID(int nID, CObList& fields);
    static POSITION FindFieldByName(CString strName, CObList& fields);
    // Deletes every record and empties the list.
    static void DetachFieldList(CObList& fields);

    // Text, numbers and variables ("[name]" in text).
    static CString RepliceVar(CString strText, CStringArray& names, CStringArray& values);
    static CString RepliceVar(CString strText, CStringArray& names, CUIntArray& values);
    // Names and values as lists separated by "\n".
    static CString RepliceVar(CString strText, CString strNames, CString strValues);
    static void PickVars(CString strText, CStringArray& names);
    static BOOL IsNumber(CString s);
    static BOOL IsFloat(CString s);
    // Integers count on by step; "一".."九" go to the next numeral; otherwise the digits in the
    // text count on, however many, between what precedes and follows them ("第3页" -> "第4页");
    // "" without digits.
    static CString GetNextIndex(CString strIndex, int nStep);
    static int FindStringInArray(CStringArray& array, CString strText);
    // "%d-%d-%d %d:%d" without leading zeros.
    static CString FormatTime(CTime time);
    // "yyyy" (else "yy"), "mm" and "dd" in the format replaced by year, month and day.
    static CString FormatTime(CString strFormat, CTime time);
    // FALSE, and the time untouched, unless five numbers are read.
    static BOOL FormatStrToTime(CString s, CTime& time);
    // "%d-%d-%d %d:%d" (year, month, day, hour, minute) naming a real Gregorian date and time.
    static BOOL IsDateTime(CString s);

    // Expanded items as lines "%d,%s" (depth from 0 for top-level items, item text), in the
    // tree's top-down order. FALSE without a tree window.
    static BOOL SaveExpandedData(CTreeCtrl* pTree, CStringArray& lines);
    // Expands, line by line, the next item in that order with the line's depth and text; a line
    // whose item is gone or that cannot be read is passed over. FALSE without a tree window.
    static BOOL LoadExpandedData(CTreeCtrl* pTree, CStringArray& lines);

    // Items "name=value": names compared without regard to case, both parts trimmed.
    // From the program's command-line arguments:
    static bool GetParam(CString strName, CString& strValue);
    static bool GetParam(CStringArray& params, CString strName, CString& strValue);
    // From a text of items separated by strDelimiter:
    static bool GetParam(CString strParams, CString strName, CString& strValue, CString strDelimiter);
};
