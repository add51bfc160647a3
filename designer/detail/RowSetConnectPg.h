// First page of the row-set wizard: the connection string, typed or made with the connection
// dialog of the database helpers.
#pragma once

#include "platform/win/PropertyPage.h"

class CCardDataRelItem;

class CRowSetConnectPg : public CPropertyPage
{
public:
    CRowSetConnectPg();

    CString m_strConnect;

    BOOL OnInitDialog() override;
    LRESULT OnWizardNext() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnChooseSource();

    FX_DECLARE_MESSAGE_MAP()

private:
    CCardDataRelItem* RelItem() const;
};
