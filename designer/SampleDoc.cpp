#include "designer/SampleDoc.h"

FX_IMPLEMENT_DYNCREATE(CSampleDoc, CDocument)

CSampleDoc::CSampleDoc()
{
}

CSampleDoc::~CSampleDoc()
{
}

void CSampleDoc::InitText()
{
    m_strText.Empty();
    SetModifiedFlag(FALSE);
}

void CSampleDoc::Serialize(CArchive&)
{
}
