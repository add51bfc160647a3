// The row-set wizard: connects to a data source, takes the SQL statement and shows the field
// links of one row set, which each page changes in place when the user moves on.
#pragma once

#include "designer/detail/RowSetConnectPg.h"
#include "designer/detail/RowSetLinkPg.h"
#include "designer/detail/RowSetSQLPg.h"
#include "platform/win/PropertySheet.h"

class CCardDataRelItem;

class CRowSetSheet : public CPropertySheet
{
public:
    explicit CRowSetSheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    CRowSetConnectPg m_pageConnect;
    CRowSetSQLPg m_pageSQL;
    CRowSetLinkPg m_pageLink;
    // Set before the wizard runs; not owned.
    CCardDataRelItem* m_pRelItem;
};
