// An off-screen DC for one paint pass: drawing goes to a bitmap of the paint rectangle (window
// origin at its corner), which the destructor copies to the target.
#pragma once

#include "platform/base/Rect.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"

class FwBufferDC : public CDC
{
public:
    // Throws CResourceException when the memory DC or the bitmap can't be made.
    FwBufferDC(CDC* pTarget, const CRect& rc);
    ~FwBufferDC() override;
    FwBufferDC(const FwBufferDC&) = delete;
    FwBufferDC& operator=(const FwBufferDC&) = delete;

private:
    CDC* m_pTarget;
    CRect m_rc;
    // Declared before the DC's selection is undone: the bitmap outlives its selection.
    CBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap;
};
