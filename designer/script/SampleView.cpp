#include "designer/script/SampleView.h"

#include <string>

#include "designer/script/SampleDoc.h"
#include "designer/script/VbScriptColourFun.h"
#include "platform/frame/WinApp.h"
#include "platform/win/MsgBox.h"

FX_IMPLEMENT_DYNCREATE(CSampleView, CCodeEditView)

FX_BEGIN_MESSAGE_MAP(CSampleView, CCodeEditView)
FX_ON_MESSAGE(WM_CONTEXTMENU, OnContextMenuMsg)
FX_END_MESSAGE_MAP()

CSampleView::CSampleView()
{
}

CSampleView::~CSampleView()
{
}

CSampleDoc* CSampleView::GetDocument() const
{
    return dynamic_cast<CSampleDoc*>(m_pDocument);
}

CCodeTextBuffer* CSampleView::GetTextBuffer()
{
    CSampleDoc* pDoc = GetDocument();
    return pDoc != nullptr ? &pDoc->m_textBuffer : nullptr;
}

void CSampleView::SetScriptText(const CString& strText)
{
    CSampleDoc* pDoc = GetDocument();
    if (pDoc == nullptr) {
        return;
    }
    pDoc->m_textBuffer.Clear();
    pDoc->m_textBuffer.SetAllText(strText);
    Invalidate();
}

void CSampleView::GetScriptText(CString& strText) const
{
    strText.Empty();
    if (const CSampleDoc* pDoc = GetDocument()) {
        pDoc->m_textBuffer.GetAllText(strText);
    }
}

void CSampleView::OnInitialUpdate()
{
    m_strKeywords = CVbScriptColourFun::KeywordList();
    CCodeEditView::OnInitialUpdate();
    m_strKeywordsLower = m_strKeywords;
    m_strKeywordsLower.MakeLower();
    if (const CSampleDoc* pDoc = GetDocument()) {
        SetFont(pDoc->m_lf);
    }
}

DWORD CSampleView::ColourLine(DWORD dwState, int nLine, char* pszDrawn, CodeTextBlock* pBlocks, int& nBlocks)
{
    if (pszDrawn != nullptr) {
        return CVbScriptColourFun::ColourLine(dwState, pszDrawn, LineLength(nLine), pBlocks, nBlocks);
    }
    // Only the state is asked for: the parser works on a copy, never on the stored line.
    const int nLength = LineLength(nLine);
    std::string strCopy(nLength > 0 ? std::string(LineText(nLine), static_cast<size_t>(nLength)) : std::string());
    return CVbScriptColourFun::ColourLine(dwState, strCopy.data(), nLength, pBlocks, nBlocks);
}

LRESULT CSampleView::OnContextMenuMsg(WPARAM, LPARAM)
{
    CWinApp* pApp = FxGetApp();
    FxMessageBox(m_hWnd, "Build your own context menu!", pApp != nullptr ? static_cast<LPCSTR>(pApp->m_strAppName) : "",
                 MB_OK);
    return 0;
}
