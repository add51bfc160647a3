#include "TestCtlPage.h"

#include "res/resource.h"

CTestCtlPage::CTestCtlPage() : COlePropertyPage(IDD_PROPPAGE_TESTCTL, IDS_TESTCTL_PPG_CAPTION)
{
    BindProperty(IDC_CAPTION, "Caption", bindText);
    BindProperty(IDC_COUNT, "Count", bindLong);
    BindProperty(IDC_FLAG, "Flag", bindCheck);
}
