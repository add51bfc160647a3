// The About box: program name and version; the links for the maker's web and mail addresses.
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
