#include "platform/gdi/Bitmap.h"

#include "platform/base/ResMgr.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/TempHandleMap.h"

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap)
{
    return FxTempWrapper<CBitmap>(hBitmap, [](CBitmap* p, HBITMAP h) { p->m_hObject = h; });
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return Attach(::LoadBitmapA(CFxResMgr::GetResourceHandle(), MAKEINTRESOURCEA(nIDResource)));
}

BOOL CBitmap::LoadBitmap(LPCSTR pszResourceName)
{
    return Attach(::LoadBitmapA(CFxResMgr::GetResourceHandle(), pszResourceName));
}

BOOL CBitmap::LoadOEMBitmap(UINT nIDBitmap)
{
    return Attach(::LoadBitmapA(nullptr, MAKEINTRESOURCEA(nIDBitmap)));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitsPerPixel, const void* pBits)
{
    return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitsPerPixel, pBits));
}

BOOL CBitmap::CreateBitmapIndirect(const BITMAP* pBitmap)
{
    return Attach(::CreateBitmapIndirect(pBitmap));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    if (pDC == nullptr || pDC->m_hDC == nullptr) {
        return FALSE;
    }
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

CSize CBitmap::GetBitmapDimension() const
{
    BITMAP bm = {};
    if (GetBitmap(&bm) == 0) {
        return CSize();
    }
    return CSize(bm.bmWidth, bm.bmHeight);
}
