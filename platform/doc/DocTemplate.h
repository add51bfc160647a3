// A document template: the run-time classes of a kind of document, its frame and its view, the
// resource id they share, and the documents open of that kind. Third stage of command routing.
#pragma once

#include "platform/base/Position.h"
#include "platform/base/String.h"
#include "platform/win/CmdTarget.h"

class CDocument;
class CFrameWnd;

class FX_API CDocTemplate : public CCmdTarget
{
    FX_DECLARE_DYNAMIC(CDocTemplate)

public:
    // The parts of the resource string "window title\ndocument name\n...".
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
    };

    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);
    ~CDocTemplate() override;

    UINT GetResourceID() const { return m_nIDResource; }
    CRuntimeClass* GetDocClass() const { return m_pDocClass; }
    CRuntimeClass* GetFrameClass() const { return m_pFrameClass; }
    CRuntimeClass* GetViewClass() const { return m_pViewClass; }
    BOOL GetDocString(CString& rString, DocStringIndex index) const;

    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);
    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;

    virtual CDocument* CreateNewDocument();
    // A frame of the template's frame class with a view of its view class on pDoc.
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    // A null path makes a new document; null on failure (nothing is left behind).
    virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments();

protected:
    // Creates the document, its frame and view, then new or open; shared by both kinds.
    CDocument* OpenInNewFrame(LPCSTR lpszPathName, BOOL bMakeVisible);
    // The title of a new document ("name1", "name2"...; the single template's is just the name).
    virtual void SetDefaultTitle(CDocument* pDoc);

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;
};
