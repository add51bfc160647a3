#include "framework/FwButtonPaintCache.h"

#include <algorithm>

#include "framework/FwSystemColors.h"
#include "platform/base/ResourceException.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"

FwButtonPaintCache::FwButtonPaintCache() : m_hOldComposeBitmap(nullptr), m_hOldMaskBitmap(nullptr), m_hOldFont(nullptr)
{
    CClientDC dcScreen(nullptr);
    if (!m_dcMask.CreateCompatibleDC(&dcScreen) || !m_dcImage.CreateCompatibleDC(&dcScreen) ||
        !m_dcCompose.CreateCompatibleDC(&dcScreen)) {
        CResourceException::Throw();
    }
    MakeDitherBrush();
    if (m_brDither.GetSafeHandle() == nullptr) {
        CResourceException::Throw();
    }
}

FwButtonPaintCache::~FwButtonPaintCache()
{
    EndBarPaint();
}

void FwButtonPaintCache::MakeDitherBrush()
{
    // An 8 x 8 checkerboard; bit 0 takes the text colour, bit 1 the background colour of the DC
    // it is used in, so the bitmap is painted with button face and highlight once here.
    const WORD rows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    CBitmap mono;
    if (!mono.Attach(::CreateBitmap(8, 8, 1, 1, rows))) {
        return;
    }
    FwSystemColors& colors = FwGetSystemColors();
    CClientDC dcScreen(nullptr);
    CBitmap color;
    CDC dcMono;
    CDC dcColor;
    if (!color.CreateCompatibleBitmap(&dcScreen, 8, 8) || !dcMono.CreateCompatibleDC(&dcScreen) ||
        !dcColor.CreateCompatibleDC(&dcScreen)) {
        return;
    }
    {
        CFxSelectGuard monoSel(&dcMono, &mono);
        CFxSelectGuard colorSel(&dcColor, &color);
        dcColor.SetTextColor(colors.m_clrBtnFace);
        dcColor.SetBkColor(colors.m_clrBtnHilite);
        dcColor.BitBlt(0, 0, 8, 8, &dcMono, 0, 0, SRCCOPY);
    }
    m_brDither.DeleteObject();
    m_brDither.Attach(::CreatePatternBrush(static_cast<HBITMAP>(color.GetSafeHandle())));
}

BOOL FwButtonPaintCache::BeginBarPaint(int cx, int cy, HFONT hFont)
{
    EndBarPaint();
    CClientDC dcScreen(nullptr);
    if (!m_bmpCompose.CreateCompatibleBitmap(&dcScreen, std::max(cx, 1), std::max(cy, 1)) ||
        !m_bmpMask.Attach(::CreateBitmap(std::max(cx, 1), std::max(cy, 1), 1, 1, nullptr))) {
        m_bmpCompose.DeleteObject();
        return FALSE;
    }
    m_hOldComposeBitmap = m_dcCompose.SelectObject(&m_bmpCompose)->GetSafeHandle();
    m_hOldMaskBitmap = m_dcMask.SelectObject(&m_bmpMask)->GetSafeHandle();
    CFont* pFont = CFont::FromHandle(hFont != nullptr ? hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    m_hOldFont = m_dcCompose.SelectObject(pFont)->GetSafeHandle();
    return TRUE;
}

void FwButtonPaintCache::EndBarPaint()
{
    if (m_hOldComposeBitmap != nullptr) {
        m_dcCompose.SelectObject(CGdiObject::FromHandle(m_hOldComposeBitmap));
        m_hOldComposeBitmap = nullptr;
    }
    if (m_hOldMaskBitmap != nullptr) {
        m_dcMask.SelectObject(CGdiObject::FromHandle(m_hOldMaskBitmap));
        m_hOldMaskBitmap = nullptr;
    }
    if (m_hOldFont != nullptr) {
        m_dcCompose.SelectObject(CGdiObject::FromHandle(m_hOldFont));
        m_hOldFont = nullptr;
    }
    m_bmpCompose.DeleteObject();
    m_bmpMask.DeleteObject();
}
