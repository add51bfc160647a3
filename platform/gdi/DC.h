// A device context: owner of an HDC (or a view of one) with the GDI calls as members.
#pragma once

#include "platform/base/Object.h"
#include "platform/base/Rect.h"
#include "platform/base/String.h"

class CGdiObject;
class CPen;
class CBrush;
class CFont;
class CBitmap;
class CRgn;

// Two handles, as printing needs: drawing goes to m_hDC, questions (metrics, extents, caps)
// go to m_hAttribDC, and state changes (mapping, selections, colours) go to both. Outside print
// preview both are the same handle.
class FX_API CDC : public CObject
{
    FX_DECLARE_DYNCREATE(CDC)

public:
    CDC() = default;
    // Deletes the DC it owns (created or attached); a view (FromHandle, a wrapper standing in for
    // another DC) never deletes or releases its handles.
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A view kept until FxDeleteTempMaps; null for null.
    static CDC* FromHandle(HDC hDC);

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    BOOL IsPrinting() const { return m_bPrinting; }

    // Takes ownership of hDC for both roles; FALSE when a DC is held already or hDC is null.
    BOOL Attach(HDC hDC);
    HDC Detach();
    // FALSE, and the handles kept, for a view: only the owner deletes.
    BOOL DeleteDC();
    BOOL CreateIC(LPCSTR pszDriverName, LPCSTR pszDeviceName, LPCSTR pszOutput, const DEVMODEA* pInitData);
    // Null pDC: compatible with the screen.
    BOOL CreateCompatibleDC(CDC* pDC);

    int SaveDC();
    BOOL RestoreDC(int nSavedDC);
    // Virtual so that a wrapper or a test device can answer for another device.
    virtual int GetDeviceCaps(int nIndex) const;

    // Printing: the spooler calls go to the drawing DC only. StartDoc answers the job id, or a
    // value <= 0 when the device refuses the document (no printer, not a printer DC).
    int StartDoc(LPCSTR pszDocName, LPCSTR pszOutput = nullptr);
    int StartPage();
    int EndPage();
    int EndDoc();
    int AbortDoc();
    int SetAbortProc(ABORTPROC pfnAbort);

    // Mapping
    int GetMapMode() const;
    int SetMapMode(int nMapMode);
    CPoint GetWindowOrg() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT pt) { return SetWindowOrg(pt.x, pt.y); }
    CPoint OffsetWindowOrg(int nWidth, int nHeight);
    CSize GetWindowExt() const;
    CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT pt) { return SetViewportOrg(pt.x, pt.y); }
    CSize GetViewportExt() const;
    CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }
    void LPtoDP(LPPOINT pPoints, int nCount = 1) const;
    void LPtoDP(LPRECT prc) const;
    // A size maps as the distance between (0, 0) and (cx, cy).
    void LPtoDP(LPSIZE pSize) const;
    void DPtoLP(LPPOINT pPoints, int nCount = 1) const;
    void DPtoLP(LPRECT prc) const;
    void DPtoLP(LPSIZE pSize) const;

    // Selections return a view of the object they replaced (see FromHandle), null on failure.
    CGdiObject* SelectStockObject(int nIndex);
    // A region given here is copied into the clip region as well, and answers null.
    CGdiObject* SelectObject(CGdiObject* pObject);
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);
    // A region is copied into the clip region: the result is the region kind, or ERROR.
    int SelectObject(CRgn* pRgn);
    CPen* GetCurrentPen() const;
    CFont* GetCurrentFont() const;

    // Colours and modes
    COLORREF GetTextColor() const;
    COLORREF SetTextColor(COLORREF crColor);
    COLORREF GetBkColor() const;
    COLORREF SetBkColor(COLORREF crColor);
    int GetBkMode() const;
    int SetBkMode(int nBkMode);
    int SetROP2(int nDrawMode);
    UINT GetTextAlign() const;
    UINT SetTextAlign(UINT nFlags);

    // Clipping
    int GetClipBox(LPRECT prc) const;

    // Lines and shapes
    CPoint GetCurrentPosition() const;
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT pt) { return MoveTo(pt.x, pt.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT pt) { return LineTo(pt.x, pt.y); }
    BOOL Polyline(const POINT* pPoints, int nCount);
    BOOL Polygon(const POINT* pPoints, int nCount);
    BOOL Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Arc(LPCRECT prc, POINT ptStart, POINT ptEnd);
    BOOL Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL PolyBezier(const POINT* pPoints, int nCount);
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT prc) { return Rectangle(prc->left, prc->top, prc->right, prc->bottom); }
    BOOL RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    BOOL Ellipse(LPCRECT prc) { return Ellipse(prc->left, prc->top, prc->right, prc->bottom); }
    void FrameRect(LPCRECT prc, CBrush* pBrush);
    // Fills with the colour and leaves the background colour as it was.
    void FillSolidRect(LPCRECT prc, COLORREF crColor);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor);
    // Regions in logical units.
    BOOL FillRgn(CRgn* pRgn, CBrush* pBrush);
    BOOL FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight);
    BOOL InvertRgn(CRgn* pRgn);
    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);
    BOOL FloodFill(int x, int y, COLORREF crColor);
    BOOL ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType);
    COLORREF SetPixel(int x, int y, COLORREF crColor);

    // Bitmaps
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    // A bitmap as a state image (DST_BITMAP with the DSS_ flags in nFlags), clipped to size.
    BOOL DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush = nullptr);

    // Edges, frames and pictures the controls draw.
    void Draw3dRect(LPCRECT prc, COLORREF crTopLeft, COLORREF crBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF crTopLeft, COLORREF crBottomRight);
    void FillRect(LPCRECT prc, CBrush* pBrush);
    void DrawFocusRect(LPCRECT prc);
    // A tracking frame: the frame of prc, size thick, XORed in with a halftone pattern while the
    // frame of prcLast (drawn the same way before) is XORed out, in one pass so nothing flickers.
    // Null prc only erases, null prcLast only draws; a rectangle thinner than twice its frame is
    // filled whole.
    BOOL DrawDragRect(LPCRECT prc, SIZE size, LPCRECT prcLast, SIZE sizeLast);
    BOOL DrawEdge(LPRECT prc, UINT nEdge, UINT nFlags);
    BOOL DrawFrameControl(LPRECT prc, UINT nType, UINT nState);
    BOOL DrawIcon(int x, int y, HICON hIcon);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                    int nSrcHeight, DWORD dwRop);
    // The palette's previous occupant, for selecting back; null on failure.
    HPALETTE SelectPalette(HPALETTE hPalette, BOOL bForceBackground);
    UINT RealizePalette();
    // Text (GBK bytes)
    BOOL TextOut(int x, int y, LPCSTR psz, int nCount);
    BOOL TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }
    // DrawText's result: the text height, 0 on failure; DT_CALCRECT writes the rectangle.
    int DrawText(LPCSTR psz, int nCount, LPRECT prc, UINT nFormat);
    int DrawText(const CString& str, LPRECT prc, UINT nFormat);
    CSize GetTextExtent(LPCSTR psz, int nCount) const;
    CSize GetTextExtent(const CString& str) const;
    BOOL GetTextMetrics(LPTEXTMETRICA pMetrics) const;

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;
    BOOL m_bPrinting = FALSE;

protected:
    // Names another DC's handles without owning them; FALSE when a DC is held already or hDC is null.
    BOOL AttachView(HDC hDC, HDC hAttribDC);

private:
    HGDIOBJ SelectHandle(HGDIOBJ hObject);

    BOOL m_bOwner = FALSE;
};
