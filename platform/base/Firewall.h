// What every function that Windows or COM calls into does with an exception it caught.
#pragma once

#include "platform/base/FxExport.h"

// Reports a caught exception once, to the debugger output; the caller returns its neutral result.
FX_API void FxReportException(LPCSTR pszWhere);
