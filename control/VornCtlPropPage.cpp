#include "control/VornCtlPropPage.h"

#include "control/res/resource.h"

CVornCtlPropPage::CVornCtlPropPage() : COlePropertyPage(IDD_PROPPAGE_VORNCTL, IDS_VORNCTL_PPG_CAPTION)
{
    BindProperty(IDC_ZNTFILENAME, "ZntFileName", bindText);
    BindProperty(IDC_DRAWFRAMEONPRINT, "DrawFrameOnPrint", bindCheck);
    BindProperty(IDC_STYLEEX, "dStyleEx", bindLong);
}
