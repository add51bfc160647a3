#include "platform/base/FileException.h"

FX_IMPLEMENT_DYNAMIC(CFileException, CException)

CFileException::CFileException(int cause, LONG lOsError, LPCSTR pszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(pszFileName)
{
}

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    static const char* const formats[] = {
        "访问“%s”时没有错误。", "访问“%s”时发生错误。",           "找不到文件“%s”。",
        "路径“%s”无效。",       "打开的文件过多，无法打开“%s”。", "拒绝访问“%s”。",
        "文件“%s”的句柄无效。", "不能删除当前目录“%s”。",         "目录已满，无法创建“%s”。",
        "在“%s”中定位失败。",   "读写“%s”时发生硬件错误。",       "“%s”正被其他程序使用。",
        "“%s”的区域已被锁定。", "磁盘已满，无法写入“%s”。",       "读取“%s”时已到文件末尾。",
    };
    if (pnHelpContext != nullptr) {
        *pnHelpContext = 0;
    }
    int nCause = m_cause >= 0 && m_cause < static_cast<int>(ARRAYSIZE(formats)) ? m_cause : genericException;
    CString strMessage;
    strMessage.Format(formats[nCause], m_strFileName.IsEmpty() ? "未命名文件" : static_cast<LPCSTR>(m_strFileName));
    return CopyMessage(strMessage, lpszError, nMaxError);
}

void CFileException::Throw(int cause, LONG lOsError, LPCSTR pszFileName)
{
    throw new CFileException(cause, lOsError, pszFileName);
}

void CFileException::ThrowOsError(LONG lOsError, LPCSTR pszFileName)
{
    throw new CFileException(OsErrorToException(lOsError), lOsError, pszFileName);
}

int CFileException::OsErrorToException(LONG lOsError)
{
    switch (lOsError) {
    case NO_ERROR:
        return none;
    case ERROR_FILE_NOT_FOUND:
        return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_BAD_NETPATH:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
        return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return accessDenied;
    case ERROR_INVALID_HANDLE:
        return invalidFile;
    case ERROR_CURRENT_DIRECTORY:
        return removeCurrentDir;
    case ERROR_CANNOT_MAKE:
        return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
        return badSeek;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_NOT_READY:
        return hardIO;
    case ERROR_SHARING_VIOLATION:
        return sharingViolation;
    case ERROR_LOCK_VIOLATION:
        return lockViolation;
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL:
        return diskFull;
    case ERROR_HANDLE_EOF:
        return endOfFile;
    default:
        return genericException;
    }
}
