// The script window's document: the script text. Editing and saving come with the script frame.
#pragma once

#include "platform/doc/Document.h"

class CSampleDoc : public CDocument
{
    FX_DECLARE_DYNCREATE(CSampleDoc)

public:
    CSampleDoc();
    ~CSampleDoc() override;

    // Starts an empty text.
    void InitText();
    void Serialize(CArchive& ar) override;

    CString m_strText;
};
