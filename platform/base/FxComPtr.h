// Owns one reference to a COM interface and releases it once.
#pragma once

#include <windows.h>

#include "platform/base/FxOwner.h"

template <class T> struct CFxComRelease : CFxNullIsEmpty<T*>
{
    static ULONG NothingHeld() { return 0; }
    ULONG Release(T* p) const { return p->Release(); }
};

// Not copyable: a second reference is taken by AddRef and handed to a second owner explicitly.
template <class T> class CFxComPtr : public CFxOwner<CFxComRelease<T>>
{
public:
    CFxComPtr() = default;
    // Takes over the reference the caller holds.
    explicit CFxComPtr(T* p) : CFxOwner<CFxComRelease<T>>(p) {}

    T* operator->() const { return this->m_handle; }
    void** ReceiveVoid() { return reinterpret_cast<void**>(this->Receive()); }
};
