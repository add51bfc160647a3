#include "symbols/SymFieldFun.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace
{

// Coordinates of a real symbol are a few hundred units; this only keeps arithmetic finite.
const double kMaxMagnitude = 1e9;
const double kLongLimit = 1073741823.0;

char FoldCase(char ch)
{
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

int HexValue(char ch)
{
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    ch = FoldCase(ch);
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    return -1;
}

// Index after the run of digits from i; nDigits grows by their number.
int SkipDigits(LPCSTR psz, int i, int& nDigits)
{
    while (CSymFieldFun::IsDigit(psz[i])) {
        ++i;
        ++nDigits;
    }
    return i;
}

CString StripLeadingZeros(const CString& str)
{
    int i = 0;
    while (i < str.GetLength() && str[i] == '0') {
        ++i;
    }
    return str.Mid(i);
}

} // namespace

INT_PTR CSymFieldFun::SplitFields(const CString& strBody, CStringArray& arrField, INT_PTR nMaxKept)
{
    arrField.RemoveAll();
    LPCSTR psz = strBody;
    int nLength = strBody.GetLength();
    INT_PTR nCount = 0;
    int nStart = 0;
    int i = 0;
    for (;;) {
        // The end of the body stands for the "," added after it.
        if (i >= nLength || psz[i] == ',') {
            if (nCount < nMaxKept) {
                CString strField(psz + nStart, i - nStart);
                strField.Trim();
                arrField.Add(strField);
            }
            ++nCount;
            if (i >= nLength) {
                break;
            }
            nStart = ++i;
            continue;
        }
        i += CString::CharLength(psz + i);
    }
    return nCount;
}

BOOL CSymFieldFun::GetBody(const CString& strElem, CString& strTag, CString& strBody)
{
    if (strElem.GetLength() < 2 || strElem[0] != '<') {
        return FALSE;
    }
    int nGt = strElem.Find('>');
    if (nGt < 0) {
        return FALSE;
    }
    strTag = strElem.Mid(1, nGt - 1);
    CString strEnd = "</" + strTag + ">";
    int nEndPos = strElem.GetLength() - strEnd.GetLength();
    if (nEndPos <= nGt) {
        return FALSE;
    }
    if (strElem.Mid(nEndPos).CompareNoCase(strEnd) != 0) {
        return FALSE;
    }
    strBody = strElem.Mid(nGt + 1, nEndPos - nGt - 1);
    return TRUE;
}

int CSymFieldFun::ReadSaturatedInt(LPCSTR psz, int& nUsed)
{
    int i = 0;
    bool bNegative = false;
    if (psz[i] == '-' || psz[i] == '+') {
        bNegative = psz[i] == '-';
        ++i;
    }
    long long llValue = 0;
    while (IsDigit(psz[i])) {
        // Past the int range the value only has to stay out of it.
        if (llValue <= 2147483648LL) {
            llValue = llValue * 10 + (psz[i] - '0');
        }
        ++i;
    }
    nUsed = i;
    if (bNegative) {
        llValue = -llValue;
    }
    if (llValue > INT_MAX) {
        return INT_MAX;
    }
    if (llValue < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(llValue);
}

BOOL CSymFieldFun::ReadReal(LPCSTR psz, double& dValue)
{
    // Only plain decimal notation: the C library would also take "inf", "nan" and hex.
    int i = 0;
    while (IsBlank(psz[i])) {
        ++i;
    }
    int nStart = i;
    if (psz[i] == '-' || psz[i] == '+') {
        ++i;
    }
    int nDigits = 0;
    i = SkipDigits(psz, i, nDigits);
    if (psz[i] == '.') {
        i = SkipDigits(psz, i + 1, nDigits);
    }
    if (nDigits == 0) {
        dValue = 0.0;
        return TRUE;
    }
    if (psz[i] == 'e' || psz[i] == 'E') {
        int j = i + 1;
        if (psz[j] == '-' || psz[j] == '+') {
            ++j;
        }
        int nExpDigits = 0;
        j = SkipDigits(psz, j, nExpDigits);
        if (nExpDigits > 0) {
            i = j;
        }
    }
    CString strNumber(psz + nStart, i - nStart);
    double d = strtod(strNumber, nullptr);
    if (!std::isfinite(d) || std::fabs(d) > kMaxMagnitude) {
        return FALSE;
    }
    dValue = d;
    return TRUE;
}

CString CSymFieldFun::PrepareField(const CString& strField)
{
    CString str = strField;
    str.TrimLeft();
    int nColon = str.ReverseFind(':');
    if (nColon >= 0) {
        str = str.Left(nColon);
    }
    return str;
}

BOOL CSymFieldFun::ReadColor(const CString& strField, COLORREF& cr)
{
    CString str = PrepareField(strField);
    if (str.GetLength() < 6) {
        return FALSE;
    }
    int anPart[6] = {};
    for (int i = 0; i < 6; ++i) {
        anPart[i] = HexValue(str[i]);
        if (anPart[i] < 0) {
            return FALSE;
        }
    }
    cr = RGB(anPart[0] * 16 + anPart[1], anPart[2] * 16 + anPart[3], anPart[4] * 16 + anPart[5]);
    return TRUE;
}

BOOL CSymFieldFun::ReadWhole(const CString& strField, int& nValue)
{
    CString str = StripLeadingZeros(PrepareField(strField));
    int nUsed = 0;
    int n = ReadSaturatedInt(str, nUsed);
    CString strDecimal;
    strDecimal.Format("%d", n);
    // A saturated or partly read number does not start the field, so it is refused.
    if (nUsed == 0 || str.Left(strDecimal.GetLength()) != strDecimal) {
        return FALSE;
    }
    nValue = n;
    return TRUE;
}

int CSymFieldFun::ReadWholeLoose(const CString& strField)
{
    CString str = StripLeadingZeros(PrepareField(strField));
    int nUsed = 0;
    return ReadSaturatedInt(str, nUsed);
}

BOOL CSymFieldFun::ReadYesNo(const CString& strField, BOOL& bValue)
{
    CString str = PrepareField(strField);
    if (str.IsEmpty()) {
        return FALSE;
    }
    char ch = FoldCase(str[0]);
    if (ch == 'Y') {
        bValue = TRUE;
        return TRUE;
    }
    if (ch == 'N') {
        bValue = FALSE;
        return TRUE;
    }
    return FALSE;
}

BOOL CSymFieldFun::ReadAlign(const CString& strField, int& nAlign)
{
    CString str = PrepareField(strField);
    if (str.IsEmpty()) {
        return FALSE;
    }
    switch (FoldCase(str[0])) {
    case 'L':
        nAlign = TA_LEFT;
        return TRUE;
    case 'M':
        nAlign = TA_CENTER;
        return TRUE;
    case 'R':
        nAlign = TA_RIGHT;
        return TRUE;
    default:
        return FALSE;
    }
}

void CSymFieldFun::ReadStyle(const CString& strField, LONG& lWeight, BYTE& bItalic)
{
    CString str = PrepareField(strField);
    char ch = str.IsEmpty() ? '\0' : FoldCase(str[0]);
    // Only the first letter counts: "BI" is bold upright, "IB" italic of normal weight.
    lWeight = ch == 'B' ? FW_BOLD : FW_NORMAL;
    bItalic = ch == 'I' ? TRUE : FALSE;
}

BOOL CSymFieldFun::ReadQuoted(const CString& strText, int nStart, CString& strValue, int& nEnd)
{
    LPCSTR psz = strText;
    int i = nStart;
    while (psz[i] != '\0' && psz[i] != '\'') {
        i += CString::CharLength(psz + i);
    }
    if (psz[i] == '\0') {
        return FALSE;
    }
    ++i;
    CString strResult;
    while (psz[i] != '\0') {
        int nLen = CString::CharLength(psz + i);
        if (nLen == 1 && psz[i] == '\'') {
            if (psz[i + 1] == '\'') {
                strResult += '\'';
                i += 2;
                continue;
            }
            strValue = strResult;
            nEnd = i + 1;
            return TRUE;
        }
        strResult += CString(psz + i, nLen);
        i += nLen;
    }
    return FALSE;
}

int CSymFieldFun::FindNoCase(LPCSTR psz, int nStart, int nEnd, LPCSTR pszFind)
{
    int nFind = static_cast<int>(strlen(pszFind));
    int i = nStart;
    while (i < nEnd && psz[i] != '\0') {
        if (i + nFind <= nEnd) {
            int k = 0;
            while (k < nFind && FoldCase(psz[i + k]) == FoldCase(pszFind[k])) {
                ++k;
            }
            if (k == nFind) {
                return i;
            }
        }
        i += CString::CharLength(psz + i);
    }
    return -1;
}

long CSymFieldFun::CutToLong(double d)
{
    if (std::isnan(d)) {
        return 0;
    }
    if (d > kLongLimit) {
        return static_cast<long>(kLongLimit);
    }
    if (d < -kLongLimit) {
        return -static_cast<long>(kLongLimit);
    }
    return static_cast<long>(d);
}
