#include "work/CappNumText.h"

#include <cstdlib>

BOOL CappIsRealText(const CString& strText, BOOL bFixedPrefix)
{
    const int nLength = strText.GetLength();
    if (nLength == 0) {
        return FALSE;
    }
    CString strBack;
    strBack.Format("%f", atof(strText));
    if ((bFixedPrefix ? strBack.Left(nLength) : strBack) == strText) {
        return TRUE;
    }
    if (strText[0] == '0') {
        if (nLength < 3) {
            return FALSE;
        }
        if (strText[1] != '.' && !CappIsDigit(strText[2])) {
            return FALSE;
        }
    }
    int nPoints = 0;
    for (int i = 0; i < nLength; ++i) {
        const char ch = strText[i];
        if (ch == '.') {
            if (i == 0 || i == nLength - 1 || ++nPoints > 1) {
                return FALSE;
            }
        } else if (!CappIsDigit(ch)) {
            return FALSE;
        }
    }
    return TRUE;
}
