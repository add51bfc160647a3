// Owns one icon made for us (CreateIconIndirect, ExtractIcon, SHGetFileInfo, LoadImage without
// LR_SHARED) and destroys it with DestroyIcon. A shared icon from LoadIcon is never held.
#pragma once

#include "platform/base/FxOwner.h"

struct CFxIconRelease : CFxNullIsEmpty<HICON>
{
    static BOOL NothingHeld() { return TRUE; }
    BOOL Release(HICON hIcon) const { return DestroyIcon(hIcon); }
};

class CFxIcon : public CFxOwner<CFxIconRelease>
{
public:
    explicit CFxIcon(HICON hIcon = nullptr) : CFxOwner(hIcon) {}
};
