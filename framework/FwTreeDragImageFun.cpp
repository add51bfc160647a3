#include "framework/FwTreeDragImageFun.h"

#include "platform/base/Rect.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/ImageList.h"

namespace
{
const int labelBitmapMargin = 2;
} // namespace

BOOL FwTreeDragImageFun::CreateLabelBitmap(const CString& strText, CFont* pFont, COLORREF crBack, COLORREF crText,
                                           CBitmap& bitmap)
{
    if (bitmap.m_hObject != nullptr) {
        return FALSE;
    }
    CClientDC dcScreen(nullptr);
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(&dcScreen)) {
        return FALSE;
    }
    CFxSelectGuard fontGuard(&dcMem, pFont);
    CSize size = dcMem.GetTextExtent(strText.IsEmpty() ? CString(" ") : strText);
    size.cx += 2 * labelBitmapMargin;
    if (!bitmap.CreateCompatibleBitmap(&dcScreen, size.cx, size.cy)) {
        return FALSE;
    }
    CFxSelectGuard bitmapGuard(&dcMem, &bitmap);
    CRect rc(0, 0, size.cx, size.cy);
    dcMem.FillSolidRect(&rc, crBack);
    dcMem.SetBkMode(TRANSPARENT);
    dcMem.SetTextColor(crText);
    rc.DeflateRect(labelBitmapMargin, 0);
    dcMem.DrawText(strText, &rc, DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER);
    return TRUE;
}

BOOL FwTreeDragImageFun::CreateImageListFromBitmap(CBitmap* pBitmap, COLORREF crMask, CImageList& imageList)
{
    BITMAP bm = {};
    if (pBitmap == nullptr || pBitmap->GetBitmap(&bm) == 0 || imageList.GetSafeHandle() != nullptr) {
        return FALSE;
    }
    if (!imageList.Create(bm.bmWidth, bm.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0)) {
        return FALSE;
    }
    if (imageList.Add(pBitmap, crMask) < 0) {
        imageList.DeleteImageList();
        return FALSE;
    }
    return TRUE;
}

BOOL FwTreeDragImageFun::CreateImageListFromIcon(HICON hIcon, CImageList& imageList)
{
    ICONINFO info = {};
    if (hIcon == nullptr || imageList.GetSafeHandle() != nullptr || !GetIconInfo(hIcon, &info)) {
        return FALSE;
    }
    // GetIconInfo hands out copies of the icon's bitmaps.
    CBitmap color;
    CBitmap mask;
    color.Attach(info.hbmColor);
    mask.Attach(info.hbmMask);
    BITMAP bm = {};
    if (mask.GetBitmap(&bm) == 0) {
        return FALSE;
    }
    // A monochrome icon keeps its AND and XOR masks one above the other in the mask bitmap.
    const int cy = color.m_hObject != nullptr ? bm.bmHeight : bm.bmHeight / 2;
    if (!imageList.Create(bm.bmWidth, cy, ILC_COLOR24 | ILC_MASK, 1, 0)) {
        return FALSE;
    }
    if (imageList.Add(hIcon) < 0) {
        imageList.DeleteImageList();
        return FALSE;
    }
    return TRUE;
}
