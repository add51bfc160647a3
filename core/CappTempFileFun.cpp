#include "core/CappTempFileFun.h"

#include "core/CardCommFun.h"
#include "platform/base/FxFindHandle.h"
#include "platform/base/FxHandle.h"

namespace
{
const char kTempMark[] = ".~";
const char kTempExt[] = ".tmp";
const int kHexDigits = 8;

BOOL IsHexDigit(char ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

// The folder part with its trailing backslash; empty for a bare name.
CString FolderPrefix(const CString& strTarget)
{
    const CString strName = CCardCommFun::GetFileName(strTarget);
    return strTarget.Left(strTarget.GetLength() - strName.GetLength());
}
} // namespace

BOOL CCappTempFileFun::IsTempOf(const CString& strTargetName, const CString& strFileName)
{
    const int nPrefix = strTargetName.GetLength() + static_cast<int>(sizeof(kTempMark)) - 1;
    const int nExt = static_cast<int>(sizeof(kTempExt)) - 1;
    if (strTargetName.IsEmpty() || strFileName.GetLength() != nPrefix + kHexDigits + nExt) {
        return FALSE;
    }
    if (strFileName.Left(nPrefix).CompareNoCase(strTargetName + kTempMark) != 0 ||
        strFileName.Right(nExt).CompareNoCase(kTempExt) != 0) {
        return FALSE;
    }
    for (int i = nPrefix; i < nPrefix + kHexDigits; ++i) {
        if (!IsHexDigit(strFileName[i])) {
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CCappTempFileFun::CreateTempBeside(const CString& strTarget, CString& strTemp)
{
    strTemp.Empty();
    if (CCardCommFun::GetFileName(strTarget).IsEmpty()) {
        return FALSE;
    }
    static LONG s_nCounter = 0;
    for (int nTry = 0; nTry < 100; ++nTry) {
        const DWORD nMix = GetCurrentProcessId() * 2654435761u + GetTickCount() +
                           static_cast<DWORD>(InterlockedIncrement(&s_nCounter)) * 40503u;
        CString strPath;
        strPath.Format("%s%s%08lX%s", strTarget.GetString(), kTempMark, static_cast<unsigned long>(nMix), kTempExt);
        CFxHandle file(CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.IsValid()) {
            strTemp = strPath;
            return TRUE;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) {
            return FALSE;
        }
    }
    return FALSE;
}

int CCappTempFileFun::RemoveStaleTemps(const CString& strTarget)
{
    const CString strName = CCardCommFun::GetFileName(strTarget);
    if (strName.IsEmpty() || strName.FindOneOf("*?") >= 0) {
        return 0;
    }
    const CString strFolder = FolderPrefix(strTarget);
    int nRemoved = 0;
    WIN32_FIND_DATAA fd = {};
    CFxFindHandle find;
    // The pattern may also match short 8.3 names: every long name is checked again.
    BOOL bMore = find.FindFirst(strFolder + strName + kTempMark + "*" + kTempExt, fd);
    while (bMore) {
        if (!(fd.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) &&
            IsTempOf(strName, fd.cFileName) && DeleteFileA(strFolder + fd.cFileName)) {
            ++nRemoved;
        }
        bMore = find.FindNext(fd);
    }
    return nRemoved;
}
