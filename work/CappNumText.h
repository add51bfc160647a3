// Digit and number text tests shared by the base helpers and the natural-order comparison;
// internal to VornWork.
#pragma once

#include "platform/base/String.h"

// isdigit is undefined for the negative chars that GBK bytes give.
inline bool CappIsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// TRUE for a real written plainly: the "%f" text of its own value (with bFixedPrefix, any start
// of that text: "2.5" of "2.500000"), or digits with one "." that neither begins nor ends them,
// where a leading "0" needs a "." or a digit after it and at least three characters.
BOOL CappIsRealText(const CString& strText, BOOL bFixedPrefix);
