// The definition of one card variable: name, data type, kind, precision and display flags,
// copied from the cell that defines it. Each data part of a card keeps a list of them.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"

class VORNCARD_API CCappCardVarItem : public CObject
{
    FX_DECLARE_SERIAL(CCappCardVarItem)
public:
    enum {
        typeString = 1,
        typeInteger = 2,
        typeReal = 3,
    };
    enum {
        kindTyped = 2,
        kindFile = 4,
    };

    CCappCardVarItem();
    CCappCardVarItem(const CCappCardVarItem& src);
    // Copies every member but spare words 1 and 3, the version and the hidden flag; 1.
    int operator=(const CCappCardVarItem& src);

    // The value as this variable stores it: only typed variables are normalised (rounded
    // reals, blank zeros); every other kind keeps the value as given.
    CString TransitionData(const CString& strValue) const;

    void Serialize(CArchive& ar) override;

    int m_nSpare1;
    int m_nSpare2;
    int m_nSpare3;
    CString m_strSpare;
    CString m_strVersion;
    int m_nReserved1;
    CString m_strReserved1;
    CString m_strName;
    int m_nDataType;
    int m_nLength; // kept and stored; no value is checked against it
    int m_nKind;
    int m_nPrecision;
    BOOL m_bInherit;
    BOOL m_bBlankZero;
    BOOL m_bTrimZeros;
    int m_nReserved2;
    int m_nSrcOption;
    BOOL m_bHidden;
    CString m_strReserved2;
    CString m_strReserved3;
};
