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
};
