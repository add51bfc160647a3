// Growable array of CString, indexed from 0.
#pragma once

#include "platform/base/FxArray.h"
#include "platform/base/String.h"

class CArchive;

extern template class FX_API CFxArray<CString, const CString&>;

class FX_API CStringArray : public CFxArray<CString, const CString&>
{
public:
    // The count, then each string. Loading replaces the contents.
    void Serialize(CArchive& ar);

    // Replaces the contents with the pieces of strText between chSep, stepping over double-byte
    // characters. A trailing delimiter ends the last piece; with bEmptyLast it also starts an empty
    // one, so "" gives one empty piece and "a;" gives "a" and "" (field lists), while without it ""
    // gives none and "a;" gives "a" (name lists).
    void Split(const CString& strText, char chSep, BOOL bEmptyLast);
};
