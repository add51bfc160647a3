// The designer's options sheet: one page of designer-wide options.
#pragma once

#include "designer/shell/SetOtherPg.h"
#include "platform/win/PropertySheet.h"

class CDesignOptionSh : public CPropertySheet
{
    FX_DECLARE_DYNAMIC(CDesignOptionSh)

public:
    explicit CDesignOptionSh(CWnd* pParentWnd = nullptr);

    CSetOtherPg m_pageOther;
};
