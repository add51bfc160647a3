#include "platform/base/ArchiveException.h"

FX_IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCSTR pszFileName) : m_cause(cause), m_strFileName(pszFileName)
{
}

BOOL CArchiveException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    static const char* const formats[] = {
        "读写存档“%s”时没有错误。",           "读写存档“%s”时发生错误。",
        "存档“%s”只能读取，不能写入。",       "存档“%s”意外结束。",
        "存档“%s”只能写入，不能读取。",       "存档“%s”的格式无效。",
        "存档“%s”中含有未知或不符的对象类。", "存档“%s”中对象的版本不符。",
    };
    if (pnHelpContext != nullptr) {
        *pnHelpContext = 0;
    }
    int nCause = m_cause >= 0 && m_cause < static_cast<int>(ARRAYSIZE(formats)) ? m_cause : genericException;
    CString strMessage;
    strMessage.Format(formats[nCause], m_strFileName.IsEmpty() ? "未命名文件" : static_cast<LPCSTR>(m_strFileName));
    return CopyMessage(strMessage, lpszError, nMaxError);
}

void CArchiveException::Throw(int cause, LPCSTR pszFileName)
{
    throw new CArchiveException(cause, pszFileName);
}
