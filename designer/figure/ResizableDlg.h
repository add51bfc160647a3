// The designer's name for the resizable dialog: registered controls follow the right and bottom
// edges, the size never drops below the created one, a grip marks the corner and the last size
// is kept in the application profile.
#pragma once

#include "common/KvResizDlg.h"

class CResizableDlg : public CKvResizDlg
{
    FX_DECLARE_DYNAMIC(CResizableDlg)

public:
    // Anchor flags: a stretch flag takes the place of the move flag of the same edge.
    enum {
        anchorRight = KVRD_MOVE_RIGHT,
        anchorBottom = KVRD_MOVE_DOWN,
        stretchRight = KVRD_STRETCH_WIDTH,
        stretchBottom = KVRD_STRETCH_HEIGHT,
    };

    explicit CResizableDlg(UINT nIDTemplate, CWnd* pParentWnd = nullptr) : CKvResizDlg(nIDTemplate, pParentWnd) {}

    // The profile section of the size; the template id in hexadecimal ("13b8" for 5048).
    virtual void GetProfileSection(CString& strSection) const { strSection = TemplateSection(); }

protected:
    void GetDialogProfileEntry(CString& strSection) override { GetProfileSection(strSection); }
};

// Fills rgn (client coordinates of hDlg) less the dialog's visible controls with the face colour.
inline void FillFaceAroundControls(HWND hDlg, CDC* pDC, CRgn& rgn)
{
    CKvResizDlg::FillFaceAroundControls(hDlg, pDC, rgn);
}
