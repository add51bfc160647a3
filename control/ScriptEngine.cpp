#include "control/ScriptEngine.h"

BOOL RunCardScript(CVornCtlCtrl*, const CString&)
{
    return TRUE;
}
