// Import/export macro of Markwell.dll.
#pragma once

#include "platform/base/FxExport.h"

#ifdef Markwell_EXPORTS
#define MARKWELL_API __declspec(dllexport)
#else
#define MARKWELL_API __declspec(dllimport)
#endif
