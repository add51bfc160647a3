// Static helpers over the symbol data files and deviation texts.
#pragma once

#include "platform/base/Object.h"
#include "platform/base/String.h"
#include "symbols/GlyphworkExport.h"

class GLYPHWORK_API CGlyphworkFun : public CObject
{
public:
    // The whole file in strData; the file length, 0 when it cannot be opened.
    static DWORD ReadData(CString strPath, CString& strData);
    // One line from nPos on, blanks and tabs removed, at most 800 bytes; empty lines are
    // skipped. FALSE when nothing is left.
    static int GetLine(const CString& strText, long& nPos, CString& strLine);
    // One word up to the next "," or "|"; FALSE when nothing is left at nPos.
    static int GetWordFromStr(const CString& strText, int& nPos, CString& strWord);
    // Removes every blank (tabs stay).
    static void Compress_Space(CString& strText);
    // "0", or a signed decimal text without trailing zeros ("+0.5", "-0.025", "+12").
    static CString FormatFloat(double dValue);
    // Drops trailing "0" characters, then trailing "." characters.
    static void ProceFloatStr(CString& strText);
};
