// One draw on this thread: the font cache every cell drawn within it shares.
#pragma once

#include <memory>

#include "symedit/CappDrawCache.h"
#include "symedit/MarkwellExport.h"

// Opens a draw on this thread for its lifetime, unless one is open already: a draw inside another
// (a cell drawn within a sheet) shares the outer cache, so that only the outermost frees it.
class MARKWELL_API CCappDrawScope
{
public:
    CCappDrawScope();
    ~CCappDrawScope();
    CCappDrawScope(const CCappDrawScope&) = delete;
    CCappDrawScope& operator=(const CCappDrawScope&) = delete;

    CCappDrawCache& GetCache() { return *m_pCache; }

private:
    std::unique_ptr<CCappDrawCache> m_pOwn;
    CCappDrawCache* m_pCache;
};
