#include "platform/ole/PropExchange.h"

#include <cstring>

HGLOBAL FxNewBlob(const void* pData, DWORD cb)
{
    HGLOBAL hBlob = GlobalAlloc(GMEM_MOVEABLE, sizeof(DWORD) + cb);
    if (hBlob == nullptr) {
        return nullptr;
    }
    BYTE* p = static_cast<BYTE*>(GlobalLock(hBlob));
    memcpy(p, &cb, sizeof(DWORD));
    if (cb > 0 && pData != nullptr) {
        memcpy(p + sizeof(DWORD), pData, cb);
    }
    GlobalUnlock(hBlob);
    return hBlob;
}

DWORD FxBlobSize(HGLOBAL hBlob)
{
    if (hBlob == nullptr) {
        return 0;
    }
    SIZE_T cbBlock = GlobalSize(hBlob);
    if (cbBlock < sizeof(DWORD)) {
        return 0;
    }
    DWORD cb = 0;
    memcpy(&cb, GlobalLock(hBlob), sizeof(DWORD));
    GlobalUnlock(hBlob);
    // A count past the block's end would read foreign memory.
    return cb <= cbBlock - sizeof(DWORD) ? cb : static_cast<DWORD>(cbBlock - sizeof(DWORD));
}
