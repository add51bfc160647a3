#include "designer/figure/SgePreviewDlg.h"

#include <cstdlib>
#include <new>

#include "core/GraphEntity.h"
#include "designer/figure/ResizableDlg.h"
#include "designer/res/resource.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/FxSavedDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/PaintDC.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Rgn.h"

namespace
{
const COLORREF kNoAxes = RGB(255, 255, 255);
// Logical units of the mapping's window extents.
const int kWindowExtent = 1000;
} // namespace

FX_IMPLEMENT_DYNAMIC(CSgePreviewDlg, CDialog)

FX_BEGIN_MESSAGE_MAP(CSgePreviewDlg, CDialog)
FX_ON_WM_PAINT()
FX_ON_WM_ERASEBKGND()
FX_ON_WM_SIZE()
FX_ON_BN_CLICKED(IDC_SGE_REFRESH, OnRefresh)
FX_END_MESSAGE_MAP()

CSgePreviewDlg::CSgePreviewDlg(CWnd* pParentWnd)
    : CDialog(IDD_SGE_PREVIEW, pParentWnd), m_crAxis(kNoAxes), m_bMirror(0), m_dScale(1.0)
{
}

CSgePreviewDlg::~CSgePreviewDlg()
{
    FreeFigureList(m_listSGE);
}

void CSgePreviewDlg::FreeFigureList(CObList& listSGE)
{
    while (!listSGE.IsEmpty()) {
        delete listSGE.RemoveHead();
    }
}

int CSgePreviewDlg::BuildFigureList(const CString& strText, CObList& listSGE, CString& strError, int nMode)
{
    FreeFigureList(listSGE);
    const CString strAll = strText + "\r\n";
    int nStart = 0;
    for (int nEnd = strAll.Find("\r\n"); nEnd >= 0; nEnd = strAll.Find("\r\n", nStart)) {
        CString strLine = strAll.Mid(nStart, nEnd - nStart);
        nStart = nEnd + 2;
        strLine.TrimLeft();
        if (strLine.IsEmpty() || strLine[0] == '\'') {
            continue;
        }
        auto* pEntity = new (std::nothrow) CGraphEntity;
        if (pEntity == nullptr) {
            strError = "Memor is out(failed to new CGraphEntity)";
            FreeFigureList(listSGE);
            return 0;
        }
        CString strReason;
        if (!pEntity->SetData(strLine, strReason, nMode)) {
            strError = strReason;
            delete pEntity;
            FreeFigureList(listSGE);
            return 0;
        }
        try {
            listSGE.AddTail(pEntity);
        } catch (...) {
            delete pEntity;
            FreeFigureList(listSGE);
            strError = "Memor Is Out(failed to store entity pointer)";
            return 0;
        }
    }
    return 1;
}

COLORREF CSgePreviewDlg::ParseAxisColor(const CString& strText)
{
    if (strText.IsEmpty()) {
        return kNoAxes;
    }
    int anComponent[3] = {0, 0, 0};
    int nStart = 0;
    for (int k = 0; k < 3; ++k) {
        int nEnd = strText.Find(',', nStart);
        if ((k < 2 && nEnd < 0) || (k == 2 && nEnd >= 0)) {
            return kNoAxes;
        }
        if (nEnd < 0) {
            nEnd = strText.GetLength();
        }
        CString strComponent = strText.Mid(nStart, nEnd - nStart);
        strComponent.TrimLeft();
        char* pEnd = nullptr;
        const long nValue = std::strtol(strComponent, &pEnd, 10);
        if (strComponent.IsEmpty() || pEnd == static_cast<LPCSTR>(strComponent) || nValue < 0 || nValue > 255) {
            return kNoAxes;
        }
        anComponent[k] = static_cast<int>(nValue);
        nStart = nEnd + 1;
    }
    return RGB(anComponent[0], anComponent[1], anComponent[2]);
}

BOOL CSgePreviewDlg::ParseScale(const CString& strText, double& dScale)
{
    CString strTrimmed = strText;
    strTrimmed.TrimLeft();
    strTrimmed.TrimRight();
    if (strTrimmed.IsEmpty()) {
        return FALSE;
    }
    char* pEnd = nullptr;
    const double dValue = std::strtod(strTrimmed, &pEnd);
    if (pEnd == nullptr || *pEnd != '\0') {
        return FALSE;
    }
    // The viewport extents are scale times 1000 in whole pixels: they must stay above 0 and
    // within what a device coordinate can hold.
    const double dExtent = dValue * kWindowExtent;
    if (!(dExtent >= 1.0 && dExtent <= 1.0e8)) {
        return FALSE;
    }
    dScale = dValue;
    return TRUE;
}

CRect CSgePreviewDlg::DrawingArea(const CRect& rcClient)
{
    return CRect(rcClient.left + 10, rcClient.top + 40, rcClient.right - 10, rcClient.bottom - 10);
}

