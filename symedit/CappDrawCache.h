// The fonts and text extents of one draw: each distinct font record is made once and stays
// selected until some text needs another, and each text is measured once per font and DC.
#pragma once

#include <memory>

#include "platform/base/Size.h"
#include "platform/base/String.h"
#include "symedit/MarkwellExport.h"

class CDC;
class CFont;

class MARKWELL_API CCappDrawCache
{
public:
    CCappDrawCache();
    // The DCs get back the fonts they had before the cache selected its own; then the fonts go.
    ~CCappDrawCache();
    CCappDrawCache(const CCappDrawCache&) = delete;
    CCappDrawCache& operator=(const CCappDrawCache&) = delete;

    // The cache of the draw open on this thread (see CCappDrawScope); null when none is open.
    static CCappDrawCache* GetCurrent();

    // The font for lf, made at its first use; null when it cannot be made.
    CFont* GetFont(const LOGFONTA& lf);
    // Makes lf's font the current one of both of the DC's handles unless it already is; FALSE
    // when the font cannot be made. The DC keeps it after the call.
    BOOL SelectFont(CDC* pDC, const LOGFONTA& lf);
    // The text's extent in lf, measured on the DC's attribute handle; (0, 0) when the font cannot
    // be made. Selects the font as SelectFont does.
    CSize GetTextExtent(CDC* pDC, const LOGFONTA& lf, const CString& strText);
    // Fonts made so far.
    int GetFontCount() const;

private:
    friend class CCappDrawScope;
    // The draw open on this thread, set by the outermost CCappDrawScope.
    static void SetCurrent(CCappDrawCache* pCache);

    struct Impl;
    std::unique_ptr<Impl> m_pImpl;
};
