// The display base of the card report control: a control that shows a page of a given size at a
// zoom factor, scrolled, with scroll bars allowed by style bits; it zooms by command, by a click or
// a dragged rectangle, pans with the mouse, and maps screen and printer DCs to the page. The
// factor is device pixels per logical unit.
#pragma once

#include "control/VornCtlExport.h"
#include "platform/base/Point.h"
#include "platform/base/Rect.h"
#include "platform/base/Size.h"
#include "platform/ole/OleControl.h"

class CPrintInfo;

class VORNCTL_API CZoomOleControl : public COleControl
{
public:
    // Style bits: which scroll bars the display may show.
    enum { styleHScroll = 0x2, styleVScroll = 0x8 };
    // Print style bits: fit the page to the printable area, centre it on the paper, subtract the
    // printer's physical offset.
    enum { printFit = 0x1, printCentre = 0x2, printOffset = 0x4 };
    // Mouse tools.
    enum { toolNone = 0, toolZoomIn = 1, toolZoomOut = 2, toolZoomRect = 3, toolPan = 4 };
    // Zoom modes: fixed (no scroll offset), free zoom, fit to the window.
    enum { zoomFixed = 1, zoomFree = 2, zoomFit = 3 };

    CZoomOleControl();
    ~CZoomOleControl() override;

    int GetZoomMode() const { return m_nZoomMode; }
    void SetZoomMode(int nMode) { m_nZoomMode = nMode; }
    double GetZoomFactor() const { return m_dZoom; }
    CSize GetPageSize() const { return m_sizePage; }
    CSize GetScaledSize() const { return m_sizeScaled; }
    int GetMapMode() const { return m_nMapMode; }
    // The page in logical units; zero sizes become 1, zero steps a tenth of the size.
    void SetPageSize(int nMapMode, const CSize& sizePage, const CSize& sizePageStep = CSize(0, 0),
                     const CSize& sizeLineStep = CSize(0, 0));
    void SetScaledSize(const CSize& sizeScaled) { m_sizeScaled = sizeScaled; }
    // Device pixels of the scaled page at the window's top-left corner.
    CPoint GetScrollPosition() const { return m_ptScroll; }
    DWORD GetDisplayStyle() const { return m_dwDisplayStyle; }
    // A bar the style no longer allows goes back to 0 and is hidden.
    void SetDisplayStyle(DWORD dwStyle);
    DWORD GetPrintStyle() const { return m_dwPrintStyle; }
    void SetPrintStyle(DWORD dwStyle) { m_dwPrintStyle = dwStyle; }
    int GetTool() const { return m_nTool; }
    void SetTool(int nTool);

    // Called by SetZoom before it takes a factor outside the limits; the factor is taken anyway.
    virtual void OnZoomLimit() {}
    // Takes the factor, rescales the page and centres the view on ptCentre (logical), or without
    // one on the logical point at the window's centre.
    virtual void SetZoom(double dZoom, const CPoint* pptCentre = nullptr);
    // Free zoom only; the view stays centred on the window's centre.
    virtual void ZoomMultiply(double dFactor);
    // Fits the rectangle (logical) into the window, in free zoom; an empty one does nothing.
    virtual void ZoomToRect(CRect rcZoom);
    virtual void ZoomDivide(double dFactor);
    // Factor 1.0 centred on a logical point, in free zoom.
    virtual void ZoomOne(const CPoint& ptCentre);
    // The whole page in the window, in fit mode.
    virtual void ZoomFit();
    virtual void ZoomPercent(int nPercent);
    // Screen (pInfo null and no printer DC): the page at the zoom factor, scrolled or centred.
    // Printer: fitted to the printable area (printFit) or at real size, with printCentre and
    // printOffset applied.
    virtual void PrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);

    // Scroll positions the bars allow, in device pixels.
    CPoint GetScrollLimit() const;
    void ScrollTo(CPoint ptScroll);

    // The file print jobs are written to; empty: the printer's own port.
    CString m_strPrintOutput;
    // The smallest and largest zoom factor; -1.0: no limit on that side.
    float m_fMinZoom;
    float m_fMaxZoom;

protected:
    // The window's client size; the last drawn bounds while there is no window.
    CSize GetViewSize() const;
    // Shows the bars the style allows and the page needs, with their ranges and the position
    // (pptScroll, else the present one, kept within the limits).
    void UpdateScrollBars(const CPoint* pptScroll = nullptr);
    // A DC for the application's printer, else the system's default printer; FALSE without one.
    static BOOL CreateDefaultPrinterDC(CDC& dcPrint);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnRButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;

    // Pixels per logical unit of the real size; the derived control sets it on its first paint.
    double m_dPixelsPerUnit;
    CSize m_sizeView;

private:
    CPoint ClampScroll(CPoint ptScroll) const;
    void OnScroll(int nBar, UINT nCode);
    BOOL OnSetCursor();
    // Dotted, in the not-XOR mode: drawing it twice restores the screen.
    void DrawRubberBand();
    CPoint ClientToLogical(CPoint point);

    HCURSOR m_hPanCursor;
    HCURSOR m_hPanDragCursor;
    HCURSOR m_hZoomCursor;
    int m_nTool;
    BOOL m_bTracking;
    // Client pixels while dragging.
    CRect m_rcRubber;
    CPoint m_ptPanAnchor;
    int m_nZoomMode;
    CSize m_sizePage;
    CSize m_sizePageStep;
    CSize m_sizeLineStep;
    CSize m_sizeScaled;
    double m_dZoom;
    BOOL m_bCentre;
    int m_nMapMode;
    DWORD m_dwPrintStyle;
    DWORD m_dwDisplayStyle;
    BOOL m_bInsideUpdate;
    CPoint m_ptScroll;
};
