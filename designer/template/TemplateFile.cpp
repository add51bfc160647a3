#include "designer/template/TemplateFile.h"

#include <memory>

#include <commdlg.h>

#include "core/CappSheet.h"
#include "core/CappSheetMoveFun.h"
#include "core/CardCommFun.h"
#include "platform/base/Archive.h"
#include "platform/base/Exception.h"
#include "platform/base/File.h"
#include "platform/base/FileException.h"
#include "platform/base/FxSafeSave.h"
#include "platform/base/FxRegKey.h"
#include "platform/win/FxFileDialog.h"

namespace
{

constexpr int kArchiveBuffer = 4096;
// Loading reads ahead in larger steps: fewer calls into the file for the same bytes.
constexpr int kLoadBuffer = 0x10000;
// Far above any card.
constexpr ULONGLONG kMaxTemplateBytes = 0x40000000;
constexpr UINT kSaveTitleID = 61498;
constexpr UINT kOpenTitleID = 61528;

CTemplateFile::PathPrompt s_pfnPrompt = nullptr;

// The work directory's template folder read afresh from the registry; empty when unreadable.
CString TemplateFolder()
{
    CFxRegKey key;
    if (key.OpenForRead(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vorn") != ERROR_SUCCESS) {
        return CString();
    }
    char szDir[MAX_PATH] = {};
    DWORD cb = sizeof(szDir) - 1;
    DWORD dwType = 0;
    const LONG nResult = ::RegQueryValueExA(key, "WorkDir", nullptr, &dwType, reinterpret_cast<BYTE*>(szDir), &cb);
    if (nResult != ERROR_SUCCESS || dwType != REG_SZ || szDir[0] == '\0') {
        return CString();
    }
    return CString(szDir) + "\\Template";
}

CString ExceptionText(const CException* e)
{
    char szText[512] = {};
    if (!e->GetErrorMessage(szText, sizeof(szText))) {
        return "未知错误";
    }
    return szText;
}

} // namespace

CString CTemplateFile::SystemMessage(DWORD dwError)
{
    char szText[512] = {};
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, dwError, 0,
                                   szText, sizeof(szText), nullptr);
    CString str;
    if (n == 0) {
        str.Format("错误 %lu", dwError);
        return str;
    }
    str = szText;
    str.TrimRight();
    return str;
}

BOOL CTemplateFile::Load(const CString& strPath, CCappSheet& sheet, CString& strError)
{
    strError.Empty();
    CFxSafeSave::RemoveStaleTemps(strPath);
    std::unique_ptr<CFile> pFile;
    try {
        pFile = std::make_unique<CFile>(strPath, CFile::modeRead | CFile::shareDenyWrite);
        if (pFile->GetLength() > kMaxTemplateBytes) {
            CFileException::ThrowOsError(ERROR_FILE_TOO_LARGE, strPath);
        }
    } catch (CException* e) {
        strError.Format("无法打开模板 '%s'：%s", strPath.GetString(), ExceptionText(e).GetString());
        e->Delete();
        return FALSE;
    }

    // Parsed once, straight from the file through one read-ahead buffer, into a scratch sheet:
    // a damaged archive throws part way through, and the caller's sheet must not be left half
    // read. A copy of the whole file would be fresh memory as large as the file on every load.
    try {
        auto pScratch = std::make_unique<CCappSheet>();
        pScratch->m_strName = CCardCommFun::GetFileName_NoExt(strPath);
        CArchive ar(pFile.get(), CArchive::load, kLoadBuffer);
        pScratch->Serialize(ar);
        ar.Close();
        pFile->Close();
        CCappSheetMoveFun::TakeLoaded(sheet, *pScratch);
    } catch (CException* e) {
        strError.Format("模板 '%s' 已损坏：%s", strPath.GetString(), ExceptionText(e).GetString());
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL CTemplateFile::Save(const CString& strPath, CCappSheet& sheet, CString& strError)
{
    strError.Empty();
    const CString strOldName = sheet.m_strName;
    sheet.m_strName = CCardCommFun::GetFileName_NoExt(strPath);
    BOOL bSaved = FALSE;
    try {
        bSaved = CFxSafeSave::SaveObject(strPath, sheet, kArchiveBuffer);
        if (!bSaved) {
            strError.Format("无法保存模板 '%s'：%s", strPath.GetString(), SystemMessage(GetLastError()).GetString());
        }
    } catch (CException* e) {
        strError.Format("无法保存模板 '%s'：%s", strPath.GetString(), ExceptionText(e).GetString());
        e->Delete();
    }
    if (!bSaved) {
        sheet.m_strName = strOldName;
    }
    return bSaved;
}

CTemplateFile::PathPrompt CTemplateFile::SetPathPrompt(PathPrompt pfnPrompt)
{
    PathPrompt pfnOld = s_pfnPrompt;
    s_pfnPrompt = pfnPrompt;
    return pfnOld;
}

BOOL CTemplateFile::AskPath(HWND hOwner, BOOL bSave, CString& strPath)
{
    if (s_pfnPrompt != nullptr) {
        return s_pfnPrompt(hOwner, bSave, strPath);
    }
    CString strTitle;
    strTitle.LoadString(bSave ? kSaveTitleID : kOpenTitleID);
    const CString strFolder = bSave ? TemplateFolder() : CString();
    FxFileDialogParams params;
    params.pszFilter = bSave ? "znt(*.znt)\0*.znt\0\0" : "znt File(*.znt)\0*.znt\0\0";
    params.pszDefExt = "*.znt";
    params.pszTitle = strTitle;
    params.pszInitialDir = strFolder.IsEmpty() ? nullptr : static_cast<LPCSTR>(strFolder);
    params.dwFlags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    if (bSave) {
        params.dwFlags |= OFN_OVERWRITEPROMPT | OFN_SHOWHELP;
    }
    return FxAskFileName(hOwner, !bSave, params, strPath);
}

CString CTemplateFile::TemplateTitle(LPCSTR lpszFileName)
{
    const CString strName(lpszFileName != nullptr ? lpszFileName : "");
    if (strName.GetLength() <= 4) {
        return CString();
    }
    CString strExt = strName.Right(4);
    strExt.MakeUpper();
    return strExt == ".ZNT" ? strName.Left(strName.GetLength() - 4) : CString();
}
