#include "symbols/GlyphworkFun.h"

#include <algorithm>
#include <string>

#include "platform/base/File.h"

namespace
{
const int kMaxLine = 800;
}

DWORD CGlyphworkFun::ReadData(CString strPath, CString& strData)
{
    strData.Empty();
    CFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary))
        return 0;
    DWORD dwTotal = 0;
    try {
        char buf[4096];
        for (;;) {
            UINT n = file.Read(buf, sizeof(buf));
            if (n == 0)
                break;
            strData += CString(buf, static_cast<int>(n));
            dwTotal += n;
        }
    } catch (CException* e) {
        e->Delete();
    }
    file.Abort();
    return dwTotal;
}

// The text is walked in place: a copy per line made reading a file quadratic in its length.
int CGlyphworkFun::GetLine(const CString& strText, long& nPos, CString& strLine)
{
    strLine.Empty();
    long nLen = strText.GetLength();
    if (nPos < 0 || nPos >= nLen)
        return FALSE;
    LPCSTR p = strText;
    const long nFirst = nPos;
    bool bEnded = false;
    while (nPos < nLen) {
        char ch = p[nPos];
        if (ch == '\r' || ch == '\n') {
            bEnded = true;
            break;
        }
        nPos++;
    }
    // Byte by byte: no GBK trail byte is a blank, tab or line end, and a damaged lead byte just
    // before a line end must not swallow it. Past the cut nothing is kept.
    std::string line;
    line.reserve(static_cast<size_t>(std::min<long>(nPos - nFirst, kMaxLine + 2)));
    for (long i = nFirst; i < nPos && static_cast<int>(line.size()) <= kMaxLine + 1; i++) {
        if (p[i] != ' ' && p[i] != '\t')
            line += p[i];
    }
    strLine = CString(line.data(), static_cast<int>(line.size()));
    while (nPos < nLen && (p[nPos] == '\r' || p[nPos] == '\n'))
        nPos++;
    // A data file saved without a final line ending still has its last record.
    if (!bEnded && strLine.IsEmpty())
        return FALSE;
    if (strLine.GetLength() > kMaxLine) {
        int nCut = 0;
        while (nCut < kMaxLine) {
            int nChar = CString::CharLength(static_cast<LPCSTR>(strLine) + nCut);
            if (nCut + nChar > kMaxLine)
                break;
            nCut += nChar;
        }
        strLine = strLine.Left(nCut);
    }
    return TRUE;
}

int CGlyphworkFun::GetWordFromStr(const CString& strText, int& nPos, CString& strWord)
{
    strWord.Empty();
    const int nLen = strText.GetLength();
    if (nPos < 0 || nPos >= nLen)
        return FALSE;
    // GBK-aware from nPos on: a trail byte may equal "|".
    LPCSTR p = strText;
    int nEnd = nPos;
    while (nEnd < nLen && p[nEnd] != ',' && p[nEnd] != '|' && p[nEnd] != '\0')
        nEnd += std::max(1, std::min(CString::CharLength(p + nEnd), nLen - nEnd));
    // A NUL byte ends the search as it ends a C string: the word is the whole rest.
    if (nEnd < nLen && p[nEnd] == '\0')
        nEnd = nLen;
    strWord = strText.Mid(nPos, nEnd - nPos);
    nPos += strWord.GetLength() + 1;
    return TRUE;
}

void CGlyphworkFun::Compress_Space(CString& strText)
{
    strText.Remove(' ');
}

CString CGlyphworkFun::FormatFloat(double dValue)
{
    if (dValue == 0.0)
        return "0";
    CString str;
    str.Format(dValue > 0 ? "+%f" : "%f", dValue);
    ProceFloatStr(str);
    return str;
}

void CGlyphworkFun::ProceFloatStr(CString& strText)
{
    strText.TrimRight('0');
    strText.TrimRight('.');
}
