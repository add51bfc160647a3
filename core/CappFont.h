// The card model's default LOGFONT: the library's face name and the Chinese character set.
#pragma once

#include <memory>

#include "core/VornCardExport.h"
#include "platform/base/String.h"

class CDC;
class CFont;

// Height as given, width, escapement, orientation and weight 0, plain, character set 134,
// precisions 3 and 2, quality 1, pitch and family 0x32, face from the library's string 9.
void CappInitLogFont(LOGFONTA& lf, LONG lHeight);

// Copies a face name read from an archive into the fixed field, cut on a character boundary.
void CappSetFaceName(LOGFONTA& lf, const CString& strFace);

// A font height or width for the context: a printer keeps the value; on screen a value whose
// magnitude does not map to whole pixels (|v| * window extent cy not a multiple of the viewport
// extent cy) is moved one unit away from zero, so the text is never drawn a pixel too small.
VORNCARD_API LONG CalcFontHeight(CDC* pDC, LONG lValue);

// The name of a drawing context when the caller gives none: "PRINT" on a printer, else "WIN".
VORNCARD_API CString CappDrawContextName(CDC* pDC, LPCSTR pszContext);

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
