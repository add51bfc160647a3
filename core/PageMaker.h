// One page-numbering entry of a card: the card definition used from its first page on.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"

class VORNCARD_API CPageMaker : public CObject
{
    FX_DECLARE_SERIAL(CPageMaker)
public:
    CPageMaker();
    CPageMaker(int nFirstPage, const CString& strCardName);

    // First page, then card name.
    void Serialize(CArchive& ar) override;

    int m_nFirstPage;
    CString m_strCardName;
};
