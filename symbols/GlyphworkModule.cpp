// Glyphwork joins the framework's chain of resource modules while it is loaded, so its dialogs
// and bitmaps are found whichever module is current.
#include "platform/base/FxModuleLink.h"

namespace
{
FX_MODULE_LINK(g_glyphworkModule);
}
