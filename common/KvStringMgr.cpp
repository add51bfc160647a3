#include "common/KvStringMgr.h"

#include <climits>
#include <cstdlib>

#include "common/KvNumText.h"

namespace
{
// SetElement pads a list with empty elements up to an index past its end; no list of the
// system comes near this many delimiter bytes.
const long long kMaxPadBytes = 1 << 24;

// The joining rule of every rebuilt list: an element becomes the whole result while the result
// is still empty, so empty elements before the first non-empty one vanish.
void JoinElement(CString& strResult, const CString& strItem, const CString& strDelimiter)
{
    if (strResult.IsEmpty()) {
        strResult = strItem;
    } else {
        strResult += strDelimiter;
        strResult += strItem;
    }
}

// Splits one prompt item at its first "=" into a trimmed name and value.
void SplitPromptItem(const CString& strItem, CString& strName, CString& strValue)
{
    int nEqual = strItem.Find('=');
    if (nEqual < 0) {
        strName = strItem;
        strValue.Empty();
    } else {
        strName = strItem.Left(nEqual);
        strValue = strItem.Mid(nEqual + 1);
    }
    strName.Trim();
    strValue.Trim();
}
} // namespace

BOOL CKvStringMgr::GetElementItem(CString& strList, CString& strItem, const CString& strDelimiter)
{
    if (strList.IsEmpty()) {
        return FALSE;
    }
    // An empty delimiter would match everywhere and never shorten the list: take it whole.
    int nPos = strDelimiter.IsEmpty() ? -1 : strList.Find(strDelimiter);
    if (nPos < 0) {
        strItem = strList;
        strList.Empty();
    } else {
        strItem = strList.Left(nPos);
        strList = strList.Mid(nPos + strDelimiter.GetLength());
    }
    return TRUE;
}

BOOL CKvStringMgr::GetElementItem(CString& strList, CString& strName, CString& strValue, const CString& strDelimiter)
{
    if (strList.IsEmpty() || strDelimiter.IsEmpty()) {
        return FALSE;
    }
    int nPos = strList.Find(strDelimiter);
    if (nPos < 0) {
        return FALSE;
    }
    strName = strList.Left(nPos);
    CString strRest = strList.Mid(nPos + strDelimiter.GetLength());
    nPos = strRest.Find(strDelimiter);
    if (nPos < 0) {
        strValue = strRest;
        strList.Empty();
    } else {
        strValue = strRest.Left(nPos);
        strList = strRest.Mid(nPos + strDelimiter.GetLength());
    }
    strName.Trim();
    strValue.Trim();
    return TRUE;
}

void CKvStringMgr::StringToArray(const CString& strText, CStringArray& arrItem, const CString& strDelimiter)
{
    arrItem.RemoveAll();
    CString strList = strText;
    CString strItem;
    while (GetElementItem(strList, strItem, strDelimiter)) {
        arrItem.Add(strItem);
    }
}

void CKvStringMgr::ArrayToString(const CStringArray& arrItem, CString& strText, const CString& strDelimiter)
{
    strText.Empty();
    for (INT_PTR i = 0; i < arrItem.GetSize(); ++i) {
        JoinElement(strText, arrItem[i], strDelimiter);
    }
}

int CKvStringMgr::GetElementCount(const CString& strList, const CString& strDelimiter)
{
    CString strRest = strList;
    CString strItem;
    int nCount = 0;
    while (GetElementItem(strRest, strItem, strDelimiter)) {
        ++nCount;
    }
    return nCount;
}

void CKvStringMgr::AddElementItem(CString& strList, const CString& strItem, const CString& strDelimiter)
{
    if (strList.IsEmpty()) {
        strList = strItem;
    } else {
        strList += strDelimiter;
        strList += strItem;
    }
}

void CKvStringMgr::AddElementItem(CString& strList, const CString& strName, const CString& strValue,
                                  const CString& strDelimiter)
{
    if (!strList.IsEmpty()) {
        strList += strDelimiter;
    }
    strList += strName;
    strList += strDelimiter;
    strList += strValue;
}

void CKvStringMgr::DelElementItem(CString& strList, const CString& strItem, const CString& strDelimiter)
{
    if (strItem.IsEmpty()) {
        return;
    }
    CString strRest = strList;
    CString strPrefix;
    CString strElement;
    while (GetElementItem(strRest, strElement, strDelimiter)) {
        if (strElement == strItem) {
            // The rest follows a delimiter even when empty: removing the last element leaves a
            // trailing delimiter, which reads as no element.
            strList = strPrefix.IsEmpty() ? strRest : strPrefix + strDelimiter + strRest;
            return;
        }
        JoinElement(strPrefix, strElement, strDelimiter);
    }
    strList = strPrefix;
}

