// A document: the data its views show, its file, its modified flag, and the second stage of
// command routing (after the active view, before the template).
#pragma once

#include "platform/base/PtrList.h"
#include "platform/base/String.h"
#include "platform/win/CmdTarget.h"

class CArchive;
class CDocTemplate;
class CFrameWnd;
class CView;

class FX_API CDocument : public CCmdTarget
{
    FX_DECLARE_DYNCREATE(CDocument)

public:
    CDocument();
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    virtual void SetPathName(LPCSTR lpszPathName);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    BOOL IsModified() const { return m_bModified; }
    void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    CView* GetNextView(POSITION& rPosition) const;
    // Every view but pSender hears OnUpdate.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);
    void SendInitialUpdate();

    virtual void Serialize(CArchive& ar);
    virtual void DeleteContents();
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    // Writes a temporary file beside the target and replaces the target only when it is complete.
    virtual BOOL OnSaveDocument(LPCSTR lpszPathName);
    // Destroys the frames of its views, then the document itself when it deletes itself.
    virtual void OnCloseDocument();
    // Asks (Yes/No/Cancel) to save a modified document; FALSE when the user cancels or the save fails.
    virtual BOOL SaveModified();
    // The prompt only when pFrame is the last frame showing this document.
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    // Saves under lpszPathName, or asks for a name (save dialog) when it is null.
    virtual BOOL DoSave(LPCSTR lpszPathName, BOOL bReplace = TRUE);
    BOOL DoFileSave();

    // Last stop before the template.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra = nullptr, void* pHandlerInfo = nullptr) override;

    BOOL m_bAutoDelete;

protected:
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileClose();
    FX_DECLARE_MESSAGE_MAP()

protected:
    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate;
    CPtrList m_viewList;
    BOOL m_bModified;

private:
    friend class CDocTemplate;
    BOOL m_bClosing;
};
