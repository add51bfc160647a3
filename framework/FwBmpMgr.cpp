#include "framework/FwBmpMgr.h"

#include <vector>

#include "platform/base/FxResMgr.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"

FX_IMPLEMENT_DYNAMIC(FwBmpMgr, CObject)

struct FwBmpMgr::Record
{
    LPCSTR lpszSmall;
    LPCSTR lpszLarge;
    HINSTANCE hInst;
    CBitmap small;
    CBitmap large;
    int nCount;
    BOOL bSysColor;
};

namespace
{
struct ToolBarRes
{
    int cx = 0;
    int cy = 0;
    std::vector<UINT> ids;
};

// Reads a tool-bar resource; the item count never runs past the resource's own size.
BOOL ReadToolBarRes(HINSTANCE hInst, LPCSTR lpszName, ToolBarRes& res)
{
    HRSRC hRsrc = ::FindResourceA(hInst, lpszName, FW_RT_TOOLBAR);
    HGLOBAL hGlobal = hRsrc != nullptr ? ::LoadResource(hInst, hRsrc) : nullptr;
    const WORD* pWords = hGlobal != nullptr ? static_cast<const WORD*>(::LockResource(hGlobal)) : nullptr;
    const DWORD cbSize = hRsrc != nullptr ? ::SizeofResource(hInst, hRsrc) : 0;
    if (pWords == nullptr || cbSize < 4 * sizeof(WORD)) {
        return FALSE;
    }
    const DWORD nAvail = cbSize / sizeof(WORD) - 4;
    const DWORD nCount = pWords[3] < nAvail ? pWords[3] : nAvail;
    res.cx = pWords[1];
    res.cy = pWords[2];
    if (res.cx <= 0 || res.cy <= 0) {
        return FALSE;
    }
    res.ids.assign(pWords + 4, pWords + 4 + nCount);
    return TRUE;
}

HINSTANCE FindModuleOf(LPCSTR lpszName, LPCSTR lpszType)
{
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(lpszName, lpszType);
    return hInst != nullptr ? hInst : ::GetModuleHandleA(nullptr);
}

COLORREF SwapRB(COLORREF cr)
{
    return RGB(GetBValue(cr), GetGValue(cr), GetRValue(cr));
}
} // namespace

FwBmpMgr::FwBmpMgr()
    : m_szSmall(16, 15), m_szLarge(22, 24), m_bSmallOnly(TRUE), m_bKeepSmall(FALSE), m_nRefs(1), m_bSizeSet(FALSE),
      m_bLargeSizeSet(FALSE)
{
}

FwBmpMgr::~FwBmpMgr()
{
    for (INT_PTR i = 0; i < m_arrBitmaps.GetSize(); ++i) {
        delete GetRecord(static_cast<int>(i));
    }
}

FwBmpMgr::Record* FwBmpMgr::GetRecord(int nIndex) const
{
    return static_cast<Record*>(m_arrBitmaps.GetAt(nIndex));
}

ULONG FwBmpMgr::Release()
{
    if (--m_nRefs <= 0) {
        delete this;
        return 0;
    }
    return static_cast<ULONG>(m_nRefs);
}

BOOL FwBmpMgr::AddToolBarResource(LPCSTR lpszSmall, LPCSTR lpszLarge, BOOL bSysColor)
{
    HINSTANCE hInst = FindModuleOf(lpszSmall, FW_RT_TOOLBAR);
    ToolBarRes small;
    if (!ReadToolBarRes(hInst, lpszSmall, small)) {
        return FALSE;
    }
    ToolBarRes large;
    if (lpszLarge != nullptr && !ReadToolBarRes(FindModuleOf(lpszLarge, FW_RT_TOOLBAR), lpszLarge, large)) {
        return FALSE;
    }
    if (!m_bSizeSet) {
        m_szSmall = CSize(small.cx, small.cy);
        m_bSizeSet = TRUE;
    }
    if (lpszLarge != nullptr && !m_bLargeSizeSet) {
        m_szLarge = CSize(large.cx, large.cy);
        m_bLargeSizeSet = TRUE;
    }
    Record* pRecord = new Record{lpszSmall, lpszLarge, hInst, {}, {}, 0, bSysColor};
    const int nRecord = static_cast<int>(m_arrBitmaps.Add(pRecord));
    for (UINT nID : small.ids) {
        if (nID == 0) {
            continue;
        }
        // The first registration of an id keeps its image.
        m_map.emplace(nID, static_cast<DWORD>(nRecord) << 16 | static_cast<DWORD>(pRecord->nCount));
        ++pRecord->nCount;
    }
    LoadRecord(pRecord, TRUE);
    return TRUE;
}

