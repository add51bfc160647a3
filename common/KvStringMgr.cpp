#include "common/KvStringMgr.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/KvNumText.h"

namespace
{
// Digits past a double's 17 significant ones carry nothing; a damaged count of billions would
// otherwise ask the formatter for gigabytes.
const int kMaxPrecision = 30;

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

// Walks a list the way repeated GetElementItem pops it, without copying the rest at every step:
// a walk over a long list stays linear.
class CElementWalker
{
public:
    CElementWalker(const CString& strList, const CString& strDelimiter)
        : m_strList(strList), m_strDelimiter(strDelimiter)
    {
    }

    // As GetElementItem(rest, strItem, delimiter).
    BOOL Next(CString& strItem)
    {
        if (AtEnd()) {
            return FALSE;
        }
        strItem = TakeElement();
        return TRUE;
    }

    // As GetElementItem(rest, strName, strValue, delimiter); the walk stays put on FALSE.
    BOOL NextPair(CString& strName, CString& strValue)
    {
        if (AtEnd() || m_strDelimiter.IsEmpty() || m_strList.Find(m_strDelimiter, m_nPos) < 0) {
            return FALSE;
        }
        strName = TakeElement();
        strValue = TakeElement();
        strName.Trim();
        strValue.Trim();
        return TRUE;
    }

    // What the popping walk would have left of the list.
    CString Rest() const { return m_strList.Mid(m_nPos); }

private:
    BOOL AtEnd() const { return m_nPos >= m_strList.GetLength(); }

    // Up to the next delimiter or the end; the walk goes on after the delimiter. An empty
    // delimiter would match everywhere and never shorten the list: the rest is taken whole.
    CString TakeElement()
    {
        const int nFound = m_strDelimiter.IsEmpty() ? -1 : m_strList.Find(m_strDelimiter, m_nPos);
        const int nEnd = nFound < 0 ? m_strList.GetLength() : nFound;
        CString strItem = m_strList.Mid(m_nPos, nEnd - m_nPos);
        m_nPos = nFound < 0 ? nEnd : nFound + m_strDelimiter.GetLength();
        return strItem;
    }

    const CString& m_strList;
    const CString& m_strDelimiter;
    int m_nPos = 0;
};

// Prompt items are separated by this; empty items are passed over.
const char kPromptDelimiter[] = ";";

// Walks a prompt text to the item named strName and gives its value. The non-empty items passed
// over are joined to *pWalked when it is given.
BOOL FindPromptItem(CElementWalker& walker, const CString& strName, CString& strValue, CString* pWalked)
{
    CString strItem;
    CString strItemName;
    while (walker.Next(strItem)) {
        if (strItem.IsEmpty()) {
            continue;
        }
        CKvStringMgr::SplitNameValue(strItem, strItemName, strValue);
        if (strItemName == strName) {
            return TRUE;
        }
        if (pWalked != nullptr) {
            JoinElement(*pWalked, strItem, kPromptDelimiter);
        }
    }
    return FALSE;
}
} // namespace

BOOL CKvStringMgr::GetElementItem(CString& strList, CString& strItem, const CString& strDelimiter)
{
    CElementWalker walker(strList, strDelimiter);
    if (!walker.Next(strItem)) {
        return FALSE;
    }
    strList = walker.Rest();
    return TRUE;
}

BOOL CKvStringMgr::GetElementItem(CString& strList, CString& strName, CString& strValue, const CString& strDelimiter)
{
    CElementWalker walker(strList, strDelimiter);
    if (!walker.NextPair(strName, strValue)) {
        return FALSE;
    }
    strList = walker.Rest();
    return TRUE;
}

