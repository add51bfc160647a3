// The editor of a sheet's figure text: a colouring edit whose first keyword list names every
// figure command, a syntax check and a preview.
#pragma once

#include "designer/figure/ResizableDlg.h"
#include "designer/figure/SyntaxRichEdit.h"

class CSgeInputDlg : public CResizableDlg
{
    FX_DECLARE_DYNAMIC(CSgeInputDlg)

public:
    // Ends the dialog when the edit cannot be subclassed.
    enum { resultNoEdit = 123456 };

    explicit CSgeInputDlg(CWnd* pParentWnd = nullptr);

    void SetSgeText(const CString& strText) { m_strSgeText = strText; }
    const CString& GetSgeText() const { return m_strSgeText; }
    // The edit's text with CR LF line ends, as the card library reads figure texts.
    CString GetEditText() const;

    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;

    // The figure commands, in the order of the keyword list.
    static const char* const s_aszFigureKeywords[25];

    CString m_strSgeText;
    CSyntaxRichEdit m_editSge;

protected:
    void OnOK() override;
    void OnPaint() override;
    void OnPreview();
    void OnCheck();
    LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()

protected:
    HICON m_hIcon;
};
