// One seat of a detail area: the rectangle of four line ids it covers on the sheet.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"

class VORNCARD_API CCappMDSeatItem : public CObject
{
    FX_DECLARE_SERIAL(CCappMDSeatItem)
public:
    CCappMDSeatItem();
    CCappMDSeatItem(int nTopLineID, int nLeftLineID, int nRightLineID, int nBottomLineID);

    // The four ids in this order.
    void Serialize(CArchive& ar) override;

    int m_nTopLineID;
    int m_nLeftLineID;
    int m_nRightLineID;
    int m_nBottomLineID;
};