void CKvStringMgr::StringToArray(const CString& strText, CStringArray& arrItem, const CString& strDelimiter)
{
    arrItem.RemoveAll();
    CElementWalker walker(strText, strDelimiter);
    CString strItem;
    while (walker.Next(strItem)) {
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
    CElementWalker walker(strList, strDelimiter);
    CString strItem;
    int nCount = 0;
    while (walker.Next(strItem)) {
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
    CElementWalker walker(strList, strDelimiter);
    CString strPrefix;
    CString strElement;
    while (walker.Next(strElement)) {
        if (strElement == strItem) {
            // The rest follows a delimiter even when empty: removing the last element leaves a
            // trailing delimiter, which reads as no element.
            CString strRest = walker.Rest();
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
    CElementWalker walker(strList, strDelimiter);
    CString strPairName;
    CString strPairValue;
    while (walker.NextPair(strPairName, strPairValue)) {
        if ((strName.IsEmpty() || strName == strPairName) && (strValue.IsEmpty() || strValue == strPairValue)) {
            return TRUE;
        }
    }
    return FALSE;
}

int CKvStringMgr::GetElementIndex(const CString& strList, const CString& strItem, const CString& strDelimiter)
{
    CElementWalker walker(strList, strDelimiter);
    CString strElement;
    for (int nIndex = 0; walker.Next(strElement); ++nIndex) {
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
    CElementWalker walker(strList, strDelimiter);
    CString strElement;
    for (int i = 0; walker.Next(strElement); ++i) {
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
    const int nCount = GetElementCount(strList, strDelimiter);
    if (nIndex < nCount) {
        CElementWalker walker(strList, strDelimiter);
        CString strPrefix;
        CString strElement;
        for (int i = 0; i < nIndex; ++i) {
            walker.Next(strElement);
            JoinElement(strPrefix, strElement, strDelimiter);
        }
        walker.Next(strElement);
        CString strTail = strItem + strDelimiter + walker.Rest();
        strList = strPrefix.IsEmpty() ? strTail : strPrefix + strDelimiter + strTail;
        return;
    }
    // Past the end: pad with empty elements so that the item lands exactly at the index. An
    // index so far out that the padding alone would be huge is refused, list unchanged.
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
    const size_t nSub = static_cast<size_t>(strSub.GetLength());
    if (nSub == 0) {
        return;
    }
    // One pass with the result of removing the leftmost match and searching again from the start.
    // Characters move one by one from the input to the kept text, which never holds a whole match:
    // the first match to complete in it is the leftmost one of the whole text. A removal puts the
    // bytes after the match back into the input, where they are read as characters afresh, as
    // the search from the start would.
    std::string strIn(strText.GetString(), static_cast<size_t>(strText.GetLength()));
    std::string strKept;
    std::vector<size_t> charStarts; // of the characters in strKept
    size_t nIn = 0;
    BOOL bRemoved = FALSE;
    while (nIn < strIn.size()) {
        const size_t nChar = static_cast<size_t>(CString::CharLength(strIn.c_str() + nIn));
        charStarts.push_back(strKept.size());
        strKept.append(strIn, nIn, nChar);
        nIn += nChar;
        // A match that completes now ends in the character just moved; the earlier start wins.
        size_t nMatch = std::string::npos;
        for (size_t nEndCut = nChar; nEndCut-- > 0 && nMatch == std::string::npos;) {
            if (strKept.size() < nSub + nEndCut) {
                continue;
            }
            const size_t nStart = strKept.size() - nEndCut - nSub;
            if (std::binary_search(charStarts.begin(), charStarts.end(), nStart) &&
                strKept.compare(nStart, nSub, strSub.GetString()) == 0) {
                nMatch = nStart;
            }
        }
        if (nMatch == std::string::npos) {
            continue;
        }
        bRemoved = TRUE;
        std::string strBack = strKept.substr(nMatch + nSub);
        strKept.resize(nMatch);
        while (!charStarts.empty() && charStarts.back() >= nMatch) {
            charStarts.pop_back();
        }
        // A lone lead byte was read as one character because of the byte after it, which is gone.
        if (!charStarts.empty() && charStarts.back() + 1 == strKept.size() &&
            CString::IsLeadByte(static_cast<BYTE>(strKept.back()))) {
            strBack.insert(strBack.begin(), strKept.back());
            strKept.pop_back();
            charStarts.pop_back();
        }
        nIn -= strBack.size();
        strIn.replace(nIn, strBack.size(), strBack);
    }
    if (bRemoved) {
        strText = CString(strKept.c_str(), static_cast<int>(strKept.size()));
    }
}

void CKvStringMgr::Remove(CString& strText, char ch)
{
    // Removing a whole one-byte character leaves the characters after it as they were read: one pass.
    CString strKept;
    LPSTR pszKept = strKept.GetBuffer(strText.GetLength());
    int nKept = 0;
    for (LPCSTR p = strText; *p != '\0';) {
        const int nChar = CString::CharLength(p);
        if (nChar != 1 || *p != ch) {
            for (int i = 0; i < nChar; ++i) {
                pszKept[nKept++] = p[i];
            }
        }
        p += nChar;
    }
    strKept.ReleaseBuffer(nKept);
    if (nKept != strText.GetLength()) {
        strText = strKept;
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

BOOL CKvStringMgr::SplitNameValue(const CString& strItem, CString& strName, CString& strValue)
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
    return nEqual >= 0;
}

CString CKvStringMgr::GetPormpt(const CString& strPrompt, const CString& strName, const CString& strDefault)
{
    const CString strDelimiter = kPromptDelimiter;
    CElementWalker walker(strPrompt, strDelimiter);
    CString strValue;
    return FindPromptItem(walker, strName, strValue, nullptr) ? strValue : strDefault;
}

BOOL CKvStringMgr::SetPormpt(CString& strPrompt, const CString& strName, const CString& strValue)
{
    const CString strDelimiter = kPromptDelimiter;
    CElementWalker walker(strPrompt, strDelimiter);
    CString strWalked;
    CString strOldValue;
    if (!FindPromptItem(walker, strName, strOldValue, &strWalked)) {
        strPrompt = strWalked + strDelimiter;
        return FALSE;
    }
    CString strItem;
    strItem.Format("%s = %s", strName.GetString(), strValue.GetString());
    JoinElement(strWalked, strItem, strDelimiter);
    // The walk reads strPrompt: take the rest before it is replaced.
    CString strRest = walker.Rest();
    strPrompt = strWalked + strDelimiter + strRest;
    return TRUE;
}

CString CKvStringMgr::PrecisionByNum(const CString& strNum, int nDecimals, BOOL bOptimize)
{
    // A negative precision reads as none given (six decimals), as printf takes it from "*".
    CString strResult;
    strResult.Format("%.*f", std::min(nDecimals, kMaxPrecision), KvReadDecimal(strNum));
    if (bOptimize) {
        OptimizeByNum(strResult);
    }
    return strResult;
}

CString CKvStringMgr::PrecisionByNum(double dNum, int nDigits, BOOL bGeneral)
{
    CString strResult;
    strResult.Format(bGeneral ? "%.*g" : "%.*f", std::min(nDigits, kMaxPrecision), dNum);
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
