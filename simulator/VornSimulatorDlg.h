// The simulator's main dialog: the report control showing the template filled with the data
// file, with paging, zoom, printing, print settings, scripts and the data input dialog.
#pragma once

#include "common/KvHotButton.h"
#include "common/KvResizDlg.h"
#include "platform/base/FxIcon.h"
#include "simulator/VornCtl.h"
#include "simulator/VornSimulatorExport.h"

class VORNSIM_API CVornSimulatorDlg : public CKvResizDlg
{
    FX_DECLARE_DYNAMIC(CVornSimulatorDlg)

public:
    explicit CVornSimulatorDlg(CWnd* pParent = nullptr);
    ~CVornSimulatorDlg() override;

    // Given before the dialog runs.
    CString m_strZntFile;
    CString m_strDataFile;

    CVornCtl& GetCtl() { return m_ctl; }

    // The dialog cannot open without the report control it hosts. TRUE when the control's class
    // (null: the report control's own) is registered and loads; otherwise the user is told what
    // to register, the DLL's path included, and FALSE.
    static BOOL CheckControl(HWND hOwner, LPCSTR pszClsid = nullptr);

    BOOL OnInitDialog() override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;

protected:
    // The print-setting file the user picks; FALSE when cancelled.
    virtual BOOL PromptPrintSetFile(CString& strPath);

    void OnPrint();
    void OnPrintPreview();
    void OnPrevPage();
    void OnNextPage();
    void OnViewAll();
    void OnZoomOut();
    void OnZoomIn();
    void OnZoomRange();
    void OnDataInput();
    void OnExecScript();
    void OnPrintSet();
    void OnLoadPrintSet();
    LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()

private:
    void UpdatePageButtons();
    void FillScriptCombo();
    void SetUpButtons();

    CKvHotButton m_btnPrint;
    CKvHotButton m_btnPreview;
    CKvHotButton m_btnPrevPage;
    CKvHotButton m_btnNextPage;
    CKvHotButton m_btnViewAll;
    CKvHotButton m_btnZoomOut;
    CKvHotButton m_btnZoomIn;
    CKvHotButton m_btnZoomRange;
    CVornCtl m_ctl;
    CFxIcon m_hIcon;
    CFxIcon m_hSmallIcon;
};
