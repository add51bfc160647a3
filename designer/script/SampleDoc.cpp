#include "designer/script/SampleDoc.h"

#include <cstring>

FX_IMPLEMENT_DYNCREATE(CSampleDoc, CDocument)

void CSampleDoc::CTextBuffer::SetChanged(BOOL bModified)
{
    if (m_pOwnerDoc != nullptr) {
        m_pOwnerDoc->SetModifiedFlag(bModified);
    }
}

CSampleDoc::CSampleDoc() : m_textBuffer(this), m_lf{}
{
    m_lf.lfHeight = 14;
    m_lf.lfCharSet = GB2312_CHARSET;
    strcpy(m_lf.lfFaceName, "宋体");
}

CSampleDoc::~CSampleDoc()
{
    m_textBuffer.Clear();
}

void CSampleDoc::InitText()
{
    m_textBuffer.InitEmpty(0);
    SetModifiedFlag(FALSE);
}

void CSampleDoc::Serialize(CArchive&)
{
}

BOOL CSampleDoc::SaveModified()
{
    return TRUE;
}
