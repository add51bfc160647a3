// Import/export macro of VornFx.dll and the Windows headers every framework class needs.
#pragma once

#include <windows.h>

#ifdef VornFx_EXPORTS
#define FX_API __declspec(dllexport)
#else
#define FX_API __declspec(dllimport)
#endif

// All narrow text of the suite is GBK, whatever the process's ANSI code page is.
#define FX_CODEPAGE 936
