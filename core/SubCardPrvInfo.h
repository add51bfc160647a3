// A plain record of a sub-card: two texts, four numbers, two more texts. No operations.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"

class VORNCARD_API CSubCardPrvInfo : public CObject
{
public:
    CString m_strText1;
    CString m_strText2;
    // Left as they come: nothing sets them at construction.
    int m_nValue1;
    int m_nValue2;
    int m_nValue3;
    int m_nValue4;
    CString m_strText3;
    CString m_strText4;
};
