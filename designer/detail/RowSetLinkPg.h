// Last page of the row-set wizard: the grid of the statement's field links.
#pragma once

#include "designer/detail/DesignGrid.h"
#include "platform/win/PropertyPage.h"

class CRowSetLinkPg : public CPropertyPage
{
public:
    CRowSetLinkPg();

    CDesignGrid m_grid;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
};
