// Steps over the characters of a GBK line: a lead byte 0x81-0xFE and the byte after it are one
// character, and no position may fall between them.
#pragma once

#include <windows.h>

class CCodeCharFun
{
public:
    static bool IsLeadByte(char ch)
    {
        return static_cast<unsigned char>(ch) >= 0x81 && static_cast<unsigned char>(ch) <= 0xFE;
    }
    // Letters, digits and underscore (single bytes only).
    static bool IsWordByte(char ch);
    // The start of the character after the one at nPos (nLength at the end).
    static int NextChar(LPCSTR pszLine, int nLength, int nPos);
    // The start of the character before nPos (0 at the start).
    static int PrevChar(LPCSTR pszLine, int nLength, int nPos);
    // nPos moved back to the start of the character it falls in.
    static int CharStart(LPCSTR pszLine, int nLength, int nPos);
    // A single-byte word character starts at nPos.
    static bool IsWordCharAt(LPCSTR pszLine, int nLength, int nPos);
    // Upper-cases single-byte ASCII letters only: a trail byte stays as it is.
    static void FoldAscii(char* pszText, int nLength);
};
