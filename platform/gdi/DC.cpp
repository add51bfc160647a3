#include "platform/gdi/DC.h"

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxTempMap.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Rgn.h"

namespace
{
// The attribute DC when it differs from the output DC, else null: state changes go to both.
HDC OtherDC(HDC hDC, HDC hAttribDC)
{
    return (hAttribDC != nullptr && hAttribDC != hDC) ? hAttribDC : nullptr;
}

// XORs the frame of rc (device units) into rgn.
BOOL XorFrame(CRgn& rgn, const RECT& rc, SIZE size)
{
    CRgn rgnFrame;
    if (!rgnFrame.CreateRectRgn(rc.left, rc.top, rc.right, rc.bottom)) {
        return FALSE;
    }
    CRect rcInside(rc);
    rcInside.DeflateRect(size);
    // CreateRectRgn orders its corners: an inside turned inside out would cut the frame away.
    if (rcInside.left < rcInside.right && rcInside.top < rcInside.bottom) {
        CRgn rgnInside;
        if (!rgnInside.CreateRectRgn(rcInside.left, rcInside.top, rcInside.right, rcInside.bottom) ||
            rgnFrame.CombineRgn(&rgnFrame, &rgnInside, RGN_DIFF) == ERROR) {
            return FALSE;
        }
    }
    return rgn.CombineRgn(&rgn, &rgnFrame, RGN_XOR) != ERROR;
}
} // namespace

FX_IMPLEMENT_DYNCREATE(CDC, CObject)

CDC::~CDC()
{
    DeleteDC();
}

CDC* CDC::FromHandle(HDC hDC)
{
    return CFxTempMap<CDC, HDC>::Lookup(hDC, [](CDC* p, HDC h) { p->AttachView(h, h); });
}

BOOL CDC::Attach(HDC hDC)
{
    if (!AttachView(hDC, hDC)) {
        return FALSE;
    }
    m_bOwner = TRUE;
    return TRUE;
}

BOOL CDC::AttachView(HDC hDC, HDC hAttribDC)
{
    if (hDC == nullptr || m_hDC != nullptr) {
        return FALSE;
    }
    m_hDC = hDC;
    m_hAttribDC = hAttribDC;
    m_bOwner = FALSE;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    m_hDC = m_hAttribDC = nullptr;
    m_bOwner = FALSE;
    return hDC;
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr || !m_bOwner) {
        return FALSE;
    }
    return ::DeleteDC(Detach());
}

BOOL CDC::CreateIC(LPCSTR pszDriverName, LPCSTR pszDeviceName, LPCSTR pszOutput, const DEVMODEA* pInitData)
{
    return Attach(::CreateICA(pszDriverName, pszDeviceName, pszOutput, pInitData));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr));
}

int CDC::SaveDC()
{
    HDC hOther = OtherDC(m_hDC, m_hAttribDC);
    if (hOther != nullptr) {
        ::SaveDC(hOther);
    }
    return ::SaveDC(m_hDC);
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    HDC hOther = OtherDC(m_hDC, m_hAttribDC);
    if (hOther != nullptr) {
        ::RestoreDC(hOther, nSavedDC);
    }
    return ::RestoreDC(m_hDC, nSavedDC);
}

int CDC::GetDeviceCaps(int nIndex) const
{
    return ::GetDeviceCaps(m_hAttribDC, nIndex);
}

int CDC::StartDoc(LPCSTR pszDocName, LPCSTR pszOutput)
{
    DOCINFOA info = {};
    info.cbSize = sizeof(info);
    info.lpszDocName = pszDocName;
    info.lpszOutput = pszOutput;
    return ::StartDocA(m_hDC, &info);
}

int CDC::StartPage()
{
    return ::StartPage(m_hDC);
}

int CDC::EndPage()
{
    return ::EndPage(m_hDC);
}

int CDC::EndDoc()
{
    return ::EndDoc(m_hDC);
}

int CDC::AbortDoc()
{
    return ::AbortDoc(m_hDC);
}

