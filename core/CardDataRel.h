// The row sets of a template, embedded in its sheet and stored with it.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/ObList.h"

class CCardDataRelItem;

class VORNCARD_API CCardDataRel : public CObject
{
    FX_DECLARE_SERIAL(CCardDataRel)
public:
    CCardDataRel();
    ~CCardDataRel() override;
    CCardDataRel(const CCardDataRel&) = delete;
    CCardDataRel& operator=(const CCardDataRel&) = delete;

    // Version (1), the reserved int, the items as an object list.
    void Serialize(CArchive& ar) override;

    // The first item of that kind; for kinds other than 0 and 1 the name must match as well.
    CCardDataRelItem* GetRelItem(int nKind, const CString& strName) const;
    // Frees every item.
    void DetachList();

    int m_nVersion;
    int m_nReserved;
    CObList m_listRelItem; // CCardDataRelItem, owned
};
