// Import/export macro of VornWork.dll.
#pragma once

#include "platform/base/FxExport.h"

#ifdef VornWork_EXPORTS
#define VORNWORK_API __declspec(dllexport)
#else
#define VORNWORK_API __declspec(dllimport)
#endif
