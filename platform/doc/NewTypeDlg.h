// The "which kind of document" question of the New command when an application has several
// document templates: one line per template that has a name for new files.
#pragma once

#include "platform/base/PtrArray.h"
#include "platform/win/Dialog.h"

class CDocTemplate;

class FX_API CNewTypeDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CNewTypeDlg)

public:
    explicit CNewTypeDlg(CWnd* pParentWnd = nullptr);
    ~CNewTypeDlg() override;

    // Listed in the order added; a template without a name for new files is left out.
    void AddTemplate(CDocTemplate* pTemplate);
    int GetTemplateCount() const { return static_cast<int>(m_arrTemplates.GetSize()); }
    // The template chosen with OK; null before or after Cancel.
    CDocTemplate* GetChosen() const { return m_pChosen; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnListDblClk();

    FX_DECLARE_MESSAGE_MAP()

private:
    CPtrArray m_arrTemplates;
    CDocTemplate* m_pChosen;
};
