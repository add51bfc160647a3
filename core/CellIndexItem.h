// One index field of a detail area: a variable numbered from an initial value by a step.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"

class VORNCARD_API CCellIndexItem : public CObject
{
    FX_DECLARE_SERIAL(CCellIndexItem)
public:
    CCellIndexItem();

    // Order, variable name, initial value, step.
    void Serialize(CArchive& ar) override;

    int m_nOrder;
    CString m_strVarName;
    CString m_strInitValue;
    int m_nStep;
};
