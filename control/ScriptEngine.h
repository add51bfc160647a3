// Runs card scripts for the report control.
#pragma once

#include "platform/base/String.h"

class CVornCtlCtrl;
// Runs one script text in a fresh VBScript engine with the control as the named item "Vorn";
// TRUE when it ran without error (an empty text is TRUE at once).
BOOL RunCardScript(CVornCtlCtrl* pCtl, const CString& strScript);
