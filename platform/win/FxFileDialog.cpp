#include "platform/win/FxFileDialog.h"

#include <commdlg.h>

BOOL FxAskFileName(HWND hOwner, BOOL bOpen, const FxFileDialogSpec& spec, CString& strPath)
{
    char szFile[MAX_PATH] = {};
    lstrcpynA(szFile, strPath, MAX_PATH);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = hOwner;
    ofn.lpstrFilter = spec.pszFilter;
    ofn.lpstrFile = szFile;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrInitialDir = spec.pszInitialDir;
    ofn.lpstrTitle = spec.pszTitle;
    ofn.lpstrDefExt = spec.pszDefExt;
    ofn.Flags = spec.dwFlags;
    if (!(bOpen ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn))) {
        return FALSE;
    }
    strPath = szFile;
    return TRUE;
}
