#include "common/KvCreditStatic.h"

#include "platform/gdi/Brush.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/PaintDC.h"

FX_IMPLEMENT_DYNAMIC(CKvCreditStatic, CStatic)

struct CKvCreditStatic::LineStyle
{
    int nWeight;
    int nHeight;
    COLORREF crText;
    BOOL bBitmap;
    // The line without its escape character.
    CString strText;
};

namespace
{
const COLORREF kTransparentFill = RGB(192, 192, 192);

// A bitmap in a memory DC compatible with pDC, for one scope.
class CMemBitmapDC
{
public:
    CMemBitmapDC(CDC* pDC, CBitmap* pBitmap) : m_guard(Prepare(m_dc, pDC), pBitmap) {}
    CDC* operator->() { return &m_dc; }
    CDC* Get() { return &m_dc; }

private:
    // The DC is a member before the guard, so it exists when the guard selects into it.
    static CDC* Prepare(CDC& dc, CDC* pReference)
    {
        dc.CreateCompatibleDC(pReference);
        return &dc;
    }

    CDC m_dc;
    CFxSelectGuard m_guard;
};

// The last character of a GBK line when it is a single byte, else 0: the trail byte of a
// double-byte character may equal an escape ('^' is 0x5E).
char LastSingleByte(const CString& str)
{
    const int nLen = str.GetLength();
    int nLast = -1;
    for (int i = 0; i < nLen; ++i) {
        const unsigned char ch = static_cast<unsigned char>(str[i]);
        if (ch >= 0x81 && ch <= 0xFE && i + 1 < nLen) {
            nLast = -1;
            ++i;
        } else {
            nLast = i;
        }
    }
    return nLast == nLen - 1 && nLast >= 0 ? str[nLast] : '\0';
}
} // namespace

CKvCreditStatic::CKvCreditStatic()
    : m_crColors{RGB(0, 0, 0), RGB(255, 0, 0), RGB(255, 255, 0), RGB(0, 255, 255), RGB(255, 255, 255)},
      m_nTextHeights{21, 19, 17, 15}, m_cEscapes{'\t', '\n', '\r', '^'}, m_nDelays{70, 40, 10}, m_nDelayIndex(1),
      m_listLines(10), m_pos(nullptr), m_nCounter(0), m_bListWrapped(FALSE), m_nLinePixels(0), m_nLineHeight(0),
      m_nScrollAmount(-1), m_nMaxWidth(0), m_nBmpWidth(0), m_nBmpHeight(0), m_bProcessingBitmap(FALSE),
      m_sizeBack(0, 0), m_nGradient(0), m_bTransparent(FALSE), m_nTimer(0), m_bFirstLine(TRUE)
{
}

CKvCreditStatic::~CKvCreditStatic() = default;

void CKvCreditStatic::AddCreditMsg(CString strText, int nStyle)
{
    if (nStyle >= 0 && nStyle <= 3) {
        strText += m_cEscapes[nStyle];
    }
    m_listLines.AddTail(strText);
    RestartScroll();
}

void CKvCreditStatic::RemoveAllCreditMsg()
{
    m_listLines.RemoveAll();
    RestartScroll();
}

void CKvCreditStatic::RestartScroll()
{
    m_pos = m_listLines.GetHeadPosition();
    m_strLine.Empty();
    m_nCounter = 0;
    m_nLinePixels = 0;
    m_nLineHeight = 0;
    m_bListWrapped = FALSE;
    m_bProcessingBitmap = FALSE;
    m_bFirstLine = TRUE;
    m_nMaxWidth = 0;
}

BOOL CKvCreditStatic::StartScrolling()
{
    if (m_listLines.IsEmpty() || m_hWnd == nullptr) {
        return FALSE;
    }
    m_bmpLayer.DeleteObject();
    RestartScroll();
    m_nTimer = SetTimer(KV_CREDIT_TIMER, static_cast<UINT>(m_nDelays[m_nDelayIndex]));
    return m_nTimer != 0;
}

