// Owns one cursor made for us (CreateCursor, LoadImage without LR_SHARED) and destroys it with
// DestroyCursor. A shared cursor from LoadCursor is never held.
#pragma once

#include "platform/base/FxOwner.h"

struct CFxCursorRelease : CFxNullIsEmpty<HCURSOR>
{
    static BOOL NothingHeld() { return TRUE; }
    BOOL Release(HCURSOR hCursor) const { return DestroyCursor(hCursor); }
};

class CFxCursor : public CFxOwner<CFxCursorRelease>
{
public:
    explicit CFxCursor(HCURSOR hCursor = nullptr) : CFxOwner(hCursor) {}
};
