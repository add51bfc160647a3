// The detail-area settings sheet: sort keys, merging with sums and conditions, and the values
// hidden when they repeat the previous row.
#pragma once

#include "designer/detail/DataHidePg.h"
#include "designer/detail/SetSortPg.h"
#include "designer/detail/UnitePg.h"
#include "platform/win/PropertySheet.h"

class CCappMidData;
class CCappSheet;

class CCardSetingSh : public CPropertySheet
{
    FX_DECLARE_DYNAMIC(CCardSetingSh)

public:
    explicit CCardSetingSh(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    CSetSortPg m_pageSort;
    CUnitePg m_pageUnite;
    CDataHidePg m_pageHide;
    // Set by the caller before the sheet opens; each page writes into the area on OK.
    CCappMidData* m_pMidData;
    CCappSheet* m_pSheet;

protected:
    // OK is checked here, before any page writes: a page refusing on its own would leave the
    // pages before it written and the sheet closed.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
