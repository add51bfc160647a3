// The script window's document: the text buffer of the function being edited and the font the
// script text is shown in. It never reads or writes a file: the script frame stores the text into
// the sheet's script item.
#pragma once

#include <windows.h>

#include "designer/script/CodeTextBuffer.h"
#include "platform/doc/Document.h"

class CSampleDoc : public CDocument
{
    FX_DECLARE_DYNCREATE(CSampleDoc)

public:
    // Its changes mark the document modified; its own flag stays clear.
    class CTextBuffer : public CCodeTextBuffer
    {
    public:
        explicit CTextBuffer(CSampleDoc* pDoc) : m_pOwnerDoc(pDoc) {}
        void SetChanged(BOOL bModified) override;

    private:
        CSampleDoc* m_pOwnerDoc;
    };

    CSampleDoc();
    ~CSampleDoc() override;

    // Starts an empty text (line ends CR LF).
    void InitText();
    void Serialize(CArchive& ar) override;
    // Nothing is saved from here: the frame's close query has already answered.
    BOOL SaveModified() override;

    CTextBuffer m_textBuffer;
    LOGFONTA m_lf;
};
