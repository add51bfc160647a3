// A small stored record of card information: a format number, three ints and two texts.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"

class VORNCARD_API CCardInfoItem : public CObject
{
    FX_DECLARE_SERIAL(CCardInfoItem)
public:
    CCardInfoItem();

    // Stored as 100, first int, second int, text B, text A, third int. A record whose first
    // int is below 100 is the old form: second int and text B only.
    void Serialize(CArchive& ar) override;

    int m_nFormat;
    int m_nFirst;
    int m_nSecond;
    CString m_strTextA;
    CString m_strTextB;
    int m_nThird;
};
