// Import/export macro of KvCommLib.dll.
#pragma once

#include "platform/base/FxExport.h"

#ifdef KvCommLib_EXPORTS
#define KVCOMM_API __declspec(dllexport)
#else
#define KVCOMM_API __declspec(dllimport)
#endif
