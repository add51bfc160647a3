// The merge page of the detail-area settings sheet: whether rows are merged, and which columns
// are summed and which decide the merge.
#pragma once

#include "designer/detail/DesignGrid.h"
#include "platform/win/PropertyPage.h"

class CCardSetingSh;

class CUnitePg : public CPropertyPage
{
    FX_DECLARE_DYNAMIC(CUnitePg)

public:
    enum { colName = 1, colSum = 2, colCondition = 3 };

    explicit CUnitePg(CCardSetingSh* pSheet);

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

    CDesignGrid m_grid;

protected:
    void OnUniteData();

    FX_DECLARE_MESSAGE_MAP()

private:
    CCardSetingSh* m_pSheet;
};
