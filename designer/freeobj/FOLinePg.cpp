#include "designer/freeobj/FOLinePg.h"

#include <commctrl.h>

#include "common/KvColorBar.h"
#include "core/CappFreeLine.h"
#include "designer/freeobj/FreeObjSh.h"
#include "designer/res/resource.h"
#include "platform/win/DataExchange.h"

FX_IMPLEMENT_DYNAMIC(CFOLinePg, CPropertyPage)

FX_BEGIN_MESSAGE_MAP(CFOLinePg, CPropertyPage)
FX_ON_MESSAGE(KV_WM_COLORCHANGE, OnColorChanged)
FX_END_MESSAGE_MAP()

CFOLinePg::CFOLinePg() : CPropertyPage(IDD_FREEOBJ_LINE)
{
}

CCappFreeObj* CFOLinePg::WorkObj() const
{
    return CFreeObjSh::WorkObjOf(this);
}

void CFOLinePg::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FREEOBJ_WIDTH, m_nWidth);
    DDX_Text(pDX, IDC_FREEOBJ_START_X, m_nStartX);
    DDX_Text(pDX, IDC_FREEOBJ_START_Y, m_nStartY);
    DDX_Text(pDX, IDC_FREEOBJ_END_X, m_nEndX);
    DDX_Text(pDX, IDC_FREEOBJ_END_Y, m_nEndY);
}

BOOL CFOLinePg::OnInitDialog()
{
    CCappFreeObj* pObj = WorkObj();
    auto* pLine = dynamic_cast<CCappFreeLine*>(pObj);
    if (pLine != nullptr) {
        m_nWidth = pLine->m_nLineWidth;
        m_nStartX = pLine->m_ptStart.m_x;
        m_nStartY = pLine->m_ptStart.m_y;
        m_nEndX = pLine->m_ptEnd.m_x;
        m_nEndY = pLine->m_ptEnd.m_y;
    }
    if (!UpdateData(FALSE)) {
        MessageBox("bad calling UpdateData");
        EndDialog(-1);
        return TRUE;
    }
    HWND hSpin = ::GetDlgItem(m_hWnd, IDC_FREEOBJ_WIDTH_SPIN);
    ::SendMessageA(hSpin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(::GetDlgItem(m_hWnd, IDC_FREEOBJ_WIDTH)), 0);
    ::SendMessageA(hSpin, UDM_SETRANGE32, 0, 256);
    ::SendMessageA(hSpin, UDM_SETPOS32, 0, m_nWidth);
    // The arrow head is drawn for one width only.
    if (pObj != nullptr && pObj->m_nKind == CCappFreeObj::kindLineArrow) {
        for (int nID : {IDC_FREEOBJ_WIDTH_LABEL, IDC_FREEOBJ_WIDTH, IDC_FREEOBJ_WIDTH_SPIN}) {
            ::EnableWindow(::GetDlgItem(m_hWnd, nID), FALSE);
        }
    }
    CFreeObjSh::SetUpColorButton(m_btnColor, this, pObj);
    return TRUE;
}

BOOL CFOLinePg::OnApply()
{
    auto* pLine = dynamic_cast<CCappFreeLine*>(WorkObj());
    if (pLine == nullptr) {
        return TRUE;
    }
    pLine->m_nLineWidth = m_nWidth;
    // A line with an arrow keeps its points: its head is computed from them.
    if (pLine->m_nKind == CCappFreeObj::kindLine) {
        pLine->m_ptStart.SetValue(m_nStartX, m_nStartY);
        pLine->m_ptEnd.SetValue(m_nEndX, m_nEndY);
    }
    return TRUE;
}

LRESULT CFOLinePg::OnColorChanged(WPARAM wParam, LPARAM lParam)
{
    CFreeObjSh::TakeLineColor(this, wParam, lParam);
    return 0;
}
