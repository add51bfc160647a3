// The script window's view: the edit view over its document's buffer, with VBScript colouring
// and the document's font.
#pragma once

#include "designer/script/CodeEditView.h"

class CSampleDoc;

class CSampleView : public CCodeEditView
{
    FX_DECLARE_DYNCREATE(CSampleView)

protected:
    CSampleView();

public:
    ~CSampleView() override;

    CSampleDoc* GetDocument() const;
    // Replaces the whole text (the undo history goes with it) and repaints.
    void SetScriptText(const CString& strText);
    void GetScriptText(CString& strText) const;

    void OnInitialUpdate() override;

protected:
    CCodeTextBuffer* GetTextBuffer() override;
    DWORD ColourLine(DWORD dwState, int nLine, char* pszDrawn, CodeTextBlock* pBlocks, int& nBlocks) override;
    LRESULT OnContextMenuMsg(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()
};
