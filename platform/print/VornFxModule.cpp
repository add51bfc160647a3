// VornFx joins the chain of resource modules, so its own dialogs and strings are found whichever
// module is current.
#include "platform/base/ResMgr.h"

namespace
{
FX_MODULE_LINK(g_vornFxModule);
}
