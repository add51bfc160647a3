// A larger special-symbol edit for the text of one card cell, with buttons that insert
// engineering notation. The dialog is resizable: the edit follows its size.
#pragma once

#include "common/KvHotButton.h"
#include "platform/base/Rect.h"
#include "platform/win/Dialog.h"
#include "work/VornWorkExport.h"

class CGlyphworkEdit;

class VORNWORK_API CSpecCharDlg : public CDialog
{
public:
    // The notation buttons, in their row order.
    enum { idFirstButton = 1001, buttonCount = 6 };
    enum { idEditCtrl = 0x2187 };

    explicit CSpecCharDlg(CWnd* pParent = nullptr);
    ~CSpecCharDlg() override;
    CSpecCharDlg(const CSpecCharDlg&) = delete;
    CSpecCharDlg& operator=(const CSpecCharDlg&) = delete;

    CGlyphworkEdit* GetEditCtrl() const { return m_pEdit; }

    // Set by the caller before the dialog runs; m_strText holds the result afterwards.
    CString m_strText;
    LOGFONTA m_lfFont;
    COLORREF m_crText;
    int m_nFormat;
    int m_nAlign;
    int m_nCellHeight; // screen pixels
    int m_nCellWidth;  // screen pixels; 0: the template's width
    int m_bAutoSize;   // only the height can change

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnPaint() override;
    void OnDestroy() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateEditCtrl(const CRect& rc);
    // Takes a modified edit's text, then destroys the edit.
    void ReleaseEditCtrl();
    void MoveItemBy(int nID, int dx, int dy, int dWidth);

    CGlyphworkEdit* m_pEdit;
    CRect m_rcEdit;
    CSize m_sizeMin;
    CSize m_sizeLast;
    CRect m_rcGrip;
    CKvHotButton m_buttons[buttonCount];

    FX_DECLARE_MESSAGE_MAP()
};
