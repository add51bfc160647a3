#include "framework/FwDocTemplateFinder.h"

#include <cstring>

#include "platform/doc/DocTemplate.h"
#include "platform/doc/Document.h"
#include "platform/doc/View.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"

namespace
{
// Removes the templates the test refuses.
template <typename Keep> void Narrow(CPtrList& templates, Keep keep)
{
    for (POSITION pos = templates.GetHeadPosition(); pos != nullptr;) {
        const POSITION posThis = pos;
        if (!keep(static_cast<CDocTemplate*>(templates.GetNext(pos)))) {
            templates.RemoveAt(posThis);
        }
    }
}
} // namespace

CString FwDocTemplateFinder::FileTypeName(const CDocTemplate* pTemplate)
{
    CString strName;
    pTemplate->GetDocString(strName, CDocTemplate::regFileTypeName);
    return strName;
}

int FwDocTemplateFinder::GetTemplateOrdinal(const CDocTemplate* pTemplate, const CString& strFileType) const
{
    CWinApp* pApp = FxGetApp();
    if (pTemplate == nullptr || pApp == nullptr) {
        return -1;
    }
    int nOrdinal = -1;
    for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != nullptr;) {
        const CDocTemplate* pEach = pApp->GetNextDocTemplate(pos);
        if (strcmp(FileTypeName(pEach), strFileType) == 0) {
            ++nOrdinal;
        }
        if (pEach == pTemplate) {
            return nOrdinal;
        }
    }
    return -1;
}

CDocTemplate* FwDocTemplateFinder::GetTemplateByOrdinal(const CString& strFileType, int nOrdinal) const
{
    CWinApp* pApp = FxGetApp();
    if (pApp == nullptr) {
        return nullptr;
    }
    CDocTemplate* pLast = nullptr;
    int nSeen = 0;
    for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != nullptr;) {
        CDocTemplate* pEach = pApp->GetNextDocTemplate(pos);
        if (strcmp(FileTypeName(pEach), strFileType) != 0) {
            continue;
        }
        if (nSeen++ == nOrdinal) {
            return pEach;
        }
        pLast = pEach;
    }
    return pLast;
}

CDocTemplate* FwDocTemplateFinder::FindTemplate(CDocument* pDoc, CView* pView, CFrameWnd* pFrame) const
{
    if (pDoc == nullptr || pView == nullptr || pFrame == nullptr) {
        return nullptr;
    }
    CPtrList templates;
    CDocTemplate* pTemplate = nullptr;
    GetAllTemplates(templates);
    if (GetSingle(templates, pTemplate)) {
        return pTemplate;
    }
    NarrowByViewAndFrame(templates, pView, pFrame);
    if (GetSingle(templates, pTemplate)) {
        return pTemplate;
    }
    NarrowByFrameResource(templates, pFrame);
    if (GetSingle(templates, pTemplate)) {
        return pTemplate;
    }
    NarrowByDocument(templates, pDoc);
    if (GetSingle(templates, pTemplate)) {
        return pTemplate;
    }
    if (templates.Find(pDoc->GetDocTemplate()) != nullptr) {
        return pDoc->GetDocTemplate();
    }
    return static_cast<CDocTemplate*>(templates.GetHead());
}

UINT FwDocTemplateFinder::GetFrameResourceID(CWnd* pFrame) const
{
    if (pFrame == nullptr || !pFrame->IsKindOf(FX_RUNTIME_CLASS(CFrameWnd))) {
        return 0;
    }
    return static_cast<CFrameWnd*>(pFrame)->GetResourceID();
}

BOOL FwDocTemplateFinder::GetAllTemplates(CPtrList& templates) const
{
    CWinApp* pApp = FxGetApp();
    if (pApp == nullptr) {
        return FALSE;
    }
    for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != nullptr;) {
        templates.AddTail(pApp->GetNextDocTemplate(pos));
    }
    return TRUE;
}

BOOL FwDocTemplateFinder::NarrowByViewAndFrame(CPtrList& templates, CView* pView, CFrameWnd* pFrame) const
{
    if (pView == nullptr || pFrame == nullptr) {
        return FALSE;
    }
    CRuntimeClass* pSubstitute = GetFrameClassSubstitute(pFrame->GetRuntimeClass());
    Narrow(templates, [&](CDocTemplate* pTemplate) {
        return pTemplate->GetViewClass() == pView->GetRuntimeClass() &&
               GetTemplateFrameClass(pTemplate, pSubstitute) == pFrame->GetRuntimeClass();
    });
    return TRUE;
}

BOOL FwDocTemplateFinder::NarrowByFrameResource(CPtrList& templates, CFrameWnd* pFrame) const
{
    if (pFrame == nullptr) {
        return FALSE;
    }
    const UINT nID = GetFrameResourceID(pFrame);
    Narrow(templates, [&](CDocTemplate* pTemplate) { return pTemplate->GetResourceID() == nID; });
    return TRUE;
}

BOOL FwDocTemplateFinder::NarrowByDocument(CPtrList& templates, CDocument* pDoc) const
{
    if (pDoc == nullptr) {
        return FALSE;
    }
    Narrow(templates, [&](CDocTemplate* pTemplate) { return pTemplate->GetDocClass() == pDoc->GetRuntimeClass(); });
    return TRUE;
}

BOOL FwDocTemplateFinder::GetSingle(const CPtrList& templates, CDocTemplate*& pTemplate) const
{
    pTemplate = nullptr;
    if (templates.GetCount() > 1) {
        return FALSE;
    }
    if (templates.GetCount() == 1) {
        pTemplate = static_cast<CDocTemplate*>(templates.GetHead());
    }
    return TRUE;
}

CRuntimeClass* FwDocTemplateFinder::GetFrameClassSubstitute(CRuntimeClass*) const
{
    return nullptr;
}

CRuntimeClass* FwDocTemplateFinder::GetTemplateFrameClass(const CDocTemplate* pTemplate,
                                                          CRuntimeClass* pSubstitute) const
{
    return pSubstitute == nullptr ? pTemplate->GetFrameClass() : nullptr;
}
