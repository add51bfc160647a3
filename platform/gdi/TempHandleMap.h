// Non-owning wrappers handed out for raw handles (the object a selection replaced, FromHandle).
#pragma once

#include <mutex>
#include <unordered_map>

// One wrapper per handle value and wrapper type, kept for the life of the process so that a
// pointer returned by SelectObject stays valid until the caller selects it back. The wrappers are
// never destroyed, so they never delete the handle they name; a handle value reused later by a new
// object of the same type is simply named by the same wrapper.
template <class T, class H, class Init>
T* FxTempWrapper(H h, Init init)
{
    if (h == nullptr) {
        return nullptr;
    }
    static std::mutex* pLock = new std::mutex;
    static auto* pMap = new std::unordered_map<H, T*>;
    std::lock_guard<std::mutex> lock(*pLock);
    T*& p = (*pMap)[h];
    if (p == nullptr) {
        p = new T;
        init(p, h);
    }
    return p;
}
