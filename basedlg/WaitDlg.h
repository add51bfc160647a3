// A small dialog with an icon and a prompt that a caller shows while it works.
#pragma once

#include "basedlg/VornBaseClsExport.h"
#include "platform/win/Dialog.h"
#include "platform/win/Static.h"

class VORNBASECLS_API CWaitDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CWaitDlg)

public:
    explicit CWaitDlg(CWnd* pParent = nullptr);

    void SetPrompt(CString strPrompt);
    void SetDefPromp();
    // The icon comes from the resource chain; an icon that is not found leaves the static as it is.
    void SetWaitIcon(UINT nID);
    void SetDefIcon();

    HICON m_hIcon;
    CStatic m_iconStatic;
    CString m_strPrompt;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
