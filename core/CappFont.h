// The card model's default LOGFONT: the library's face name and the Chinese character set.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/String.h"

class CDC;

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
