// Import/export macro of VornBaseCls.dll.
#pragma once

#include "platform/base/FxExport.h"

#ifdef VornBaseCls_EXPORTS
#define VORNBASECLS_API __declspec(dllexport)
#else
#define VORNBASECLS_API __declspec(dllimport)
#endif
