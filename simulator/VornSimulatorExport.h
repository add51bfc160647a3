// Import/export macro of VornSimulator.dll: callers reach it through Simulator; the classes are
// exported for the program that tests them.
#pragma once

#include "platform/base/FxExport.h"

#ifdef VornSimulator_EXPORTS
#define VORNSIM_API __declspec(dllexport)
#else
#define VORNSIM_API __declspec(dllimport)
#endif
