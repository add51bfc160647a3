#include "designer/freeobj/FreeObjBasePg.h"

#include <commctrl.h>

#include <utility>

#include "common/KvColorBar.h"
#include "core/CappFreeBox.h"
#include "designer/freeobj/FreeObjSh.h"
#include "designer/res/resource.h"
#include "platform/win/DataExchange.h"

namespace
{
const int kMaxWidth = 1000;
} // namespace

FX_IMPLEMENT_DYNAMIC(CFreeObjBasePg, CPropertyPage)

FX_BEGIN_MESSAGE_MAP(CFreeObjBasePg, CPropertyPage)
FX_ON_MESSAGE(KV_WM_COLORCHANGE, OnColorChanged)
FX_END_MESSAGE_MAP()

CFreeObjBasePg::CFreeObjBasePg() : CPropertyPage(IDD_FREEOBJ_BASE)
{
}

CCappFreeObj* CFreeObjBasePg::WorkObj() const
{
    return CFreeObjSh::WorkObjOf(this);
}

void CFreeObjBasePg::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FREEOBJ_WIDTH, m_nWidth);
    DDV_MinMaxInt(pDX, m_nWidth, 0, kMaxWidth);
    DDX_Text(pDX, IDC_FREEOBJ_TEXT, m_strText);
    DDX_Check(pDX, IDC_FREEOBJ_TRANSPARENT, m_bTransparent);
    DDX_Text(pDX, IDC_FREEOBJ_LEFT, m_nLeft);
    DDX_Text(pDX, IDC_FREEOBJ_TOP, m_nTop);
    DDX_Text(pDX, IDC_FREEOBJ_RIGHT, m_nRight);
    DDX_Text(pDX, IDC_FREEOBJ_BOTTOM, m_nBottom);
}

BOOL CFreeObjBasePg::OnInitDialog()
{
    CCappFreeObj* pObj = WorkObj();
    if (pObj != nullptr) {
        ::EnableWindow(::GetDlgItem(m_hWnd, IDC_FREEOBJ_TRANSPARENT), pObj->m_nReserved6 > 0 ? FALSE : TRUE);
        m_nWidth = pObj->m_nLineWidth;
        m_strText = pObj->m_strText;
        m_bTransparent = pObj->m_bTransparent;
        const CRect rc = pObj->GetOutRect();
        if (!rc.IsRectEmpty()) {
            m_nLeft = rc.left;
            m_nTop = rc.top;
            m_nRight = rc.right;
            m_nBottom = rc.bottom;
        }
    }
    if (!UpdateData(FALSE)) {
        MessageBox("bad calling UpdateData");
        EndDialog(-1);
        return TRUE;
    }
    const int nKind = pObj != nullptr ? pObj->m_nKind : 0;
    // These kinds draw their outline at one width.
    if (nKind >= CCappFreeObj::kindCloud && nKind <= CCappFreeObj::kindCircleArrow) {
        for (int nID : {IDC_FREEOBJ_WIDTH_LABEL, IDC_FREEOBJ_WIDTH, IDC_FREEOBJ_WIDTH_SPIN}) {
            ::EnableWindow(::GetDlgItem(m_hWnd, nID), FALSE);
        }
    }
    HWND hSpin = ::GetDlgItem(m_hWnd, IDC_FREEOBJ_WIDTH_SPIN);
    ::SendMessageA(hSpin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(::GetDlgItem(m_hWnd, IDC_FREEOBJ_WIDTH)), 0);
    ::SendMessageA(hSpin, UDM_SETRANGE32, 0, 256);
    ::SendMessageA(hSpin, UDM_SETPOS32, 0, m_nWidth);
    if (m_bHideText) {
        ::ShowWindow(::GetDlgItem(m_hWnd, IDC_FREEOBJ_TEXT_LABEL), SW_HIDE);
        ::ShowWindow(::GetDlgItem(m_hWnd, IDC_FREEOBJ_TEXT), SW_HIDE);
    }
    CFreeObjSh::SetUpColorButton(m_btnColor, this, pObj);
    return TRUE;
}

BOOL CFreeObjBasePg::OnApply()
{
    CCappFreeObj* pObj = WorkObj();
    if (pObj == nullptr) {
        return TRUE;
    }
    pObj->m_nLineWidth = m_nWidth;
    pObj->m_strText = m_strText;
    pObj->m_bTransparent = m_bTransparent;
    const int nKind = pObj->m_nKind;
    if (nKind != CCappFreeObj::kindRect && nKind != CCappFreeObj::kindCircle && nKind != CCappFreeObj::kindRound) {
        return TRUE;
    }
    auto* pBox = dynamic_cast<CCappFreeBox*>(pObj);
    if (pBox == nullptr) {
        return TRUE;
    }
    int nLeft = m_nLeft;
    int nTop = m_nTop;
    int nRight = m_nRight;
    int nBottom = m_nBottom;
    if (nTop > nBottom) {
        std::swap(nTop, nBottom);
    }
    if (nLeft > nRight) {
        std::swap(nLeft, nRight);
    }
    const int nMidX = nLeft + (nRight - nLeft) / 2;
    const int nMidY = nTop + (nBottom - nTop) / 2;
    if (nKind == CCappFreeObj::kindRect) {
        int nHandle = -1;
        pBox->AdjustPoint(-1, nHandle);
    }
    pBox->m_ptLeft.SetValue(nLeft, nMidY);
    pBox->m_ptBottom.SetValue(nMidX, nBottom);
    pBox->m_ptRight.SetValue(nRight, nMidY);
    pBox->m_ptTop.SetValue(nMidX, nTop);
    return TRUE;
}

LRESULT CFreeObjBasePg::OnColorChanged(WPARAM wParam, LPARAM lParam)
{
    CFreeObjSh::TakeLineColor(this, wParam, lParam);
    return 0;
}
