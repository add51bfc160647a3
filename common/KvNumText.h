// Decimal number reading and digit test shared by the string helpers and the evaluator; internal
// to KvCommLib.
#pragma once

#include "platform/base/FxExport.h"

// Reads the longest decimal floating-point number at the start of the text (after white space,
// as atof does); 0 when the text starts with no number. Hexadecimal, "inf" and "nan" are not
// numbers here, whatever the C runtime's own reading would make of them.
double KvReadDecimal(LPCSTR psz);

// isdigit is undefined for the negative chars that GBK bytes give.
inline bool KvIsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}