BOOL CKvStringMgr::ExistElementItem(const CString& strList, const CString& strItem, const CString& strDelimiter)
{
    return GetElementIndex(strList, strItem, strDelimiter) >= 0;
}

BOOL CKvStringMgr::ExistElementItem(const CString& strList, const CString& strName, const CString& strValue,
                                    const CString& strDelimiter)
{
    CString strRest = strList;
    CString strPairName;
    CString strPairValue;
    while (GetElementItem(strRest, strPairName, strPairValue, strDelimiter)) {
        if ((strName.IsEmpty() || strName == strPairName) && (strValue.IsEmpty() || strValue == strPairValue)) {
            return TRUE;
        }
    }
    return FALSE;
}

int CKvStringMgr::GetElementIndex(const CString& strList, const CString& strItem, const CString& strDelimiter)
{
    CString strRest = strList;
    CString strElement;
    for (int nIndex = 0; GetElementItem(strRest, strElement, strDelimiter); ++nIndex) {
        if (strElement == strItem) {
            return nIndex;
        }
    }
    return -1;
}

BOOL CKvStringMgr::GetElementItemByIndex(const CString& strList, int nIndex, CString& strItem,
                                         const CString& strDelimiter)
{
    if (nIndex < 0) {
        return FALSE;
    }
    CString strRest = strList;
    CString strElement;
    for (int i = 0; GetElementItem(strRest, strElement, strDelimiter); ++i) {
        if (i == nIndex) {
            strItem = strElement;
            return TRUE;
        }
    }
    return FALSE;
}

void CKvStringMgr::SetElement(CString& strList, int nIndex, const CString& strItem, const CString& strDelimiter)
{
    if (nIndex < 0) {
        return;
    }
    if (nIndex < GetElementCount(strList, strDelimiter)) {
        CString strRest = strList;
        CString strPrefix;
        CString strElement;
        for (int i = 0; i < nIndex; ++i) {
            GetElementItem(strRest, strElement, strDelimiter);
            JoinElement(strPrefix, strElement, strDelimiter);
        }
        GetElementItem(strRest, strElement, strDelimiter);
        CString strTail = strItem + strDelimiter + strRest;
        strList = strPrefix.IsEmpty() ? strTail : strPrefix + strDelimiter + strTail;
        return;
    }
    // Past the end: pad with empty elements so that the item lands exactly at the index. An
    // index so far out that the padding alone would be huge is refused, list unchanged.
    const int nCount = GetElementCount(strList, strDelimiter);
    const long long nPadBytes = static_cast<long long>(nIndex - nCount) * strDelimiter.GetLength();
    if (nPadBytes > kMaxPadBytes) {
        return;
    }
    CStringArray arrItem;
    StringToArray(strList, arrItem, strDelimiter);
    strList.Empty();
    for (INT_PTR i = 0; i < arrItem.GetSize(); ++i) {
        strList += arrItem[i];
        strList += strDelimiter;
    }
    strList += Repeat(strDelimiter, nIndex - nCount);
    strList += strItem;
}

void CKvStringMgr::Insert(CString& strText, const CString& strPiece, int nPos)
{
    if (nPos < 0 || nPos > strText.GetLength()) {
        return;
    }
    strText = strText.Left(nPos) + strPiece + strText.Mid(nPos);
}

void CKvStringMgr::Remove(CString& strText, int nStart, int nEnd)
{
    if (nEnd < 0) {
        nEnd = nStart;
    }
    if (nStart < 0 || nEnd < nStart || nStart >= strText.GetLength()) {
        return;
    }
    strText = strText.Left(nStart) + strText.Mid(nEnd);
}

void CKvStringMgr::Remove(CString& strText, const CString& strSub)
{
    if (strSub.IsEmpty()) {
        return;
    }
    for (int nPos = strText.Find(strSub); nPos >= 0; nPos = strText.Find(strSub)) {
        strText = strText.Left(nPos) + strText.Mid(nPos + strSub.GetLength());
    }
}

void CKvStringMgr::Remove(CString& strText, char ch)
{
    for (int nPos = strText.Find(ch); nPos >= 0; nPos = strText.Find(ch)) {
        strText = strText.Left(nPos) + strText.Mid(nPos + 1);
    }
}

