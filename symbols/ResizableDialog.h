// A dialog whose anchored controls follow its edges when the user sizes it; it draws a size grip,
// never gets smaller than its template and reopens at the size it was closed at.
#pragma once

#include "platform/base/DWordArray.h"
#include "platform/base/Rect.h"
#include "platform/win/Dialog.h"
#include "symbols/GlyphworkExport.h"

class GLYPHWORK_API ResizableDialog : public CDialog
{
public:
    // Anchor flags; stretching takes precedence over moving the same edge.
    enum {
        anchorMoveRight = 1,
        anchorMoveDown = 2,
        anchorStretchRight = 4,
        anchorStretchDown = 8,
    };

    explicit ResizableDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Flags 0 add nothing.
    void AddAnchor(UINT nID, UINT nFlags);

    BOOL OnInitDialog() override;

    int m_bSaveSize = 1;
    int m_bMinSize = 1;
    int m_bSizeGrip = 1;
    int m_cxMinTrack = 0;
    int m_cyMinTrack = 0;
    int m_cxLast = 0;
    int m_cyLast = 0;
    int m_bSized = 0;
    CDWordArray m_arrAnchor; // control id in the low word, flags in the high word
    UINT m_nIDDialog;
    CRect m_rcGrip;

    // The profile section that keeps the size: the template id in hexadecimal ("66" for 102).
    CString GetProfileSection() const;

protected:
    void OnSize(UINT nType, int cx, int cy) override;
    void OnPaint() override;
    void OnDestroy() override;
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()
};