int CDC::SetAbortProc(ABORTPROC pfnAbort)
{
    return ::SetAbortProc(m_hDC, pfnAbort);
}

int CDC::GetMapMode() const
{
    return ::GetMapMode(m_hAttribDC);
}

int CDC::SetMapMode(int nMapMode)
{
    if (HDC hOther = OtherDC(m_hDC, m_hAttribDC)) {
        ::SetMapMode(hOther, nMapMode);
    }
    return ::SetMapMode(m_hDC, nMapMode);
}

CPoint CDC::GetWindowOrg() const
{
    CPoint pt;
    ::GetWindowOrgEx(m_hAttribDC, &pt);
    return pt;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    if (HDC hOther = OtherDC(m_hDC, m_hAttribDC)) {
        ::SetWindowOrgEx(hOther, x, y, nullptr);
    }
    CPoint ptOld;
    ::SetWindowOrgEx(m_hDC, x, y, &ptOld);
    return ptOld;
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    if (HDC hOther = OtherDC(m_hDC, m_hAttribDC)) {
        ::OffsetWindowOrgEx(hOther, nWidth, nHeight, nullptr);
    }
    CPoint ptOld;
    ::OffsetWindowOrgEx(m_hDC, nWidth, nHeight, &ptOld);
    return ptOld;
}

CSize CDC::GetWindowExt() const
{
    CSize size;
    ::GetWindowExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::GetViewportExt() const
{
    CSize size;
    ::GetViewportExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    if (HDC hOther = OtherDC(m_hDC, m_hAttribDC)) {
        ::SetWindowExtEx(hOther, cx, cy, nullptr);
    }
    CSize sizeOld;
    ::SetWindowExtEx(m_hDC, cx, cy, &sizeOld);
    return sizeOld;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    if (HDC hOther = OtherDC(m_hDC, m_hAttribDC)) {
        ::SetViewportOrgEx(hOther, x, y, nullptr);
    }
    CPoint ptOld;
    ::SetViewportOrgEx(m_hDC, x, y, &ptOld);
    return ptOld;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    if (HDC hOther = OtherDC(m_hDC, m_hAttribDC)) {
        ::SetViewportExtEx(hOther, cx, cy, nullptr);
    }
    CSize sizeOld;
    ::SetViewportExtEx(m_hDC, cx, cy, &sizeOld);
    return sizeOld;
}

void CDC::LPtoDP(LPPOINT pPoints, int nCount) const
{
    ::LPtoDP(m_hAttribDC, pPoints, nCount);
}

void CDC::LPtoDP(LPRECT prc) const
{
    ::LPtoDP(m_hAttribDC, reinterpret_cast<LPPOINT>(prc), 2);
}

void CDC::LPtoDP(LPSIZE pSize) const
{
    POINT pts[2] = {{0, 0}, {pSize->cx, pSize->cy}};
    ::LPtoDP(m_hAttribDC, pts, 2);
    pSize->cx = pts[1].x - pts[0].x;
    pSize->cy = pts[1].y - pts[0].y;
}

void CDC::DPtoLP(LPPOINT pPoints, int nCount) const
{
    ::DPtoLP(m_hAttribDC, pPoints, nCount);
}

void CDC::DPtoLP(LPRECT prc) const
{
    ::DPtoLP(m_hAttribDC, reinterpret_cast<LPPOINT>(prc), 2);
}

void CDC::DPtoLP(LPSIZE pSize) const
{
    POINT pts[2] = {{0, 0}, {pSize->cx, pSize->cy}};
    ::DPtoLP(m_hAttribDC, pts, 2);
    pSize->cx = pts[1].x - pts[0].x;
    pSize->cy = pts[1].y - pts[0].y;
}

HGDIOBJ CDC::SelectHandle(HGDIOBJ hObject)
{
    if (hObject == nullptr || m_hDC == nullptr) {
        return nullptr;
    }
    if (HDC hOther = OtherDC(m_hDC, m_hAttribDC)) {
        ::SelectObject(hOther, hObject);
    }
    return ::SelectObject(m_hDC, hObject);
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(SelectHandle(::GetStockObject(nIndex)));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    if (pObject == nullptr) {
        return nullptr;
    }
    HGDIOBJ hOld = SelectHandle(pObject->m_hObject);
    // A region answers its kind, not a handle: it replaced nothing that could be selected back.
    if (pObject->GetObjectType() == OBJ_REGION) {
        return nullptr;
    }
    return CGdiObject::FromHandle(hOld);
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return pPen ? CPen::FromHandle(static_cast<HPEN>(SelectHandle(pPen->m_hObject))) : nullptr;
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return pBrush ? CBrush::FromHandle(static_cast<HBRUSH>(SelectHandle(pBrush->m_hObject))) : nullptr;
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return pFont ? CFont::FromHandle(static_cast<HFONT>(SelectHandle(pFont->m_hObject))) : nullptr;
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return pBitmap ? CBitmap::FromHandle(static_cast<HBITMAP>(SelectHandle(pBitmap->m_hObject))) : nullptr;
}

int CDC::SelectObject(CRgn* pRgn)
{
    if (pRgn == nullptr || pRgn->m_hObject == nullptr) {
        return ERROR;
    }
    // SelectObject with a region answers a region kind cast to a handle.
    return static_cast<int>(reinterpret_cast<INT_PTR>(SelectHandle(pRgn->m_hObject)));
}

CPen* CDC::GetCurrentPen() const
{
    return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hAttribDC, OBJ_PEN)));
}

CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hAttribDC, OBJ_FONT)));
}

COLORREF CDC::GetTextColor() const
{
    return ::GetTextColor(m_hAttribDC);
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    if (HDC hOther = OtherDC(m_hDC, m_hAttribDC)) {
        ::SetTextColor(hOther, crColor);
    }
    return ::SetTextColor(m_hDC, crColor);
}

COLORREF CDC::GetBkColor() const
{
    return ::GetBkColor(m_hAttribDC);
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    if (HDC hOther = OtherDC(m_hDC, m_hAttribDC)) {
        ::SetBkColor(hOther, crColor);
    }
    return ::SetBkColor(m_hDC, crColor);
}

int CDC::GetBkMode() const
{
    return ::GetBkMode(m_hAttribDC);
}

int CDC::SetBkMode(int nBkMode)
{
    if (HDC hOther = OtherDC(m_hDC, m_hAttribDC)) {
        ::SetBkMode(hOther, nBkMode);
    }
    return ::SetBkMode(m_hDC, nBkMode);
}

int CDC::SetROP2(int nDrawMode)
{
    if (HDC hOther = OtherDC(m_hDC, m_hAttribDC)) {
        ::SetROP2(hOther, nDrawMode);
    }
    return ::SetROP2(m_hDC, nDrawMode);
}

UINT CDC::GetTextAlign() const
{
    return ::GetTextAlign(m_hAttribDC);
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    if (HDC hOther = OtherDC(m_hDC, m_hAttribDC)) {
        ::SetTextAlign(hOther, nFlags);
    }
    return ::SetTextAlign(m_hDC, nFlags);
}

int CDC::GetClipBox(LPRECT prc) const
{
    return ::GetClipBox(m_hDC, prc);
}

CPoint CDC::GetCurrentPosition() const
{
    CPoint pt;
    ::GetCurrentPositionEx(m_hAttribDC, &pt);
    return pt;
}

CPoint CDC::MoveTo(int x, int y)
{
    if (HDC hOther = OtherDC(m_hDC, m_hAttribDC)) {
        ::MoveToEx(hOther, x, y, nullptr);
    }
    CPoint ptOld;
    ::MoveToEx(m_hDC, x, y, &ptOld);
    return ptOld;
}