void CKvStringMgr::RemoveAll(CString& strText, const CString& strSub)
{
    Remove(strText, strSub);
}

void CKvStringMgr::RemoveAll(CString& strText, char ch)
{
    Remove(strText, ch);
}

CString CKvStringMgr::Repeat(const CString& strText, int nCount)
{
    CString strResult;
    for (int i = 0; i < nCount; ++i) {
        strResult += strText;
    }
    return strResult;
}

CString CKvStringMgr::Repeat(char ch, int nCount)
{
    return nCount > 0 ? CString(ch, nCount) : CString();
}

void CKvStringMgr::CutEndChar(CString& strText, int nCount)
{
    if (nCount <= 0) {
        return;
    }
    strText = nCount >= strText.GetLength() ? CString() : strText.Left(strText.GetLength() - nCount);
}

CString CKvStringMgr::GetPormpt(const CString& strPrompt, const CString& strName, const CString& strDefault)
{
    CString strRest = strPrompt;
    CString strItem;
    CString strItemName;
    CString strItemValue;
    while (GetElementItem(strRest, strItem, ";")) {
        if (strItem.IsEmpty()) {
            continue;
        }
        SplitPromptItem(strItem, strItemName, strItemValue);
        if (strItemName == strName) {
            return strItemValue;
        }
    }
    return strDefault;
}

BOOL CKvStringMgr::SetPormpt(CString& strPrompt, const CString& strName, const CString& strValue)
{
    CString strRest = strPrompt;
    CString strWalked;
    CString strItem;
    CString strItemName;
    CString strItemValue;
    while (GetElementItem(strRest, strItem, ";")) {
        if (strItem.IsEmpty()) {
            continue;
        }
        SplitPromptItem(strItem, strItemName, strItemValue);
        if (strItemName == strName) {
            strItem.Format("%s = %s", strName.GetString(), strValue.GetString());
            JoinElement(strWalked, strItem, ";");
            strPrompt = strWalked + ";" + strRest;
            return TRUE;
        }
        JoinElement(strWalked, strItem, ";");
    }
    strPrompt = strWalked + ";";
    return FALSE;
}

CString CKvStringMgr::PrecisionByNum(const CString& strNum, int nDecimals, BOOL bOptimize)
{
    // A negative precision reads as none given (six decimals), as printf takes it from "*".
    CString strResult;
    strResult.Format("%.*f", nDecimals, KvReadDecimal(strNum));
    if (bOptimize) {
        OptimizeByNum(strResult);
    }
    return strResult;
}

CString CKvStringMgr::PrecisionByNum(double dNum, int nDigits, BOOL bGeneral)
{
    CString strResult;
    strResult.Format(bGeneral ? "%.*g" : "%.*f", nDigits, dNum);
    return strResult;
}

void CKvStringMgr::OptimizeByNum(CString& strNum)
{
    if (strNum.Find('.') <= 0) {
        return;
    }
    int nLength = strNum.GetLength();
    while (nLength > 0 && strNum[nLength - 1] == '0') {
        --nLength;
    }
    if (nLength > 0 && strNum[nLength - 1] == '.') {
        --nLength;
    }
    strNum = strNum.Left(nLength);
}

BOOL CKvStringMgr::IsInteger(const CString& strText)
{
    // The integer value as atoi reads it, saturated at the 32-bit range, must write back as the text.
    long long nValue = std::strtoll(strText, nullptr, 10);
    if (nValue > INT_MAX) {
        nValue = INT_MAX;
    } else if (nValue < INT_MIN) {
        nValue = INT_MIN;
    }
    CString strBack;
    strBack.Format("%d", static_cast<int>(nValue));
    return strBack == strText;
}

BOOL CKvStringMgr::IsNumberVal(const CString& strText)
{
    int nLength = strText.GetLength();
    if (nLength == 0) {
        return FALSE;
    }
    BOOL bPoint = FALSE;
    for (int i = 0; i < nLength; ++i) {
        char ch = strText[i];
        if (ch == '.') {
            if (bPoint) {
                return FALSE;
            }
            bPoint = TRUE;
        } else if (!(KvIsDigit(ch) || (ch == '-' && i == 0))) {
            return FALSE;
        }
    }
    if (strText == "0") {
        return TRUE;
    }
    if (strText[0] == '0' && !bPoint) {
        return FALSE;
    }
    return strText[nLength - 1] != '.';
}
