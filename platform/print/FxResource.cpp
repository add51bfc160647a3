#include "platform/print/FxResource.h"

#include "platform/base/FxModuleLink.h"
#include "platform/base/FxResMgr.h"
#include "platform/res/resource.h"
#include "platform/win/MsgBox.h"

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

void FxReportCommandFailed(HWND hWndOwner)
{
    FxMessageBox(hWndOwner, FxLoadFxString(FX_IDS_COMMAND_FAILED), nullptr, MB_OK | MB_ICONEXCLAMATION);
}
