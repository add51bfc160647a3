// Saving that never destroys the old file before the new one is complete: the writer fills a
// temporary beside the target, which replaces the target only once it is whole and on the disk.
// Temporaries are named after their target ("<target>.~<8 hex digits>.tmp"), so that the ones a
// killed save left behind can be told from every other file and removed by the next save.
#pragma once

#include "platform/base/String.h"

class CObject;

class FX_API CFxSafeSave
{
public:
    CFxSafeSave() = delete;

    // fnWrite(strTemp) writes the whole new file at strTemp (an empty file is there already) and
    // returns TRUE when all of it is written. Then the temporary is flushed and replaces the target.
    // On any failure the temporary goes and the target is as it was; an exception from fnWrite goes
    // on to the caller after that. FALSE on failure, GetLastError then says why when the system
    // refused. A read-only target is refused (ERROR_ACCESS_DENIED): Wine would replace it.
    template <class Fn> static BOOL Save(const CString& strTarget, Fn fnWrite)
    {
        CString strTemp;
        if (!Begin(strTarget, strTemp)) {
            return FALSE;
        }
        BOOL bWritten = FALSE;
        try {
            bWritten = fnWrite(static_cast<const CString&>(strTemp));
        } catch (...) {
            Finish(strTarget, strTemp, FALSE);
            throw;
        }
        return Finish(strTarget, strTemp, bWritten);
    }
    // Save with the object's Serialize storing into an archive on the temporary.
    static BOOL SaveObject(const CString& strTarget, CObject& object, int nBufSize = 4096);

    // Creates an empty temporary beside strTarget; FALSE when the folder cannot take it (nothing
    // was made then).
    static BOOL CreateTempBeside(const CString& strTarget, CString& strTemp);
    // Deletes every temporary of strTarget in its folder: only names CreateTempBeside makes for
    // that target. A temporary another save still holds open cannot be deleted and stays. The
    // number deleted.
    static int RemoveStaleTemps(const CString& strTarget);
    // Whether strFileName (no folder) is a temporary of the target named strTargetName.
    static BOOL IsTempOf(const CString& strTargetName, const CString& strFileName);

private:
    static BOOL Begin(const CString& strTarget, CString& strTemp);
    // Replaces the target with the temporary when bWritten, else (and when that fails) removes
    // the temporary, keeping the reason in GetLastError.
    static BOOL Finish(const CString& strTarget, const CString& strTemp, BOOL bWritten);
};
