#include "symbols/GlyphworkFun.h"

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

int CGlyphworkFun::GetLine(CString strText, long& nPos, CString& strLine)
{
    strLine.Empty();
    long nLen = strText.GetLength();
    if (nPos < 0 || nPos >= nLen)
        return FALSE;
    LPCSTR p = strText;
    bool bEnded = false;
    while (nPos < nLen) {
        char ch = p[nPos];
        if (ch == '\r' || ch == '\n') {
            bEnded = true;
            break;
        }
        nPos++;
        if (ch == ' ' || ch == '\t')
            continue;
        // Byte by byte: no GBK trail byte is a blank, tab or line end, and a damaged lead byte
        // just before a line end must not swallow it.
        strLine += ch;
    }
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

int CGlyphworkFun::GetWordFromStr(CString strText, int& nPos, CString& strWord)
{
    strWord.Empty();
    if (nPos < 0 || nPos >= strText.GetLength())
        return FALSE;
    CString strRest = strText.Mid(nPos);
    // GBK-aware: a trail byte may equal "|".
    int nSep = strRest.FindOneOf(",|");
    strWord = nSep < 0 ? strRest : strRest.Left(nSep);
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
