#include "designer/CappSheetDefView.h"

#include <algorithm>

#include "core/CardCommFun.h"
#include "designer/CappSheetDefDoc.h"
#include "designer/VornDesignApp.h"
#include "platform/base/Archive.h"
#include "platform/base/Exception.h"
#include "platform/base/File.h"

BOOL CCappSheetDefView::LoadTemplate(LPCSTR lpszPath, BOOL bAsNew)
{
    auto* pSheet = new CCappSheet;
    BOOL bRead = FALSE;
    CFile file;
    if (file.Open(lpszPath, CFile::modeRead | CFile::shareDenyWrite)) {
        pSheet->m_strName = CCardCommFun::GetFileName_NoExt(lpszPath);
        try {
            CArchive ar(&file, CArchive::load, 4096);
            pSheet->Serialize(ar);
            ar.Close();
            bRead = TRUE;
        } catch (CException* e) {
            e->Delete();
        }
        file.Close();
    }
    if (!bRead) {
        // A half-read sheet is never shown or kept.
        delete pSheet;
        delete m_pSheet;
        m_pSheet = new CCappSheet;
        m_bLoaded = FALSE;
        Invalidate();
        return FALSE;
    }
    delete m_pSheet;
    m_pSheet = pSheet;
    SetScrollSizes(MM_ANISOTROPIC, CSize(std::max(1, m_pSheet->m_nPageWidth), std::max(1, m_pSheet->m_nPageHeight)));
    m_pSheet->SetAllCellFontHeight();
    m_bLoaded = TRUE;
    Invalidate();
    if (bAsNew) {
        m_strPath.Empty();
        m_nSaveState = saveStateNew;
    } else {
        m_strPath = lpszPath;
        if (CDocument* pDoc = GetDocument()) {
            pDoc->SetPathName(lpszPath);
        }
        if (auto* pApp = dynamic_cast<CVornDesignApp*>(FxGetApp())) {
            pApp->AddToRecentFileList(lpszPath);
        }
        m_nSaveState = saveStateSaved;
    }
    return TRUE;
}

void CCappSheetDefView::SaveTemplate(int)
{
}
