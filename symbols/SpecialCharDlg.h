// Modal dialog "特殊字符": seven bitmap buttons, one per special-symbol code of a geometric
// tolerance frame; a click ends the dialog with that code.
#pragma once

#include "platform/win/Dialog.h"
#include "symbols/BmpButton.h"
#include "symbols/GlyphworkExport.h"

class GLYPHWORK_API SpecialCharDlg : public CDialog
{
public:
    explicit SpecialCharDlg(CWnd* pParent = nullptr);

    // In this order: the buttons 1006, 1005, 1004, 1003, 1002, 1001, 1000.
    CBmpButton m_btn1006;
    CBmpButton m_btn1005;
    CBmpButton m_btn1004;
    CBmpButton m_btn1003;
    CBmpButton m_btn1002;
    CBmpButton m_btn1001;
    CBmpButton m_btn1000;
    int m_nCode; // the chosen code, read after IDOK
    int m_x;     // screen position of the dialog's upper-left corner, set by the caller
    int m_y;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnButton1000();
    void OnButton1001();
    void OnButton1002();
    void OnButton1003();
    void OnButton1004();
    void OnButton1005();
    void OnButton1006();

    FX_DECLARE_MESSAGE_MAP()

private:
    void EndWithCode(int nCode);
};