BOOL CDC::LineTo(int x, int y)
{
    if (HDC hOther = OtherDC(m_hDC, m_hAttribDC)) {
        ::MoveToEx(hOther, x, y, nullptr);
    }
    return ::LineTo(m_hDC, x, y);
}

BOOL CDC::Polyline(const POINT* pPoints, int nCount)
{
    return ::Polyline(m_hDC, pPoints, nCount);
}

BOOL CDC::Polygon(const POINT* pPoints, int nCount)
{
    return ::Polygon(m_hDC, pPoints, nCount);
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Arc(LPCRECT prc, POINT ptStart, POINT ptEnd)
{
    return Arc(prc->left, prc->top, prc->right, prc->bottom, ptStart.x, ptStart.y, ptEnd.x, ptEnd.y);
}

BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Chord(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::PolyBezier(const POINT* pPoints, int nCount)
{
    return ::PolyBezier(m_hDC, pPoints, static_cast<DWORD>(nCount));
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    return ::Ellipse(m_hDC, x1, y1, x2, y2);
}

void CDC::FrameRect(LPCRECT prc, CBrush* pBrush)
{
    if (pBrush != nullptr) {
        ::FrameRect(m_hDC, prc, *pBrush);
    }
}

void CDC::FillSolidRect(LPCRECT prc, COLORREF crColor)
{
    // An opaque ExtTextOut without text fills in the background colour with no brush to make.
    COLORREF crOld = ::SetBkColor(m_hDC, crColor);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, prc, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, crOld);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor)
{
    RECT rc = {x, y, x + cx, y + cy};
    FillSolidRect(&rc, crColor);
}

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    return ::FillRgn(m_hDC, *pRgn, *pBrush);
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    return ::FrameRgn(m_hDC, *pRgn, *pBrush, nWidth, nHeight);
}

BOOL CDC::InvertRgn(CRgn* pRgn)
{
    return ::InvertRgn(m_hDC, *pRgn);
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

BOOL CDC::FloodFill(int x, int y, COLORREF crColor)
{
    return ::FloodFill(m_hDC, x, y, crColor);
}

BOOL CDC::ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType)
{
    return ::ExtFloodFill(m_hDC, x, y, crColor, nFillType);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    return ::SetPixel(m_hDC, x, y, crColor);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, dwRop);
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush)
{
    if (pBitmap == nullptr || pBitmap->m_hObject == nullptr) {
        return FALSE;
    }
    return ::DrawStateA(m_hDC, pBrush != nullptr ? static_cast<HBRUSH>(pBrush->m_hObject) : nullptr, nullptr,
                        reinterpret_cast<LPARAM>(pBitmap->m_hObject), 0, pt.x, pt.y, size.cx, size.cy,
                        DST_BITMAP | nFlags);
}

BOOL CDC::TextOut(int x, int y, LPCSTR psz, int nCount)
{
    return ::TextOutA(m_hDC, x, y, psz, nCount);
}

