// The data-hiding page of the detail-area settings sheet: the condition columns and the columns
// whose values are hidden when they repeat the previous row.
#pragma once

#include "platform/win/ListBox.h"
#include "platform/win/PropertyPage.h"

class CCardSetingSh;

class CDataHidePg : public CPropertyPage
{
    FX_DECLARE_DYNAMIC(CDataHidePg)

public:
    explicit CDataHidePg(CCardSetingSh* pSheet);

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

    CListBox m_listSource;
    CListBox m_listKeys;
    CListBox m_listNames;

protected:
    void OnAddKey();
    void OnRemoveKey();
    void OnAddName();
    void OnRemoveName();

    FX_DECLARE_MESSAGE_MAP()

private:
    CCardSetingSh* m_pSheet;
};
