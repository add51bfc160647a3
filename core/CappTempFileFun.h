// Temporaries of the safe saves: a unique file beside the target and named after it, so that the
// ones a killed save left behind can be told from every other file and removed.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/String.h"

class VORNCARD_API CCappTempFileFun
{
public:
    CCappTempFileFun() = delete;

    // Creates an empty "<target>.~<8 hex digits>.tmp" beside strTarget; FALSE when the folder
    // cannot take it (nothing was made then).
    static BOOL CreateTempBeside(const CString& strTarget, CString& strTemp);
    // Deletes every temporary of strTarget in its folder: only names CreateTempBeside makes for
    // that target. A temporary another save still holds open cannot be deleted and stays. The
    // number deleted.
    static int RemoveStaleTemps(const CString& strTarget);
    // Whether strFileName (no folder) is a temporary of the target named strTargetName.
    static BOOL IsTempOf(const CString& strTargetName, const CString& strFileName);
};