void CKvCreditStatic::EndScrolling()
{
    if (m_nTimer != 0) {
        KillTimer(m_nTimer);
        m_nTimer = 0;
    }
    m_bmpLayer.DeleteObject();
}

void CKvCreditStatic::SetSpeed(int nIndex, int nInterval)
{
    if (nIndex < 0 || nIndex > 2) {
        return;
    }
    if (nInterval > 0) {
        m_nDelays[nIndex] = nInterval;
    }
    m_nDelayIndex = nIndex;
}

void CKvCreditStatic::SetColor(int nIndex, COLORREF crColor)
{
    if (nIndex >= 0 && nIndex <= 4) {
        m_crColors[nIndex] = crColor;
    }
}

void CKvCreditStatic::SetTextHeight(int nIndex, int nHeight)
{
    // A line of no height would never end.
    if (nIndex >= 0 && nIndex <= 3 && nHeight > 0) {
        m_nTextHeights[nIndex] = nHeight;
    }
}

void CKvCreditStatic::SetEscape(int nIndex, char cEscape)
{
    if (nIndex >= 0 && nIndex <= 3) {
        m_cEscapes[nIndex] = cEscape;
    }
}

void CKvCreditStatic::SetGradient(int nMode)
{
    m_nGradient = nMode;
}

void CKvCreditStatic::SetTransparent(BOOL bTransparent)
{
    m_bTransparent = bTransparent;
}

BOOL CKvCreditStatic::SetBkImage(UINT nIDResource)
{
    return SetBkImage(MAKEINTRESOURCEA(nIDResource));
}

