// Temporary wrappers: the views FromHandle hands out for windows, menus, DCs and GDI objects that
// no object of ours owns. One clean-up point frees them all.
#pragma once

#include <memory>
#include <unordered_map>

#include "platform/base/FxExport.h"

// Frees every temporary wrapper (never the handles they name); a pointer FromHandle gave out is
// invalid afterwards. An object that owns its handle is never in these maps. The suite's windows
// and drawing run on one thread, which is where this is called.
FX_API void FxDeleteTempMaps();
// Joins a map to FxDeleteTempMaps; each map does it once.
FX_API void FxRegisterTempMap(void (*pfnClear)());

// A wrapper that owns its handle or only views it (a temporary above) keeps the handle and an
// owner flag; these are the one place both change together.
// Takes the handle, as owner or view; FALSE when one is held already or hNew is null.
template <class H> BOOL FxAttachHandle(H& hHeld, BOOL& bOwner, H hNew, BOOL bOwn)
{
    if (hNew == nullptr || hHeld != nullptr) {
        return FALSE;
    }
    hHeld = hNew;
    bOwner = bOwn;
    return TRUE;
}

template <class H> H FxDetachHandle(H& hHeld, BOOL& bOwner)
{
    H h = hHeld;
    hHeld = nullptr;
    bOwner = FALSE;
    return h;
}

// FALSE, and the handle kept, for a view: only the owner destroys.
template <class H, class Destroy> BOOL FxDestroyOwnedHandle(H& hHeld, BOOL& bOwner, Destroy destroy)
{
    if (hHeld == nullptr || !bOwner) {
        return FALSE;
    }
    return destroy(FxDetachHandle(hHeld, bOwner));
}

// One wrapper per handle value: asking twice before a clean-up gives the same pointer.
template <class T, class H> class CFxTempMap
{
public:
    // The view of h, made by init(new T, h) on first use; null for null.
    template <class Init> static T* Lookup(H h, Init init)
    {
        if (h == nullptr) {
            return nullptr;
        }
        auto& map = Map();
        auto it = map.find(h);
        if (it != map.end()) {
            return it->second.get();
        }
        auto pNew = std::make_unique<T>();
        init(pNew.get(), h);
        T* p = pNew.get();
        map.emplace(h, std::move(pNew));
        return p;
    }

private:
    static std::unordered_map<H, std::unique_ptr<T>>& Map()
    {
        static auto* pMap = new std::unordered_map<H, std::unique_ptr<T>>;
        static const bool bRegistered = (FxRegisterTempMap(&Clear), true);
        (void)bRegistered;
        return *pMap;
    }

    static void Clear()
    {
        // Swapped out first: a wrapper's destructor must not see a half-cleared map.
        std::unordered_map<H, std::unique_ptr<T>> old;
        old.swap(Map());
    }
};
