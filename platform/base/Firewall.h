// What every function that Windows or COM calls into does with an exception it caught.
#pragma once

#include <type_traits>

#include "platform/base/String.h"

// Reports the exception being handled once, to the debugger output, and keeps the report so that
// a test can see that one was swallowed. Call it from the catch block; it frees a framework
// exception (CException*) it finds there. The caller returns its neutral result.
FX_API void FxReportException(LPCSTR pszWhere);

// Reports kept since the last take; a test harness checks this after every test.
FX_API int FxGetReportedExceptionCount();
// The kept reports, one line each ("where: what"), and forgets them.
FX_API CString FxTakeReportedExceptions();

// The entry of every function Windows or COM calls into (hooks, dialog procedures, sort and
// enumeration callbacks, thread procedures): runs fn, and when it throws, reports the exception
// once and gives the system the neutral result instead, so nothing crosses into the caller.
template <class F>
std::invoke_result_t<F&> FxCallbackEntry(LPCSTR pszWhere, std::invoke_result_t<F&> neutralResult, F&& fn)
{
    try {
        return fn();
    } catch (...) {
        FxReportException(pszWhere);
        return neutralResult;
    }
}
