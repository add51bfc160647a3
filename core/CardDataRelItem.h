// One row set of a template: the part of the card it feeds, its connection, SQL and field links.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/ObList.h"

class CFieldRelItem;

class VORNCARD_API CCardDataRelItem : public CObject
{
    FX_DECLARE_SERIAL(CCardDataRelItem)
public:
    CCardDataRelItem();
    ~CCardDataRelItem() override;
    CCardDataRelItem(const CCardDataRelItem& src);
    // Copies every value and replaces the links by copies of the other item's links.
    CCardDataRelItem& operator=(const CCardDataRelItem& src);

    void Serialize(CArchive& ar) override;

    // Free the links.
    void DetachList();
    void DetachDataRel();
    // 1 when there are no links.
    int NoRel() const;

    // Position of the first link with that field / variable name (exact bytes); null when none.
    POSITION FindTempTabField(const CString& strField) const;
    POSITION FindCardVar(const CString& strVar) const;
    // The linked name, empty when there is no link.
    CString GetCardVarName(const CString& strField) const;
    CString GetTempTabFieldName(const CString& strVar) const;

    int m_nVersion;
    CString m_strReserved;
    // 0 head data, 1 page data, 2 the detail area named by m_strName; -1 for a new item.
    int m_nKind;
    CString m_strName;
    int m_nReserved;
    int m_nFlag;
    CString m_strConnect;
    CString m_strSQL;
    CObList m_listFieldRel; // CFieldRelItem, owned
};
