// Answers questions about the application's document templates: which one made a document, view
// and frame, which resource a frame was loaded from, and how to name a template by its file-type
// name and ordinal. Holds nothing.
#pragma once

#include "platform/base/PtrList.h"
#include "platform/base/String.h"

class CDocTemplate;
class CDocument;
class CFrameWnd;
class CRuntimeClass;
class CView;
class CWnd;

class FwDocTemplateFinder
{
public:
    FwDocTemplateFinder() = default;
    virtual ~FwDocTemplateFinder() = default;

    // The first template of that file-type name is 0; -1 when it is not found.
    virtual int GetTemplateOrdinal(const CDocTemplate* pTemplate, const CString& strFileType) const;
    // Fewer templates of the name than asked: the last of them; null when none has it.
    virtual CDocTemplate* GetTemplateByOrdinal(const CString& strFileType, int nOrdinal) const;
    virtual CDocTemplate* FindTemplate(CDocument* pDoc, CView* pView, CFrameWnd* pFrame) const;
    // 0 for no window or one that was not loaded from a resource.
    virtual UINT GetFrameResourceID(CWnd* pFrame) const;
    virtual BOOL GetAllTemplates(CPtrList& templates) const;
    virtual BOOL NarrowByViewAndFrame(CPtrList& templates, CView* pView, CFrameWnd* pFrame) const;
    virtual BOOL NarrowByFrameResource(CPtrList& templates, CFrameWnd* pFrame) const;
    virtual BOOL NarrowByDocument(CPtrList& templates, CDocument* pDoc) const;
    // TRUE with null for no template, TRUE with it for one, FALSE for more.
    virtual BOOL GetSingle(const CPtrList& templates, CDocTemplate*& pTemplate) const;
    virtual CRuntimeClass* GetFrameClassSubstitute(CRuntimeClass* pFrameClass) const;
    virtual CRuntimeClass* GetTemplateFrameClass(const CDocTemplate* pTemplate, CRuntimeClass* pSubstitute) const;

private:
    static CString FileTypeName(const CDocTemplate* pTemplate);
};
