// A small stored record of one page value.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"

class VORNCARD_API CPageItem : public CObject
{
    FX_DECLARE_SERIAL(CPageItem)
public:
    CPageItem();

    // The page value only.
    void Serialize(CArchive& ar) override;

    int m_nValue;
    int m_nPage;
};
