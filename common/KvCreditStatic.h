// A static control that scrolls lines of text upwards like the credits of a film, in four line
// styles, with bitmap lines, over a solid, gradient or tiled bitmap background.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/Rect.h"
#include "platform/base/Size.h"
#include "platform/base/StringList.h"
#include "platform/gdi/Bitmap.h"
#include "platform/win/Static.h"

class CDC;

// The timer that scrolls the text; other timers go to the default handling.
#define KV_CREDIT_TIMER 150

class KVCOMM_API CKvCreditStatic : public CStatic
{
    FX_DECLARE_DYNAMIC(CKvCreditStatic)

public:
    // Colour indices: background, the three styles, normal lines.
    enum { BackgroundColor = 0, Style0Color = 1, Style1Color = 2, Style2Color = 3, NormalColor = 4 };
    // Line styles: the last character of a line is the style's escape (bitmap: the line names a
    // bitmap resource); height indices follow styles 0 to 2, then normal.
    enum { Style0 = 0, Style1 = 1, Style2 = 2, BitmapStyle = 3, NormalHeight = 3 };

    CKvCreditStatic();
    ~CKvCreditStatic() override;

    void AddCreditMsg(CString strText, int nStyle);
    void RemoveAllCreditMsg();
    // FALSE when there are no lines.
    BOOL StartScrolling();
    void EndScrolling();

    // An interval of 0 only selects the speed index (0 to 2).
    void SetSpeed(int nIndex, int nInterval = 0);
    void SetColor(int nIndex, COLORREF crColor);
    void SetTextHeight(int nIndex, int nHeight);
    void SetEscape(int nIndex, char cEscape);
    // 0 none; 1 to black, 2 to white, 3 from black, 4 from white (from/to the background colour).
    void SetGradient(int nMode);
    void SetTransparent(BOOL bTransparent);
    // A bitmap of the application's module, tiled under the text; FALSE when it cannot load.
    BOOL SetBkImage(LPCSTR lpszName);
    BOOL SetBkImage(UINT nIDResource);

    BOOL IsScrolling() const { return m_nTimer != 0; }

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnDestroy() override;

private:
    struct LineStyle;
    LineStyle StyleOf(const CString& strLine) const;
    void RestartScroll();
    void NextLine(CDC* pDC);
    CRect TextArea(const CRect& rcClient) const;
    // The colour the text layer is filled with (and keyed on over a background image).
    COLORREF FillColor() const;
    void FillBackground(CDC* pDC, const CRect& rcFill, const CRect& rcClient) const;
    void DrawLine(CDC* pDC, const CRect& rcLine, const LineStyle& style) const;
    // Copies the text layer to pDestDC, over the tiled background image when there is one.
    void Compose(CDC* pDestDC, CDC* pLayerDC, const CRect& rcClient);
    void ScrollTick();

    COLORREF m_crColors[5];
    int m_nTextHeights[4];
    char m_cEscapes[4];
    int m_nDelays[3];
    int m_nDelayIndex;
    CStringList m_listLines;
    CString m_strLine;

    POSITION m_pos;
    int m_nCounter;
    BOOL m_bListWrapped;
    int m_nLinePixels;
    int m_nLineHeight;
    int m_nScrollAmount;
    int m_nMaxWidth;

    CBitmap m_bmpLine;
    int m_nBmpWidth;
    int m_nBmpHeight;
    BOOL m_bProcessingBitmap;

    CBitmap m_bmpLayer;
    CBitmap m_bmpBack;
    CGdiObject m_palBack;
    CSize m_sizeBack;
    int m_nGradient;
    BOOL m_bTransparent;
    UINT_PTR m_nTimer;
    BOOL m_bFirstLine;
};
