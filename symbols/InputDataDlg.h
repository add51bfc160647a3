// Modal dialog that enters one name and one value, both escaped for XML text.
#pragma once

#include "platform/win/Dialog.h"
#include "symbols/GlyphworkExport.h"

class GLYPHWORK_API CInputDataDlg : public CDialog
{
public:
    explicit CInputDataDlg(CWnd* pParent = nullptr);

    // Escaped for XML text; the edits show them unescaped, so a result given back to the dialog
    // shows what was typed and comes out the same after OK.
    CString m_strName;
    CString m_strValue;
    // FALSE: the name is shown read-only and the caret starts in the value.
    bool m_bNameEditable;

    // Trims white space, escapes & < > ' " as XML entities and drops every "#".
    static void ReplaceXMLCode(CString& strText);
    // The entity escaping alone, and its inverse (an "&" that starts none of the five entities
    // stays as it is).
    static void EscapeXMLCode(CString& strText);
    static void UnescapeXMLCode(CString& strText);

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};
