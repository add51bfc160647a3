// A dialog whose controls follow its right and bottom edges as it is resized, with a size grip,
// its creation size as minimum, and its last size kept in the application profile.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/DWordArray.h"
#include "platform/win/Dialog.h"

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

    // Flags 0 are not stored; a control given twice moves twice.
    void SetControlInfo(WORD nControlId, WORD nAnchors);
    void SetRememberSize(BOOL bRemember) { m_bRememberSize = bRemember; }
    void SetMinSize(BOOL bMinSize) { m_bMinSize = bMinSize; }
    // The profile section: the template id in lower-case hexadecimal.
    virtual void GetDialogProfileEntry(CString& strSection);

    const CDWordArray& GetControlInfo() const { return m_arrControls; }
    BOOL IsResized() const { return m_bResized; }
    CSize GetMinTrackSize() const { return CSize(m_nMinWidth, m_nMinHeight); }

    BOOL OnInitDialog() override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnDestroy() override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;

protected:
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()

protected:
    BOOL m_bRememberSize;
    BOOL m_bMinSize;
    BOOL m_bGrip;
    int m_nMinWidth;
    int m_nMinHeight;
    int m_nLastWidth;
    int m_nLastHeight;
    BOOL m_bResized;
    CDWordArray m_arrControls;
    UINT m_nTemplateId;
    CRect m_rectGrip;

private:
    CSize GripSize() const;
};
