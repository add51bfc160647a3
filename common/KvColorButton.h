// A colour swatch button with a drop-down arrow: a click opens a colour pop-up under it, and the
// chosen colour goes to the parent as WM_USER + 301 (wParam the control id, lParam the colour).
#pragma once

#include "common/KvOwnerDrawButton.h"
#include "platform/gdi/Palette.h"

class CKvPopupColorBar;

class KVCOMM_API CKvColorButton : public CKvOwnerDrawButton
{
    FX_DECLARE_DYNAMIC(CKvColorButton)

public:
    CKvColorButton();
    ~CKvColorButton() override;

    void SetColor(COLORREF crColor);
    COLORREF GetColor() const;
    // Takes the pop-up over and deletes the previous one.
    void SetPopup(CKvPopupColorBar* pPopup);
    CKvPopupColorBar* GetPopup() const { return m_pPopup; }
    void SetOtherButton(BOOL bOther) { m_bOtherButton = bOther; }
    BOOL GetOtherButton() const { return m_bOtherButton; }
    void SetPaletteRealization(BOOL bRealize) { m_bPaletteRealization = bRealize; }
    BOOL GetPaletteRealization() const { return m_bPaletteRealization; }

    void OnBnClicked() override;

    virtual BOOL CreatePalette();
    virtual BOOL CreatePopup();
    virtual DWORD GetColorDialogFlags() const;

protected:
    LRESULT OnColorChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnCustomColor(WPARAM wParam, LPARAM lParam);

    void PreDrawButton(CDC* pDC, CDC* pMemDC) override;
    void PostDrawButton(CDC* pDC, CDC* pMemDC) override;
    void DrawFocus(CDC* pDC, CRect rect) override;
    void DrawSpecific(CDC* pDC, LPDRAWITEMSTRUCT lpDis, CRect rcInner) override;

    FX_DECLARE_MESSAGE_MAP()

protected:
    CKvPopupColorBar* m_pPopup;
    CPalette m_palColor;
    HPALETTE m_hOldPal;
    HPALETTE m_hOldMemPal;
    BOOL m_bPaletteRealization;
    BOOL m_bOtherButton;
};
