// GridKit joins the framework's chain of resource modules while it is loaded.
#include "platform/base/FxModuleLink.h"

namespace
{
FX_MODULE_LINK(g_gridKitModule);
}
