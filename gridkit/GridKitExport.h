// Import/export macro of GridKit.dll.
#pragma once

#include "platform/base/FxExport.h"

#ifdef GridKit_EXPORTS
#define GK_API __declspec(dllexport)
#else
#define GK_API __declspec(dllimport)
#endif
