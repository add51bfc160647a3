// Modal dialog that enters the text of a framed-text or circled-character segment.
#pragma once

#include "platform/win/Dialog.h"
#include "symbols/GlyphworkExport.h"

class GLYPHWORK_API CDlgFrameStr : public CDialog
{
public:
    explicit CDlgFrameStr(CWnd* pParent = nullptr);

    CString m_strSymbolDataFile; // handed to the special-character palette
    CString m_strTitle;          // the window title while the dialog is open
    CString m_strText;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
