#include "platform/gdi/Bitmap.h"

#include "platform/base/FxResMgr.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxTempMap.h"

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap)
{
    return CFxTempMap<CBitmap, HBITMAP>::Lookup(hBitmap, [](CBitmap* p, HBITMAP h) { p->AttachView(h); });
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return LoadBitmap(MAKEINTRESOURCEA(nIDResource));
}

BOOL CBitmap::LoadBitmap(LPCSTR pszResourceName)
{
    // The module that holds the bitmap: the current one first, then the libraries' chain.
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(pszResourceName, MAKEINTRESOURCEA(2)); // RT_BITMAP
    return Attach(::LoadBitmapA(hInst != nullptr ? hInst : CFxResMgr::GetResourceHandle(), pszResourceName));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    if (pDC == nullptr || pDC->m_hDC == nullptr) {
        return FALSE;
    }
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}
