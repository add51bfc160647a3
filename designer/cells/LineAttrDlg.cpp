#include "designer/cells/LineAttrDlg.h"

#include <commctrl.h>

#include "designer/res/resource.h"
#include "platform/win/DataExchange.h"

namespace
{
// The colour button's report of a chosen colour: wParam its id, lParam the colour.
const UINT kColorChosen = 0x52D;
const int kMaxWidth = 20;
} // namespace

FX_IMPLEMENT_DYNAMIC(CLineAttrDlg, CDialog)

FX_BEGIN_MESSAGE_MAP(CLineAttrDlg, CDialog)
FX_ON_MESSAGE(kColorChosen, OnColorChosen)
FX_END_MESSAGE_MAP()

CLineAttrDlg::CLineAttrDlg(CWnd* pParentWnd) : CDialog(IDD_LINE_ATTR, pParentWnd), m_nWidth(1), m_crColor(0)
{
}

BOOL CLineAttrDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_btnColor.SubclassDlgItem(IDC_LINE_ATTR_COLOR, this);
    m_btnColor.SetColor(m_crColor);
    m_btnColor.SetOtherButton(TRUE);
    m_btnColor.SetPaletteRealization(FALSE);
    HWND hSpin = ::GetDlgItem(m_hWnd, IDC_LINE_ATTR_SPIN);
    ::SendMessageA(hSpin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(::GetDlgItem(m_hWnd, IDC_LINE_ATTR_WIDTH)), 0);
    ::SendMessageA(hSpin, UDM_SETRANGE32, 0, kMaxWidth);
    return TRUE;
}

void CLineAttrDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_LINE_ATTR_WIDTH, m_nWidth);
    DDV_MinMaxInt(pDX, m_nWidth, 0, kMaxWidth);
}

LRESULT CLineAttrDlg::OnColorChosen(WPARAM wParam, LPARAM lParam)
{
    if (wParam == IDC_LINE_ATTR_COLOR) {
        m_crColor = static_cast<COLORREF>(lParam);
    }
    return 0;
}