BOOL CSgePreviewDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_SGE_SCALE, "1.0");
    SetDlgItemText(IDC_SGE_ORIGIN_X, "0.5");
    SetDlgItemText(IDC_SGE_ORIGIN_Y, "0.5");
    SetDlgItemText(IDC_SGE_AXIS_COLOR, "255,255,255");
    m_crAxis = kNoAxes;
    ::CheckDlgButton(m_hWnd, IDC_SGE_Y_UP, BST_CHECKED);
    m_dScale = 1.0;
    CString strError;
    if (!BuildFigureList(m_strSgeText, m_listSGE, strError, 1)) {
        MessageBox(strError, nullptr, MB_OK | MB_ICONSTOP);
        EndDialog(0);
    }
    return TRUE;
}

void CSgePreviewDlg::DrawPreview(CDC* pDC, const CRect& rcClient)
{
    const CRect rcArea = DrawingArea(rcClient);
    CFxSavedDC saved(pDC);
    CRgn rgnClip;
    if (rgnClip.CreateRectRgn(rcArea.left, rcArea.top, rcArea.right, rcArea.bottom)) {
        pDC->SelectObject(&rgnClip);
    }
    {
        CFxSelectGuard pen(pDC, BLACK_PEN);
        CFxSelectGuard brush(pDC, WHITE_BRUSH);
        pDC->Rectangle(&rcArea);
    }

    // A text that is not a positive number keeps the last good scale.
    CString strScale;
    if (m_hWnd != nullptr && GetDlgItem(IDC_SGE_SCALE) != nullptr) {
        GetDlgItemText(IDC_SGE_SCALE, strScale);
        ParseScale(strScale, m_dScale);
    }
    const int nViewport = static_cast<int>(m_dScale * kWindowExtent);
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(kWindowExtent, kWindowExtent);
    pDC->SetViewportExt(nViewport, nViewport);
    pDC->SetWindowOrg(static_cast<int>(-rcArea.left / m_dScale), static_cast<int>(-rcArea.top / m_dScale));
    pDC->SetViewportOrg(0, 0);

    CString strError;
    BuildFigureList(m_strSgeText, m_listSGE, strError, 1);
    const CSize sizeWindow = pDC->GetWindowExt();
    const CSize sizeViewport = pDC->GetViewportExt();
    m_bMirror = pDC->GetMapMode() != MM_ISOTROPIC && (sizeWindow.cy < 0) != (sizeViewport.cy < 0) ? 1 : 0;
    for (POSITION pos = m_listSGE.GetHeadPosition(); pos != nullptr;) {
        auto* pEntity = static_cast<CGraphEntity*>(m_listSGE.GetNext(pos));
        if (!pEntity->Draw(pDC, m_bMirror)) {
            break;
        }
    }

    if (m_hWnd != nullptr && GetDlgItem(IDC_SGE_AXIS_COLOR) != nullptr) {
        CString strColor;
        GetDlgItemText(IDC_SGE_AXIS_COLOR, strColor);
        m_crAxis = ParseAxisColor(strColor);
    }
    if (m_crAxis != kNoAxes) {
        CPen pen;
        pen.CreatePen(PS_SOLID, 2, m_crAxis);
        CFxSelectGuard guard(pDC, &pen);
        pDC->MoveTo(10000, 0);
        pDC->LineTo(0, 0);
        pDC->LineTo(0, -10000);
    }
}

void CSgePreviewDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    CRect rcClient;
    GetClientRect(&rcClient);
    DrawPreview(&dc, rcClient);
}

BOOL CSgePreviewDlg::OnEraseBkgnd(CDC* pDC)
{
    // Only outside the drawing area and the visible controls, so neither flickers.
    CRect rcClient;
    GetClientRect(&rcClient);
    const CRect rcArea = DrawingArea(rcClient);
    CRgn rgn;
    CRgn rgnArea;
    if (!rgn.CreateRectRgn(rcClient.left, rcClient.top, rcClient.right, rcClient.bottom) ||
        !rgnArea.CreateRectRgn(rcArea.left, rcArea.top, rcArea.right, rcArea.bottom)) {
        return CDialog::OnEraseBkgnd(pDC);
    }
    rgn.CombineRgn(&rgn, &rgnArea, RGN_DIFF);
    FillFaceAroundControls(m_hWnd, pDC, rgn);
    return TRUE;
}

void CSgePreviewDlg::RedrawAll()
{
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CSgePreviewDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    RedrawAll();
}

void CSgePreviewDlg::OnRefresh()
{
    CString strScale;
    GetDlgItemText(IDC_SGE_SCALE, strScale);
    double dScale = 0.0;
    if (ParseScale(strScale, dScale)) {
        m_dScale = dScale;
    } else {
        CString strMsg;
        strMsg.LoadString(IDS_SGE_BAD_SCALE);
        MessageBox(strMsg, nullptr, MB_OK | MB_ICONSTOP);
        CString strGood;
        strGood.Format("%g", m_dScale);
        SetDlgItemText(IDC_SGE_SCALE, strGood);
        ::SendDlgItemMessageA(m_hWnd, IDC_SGE_SCALE, EM_SETSEL, 0, -1);
        ::SetFocus(::GetDlgItem(m_hWnd, IDC_SGE_SCALE));
    }
    RedrawAll();
}
