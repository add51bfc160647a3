// A small "please wait" dialog with a colour progress bar, an animation and a prompt.
#pragma once

#include "common/KvColorProgessCtrl.h"
#include "common/KvCommLibExport.h"
#include "platform/win/AnimateCtrl.h"
#include "platform/win/Dialog.h"

class KVCOMM_API CKvProgressDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CKvProgressDlg)

public:
    explicit CKvProgressDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void SetPrompt(CString strText);
    void ModifyProgressStyle(BOOL bBorder, BOOL bSmooth);

    CKvColorProgessCtrl m_progress;
    CAnimateCtrl m_animate;
    CString m_strPrompt;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
