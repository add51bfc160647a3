#include "designer/CappSheetDefDoc.h"

FX_IMPLEMENT_DYNCREATE(CCappSheetDefDoc, CDocument)

CCappSheetDefDoc::CCappSheetDefDoc()
{
}

CCappSheetDefDoc::~CCappSheetDefDoc()
{
}

BOOL CCappSheetDefDoc::OnNewDocument()
{
    return CDocument::OnNewDocument();
}

BOOL CCappSheetDefDoc::OnOpenDocument(LPCSTR lpszPathName)
{
    SetPathName(lpszPathName);
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CCappSheetDefDoc::Serialize(CArchive&)
{
}
