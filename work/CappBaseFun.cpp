#include "work/CappBaseFun.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include <objbase.h>
#include <shellapi.h>

#include "common/KvStringMgr.h"
#include "platform/base/FxFindHandle.h"
#include "platform/base/FxHandle.h"
#include "platform/base/FxLocalMem.h"
#include "platform/base/FxRegKey.h"
#include "platform/win/TreeCtrl.h"
#include "work/CappFieldItem.h"
#include "work/CappNumText.h"
#include "work/res/resource.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace
{
// This library's own resources, whatever the current resource module is.
HINSTANCE WorkModule()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

CString LoadWorkString(UINT nID)
{
    CString str;
    str.LoadString(WorkModule(), nID);
    return str;
}

// Character-wise: the last byte may be the trail byte 0x5C of a double-byte character.
BOOL EndsWithBackslash(const CString& str)
{
    LPCSTR psz = str;
    LPCSTR pszLast = nullptr;
    for (LPCSTR p = psz; *p != '\0'; p += CString::CharLength(p)) {
        pszLast = p;
    }
    return pszLast != nullptr && *pszLast == '\\';
}

void DropTrailingBackslash(CString& str)
{
    if (EndsWithBackslash(str)) {
        str = str.Left(str.GetLength() - 1);
    }
}

BOOL IsDotEntry(LPCSTR pszName)
{
    return lstrcmpA(pszName, ".") == 0 || lstrcmpA(pszName, "..") == 0;
}

// Splits at "\" and "/", stepping over double-byte characters.
void SplitPath(const CString& strPath, CStringArray& parts)
{
    parts.RemoveAll();
    LPCSTR psz = strPath;
    LPCSTR pszStart = psz;
    for (LPCSTR p = psz;; p += CString::CharLength(p)) {
        if (*p == '\0' || *p == '\\' || *p == '/') {
            parts.Add(CString(pszStart, static_cast<int>(p - pszStart)));
            if (*p == '\0') {
                break;
            }
            pszStart = p + 1;
        }
    }
}

// Only "X:\dir..." or "\\server\share\dir...": never empty, relative, drive-relative, a drive
// or share root, nor a path that "." or ".." or a wildcard could lead elsewhere.
BOOL IsDeletablePath(const CString& strPath)
{
    CStringArray parts;
    SplitPath(strPath, parts);
    INT_PTR nFirst = 0;
    char chDrive = parts.GetSize() >= 2 && parts[0].GetLength() == 2 && parts[0][1] == ':' ? parts[0][0] : '\0';
    if ((chDrive >= 'A' && chDrive <= 'Z') || (chDrive >= 'a' && chDrive <= 'z')) {
        nFirst = 1;
    } else if (parts.GetSize() >= 4 && parts[0].IsEmpty() && parts[1].IsEmpty() && !parts[2].IsEmpty() &&
               !parts[3].IsEmpty()) {
        nFirst = 4;
    } else {
        return FALSE;
    }
    if (parts.GetSize() <= nFirst) {
        return FALSE;
    }
    for (INT_PTR i = nFirst; i < parts.GetSize(); ++i) {
        const CString& str = parts[i];
        if (str.IsEmpty() || str == "." || str == ".." || str.FindOneOf("*?") >= 0) {
            return FALSE;
        }
    }
    return TRUE;
}

// The path the handle's file really has, without "\\?\" and without a trailing "\".
CString FinalPath(HANDLE hFile)
{
    CString strPath;
    char szBuf[MAX_PATH * 2];
    DWORD cch = GetFinalPathNameByHandleA(hFile, szBuf, sizeof(szBuf), FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (cch == 0 || cch >= sizeof(szBuf)) {
        return strPath;
    }
    strPath = szBuf;
    if (strPath.Left(8).CompareNoCase("\\\\?\\UNC\\") == 0) {
        strPath = "\\\\" + strPath.Mid(8);
    } else if (strPath.Left(4) == "\\\\?\\") {
        strPath = strPath.Mid(4);
    }
    DropTrailingBackslash(strPath);
    return strPath;
}

// Opens the entry at strPath for deleting, only when its real path is strExpected: a handle
// that resolves elsewhere reached through a link to its target. Wine does so for Unix symbolic
// links, and would delete the target of such a link by any of its names.
HANDLE OpenEntry(const CString& strPath, const CString& strExpected, BY_HANDLE_FILE_INFORMATION& info)
{
    // FILE_FLAG_OPEN_REPARSE_POINT: the handle is to a link itself, not to its target.
    CFxHandle entry(CreateFileA(strPath, DELETE | FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!entry.IsValid()) {
        return INVALID_HANDLE_VALUE;
    }
    CString strFinal = FinalPath(entry);
    if (strFinal.IsEmpty() || strFinal.CompareNoCase(strExpected) != 0 || !GetFileInformationByHandle(entry, &info)) {
        return INVALID_HANDLE_VALUE;
    }
    return entry.Detach();
}

BOOL IsRealDirectory(const BY_HANDLE_FILE_INFORMATION& info)
{
    return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
}

// Depth first. A junction or symbolic link is removed as it is: its target's entries are not ours.
void RemoveEntry(const CString& strPath, const CString& strExpected)
{
    BY_HANDLE_FILE_INFORMATION info = {};
    CFxHandle entry(OpenEntry(strPath, strExpected, info));
    if (!entry.IsValid()) {
        return;
    }
    if (IsRealDirectory(info)) {
        // Listing opens the directory without sharing delete access: let go of ours meanwhile,
        // and check again afterwards that the name still leads to the same directory.
        entry.Close();
        // The names are taken first and removed after: removing entries while the listing is
        // open can make it skip others (seen under Wine), leaving the directory not empty.
        CStringArray names;
        {
            WIN32_FIND_DATAA fd = {};
            CFxFindHandle find;
            if (find.FindFirst(strPath + "\\*.*", fd)) {
                do {
                    if (!IsDotEntry(fd.cFileName)) {
                        names.Add(fd.cFileName);
                    }
                } while (find.FindNext(fd));
            }
        }
        for (INT_PTR i = 0; i < names.GetSize(); ++i) {
            RemoveEntry(strPath + "\\" + names[i], strExpected + "\\" + names[i]);
        }
        BY_HANDLE_FILE_INFORMATION infoAgain = {};
        entry.Attach(OpenEntry(strPath, strExpected, infoAgain));
        if (!entry.IsValid() || !IsRealDirectory(infoAgain) || infoAgain.nFileIndexLow != info.nFileIndexLow ||
            infoAgain.nFileIndexHigh != info.nFileIndexHigh) {
            return;
        }
    }
    // Deleted through the handle checked above when it closes; a directory only once empty.
    FILE_DISPOSITION_INFO disposition = {};
    disposition.DeleteFile = TRUE;
    SetFileInformationByHandle(entry, FileDispositionInfo, &disposition, sizeof(disposition));
}

// The position of the first field item that matches; objects of other classes are passed over.
template <class Match> POSITION FindField(CObList& fields, Match match)
{
    for (POSITION pos = fields.GetHeadPosition(); pos != nullptr;) {
        POSITION posItem = pos;
        auto* pField = dynamic_cast<CCappFieldItem*>(fields.GetNext(pos));
        if (pField != nullptr && match(*pField)) {
            return posItem;
        }
    }
    return nullptr;
}

// "y-m-d h:m" as the system writes times, each part unchecked.
struct DateTimeFields
{
    int nYear = 0;
    int nMonth = 0;
    int nDay = 0;
    int nHour = 0;
    int nMinute = 0;
};

BOOL ScanDateTime(const CString& s, DateTimeFields& f)
{
    return sscanf(s, "%d-%d-%d %d:%d", &f.nYear, &f.nMonth, &f.nDay, &f.nHour, &f.nMinute) == 5;
}

// A real for SQL text: "%f" as the system writes it, unless that loses the value ("1.5e-7" would
// become "0.000000"); then the shortest general form that reads back as the same value.
CString RealText(double dValue)
{
    CString str;
    str.Format("%f", dValue);
    for (int nDigits = 15; nDigits <= 17 && atof(str) != dValue; ++nDigits) {
        str.Format("%.*g", nDigits, dValue);
    }
    return str;
}

// The decimal text of a run of digits plus a step, leading zeros dropped. Runs too long for a
// 64-bit integer are counted on as text.
CString CountOn(const CString& strDigits, int nStep)
{
    int nFirst = 0;
    while (nFirst + 1 < strDigits.GetLength() && strDigits[nFirst] == '0') {
        ++nFirst;
    }
    CString strNext;
    if (strDigits.GetLength() - nFirst <= 18) {
        strNext.Format("%lld", _atoi64(strDigits.Mid(nFirst)) + nStep);
        return strNext;
    }
    // At least 10^18, far above any step: the result stays positive and as long, or one longer.
    std::string digits(strDigits.GetString() + nFirst);
    const bool bDown = nStep < 0;
    unsigned long long uStep = static_cast<unsigned long long>(nStep);
    if (bDown) {
        uStep = 0ULL - uStep;
    }
    int nCarry = 0;
    for (size_t i = digits.size(); i-- > 0 && (uStep != 0 || nCarry != 0);) {
        int nDigit = digits[i] - '0';
        int nDelta = static_cast<int>(uStep % 10) + nCarry;
        uStep /= 10;
        nDigit += bDown ? -nDelta : nDelta;
        nCarry = nDigit < 0 || nDigit > 9 ? 1 : 0;
        digits[i] = static_cast<char>('0' + (nDigit + 10) % 10);
    }
    if (nCarry != 0) {
        digits.insert(digits.begin(), '1');
    }
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    return digits.c_str();
}

BOOL IsLeapYear(int nYear)
{
    return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
}

// The item after hItem going top-down through the whole tree, collapsed branches included;
// nDepth follows it (0 for top-level items). Null after the last item.
HTREEITEM NextItemTopDown(const CTreeCtrl& tree, HTREEITEM hItem, int& nDepth)
{
    HTREEITEM hChild = tree.GetChildItem(hItem);
    if (hChild != nullptr) {
        ++nDepth;
        return hChild;
    }
    for (; hItem != nullptr; --nDepth) {
        HTREEITEM hNext = tree.GetNextSiblingItem(hItem);
        if (hNext != nullptr) {
            return hNext;
        }
        hItem = tree.GetParentItem(hItem);
    }
    return nullptr;
}

// A line "depth,text" split at its first ","; the text may hold more commas. FALSE unless the
// depth is a plain decimal number.
BOOL SplitExpandedLine(const CString& strLine, int& nDepth, CString& strText)
{
    int nComma = strLine.Find(',');
    if (nComma <= 0 || nComma > 6) {
        return FALSE;
    }
    nDepth = 0;
    for (int i = 0; i < nComma; ++i) {
        char ch = strLine[i];
        if (!CappIsDigit(ch)) {
            return FALSE;
        }
        nDepth = nDepth * 10 + (ch - '0');
    }
    strText = strLine.Mid(nComma + 1);
    return TRUE;
}
} // namespace

BOOL CCappBaseFun::GetCappWorkDir(CString& strDir)
{
    // Read access is enough, and is all a standard user has under HKEY_LOCAL_MACHINE.
    CFxRegKey key;
    if (key.OpenForRead(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vorn") != ERROR_SUCCESS) {
        return FALSE;
    }
    char szBuf[MAX_PATH + 1] = {};
    DWORD cbData = MAX_PATH;
    LONG lResult = RegQueryValueExA(key, "WorkDir", nullptr, nullptr, reinterpret_cast<LPBYTE>(szBuf), &cbData);
    if (lResult != ERROR_SUCCESS || szBuf[0] == '\0') {
        return FALSE;
    }
    strDir = szBuf;
    DropTrailingBackslash(strDir);
    return TRUE;
}

BOOL CCappBaseFun::GetTempWorkDir(CString& strDir)
{
    char szBuf[MAX_PATH + 1] = {};
    DWORD cch = GetTempPathA(MAX_PATH, szBuf);
    if (cch == 0 || cch > MAX_PATH) {
        return FALSE;
    }
    strDir = szBuf;
    DropTrailingBackslash(strDir);
    return TRUE;
}

BOOL CCappBaseFun::ExistFile(CString strPath)
{
    WIN32_FIND_DATAA fd = {};
    CFxFindHandle find;
    if (!find.FindFirst(strPath, fd)) {
        return FALSE;
    }
    do {
        if (!IsDotEntry(fd.cFileName)) {
            return TRUE;
        }
    } while (find.FindNext(fd));
    return FALSE;
}

BOOL CCappBaseFun::ExistDir(CString strPath)
{
    WIN32_FIND_DATAA fd = {};
    CFxFindHandle find;
    return find.FindFirst(strPath, fd);
}

void CCappBaseFun::DeleteDirectory(CString strDir)
{
    DropTrailingBackslash(strDir);
    if (!IsDeletablePath(strDir)) {
        return;
    }
    WIN32_FIND_DATAA fd = {};
    {
        CFxFindHandle find;
        if (!find.FindFirst(strDir, fd) || (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            return;
        }
    }
    // The real path of the parent plus the directory's own name is where its handle must lead.
    int nSlash = strDir.ReverseFind('\\');
    int nOtherSlash = strDir.ReverseFind('/');
    if (nOtherSlash > nSlash) {
        nSlash = nOtherSlash;
    }
    CString strParent = strDir.Left(nSlash + 1);
    CFxHandle parent(CreateFileA(strParent, FILE_READ_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!parent.IsValid()) {
        return;
    }
    CString strParentFinal = FinalPath(parent);
    if (strParentFinal.IsEmpty()) {
        return;
    }
    RemoveEntry(strDir, strParentFinal + "\\" + fd.cFileName);
}

CString CCappBaseFun::GetFileName(CString strPath)
{
    int nSlash = strPath.ReverseFind('\\');
    return nSlash < 0 ? strPath : strPath.Mid(nSlash + 1);
}

CString CCappBaseFun::GetFileName_NoExt(CString strPath)
{
    CString strName = GetFileName(strPath);
    int nDot = strName.ReverseFind('.');
    return nDot < 0 ? strName : strName.Left(nDot);
}

CString CCappBaseFun::GetCappImageCellFileName(int nIndex, CString strExt)
{
    CString str;
    str.Format("CAPPIMAGE%d%s", nIndex, static_cast<LPCSTR>(strExt));
    return str;
}

int CCappBaseFun::GetRandNum()
{
    srand(static_cast<unsigned>(time(nullptr)));
    return rand();
}

CString CCappBaseFun::GetRandFileName(CString strDir, CString strExt)
{
    CString strStem;
    strStem.Format("%d", GetRandNum());
    CString strPath;
    for (;;) {
        strPath.Format("%s\\%s.%s", static_cast<LPCSTR>(strDir), static_cast<LPCSTR>(strStem),
                       static_cast<LPCSTR>(strExt));
        if (!ExistFile(strPath)) {
            return strPath;
        }
        strStem += "!";
    }
}

CString CCappBaseFun::GenerateGUIDString()
{
    GUID guid = {};
    CoCreateGuid(&guid);
    CString str;
    str.Format("%08lX-%04X-%04x-%02X%02X-%02X%02X%02X%02X%02X%02X", guid.Data1, guid.Data2, guid.Data3, guid.Data4[0],
               guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
    return str;
}

BOOL CCappBaseFun::OpenFile_MayUseCustBuffer()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExA(&info)) {
        return FALSE;
    }
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion == 5;
}

CString CCappBaseFun::GetDefaultMDTableName(CString strCard, CString strArea)
{
    CString str;
    str.Format("TN_%s_%s_MCARD", static_cast<LPCSTR>(strCard), static_cast<LPCSTR>(strArea));
    return str;
}

CString CCappBaseFun::GetDefaultPTableName(CString strCard)
{
    CString str;
    str.Format("TN_%s_PCARD", static_cast<LPCSTR>(strCard));
    return str;
}

CString CCappBaseFun::GetDefaultHTableName(CString strCard)
{
    CString str;
    str.Format("TN_%s_HCARD", static_cast<LPCSTR>(strCard));
    return str;
}

CString CCappBaseFun::GetFieldAttrib(int nType, int nSize)
{
    CString str;
    switch (nType) {
    case 1:
        str.Format("char(%d)", nSize);
        break;
    case 2:
        str = "int";
        break;
    case 3:
        str = "float";
        break;
    default:
        break;
    }
    return str;
}

CString CCappBaseFun::FormatFieldType(int nType)
{
    switch (nType) {
    case 1:
        return LoadWorkString(IDS_FIELDTYPE_STRING);
    case 2:
        return LoadWorkString(IDS_FIELDTYPE_INT);
    case 3:
        return LoadWorkString(IDS_FIELDTYPE_FLOAT);
    default:
        return CString();
    }
}

BOOL CCappBaseFun::CheckDBTabAndFieldName(CString strName, CString& strMessage)
{
    if (strName.IsEmpty()) {
        strMessage = LoadWorkString(IDS_DBNAME_EMPTY);
        return FALSE;
    }
    static const char* const s_apszBad[] = {" ", "-", "\t", "\n", "\r", "/", "\\", "?", ",", ".", ";", ":",  "\"", "<",
                                            ">", "=", "`",  "~",  "!",  "%", "^",  "&", "*", "(", ")", "（", "）"};
    for (const char* pszBad : s_apszBad) {
        if (strName.Find(pszBad) >= 0) {
            strMessage.Format(LoadWorkString(IDS_DBNAME_BADCHAR), static_cast<LPCSTR>(strName));
            return FALSE;
        }
    }
    if (CappIsDigit(strName[0])) {
        strMessage.Format("%s 的第一字符不能为数字", static_cast<LPCSTR>(strName));
        return FALSE;
    }
    return TRUE;
}

CString CCappBaseFun::FormatToDBStr(CString strText)
{
    strText.Replace("'", "''");
    return strText;
}

CString CCappBaseFun::FormatedFieldValue(CString strValue, int nType)
{
    CString str;
    switch (nType) {
    case 1:
        str.Format("'%s'", static_cast<LPCSTR>(FormatToDBStr(strValue)));
        break;
    case 2:
        str.Format("%d", atoi(strValue));
        break;
    case 3:
        str = RealText(atof(strValue));
        break;
    default:
        break;
    }
    return str;
}

CString CCappBaseFun::TranToDBData(CString strValue, int nType)
{
    CString str;
    switch (nType) {
    case 1:
        // Quotes inside are doubled: a value must never end the literal it is put into.
        str = "'" + FormatToDBStr(strValue) + "'";
        break;
    case 2:
        if (strValue.IsEmpty()) {
            str = "0";
        } else {
            str.Format("%d", atoi(strValue));
        }
        break;
    case 3:
        str = strValue.IsEmpty() ? CString("0") : RealText(atof(strValue));
        break;
    default:
        str = strValue;
        break;
    }
    return str;
}

POSITION CCappBaseFun::FindFieldByID(int nID, CObList& fields)
{
    return FindField(fields, [nID](const CCappFieldItem& field) { return field.m_nID == nID; });
}

POSITION CCappBaseFun::FindFieldByName(CString strName, CObList& fields)
{
    return FindField(fields, [&strName](const CCappFieldItem& field) { return field.m_strName == strName; });
}

void CCappBaseFun::DetachFieldList(CObList& fields)
{
    while (!fields.IsEmpty()) {
        delete fields.RemoveHead();
    }
}

CString CCappBaseFun::RepliceVar(CString strText, CStringArray& names, CStringArray& values)
{
    for (INT_PTR i = 0; i < names.GetSize(); ++i) {
        CString strVar = "[" + names[i] + "]";
        strText.Replace(strVar, i < values.GetSize() ? static_cast<LPCSTR>(values[i]) : "");
    }
    return strText;
}

CString CCappBaseFun::RepliceVar(CString strText, CStringArray& names, CUIntArray& values)
{
    for (INT_PTR i = 0; i < names.GetSize(); ++i) {
        CString strValue;
        if (i < values.GetSize()) {
            strValue.Format("%d", static_cast<int>(values[i]));
        }
        strText.Replace("[" + names[i] + "]", strValue);
    }
    return strText;
}

CString CCappBaseFun::RepliceVar(CString strText, CString strNames, CString strValues)
{
    CStringArray names;
    CStringArray values;
    CKvStringMgr::StringToArray(strNames, names, "\n");
    CKvStringMgr::StringToArray(strValues, values, "\n");
    return RepliceVar(strText, names, values);
}

void CCappBaseFun::PickVars(CString strText, CStringArray& names)
{
    names.RemoveAll();
    CString strRest = strText;
    for (;;) {
        int nOpen = strRest.Find('[');
        if (nOpen < 0) {
            return;
        }
        int nClose = strRest.Find(']');
        if (nClose < nOpen + 2) {
            return;
        }
        CString strName = strRest.Mid(nOpen + 1, nClose - nOpen - 1);
        if (FindStringInArray(names, strName) < 0) {
            names.Add(strName);
        }
        strRest = strRest.Mid(nClose + 1);
    }
}

BOOL CCappBaseFun::IsNumber(CString s)
{
    if (CKvStringMgr::IsInteger(s)) {
        return TRUE;
    }
    // Runs of digits too large for an int pass too.
    if (s.IsEmpty() || s[0] == '0') {
        return FALSE;
    }
    for (int i = 0; i < s.GetLength(); ++i) {
        if (!CappIsDigit(s[i])) {
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CCappBaseFun::IsFloat(CString s)
{
    return CappIsRealText(s, FALSE);
}

CString CCappBaseFun::GetNextIndex(CString strIndex, int nStep)
{
    CString strNext;
    if (CKvStringMgr::IsInteger(strIndex)) {
        strNext.Format("%lld", static_cast<long long>(atoi(strIndex)) + nStep);
        return strNext;
    }
    static const char* const s_apszNumerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
    for (int i = 0; i < 9; ++i) {
        if (strIndex == s_apszNumerals[i]) {
            return s_apszNumerals[i + 1];
        }
    }
    // Character by character: a digit never stands inside a double-byte character.
    CString strPrefix;
    CString strDigits;
    CString strSuffix;
    for (LPCSTR p = strIndex; *p != '\0';) {
        int nLength = CString::CharLength(p);
        if (nLength == 1 && CappIsDigit(*p)) {
            strDigits += *p;
        } else if (strDigits.IsEmpty()) {
            strPrefix += CString(p, nLength);
        } else {
            strSuffix += CString(p, nLength);
        }
        p += nLength;
    }
    if (strDigits.IsEmpty()) {
        return strNext;
    }
    return strPrefix + CountOn(strDigits, nStep) + strSuffix;
}

int CCappBaseFun::FindStringInArray(CStringArray& array, CString strText)
{
    for (INT_PTR i = 0; i < array.GetSize(); ++i) {
        if (array[i] == strText) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

BOOL CCappBaseFun::IsDateTime(CString s)
{
    DateTimeFields f;
    if (!ScanDateTime(s, f)) {
        return FALSE;
    }
    static const int s_anDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (f.nYear < 1 || f.nYear > 9999 || f.nMonth < 1 || f.nMonth > 12 || f.nHour < 0 || f.nHour > 23 ||
        f.nMinute < 0 || f.nMinute > 59) {
        return FALSE;
    }
    int nDays = s_anDays[f.nMonth - 1];
    if (f.nMonth == 2 && IsLeapYear(f.nYear)) {
        nDays = 29;
    }
    return f.nDay >= 1 && f.nDay <= nDays;
}

CString CCappBaseFun::FormatTime(CTime time)
{
    CString str;
    str.Format("%d-%d-%d %d:%d", time.GetYear(), time.GetMonth(), time.GetDay(), time.GetHour(), time.GetMinute());
    return str;
}

CString CCappBaseFun::FormatTime(CString strFormat, CTime time)
{
    CString strPart;
    if (strFormat.Find("yyyy") >= 0) {
        strPart.Format("%04d", time.GetYear());
        strFormat.Replace("yyyy", strPart);
    } else {
        strPart.Format("%02d", time.GetYear() % 100);
        strFormat.Replace("yy", strPart);
    }
    strPart.Format("%d", time.GetMonth());
    strFormat.Replace("mm", strPart);
    strPart.Format("%d", time.GetDay());
    strFormat.Replace("dd", strPart);
    return strFormat;
}

BOOL CCappBaseFun::FormatStrToTime(CString s, CTime& time)
{
    DateTimeFields f;
    if (!ScanDateTime(s, f)) {
        return FALSE;
    }
    time = CTime(f.nYear, f.nMonth, f.nDay, f.nHour, f.nMinute, 0);
    return TRUE;
}

BOOL CCappBaseFun::SaveExpandedData(CTreeCtrl* pTree, CStringArray& lines)
{
    lines.RemoveAll();
    if (pTree == nullptr || !pTree->IsWindow()) {
        return FALSE;
    }
    int nDepth = 0;
    for (HTREEITEM hItem = pTree->GetRootItem(); hItem != nullptr; hItem = NextItemTopDown(*pTree, hItem, nDepth)) {
        if ((pTree->GetItemState(hItem, TVIS_EXPANDED) & TVIS_EXPANDED) != 0) {
            CString strLine;
            strLine.Format("%d,%s", nDepth, static_cast<LPCSTR>(pTree->GetItemText(hItem)));
            lines.Add(strLine);
        }
    }
    return TRUE;
}

BOOL CCappBaseFun::LoadExpandedData(CTreeCtrl* pTree, CStringArray& lines)
{
    if (pTree == nullptr || !pTree->IsWindow()) {
        return FALSE;
    }
    // Each line is looked for from just after the item the previous line expanded, so equal
    // texts at equal depths are told apart by their order, and a line whose item has gone
    // does not stop the lines after it.
    HTREEITEM hFrom = pTree->GetRootItem();
    int nFromDepth = 0;
    for (INT_PTR i = 0; i < lines.GetSize() && hFrom != nullptr; ++i) {
        int nLineDepth = 0;
        CString strText;
        if (!SplitExpandedLine(lines[i], nLineDepth, strText)) {
            continue;
        }
        int nDepth = nFromDepth;
        HTREEITEM hItem = hFrom;
        while (hItem != nullptr && (nDepth != nLineDepth || pTree->GetItemText(hItem) != strText)) {
            hItem = NextItemTopDown(*pTree, hItem, nDepth);
        }
        if (hItem == nullptr) {
            continue;
        }
        // Expand before stepping on: a tree that fills a branch as it opens has its children now.
        pTree->Expand(hItem, TVE_EXPAND);
        hFrom = NextItemTopDown(*pTree, hItem, nDepth);
        nFromDepth = nDepth;
    }
    return TRUE;
}

bool CCappBaseFun::GetParam(CString strName, CString& strValue)
{
    int nArgs = 0;
    LPWSTR* ppszArgs = CommandLineToArgvW(GetCommandLineW(), &nArgs);
    CFxLocalMem argsBlock(ppszArgs);
    if (ppszArgs == nullptr) {
        return false;
    }
    CStringArray params;
    for (int i = 1; i < nArgs; ++i) {
        params.Add(CString(ppszArgs[i]));
    }
    return GetParam(params, strName, strValue);
}

bool CCappBaseFun::GetParam(CStringArray& params, CString strName, CString& strValue)
{
    for (INT_PTR i = 0; i < params.GetSize(); ++i) {
        CString strItemName;
        CString strItemValue;
        if (CKvStringMgr::SplitNameValue(params[i], strItemName, strItemValue) &&
            strItemName.CompareNoCase(strName) == 0) {
            strValue = strItemValue;
            return true;
        }
    }
    return false;
}

bool CCappBaseFun::GetParam(CString strParams, CString strName, CString& strValue, CString strDelimiter)
{
    CStringArray params;
    CKvStringMgr::StringToArray(strParams, params, strDelimiter);
    return GetParam(params, strName, strValue);
}
