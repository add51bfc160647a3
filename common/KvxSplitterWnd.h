// A static control of a dialog turned into a splitter bar dragged left and right: the controls
// attached on either side follow it, moving with it or stretching.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/DWordArray.h"
#include "platform/base/UIntArray.h"
#include "platform/win/Wnd.h"

// Sent to the parent after a drag moved the bar: wParam the offset in pixels, lParam the bar's id.
#define WM_KV_SPLITTER_MOVED 2024

class KVCOMM_API CKvxSplitterWnd : public CWnd
{
    FX_DECLARE_DYNAMIC(CKvxSplitterWnd)

public:
    CKvxSplitterWnd();
    ~CKvxSplitterWnd() override;

    BOOL BindWithControl(CWnd* pParent, DWORD dwControlId);
    void Unbind();
    BOOL AttachAsLeftPane(DWORD dwControlId, int nStretch);
    BOOL AttachAsRightPane(DWORD dwControlId, int nStretch);
    BOOL DetachAllPanes();
    void SetMinWidth(int nLeft, int nRight);
    void RecalcLayout();

    // Screen rectangle the cursor is confined to for a press at point (client of the bar); FALSE
    // when the parent leaves no room between the minimum sizes.
    BOOL GetMouseClipRect(RECT* pClip, CPoint point);

    void OnLButtonDown(UINT nFlags, CPoint point) override;

protected:
    // The twin for up and down swaps the axes.
    explicit CKvxSplitterWnd(BOOL bVertical);
    BOOL AttachPane(BOOL bNear, DWORD dwControlId, int nStretch);

    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()

    CWnd* m_pParent;
    CDWordArray m_paneLeft;
    CDWordArray m_paneRight;
    CUIntArray m_gapLeft;
    CUIntArray m_gapRight;
    CUIntArray m_stretchLeft;
    CUIntArray m_stretchRight;
    int m_nMinLeft;
    int m_nMinRight;
    const BOOL m_bVertical;
};
