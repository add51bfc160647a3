#include "platform/base/FxSafeSave.h"

#include "platform/base/Archive.h"
#include "platform/base/File.h"
#include "platform/base/FxFindHandle.h"
#include "platform/base/FxHandle.h"
#include "platform/base/Object.h"

namespace
{
const char kTempMark[] = ".~";
const char kTempExt[] = ".tmp";
const int kHexDigits = 8;

BOOL IsHexDigit(char ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

// Where the name starts after the last backslash; a GBK trail byte can be 0x5C and is no backslash.
int NameStart(const CString& strPath)
{
    int nStart = 0;
    for (int i = 0; i < strPath.GetLength(); i += CString::CharLength(strPath.GetString() + i)) {
        if (strPath[i] == '\\') {
            nStart = i + 1;
        }
    }
    return nStart;
}

// The data must be on the disk before the rename makes it the file.
BOOL FlushToDisk(const CString& strPath)
{
    CFxHandle file(CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.IsValid() && FlushFileBuffers(file);
}
} // namespace

BOOL CFxSafeSave::SaveObject(const CString& strTarget, CObject& object, int nBufSize)
{
    return Save(strTarget, [&](const CString& strTemp) {
        CFile file(strTemp, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        CArchive ar(&file, CArchive::store, nBufSize);
        object.Serialize(ar);
        ar.Close();
        file.Close();
        return TRUE;
    });
}

BOOL CFxSafeSave::Begin(const CString& strTarget, CString& strTemp)
{
    const DWORD dwAttributes = GetFileAttributesA(strTarget);
    if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    RemoveStaleTemps(strTarget);
    return CreateTempBeside(strTarget, strTemp);
}

BOOL CFxSafeSave::Finish(const CString& strTarget, const CString& strTemp, BOOL bWritten)
{
    if (bWritten && FlushToDisk(strTemp) &&
        MoveFileExA(strTemp, strTarget, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return TRUE;
    }
    const DWORD dwError = GetLastError();
    DeleteFileA(strTemp);
    SetLastError(dwError);
    return FALSE;
}

BOOL CFxSafeSave::IsTempOf(const CString& strTargetName, const CString& strFileName)
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

BOOL CFxSafeSave::CreateTempBeside(const CString& strTarget, CString& strTemp)
{
    strTemp.Empty();
    if (NameStart(strTarget) >= strTarget.GetLength()) {
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

int CFxSafeSave::RemoveStaleTemps(const CString& strTarget)
{
    const int nStart = NameStart(strTarget);
    const CString strName = strTarget.Mid(nStart);
    if (strName.IsEmpty() || strName.FindOneOf("*?") >= 0) {
        return 0;
    }
    const CString strFolder = strTarget.Left(nStart);
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
