#include "platform/win/FxFileDialog.h"

#include <commdlg.h>

BOOL FxAskFileName(HWND hOwner, BOOL bOpen, const FxFileDialogParams& params, CString& strPath)
{
    char szFile[MAX_PATH] = {};
    lstrcpynA(szFile, strPath, MAX_PATH);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = hOwner;
    ofn.lpstrFilter = params.pszFilter;
    ofn.lpstrFile = szFile;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrInitialDir = params.pszInitialDir;
    ofn.lpstrTitle = params.pszTitle;
    ofn.lpstrDefExt = params.pszDefExt;
    ofn.Flags = params.dwFlags;
    if (!(bOpen ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn))) {
        return FALSE;
    }
    strPath = szFile;
    return TRUE;
}
