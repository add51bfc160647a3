// Import/export macro of VornCard.dll.
#pragma once

#include "platform/base/FxExport.h"

#ifdef VornCard_EXPORTS
#define VORNCARD_API __declspec(dllexport)
#else
#define VORNCARD_API __declspec(dllimport)
#endif
