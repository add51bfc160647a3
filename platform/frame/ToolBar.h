// A control bar of command buttons over the common tool bar control: images from one bitmap
// strip, commands from a list (ID_SEPARATOR for a gap), wrapping to the side it docks on, button
// states from command-UI handlers on idle, tool tips and fly-by prompts from string resources.
#pragma once

#include "platform/frame/ControlBar.h"
#include "platform/frame/FrameIds.h"

// A button's style word: the control's style in the low word, its state in the high word (with
// the enabled state turned into "disabled").
#define TBBS_BUTTON 0x0000
#define TBBS_SEPARATOR 0x0001
#define TBBS_CHECKBOX 0x0002
#define TBBS_GROUP 0x0004
#define TBBS_CHECKGROUP (TBBS_GROUP | TBBS_CHECKBOX)
#define TBBS_CHECKED 0x00010000
#define TBBS_PRESSED 0x00020000
#define TBBS_DISABLED 0x00040000
#define TBBS_HIDDEN 0x00080000
#define TBBS_INDETERMINATE 0x00100000
#define TBBS_WRAPPED 0x00200000

class FX_API CToolBar : public CControlBar
{
    FX_DECLARE_DYNAMIC(CToolBar)

public:
    CToolBar();
    ~CToolBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = FX_IDW_TOOLBAR);
    // dwCtrlStyle: the control's own TBSTYLE_ bits.
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                  UINT nID = FX_IDW_TOOLBAR);

    // Button and image sizes (before the bitmap and buttons are set).
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    // The image strip: a bitmap resource (found along the resource chain, button colours mapped
    // to the system's) or a bitmap the bar takes over.
    BOOL LoadBitmap(UINT nIDResource);
    BOOL SetBitmap(HBITMAP hbmImageWell);
    // Buttons for the commands in order; an ID_SEPARATOR makes a gap. Images follow in order.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);

    int GetCount() const;
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // The control paints and tracks its buttons itself.
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // Sets the wrap states for the mode and gives the bar's size.
    CSize CalcLayout(DWORD dwMode, int nLength);
    void WrapToWidth(int nWidth);
    void SetWrapAll(BOOL bWrap);
    CSize ButtonExtent() const;
    int ButtonHitTest(CPoint point) const;
    void DrawNonClient();

    HBITMAP m_hbmImageWell;
    CSize m_sizeButton;
    CSize m_sizeImage;
};
