#include "platform/print/FxResource.h"

#include "platform/base/ResMgr.h"

namespace
{
// VornFx also joins the chain, so that callers find its strings and dialogs by id as well.
FX_MODULE_LINK(g_vornFxModule);
} // namespace

HINSTANCE FxGetFxInstance()
{
    return FX_MODULE_INSTANCE();
}

CString FxLoadFxString(UINT nID)
{
    CString str;
    str.LoadString(FxGetFxInstance(), nID);
    return str;
}