BOOL FwBmpMgr::HasImage(UINT nID) const
{
    return m_map.find(nID) != m_map.end();
}

int FwBmpMgr::GetImageIndex(UINT nID) const
{
    auto it = m_map.find(nID);
    return it == m_map.end() ? -1 : static_cast<int>(LOWORD(it->second));
}

BOOL FwBmpMgr::GetImage(UINT nID, HBITMAP& hStrip, int& nIndex, BOOL bSmall) const
{
    auto it = m_map.find(nID);
    if (it == m_map.end()) {
        return FALSE;
    }
    const Record* pRecord = GetRecord(HIWORD(it->second));
    nIndex = LOWORD(it->second);
    hStrip = bSmall || m_bSmallOnly ? static_cast<HBITMAP>(pRecord->small.GetSafeHandle())
                                    : static_cast<HBITMAP>(pRecord->large.GetSafeHandle());
    return hStrip != nullptr;
}

void FwBmpMgr::SetSmallOnly(BOOL bSmallOnly)
{
    if (bSmallOnly != m_bSmallOnly) {
        m_bSmallOnly = bSmallOnly;
        Reload(FALSE);
    }
}

void FwBmpMgr::SetKeepSmall(BOOL bKeepSmall)
{
    if (bKeepSmall != m_bKeepSmall) {
        m_bKeepSmall = bKeepSmall;
        Reload(FALSE);
    }
}

void FwBmpMgr::Reload(BOOL bSmallToo)
{
    for (INT_PTR i = 0; i < m_arrBitmaps.GetSize(); ++i) {
        LoadRecord(GetRecord(static_cast<int>(i)), bSmallToo);
    }
}

void FwBmpMgr::LoadRecord(Record* pRecord, BOOL bSmallToo)
{
    auto load = [pRecord](CBitmap& bmp, LPCSTR lpszName) {
        bmp.DeleteObject();
        HINSTANCE hInst = FindModuleOf(lpszName, RT_BITMAP);
        HBITMAP hBitmap = pRecord->bSysColor
                              ? LoadSysColorBitmap(hInst, lpszName)
                              : static_cast<HBITMAP>(::LoadImageA(hInst, lpszName, IMAGE_BITMAP, 0, 0, 0));
        if (hBitmap != nullptr) {
            bmp.Attach(hBitmap);
        }
    };
    const BOOL bNeedSmall = m_bSmallOnly || m_bKeepSmall || pRecord->lpszLarge == nullptr;
    if (bNeedSmall && (bSmallToo || pRecord->small.GetSafeHandle() == nullptr)) {
        load(pRecord->small, pRecord->lpszSmall);
    }
    if (m_bSmallOnly) {
        if (!m_bKeepSmall) {
            pRecord->large.DeleteObject();
        }
        return;
    }
    if (pRecord->lpszLarge != nullptr) {
        load(pRecord->large, pRecord->lpszLarge);
    } else if (pRecord->small.GetSafeHandle() != nullptr) {
        // No large strip of its own: every small image stretched side by side.
        pRecord->large.DeleteObject();
        CClientDC dcScreen(nullptr);
        CDC dcSrc;
        CDC dcDst;
        if (dcSrc.CreateCompatibleDC(&dcScreen) && dcDst.CreateCompatibleDC(&dcScreen) &&
            pRecord->large.CreateCompatibleBitmap(&dcScreen, pRecord->nCount * m_szLarge.cx, m_szLarge.cy)) {
            CFxSelectGuard src(&dcSrc, &pRecord->small);
            CFxSelectGuard dst(&dcDst, &pRecord->large);
            ::SetStretchBltMode(dcDst.GetSafeHdc(), COLORONCOLOR);
            for (int i = 0; i < pRecord->nCount; ++i) {
                dcDst.StretchBlt(i * m_szLarge.cx, 0, m_szLarge.cx, m_szLarge.cy, &dcSrc, i * m_szSmall.cx, 0,
                                 m_szSmall.cx, m_szSmall.cy, SRCCOPY);
            }
        }
    }
    if (!m_bKeepSmall && pRecord->large.GetSafeHandle() != nullptr) {
        pRecord->small.DeleteObject();
    }
}

