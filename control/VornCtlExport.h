// Import/export macro of VornCtl.dll: containers reach the control through COM; the classes are
// exported for the programs that test it.
#pragma once

#include "platform/base/FxExport.h"

#ifdef VornCtl_EXPORTS
#define VORNCTL_API __declspec(dllexport)
#else
#define VORNCTL_API __declspec(dllimport)
#endif
