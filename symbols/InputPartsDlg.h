// Shared part of the dialogs that enter a base text with an upper and a lower part text (fraction,
// super/subscript): OK follows the base text, and texts that would break the segment are refused.
#pragma once

#include "platform/win/Button.h"
#include "platform/win/Dialog.h"
#include "symbols/GlyphworkExport.h"

class GLYPHWORK_API CInputPartsDlg : public CDialog
{
public:
    CButton m_btnOK; // enabled only while the base text is not empty
    CString m_strBaseData;

    BOOL OnInitDialog() override;

protected:
    // chLetter: the element letter the texts are written under. The part members belong to the
    // derived class; they are only bound here, not used before it is constructed.
    CInputPartsDlg(UINT nIDTemplate, char chLetter, int nIDLower, CString& strLower, int nIDUpper, CString& strUpper,
                   CWnd* pParent);

    void SetTexts(CString strBaseData, CString strUpper, CString strLower);

    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnChangeBaseData();

    FX_DECLARE_MESSAGE_MAP()

private:
    char m_szLetter[2];
    int m_nIDLower;
    CString& m_strLower;
    int m_nIDUpper;
    CString& m_strUpper;
};
