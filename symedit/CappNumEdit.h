// One-line in-place editor of numeric card cells; its static entries draw numeric cell text.
#pragma once

#include "platform/base/Point.h"
#include "platform/base/Rect.h"
#include "platform/base/String.h"
#include "platform/gdi/Font.h"
#include "platform/win/Edit.h"
#include "symedit/CappBaseCtrl.h"
#include "symedit/MarkwellExport.h"

class CDC;

class MARKWELL_API CCappNumEdit : public CEdit, public CCappBaseCtrl
{
public:
    // Creates the edit window over the cell; a host makes the control with new, and the window's
    // destruction deletes it.
    CCappNumEdit(CWnd* pParent, CRect& rect, LOGFONT font, UINT nID, CString strText, int nSelectAll, UINT nAlign,
                 float fScale, CPoint point);
    ~CCappNumEdit() override;

    void SetValue(double dValue);
    // The leading number of the text, 0 when there is none.
    double GetValue();
    // A whole number as the character filter lets it be typed, complete (not ending in a sign, an
    // exponent or a point) and without a leading zero before a digit.
    static BOOL IsNumberVal(CString strText);
    // Whether the filter takes the character typed at nCaret into strText.
    static BOOL IsCharAccepted(const CString& strText, int nCaret, UINT nChar);
    static void GetMyLogFont(LOGFONT& lf, int nHeight, int nWidth);
    void SetNumEditFont();
    void GetTextAutoSize(LOGFONT& lf);

    void SetWndFocurs() override;
    BOOL CanUndoEx() override;
    void OnCopy() override;
    void OnPaste() override;
    void OnCut() override;
    void OnUndo() override;
    // Clears the text and inserts the number the text starts with, as "%f"; text holding no number
    // leaves the control unchanged.
    void Paste(CString strText) override;
    // Clears the text and inserts it only when IsNumberVal accepts it.
    void Replace(CString strText) override;
    void GetSelData(CString& strOut) override;
    void GetData(CString& strOut) override;
    void GetRowData(CString& strOut, int nRow) override;
    void DestroyEdit() override;

    // nFlags bit 0x2: make the font height positive and narrow the font to fit rect.
    static void DrawData(CDC* pDC, CRect rect, CString strText, LOGFONT font, UINT nFormat, int nFlags,
                         COLORREF crColor);
    // Narrows the character width until the text fits the rectangle's width, measured on the DC.
    static void GetTextAutoSize(CDC* pDC, CRect rect, CString strText, LOGFONT& font);

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    CFont m_font;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

private:
    void ReplaceAll(const CString& strText);
    BOOL m_bAutoDelete = FALSE;
};
