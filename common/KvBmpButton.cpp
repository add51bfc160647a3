#include "common/KvBmpButton.h"

#include <cstring>
#include <vector>

#include "platform/base/FxResMgr.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"

namespace
{
// The bitmap's colour table mapped to the system's button colours.
COLORREF MapButtonColor(RGBQUAD q)
{
    const COLORREF cr = RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
    switch (cr) {
    case RGB(0, 0, 0):
        return GetSysColor(COLOR_BTNTEXT);
    case RGB(128, 128, 128):
        return GetSysColor(COLOR_BTNSHADOW);
    case RGB(192, 192, 192):
        return GetSysColor(COLOR_BTNFACE);
    case RGB(255, 255, 255):
        return GetSysColor(COLOR_BTNHIGHLIGHT);
    default:
        return cr;
    }
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CKvBmpButton, CKvOwnerDrawButton)

FX_BEGIN_MESSAGE_MAP(CKvBmpButton, CKvOwnerDrawButton)
FX_ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
FX_END_MESSAGE_MAP()

CKvBmpButton::CKvBmpButton() : m_lpszBitmap(nullptr), m_sizeIndent(5, 5), m_nAlign(alignLeft)
{
}

BOOL CKvBmpButton::LoadRecoloured(LPCSTR lpszBitmap)
{
    if (lpszBitmap == nullptr) {
        return FALSE;
    }
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(lpszBitmap, MAKEINTRESOURCEA(2)); // RT_BITMAP
    HRSRC hRes = hInst != nullptr ? FindResourceA(hInst, lpszBitmap, MAKEINTRESOURCEA(2)) : nullptr;
    HGLOBAL hData = hRes != nullptr ? LoadResource(hInst, hRes) : nullptr;
    const BYTE* pData = hData != nullptr ? static_cast<const BYTE*>(LockResource(hData)) : nullptr;
    const DWORD cbData = hRes != nullptr ? SizeofResource(hInst, hRes) : 0;
    if (pData == nullptr || cbData < sizeof(BITMAPINFOHEADER)) {
        return FALSE;
    }
    // A copy: the resource is read-only, and its colour table is what we change.
    std::vector<BYTE> info(pData, pData + cbData);
    BITMAPINFO* pInfo = reinterpret_cast<BITMAPINFO*>(info.data());
    const BITMAPINFOHEADER& bih = pInfo->bmiHeader;
    if (bih.biSize < sizeof(BITMAPINFOHEADER) || bih.biSize > cbData) {
        return FALSE;
    }
    DWORD nColors = bih.biClrUsed;
    if (nColors == 0 && bih.biBitCount <= 8) {
        nColors = 1u << bih.biBitCount;
    }
    const size_t cbTable = bih.biCompression == BI_BITFIELDS ? 3 * sizeof(DWORD) : nColors * sizeof(RGBQUAD);
    if (bih.biSize + cbTable > cbData) {
        return FALSE;
    }
    RGBQUAD* pTable = reinterpret_cast<RGBQUAD*>(info.data() + bih.biSize);
    if (bih.biCompression != BI_BITFIELDS) {
        for (DWORD i = 0; i < nColors; ++i) {
            const COLORREF cr = MapButtonColor(pTable[i]);
            pTable[i].rgbRed = GetRValue(cr);
            pTable[i].rgbGreen = GetGValue(cr);
            pTable[i].rgbBlue = GetBValue(cr);
        }
    }
    const BYTE* pBits = info.data() + bih.biSize + cbTable;
    CClientDC dcScreen(nullptr);
    HBITMAP hBitmap = CreateDIBitmap(dcScreen.GetSafeHdc(), &bih, CBM_INIT, pBits, pInfo, DIB_RGB_COLORS);
    if (hBitmap == nullptr) {
        return FALSE;
    }
    m_bitmap.DeleteObject();
    m_bitmap.Attach(hBitmap);
    return TRUE;
}

BOOL CKvBmpButton::SetBitmap(LPCSTR lpszBitmap)
{
    if (!LoadRecoloured(lpszBitmap)) {
        LoadRecoloured(m_lpszBitmap);
        return FALSE;
    }
    m_lpszBitmap = lpszBitmap;
    if (m_hWnd != nullptr) {
        CalcLayout();
        Invalidate();
    }
    return TRUE;
}

BOOL CKvBmpButton::SetBitmap(UINT nBitmapId)
{
    return SetBitmap(MAKEINTRESOURCEA(nBitmapId));
}

BOOL CKvBmpButton::AttachButton(UINT nID, UINT nAlign, LPCSTR lpszBitmap, CWnd* pParent)
{
    m_nAlign = nAlign;
    if (!LoadRecoloured(lpszBitmap)) {
        return FALSE;
    }
    m_lpszBitmap = lpszBitmap;
    if (!SubclassButton(nID, pParent)) {
        return FALSE;
    }
    CalcLayout();
    return TRUE;
}

BOOL CKvBmpButton::AttachButton(UINT nID, UINT nAlign, UINT nBitmapId, CWnd* pParent)
{
    return AttachButton(nID, nAlign, MAKEINTRESOURCEA(nBitmapId), pParent);
}

BOOL CKvBmpButton::Create(LPCSTR lpszCaption, DWORD dwStyle, UINT nAlign, LPCSTR lpszBitmap, const RECT& rect,
                          CWnd* pParentWnd, UINT nID)
{
    m_nAlign = nAlign;
    if (!LoadRecoloured(lpszBitmap)) {
        return FALSE;
    }
    m_lpszBitmap = lpszBitmap;
    if (!CreateButton(lpszCaption, dwStyle, rect, pParentWnd, nID)) {
        return FALSE;
    }
    CalcLayout();
    return TRUE;
}

BOOL CKvBmpButton::Create(LPCSTR lpszCaption, DWORD dwStyle, UINT nAlign, UINT nBitmapId, const RECT& rect,
                          CWnd* pParentWnd, UINT nID)
{
    return Create(lpszCaption, dwStyle, nAlign, MAKEINTRESOURCEA(nBitmapId), rect, pParentWnd, nID);
}

CSize CKvBmpButton::BitmapSize() const
{
    BITMAP bm = {};
    if (m_bitmap.GetSafeHandle() == nullptr || m_bitmap.GetBitmap(&bm) == 0) {
        return CSize(0, 0);
    }
    return CSize(bm.bmWidth, bm.bmHeight);
}

void CKvBmpButton::CalcLayout()
{
    if (m_hWnd == nullptr) {
        return;
    }
    CRect rcArea;
    GetClientRect(&rcArea);
    rcArea.right -= 3;
    rcArea.bottom -= 3;
    const CSize size = BitmapSize();
    m_rectText = rcArea;
    switch (m_nAlign) {
    case alignLeft:
        m_rectBitmap.left = rcArea.left + m_sizeIndent.cx;
        m_rectBitmap.top = rcArea.top + (rcArea.Height() - size.cy) / 2;
        m_rectText.left = m_rectBitmap.left + size.cx + 1;
        break;
    case alignRight:
        m_rectBitmap.left = rcArea.right - m_sizeIndent.cx - size.cx;
        m_rectBitmap.top = rcArea.top + (rcArea.Height() - size.cy) / 2;
        m_rectText.right = m_rectBitmap.left - 1;
        break;
    case alignTop:
        m_rectBitmap.left = rcArea.left + (rcArea.Width() - size.cx) / 2;
        m_rectBitmap.top = rcArea.top + m_sizeIndent.cy;
        m_rectText.top = m_rectBitmap.top + size.cy + 1;
        break;
    case alignBottom:
        m_rectBitmap.left = rcArea.left + (rcArea.Width() - size.cx) / 2;
        m_rectBitmap.top = rcArea.bottom - m_sizeIndent.cy - size.cy;
        m_rectText.bottom = m_rectBitmap.top - 1;
        break;
    default:
        m_rectBitmap.left = rcArea.left + (rcArea.Width() - size.cx) / 2;
        m_rectBitmap.top = rcArea.top + (rcArea.Height() - size.cy) / 2;
        m_rectText.SetRectEmpty();
        break;
    }
    m_rectBitmap.right = m_rectBitmap.left + size.cx;
    m_rectBitmap.bottom = m_rectBitmap.top + size.cy;
    m_rectBitmap &= rcArea;
    m_rectText &= rcArea;
}

void CKvBmpButton::SetIndents(int cx, int cy)
{
    m_sizeIndent = CSize(cx, cy);
    CalcLayout();
    if (m_hWnd != nullptr) {
        Invalidate();
    }
}

CSize CKvBmpButton::MeasureCaption()
{
    CString strCaption;
    GetWindowText(strCaption);
    CClientDC dc(m_hWnd);
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (hFont == nullptr) {
        hFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hFont);
    CRect rc(0, 0, 0, 0);
    dc.DrawText(strCaption, &rc, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(dc.GetSafeHdc(), hOld);
    return CSize(rc.Width(), rc.Height());
}

void CKvBmpButton::SizeToContent()
{
    if (m_hWnd == nullptr) {
        return;
    }
    const CSize sizeBmp = BitmapSize();
    const CSize sizeText = m_nAlign == alignCenter ? CSize(0, 0) : MeasureCaption();
    CSize size;
    if (m_nAlign == alignLeft || m_nAlign == alignRight) {
        size.cx = sizeBmp.cx + sizeText.cx + 5;
        size.cy = sizeBmp.cy > sizeText.cy ? sizeBmp.cy : sizeText.cy;
    } else if (m_nAlign == alignTop || m_nAlign == alignBottom) {
        size.cy = sizeBmp.cy + sizeText.cy + 5;
        size.cx = sizeBmp.cx > sizeText.cx ? sizeBmp.cx : sizeText.cx;
    } else {
        size = sizeBmp;
    }
    size.cx += 2 * m_sizeIndent.cx + 3;
    size.cy += 2 * m_sizeIndent.cy + 3;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CKvBmpButton::OnSize(UINT nType, int cx, int cy)
{
    CKvOwnerDrawButton::OnSize(nType, cx, cy);
    CalcLayout();
}

LRESULT CKvBmpButton::OnSysColorChange(WPARAM, LPARAM)
{
    LoadSysColors();
    LoadRecoloured(m_lpszBitmap);
    Invalidate();
    return Default();
}

void CKvBmpButton::DrawSpecific(CDC* pDC, LPDRAWITEMSTRUCT lpDis, CRect)
{
    const bool bPressed = (lpDis->itemState & ODS_SELECTED) != 0;
    const int nShift = bPressed ? 1 : 0;
    if (m_bitmap.GetSafeHandle() != nullptr) {
        CDC memDC;
        if (memDC.CreateCompatibleDC(pDC)) {
            CFxSelectGuard guard(&memDC, &m_bitmap);
            pDC->BitBlt(m_rectBitmap.left + nShift, m_rectBitmap.top + nShift, m_rectBitmap.Width(),
                        m_rectBitmap.Height(), &memDC, 0, 0, SRCCOPY);
        }
    }
    if (m_nAlign == alignCenter) {
        return;
    }
    CString strCaption;
    GetWindowText(strCaption);
    CRect rcText = m_rectText;
    rcText.OffsetRect(nShift, nShift);
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HGDIOBJ hOld = hFont != nullptr ? ::SelectObject(pDC->GetSafeHdc(), hFont) : nullptr;
    pDC->SetBkColor(s_clrBtnFace);
    pDC->SetTextColor(GetSysColor(COLOR_BTNTEXT));
    pDC->DrawText(strCaption, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (hOld != nullptr) {
        ::SelectObject(pDC->GetSafeHdc(), hOld);
    }
}

void CKvBmpButton::DrawFocus(CDC* pDC, CRect)
{
    CRect rc;
    if (m_nAlign == alignCenter) {
        rc = m_rectBitmap;
    } else {
        const CSize size = MeasureCaption();
        rc.left = m_rectText.left + (m_rectText.Width() - size.cx) / 2;
        rc.top = m_rectText.top + (m_rectText.Height() - size.cy) / 2;
        rc.right = rc.left + size.cx;
        rc.bottom = rc.top + size.cy;
    }
    rc.InflateRect(3, 3);
    pDC->DrawFocusRect(&rc);
}
