#include "work/CompData.h"

#include <cstdlib>

#include "work/CappNumText.h"

int CCompData::GetCharType_Seg(char c)
{
    auto b = static_cast<unsigned char>(c);
    if ((b >= '0' && b <= '9') || b == '.') {
        return 1;
    }
    if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z')) {
        return 2;
    }
    if (b >= 0x80) {
        return 3;
    }
    if (b == '-') {
        return 4;
    }
    return 0;
}

void CCompData::ApartStrToArray_Seg(CString strText, CStringArray& runs)
{
    runs.RemoveAll();
    LPCSTR psz = strText;
    int nLength = strText.GetLength();
    int nStart = 0;
    int nRunType = -1;
    int i = 0;
    while (i < nLength) {
        // A trail byte can look like a letter or a digit: the whole character takes its lead's class.
        int nType = GetCharType_Seg(psz[i]);
        if (nRunType != -1 && nType != nRunType) {
            runs.Add(CString(psz + nStart, i - nStart));
            nStart = i;
        }
        nRunType = nType;
        i += CString::CharLength(psz + i);
    }
    if (nLength > nStart) {
        runs.Add(CString(psz + nStart, nLength - nStart));
    }
}

int CCompData::CompStrData_Seg(CString a, CString b)
{
    CStringArray runsA;
    CStringArray runsB;
    ApartStrToArray_Seg(a, runsA);
    ApartStrToArray_Seg(b, runsB);
    for (INT_PTR i = 0;; ++i) {
        BOOL bLast = i >= runsA.GetSize() || i >= runsB.GetSize();
        CString strA = i < runsA.GetSize() ? runsA[i] : CString();
        CString strB = i < runsB.GetSize() ? runsB[i] : CString();
        int nResult = CompItem(strA, strB);
        if (nResult != 0 || bLast) {
            return nResult;
        }
    }
}

int CCompData::CompItem(CString a, CString b)
{
    if (IsNumber(a) && IsNumber(b)) {
        return CompNum(a, b);
    }
    return CompStr(a, b);
}

int CCompData::CompNum(CString a, CString b)
{
    double dA = atof(a);
    double dB = atof(b);
    if (dA > dB) {
        return 1;
    }
    if (dA < dB) {
        return -1;
    }
    return 0;
}

int CCompData::CompStr(CString a, CString b)
{
    // Byte order equals GBK character order: a lead byte is above every single-byte character.
    return a.Compare(b);
}

BOOL CCompData::IsNumber(CString strText)
{
    return CappIsRealText(strText, TRUE);
}
