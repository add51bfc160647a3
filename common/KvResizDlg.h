// A dialog whose controls follow its right and bottom edges as it is resized, with a size grip,
// its creation size as minimum, and its last size kept in the application profile. The resizable
// dialogs of every library stand on it.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/DWordArray.h"
#include "platform/win/Dialog.h"

class CRgn;

// Anchor flags of a control.
#define KVRD_MOVE_RIGHT 0x1
#define KVRD_MOVE_DOWN 0x2
#define KVRD_STRETCH_WIDTH 0x4
#define KVRD_STRETCH_HEIGHT 0x8

class KVCOMM_API CKvResizDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CKvResizDlg)

public:
    explicit CKvResizDlg(UINT nIDTemplate, CWnd* pParent = nullptr);

    // Flags 0 are not stored; a control given twice moves twice. A control given once the
    // dialog has grown from its template size is moved by that growth at once.
    void SetControlInfo(WORD nControlId, WORD nAnchors);
    // The same for flags given in the low 16 bits.
    void AddAnchor(UINT nID, UINT nFlags) { SetControlInfo(LOWORD(nID), LOWORD(nFlags)); }
    void SetRememberSize(BOOL bRemember) { m_bSaveSize = bRemember; }
    void SetMinSize(BOOL bMinSize) { m_bMinSize = bMinSize; }
    // The profile section: the template id in lower-case hexadecimal.
    virtual void GetDialogProfileEntry(CString& strSection);

    const CDWordArray& GetControlInfo() const { return m_arrLayout; }
    BOOL IsResized() const { return m_bResized; }
    CSize GetMinTrackSize() const { return CSize(m_nMinWidth, m_nMinHeight); }

    // Fills rgn (client coordinates of hDlg) with the face colour, less the visible children
    // that paint their whole rectangle; frames and group boxes are erased inside.
    static void FillFaceAroundControls(HWND hDlg, CDC* pDC, CRgn& rgn);

    BOOL OnInitDialog() override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnDestroy() override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;

    int m_bSaveSize;
    int m_bMinSize;
    int m_bSizeGrip;

protected:
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    CString TemplateSection() const;

    FX_DECLARE_MESSAGE_MAP()

protected:
    int m_nMinWidth;
    int m_nMinHeight;
    int m_nLastWidth;
    int m_nLastHeight;
    BOOL m_bResized;
    // Control id in the low word, anchor flags in the high word.
    CDWordArray m_arrLayout;
    UINT m_nTemplateId;
    CRect m_rectGrip;

private:
    void MoveControl(DWORD dwEntry, int dx, int dy);
    // The client size the template gave, from which late anchors are moved.
    int m_nInitWidth;
    int m_nInitHeight;
    // Restoring the stored size is not the user's resize.
    BOOL m_bRestoring;
};
