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
