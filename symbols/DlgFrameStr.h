// Modal dialog that enters the text of a framed-text or circled-character segment.
#pragma once

#include "platform/win/Button.h"
#include "platform/win/Dialog.h"
#include "symbols/GlyphworkExport.h"

class GLYPHWORK_API CDlgFrameStr : public CDialog
{
public:
    explicit CDlgFrameStr(CWnd* pParent = nullptr);

    CString m_strSymbolDataFile; // the work directory, handed to the special-character palette
    CString m_strTitle;          // the window title while the dialog is open
    CString m_strText;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnChangeText();
    // The special-character palette; its character is appended to the text.
    void OnPalette();

    FX_DECLARE_MESSAGE_MAP()

private:
    // Enabled only while the text is not empty: an element with no content does not read back.
    CButton m_btnOK;
};
