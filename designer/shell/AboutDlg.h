// The About box: program name, version and the maker's web and mail links.
#pragma once

#include "common/KvHyperLink.h"
#include "platform/win/Dialog.h"

class CAboutDlg : public CDialog
{
public:
    explicit CAboutDlg(CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;

    CKvHyperLink m_linkWeb;
    CKvHyperLink m_linkMail;
};
