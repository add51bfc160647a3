// Draws the figures of a figure text at a chosen scale, with optional axes.
#pragma once

#include "platform/base/ObList.h"
#include "platform/base/Rect.h"
#include "platform/base/String.h"
#include "platform/win/Dialog.h"

class CDC;

class CSgePreviewDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CSgePreviewDlg)

public:
    explicit CSgePreviewDlg(CWnd* pParentWnd = nullptr);
    ~CSgePreviewDlg() override;
    CSgePreviewDlg(const CSgePreviewDlg&) = delete;
    CSgePreviewDlg& operator=(const CSgePreviewDlg&) = delete;

    void SetSgeText(const CString& strText) { m_strSgeText = strText; }

    // Empties the list, then makes a figure of every line that is neither blank nor an "'"
    // comment. At the first refused line: 0, the reason in strError and the list emptied again.
    static int BuildFigureList(const CString& strText, CObList& listSGE, CString& strError, int nMode);
    // Deletes the figures.
    static void FreeFigureList(CObList& listSGE);
    // The axis colour of a "r,g,b" text; 0xFFFFFF (no axes) when it is empty, malformed or out
    // of range.
    static COLORREF ParseAxisColor(const CString& strText);
    // The scale of a decimal text; FALSE when it is not a number greater than 0 that the mapping
    // can hold.
    static BOOL ParseScale(const CString& strText, double& dScale);

    // The framed drawing area of a client rectangle: 10 pixels in at the sides and bottom, 40 at
    // the top.
    static CRect DrawingArea(const CRect& rcClient);
    // The area, the figures and the axes, for a client rectangle of the given size.
    void DrawPreview(CDC* pDC, const CRect& rcClient);
    double GetScale() const { return m_dScale; }

    BOOL OnInitDialog() override;

    CString m_strSgeText;
    CObList m_listSGE;
    COLORREF m_crAxis;
    int m_bMirror;

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnRefresh();
    void RedrawAll();

    FX_DECLARE_MESSAGE_MAP()

private:
    // The last scale that read as a positive number: a bad text keeps it.
    double m_dScale;
};