int CDC::DrawText(LPCSTR psz, int nCount, LPRECT prc, UINT nFormat)
{
    return ::DrawTextA(m_hDC, psz, nCount, prc, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT prc, UINT nFormat)
{
    return ::DrawTextA(m_hDC, str, str.GetLength(), prc, nFormat);
}

CSize CDC::GetTextExtent(LPCSTR psz, int nCount) const
{
    CSize size;
    ::GetTextExtentPoint32A(m_hAttribDC, psz, nCount, &size);
    return size;
}

CSize CDC::GetTextExtent(const CString& str) const
{
    return GetTextExtent(str, str.GetLength());
}

BOOL CDC::GetTextMetrics(LPTEXTMETRICA pMetrics) const
{
    return ::GetTextMetricsA(m_hAttribDC, pMetrics);
}

void CDC::Draw3dRect(LPCRECT prc, COLORREF crTopLeft, COLORREF crBottomRight)
{
    Draw3dRect(prc->left, prc->top, prc->right - prc->left, prc->bottom - prc->top, crTopLeft, crBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF crTopLeft, COLORREF crBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, crTopLeft);
    FillSolidRect(x, y, 1, cy - 1, crTopLeft);
    FillSolidRect(x + cx, y, -1, cy, crBottomRight);
    FillSolidRect(x, y + cy, cx, -1, crBottomRight);
}

void CDC::FillRect(LPCRECT prc, CBrush* pBrush)
{
    ::FillRect(m_hDC, prc, pBrush != nullptr ? static_cast<HBRUSH>(pBrush->m_hObject) : nullptr);
}

void CDC::DrawFocusRect(LPCRECT prc)
{
    ::DrawFocusRect(m_hDC, prc);
}

BOOL CDC::DrawDragRect(LPCRECT prc, SIZE size, LPCRECT prcLast, SIZE sizeLast)
{
    if (m_hDC == nullptr) {
        return FALSE;
    }
    // The frames differ only where one of them lies: XOR the two regions and invert that once.
    CRgn rgn;
    if (!rgn.CreateRectRgn(0, 0, 0, 0)) {
        return FALSE;
    }
    CRect rcBounds(0, 0, 0, 0);
    const LPCRECT rects[] = {prc, prcLast};
    const SIZE sizes[] = {size, sizeLast};
    for (int i = 0; i < 2; ++i) {
        if (rects[i] == nullptr) {
            continue;
        }
        CRect rcDevice(*rects[i]);
        ::LPtoDP(m_hDC, reinterpret_cast<LPPOINT>(&rcDevice), 2);
        rcDevice.NormalizeRect();
        if (!XorFrame(rgn, rcDevice, sizes[i])) {
            return FALSE;
        }
        CRect rcLogical(*rects[i]);
        rcLogical.NormalizeRect();
        rcBounds.UnionRect(&rcBounds, &rcLogical);
    }
    if (rcBounds.IsRectEmpty()) {
        return TRUE;
    }
    // An 8 by 8 checker: half the pixels inverted. A monochrome pattern takes the text colour
    // for its 0 bits and the background colour for its 1 bits: black keeps, white inverts.
    static const WORD checker[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    CBitmap pattern;
    CBrush brush;
    if (!pattern.Attach(::CreateBitmap(8, 8, 1, 1, checker)) ||
        !brush.Attach(::CreatePatternBrush(static_cast<HBITMAP>(pattern.m_hObject)))) {
        return FALSE;
    }
    const int nSaved = ::SaveDC(m_hDC);
    if (nSaved == 0) {
        return FALSE;
    }
    ::ExtSelectClipRgn(m_hDC, static_cast<HRGN>(rgn.m_hObject), RGN_AND);
    ::SetTextColor(m_hDC, RGB(0, 0, 0));
    ::SetBkColor(m_hDC, RGB(255, 255, 255));
    ::SelectObject(m_hDC, brush.m_hObject);
    const BOOL bDone = ::PatBlt(m_hDC, rcBounds.left, rcBounds.top, rcBounds.Width(), rcBounds.Height(), PATINVERT);
    // RestoreDC selects the old brush back before the brush is deleted.
    ::RestoreDC(m_hDC, nSaved);
    return bDone;
}

BOOL CDC::DrawEdge(LPRECT prc, UINT nEdge, UINT nFlags)
{
    return ::DrawEdge(m_hDC, prc, nEdge, nFlags);
}

BOOL CDC::DrawFrameControl(LPRECT prc, UINT nType, UINT nState)
{
    return ::DrawFrameControl(m_hDC, prc, nType, nState);
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    return ::DrawIconEx(m_hDC, x, y, hIcon, 0, 0, 0, nullptr, DI_NORMAL);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, nSrcWidth,
                        nSrcHeight, dwRop);
}

HPALETTE CDC::SelectPalette(HPALETTE hPalette, BOOL bForceBackground)
{
    return ::SelectPalette(m_hDC, hPalette, bForceBackground);
}

UINT CDC::RealizePalette()
{
    return ::RealizePalette(m_hDC);
}
