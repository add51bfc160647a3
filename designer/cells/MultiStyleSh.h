// Sets one text style (alignment, font with its rotation, height, colour) for every cell of a
// selected area: loaded from one cell, applied by the caller to each cell after OK.
#pragma once

#include "core/CappCell.h"
#include "designer/cells/MultiTestPg.h"
#include "platform/win/PropertySheet.h"

class CMultiStyleSh : public CPropertySheet
{
    FX_DECLARE_DYNAMIC(CMultiStyleSh)

public:
    CMultiStyleSh(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    void LoadStyleFromCell(const CCappCell& cell);
    void ApplyStyleToCell(CCappCell& cell) const;

    static CMultiStyleSh* FromPage(const CWnd* pPage);

    CMultiTestPg m_page;
    // Only its text style is used.
    CCappCell m_cell;
};