BOOL CKvCreditStatic::SetBkImage(LPCSTR lpszName)
{
    m_bmpBack.DeleteObject();
    m_palBack.DeleteObject();
    m_sizeBack = CSize(0, 0);
    HANDLE hImage = LoadImageA(GetModuleHandleA(nullptr), lpszName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (hImage == nullptr || !m_bmpBack.Attach(hImage)) {
        return FALSE;
    }
    BITMAP bm = {};
    m_bmpBack.GetBitmap(&bm);
    m_sizeBack = CSize(bm.bmWidth, bm.bmHeight);

    // A palette from the image's colour table, or a halftone one for images without a table.
    HPALETTE hPalette = nullptr;
    {
        CMemBitmapDC dc(nullptr, &m_bmpBack);
        RGBQUAD table[256] = {};
        const UINT nColors = GetDIBColorTable(dc->GetSafeHdc(), 0, 256, table);
        if (nColors > 0) {
            struct
            {
                LOGPALETTE head;
                PALETTEENTRY more[255];
            } pal = {};
            pal.head.palVersion = 0x300;
            pal.head.palNumEntries = static_cast<WORD>(nColors);
            PALETTEENTRY* pEntries = pal.head.palPalEntry;
            for (UINT i = 0; i < nColors; ++i) {
                pEntries[i].peRed = table[i].rgbRed;
                pEntries[i].peGreen = table[i].rgbGreen;
                pEntries[i].peBlue = table[i].rgbBlue;
            }
            hPalette = CreatePalette(&pal.head);
        } else {
            hPalette = CreateHalftonePalette(dc->GetSafeHdc());
        }
    }
    m_palBack.Attach(hPalette);
    m_bmpLayer.DeleteObject();
    return TRUE;
}

CKvCreditStatic::LineStyle CKvCreditStatic::StyleOf(const CString& strLine) const
{
    LineStyle style = {100, m_nTextHeights[NormalHeight], m_crColors[NormalColor], FALSE, strLine};
    const char cLast = LastSingleByte(strLine);
    if (cLast == '\0') {
        return style;
    }
    const CString strBare = strLine.Left(strLine.GetLength() - 1);
    if (cLast == m_cEscapes[Style1]) {
        style = {700, m_nTextHeights[1], m_crColors[Style1Color], FALSE, strBare};
    } else if (cLast == m_cEscapes[Style2]) {
        style = {700, m_nTextHeights[2], m_crColors[Style2Color], FALSE, strBare};
    } else if (cLast == m_cEscapes[Style0]) {
        style = {700, m_nTextHeights[0], m_crColors[Style0Color], FALSE, strBare};
    } else if (cLast == m_cEscapes[BitmapStyle]) {
        style = {100, 0, 0, TRUE, strBare};
    }
    return style;
}

CRect CKvCreditStatic::TextArea(const CRect& rcClient) const
{
    CRect rc = rcClient;
    const int nWidth = m_nMaxWidth < rcClient.Width() ? m_nMaxWidth : rcClient.Width();
    rc.left = rcClient.left + (rcClient.Width() - nWidth) / 2;
    rc.right = rc.left + nWidth;
    return rc;
}

COLORREF CKvCreditStatic::FillColor() const
{
    if (m_bmpBack.GetSafeHandle() != nullptr && m_bTransparent) {
        return kTransparentFill;
    }
    return m_crColors[BackgroundColor];
}

void CKvCreditStatic::FillBackground(CDC* pDC, const CRect& rcFill, const CRect& rcClient) const
{
    if (m_nGradient < 1 || m_nGradient > 4 || m_bmpBack.GetSafeHandle() != nullptr) {
        pDC->FillSolidRect(&rcFill, FillColor());
        return;
    }
    const double dWidth = rcClient.Width();
    if (dWidth <= 0) {
        return;
    }
    const COLORREF crBack = m_crColors[BackgroundColor];
    const int channels[3] = {GetRValue(crBack), GetGValue(crBack), GetBValue(crBack)};
    // Only from the band under the left edge of the area: bands to its left are not touched.
    int nFirst = static_cast<int>((rcFill.left - rcClient.left) * 256 / dWidth);
    nFirst = nFirst < 0 ? 0 : (nFirst > 255 ? 255 : nFirst);
    for (int i = nFirst; i < 256; ++i) {
        const int x0 = rcClient.left + static_cast<int>(i * dWidth / 256);
        const int x1 = rcClient.left + static_cast<int>((i + 1) * dWidth / 256);
        if (x0 >= rcFill.right) {
            break;
        }
        int band[3] = {};
        for (int c = 0; c < 3; ++c) {
            const int x = channels[c];
            switch (m_nGradient) {
            case 1:
                band[c] = x - i * x / 255;
                break;
            case 2:
                band[c] = x + i * (255 - x) / 255;
                break;
            case 3:
                band[c] = i * x / 255;
                break;
            default:
                band[c] = 255 - i * (255 - x) / 255;
                break;
            }
        }
        if (x1 > x0) {
            pDC->FillSolidRect(x0, rcFill.top, x1 - x0, rcFill.Height(), RGB(band[0], band[1], band[2]));
        }
    }
}

void CKvCreditStatic::DrawLine(CDC* pDC, const CRect& rcLine, const LineStyle& style) const
{
    CFont font;
    font.CreateFont(style.nHeight, 0, 0, 0, style.nWeight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
    CFxSelectGuard selectFont(pDC, &font);
    pDC->SetTextColor(style.crText);
    pDC->SetBkMode(TRANSPARENT);
    CRect rc = rcLine;
    pDC->DrawText(style.strText, &rc, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void CKvCreditStatic::Compose(CDC* pDestDC, CDC* pLayerDC, const CRect& rcClient)
{
    const int cx = rcClient.Width();
    const int cy = rcClient.Height();
    if (m_bmpBack.GetSafeHandle() == nullptr || m_sizeBack.cx <= 0 || m_sizeBack.cy <= 0) {
        pDestDC->BitBlt(0, 0, cx, cy, pLayerDC, 0, 0, SRCCOPY);
        return;
    }
    HPALETTE hOldPal = nullptr;
    const BOOL bPalette = (pDestDC->GetDeviceCaps(RASTERCAPS) & RC_PALETTE) != 0 && m_palBack.GetSafeHandle();
    if (bPalette) {
        hOldPal = SelectPalette(*pDestDC, static_cast<HPALETTE>(m_palBack.GetSafeHandle()), FALSE);
        RealizePalette(*pDestDC);
    }
    {
        // The image tiled across the client area.
        CBitmap bmpTiled;
        bmpTiled.CreateCompatibleBitmap(pDestDC, cx, cy);
        CMemBitmapDC dcTiled(pDestDC, &bmpTiled);
        {
            CMemBitmapDC dcImage(pDestDC, &m_bmpBack);
            for (int y = 0; y < cy; y += m_sizeBack.cy) {
                for (int x = 0; x < cx; x += m_sizeBack.cx) {
                    dcTiled->BitBlt(x, y, m_sizeBack.cx, m_sizeBack.cy, dcImage.Get(), 0, 0, SRCCOPY);
                }
            }
        }
        // The mask is white where the layer shows its fill colour, black where text was drawn.
        CBitmap bmpMask;
        bmpMask.Attach(CreateBitmap(cx, cy, 1, 1, nullptr));
        CMemBitmapDC dcMask(pDestDC, &bmpMask);
        pLayerDC->SetBkColor(FillColor());
        dcMask->BitBlt(0, 0, cx, cy, pLayerDC, 0, 0, SRCCOPY);
        // Image keeps its pixels under the fill and turns black under the text...
        dcTiled->SetTextColor(RGB(0, 0, 0));
        dcTiled->SetBkColor(RGB(255, 255, 255));
        dcTiled->BitBlt(0, 0, cx, cy, dcMask.Get(), 0, 0, SRCAND);
        // ...the layer turns black under the fill, so OR-ing it in leaves the text over the image.
        pLayerDC->SetTextColor(RGB(255, 255, 255));
        pLayerDC->SetBkColor(RGB(0, 0, 0));
        pLayerDC->BitBlt(0, 0, cx, cy, dcMask.Get(), 0, 0, SRCAND);
        dcTiled->BitBlt(0, 0, cx, cy, pLayerDC, 0, 0, SRCPAINT);
        pDestDC->BitBlt(0, 0, cx, cy, dcTiled.Get(), 0, 0, SRCCOPY);
    }
    if (bPalette) {
        SelectPalette(*pDestDC, hOldPal, FALSE);
    }
}

void CKvCreditStatic::NextLine(CDC* pDC)
{
    if (m_pos == nullptr) {
        // Past the last line the list starts again, for ever.
        m_pos = m_listLines.GetHeadPosition();
        if (!m_bFirstLine) {
            m_bListWrapped = TRUE;
        }
    }
    if (m_pos == nullptr) {
        m_strLine.Empty();
        m_nLineHeight = 1;
        return;
    }
    m_bFirstLine = FALSE;
    m_strLine = m_listLines.GetNext(m_pos);
    m_nLinePixels = 0;
    m_bmpLine.DeleteObject();
    m_bProcessingBitmap = FALSE;
    const LineStyle style = StyleOf(m_strLine);
    CRect rcClient;
    GetClientRect(&rcClient);
    int nWidth = 0;
    if (style.bBitmap) {
        BITMAP bm = {};
        if (m_bmpLine.LoadBitmap(style.strText) && m_bmpLine.GetBitmap(&bm) != 0) {
            m_nBmpWidth = bm.bmWidth;
            m_nBmpHeight = bm.bmHeight;
            m_bProcessingBitmap = TRUE;
        } else {
            m_nBmpWidth = m_nBmpHeight = 0;
        }
        nWidth = m_nBmpWidth;
        // An unknown bitmap still takes one pixel, so that the scroll moves on.
        m_nLineHeight = m_nBmpHeight > 0 ? m_nBmpHeight : 1;
    } else {
        m_nLineHeight = style.nHeight;
        CFont font;
        font.CreateFont(style.nHeight, 0, 0, 0, style.nWeight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
        CFxSelectGuard selectFont(pDC, &font);
        nWidth = pDC->GetTextExtent(style.strText).cx;
    }
    // During the first pass the text area widens to the widest line met; afterwards it stays.
    if (!m_bListWrapped && nWidth > m_nMaxWidth) {
        m_nMaxWidth = nWidth < rcClient.Width() ? nWidth : rcClient.Width();
    }
}

void CKvCreditStatic::ScrollTick()
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const int cx = rcClient.Width();
    const int cy = rcClient.Height();
    if (cx <= 0 || cy <= 0) {
        return;
    }
    CClientDC dc(m_hWnd);
    if (m_bmpLayer.GetSafeHandle() == nullptr) {
        m_bmpLayer.CreateCompatibleBitmap(&dc, cx, cy);
        CMemBitmapDC dcLayer(&dc, &m_bmpLayer);
        FillBackground(dcLayer.Get(), rcClient, rcClient);
    }
    CMemBitmapDC dcLayer(&dc, &m_bmpLayer);

    if (m_strLine.IsEmpty() || m_nLinePixels >= m_nLineHeight) {
        NextLine(dcLayer.Get());
    }
    ++m_nCounter;
    m_nLinePixels -= m_nScrollAmount;

    // Everything moves up one pixel; the current line is drawn again at its new depth.
    const CRect rcText = TextArea(rcClient);
    dcLayer->BitBlt(rcText.left, 0, rcText.Width(), cy - 1, dcLayer.Get(), rcText.left, 1, SRCCOPY);
    const int nTop = cy - m_nLinePixels;
    FillBackground(dcLayer.Get(), CRect(rcText.left, nTop, rcText.right, cy), rcClient);
    const LineStyle style = StyleOf(m_strLine);
    if (m_bProcessingBitmap) {
        CMemBitmapDC dcBitmap(&dc, &m_bmpLine);
        const int x = rcClient.left + (cx - m_nBmpWidth) / 2;
        dcLayer->BitBlt(x, nTop, m_nBmpWidth, m_nLinePixels, dcBitmap.Get(), 0, 0, SRCCOPY);
    } else if (!style.bBitmap) {
        DrawLine(dcLayer.Get(), CRect(rcText.left, nTop, rcText.right, nTop + m_nLineHeight), style);
    }
    Compose(&dc, dcLayer.Get(), rcClient);
}

void CKvCreditStatic::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != KV_CREDIT_TIMER) {
        CStatic::OnTimer(nIDEvent);
        return;
    }
    if (m_listLines.IsEmpty()) {
        return;
    }
    ScrollTick();
}

BOOL CKvCreditStatic::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CKvCreditStatic::OnPaint()
{
    CPaintDC dc(m_hWnd);
    // While scrolling the next tick draws.
    if (m_nTimer != 0) {
        return;
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.Width() <= 0 || rcClient.Height() <= 0) {
        return;
    }
    CBitmap bmpLayer;
    bmpLayer.CreateCompatibleBitmap(&dc, rcClient.Width(), rcClient.Height());
    CMemBitmapDC dcLayer(&dc, &bmpLayer);
    FillBackground(dcLayer.Get(), rcClient, rcClient);
    int y = 0;
    POSITION pos = m_listLines.GetHeadPosition();
    while (pos != nullptr && y < rcClient.Height()) {
        const CString& strLine = m_listLines.GetNext(pos);
        const LineStyle style = StyleOf(strLine);
        if (style.bBitmap) {
            CBitmap bmp;
            BITMAP bm = {};
            if (bmp.LoadBitmap(style.strText) && bmp.GetBitmap(&bm) != 0) {
                CMemBitmapDC dcBitmap(&dc, &bmp);
                dcLayer->BitBlt((rcClient.Width() - bm.bmWidth) / 2, y, bm.bmWidth, bm.bmHeight, dcBitmap.Get(), 0, 0,
                                SRCCOPY);
                y += bm.bmHeight;
            }
            continue;
        }
        DrawLine(dcLayer.Get(), CRect(rcClient.left, y, rcClient.right, y + style.nHeight), style);
        y += style.nHeight;
    }
    Compose(&dc, dcLayer.Get(), rcClient);
}

void CKvCreditStatic::OnDestroy()
{
    EndScrolling();
    m_listLines.RemoveAll();
    CStatic::OnDestroy();
}