HBITMAP FwBmpMgr::LoadSysColorBitmap(HINSTANCE hInst, LPCSTR lpszName)
{
    HRSRC hRsrc = ::FindResourceA(hInst, lpszName, RT_BITMAP);
    HGLOBAL hGlobal = hRsrc != nullptr ? ::LoadResource(hInst, hRsrc) : nullptr;
    const BYTE* pBytes = hGlobal != nullptr ? static_cast<const BYTE*>(::LockResource(hGlobal)) : nullptr;
    const DWORD cbSize = hRsrc != nullptr ? ::SizeofResource(hInst, hRsrc) : 0;
    if (pBytes == nullptr || cbSize < sizeof(BITMAPINFOHEADER)) {
        return nullptr;
    }
    BITMAPINFOHEADER header;
    memcpy(&header, pBytes, sizeof(header));
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > cbSize || header.biWidth <= 0 ||
        header.biHeight == 0 || header.biBitCount == 0) {
        return nullptr;
    }
    DWORD nColors = header.biBitCount <= 8 ? 1u << header.biBitCount : 0;
    if (header.biClrUsed != 0 && header.biClrUsed < nColors) {
        nColors = header.biClrUsed;
    }
    const DWORD cbInfo = header.biSize + nColors * sizeof(RGBQUAD);
    const LONG nHeight = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    const DWORD cbStride = ((static_cast<DWORD>(header.biWidth) * header.biBitCount + 31) / 32) * 4;
    // A damaged header never makes the copy read past the resource.
    if (cbInfo > cbSize || static_cast<unsigned long long>(cbStride) * static_cast<DWORD>(nHeight) > cbSize - cbInfo) {
        return nullptr;
    }
    std::vector<BYTE> info(pBytes, pBytes + cbInfo);
    RGBQUAD* pColors = reinterpret_cast<RGBQUAD*>(info.data() + header.biSize);
    const struct
    {
        COLORREF crFrom;
        int nSysColor;
    } maps[] = {
        {RGB(0, 0, 0), COLOR_BTNTEXT},
        {RGB(128, 128, 128), COLOR_BTNSHADOW},
        {RGB(192, 192, 192), COLOR_BTNFACE},
        {RGB(255, 255, 255), COLOR_BTNHIGHLIGHT},
    };
    for (DWORD i = 0; i < nColors; ++i) {
        // RGBQUAD keeps blue first: read as a COLORREF its red and blue are swapped.
        COLORREF cr = 0;
        memcpy(&cr, &pColors[i], sizeof(cr));
        cr = SwapRB(cr & 0xFFFFFF);
        for (const auto& map : maps) {
            if (cr == map.crFrom) {
                const COLORREF crNew = SwapRB(::GetSysColor(map.nSysColor));
                memcpy(&pColors[i], &crNew, 3);
                break;
            }
        }
    }
    CClientDC dcScreen(nullptr);
    HBITMAP hResult = nullptr;
    CDC dcMem;
    CBitmap bitmap;
    if (dcMem.CreateCompatibleDC(&dcScreen) && bitmap.CreateCompatibleBitmap(&dcScreen, header.biWidth, nHeight)) {
        {
            CFxSelectGuard guard(&dcMem, &bitmap);
            ::StretchDIBits(dcMem.GetSafeHdc(), 0, 0, header.biWidth, nHeight, 0, 0, header.biWidth, nHeight,
                            pBytes + cbInfo, reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS, SRCCOPY);
        }
        hResult = static_cast<HBITMAP>(bitmap.Detach());
    }
    return hResult;
}
