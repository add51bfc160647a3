#include "core/CappMetricDC.h"

#include "core/CappDCHelper.h"

FX_IMPLEMENT_DYNCREATE(CCappMetricDC, CDC)

CCappMetricDC::CCappMetricDC(CDC*& pDC, CPrintInfo* pInfo)
{
    Attach(pDC, pInfo);
}

CCappMetricDC::~CCappMetricDC()
{
    Deattach();
}

BOOL CCappMetricDC::IsAttached() const
{
    return m_pWrappedDC != nullptr && m_hDC != nullptr;
}

int CCappMetricDC::Attach(CDC*& pDC, CPrintInfo* pInfo)
{
    Deattach();
    if (pDC == nullptr || pDC->m_hDC == nullptr) {
        return 0;
    }
    int nSavedDC = pDC->SaveDC();
    if (nSavedDC == 0) {
        return 0;
    }

    CSize sizePaper;
    CRect rcPrint;
    int nDpiX = pDC->GetDeviceCaps(LOGPIXELSX);
    int nDpiY = pDC->GetDeviceCaps(LOGPIXELSY);
    if ((pInfo != nullptr && !GetPaperInforByDC(pDC, sizePaper, rcPrint)) || nDpiX <= 0 || nDpiY <= 0) {
        pDC->RestoreDC(nSavedDC);
        return 0;
    }

    // Exact per axis: 254 logical units (tenths of a millimetre) are one inch, i.e. dpi device
    // units. Extents from millimetre sizes divided by a truncated factor were about 1 % off.
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(CCappDCHelper::kTenthMMPerInch, CCappDCHelper::kTenthMMPerInch);
    pDC->SetViewportExt(nDpiX, nDpiY);
    pDC->SetWindowOrg(rcPrint.left, rcPrint.top);
    pDC->SetViewportOrg(0, 0);

    AttachView(pDC->m_hDC, pDC->m_hAttribDC);
    m_bPrinting = pDC->m_bPrinting;
    m_pWrappedDC = pDC;
    m_nSavedDC = nSavedDC;
    m_sizePaper = sizePaper;
    m_rcPrint = rcPrint;
    pDC = this;
    return 1;
}

CDC* CCappMetricDC::Deattach()
{
    if (!IsAttached()) {
        return nullptr;
    }
    CDC* pDC = m_pWrappedDC;
    pDC->RestoreDC(m_nSavedDC);
    Clear();
    return pDC;
}

void CCappMetricDC::Clear()
{
    Detach();
    m_bPrinting = FALSE;
    m_pWrappedDC = nullptr;
    m_nSavedDC = 0;
    m_sizePaper = CSize();
    m_rcPrint.SetRectEmpty();
}

int CCappMetricDC::GetPaperInforByDC(CDC* pDC, CSize& sizePaper, CRect& rcPrint)
{
    if (pDC == nullptr || pDC->m_hAttribDC == nullptr) {
        return 0;
    }
    // The device caps answer what the GETPHYSPAGESIZE and GETPRINTINGOFFSET escapes did.
    CSize sizePhys(pDC->GetDeviceCaps(PHYSICALWIDTH), pDC->GetDeviceCaps(PHYSICALHEIGHT));
    if (sizePhys.cx <= 0 || sizePhys.cy <= 0) {
        return 0;
    }
    CPoint ptOffset(pDC->GetDeviceCaps(PHYSICALOFFSETX), pDC->GetDeviceCaps(PHYSICALOFFSETY));
    if (ptOffset.x < 0 || ptOffset.y < 0) {
        return 0;
    }
    int nDpiX = pDC->GetDeviceCaps(LOGPIXELSX);
    int nDpiY = pDC->GetDeviceCaps(LOGPIXELSY);
    if (nDpiX <= 0 || nDpiY <= 0) {
        return 0;
    }
    CRect rcDevice(ptOffset.x, ptOffset.y, ptOffset.x + pDC->GetDeviceCaps(HORZRES),
                   ptOffset.y + pDC->GetDeviceCaps(VERTRES));
    sizePaper.cx = ::MulDiv(sizePhys.cx, CCappDCHelper::kTenthMMPerInch, nDpiX);
    sizePaper.cy = ::MulDiv(sizePhys.cy, CCappDCHelper::kTenthMMPerInch, nDpiY);
    rcPrint.left = ::MulDiv(rcDevice.left, CCappDCHelper::kTenthMMPerInch, nDpiX);
    rcPrint.right = ::MulDiv(rcDevice.right, CCappDCHelper::kTenthMMPerInch, nDpiX);
    rcPrint.top = ::MulDiv(rcDevice.top, CCappDCHelper::kTenthMMPerInch, nDpiY);
    rcPrint.bottom = ::MulDiv(rcDevice.bottom, CCappDCHelper::kTenthMMPerInch, nDpiY);
    return 1;
}

int CCappMetricDC::QueryPaperInfor(CDC* pDC, CPrintInfo* /*pInfo*/, CSize& sizePaper, CRect& rcPrint)
{
    return GetPaperInforByDC(pDC, sizePaper, rcPrint);
}

int CCappMetricDC::QueryStoredLTCornerOfPaper(CPoint& pt) const
{
    if (!IsAttached()) {
        return 0;
    }
    pt = m_rcPrint.TopLeft();
    return 1;
}

int CCappMetricDC::DevicePointToPaperPoint(CRect& rc) const
{
    if (!IsAttached()) {
        return 0;
    }
    const CPoint& ptCorner = m_rcPrint.TopLeft();
    if (ptCorner.x != 0 || ptCorner.y != 0) {
        DPtoLP(&rc);
        rc.OffsetRect(ptCorner);
        LPtoDP(&rc);
    }
    return 1;
}

int CCappMetricDC::GetOriginOffset(CSize& size) const
{
    if (!IsAttached()) {
        return 0;
    }
    size = m_rcPrint.TopLeft() - m_pWrappedDC->GetWindowOrg();
    return 1;
}

int CCappMetricDC::OffsetOrg(CSize size)
{
    if (!IsAttached()) {
        return 0;
    }
    m_pWrappedDC->OffsetWindowOrg(-size.cx, -size.cy);
    return 1;
}

double CCappMetricDC::DotPerTenthMM() const
{
    return IsAttached() ? DotPerTenthMM(m_pWrappedDC) : -1;
}

double CCappMetricDC::DotPerTenthMM(CDC* pDC)
{
    if (pDC == nullptr || pDC->m_hAttribDC == nullptr) {
        return -1;
    }
    return pDC->GetDeviceCaps(LOGPIXELSX) / static_cast<double>(CCappDCHelper::kTenthMMPerInch);
}

int CCappMetricDC::GetDeviceCaps(int nIndex) const
{
    return IsAttached() ? m_pWrappedDC->GetDeviceCaps(nIndex) : CDC::GetDeviceCaps(nIndex);
}
