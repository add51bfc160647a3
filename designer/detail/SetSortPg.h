// The sort page of the detail-area settings sheet: the keys the area's rows are sorted by.
#pragma once

#include "common/KvHotButton.h"
#include "designer/detail/DesignGrid.h"
#include "platform/base/StringArray.h"
#include "platform/win/PropertyPage.h"

class CCardSetingSh;

class CSetSortPg : public CPropertyPage
{
    FX_DECLARE_DYNAMIC(CSetSortPg)

public:
    enum { colName = 1, colKind = 2, colDescending = 3 };

    explicit CSetSortPg(CCardSetingSh* pSheet);

    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    // FALSE, after telling the user, when a row has no column name.
    BOOL CheckSortRows();
    // A row as "新增" adds it; its number.
    UINT AddSortRow();

    CDesignGrid m_grid;
    CStringArray m_arrSortKind;
    CString m_strVarNames; // the area's column names, one per line

protected:
    void OnAddRow();
    void OnDeleteRow();
    void OnMoveUp();
    void OnMoveDown();

    FX_DECLARE_MESSAGE_MAP()

private:
    CCardSetingSh* m_pSheet;
    CKvHotButton m_btnAdd;
    CKvHotButton m_btnDelete;
    CKvHotButton m_btnUp;
    CKvHotButton m_btnDown;
};
