// A framework control bar made from a dialog template: its controls are updated on idle through
// the frame's command routing. OLE controls the template places (window class FX_OLE_HOST_CLASS)
// are made with the other controls once the program has enabled its control container.
#pragma once

#include "framework/FwControlBar.h"

class COleControlWnd;

class FwDialogBar : public FwControlBar
{
    FX_DECLARE_DYNCREATE(FwDialogBar)

public:
    FwDialogBar();
    // Destroys the window before the bar's own destructor runs.
    ~FwDialogBar() override;

    BOOL Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, DWORD dwStyle, DWORD dwExStyle, UINT nID);
    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, DWORD dwStyle, DWORD dwExStyle, UINT nID);
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    // The template given at creation goes into the record as its resource id.
    void FillBarInfo(FwControlBarInfo* pInfo) override;

    // The site window of the template's OLE control nID; null when that control is none.
    COleControlWnd* GetOleControl(UINT nID) const;

    // The template named at creation; for a numbered one, its number.
    UINT GetResourceID() const { return m_nIDTemplate; }

protected:
    CString m_strTemplateName;
    UINT m_nIDTemplate;

private:
    friend INT_PTR CALLBACK FwDialogBarProc(HWND, UINT, WPARAM, LPARAM);
};
