// The symbol library's name for the resizable dialog: anchored controls follow its edges when the
// user sizes it; it draws a size grip, never gets smaller than its template and reopens at the
// size it was closed at.
#pragma once

#include "common/KvResizDlg.h"
#include "symbols/GlyphworkExport.h"

class GLYPHWORK_API ResizableDialog : public CKvResizDlg
{
public:
    // Anchor flags; stretching takes precedence over moving the same edge.
    enum {
        anchorMoveRight = KVRD_MOVE_RIGHT,
        anchorMoveDown = KVRD_MOVE_DOWN,
        anchorStretchRight = KVRD_STRETCH_WIDTH,
        anchorStretchDown = KVRD_STRETCH_HEIGHT,
    };

    explicit ResizableDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr) : CKvResizDlg(nIDTemplate, pParentWnd) {}

    // The profile section that keeps the size: the template id in hexadecimal ("66" for 102).
    CString GetProfileSection() const { return TemplateSection(); }
};
