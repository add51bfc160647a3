// Owns one block the COM task allocator gave us (an item id list, a STATSTG name, a page list)
// and frees it with CoTaskMemFree.
#pragma once

#include <windows.h>

#include <objbase.h>

#include "platform/base/FxOwner.h"

template <class T> struct CFxCoTaskMemRelease : CFxNullIsEmpty<T*>
{
    static void NothingHeld() {}
    void Release(T* p) const { CoTaskMemFree(const_cast<void*>(static_cast<const void*>(p))); }
};

template <class T> class CFxCoTaskMem : public CFxOwner<CFxCoTaskMemRelease<T>>
{
public:
    explicit CFxCoTaskMem(T* p = nullptr) : CFxOwner<CFxCoTaskMemRelease<T>>(p) {}

    T* operator->() const { return this->m_handle; }
};
