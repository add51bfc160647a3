// Field readers of custom symbol markup, shared by the element classes.
#pragma once

#include "platform/base/String.h"
#include "platform/base/StringArray.h"

class CSymFieldFun
{
public:
    // Trimmed fields of a body separated by ","; a "," is added first so the last field counts.
    // Keeps the first nMaxKept fields and returns how many there are, in one pass.
    static INT_PTR SplitFields(const CString& strBody, CStringArray& arrField, INT_PTR nMaxKept);
    // Text between "<tag>" and "</tag>" of an element string whose end tag matches its tag
    // (without regard to case); FALSE when the string is not shaped so.
    static BOOL GetBody(const CString& strElem, CString& strTag, CString& strBody);

    // The blanks the C library skips before a number.
    static bool IsBlank(char ch)
    {
        return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
    }
    // isdigit is undefined for the negative chars that GBK bytes give.
    static bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
    // [sign]digits at psz, held to the int range; nUsed receives the characters read (0 or just
    // a sign when there are no digits, which read 0).
    static int ReadSaturatedInt(LPCSTR psz, int& nUsed);
    // Real number at the start of the text; no digits reads 0. FALSE when it is not finite or
    // beyond the magnitude any symbol uses, so later integer conversions stay defined.
    static BOOL ReadReal(LPCSTR psz, double& dValue);
    // Colour, whole-number, yes/no, alignment and style fields: blanks on the left removed and
    // everything from the last ":" dropped.
    static CString PrepareField(const CString& strField);
    // Each leaves the value untouched and returns FALSE when the field does not fit the rule.
    static BOOL ReadColor(const CString& strField, COLORREF& cr);
    static BOOL ReadWhole(const CString& strField, int& nValue);
    static BOOL ReadYesNo(const CString& strField, BOOL& bValue);
    static BOOL ReadAlign(const CString& strField, int& nAlign);
    // Integer part of the number, leading zeros removed, always read.
    static int ReadWholeLoose(const CString& strField);
    static void ReadStyle(const CString& strField, LONG& lWeight, BYTE& bItalic);
    // Text between the first "'" and the next single "'", a doubled "''" standing for one "'".
    // The search starts at nStart (a character boundary); nEnd receives the index after the
    // closing quote.
    static BOOL ReadQuoted(const CString& strText, int nStart, CString& strValue, int& nEnd);

    // Index of the first match of pszFind (without regard to ASCII case) in [nStart, nEnd),
    // stepping over GBK double-byte characters from nStart, which must be a character boundary.
    static int FindNoCase(LPCSTR psz, int nStart, int nEnd, LPCSTR pszFind);

    // Integer part, held within a range where sums and widths cannot overflow.
    static long CutToLong(double d);
};
