// One character button of the special-character palette: owner-drawn in greys, raised under the
// mouse, sunken while pressed; its context menu sets the character it shows.
#pragma once

#include "platform/win/Button.h"
#include "symbols/GlyphworkExport.h"

// Sent by a button to the palette.
#define WM_SYMBOL_UNSELECTALL 0x697
#define WM_SYMBOL_RETURN 0x698
#define WM_SYMBOL_CHANGED 0x699

class GLYPHWORK_API CSymbolBn : public CButton
{
public:
    CSymbolBn();

    int m_bHover;   // the mouse is over the button
    int m_bPressed; // pressed with the left button while it showed a character
    CString m_strText;
    int m_bChanged; // the user gave the button a new character

    // Shows the text, unpressed and not hovered.
    void SetText(const CString& strText);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // The character-input dialog on the button's text; on OK the button takes the new one and
    // tells the palette.
    void OnSetChar();

protected:
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;

    FX_DECLARE_MESSAGE_MAP()
};
