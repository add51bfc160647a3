// The entry points of the test control's library: its two classes and their registration.
#include "TestCtl.h"
#include "TestCtlIds.h"
#include "TestCtlPage.h"
#include "platform/base/FxResMgr.h"
#include "platform/ole/OleObjectFactory.h"

// After the windows headers, which it needs.
#include <olectl.h>

namespace
{
// Activate when visible, inside-out, set client site first, recompose on resize.
const DWORD dwTestCtlMiscStatus = OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_SETCLIENTSITEFIRST | OLEMISC_INSIDEOUT |
                                  OLEMISC_CANTLINKINSIDE | OLEMISC_RECOMPOSEONRESIZE;

COleObjectFactory g_ctlFactory(FX_MODULE_INSTANCE(), CLSID_TestCtl, "VornTest.TestCtl.1",
                               &COleControl::CreateObject<CTestCtl>,
                               {"VornTest Control", TRUE, dwTestCtlMiscStatus, &LIBID_VornTestCtl, 1, 0, 1});
COleObjectFactory g_pageFactory(FX_MODULE_INSTANCE(), CLSID_TestCtlPage, "VornTest.TestCtlPage.1",
                                &COlePropertyPage::CreateObject<CTestCtlPage>,
                                {"VornTest Property Page", FALSE, 0, nullptr, 0, 0, 0});
} // namespace

FX_IMPLEMENT_OLE_SERVER_ENTRIES()
