#include "designer/shell/DesignOptionSh.h"

#include "designer/res/resource.h"

FX_IMPLEMENT_DYNAMIC(CDesignOptionSh, CPropertySheet)

CDesignOptionSh::CDesignOptionSh(CWnd* pParentWnd) : CPropertySheet(IDS_DESIGN_OPTION, pParentWnd)
{
    AddPage(&m_pageOther);
}
