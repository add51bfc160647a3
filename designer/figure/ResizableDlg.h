// A dialog the user may resize: registered controls follow the right and bottom edges, the size
// never drops below the created one, a grip marks the corner and the last size is kept in the
// application profile.
#pragma once

#include "platform/base/DWordArray.h"
#include "platform/base/Rect.h"
#include "platform/base/String.h"
#include "platform/win/Dialog.h"

class CDC;
class CRgn;

// Fills rgn (client coordinates of hDlg) less the dialog's visible controls with the face colour.
void FillFaceAroundControls(HWND hDlg, CDC* pDC, CRgn& rgn);

class CResizableDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CResizableDlg)

public:
    // Anchor flags: a stretch flag takes the place of the move flag of the same edge.
    enum {
        anchorRight = 1,
        anchorBottom = 2,
        stretchRight = 4,
        stretchBottom = 8,
    };

    explicit CResizableDlg(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Flags 0 (in the low 16 bits) are not stored.
    void AddAnchor(UINT nID, UINT nFlags);
    // The profile section of the size; the template id in hexadecimal ("13b8" for 5048).
    virtual void GetProfileSection(CString& strSection) const;

    BOOL OnInitDialog() override;

    int m_bSaveSize;
    int m_bMinSize;
    int m_bSizeGrip;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnDestroy() override;
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()

protected:
    int m_cxMin;
    int m_cyMin;
    int m_cxLast;
    int m_cyLast;
    int m_bResized;
    // Control id in the low word, anchor flags in the high word.
    CDWordArray m_arrLayout;
    UINT m_nIDTemplate;
    CRect m_rcGrip;

private:
    void MoveAnchored(int dx, int dy);
    void ApplySavedSize();
    // The size read from the profile at initialisation, applied once the derived dialog has
    // registered its anchors.
    int m_cxSaved;
    int m_cySaved;
    BOOL m_bRestoring;
};
