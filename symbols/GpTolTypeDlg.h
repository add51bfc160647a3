// Modal picker "公差符号" of the geometric tolerance dialog: one bitmap button per characteristic
// and one for none; a click ends the picker with that characteristic.
#pragma once

#include "platform/win/Dialog.h"
#include "symbols/BmpButton.h"
#include "symbols/GlyphworkExport.h"

class GLYPHWORK_API CGpTolTypeDlg : public CDialog
{
public:
    enum { nButtons = 15 };

    explicit CGpTolTypeDlg(CWnd* pParent = nullptr);

    // Indexed by characteristic type; index 0 is the "none" button.
    CBmpButton m_btnType[nButtons];
    int m_nType; // the chosen type, read after IDOK
    int m_x;     // screen position of the picker's upper-left corner, set by the caller
    int m_y;

    BOOL OnInitDialog() override;

    // The control that chooses the type, 0 for a type outside 0 to 14.
    static int GetTypeButtonID(int nType);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnTypeButton(UINT nID);

    FX_DECLARE_MESSAGE_MAP()
};
