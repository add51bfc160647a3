#include "designer/script/CodeCharFun.h"

bool CCodeCharFun::IsWordByte(char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_';
}

int CCodeCharFun::NextChar(LPCSTR pszLine, int nLength, int nPos)
{
    if (nPos >= nLength) {
        return nLength;
    }
    if (nPos < 0) {
        return 0;
    }
    return IsLeadByte(pszLine[nPos]) && nPos + 1 < nLength ? nPos + 2 : nPos + 1;
}

int CCodeCharFun::PrevChar(LPCSTR pszLine, int nLength, int nPos)
{
    // Lead and trail ranges overlap: only a walk from the line's start tells which byte leads.
    int nPrev = 0;
    for (int i = 0; i < nPos && i < nLength;) {
        nPrev = i;
        i = NextChar(pszLine, nLength, i);
    }
    return nPrev;
}

int CCodeCharFun::CharStart(LPCSTR pszLine, int nLength, int nPos)
{
    if (nPos >= nLength) {
        return nLength < 0 ? 0 : (nPos > nLength ? nLength : nPos);
    }
    int i = 0;
    while (i < nPos) {
        const int nNext = NextChar(pszLine, nLength, i);
        if (nNext > nPos) {
            break;
        }
        i = nNext;
    }
    return i;
}

bool CCodeCharFun::IsWordCharAt(LPCSTR pszLine, int nLength, int nPos)
{
    return nPos >= 0 && nPos < nLength && IsWordByte(pszLine[nPos]) && CharStart(pszLine, nLength, nPos) == nPos;
}

void CCodeCharFun::FoldAscii(char* pszText, int nLength)
{
    for (int i = 0; i < nLength; i = NextChar(pszText, nLength, i)) {
        if (pszText[i] >= 'a' && pszText[i] <= 'z') {
            pszText[i] = static_cast<char>(pszText[i] - 'a' + 'A');
        }
    }
}
