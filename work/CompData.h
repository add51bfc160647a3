// Natural-order comparison of names that mix text and numbers ("a9" before "a10").
#pragma once

#include "platform/base/String.h"
#include "platform/base/StringArray.h"
#include "work/VornWorkExport.h"

class VORNWORK_API CCompData
{
public:
    CCompData() = default;
    CCompData(const CCompData&) = default;
    CCompData& operator=(const CCompData&) = default;
    virtual ~CCompData() = default;

    // Negative, 0 or positive as a sorts before, with or after b.
    static int CompStrData_Seg(CString a, CString b);
    // Cuts the text into runs of one character class; a double-byte character stays whole.
    static void ApartStrToArray_Seg(CString strText, CStringArray& runs);
    // 1 digit or ".", 2 ASCII letter, 3 byte of 0x80 or above, 4 "-", 0 anything else.
    static int GetCharType_Seg(char c);

    static int CompItem(CString a, CString b);
    static int CompNum(CString a, CString b);
    static int CompStr(CString a, CString b);
    static BOOL IsNumber(CString strText);
};
