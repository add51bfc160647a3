// Import/export macro of Glyphwork.dll.
#pragma once

#include "platform/base/FxExport.h"

#ifdef Glyphwork_EXPORTS
#define GLYPHWORK_API __declspec(dllexport)
#else
#define GLYPHWORK_API __declspec(dllimport)
#endif
