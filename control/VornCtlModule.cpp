// The entry points of the control's library: its two classes and their registration.
#include "control/VornCtlCtrl.h"
#include "control/VornCtlIds.h"
#include "control/VornCtlPropPage.h"
#include "platform/base/FxResMgr.h"
#include "platform/ole/OleObjectFactory.h"
#include "control/res/resource.h"

// After the windows headers, which it needs.
#include <olectl.h>

namespace
{
// Set client site first, simple frame, activate when visible, inside-out, cannot link inside,
// recompose on resize (0x30191).
const DWORD dwVornCtlMiscStatus = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_SIMPLEFRAME | OLEMISC_ACTIVATEWHENVISIBLE |
                                  OLEMISC_INSIDEOUT | OLEMISC_CANTLINKINSIDE | OLEMISC_RECOMPOSEONRESIZE;

COleObjectFactory g_ctlFactory(FX_MODULE_INSTANCE(), CLSID_VornCtl, VORNCTL_PROGID,
                               &COleControl::CreateObject<CVornCtlCtrl>,
                               {"VornCtl Control", TRUE, dwVornCtlMiscStatus, &LIBID_VornCtl, 1, 0, IDB_VORNCTL});
COleObjectFactory g_pageFactory(FX_MODULE_INSTANCE(), CLSID_VornCtlPropPage, VORNCTL_PAGE_PROGID,
                                &COlePropertyPage::CreateObject<CVornCtlPropPage>,
                                {"VornCtl Property Page", FALSE, 0, nullptr, 0, 0, 0});
} // namespace

FX_IMPLEMENT_OLE_SERVER_ENTRIES()
