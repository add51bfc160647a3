// Second page of the row-set wizard: the SQL statement of the row set.
#pragma once

#include "platform/win/PropertyPage.h"

class CCardDataRelItem;

class CRowSetSQLPg : public CPropertyPage
{
public:
    CRowSetSQLPg();

    CString m_strSQL;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CCardDataRelItem* RelItem() const;
};
