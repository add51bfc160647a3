// A cell's or a data item's font, cached per drawing context.
#pragma once

#include <memory>

#include "core/VornCardExport.h"
#include "platform/base/String.h"

class CDC;
class CFont;

// The scaled font of one drawing context, kept between draws. It is made again when the context
// name changes, and also when the scaled record differs (the font was edited or the view zoomed),
// so a cached font never draws stale sizes.
class VORNCARD_API CCappContextFont
{
public:
    CCappContextFont();
    ~CCappContextFont();
    CCappContextFont(const CCappContextFont&) = delete;
    CCappContextFont& operator=(const CCappContextFont&) = delete;

    // The font for lf in this context (height and width through CalcFontHeight); null only when
    // the font cannot be made. The scaled record is kept in GetLogFont().
    CFont* Get(CDC* pDC, const LOGFONTA& lf, LPCSTR pszContext);
    const LOGFONTA& GetLogFont() const { return m_lf; }
    const CString& GetContext() const { return m_strContext; }
    // Drops the kept font: the next Get makes it afresh for its context.
    void Reset();
    // How many times a font was made; lets callers see the cache at work.
    int GetMadeCount() const { return m_nMade; }

private:
    std::unique_ptr<CFont> m_pFont;
    CString m_strContext;
    LOGFONTA m_lf;
    int m_nMade;
};
